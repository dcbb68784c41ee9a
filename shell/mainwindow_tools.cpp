// The main window's tool and device actions: command replacement, the device and
// script editors, events, the string tool.
#include "mainwindow.h"

#include "app/globalmanager.h"
#include "commands/codeeditordlg.h"
#include "commands/kivtoolstringassistant.h"
#include "commands/midctrldlg.h"
#include "commands/replacecmddlg.h"
#include "core/notifier.h"

#include <QEventLoop>

namespace {

// Runs a dialog beside the window: shown before exec(), so that it does not
// become modal and the window stays usable. A run that ends without the
// dialog closing (the program quits) still closes it, so that it saves.
void runBeside(QDialog &dialog)
{
    dialog.setModal(false);
    dialog.show();
    dialog.exec();
    if (dialog.isVisible())
        dialog.reject();
}

} // namespace

bool MainWindow::hasOpenProject()
{
    if (!m_manager->projectFile().isEmpty())
        return true;
    Notifier::information(this, tr("提示"), tr("请先打开或者创建工程"));
    return false;
}

void MainWindow::replaceIPSlot()
{
    ReplaceCmdDlg dialog;
    if (dialog.exec() == QDialog::Accepted)
        m_manager->slotReplaceArgsCmd(dialog.getReplaceArgs());
}

void MainWindow::slotMidCtrl()
{
    if (!hasOpenProject() || m_midCtrlOpen)
        return;
    m_midCtrlOpen = 1;
    {
        MidCtrlDlg dialog;
        runBeside(dialog);
    }
    m_midCtrlOpen = 0;
}

void MainWindow::slotFunction()
{
    if (!hasOpenProject() || m_scriptEditorOpen)
        return;
    m_scriptEditorOpen = 1;
    {
        CodeEditorDlg dialog;
        runBeside(dialog);
    }
    m_scriptEditorOpen = 0;
}

void MainWindow::slotEvent()
{
    // Events are kept in the project but not edited here yet.
    hasOpenProject();
}

void MainWindow::slotTrans()
{
    KivToolStringAssistant dialog;
    dialog.setModal(false);
    dialog.show();
    QEventLoop loop;
    connect(&dialog, SIGNAL(finished(int)), &loop, SLOT(quit()));
    loop.exec();
}
