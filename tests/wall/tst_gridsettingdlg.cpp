#include "wall/gridsettingdlg.h"
#include "wall/screen.h"
#include "wall/unitwindow.h"
#include "../testsupport.h"

#include <QComboBox>
#include <QJsonArray>
#include <QLineEdit>
#include <QtTest>

namespace {
// A left-button drag of a window, by points of the screen it lies on.
void dragWindow(UnitWindow *window, const QPoint &from, const QPoint &to)
{
    QWidget *screen = window->parentWidget();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease}) {
        const QPoint at = type == QEvent::MouseButtonPress ? from : to;
        QMouseEvent event(type, window->mapFrom(screen, at), screen->mapToGlobal(at),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &event);
    }
}
} // namespace

class TestGridSettingDlg : public QObject
{
    Q_OBJECT

private slots:
    void showsChoicesNumbersAndCompleteCells();
    void windowsScaleFromTheWallAndStayInsideTheScreen();
};

void TestGridSettingDlg::showsChoicesNumbersAndCompleteCells()
{
    GridSettingDlg dialog;
    dialog.setData(jsonFixture(R"({"standard": 0, "walltype": 0, "gridmode": 1, "row": 3, "col": "4",
        "tw": 3840, "th": 2160, "note": "kept",
        "rect": [{"x": 0, "y": 0, "w": 960, "h": 540, "extra": 1}, {"x": 960, "y": 0, "w": 960},
                 {"x": "0", "y": 0, "w": 1, "h": 1}, 7, {"x": 2147483000, "y": 0, "w": 2147483000, "h": 100}]})"),
                   1, 1);
    QStringList shown;
    for (const char *name : {"comboBox", "comboBox_2", "comboBox_3"})
        shown << dialog.findChild<QComboBox *>(name)->currentText();
    for (const char *name : {"lineEdit", "lineEdit_2", "lineEdit_3", "lineEdit_4"})
        shown << dialog.findChild<QLineEdit *>(name)->text();
    QCOMPARE(shown, QStringList({"非标", "整屏", "屏组", "3", "0", "3840", "2160"}));
    QCOMPARE(dialog.screen()->windows().size(), 2);
    // A cell whose right edge lies past the int range shows what of it is on the wall: nothing.
    QCOMPARE(dialog.screen()->windows().at(1)->windowRect(), QRect(1920, 0, 0, 100));
    QCOMPARE(dialog.data().value("rect").toArray(),
             QJsonArray({QJsonObject{{"x", 0}, {"y", 0}, {"w", 960}, {"h", 540}},
                         QJsonObject{{"x", 2147483000}, {"y", 0}, {"w", 2147483000}, {"h", 100}}}));
    QCOMPARE(dialog.data().value("note").toString(), QStringLiteral("kept"));
    dialog.show();
    QVERIFY(saveGrabIfAsked(dialog.grab().toImage(), "wall_viewer.png"));
}

void TestGridSettingDlg::windowsScaleFromTheWallAndStayInsideTheScreen()
{
    Screen screen;
    screen.resize(400, 225);
    screen.show();
    screen.setWindowRects({QRect(0, 0, 99999999, 1080)});
    QCOMPARE(screen.windows().at(0)->windowRect(), QRect(0, 0, 20833333, 225));
    screen.setWindowRects({QRect(0, 0, 960, 540)});
    QCOMPARE(screen.windows().size(), 1);
    UnitWindow *window = screen.windows().at(0);
    QCOMPARE(window->windowRect(), QRect(0, 0, 200, 112));

    dragWindow(window, QPoint(100, 50), QPoint(900, -80));          // the middle moves it
    QCOMPARE(window->geometry(), QRect(200, 0, 200, 112));
    QVERIFY(window->isSelected());
    dragWindow(window, QPoint(201, 50), QPoint(395, 50));           // the left edge stops short
    QCOMPARE(window->geometry(), QRect(400 - UnitWindow::kMinWidth, 0, UnitWindow::kMinWidth, 112));
    dragWindow(window, QPoint(390, 111), QPoint(500, 300));         // the bottom edge stops at the screen
    QCOMPARE(window->geometry().bottom(), 224);
}

QTEST_MAIN(TestGridSettingDlg)
#include "tst_gridsettingdlg.moc"
