#include "savequestion.h"

#include "app/globalmanager.h"
#include "canvas/uipage.h"
#include "core/notifier.h"

#include <QCoreApplication>

namespace savequestion {

bool askToSave(QWidget *parent, const QList<UIPage *> &pages)
{
    // Typing left in a property row is an edit of its page like any other.
    GlobalManager::instance()->commitPanelTyping();
    QList<UIPage *> modified;
    for (UIPage *page : pages) {
        if (page && page->isModified())
            modified.append(page);
    }
    if (modified.isEmpty())
        return true;
    const QMessageBox::StandardButton answer = Notifier::question(
        parent, QCoreApplication::translate("MainWindow", "提示"),
        QCoreApplication::translate("MainWindow", "是否保存?"),
        QMessageBox::Save | QMessageBox::No | QMessageBox::Cancel, QMessageBox::NoButton);
    if (answer == QMessageBox::No)
        return true;
    if (answer != QMessageBox::Save)
        return false;
    bool saved = true;
    for (UIPage *page : modified) {
        page->slotSaveFile();
        saved = !page->isModified() && saved;
    }
    return saved;
}

} // namespace savequestion
