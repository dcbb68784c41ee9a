#include "qabout.h"

#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QVBoxLayout>

QAbout::QAbout(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("QAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("关于"));
    setFixedSize(483, 328);

    m_label = new QLabel(this);
    m_label->setAlignment(Qt::AlignCenter);
    m_movie = new QMovie(QStringLiteral("about.gif"), QByteArray(), this);
    m_label->setMovie(m_movie);
    m_button = new QPushButton(tr("暂停"), this);
    m_button->setObjectName(QStringLiteral("pushButton"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label, 1);
    layout->addWidget(m_button, 0, Qt::AlignHCenter);
    connect(m_button, SIGNAL(clicked()), this, SLOT(togglePlaying()));
    m_movie->start();
}

void QAbout::togglePlaying()
{
    const bool running = m_button->text() == tr("暂停");
    m_movie->setPaused(running);
    m_button->setText(running ? tr("播放") : tr("暂停"));
}
