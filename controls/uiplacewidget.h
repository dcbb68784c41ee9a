#pragma once

#include "controls/baseitem.h"
#include "controls/uibase.h"

#include <QMap>
#include <QPointer>

class QBoxLayout;
class QLayout;

// A place page's room picker on the canvas: a page of room cells (1 x 3,
// 2 x 2 or 3 x 3) between a previous and a next button, in a row or a column.
class UIPlaceWidget : public UIBase
{
    Q_OBJECT
public:
    static constexpr int kTypeId = 102;
    static constexpr const char kClassTag[] = "placewidget";

    // The grid of a "rowcol" value, 0: one row of three, 1: two by two,
    // 2: three by three; false, changing nothing, for other values.
    static bool gridOfRowcol(int rowcol, int *rows, int *columns);

    explicit UIPlaceWidget(QWidget *parent = nullptr);

    // The column build when the direction is not 0, else the row build.
    void buildLayout() override;
    void buildHorizontal();
    void buildVertical();
    void applyAttributes(const QJsonObject &applied) override;

    // Reads "rowcol" and the room pictures from the attribute object.
    void fillRooms(QJsonObject &out);
    void prevButtonStyle(QJsonObject &style) const;
    void nextButtonStyle(QJsonObject &style) const;
    // One room: its picture above its caption.
    QWidget *createItem(int index);
    // Tears the cells down and forgets both buttons.
    void clearLayout(QLayout *layout);

    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    int rowcol() const { return m_rowcol; }
    QString roomPicture(int index) const { return m_roomPictures.value(index); }
    BaseItem *prevButton() const { return m_prevButton; }
    BaseItem *nextButton() const { return m_nextButton; }

private:
    void build(bool column);
    QBoxLayout *buttonHolder(BaseItem *button, bool column) const;

    QPointer<BaseItem> m_prevButton;
    QPointer<BaseItem> m_nextButton;
    int m_pictureWidth = 400;
    int m_pictureHeight = 225;
    int m_captionHeight = 48;
    int m_buttonWidth = 125;
    int m_buttonHeight = 125;
    int m_columns = 3;
    int m_rows = 1;
    QMap<int, QString> m_roomPictures;
    int m_rowcol = 0;
};
