#include "explacewidget.h"

#include "controls/uiplacewidget.h"
#include "preview/explacelistitemwidget.h"
#include "preview/exqbutton.h"
#include "preview/exscale.h"

#include <QBoxLayout>
#include <QGridLayout>

#include <cmath>

namespace {

const int kButtonSide = 125;
const int kTileWidth = 400;
const int kPictureHeight = 225;
const int kNameHeight = 48;

// A widget centred in a row by a stretch on either side.
QHBoxLayout *centred(QWidget *widget)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(widget);
    row->addStretch();
    return row;
}

} // namespace

ExPlaceWidget::ExPlaceWidget(QWidget *parent)
    : QWidget(parent)
{
}

void ExPlaceWidget::setScale(double x, double y)
{
    m_scaleX = x;
    m_scaleY = y;
}

void ExPlaceWidget::setRowCol(int mode)
{
    m_gridMode = mode;
    // A mode the designer does not offer shows the first grid rather than
    // whatever the rows and columns happened to hold.
    if (!UIPlaceWidget::gridOfRowcol(mode, &m_rows, &m_columns))
        UIPlaceWidget::gridOfRowcol(0, &m_rows, &m_columns);
    fillPlaces();
    buildTiles();
}

void ExPlaceWidget::fillPlaces()
{
    m_places.clear();
    for (int i = 0; i < m_rows * m_columns; ++i) {
        PlaceRecord place;
        place.id = i;
        place.name = tr("场所-%1").arg(i);
        m_places.append(place);
    }
    m_tileRowCount = m_places.size() / m_columns + (m_places.size() % m_columns ? 1 : 0);
}

void ExPlaceWidget::buildTiles()
{
    // A second build replaces the first one's buttons and tiles.
    delete m_nextButton;
    delete m_prevButton;
    delete m_tileArea;

    const QSize buttonSize(qMax(0, scaledInt(kButtonSide, m_scaleX)), qMax(0, scaledInt(kButtonSide, m_scaleY)));
    m_nextButton = new ExQButton(this);
    m_nextButton->setFixedSize(buttonSize);
    m_prevButton = new ExQButton(this);
    m_prevButton->setFixedSize(buttonSize);

    m_tileWidth = kTileWidth;
    m_tileHeight = qMax(0, scaledInt(m_scaleY * kPictureHeight + std::trunc(m_scaleY * kNameHeight), 1.0));

    m_tileArea = new QWidget(this);
    auto *grid = new QGridLayout;
    grid->setSpacing(5);
    int row = 1;
    int column = 1;
    for (const PlaceRecord &place : qAsConst(m_places)) {
        auto *tile = new ExPlaceListItemWidget(m_tileArea);
        tile->setObjectName(QStringLiteral("placelistitem"));
        tile->setFixedSize(m_tileWidth, m_tileHeight);
        tile->setPlaceId(place.id);
        if (!m_roomImages.contains(place.id))
            m_roomImages.insert(place.id, QString());
        tile->setImage(m_roomImages.value(place.id));
        tile->setName(place.name);
        if (row > m_rows)
            tile->hide();
        grid->addWidget(tile, row, column);
        if (column == m_columns) {
            column = 1;
            ++row;
        } else {
            ++column;
        }
    }
    m_tileArea->setLayout(grid);
}

void ExPlaceWidget::setLayoutMode(int vertical)
{
    if (!m_tileArea)
        setRowCol(m_gridMode);
    delete layout();
    if (vertical == 1) {
        m_vertical = 1;
        auto *column = new QVBoxLayout(this);
        column->setSpacing(6);
        column->addLayout(centred(m_prevButton), 1);
        column->addWidget(m_tileArea, 0);
        column->addLayout(centred(m_nextButton), 1);
    } else {
        m_vertical = 0;
        auto *row = new QHBoxLayout(this);
        row->addWidget(m_prevButton, 0);
        row->addWidget(m_tileArea, 0);
        row->addWidget(m_nextButton, 0);
    }
}

void ExPlaceWidget::setPrevButtonImages(const QString &normalBkColor, const QString &pressBkColor,
                                        const QString &normalImage, const QString &pressImage)
{
    if (m_prevButton)
        m_prevButton->setImages(normalBkColor, pressBkColor, normalImage, pressImage);
}

void ExPlaceWidget::setNextButtonImages(const QString &normalBkColor, const QString &pressBkColor,
                                        const QString &normalImage, const QString &pressImage)
{
    if (m_nextButton)
        m_nextButton->setImages(normalBkColor, pressBkColor, normalImage, pressImage);
}

QVector<ExPlaceListItemWidget *> ExPlaceWidget::tiles() const
{
    QVector<ExPlaceListItemWidget *> list;
    if (m_tileArea) {
        for (ExPlaceListItemWidget *tile :
             m_tileArea->findChildren<ExPlaceListItemWidget *>(QString(), Qt::FindDirectChildrenOnly))
            list.append(tile);
    }
    return list;
}
