#include "exaudiomatrixwidget.h"

#include "controls/layoutclearing.h"

#include <QLayout>

ExAudioMatrixWidget::ExAudioMatrixWidget(QWidget *parent)
    : QWidget(parent)
{
}

ExAudioMatrixWidget::~ExAudioMatrixWidget()
{
    clearLayout(layout());
}

void ExAudioMatrixWidget::clearLayout(QLayout *layout)
{
    ::clearLayout(layout);
}
