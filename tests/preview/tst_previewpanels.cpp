// Mouse events go through the window system path, so a held button gives the
// slider the implicit grab exactly as a user's drag does.
#define QTEST_QPA_MOUSE_HANDLING

#include "preview/exaudiomatrixwidget.h"
#include "preview/exloginwidget.h"
#include "preview/expagewidget.h"
#include "preview/expoppagewidget.h"
#include "preview/explacelistitemwidget.h"
#include "preview/explacewidget.h"
#include "preview/exqbutton.h"
#include "preview/exqlabel.h"
#include "preview/exsliderkinds.h"
#include "preview/extablecornerwidget.h"
#include "preview/exwallstackedwidget.h"
#include "tests/canvas/pagefixture.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>

using namespace pagefixture;

Q_DECLARE_METATYPE(Qt::MouseButton)

class TestPreviewPanels : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_workDir.isValid()); }
    void cleanup() { GlobalManager::resetInstance(); }

    void sliderGeometryAndMouse_data();
    void sliderGeometryAndMouse();
    void cornerCaptionsOfWorkedExample();
    void placeTiles_data();
    void placeTiles();
    void reloadsLeaveOneLabelPerSlider();
    void loginTitleAndTags_data();
    void loginTitleAndTags();
    void matrixCrosspointsAndPorts();
    void pageOfPanelsSitsWhereDesigned();

private:
    TestWorkDir m_workDir;
};

void TestPreviewPanels::sliderGeometryAndMouse_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<int>>("range");     // minimum, maximum, starting value
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QList<QPoint>>("path");   // press, moves; released at the last point
    QTest::addColumn<int>("value");
    QTest::addColumn<QRect>("thumb");
    QTest::addColumn<int>("emitted");

    const QSize wide(220, 20);
    const QSize tall(20, 220);
    const QList<int> half{0, 100, 50};
    QTest::newRow("press 30 right jumps") << 0 << wide << half << Qt::LeftButton << QList<QPoint>{{140, 10}}
                                          << 65 << QRect(130, 0, 20, 20) << 1;
    QTest::newRow("drag keeps the grab offset") << 0 << wide << half << Qt::LeftButton
                                                << QList<QPoint>{{114, 10}, {134, 10}} << 60 << QRect(120, 0, 20, 20)
                                                << 1;
    QTest::newRow("drag stops at the maximum") << 0 << wide << half << Qt::LeftButton
                                               << QList<QPoint>{{110, 10}, {300, 10}, {420, 10}} << 100
                                               << QRect(200, 0, 20, 20) << 1;
    QTest::newRow("right button does nothing") << 0 << wide << half << Qt::RightButton
                                               << QList<QPoint>{{140, 10}, {200, 10}} << 50 << QRect(100, 0, 20, 20)
                                               << 0;
    QTest::newRow("top to bottom jumps") << 1 << tall << half << Qt::LeftButton << QList<QPoint>{{10, 40}} << 15
                                         << QRect(0, 30, 20, 20) << 1;
    QTest::newRow("bottom to top drag to the end")
        << 3 << tall << half << Qt::LeftButton << QList<QPoint>{{10, 110}, {10, 300}} << 0 << QRect(0, 200, 20, 20)
        << 1;
    QTest::newRow("empty range: thumb at the start, value the minimum")
        << 0 << wide << QList<int>{30, 30, 30} << Qt::LeftButton << QList<QPoint>{{150, 10}, {190, 10}} << 30
        << QRect(0, 0, 20, 20) << 0;
    QTest::newRow("no travel: thumb at the start")
        << 0 << QSize(20, 20) << half << Qt::LeftButton << QList<QPoint>{{15, 10}, {19, 10}} << 50
        << QRect(0, 0, 20, 20) << 0;
    QTest::newRow("thumb longer than the groove: as no travel")
        << 0 << QSize(10, 20) << half << Qt::LeftButton << QList<QPoint>{{5, 10}, {9, 10}} << 50
        << QRect(0, 0, 20, 20) << 0;
}

