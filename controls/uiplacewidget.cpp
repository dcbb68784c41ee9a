#include "uiplacewidget.h"

#include "controls/baseitem.h"
#include "controls/drawncaption.h"
#include "controls/uicompositehelpers.h"
#include "controls/layoutclearing.h"

#include <QBoxLayout>

#include <iterator>

namespace {

const int kRoomCount = 10;

const CellStyleKeyMap kPrevButtonStyle[] = {
    {"prev_button_normal_image_path", "normal_image_path"},
    {"prev_button_press_image_path", "press_image_path"},
};

const CellStyleKeyMap kNextButtonStyle[] = {
    {"next_button_normal_image_path", "normal_image_path"},
    {"next_button_press_image_path", "press_image_path"},
};

// "room_1" .. "room_10" as the picture index 0 .. 9, or -1.
int roomIndex(const QString &key)
{
    if (!key.startsWith(QLatin1String("room_")))
        return -1;
    bool ok = false;
    const int number = key.mid(5).toInt(&ok);
    if (!ok || number < 1 || number > kRoomCount || key.mid(5) != QString::number(number))
        return -1;
    return number - 1;
}

// A room: its picture above its caption. The room draws the caption where
// and as a label there would draw it, sparing a widget per room.
class PlaceRoom : public QWidget
{
public:
    using QWidget::QWidget;

    DrawnCaption *caption = nullptr;   // an item of the room's layout, which owns it

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (caption)
            caption->paint();
    }
};

} // namespace

UIPlaceWidget::UIPlaceWidget(QWidget *parent)
    : UIBase(parent)
{
    setKind(kTypeId, QLatin1String(kClassTag));
    setAttribute(QStringLiteral("direction"), 1, false);
    setAttribute(QStringLiteral("rowcol"), 0, false);
}

bool UIPlaceWidget::gridOfRowcol(int rowcol, int *rows, int *columns)
{
    static const struct {
        int rows;
        int columns;
    } kGrids[] = {{1, 3}, {2, 2}, {3, 3}};
    if (rowcol < 0 || rowcol >= int(std::size(kGrids)))
        return false;
    *rows = kGrids[rowcol].rows;
    *columns = kGrids[rowcol].columns;
    return true;
}

void UIPlaceWidget::fillRooms(QJsonObject &out)
{
    for (auto it = m_attributes.constBegin(); it != m_attributes.constEnd(); ++it) {
        if (it.key() == QLatin1String("rowcol")) {
            m_rowcol = wholeNumberOr(it.value(), 0);
            gridOfRowcol(m_rowcol, &m_rows, &m_columns);
            out.insert(it.key(), it.value());
            continue;
        }
        const int room = roomIndex(it.key());
        if (room >= 0)
            m_roomPictures.insert(room, it.value().toString());
    }
}

void UIPlaceWidget::prevButtonStyle(QJsonObject &style) const
{
    style = mappedCellStyle(m_attributes, kPrevButtonStyle);
}

void UIPlaceWidget::nextButtonStyle(QJsonObject &style) const
{
    style = mappedCellStyle(m_attributes, kNextButtonStyle);
}

QWidget *UIPlaceWidget::createItem(int index)
{
    const int pw = qMax(0, scaledLength(m_pictureWidth, m_zoomScale));
    const int ph = qMax(0, scaledLength(m_pictureHeight, m_zoomScale));
    const int th = qMax(0, scaledLength(m_captionHeight, m_zoomScale));
    const bool fixedSizes = m_rows < 3;

    // No transparent background sheet: it gave nothing a room without a
    // background of its own paints, and made every widget inside match
    // style sheet rules.
    auto *cell = new PlaceRoom(this);
    cell->setObjectName(QStringLiteral("placeItem"));
    if (fixedSizes)
        cell->setFixedSize(pw, ph + th);

    auto *column = new QVBoxLayout(cell);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);

    auto *picture = new BaseItem(cell);
    picture->setFileDir(m_fileDir);
    const QString room = m_roomPictures.value(index);
    if (!room.isEmpty())
        picture->setStyle(QJsonObject{{QStringLiteral("normal_image_path"), room}}, true);

    DrawnCaption::Style look;
    look.setColour(Qt::white);
    look.setAlignment(Qt::AlignCenter);
    if (fixedSizes)
        look.setFixedSize(QSize(pw, th));
    cell->caption = new DrawnCaption(cell, DrawnCaption::Label, tr("场所") + QLatin1Char('_') + QString::number(index),
                                     look);

    if (fixedSizes) {
        picture->setFixedSize(pw, ph);
        column->addWidget(picture, 0);
        column->addItem(cell->caption);
    } else {
        column->addWidget(picture, 10);
        column->addItem(cell->caption);
        column->setStretch(1, 1);
    }
    return cell;
}

