// The main window's tool and device actions: command replacement, the device and
// script editors, events, the string tool.
#include "mainwindow.h"

#include "app/globalmanager.h"
#include "commands/codeeditordlg.h"
#include "commands/kivtoolstringassistant.h"
#include "commands/midctrldlg.h"
#include "commands/replacecmddlg.h"
#include "core/notifier.h"

bool MainWindow::hasOpenProject()
{
    if (!m_manager->projectFile().isEmpty())
        return true;
    Notifier::information(this, tr("提示"), tr("请先打开或者创建工程"));
    return false;
}

bool MainWindow::raiseTool(QDialog *tool)
{
    // A closed one only waits to be deleted.
    if (!tool || !tool->isVisible())
        return false;
    tool->setWindowState(tool->windowState() & ~Qt::WindowMinimized);
    tool->show();
    tool->raise();
    tool->activateWindow();
    return true;
}

// Shown beside the window, not modal and without a loop of its own, so that
// the tools and the window stay usable in any order.
void MainWindow::showTool(QPointer<QDialog> &slot, QDialog *tool)
{
    slot = tool;
    connect(tool, SIGNAL(finished(int)), tool, SLOT(deleteLater()));
    tool->setModal(false);
    tool->show();
}

bool MainWindow::closeTools()
{
    const QList<QDialog *> tools{m_midCtrlDlg, m_scriptEditor, m_stringTool};
    for (QDialog *tool : tools) {
        if (tool && tool->isVisible())
            tool->reject();
    }
    for (QDialog *tool : tools) {
        if (tool && tool->isVisible())
            return false;
    }
    return true;
}

void MainWindow::replaceIPSlot()
{
    ReplaceCmdDlg dialog;
    if (dialog.exec() == QDialog::Accepted)
        m_manager->slotReplaceArgsCmd(dialog.getReplaceArgs());
}

void MainWindow::slotMidCtrl()
{
    if (!hasOpenProject() || raiseTool(m_midCtrlDlg))
        return;
    auto *dialog = new MidCtrlDlg;
    // A device file that was not read whole is never written over.
    const QString readOnlyReason = m_manager->midCtrlsReadOnlyReason();
    if (!readOnlyReason.isEmpty()) {
        dialog->setEditDisabled(true);
        Notifier::information(this, tr("提示"), readOnlyReason);
    }
    showTool(m_midCtrlDlg, dialog);
}

void MainWindow::slotFunction()
{
    if (!hasOpenProject() || raiseTool(m_scriptEditor))
        return;
    showTool(m_scriptEditor, new CodeEditorDlg);
}

void MainWindow::slotEvent()
{
    // Events are kept in the project but not edited here yet.
    hasOpenProject();
}

void MainWindow::slotTrans()
{
    if (!raiseTool(m_stringTool))
        showTool(m_stringTool, new KivToolStringAssistant);
}
