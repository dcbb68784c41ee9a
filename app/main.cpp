#include "app/globalmanager.h"
#include "app/initdlg.h"
#include "commands/scriptrunnerchild.h"
#include "core/iniutils.h"
#include "core/screenscale.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QScreen>

int main(int argc, char *argv[])
{
    // The feedback test runs each script call in a child of this program.
    if (ScriptRunnerChild::isRunnerMode(argc, argv))
        return ScriptRunnerChild::exec(argc, argv);

    QApplication app(argc, argv);

    if (!QFile::exists(QStringLiteral("brivane_config.ini")))
        writeIniValue(QStringLiteral("brivane_config.ini"), QStringLiteral("/log/on"), 1);
    readIniInt(QStringLiteral("brivane_config.ini"), QStringLiteral("/log/on"));

    GlobalManager *manager = GlobalManager::instance();
    manager->loadFonts();
    manager->loadStyleSheet();

    QScreen *primary = QGuiApplication::primaryScreen();
    const double dpi = primary->logicalDotsPerInch();
    qDebug() << "dpi: " << dpi;
    const QRect available = primary->availableGeometry();
    const ScreenScales scales = computeScreenScales(available.width(), available.height());
    manager->setScreenMetrics(dpi, scales.fit, scales.wide);

    setScreenScaleFactors();

    InitDlg startDialog;
    if (startDialog.exec() != QDialog::Accepted)
        return 0;

    int result = 0;
    {
        MainWindow window;
        window.move(primary->geometry().topLeft());
        window.showMaximized();
        result = app.exec();
    }
    return result;
}
