#pragma once

#include "controls/baseitem.h"
#include "controls/uibase.h"

#include <QPointer>

// The panel's source search on the canvas: a search field and one button
// beside it, left or right, both painted cells in one row.
class UISearchWidget : public UIBase
{
    Q_OBJECT
public:
    static constexpr int kTypeId = 107;
    static constexpr const char kClassTag[] = "sourcewidget";

    explicit UISearchWidget(QWidget *parent = nullptr);

    void buildLayout() override;
    void applyAttributes(const QJsonObject &applied) override;

    // The "btn_" look keys and "btn_text" under their bare cell keys.
    void buttonStyle(QJsonObject &style) const;

    BaseItem *searchField() const { return m_searchField; }
    BaseItem *button() const { return m_button; }

private:
    int buttonWidth(const QJsonValue &stored) const;

    QPointer<BaseItem> m_searchField;
    QPointer<BaseItem> m_button;
};
