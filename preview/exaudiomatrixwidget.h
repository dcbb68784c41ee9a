#pragma once

#include <QWidget>

class QLayout;

// The preview's audio routing matrix.
class ExAudioMatrixWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ExAudioMatrixWidget(QWidget *parent = nullptr);
    ~ExAudioMatrixWidget() override;

    // Tears the layout and its widgets down (see controls/layoutclearing.h).
    static void clearLayout(QLayout *layout);
};
