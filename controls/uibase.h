#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

class QKeyEvent;
class QMouseEvent;
class QPaintEvent;
class QPainter;
class QResizeEvent;

// The canvas face of one control attribute object. The control keeps the
// object, mirrors the keys that drawing and the mouse code need, places itself
// at the page's edit zoom and reports every user change to its page by signal;
// it never writes a move, resize or edit into its own object (the page turns
// each report into an undoable step that comes back through setAttributes).
class UIBase : public QWidget
{
    Q_OBJECT

public:
    explicit UIBase(QWidget *parent = nullptr);
    ~UIBase() override;

    // The one entry for a whole object or an edit. With viaSignal the control
    // stays as it is and reports (old, old + changes) instead.
    void setAttributes(const QJsonObject &changes, bool repaint, bool viaSignal);
    // Stores one key, normalised to its key group. The last argument exists
    // for the callers' sake and has no effect.
    void setAttribute(const QString &key, const QJsonValue &value, bool repaint, bool unused = false);
    // Makes the object exactly `whole`, every mirror and the widget index
    // following it as they would on a control made from it. Returns what
    // changed, keys that went out as null, for the composite kinds.
    QJsonObject replaceAttributes(const QJsonObject &whole);

    virtual QString getName() const;
    virtual void setName(const QString &name);

    // Set-up step the factory runs once after the first setAttributes; the
    // composite kinds build their inner widgets here.
    virtual void buildLayout();
    // Runs after every applied edit with the object that was applied, so a
    // composite kind can restyle or rebuild its inner widgets.
    virtual void applyAttributes(const QJsonObject &applied);

    int getType() const { return m_type; }
    int getIndex() const { return m_widgetIndex; }
    double getScale() const { return m_zoomScale; }
    QString classTag() const { return m_classTag; }
    const QJsonObject &attributes() const { return m_attributes; }

    // Zoom only, no re-placing: the factory calls it before the first
    // setAttributes so the first geometry already uses it.
    void setScaleValue(double zoom);
    // Zoom and re-placing from the stored geometry, truncating.
    void setScale(double zoom);
    // Rewrites the stored geometry for a new page size.
    void rescaleGeometry(double sx, double sy);
    // The same rewrite on an object that no control holds.
    static void rescaleStoredGeometry(QJsonObject &attributes, double sx, double sy);

    // Who the control is while the program runs, never written to a file:
    // given by its page when it is made, and again to the control that an
    // undo brings back, so every step keeps reaching it.
    quint64 controlId() const { return m_controlId; }
    void setControlId(quint64 id) { m_controlId = id; }

    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);

    QString fileDir() const { return m_fileDir; }
    void setFileDir(const QString &folder);
    // Only the file name of a stored path counts, so a project folder can move.
    QString imageFilePath(const QString &path) const;

    // Mirrors of the attribute object that drawing and subclasses read.
    QString typeName() const { return m_typeName; }
    QString text() const { return m_text; }
    int fontSize() const { return m_fontSize; }
    int bold() const { return m_bold; }
    int borderRadius() const { return m_borderRadius; }
    int direction() const { return m_direction; }
    int textPosition() const { return m_textPosition; }
    double textRatio() const { return m_textRatio; }
    double pictureRatio() const { return m_pictureRatio; }
    int groupId() const { return m_groupId; }
    QString normalBkColor() const { return m_normalBkColor; }
    QString pressBkColor() const { return m_pressBkColor; }
    QString normalColor() const { return m_normalColor; }
    QString pressColor() const { return m_pressColor; }
    QString normalImageFile() const { return m_normalImageFile; }
    QString pressImageFile() const { return m_pressImageFile; }

    // Mouse placement, in screen pixels.
    void dragTo(int globalX, int globalY);
    void resizeTo(int x, int y);
    // Splits the widget rectangle into the picture area and the text area.
    void layoutRects(QRect &picture, QRect &text);
    // What the paint event draws, with the painter set to the control's own
    // coordinates: also for a composite control that draws a part itself.
    void paintFace(QPainter &painter);

    // Half-up rounding of stored <-> screen conversions: -2.5 gives -2.
    // Values beyond int are pinned to its ends, NaN gives 0.
    static int roundHalfUp(double v);

signals:
    void signalControlSelect();
    void signalRectChange(QJsonObject oldAttributes, QJsonObject newAttributes);
    void signalRectMoveChange(QPoint offset);
    void signalAttributeChange(QJsonObject oldAttributes, QJsonObject newAttributes);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

    // Each subclass constructor names its kind.
    void setKind(int typeId, const QString &classTag);

    // Screen-pixel geometry from stored values, kept within what a widget
    // can take; the stored values themselves are never touched.
    static int screenCoordinate(double v);
    static int screenLength(double v);

    QString m_fileDir;
    QJsonObject m_attributes;
    int m_widgetIndex = -1;
    int m_type = 0;
    QString m_classTag = QStringLiteral("base");
    QString m_typeName;
    QString m_name;
    QString m_text;
    int m_fontSize = 0;
    int m_bold = 0;
    int m_borderRadius = 0;
    int m_direction = 0;
    int m_textPosition = 0;
    double m_textRatio = 1.0;
    double m_pictureRatio = 1.0;
    int m_groupId = 0;
    QString m_fallbackTextColor = QStringLiteral("#000000");
    QString m_normalBkColor = QStringLiteral("#00ffffff");
    QString m_pressBkColor;
    QString m_normalColor;
    QString m_pressColor = QStringLiteral("#00ffffff");
    QString m_normalImageFile;
    QString m_pressImageFile;
    double m_zoomScale = 1.0;
    quint64 m_controlId = 0;
    bool m_selected = false;
    QPixmap m_picture;

    // Mouse state
    int m_borderWidth = 6;
    bool m_pressed = false;
    int m_minWidth = 16;
    int m_minHeight = 16;
    int m_edge = 0;
    int m_action = 0;
    bool m_changed = false;
    QPoint m_startTopLeft;
    QPoint m_pressPoint;

private:
    // The resize edges whose band holds the point (0: the face).
    int edgeAt(const QPoint &point) const;
    void applyGeometryKey(const QString &key, int stored);
    // setAttribute; held is the value the object holds under key when the
    // caller knows it (a first object taken whole).
    void applyKey(const QString &key, const QJsonValue &value, bool repaint, const QJsonValue *held);
    void storeAttribute(const QString &key, const QJsonValue &value, const QJsonValue *held);
    void paintBackground(QPainter &painter, const QRect &picture);
    void paintText(QPainter &painter, const QRect &textArea);
};
