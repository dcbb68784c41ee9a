#pragma once

#include <QJsonObject>
#include <QPixmap>
#include <QString>
#include <QVector>
#include <QWidget>

// One run-time widget that a page host built, as the host's registry keeps it.
struct CtrlElement {
    QWidget *widget = nullptr;
    int elementType = -1;   // run-time type id it was registered under
    int reserved = 0;
    QString hostName;       // object name of the host that built it
    QString ref;            // the control's "ref", for the kinds that read one
    QString name;           // the control's "name"
};

// The run-time host of one saved page in the preview: reads the page file
// from disk, scales the page's design size to its own, paints the page
// background and builds one run-time widget per control entry.
class ExPageWidget : public QWidget
{
    Q_OBJECT

public:
    ExPageWidget(int listMode, const QString &pageFile, QWidget *parent = nullptr);
    ~ExPageWidget() override;

    void loadPageFile();
    void createElement(const QString &typeName, const QJsonObject &record);
    void addElement(CtrlElement element);
    void destoryElement();

    // The text after the last "\" or "/", or the whole text.
    static QString fileNameOfPath(const QString &path);
    // A picture name resolved against the page file's folder by its bare
    // file name; an empty name stays empty.
    QString resolveImagePath(const QString &name) const;

    int listMode() const { return m_listMode; }
    QString pageFile() const { return m_pageFile; }
    QString basePath() const { return m_basePath; }
    int designWidth() const { return m_designWidth; }
    int designHeight() const { return m_designHeight; }
    double scaleX() const { return m_scaleX; }
    double scaleY() const { return m_scaleY; }
    QString bkColor() const { return m_bkColor; }
    QString bkImage() const { return m_bkImage; }
    const QPixmap &bkPixmap() const { return m_bkPixmap; }
    const QVector<CtrlElement> &elements() const { return m_ctrlElement; }
    // How many times the page file was read.
    int loadCount() const { return m_loadCount; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int m_designWidth = 0;
    int m_designHeight = 0;
    double m_scaleX = 1.0;
    double m_scaleY = 1.0;
    QString m_bkColor;
    QString m_bkImage;
    QPixmap m_bkPixmap;
    QString m_pageFile;
    QString m_basePath = QStringLiteral("./");
    int m_listMode = 0;
    int m_wallID = -1;
    int m_height = 0;
    int m_width = 0;
    int m_wallType = -1;
    QVector<CtrlElement> m_ctrlElement;
    int m_loadCount = 0;
};
