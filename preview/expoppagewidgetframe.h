#pragma once

#include <QFrame>

class ExPopPageWidget;

// The window a pop-up page is shown in: frameless, nearly transparent and as
// large as the page under it, with the pop-up centred. A press beside the
// pop-up, or Escape, asks to close it.
class ExPopPageWidgetFrame : public QFrame
{
    Q_OBJECT

public:
    explicit ExPopPageWidgetFrame(QWidget *parent = nullptr);
    ~ExPopPageWidgetFrame() override;

    // Centres a pop-up of the given size and loads the page into it.
    void showPage(const QString &pageFile, int width, int height);
    ExPopPageWidget *popPage() const { return m_widget; }

signals:
    void signalExit();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    // A pop-up as large as its page leaves no pixel beside it to press.
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    ExPopPageWidget *m_widget = nullptr;
};