void TestPreviewPanels::sliderGeometryAndMouse()
{
    QFETCH(int, direction);
    QFETCH(QSize, size);
    QFETCH(QList<int>, range);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QList<QPoint>, path);
    QFETCH(int, value);
    QFETCH(QRect, thumb);
    QFETCH(int, emitted);

    QWidget window;
    window.resize(500, 500);
    auto *slider = new ExAudioVolume(&window);
    slider->setGeometry(60, 60, size.width(), size.height());
    slider->setDirection(direction);
    slider->setThumbSize(20, 20);
    slider->setThumbPressSize(20, 20);
    slider->setRange(range.at(0), range.at(1));
    slider->slotSetVal(range.at(2));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy changes(slider, SIGNAL(valueChanged(int)));

    for (int i = 0; i < path.size(); ++i) {
        if (i == 0) {
            QTest::mouseMove(slider, path.at(0));
            QTest::mousePress(slider, button, Qt::NoModifier, path.at(0));
        } else {
            QTest::mouseMove(slider, path.at(i));
        }
    }
    // The number shows beside the thumb while the mouse changes the value.
    QCOMPARE(slider->valueLabel()->isVisible(), emitted > 0);
    if (emitted > 0)
        QCOMPARE(slider->valueLabel()->text(), QString::number(value));
    if (!path.isEmpty())
        QTest::mouseRelease(slider, button, Qt::NoModifier, path.last());

    QCOMPARE(slider->value(), value);
    QCOMPARE(slider->thumbRect(), thumb);
    QCOMPARE(changes.size(), emitted);
    QVERIFY(!slider->valueLabel()->isVisible());
    // Moving it from the host is silent and clamped.
    slider->slotSetVal(range.at(1) + 50);
    QCOMPARE(slider->value(), range.at(1));
    QCOMPARE(changes.size(), emitted);
    QVERIFY(!slider->valueLabel()->isVisible());
}

void TestPreviewPanels::cornerCaptionsOfWorkedExample()
{
    QRect input;
    QRect output;
    ExTableCornerWidget::captionRects(QSize(120, 80), 28, 16, &input, &output);
    QCOMPARE(input, QRect(16, 48, 60, 40));
    QCOMPARE(output, QRect(97, 28, 60, 40));
}

void TestPreviewPanels::placeTiles_data()
{
    QTest::addColumn<int>("rowcol");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::newRow("0: one row of three") << 0 << 1 << 3;
    QTest::newRow("1: two by two") << 1 << 2 << 2;
    QTest::newRow("other: one row of three, not millions") << 70000 << 1 << 3;
}

void TestPreviewPanels::placeTiles()
{
    QFETCH(int, rowcol);
    QFETCH(int, rows);
    QFETCH(int, columns);

    QVERIFY(writeColourPicture(m_workDir.filePath(QStringLiteral("room4.png")), Qt::blue));
    QJsonObject place = control(QStringLiteral("PlaceWidget"), QStringLiteral("place"), 0, 0, 960, 540);
    place.insert(QStringLiteral("rowcol"), rowcol);
    place.insert(QStringLiteral("room_4"), QStringLiteral("D:\\rooms\\room4.png"));
    const QString path = m_workDir.filePath(QStringLiteral("place.json"));
    QVERIFY(writePage(path, {pageObject(1920, 1080), place}));
    ExPageWidget host(1, path);
    host.resize(1920, 1080);
    host.show();

    QCOMPARE(host.elements().size(), 1);
    auto *widget = qobject_cast<ExPlaceWidget *>(host.elements().first().widget);
    QVERIFY(widget);
    QCOMPARE(widget->rows(), rows);
    QCOMPARE(widget->columns(), columns);
    const QVector<ExPlaceListItemWidget *> tiles = widget->tiles();
    QCOMPARE(tiles.size(), rows * columns);
    for (int i = 0; i < tiles.size(); ++i) {
        QCOMPARE(tiles.at(i)->nameLabel()->text(), QStringLiteral("场所-%1").arg(i));
        QCOMPARE(tiles.at(i)->width(), 400);
        // The fourth tile shows "room_4", found by its bare name in the page's folder.
        QCOMPARE(tiles.at(i)->pictureLabel()->look().imagePath().isEmpty(), i != 3);
    }
    // Half the design width: buttons 125 x 0.5.
    QCOMPARE(widget->prevButton()->width(), 62);
}

void TestPreviewPanels::reloadsLeaveOneLabelPerSlider()
{
    const QString path = m_workDir.filePath(QStringLiteral("sliders.json"));
    QVERIFY(writePage(path, {pageObject(1920, 1080), control("CmdProgress", "a", 0, 0, 220, 30),
                             control("AudioVolumeWidget", "b", 0, 50, 220, 30),
                             control("VideoProgress", "c", 0, 100, 220, 30)}));
    ExPageWidget host(1, path);
    host.show();
    for (int width : {1000, 1100, 1200}) {
        host.resize(width, 600);
        flushDeletes();
    }
    QCOMPARE(host.loadCount(), 3);
    QCOMPARE(host.findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly).size(), 3);
}

