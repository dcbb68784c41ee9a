#include "globalmanager.h"

#include "canvas/pageshared.h"
#include "canvas/uipage.h"
#include "core/notifier.h"
#include "properties/propertywidget.h"

#include <QDebug>
#include <QJsonValue>
#include <QTabWidget>

UIPage *GlobalManager::indexedPage() const
{
    // Guard I: the manager follows a current tab, then guard T.
    return m_currentIndex >= 0 ? currentPage() : nullptr;
}

UIPage *GlobalManager::pageForCommand()
{
    // A command may refill the rows of the control on view: what was typed
    // there and not yet committed becomes a step of its own first.
    commitPanelTyping();
    return currentPage();
}

void GlobalManager::setClipboard(QWidget *sourcePage, const QVector<QPointer<QWidget>> &controls)
{
    PageShared::instance().setClipboard(sourcePage, controls);
}

QVector<QPointer<QWidget>> GlobalManager::clipboard() const
{
    return PageShared::instance().clipboard();
}

QWidget *GlobalManager::clipSourcePage() const
{
    return PageShared::instance().clipSourcePage();
}

QJsonObject GlobalManager::cmdClipboard() const
{
    return PageShared::instance().cmdClipboard();
}

void GlobalManager::setCmdClipboard(const QJsonObject &attributes)
{
    PageShared::instance().setCmdClipboard(attributes);
}

void GlobalManager::alignControls(int mode)
{
    if (UIPage *page = pageForCommand())
        page->alignControls(mode);
}

void GlobalManager::addControlAtCursor(QRect rect)
{
    if (UIPage *page = currentPage())
        page->addControlAtCursor(rect);
}

void GlobalManager::raiseControl(bool toTop)
{
    if (UIPage *page = pageForCommand())
        page->raiseControl(toTop);
}

void GlobalManager::deleteControl(int nClass, QString name, int type, quint64 id)
{
    if (UIPage *page = indexedPage())
        page->slotDeleteControl(nClass, name, type, page, id);
}

void GlobalManager::selectControl(int nClass, QString name, quint64 id)
{
    if (UIPage *page = indexedPage())
        page->slotSelectControl(nClass, name, page, id);
}

void GlobalManager::commitPanelTyping()
{
    if (m_propertyWidget)
        m_propertyWidget->commitPendingEdit();
}

// The undo takes back exactly the typing that pageForCommand() commits.
void GlobalManager::slotUndo()
{
    if (UIPage *page = pageForCommand())
        page->undo();
}

void GlobalManager::slotRedo()
{
    if (UIPage *page = pageForCommand())
        page->redo();
}

void GlobalManager::slotCopy()
{
    if (UIPage *page = pageForCommand())
        page->copyControl();
}

void GlobalManager::slotPaste()
{
    if (UIPage *page = pageForCommand())
        page->pasteControl();
}

void GlobalManager::slotFormatPainter()
{
    if (UIPage *page = pageForCommand())
        page->setFormatPainter();
}

void GlobalManager::slotSelfLock()
{
    if (UIPage *page = pageForCommand())
        page->selfLock();
}

void GlobalManager::slotAllLock()
{
    if (UIPage *page = pageForCommand())
        page->allLock();
}

void GlobalManager::slotUnlock()
{
    if (UIPage *page = pageForCommand())
        page->unlock();
}

void GlobalManager::slotCopyCmd()
{
    if (UIPage *page = pageForCommand())
        page->copyCmd();
}

void GlobalManager::slotPasteCmd()
{
    if (UIPage *page = pageForCommand())
        page->pasteCmd();
}

void GlobalManager::slotReplaceArgsCmd(CMD_BTN_ARGS args)
{
    if (UIPage *page = pageForCommand())
        page->replaceArgsCmd(args);
}

void GlobalManager::slotSetScaleData(int percent)
{
    if (UIPage *page = currentPage())
        page->setEditScale(QStringLiteral("editScale"), QJsonValue(percent / 100.0), true);
}

void GlobalManager::markPageClosed(const QString &name)
{
    for (PageInfo &page : m_pages) {
        if (page.name == name) {
            page.opened = 0;
            return;
        }
    }
}

void GlobalManager::slotPageClose(int index)
{
    if (!m_tabWidget || index < 0 || index >= m_tabWidget->count())
        return;
    auto *page = qobject_cast<UIPage *>(pageWidgetAt(index));
    // Typed into a row of the closing page: part of what the question saves.
    commitPanelTyping();
    if (page && page->isModified()) {
        const QMessageBox::StandardButton answer = Notifier::warningQuestion(
            nullptr, tr("提示"), tr("检测到配置已修改，是否保存修改在关闭?"),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::NoButton);
        if (answer == QMessageBox::Cancel)
            return;
        if (answer == QMessageBox::Yes) {
            page->slotSaveFile();
            // A save that failed has told the user; the page stays open so
            // that its changes are not lost.
            if (page->isModified())
                return;
        }
    }
    hideProperty();
    m_propertyControl = nullptr;
    // No pointer to the closing page's controls may outlive it.
    PageShared::instance().forgetPage(page);
    removeTabAt(index);
    if (page)
        markPageClosed(page->pageInfo().name);
    showFrontPageProperties();
}
