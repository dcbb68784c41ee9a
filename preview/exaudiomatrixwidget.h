#pragma once

#include <QWidget>

class QLayout;

// The preview's audio routing matrix. Its layout clearing is also what the
// design-time composite controls use to tear their cells down before a rebuild.
class ExAudioMatrixWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ExAudioMatrixWidget(QWidget *parent = nullptr);
    ~ExAudioMatrixWidget() override;

    // Takes every item out of the layout, deletes its widget (detached first)
    // and clears nested layouts the same way, then deletes the layout itself,
    // so the widget that owned it has none. A null layout is left alone.
    static void clearLayout(QLayout *layout);
};