void TestPreviewPanels::loginTitleAndTags_data()
{
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<int>("band");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("tagWidth");
    QTest::addColumn<QString>("userTag");
    QTest::newRow("record without login keys") << QByteArray("{}") << 60 << false << 80 << "用户名";
    QTest::newRow("bold 2 is not bold, tags hidden")
        << QByteArray(R"({"titleVisible": 1, "titleBold": 2, "tagVisible": 0, "loginTitle": "T"})") << 100 << false << 70 << "";
}

void TestPreviewPanels::loginTitleAndTags()
{
    QFETCH(QByteArray, keys);
    QFETCH(int, band);
    QFETCH(bool, bold);
    QFETCH(int, tagWidth);
    QFETCH(QString, userTag);

    QJsonObject login = control(QStringLiteral("LoginWidget"), QStringLiteral("login"), 0, 0, 600, 500);
    const QJsonObject extra = jsonFixture(keys);
    for (auto it = extra.begin(); it != extra.end(); ++it)
        login.insert(it.key(), it.value());
    const QString path = m_workDir.filePath(QStringLiteral("login.json"));
    QVERIFY(writePage(path, {pageObject(1920, 1080), login}));
    ExPageWidget host(1, path);
    host.resize(1920, 1080);
    host.show();
    auto *form = qobject_cast<ExLoginWidget *>(host.elements().first().widget);
    QVERIFY(form);
    QCOMPARE(form->titleLabel()->height(), band);
    QCOMPARE(form->titleLabel()->font().bold(), bold);
    QCOMPARE(form->titleLabel()->text().isEmpty(), band == 60);
    QCOMPARE(form->userLabel()->width(), tagWidth);
    QCOMPARE(form->userLabel()->text(), userTag);
}

void TestPreviewPanels::matrixCrosspointsAndPorts()
{
    ExAudioMatrixWidget matrix;
    matrix.resize(700, 600);
    matrix.setHeaderStyle(12, QString(), QString(), QStringLiteral("#FF112233"));
    matrix.show();
    QVERIFY(QTest::qWaitForWindowExposed(&matrix));
    QCOMPARE(matrix.crosspoints().size(), 25);
    ExQButton *first = matrix.crosspoints().at(0);
    ExQButton *other = matrix.crosspoints().at(7);
    QTest::mouseClick(first, Qt::LeftButton);
    QTest::mouseClick(other, Qt::LeftButton);
    QTest::mouseClick(other, Qt::LeftButton);
    QVERIFY(first->isSelected());
    QVERIFY(!other->isSelected());

    QWidget *output2 = matrix.table()->cellWidget(0, 2);
    QWidget *input1 = matrix.table()->cellWidget(1, 0);
    QCOMPARE(output2->findChild<QLabel *>()->text(), QStringLiteral("音频输出2"));
    QCOMPARE(input1->findChild<QLabel *>()->text(), QStringLiteral("音频输入1"));
    const QList<QRadioButton *> ports = output2->findChildren<QRadioButton *>();
    const QList<QRadioButton *> otherPorts = input1->findChildren<QRadioButton *>();
    QCOMPARE(ports.size(), 3);
    QTest::mouseClick(otherPorts.at(0), Qt::LeftButton);
    QTest::mouseClick(ports.at(0), Qt::LeftButton);
    QTest::mouseClick(ports.at(1), Qt::LeftButton);
    QVERIFY(!ports.at(0)->isChecked() && ports.at(1)->isChecked());
    QVERIFY(otherPorts.at(0)->isChecked());
}

