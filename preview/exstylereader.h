#pragma once

#include <QJsonObject>
#include <QRect>
#include <QString>
#include <QVector>

// The records that the run-time creators fill from one control object. A
// creator sets its defaults in the record first; a key that is missing or of
// another JSON type keeps them, and nothing is reported.

// The common style of every run-time button and label.
struct ExButtonStyle {
    QString name;
    QString text;
    QString pressText;
    QString normalColor;
    QString pressColor;
    QString normalBkColor;
    QString pressBkColor;
    QString normalImage;   // resolved against the page's folder
    QString pressImage;    // resolved against the page's folder
    int x = 0;             // the geometry and font size come back scaled
    int y = 0;
    int w = 0;
    int h = 0;
    int fontSize = 14;
    int bold = 0;
    int direction = 0;
};

// Placement of text and picture inside a button or label.
struct ExTextLayout {
    int position = 0;
    double textRatio = 1.0;
    double pictureRatio = 1.0;
};

// Colours and pictures of the items and paging buttons of the list kinds.
struct ExColourSet {
    QString normalColor;
    QString pressColor;
    QString normalBkColor;
    QString pressBkColor;
    QString normalImage;
    QString pressImage;
};

// The button beside a search box.
struct ExListButtonStyle {
    QString ref;
    int layoutDirection = 0;
    QString text;
    int width = 0;   // design pixels, not scaled, within the widget limit
    ExColourSet colours;
};

// A picture slider.
struct ExSliderStyle {
    int minimum = 0;
    int maximum = 0;
    int step = 0;
    int direction = 0;
    int labelWidth = 0;   // the value label keeps its design size, within the widget limit
    int labelHeight = 0;
    int grooveLeft = 0;
    int grooveTop = 0;
    int grooveRight = 0;
    int grooveBottom = 0;
    int thumbWidth = 0;
    int thumbHeight = 0;
    int thumbPressWidth = 0;
    int thumbPressHeight = 0;
    QString normalGroove;
    QString activeGroove;
    QString normalThumb;
    QString activeThumb;
};

// The grid layout of a video wall as a control stores it.
struct ExWallGrid {
    int standard = 1;
    int gridMode = 0;
    int rows = 0;
    int cols = 0;
    int totalWidth = 0;
    int totalHeight = 0;
    int wallType = 0;
    QVector<QRect> rects;
};

// Reads the shared style keys of control objects for one run-time host: its
// two scales, its font ratio and the folder its pictures are found in.
class ExStyleReader
{
public:
    ExStyleReader(double scaleX, double scaleY, double fontFactor, const QString &basePath,
                  bool readsPressText = true);

    void readButtonStyle(const QJsonObject &record, ExButtonStyle *style) const;
    void readTextLayout(const QJsonObject &record, ExTextLayout *layout) const;
    void readItemStyle(const QJsonObject &record, ExColourSet *set) const;
    void readNextButtonStyle(const QJsonObject &record, ExColourSet *set) const;
    void readPrevButtonStyle(const QJsonObject &record, ExColourSet *set) const;
    void readRefreshButtonStyle(const QJsonObject &record, ExColourSet *set) const;
    void readListButtonStyle(const QJsonObject &record, ExListButtonStyle *style) const;
    void readSliderStyle(const QJsonObject &record, ExSliderStyle *style) const;
    void readWallGrid(const QJsonObject &record, ExWallGrid *grid) const;

    // A picture name by its bare file name in the folder; empty stays empty.
    static QString resolveImagePath(const QString &basePath, const QString &name);
    QString resolveImagePath(const QString &name) const { return resolveImagePath(m_basePath, name); }

    double scaleX() const { return m_scaleX; }
    double scaleY() const { return m_scaleY; }
    double fontFactor() const { return m_fontFactor; }

private:
    // The six colour and picture keys behind a prefix ("item_", "btn_" ...).
    void readColourSet(const QJsonObject &record, const QString &prefix, ExColourSet *set) const;

    double m_scaleX;
    double m_scaleY;
    double m_fontFactor;
    QString m_basePath;
    bool m_readsPressText;
};