QBoxLayout *UIPlaceWidget::buttonHolder(BaseItem *button, bool column) const
{
    // Centred across the main direction by a stretch on either side.
    QBoxLayout *holder = column ? static_cast<QBoxLayout *>(new QHBoxLayout)
                                : static_cast<QBoxLayout *>(new QVBoxLayout);
    holder->addStretch();
    holder->addWidget(button);
    holder->addStretch();
    return holder;
}

void UIPlaceWidget::build(bool column)
{
    // A second build replaces the rooms instead of stacking others on them.
    clearLayout(layout());

    const int bw = qMax(0, scaledLength(m_buttonWidth, m_zoomScale));
    const int bh = qMax(0, scaledLength(m_buttonHeight, m_zoomScale));

    QJsonObject scratch;
    fillRooms(scratch);
    QJsonObject nextStyle;
    QJsonObject prevStyle;
    nextButtonStyle(nextStyle);
    prevButtonStyle(prevStyle);

    QBoxLayout *main = column ? static_cast<QBoxLayout *>(new QVBoxLayout)
                              : static_cast<QBoxLayout *>(new QHBoxLayout);
    main->setSpacing(6);

    m_prevButton = new BaseItem(this);
    m_prevButton->setFileDir(m_fileDir);
    m_prevButton->setStyle(prevStyle, true);
    m_prevButton->setFixedSize(bw, bh);
    main->addLayout(buttonHolder(m_prevButton, column), 1);

    auto *rooms = new QVBoxLayout;
    rooms->setSpacing(column ? 10 : 6);
    int n = 0;
    for (int r = 0; r < m_rows; ++r) {
        auto *row = new QHBoxLayout;
        for (int c = 0; c < m_columns; ++c)
            row->addWidget(createItem(n++));
        rooms->addLayout(row);
    }
    main->addLayout(rooms, 0);

    m_nextButton = new BaseItem(this);
    m_nextButton->setFileDir(m_fileDir);
    m_nextButton->setStyle(nextStyle, true);
    m_nextButton->setFixedSize(bw, bh);
    main->addLayout(buttonHolder(m_nextButton, column), 1);

    setLayout(main);
}

void UIPlaceWidget::buildHorizontal()
{
    build(false);
}

void UIPlaceWidget::buildVertical()
{
    build(true);
}

void UIPlaceWidget::buildLayout()
{
    if (m_direction != 0)
        buildVertical();
    else
        buildHorizontal();
}

void UIPlaceWidget::clearLayout(QLayout *layout)
{
    ::clearLayout(layout);
    m_prevButton = nullptr;
    m_nextButton = nullptr;
}

void UIPlaceWidget::applyAttributes(const QJsonObject &applied)
{
    bool rebuild = false;
    for (auto it = applied.constBegin(); it != applied.constEnd(); ++it) {
        const QString &key = it.key();
        if (key == QLatin1String("direction")) {
            m_direction = wholeNumberOr(it.value(), 0);
            rebuild = true;
        } else if (key == QLatin1String("rowcol")) {
            m_rowcol = wholeNumberOr(it.value(), 0);
            setAttribute(key, m_rowcol, true);
            gridOfRowcol(m_rowcol, &m_rows, &m_columns);
            rebuild = true;
        } else {
            const int room = roomIndex(key);
            if (room >= 0) {
                m_roomPictures.insert(room, it.value().toString());
                rebuild = true;
            }
        }
    }

    if (rebuild) {
        clearLayout(layout());
        buildLayout();
    }
}
