#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

class QPaintEvent;

// One source tile of the preview: a blue square standing for the source's
// video, which the offline preview has not.
class ExPreviewItemWidget : public QWidget
{
    Q_OBJECT

public:
    // The first argument is the panel's source name; the tile shows no name.
    ExPreviewItemWidget(const QString &name, QWidget *parent = nullptr);
    ~ExPreviewItemWidget() override;

    void setText(const QString &text) { m_text = text; }
    void setHost(const QString &host) { m_host = host; }
    QString text() const { return m_text; }
    QString host() const { return m_host; }

public slots:
    // A panel draws the source's frames and its no-signal look here.
    void fillImage(QString host, QImage image);
    void showNosignal(bool show);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    QString m_host;
};
