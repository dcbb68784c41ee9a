#pragma once

#include "controls/baseitem.h"
#include "controls/uibase.h"

#include <QPointer>

class QLayout;

// The panel's login form on the canvas, drawn as painted cells: an optional
// title, the user name, password, address and language rows, "记住密码" and
// the "登录" button.
class UILoginWidget : public UIBase
{
    Q_OBJECT
public:
    static constexpr int kTypeId = 101;
    static constexpr const char kClassTag[] = "loginwidget";

    explicit UILoginWidget(QWidget *parent = nullptr);

    void buildLayout() override;
    void applyAttributes(const QJsonObject &applied) override;

    // Reads the title keys into a cell style and the two visibility fields.
    void applyTitle(QJsonObject &style);
    // Tears the cells down and forgets every one of them.
    void clearLayout(QLayout *layout);

    int tagVisible() const { return m_tagVisible; }
    int titleVisible() const { return m_titleVisible; }
    BaseItem *titleCell() const { return m_title; }
    BaseItem *userField() const { return m_userField; }
    BaseItem *loginButton() const { return m_loginButton; }
    // Every cell the form keeps a reference to, the title first.
    QList<BaseItem *> cells() const;

private:
    // Seeds the attribute object with the form's defaults.
    void applyStyle();
    BaseItem *addCell(const QJsonObject &style, const QString &text);

    QPointer<BaseItem> m_title;
    QPointer<BaseItem> m_userCaption;
    QPointer<BaseItem> m_userField;
    QPointer<BaseItem> m_passwordCaption;
    QPointer<BaseItem> m_passwordField;
    QPointer<BaseItem> m_addressCaption;
    QPointer<BaseItem> m_addressField;
    QPointer<BaseItem> m_languageCaption;
    QPointer<BaseItem> m_languageField;
    QPointer<BaseItem> m_remember;
    QPointer<BaseItem> m_loginButton;
    QPointer<BaseItem> m_spare;
    int m_tagVisible = 1;
    int m_titleVisible = 0;
};
