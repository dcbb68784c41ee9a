#pragma once

#include <QFont>
#include <QJsonObject>
#include <QJsonValue>
#include <QPixmap>
#include <QString>
#include <QWidget>

class QPainter;

// A painted cell inside composite controls (audio matrix, login form, lists):
// a picture or a background colour, a thin frame and an optional text, all
// from a small style object whose keys are a subset of the control keys.
// The cells never react to the mouse; presses and hover moves go on to the
// control around them.
class BaseItem : public QWidget
{
    Q_OBJECT
public:
    explicit BaseItem(QWidget *parent = nullptr);

    // Folder against which picture file names are resolved; set it before
    // applying picture keys.
    void setFileDir(const QString &dir) { m_fileDir = dir; }
    QString fileDir() const { return m_fileDir; }
    // Edit zoom for geometry keys and the font size; apply it before them.
    void setScale(double scale) { m_scale = scale; }
    double scale() const { return m_scale; }

    void setStyle(const QJsonObject &style, bool repaint);
    void setStyleValue(const QString &key, const QJsonValue &value, bool repaint);
    // Every recognised key applied so far, with its normalised value.
    QJsonObject style() const { return m_style; }

    void setAlignment(int flags) { m_alignment = flags; }
    int alignment() const { return m_alignment; }

    QString text() const { return m_text; }
    QString normalPictureFile() const { return m_normalPictureFile; }
    QString pressPictureFile() const { return m_pressPictureFile; }

    // The font and the text as painting uses them.
    QFont textFont() const;
    QString displayText() const;
    // What the paint event draws, with the painter set to the cell's own
    // coordinates: also for a control that draws its cells itself.
    void paintFace(QPainter &painter);

protected:
    void paintEvent(QPaintEvent *event) override;

    QString imageFilePath(const QString &path) const;

    QString m_fileDir;
    QWidget *m_parent = nullptr;
    QJsonObject m_style;
    QString m_text;
    int m_fontSize = 0;
    int m_bold = 0;
    int m_direction = 0;
    QString m_fallbackTextColor = QStringLiteral("#0000ff");
    QString m_normalBkColor = QStringLiteral("#ffffffff");
    QString m_pressBkColor;
    QString m_normalColor;
    QString m_pressColor = QStringLiteral("#00ffffff");
    QString m_normalPictureFile;
    QString m_pressPictureFile;
    double m_scale = 1.0;
    QPixmap m_picture;
    int m_alignment = Qt::AlignHCenter | Qt::AlignVCenter;
};
