#include "exwallstackedwidget.h"

#include "core/fileutils.h"
#include "preview/exwallpage.h"

#include <QCursor>
#include <QDebug>
#include <QPainter>

namespace {

// The stack's signals that a wall page would pass on, by the page's own
// signal of the same meaning.
struct Relay {
    const char *stackSignal;
    const char *pageSignal;
};

const Relay kRelays[] = {
    {SIGNAL(signalSetMatixDiv(int, int, int, int)), SIGNAL(signalSetMatrixDiv(int, int, int, int))},
    {SIGNAL(signalSetMatrixNext(int, int, int)), SIGNAL(signalSetMatrixNext(int, int, int))},
    {SIGNAL(signalCleanScreen(QWidget *)), SIGNAL(signalCleanScreen(QWidget *))},
    {SIGNAL(signalCleanAllScreen(QWidget *)), SIGNAL(signalCleanAllScreen(QWidget *))},
    {SIGNAL(signalCallScene(int, int, int)), SIGNAL(signalCallScene(int, int, int))},
    {SIGNAL(signalDragSignalEnd(int, int, QRect, char *, int)), SIGNAL(signalDragSignalEnd(int, int, QRect, char *, int))},
    {SIGNAL(signalAudioChange(int, int, int, int)), SIGNAL(signalAudioChange(int, int, int, int))},
    {SIGNAL(signalAudioModeChange(int, int, int)), SIGNAL(signalAudioModeChange(int, int, int))},
};

const QColor kOutline(196, 199, 206, 255);

} // namespace

ExWallStackedWidget::ExWallStackedWidget(QWidget *parent)
    : QStackedWidget(parent)
{
    setObjectName(QStringLiteral("ExWallStackedWidget"));
}

ExWallStackedWidget::~ExWallStackedWidget()
{
    while (count() > 0) {
        QWidget *page = widget(0);
        for (const Relay &relay : kRelays)
            disconnect(this, relay.stackSignal, page, relay.pageSignal);
        disconnect(page, SIGNAL(signalGetAudioData(int, int, int, int, int)), this,
                   SLOT(slotOnGetAudioData(int, int, int, int, int)));
        disconnect(page, SIGNAL(signalGetAudioModeData(int, int, int)), this,
                   SLOT(slotOnGetAudioModeData(int, int, int)));
        removeWidget(page);
    }
}

void ExWallStackedWidget::setStyles(const QString &normalBkColor, const QString &pressBkColor,
                                    const QString &normalImage, const QString &pressImage)
{
    m_normalBkColor = normalBkColor;
    m_pressBkColor = pressBkColor;
    m_normalImage = normalImage;
    m_pressImage = pressImage;
    m_bkColor = normalBkColor;
    m_bkPixmap = normalImage.isEmpty() ? QPixmap() : QPixmap(loadablePicture(normalImage));
}

ExWallPage *ExWallStackedWidget::currentWall() const
{
    return qobject_cast<ExWallPage *>(currentWidget());
}

ExWallPage *ExWallStackedWidget::currentWall(int wallType, int wallId) const
{
    ExWallPage *wall = currentWall();
    if (wall && wall->wallType() == wallType && wall->wallId() == wallId)
        return wall;
    return nullptr;
}

void ExWallStackedWidget::slotOnCurrentChanged(int wallType, int wallID)
{
    for (int i = 0; i < count(); ++i) {
        auto *wall = qobject_cast<ExWallPage *>(widget(i));
        if (wall && wall->wallType() == wallType && wall->wallId() == wallID) {
            setCurrentIndex(i);
            return;
        }
    }
}

void ExWallStackedWidget::slotOnCleanScreen()
{
    if (ExWallPage *wall = currentWall())
        emit signalCleanScreen(wall);
}

void ExWallStackedWidget::slotOnCleanAllScreen()
{
    if (ExWallPage *wall = currentWall())
        emit signalCleanAllScreen(wall);
}

void ExWallStackedWidget::slotOnOpenAllFullScreen()
{
    if (ExWallPage *wall = currentWall())
        emit signalOpenAllScreen(wall);
}

void ExWallStackedWidget::slotOnSetMatixDiv(int row, int col)
{
    if (ExWallPage *wall = currentWall())
        emit signalSetMatixDiv(wall->wallType(), wall->wallId(), row, col);
}

void ExWallStackedWidget::slotOnSetMatrixNext(int next)
{
    if (ExWallPage *wall = currentWall())
        emit signalSetMatrixNext(wall->wallType(), wall->wallId(), next);
}

void ExWallStackedWidget::slotOnCallScene(int wall_type, int wall_id, int sceneID)
{
    if (currentWall(wall_type, wall_id))
        emit signalCallScene(wall_type, wall_id, sceneID);
}

void ExWallStackedWidget::slotOnStopPollScene(int wall_type, int wall_id)
{
    if (ExWallPage *wall = currentWall(wall_type, wall_id))
        emit wall->signalStopPollScenes(wall_type, wall_id);
}

void ExWallStackedWidget::slotOnDragSignalEnd(QRect rect, char *fillStream, int size)
{
    ExWallPage *wall = currentWall();
    if (!wall)
        return;
    const QPoint cursor = QCursor::pos();
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    if (origin.x() < cursor.x() && cursor.x() < origin.x() + wall->width() && origin.y() < cursor.y()
        && cursor.y() < origin.y() + wall->height())
        emit signalDragSignalEnd(wall->wallType(), wall->wallId(), rect, fillStream, size);
}

void ExWallStackedWidget::slotOnAudioChange(int a, int b)
{
    ExWallPage *wall = currentWall();
    if (!wall)
        return;
    qDebug() << "ExWallStackedWidget::slotOnAudioChange wall_type: " << wall->wallType() << " audioEvent: " << a
             << " value: " << b;
    emit signalAudioChange(wall->wallType(), wall->wallId(), a, b);
}

void ExWallStackedWidget::slotOnGetAudioData(int a, int b, int c, int d, int e)
{
    if (currentWall() && sender() == currentWall())
        emit signalGetAudioData(a, b, c, d, e);
}

void ExWallStackedWidget::slotOnAudioModeChange(int mode)
{
    if (ExWallPage *wall = currentWall())
        emit signalAudioModeChange(wall->wallType(), wall->wallId(), mode);
}

void ExWallStackedWidget::slotOnGetAudioModeData(int wall_type, int wall_id, int audioMode)
{
    if (currentWall() && sender() == currentWall())
        emit signalGetAudioModeData(wall_type, wall_id, audioMode);
}

void ExWallStackedWidget::paintEvent(QPaintEvent *event)
{
    QStackedWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_bkPixmap.isNull()) {
        painter.drawPixmap(rect(), m_bkPixmap);
    } else if (!m_bkColor.isEmpty()) {
        painter.setPen(Qt::transparent);
        painter.setBrush(QColor(m_bkColor));
        painter.drawRect(rect());
    }
    painter.setPen(QPen(kOutline, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect());
}
