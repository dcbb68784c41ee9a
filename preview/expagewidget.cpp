#include "expagewidget.h"

#include "core/fileutils.h"
#include "preview/expagebutton.h"
#include "preview/expoppagewidgetframe.h"
#include "preview/exqbutton.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QResizeEvent>

namespace {
// The dialog's first width; a tab only this wide is not laid out yet.
const int kLoadMinWidth = 840;
// Pop-ups are sized as if the page were shown on this screen.
const int kReferenceWidth = 1920;
const int kReferenceHeight = 1080;
const int kFeatureButtonId = 20;
} // namespace

ExPageWidget::ExPageWidget(int listMode, const QString &pageFile, QWidget *parent)
    : ExPageHost(PageHost, listMode, pageFile, parent)
{
    setObjectName(QStringLiteral("ExPageWidget"));
    qDebug() << "expagewidget" << geometry();
}

ExPageWidget::~ExPageWidget()
{
    qWarning() << "ExPageWidget::~ExPageWidget()" << m_pageFile;
    releaseElements();
}

ExPopPageWidgetFrame *ExPageWidget::popFrame() const
{
    return m_popFrame.data();
}

void ExPageWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The pop-up was sized for the page as it was, and the page reloads.
    slotOnPopPageWidgetFrameClose();
    qDebug() << "ExPageWidget::resizeEvent old:" << event->oldSize();
    qDebug() << "ExPageWidget::resizeEvent new:" << event->size() << " geomery:" << geometry()
             << " frameGeometry:" << frameGeometry();
    if (event->size().width() <= kLoadMinWidth)
        return;
    m_width = geometry().width();
    m_height = geometry().height();
    // A reload replaces the widgets of the previous one instead of piling
    // a second set on top of it.
    destoryElement();
    loadPageFile();
    m_wallID = 0;
    m_wallType = 1;
    emit signalWallChange(1, 0);
    emit signalGetSourceModeData(0);
    qDebug() << "ExPageWidget::reinit()" << geometry();
}

void ExPageWidget::hideEvent(QHideEvent *event)
{
    // Another tab, or the preview closing: the pop-up is a window of its own
    // and would stay on the screen.
    slotOnPopPageWidgetFrameClose();
    ExPageHost::hideEvent(event);
}

bool ExPageWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (m_popFrame && event->type() == QEvent::Move)
        m_popFrame->move(mapToGlobal(QPoint(0, 0)));
    // Escape in the preview closes the pop-up, not the preview under it.
    if (m_popFrame && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        slotOnPopPageWidgetFrameClose();
        return true;
    }
    return ExPageHost::eventFilter(watched, event);
}

void ExPageWidget::watchAncestors(bool watch)
{
    for (const QPointer<QWidget> &widget : qAsConst(m_watched)) {
        if (widget)
            widget->removeEventFilter(this);
    }
    m_watched.clear();
    if (!watch)
        return;
    for (QWidget *widget = this; widget; widget = widget->isWindow() ? nullptr : widget->parentWidget()) {
        widget->installEventFilter(this);
        m_watched.append(widget);
    }
}

void ExPageWidget::slotOnFeatureButtonClick()
{
    auto *button = qobject_cast<ExQButton *>(sender());
    if (button && button->groupId() >= 1)
        selectAmong(button, kFeatureButtonId, button->groupId());
}

void ExPageWidget::readPopPageSize(const QString &pageFile, int *width, int *height)
{
    QJsonArray controls;
    if (!QFileInfo::exists(pageFile) || !readPageControls(pageFile, &controls))
        return;
    const QJsonObject page = pageObjectOf(controls);
    const QJsonValue w = page.value(QLatin1String("w"));
    if (w.isDouble())
        *width = wholeNumber(w);
    const QJsonValue h = page.value(QLatin1String("h"));
    if (h.isDouble())
        *height = wholeNumber(h);
}

QSize ExPageWidget::popPageSize(const QSize &host, int designWidth, int designHeight)
{
    if (designWidth <= 0 || designHeight <= 0)
        return QSize();
    // The products overflow an int long before a page file's sizes do.
    const qint64 width = qint64(host.width()) * designWidth / kReferenceWidth;
    const qint64 height = qint64(host.height()) * designHeight / kReferenceHeight;
    if (width < 1 || height < 1)
        return QSize();
    return QSize(int(qMin<qint64>(width, QWIDGETSIZE_MAX)), int(qMin<qint64>(height, QWIDGETSIZE_MAX)));
}

QString ExPageWidget::popPageFile(const QString &gotoPage) const
{
    // Pages of a project are bare file names in its folder; a "goto" that
    // leads elsewhere opens nothing.
    if (m_basePath.isEmpty() || !isBareFileName(gotoPage))
        return QString();
    const QDir folder(m_basePath);
    if (!folder.exists())
        return QString();
    const QFileInfo target(folder.filePath(gotoPage));
    if (!target.isFile())
        return QString();
    return target.absoluteFilePath();
}

void ExPageWidget::slotOnPageButtonClick()
{
    auto *button = qobject_cast<ExPageButton *>(sender());
    if (!button || button->functionType() == 0)
        return;
    const QString target = popPageFile(button->gotoPage());
    if (target.isEmpty())
        return;
    int w = 0;
    int h = 0;
    readPopPageSize(target, &w, &h);
    const QSize size = popPageSize(QSize(m_width, m_height), w, h);
    if (size.isEmpty() || m_popBusy)
        return;
    m_popBusy = true;
    if (!m_popFrame) {
        m_popFrame = new ExPopPageWidgetFrame(this);
        m_popFrame->setFixedSize(m_width, m_height);
        // Over the page it belongs to, wherever the preview window is.
        m_popFrame->move(mapToGlobal(QPoint(0, 0)));
        m_popFrame->showPage(target, size.width(), size.height());
        m_popFrame->show();
        connect(m_popFrame, SIGNAL(signalExit()), this, SLOT(slotOnPopPageWidgetFrameClose()));
        watchAncestors(true);
    }
    m_popBusy = false;
}

void ExPageWidget::slotOnPopPageWidgetFrameClose()
{
    if (m_popClosing)
        return;
    m_popClosing = true;
    if (m_popFrame) {
        disconnect(m_popFrame, SIGNAL(signalExit()), this, SLOT(slotOnPopPageWidgetFrameClose()));
        m_popFrame->deleteLater();
        m_popFrame = nullptr;
        watchAncestors(false);
    }
    m_popClosing = false;
}
