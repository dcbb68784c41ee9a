#pragma once

#include "controls/drawncaption.h"
#include "controls/uibase.h"

#include <QPointer>
#include <QVector>

class BaseItem;

// The audio routing matrix on the canvas: a fixed 6 x 6 grid of a diagonal
// corner, five output headers, five input headers and 25 painted buttons.
class UIAudioMatrixWidget : public UIBase
{
    Q_OBJECT
public:
    static constexpr int kTypeId = 163;
    static constexpr const char kClassTag[] = "audiomatrixwidget";

    explicit UIAudioMatrixWidget(QWidget *parent = nullptr);
    ~UIAudioMatrixWidget() override;

    void buildLayout() override;
    void applyAttributes(const QJsonObject &applied) override;

    void buttonStyle(QJsonObject &style) const;
    void itemStyle(QJsonObject &style);
    void cornerStyle(QJsonObject &style) const;

    BaseItem *createOutputHeader(int index);
    BaseItem *createInputHeader(int index);

    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    QString itemTextColor() const { return m_itemTextColor; }
    int titleSize() const { return m_titleSize; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    BaseItem *createHeader(int index, const QString &styleSheet, const QString &caption);
    // The headers' captions follow the item colour and the title size.
    void updateCaptionStyle();

    int m_cellWidth = 35;
    int m_cellHeight = 30;
    int m_columns = 6;
    int m_rows = 6;
    QString m_itemTextColor = QStringLiteral("#000");
    int m_titleSize = 14;
    DrawnCaption::Style m_captionStyle;
    QVector<QPointer<BaseItem>> m_buttons;   // hidden; the matrix draws them
};
