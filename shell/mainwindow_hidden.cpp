// The main window's hidden commands: font and colour dialogs, the help page,
// the about window, the run dialog, the update page and the language switch.
#include "mainwindow.h"

#include "app/globalmanager.h"
#include "core/notifier.h"
#include "shell/infodlg.h"
#include "shell/qabout.h"
#include "shell/qruner.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFontDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

namespace {
const char kUpdateUrl[] = "https://www.example.com/brivane/update";
}

void MainWindow::fontSlot()
{
    bool ok = false;
    QFontDialog::getFont(&ok, QFont(QStringLiteral("Helvetica [Cronyx]"), 10), this, tr("字体"));
    if (!ok)
        Notifier::information(this, tr("提示"), tr("设置字体失败"));
}

void MainWindow::colorSlot()
{
    QColorDialog::getColor(Qt::white, this, tr("颜色"));
}

void MainWindow::infoSlot()
{
    InfoDlg dialog(this);
    dialog.exec();
}

void MainWindow::aboutSlot()
{
    // A window of its own that goes when it is closed.
    auto *about = new QAbout;
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    about->move(desktop.x() + (desktop.width() - about->width()) / 2,
                desktop.y() + (desktop.height() - about->height()) / 2);
    about->show();
}

void MainWindow::quitSlot()
{
    close();
}

void MainWindow::updateSlot()
{
    QDesktopServices::openUrl(QUrl(QLatin1String(kUpdateUrl)));
}

void MainWindow::runSlot()
{
    QRuner dialog(this);
    dialog.exec();
}

void MainWindow::slotLanguageZhCn()
{
    switchLanguage(0);
}

void MainWindow::slotLanguageZhTw()
{
    switchLanguage(1);
}

void MainWindow::slotLanguageEn()
{
    switchLanguage(2);
}

void MainWindow::switchLanguage(int language)
{
    m_manager->setLanguage(language);
    retranslateUi();
}
