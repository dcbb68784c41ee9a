#pragma once

#include <QMap>
#include <QString>
#include <QVector>
#include <QWidget>

class ExPlaceListItemWidget;
class ExQButton;

// One demonstration place of the place list.
struct PlaceRecord {
    int id = 0;
    QString name;
};

// The place list of a place page: a grid of place tiles between a previous
// and a next button, filled with demonstration places. Nothing in it is
// connected; its buttons only show their pressed look.
class ExPlaceWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ExPlaceWidget(QWidget *parent = nullptr);

    void setScale(double x, double y);
    void setRoomImages(const QMap<int, QString> &images) { m_roomImages = images; }
    // 0: 1 x 3 tiles, 1: 2 x 2, 2: 3 x 3; any other mode shows the 1 x 3
    // grid. Fills the places and builds the tiles.
    void setRowCol(int mode);
    // 1: the buttons above and below the tiles; anything else: beside them.
    void setLayoutMode(int vertical);
    void setPrevButtonImages(const QString &normalBkColor, const QString &pressBkColor,
                             const QString &normalImage, const QString &pressImage);
    void setNextButtonImages(const QString &normalBkColor, const QString &pressBkColor,
                             const QString &normalImage, const QString &pressImage);

    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    int tileWidth() const { return m_tileWidth; }
    int tileHeight() const { return m_tileHeight; }
    int vertical() const { return m_vertical; }
    const QVector<PlaceRecord> &places() const { return m_places; }
    QVector<ExPlaceListItemWidget *> tiles() const;
    ExQButton *prevButton() const { return m_prevButton; }
    ExQButton *nextButton() const { return m_nextButton; }
    QWidget *tileArea() const { return m_tileArea; }

private:
    void fillPlaces();
    void buildTiles();

    ExQButton *m_prevButton = nullptr;
    ExQButton *m_nextButton = nullptr;
    QWidget *m_tileArea = nullptr;
    double m_scaleX = 1.0;
    double m_scaleY = 1.0;
    int m_tileRowCount = 0;
    int m_rows = 1;
    int m_columns = 3;
    int m_gridMode = 0;
    int m_vertical = 0;
    int m_tileWidth = 400;
    int m_tileHeight = 0;
    QMap<int, QString> m_roomImages;
    QVector<PlaceRecord> m_places;
};
