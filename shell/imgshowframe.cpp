#include "imgshowframe.h"

#include "shell/imglabel.h"

#include <QGridLayout>

ImgShowFrame::ImgShowFrame(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("ImgShowFrame"));
    resize(400, 300);
    setFrameShape(QFrame::StyledPanel);
    m_label = new ImgLabel(this);
    m_label->setObjectName(QStringLiteral("label"));
    m_label->setFixedSize(180, 180);
    auto *layout = new QGridLayout(this);
    layout->addWidget(m_label, 0, 0, Qt::AlignCenter);
}

void ImgShowFrame::setImage(const QString &path)
{
    m_label->setImage(path);
}