void TestPreviewPanels::pageOfPanelsSitsWhereDesigned()
{
    GlobalManager::instance()->setScreenMetrics(96, 1.0, 1.0);
    QVERIFY(writeColourPicture(m_workDir.filePath(QStringLiteral("groove.png")), QColor(90, 90, 90)));
    QVERIFY(writeColourPicture(m_workDir.filePath(QStringLiteral("fill.png")), QColor(40, 160, 240)));
    QVERIFY(writeColourPicture(m_workDir.filePath(QStringLiteral("thumb.png")), QColor(250, 250, 250)));
    QVERIFY(writeColourPicture(m_workDir.filePath(QStringLiteral("room.png")), QColor(30, 120, 60)));
    const QJsonObject sliderKeys{{"normal_groove_pic", "C:/art/groove.png"}, {"active_groove_pic", "fill.png"},
                                 {"normal_thumb_pic", "thumb.png"}, {"active_thumb_pic", "thumb.png"},
                                 {"thumb_w", 24}, {"thumb_h", 24}, {"groove_margin_top", 8},
                                 {"groove_margin_bottom", 8}};
    QJsonArray controls{pageObject(1920, 1080)};
    auto add = [&controls](const QString &kind, const QRect &r, const QJsonObject &extra) {
        QJsonObject object = control(kind, kind + QStringLiteral("_0"), r.x(), r.y(), r.width(), r.height());
        for (auto it = extra.begin(); it != extra.end(); ++it)
            object.insert(it.key(), it.value());
        controls.append(object);
    };
    add("CmdProgress", {60, 60, 300, 40}, sliderKeys);
    add("AudioVolumeWidget", {60, 140, 300, 40}, sliderKeys);
    QJsonObject upward = sliderKeys;
    upward.insert("direction", 3);
    upward.insert("groove_margin_top", 0);
    upward.insert("groove_margin_bottom", 0);
    upward.insert("groove_margin_left", 8);
    upward.insert("groove_margin_right", 8);
    add("VideoProgress", {400, 60, 40, 300}, upward);
    add("AudioVumeterBar", {60, 240, 300, 30}, {{"pressColor", "#ff20c040"}, {"pressBkColor", "#ff303030"},
                                                {"normalBkColor", "#ffc0c0c0"}, {"border", 2}, {"numMax", 50}});
    add("VirWall", {500, 60, 400, 225}, {{"normalBkColor", "#ff204060"}});
    add("Matrix", {940, 60, 400, 225}, {{"normalBkColor", "#ff604020"}});
    add("AudioMatrixWidget", {60, 400, 700, 620}, {{"btn_text", "ON"}, {"btn_text_color", "#ff303030"},
                                                   {"corner_text_color", "#ff000000"}, {"item_normalColor", "#ff2060a0"}});
    add("LoginWidget", {1380, 60, 480, 420}, {{"winBgColor", "#ff3060c0"}, {"bgOpacity", 200},
                                              {"titleVisible", 1}, {"loginTitle", "Welcome"}, {"titleBold", 1},
                                              {"borderRadius", 12}, {"tagFontColor", "#ffffffff"}});
    add("PlaceWidget", {780, 500, 1120, 560}, {{"room_1", "room.png"}, {"room_3", "room.png"}, {"rowcol", 1}});
    const QString path = m_workDir.filePath(QStringLiteral("panels.json"));
    QVERIFY(writePage(path, controls));

    UIPage design;
    QCOMPARE(design.openPage(info(m_workDir.path(), QStringLiteral("panels"))), UIPage::LoadOk);
    design.setEditScale(QStringLiteral("editScale"), 1.0, true);
    QVERIFY(saveGrabIfAsked(design.grab().toImage(), QStringLiteral("panels_design.png")));

    ExPageWidget host(1, path);
    host.resize(1920, 1080);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCOMPARE(host.elements().size(), controls.size() - 1);
    QCOMPARE(host.connectFailures(), 0);
    for (const CtrlElement &element : host.elements()) {
        const QString kind = element.name.section(QLatin1Char('_'), 0, 0);
        const UIBase *original = design.findControl(designControlTypeId(kind), element.name);
        QVERIFY2(original, qPrintable(element.name));
        QCOMPARE(element.widget->geometry(), original->geometry());
    }

    // The thumb picture follows the value, the filled groove reaches it.
    auto *volume = qobject_cast<ExAudioVolume *>(host.elements().at(1).widget);
    QVERIFY(volume);
    volume->slotSetVal(50);
    const QImage previewed = host.grab().toImage();
    QVERIFY(saveGrabIfAsked(previewed, QStringLiteral("panels_runtime.png")));
    const QRect thumb = volume->thumbRect().translated(volume->pos());
    QCOMPARE(previewed.pixelColor(thumb.center()), QColor(250, 250, 250));
    QCOMPARE(previewed.pixelColor(thumb.left() - 10, thumb.center().y()), QColor(40, 160, 240));
    // The wall stacks: their colour inside the grey outline.
    QCOMPARE(previewed.pixelColor(700, 170), QColor(0x20, 0x40, 0x60));

    // A pop-up builds only the volume and video sliders; they follow the host's volume, silently.
    ExPopPageWidget popup;
    popup.init(path, 1920, 1080);
    QCOMPARE(popup.connectFailures(), 0);
    QStringList built;
    for (const CtrlElement &element : popup.elements())
        built << element.name;
    QCOMPARE(built, QStringList({"AudioVolumeWidget_0", "VideoProgress_0"}));
    auto *slider = qobject_cast<ExAudioVolume *>(popup.elements().first().widget);
    QSignalSpy changes(slider, SIGNAL(valueChanged(int)));
    emit popup.signalGetAudioVolumeData(30);
    QCOMPARE(slider->value(), 30);
    QVERIFY(changes.isEmpty());
}

QTEST_MAIN(TestPreviewPanels)
#include "tst_previewpanels.moc"
