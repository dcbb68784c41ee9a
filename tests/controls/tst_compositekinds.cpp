#include "controls/baseitem.h"
#include "controls/compositecontrols.h"
#include "controls/plaincontrols.h"
#include "controls/uiaudiomatrixwidget.h"
#include "controls/uicmdstatusbutton.h"
#include "controls/uilistwidgetbase.h"
#include "controls/uiloginwidget.h"
#include "controls/uimeetingbutton.h"
#include "controls/uiplacewidget.h"
#include "controls/uiprelayoutswitchbutton.h"
#include "controls/uisearchwidget.h"
#include "controls/uitablecornerwidget.h"
#include "app/globalmanager.h"
#include "tests/testsupport.h"

#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

// Lays the control's children out as a shown control would be.
void settle(QWidget *control)
{
    if (control->layout())
        control->layout()->activate();
    QCoreApplication::processEvents();
}

QStringList texts(const QList<BaseItem *> &cells)
{
    QStringList list;
    for (const BaseItem *cell : cells)
        list.append(cell->text());
    return list;
}

int countNear(const QImage &image, const QColor &colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - colour.red()) < 40 && qAbs(c.green() - colour.green()) < 40
                && qAbs(c.blue() - colour.blue()) < 40 && c.alpha() > 200)
                ++count;
        }
    }
    return count;
}

} // namespace

class TestCompositeKinds : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Audio matrix
    void newMatrixShowsCornerHeadersAndButtons();
    void matrixButtonTextEditReachesAllButtons();
    void matrixTitleSizeSetsHeaderCaptions_data();
    void matrixTitleSizeSetsHeaderCaptions();
    void matrixOnlyTheCornerFollowsTheZoom();
    void cornerCaptionsStayInsideTheCorner();

    // Lists
    void listCellCountFollowsShowItemNum_data();
    void listCellCountFollowsShowItemNum();
    void hugeShowItemNumIsStoredButOnlyFittingCellsAreBuilt();
    void hugeListOnAHugePageBuildsBoundedCells();
    void cappedListGrowsWhenWidened();
    void listCellsAreNumberedPerKind_data();
    void listCellsAreNumberedPerKind();
    void listRowTurnsIntoColumnInTheSameOrder();
    void listStyleFunctionsKeepOnlyTheirPrefix();
    void itemColourRecoloursPlayListCellsAtOnce();
    void sceneCaptionsTakeItemColours();
    void pressOnAChildSelectsTheControl_data();
    void pressOnAChildSelectsTheControl();

    // Search box
    void searchButtonWidthFollowsBtnW_data();
    void searchButtonWidthFollowsBtnW();
    void searchButtonSideFollowsLayoutDirection();
    void searchWithUnknownSideHasNoCellsAndIgnoresEdits();

    // Login form, meeting button, place widget
    void loginFormShowsCaptionsUntilTagVisibleZero();
    void loginTitleAppearsWithDefaultText_data();
    void loginTitleAppearsWithDefaultText();
    void loginBackgroundFromColourAndOpacity_data();
    void loginBackgroundFromColourAndOpacity();
    void meetingKeysAreNormalised();
    void placeGridFollowsRowcol_data();
    void placeGridFollowsRowcol();
    void placeUnknownRowcolKeepsGrid();
    void placeDirectionPutsButtonsAroundRooms();

    // Slide switches
    void switchWithoutCaptionsShowsNoneUntilEdited();
    void switchGeometryMatchesTheDrawing();
    void onlyTheStatusButtonFramesItsSelection();
    void tallSwitchTrackIsOneCircle();

private:
    UIBase *make(int typeId, const QByteArray &json, double zoom = 1.0)
    {
        return buildComposite(typeId, m_page.get(), jsonFixture(json), zoom);
    }
    // Presses at the centre of a child through the window, so that the hit
    // test of a real click decides who gets it.
    void pressThroughWindow(QWidget *target);

    std::unique_ptr<TestWorkDir> m_workDir;
    std::unique_ptr<QWidget> m_page;
};

void TestCompositeKinds::init()
{
    m_workDir.reset(new TestWorkDir);
    QVERIFY(m_workDir->isValid());
    m_page.reset(new QWidget);
    m_page->resize(1920, 1080);
}

void TestCompositeKinds::cleanup()
{
    m_page.reset();
    m_workDir.reset();
    GlobalManager::resetInstance();
}

void TestCompositeKinds::pressThroughWindow(QWidget *target)
{
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    const QPoint inWindow = target->mapTo(m_page.get(), target->rect().center());
    QTest::mousePress(m_page->windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow);
    QTest::mouseRelease(m_page->windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow);
}

// ---- Audio matrix

void TestCompositeKinds::newMatrixShowsCornerHeadersAndButtons()
{
    UIBase *matrix = make(163, R"({"w":900,"h":700})");
    settle(matrix);
    const QList<UITableCornerWidget *> corners = matrix->findChildren<UITableCornerWidget *>();
    QCOMPARE(corners.size(), 1);
    const UITableCornerWidget *corner = corners.first();

    // Headers share the corner's row (outputs) or column (inputs).
    QStringList outputs;
    QStringList inputs;
    QList<QLabel *> labels = matrix->findChildren<QLabel *>();
    std::sort(labels.begin(), labels.end(), [](QLabel *a, QLabel *b) {
        const QWidget *ca = a->parentWidget();
        const QWidget *cb = b->parentWidget();
        return ca->y() != cb->y() ? ca->y() < cb->y() : ca->x() < cb->x();
    });
    for (QLabel *label : labels) {
        QWidget *header = label->parentWidget();
        if (header->y() == corner->y() && header->x() > corner->x())
            outputs.append(label->text());
        else if (header->x() == corner->x() && header->y() > corner->y())
            inputs.append(label->text());
        QStringList ports;
        for (QRadioButton *port : header->findChildren<QRadioButton *>())
            ports.append(port->text());
        QCOMPARE(ports, QStringList({"3.5mm", "HDMI", "AES67"}));
    }
    QCOMPARE(outputs, QStringList({"音频输出1", "音频输出2", "音频输出3", "音频输出4", "音频输出5"}));
    QCOMPARE(inputs, QStringList({"音频输入1", "音频输入2", "音频输入3", "音频输入4", "音频输入5"}));

    // 25 plain buttons, right of the inputs and below the outputs.
    const QList<BaseItem *> cells = matrix->findChildren<BaseItem *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(cells.size(), 36);
    const int buttons = int(std::count_if(cells.begin(), cells.end(), [corner](BaseItem *cell) {
        return cell->x() > corner->x() && cell->y() > corner->y() && cell->findChildren<QLabel *>().isEmpty();
    }));
    QCOMPARE(buttons, 25);
}

void TestCompositeKinds::matrixButtonTextEditReachesAllButtons()
{
    UIBase *matrix = make(163, R"({"w":900,"h":700,"btn_text":"Old"})");
    auto buttonsWith = [matrix](const QString &text, const QString &colour) {
        int count = 0;
        for (BaseItem *cell : matrix->findChildren<BaseItem *>()) {
            if (cell->text() == text && cell->style().value("normalColor").toString() == colour)
                ++count;
        }
        return count;
    };
    QCOMPARE(buttonsWith("Old", QString()), 25);

    editLikePage(matrix, jsonFixture(R"({"btn_text":"Mute","btn_text_color":"#ff00aa00"})"));
    QCOMPARE(buttonsWith("Mute", "#ff00aa00"), 25);
    // The control's own text colour follows the buttons' and goes to the file.
    QCOMPARE(matrix->attributes().value("normalColor").toString(), QString("#ff00aa00"));
}

void TestCompositeKinds::matrixTitleSizeSetsHeaderCaptions_data()
{
    QTest::addColumn<QByteArray>("edit");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<int>("titleSize");
    QTest::newRow("20") << QByteArray(R"({"title_size":20})") << 20 << 20;
    QTest::newRow("not a number") << QByteArray(R"({"title_size":"big"})") << QFont().pixelSize() << 0;
    QTest::newRow("fraction") << QByteArray(R"({"title_size":12.5})") << QFont().pixelSize() << 0;
}

void TestCompositeKinds::matrixTitleSizeSetsHeaderCaptions()
{
    QFETCH(QByteArray, edit);
    QFETCH(int, pixelSize);
    QFETCH(int, titleSize);
    auto *matrix = static_cast<UIAudioMatrixWidget *>(make(163, R"({"w":900,"h":700})"));
    editLikePage(matrix, jsonFixture(edit));
    QCOMPARE(matrix->titleSize(), titleSize);
    const QList<QLabel *> labels = matrix->findChildren<QLabel *>();
    QCOMPARE(labels.size(), 10);
    for (QLabel *label : labels)
        QCOMPARE(label->font().pixelSize(), pixelSize);
    for (QRadioButton *port : matrix->findChildren<QRadioButton *>())
        QCOMPARE(port->font().pixelSize(), pixelSize);
}

void TestCompositeKinds::matrixOnlyTheCornerFollowsTheZoom()
{
    UIBase *matrix = make(163, R"({"w":900,"h":700})", 0.5);
    for (BaseItem *cell : matrix->findChildren<BaseItem *>(QString(), Qt::FindDirectChildrenOnly)) {
        const bool corner = qobject_cast<UITableCornerWidget *>(cell) != nullptr;
        QCOMPARE(cell->scale(), corner ? 0.5 : 1.0);
    }
}

void TestCompositeKinds::cornerCaptionsStayInsideTheCorner()
{
    QWidget holder;
    holder.resize(300, 200);
    auto *corner = new UITableCornerWidget(&holder);
    corner->setStyle(jsonFixture(R"({"normalColor":"#ff0000ff","fontsize":12})"), true);
    QFont font;
    font.setPixelSize(12);
    const QFontMetrics metrics(font);

    for (const QSize &size : {QSize(96, 64), QSize(50, 36), QSize(200, 120)}) {
        corner->setGeometry(QRect(QPoint(0, 0), size));
        const QRect input = corner->inputCaptionRect();
        const QRect output = corner->outputCaptionRect();

        // Where the corner sits in the matrix does not move its captions.
        corner->move(40, 30);
        QCOMPARE(corner->inputCaptionRect(), input);
        QCOMPARE(corner->outputCaptionRect(), output);

        // Both start inside the cell and the output does not run past it;
        // the input stays below the output.
        QVERIFY(input.left() >= 0);
        QVERIFY(output.left() >= 0 && output.top() >= 0);
        QVERIFY(output.left() + metrics.horizontalAdvance(corner->outputCaption()) <= size.width());
        QVERIFY(input.top() > output.top());
        QVERIFY(output.left() > input.left());
    }

    // A white box with its diagonal in the text colour.
    corner->setGeometry(0, 0, 96, 64);
    const QImage image = renderSelf(corner);
    QCOMPARE(image.pixelColor(90, 45), QColor(Qt::white));
    const QColor onDiagonal = image.pixelColor(48, 32);
    QVERIFY(onDiagonal.blue() > 150 && onDiagonal.red() < 100);
}

// ---- Lists

void TestCompositeKinds::listCellCountFollowsShowItemNum_data()
{
    QTest::addColumn<QByteArray>("attributes");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("cells");
    QTest::newRow("absent") << QByteArray(R"({"w":1800,"h":1000})") << 1.0 << 5;
    QTest::newRow("0") << QByteArray(R"({"w":1800,"h":1000,"show_item_num":0})") << 1.0 << 5;
    QTest::newRow("negative") << QByteArray(R"({"w":1800,"h":1000,"show_item_num":-2})") << 1.0 << 5;
    QTest::newRow("7.5") << QByteArray(R"({"w":1800,"h":1000,"show_item_num":7.5})") << 1.0 << 5;
    QTest::newRow("string 7") << QByteArray(R"({"w":1800,"h":1000,"show_item_num":"7"})") << 1.0 << 5;
    QTest::newRow("1") << QByteArray(R"({"w":1800,"h":1000,"show_item_num":1})") << 1.0 << 1;
    QTest::newRow("12") << QByteArray(R"({"w":1800,"h":1000,"show_item_num":12})") << 1.0 << 12;
    QTest::newRow("12 in a column") << QByteArray(R"({"w":100,"h":1000,"direction":1,"show_item_num":12})") << 1.0 << 12;
    // The page in page pixels is then larger than any int; the count must not wrap.
    QTest::newRow("12 at a tiny edit zoom") << QByteArray(R"({"w":1800,"h":1000,"show_item_num":12})") << 1e-9 << 12;
    QTest::newRow("column at a tiny edit zoom") << QByteArray(R"({"w":100,"h":1000,"direction":1})") << 1e-9 << 5;
}

void TestCompositeKinds::listCellCountFollowsShowItemNum()
{
    QFETCH(QByteArray, attributes);
    QFETCH(double, zoom);
    QFETCH(int, cells);
    for (int id : {136, 137, 135, 112, 111}) {
        auto *list = static_cast<UIListWidgetBase *>(make(id, attributes, zoom));
        QCOMPARE(list->cells().size(), cells);
        const bool captioned = id == 112 || id == 111;
        QCOMPARE(list->captions().size(), captioned ? cells : 0);
        const int buttons = id == 136 ? 3 : 2;
        QCOMPARE(list->findChildren<BaseItem *>().size(), cells + buttons);
        delete list;
    }
}

void TestCompositeKinds::hugeShowItemNumIsStoredButOnlyFittingCellsAreBuilt()
{
    for (const char *json : {R"({"w":300,"h":60,"show_item_num":2000000000})",
                             R"({"w":60,"h":300,"direction":1,"show_item_num":2000000000})"}) {
        QElapsedTimer timer;
        timer.start();
        auto *list = static_cast<UIListWidgetBase *>(make(136, json));
        settle(list);
        QVERIFY(timer.elapsed() < 5000);

        QCOMPARE(list->attributes().value("show_item_num").toInt(), 2000000000);
        QCOMPARE(list->itemCount(), 2000000000);
        const QList<BaseItem *> cells = list->cells();
        QVERIFY(cells.size() > 5);
        QVERIFY(cells.size() < 300);
        const bool row = list->direction() == 0;
        for (BaseItem *cell : cells) {
            QVERIFY2((row ? cell->width() : cell->height()) >= 1, "every cell keeps a pixel");
            QVERIFY(list->rect().contains(cell->geometry()));
        }
        delete list;
    }
}

void TestCompositeKinds::hugeListOnAHugePageBuildsBoundedCells()
{
    // A page file can claim a page as wide as a widget gets; one-pixel cells
    // along it would be millions of widgets, built and torn down for minutes.
    m_page->resize(QWIDGETSIZE_MAX, 1080);
    QElapsedTimer timer;
    timer.start();
    auto *list = static_cast<UIListWidgetBase *>(
        make(137, R"({"w":2000000000,"h":60,"show_item_num":2000000000})"));
    const int built = list->cells().size();
    editLikePage(list, jsonFixture(R"({"page_turn_height":40})"));
    delete list;
    QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(built > 5);
    QVERIFY2(built <= 2200, qPrintable(QString::number(built)));
}

void TestCompositeKinds::cappedListGrowsWhenWidened()
{
    auto *list = static_cast<UIListWidgetBase *>(make(137, R"({"w":200,"h":60,"show_item_num":100000})"));
    const int narrow = list->cells().size();
    QVERIFY(narrow < 100);

    editLikePage(list, jsonFixture(R"({"w":800})"));
    const int wide = list->cells().size();
    QVERIFY(wide > narrow);
    QCOMPARE(wide, list->cellsToBuild());

    editLikePage(list, jsonFixture(R"({"w":200})"));
    QCOMPARE(list->cells().size(), narrow);
}

void TestCompositeKinds::listCellsAreNumberedPerKind_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("cellTexts");
    QTest::addColumn<QStringList>("captionTexts");
    QTest::newRow("play") << 136 << QStringList({"video_1", "video_2", "video_3"}) << QStringList();
    QTest::newRow("ppt") << 137 << QStringList({"ppt_1", "ppt_2", "ppt_3"}) << QStringList();
    QTest::newRow("screen") << 135 << QStringList({"wall_1", "wall_2", "wall_3"}) << QStringList();
    QTest::newRow("preview") << 112 << QStringList({"", "", ""}) << QStringList({"source_1", "source_2", "source_3"});
    QTest::newRow("scene") << 111 << QStringList({"", "", ""}) << QStringList({"scene_1", "scene_2", "scene_3"});
}

void TestCompositeKinds::listCellsAreNumberedPerKind()
{
    QFETCH(int, id);
    QFETCH(QStringList, cellTexts);
    QFETCH(QStringList, captionTexts);
    auto *list = static_cast<UIListWidgetBase *>(make(id, R"({"w":900,"h":120,"show_item_num":3})"));
    QCOMPARE(texts(list->cells()), cellTexts);
    QStringList captions;
    for (UILabel *caption : list->captions()) {
        captions.append(caption->text());
        QVERIFY(caption->testAttribute(Qt::WA_TransparentForMouseEvents));
    }
    QCOMPARE(captions, captionTexts);
    QCOMPARE(list->refreshButton() != nullptr, id == 136);
}

void TestCompositeKinds::listRowTurnsIntoColumnInTheSameOrder()
{
    auto *list = static_cast<UIListWidgetBase *>(make(136, R"({"w":900,"h":900})"));
    settle(list);
    const QStringList expected = {"refresh", "prev", "video_1", "video_2", "video_3", "video_4", "video_5", "next"};
    // Children sorted along the main direction of the list.
    auto order = [list](bool row) {
        QList<BaseItem *> items = list->findChildren<BaseItem *>();
        std::sort(items.begin(), items.end(),
                  [row](BaseItem *a, BaseItem *b) { return row ? a->x() < b->x() : a->y() < b->y(); });
        QStringList names;
        for (BaseItem *item : items) {
            names.append(item == list->refreshButton() ? QString("refresh")
                         : item == list->prevButton()  ? QString("prev")
                         : item == list->nextButton()  ? QString("next")
                                                       : item->text());
        }
        return names;
    };
    QCOMPARE(order(true), expected);
    for (BaseItem *cell : list->cells())
        QCOMPARE(cell->y(), list->cells().first()->y());

    editLikePage(list, jsonFixture(R"({"direction":1})"));
    settle(list);
    QCOMPARE(order(false), expected);
    for (BaseItem *cell : list->cells())
        QCOMPARE(cell->x(), list->cells().first()->x());
    // Cells take four times a button's share of the length.
    QVERIFY(list->cells().first()->height() > 3 * list->prevButton()->height());
}

void TestCompositeKinds::listStyleFunctionsKeepOnlyTheirPrefix()
{
    UIBase *list = make(136, R"({
        "w":900,"h":80,"item_normalBkColor":"#ff010203","item_pressColor":"#ff040506","item_text":"x",
        "prev_button_normalColor":"#ff070809","refresh_button_normal_image_path":"r.png",
        "next_button_bogus":"y","normalColor":"#ff0a0b0c"})");
    QJsonObject style;
    listItemStyle(list, style);
    QCOMPARE(style, jsonFixture(R"({"normalBkColor":"#ff010203","pressColor":"#ff040506"})"));
    listPrevButtonStyle(list, style);
    QCOMPARE(style, jsonFixture(R"({"normalColor":"#ff070809"})"));
    listNextButtonStyle(list, style);
    QCOMPARE(style, QJsonObject());
    listRefreshButtonStyle(list, style);
    QCOMPARE(style, jsonFixture(R"({"normal_image_path":"r.png"})"));

    // And the built children carry exactly those looks.
    auto *built = static_cast<UIListWidgetBase *>(list);
    QCOMPARE(built->prevButton()->style(), jsonFixture(R"({"normalColor":"#ff070809"})"));
    QCOMPARE(built->refreshButton()->normalPictureFile(), QDir::currentPath() + "/r.png");
    for (BaseItem *cell : built->cells())
        QCOMPARE(cell->style().value("normalBkColor").toString(), QString("#ff010203"));
}

void TestCompositeKinds::itemColourRecoloursPlayListCellsAtOnce()
{
    auto *list = static_cast<UIListWidgetBase *>(make(136, R"({"w":900,"h":80})"));
    settle(list);
    const QList<BaseItem *> before = list->cells();
    editLikePage(list, jsonFixture(R"({"item_normalBkColor":"#ff00c000"})"));
    QCOMPARE(list->cells(), before);
    for (BaseItem *cell : before) {
        // Beside the frame, above the text.
        QCOMPARE(renderSelf(cell).pixelColor(cell->width() / 2, 4), QColor("#ff00c000"));
    }
    // The buttons keep their own look.
    QVERIFY(!list->prevButton()->style().contains("normalBkColor"));
}

void TestCompositeKinds::sceneCaptionsTakeItemColours()
{
    auto *list = static_cast<UIListWidgetBase *>(
        make(111, R"({"w":900,"h":120,"item_normalColor":"#ff112233","normalColor":"#ff999999"})"));
    for (UILabel *caption : list->captions())
        QCOMPARE(caption->normalColor(), QString("#ff112233"));

    editLikePage(list, jsonFixture(R"({"item_pressColor":"#ff445566"})"));
    for (UILabel *caption : list->captions())
        QCOMPARE(caption->attributes().value("pressColor").toString(), QString("#ff445566"));
    for (BaseItem *cell : list->cells())
        QCOMPARE(cell->style().value("normalColor").toString(), QString("#ff112233"));
}

void TestCompositeKinds::pressOnAChildSelectsTheControl_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("part");
    QTest::newRow("play cell") << 136 << "cell";
    QTest::newRow("play next button") << 136 << "next";
    QTest::newRow("scene caption") << 111 << "caption";
    QTest::newRow("source caption") << 112 << "caption";
    QTest::newRow("login button") << 101 << "login";
    QTest::newRow("place room caption") << 102 << "room";
    QTest::newRow("search button") << 107 << "search";
    QTest::newRow("matrix header port") << 163 << "port";
}

void TestCompositeKinds::pressOnAChildSelectsTheControl()
{
    QFETCH(int, id);
    QFETCH(QString, part);
    UIBase *control = make(id, R"({"x":20,"y":20,"w":1500,"h":500})");
    settle(control);
    QSignalSpy selected(control, SIGNAL(signalControlSelect()));
    auto *list = qobject_cast<UIListWidgetBase *>(control);
    QWidget *target = part == "cell"      ? static_cast<QWidget *>(list->cells().at(2))
                      : part == "next"    ? list->nextButton()
                      : part == "caption" ? list->captions().at(1)
                      : part == "login"   ? static_cast<UILoginWidget *>(control)->loginButton()
                      : part == "room"    ? control->findChild<QLabel *>("txtItem")
                      : part == "port"    ? static_cast<QWidget *>(control->findChildren<QRadioButton *>().first())
                                          : static_cast<UISearchWidget *>(control)->button();
    QVERIFY(target && target->width() > 0);
    pressThroughWindow(target);
    QCOMPARE(selected.count(), 1);
    if (auto *port = qobject_cast<QRadioButton *>(target))
        QVERIFY(!port->isChecked());
}

// ---- Search box

void TestCompositeKinds::searchButtonWidthFollowsBtnW_data()
{
    QTest::addColumn<QByteArray>("attributes");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QByteArray>("edit"); // applied as it came from the editor
    QTest::addColumn<int>("width");
    QTest::newRow("40 at 0.6") << QByteArray(R"({"w":300,"h":40,"btn_w":40})") << 0.6 << QByteArray() << 24;
    QTest::newRow("33 at 0.6") << QByteArray(R"({"w":300,"h":40,"btn_w":33})") << 0.6 << QByteArray() << 19;
    QTest::newRow("absent at 1") << QByteArray(R"({"w":300,"h":40})") << 1.0 << QByteArray() << 30;
    QTest::newRow("absent at 0.5") << QByteArray(R"({"w":300,"h":40})") << 0.5 << QByteArray() << 15;
    const QByteArray wide = R"({"w":300,"h":40,"btn_w":60})";
    QTest::newRow("edit 50") << wide << 0.5 << QByteArray(R"({"btn_w":50})") << 25;
    QTest::newRow("edit string") << wide << 0.5 << QByteArray(R"({"btn_w":"wide"})") << 15;
    QTest::newRow("edit fraction") << wide << 0.5 << QByteArray(R"({"btn_w":40.5})") << 0;
}

void TestCompositeKinds::searchButtonWidthFollowsBtnW()
{
    QFETCH(QByteArray, attributes);
    QFETCH(double, zoom);
    QFETCH(QByteArray, edit);
    QFETCH(int, width);
    auto *search = static_cast<UISearchWidget *>(make(107, attributes, zoom));
    if (!edit.isEmpty())
        search->applyAttributes(jsonFixture(edit));
    settle(search);
    QCOMPARE(search->button()->minimumWidth(), width);
    QCOMPARE(search->button()->maximumWidth(), width);
    QCOMPARE(search->button()->width(), width);
    // The field takes the rest of the row.
    QVERIFY(search->searchField()->width() > search->button()->width());
    QCOMPARE(search->searchField()->style(), jsonFixture(R"({"normalBkColor":"#ffffff"})"));
}

void TestCompositeKinds::searchButtonSideFollowsLayoutDirection()
{
    auto *left = static_cast<UISearchWidget *>(
        make(107, R"({"w":300,"h":40,"btn_text":"Go","btn_normalBkColor":"#ff0000ff"})"));
    auto *right = static_cast<UISearchWidget *>(make(107, R"({"w":300,"h":40,"layoutDirection":1})"));
    settle(left);
    settle(right);
    QVERIFY(left->button()->x() < left->searchField()->x());
    QVERIFY(right->searchField()->x() < right->button()->x());
    QCOMPARE(left->button()->style(), jsonFixture(R"({"normalBkColor":"#ff0000ff","text":"Go"})"));
}

void TestCompositeKinds::searchWithUnknownSideHasNoCellsAndIgnoresEdits()
{
    UIBase *search = make(107, R"({"w":300,"h":40,"layoutDirection":2})");
    QCOMPARE(search->layout(), nullptr);
    QCOMPARE(static_cast<UISearchWidget *>(search)->button(), nullptr);
    editLikePage(search, jsonFixture(R"({"btn_normalBkColor":"#ff00ff00","btn_w":50})"));
    QVERIFY(search->findChildren<BaseItem *>().isEmpty());
    QCOMPARE(search->attributes().value("btn_w").toInt(), 50);
}

// ---- Login form, meeting button, place widget

void TestCompositeKinds::loginFormShowsCaptionsUntilTagVisibleZero()
{
    auto *login = static_cast<UILoginWidget *>(make(101, R"({"w":500,"h":400})"));
    QCOMPARE(login->titleCell(), nullptr);

    QStringList all = texts(login->findChildren<BaseItem *>());
    for (const char *text : {"用户名:", "密码:", "通信IP:", "语言:", "请输入用户名", "请输入密码", "请输入通信ip",
                             "请选择语言", "记住密码", "登录"})
        QVERIFY2(all.contains(QString::fromUtf8(text)), text);
    QCOMPARE(all.count(QString()), 2);
    QCOMPARE(all.size(), 12);
    // The rows keep the default font: the title's size stays with the title.
    QVERIFY(!login->userField()->style().contains("fontsize"));

    // Every row, the button's included, gets its share of the form.
    settle(login);
    QVERIFY(login->loginButton()->height() > 20);
    QVERIFY(login->rect().contains(login->loginButton()->geometry()));
    QVERIFY(login->loginButton()->y() > login->userField()->y());

    // Without captions the two empty cells stay.
    editLikePage(login, jsonFixture(R"({"tagVisible":0})"));
    all = texts(login->findChildren<BaseItem *>());
    QCOMPARE(all.size(), 8);
    QVERIFY(!all.contains("用户名:"));
    QCOMPARE(all.count(QString()), 2);
}

void TestCompositeKinds::loginTitleAppearsWithDefaultText_data()
{
    QTest::addColumn<QByteArray>("edit");
    QTest::addColumn<QString>("title");
    QTest::newRow("shown") << QByteArray(R"({"titleVisible":1})") << QString("欢迎登录分布式系统");
    QTest::newRow("empty title") << QByteArray(R"({"titleVisible":1,"loginTitle":""})") << QString("欢迎登录分布式系统");
    QTest::newRow("own title") << QByteArray(R"({"titleVisible":1,"loginTitle":"Hello"})") << QString("Hello");
}

void TestCompositeKinds::loginTitleAppearsWithDefaultText()
{
    QFETCH(QByteArray, edit);
    QFETCH(QString, title);
    auto *login = static_cast<UILoginWidget *>(make(101, R"({"w":500,"h":500})"));
    editLikePage(login, jsonFixture(edit));
    QVERIFY(login->titleCell());
    QCOMPARE(login->titleCell()->text(), title);
    settle(login);
    QVERIFY(login->titleCell()->y() < login->userField()->y());
}

void TestCompositeKinds::loginBackgroundFromColourAndOpacity_data()
{
    QTest::addColumn<QByteArray>("edit");
    QTest::addColumn<QString>("background");
    QTest::newRow("half") << QByteArray(R"({"winBgColor":"#ff0000","bgOpacity":128})") << "#80ff0000";
    QTest::newRow("opacity 0") << QByteArray(R"({"winBgColor":"#ff0000","bgOpacity":0})") << "#ff0000";
    QTest::newRow("colour only") << QByteArray(R"({"winBgColor":"#00ff00"})") << "#6400ff00";
}

void TestCompositeKinds::loginBackgroundFromColourAndOpacity()
{
    QFETCH(QByteArray, edit);
    QFETCH(QString, background);
    UIBase *login = make(101, R"({"w":500,"h":400})");
    editLikePage(login, jsonFixture(edit));
    QCOMPARE(login->attributes().value("normalBkColor").toString(), background);
    QCOMPARE(login->normalBkColor(), background);
}

void TestCompositeKinds::meetingKeysAreNormalised()
{
    UIBase *meeting = make(164, R"({"w":100,"h":40,"meetingVendor":2,"meetingIp":"10.1.1.9"})");
    QCOMPARE(meeting->layout(), nullptr);
    QVERIFY(meeting->children().isEmpty());
    QCOMPARE(meeting->attributes().value("meetingVendor").toInt(), 2);

    meeting->applyAttributes(jsonFixture(R"({"meetingVendor":"Acme","meetingIp":7})"));
    QCOMPARE(meeting->attributes().value("meetingVendor"), QJsonValue(0));
    QCOMPARE(meeting->attributes().value("meetingIp"), QJsonValue(QString()));
}

void TestCompositeKinds::placeGridFollowsRowcol_data()
{
    QTest::addColumn<int>("rowcol");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::newRow("1 x 3") << 0 << 1 << 3;
    QTest::newRow("2 x 2") << 1 << 2 << 2;
    QTest::newRow("3 x 3") << 2 << 3 << 3;
}

void TestCompositeKinds::placeGridFollowsRowcol()
{
    QFETCH(int, rowcol);
    QFETCH(int, rows);
    QFETCH(int, columns);
    QJsonObject attributes = jsonFixture(R"({"w":1800,"h":1000,"direction":0})");
    for (int n = 1; n <= 10; ++n)
        attributes.insert(QString("room_%1").arg(n), QString("C:\\rooms\\r%1.png").arg(n));
    auto *place = static_cast<UIPlaceWidget *>(buildComposite(102, m_page.get(), attributes));
    editLikePage(place, QJsonObject{{"rowcol", rowcol}});
    QCOMPARE(place->rows(), rows);
    QCOMPARE(place->columns(), columns);

    const QList<QWidget *> rooms = place->findChildren<QWidget *>("placeItem");
    QCOMPARE(rooms.size(), rows * columns);
    for (int i = 0; i < rooms.size(); ++i) {
        QWidget *room = rooms.at(i);
        QCOMPARE(room->findChild<QLabel *>("txtItem")->text(), QString("场所_%1").arg(i));
        QCOMPARE(room->findChild<BaseItem *>()->normalPictureFile(),
                 QDir::currentPath() + QString("/r%1.png").arg(i + 1));
        // Small grids keep the room size; a 3 x 3 grid shares the space.
        if (rows < 3)
            QCOMPARE(room->maximumSize(), QSize(400, 225 + 48));
        else
            QCOMPARE(room->maximumWidth(), QWIDGETSIZE_MAX);
    }
}

void TestCompositeKinds::placeUnknownRowcolKeepsGrid()
{
    auto *place = static_cast<UIPlaceWidget *>(make(102, R"({"w":1800,"h":1000,"rowcol":1})"));
    QCOMPARE(place->findChildren<QWidget *>("placeItem").size(), 4);
    editLikePage(place, jsonFixture(R"({"rowcol":5})"));
    QCOMPARE(place->attributes().value("rowcol").toInt(), 5);
    QCOMPARE(place->findChildren<QWidget *>("placeItem").size(), 4);
}

void TestCompositeKinds::placeDirectionPutsButtonsAroundRooms()
{
    // A new place widget stands in a column: previous above, next below.
    auto *place = static_cast<UIPlaceWidget *>(make(102, R"({"w":1300,"h":900})", 0.5));
    settle(place);
    QWidget *room = place->findChildren<QWidget *>("placeItem").first();
    QVERIFY(place->prevButton()->y() + place->prevButton()->height() <= room->y());
    QVERIFY(room->y() + room->height() <= place->nextButton()->y());
    QCOMPARE(place->prevButton()->size(), QSize(62, 62));

    editLikePage(place, jsonFixture(R"({"direction":0})"));
    settle(place);
    room = place->findChildren<QWidget *>("placeItem").first();
    QVERIFY(place->prevButton()->x() + place->prevButton()->width() <= room->x());
    QVERIFY(room->x() + room->width() <= place->nextButton()->x());
}

// ---- Slide switches

void TestCompositeKinds::switchWithoutCaptionsShowsNoneUntilEdited()
{
    auto *status = static_cast<UISwitchButtonBase *>(make(130, R"({"w":120,"h":40})"));
    QCOMPARE(status->onText(), QString());
    QCOMPARE(status->offText(), QString());

    editLikePage(status, jsonFixture(R"({"off_text":"Stop","bgOffColor":5,"textOffColor":"#ff00ff00"})"));
    QCOMPARE(status->offText(), QString("Stop"));
    QCOMPARE(status->bgOffColor(), QString());
    QCOMPARE(status->textOffColor(), QString("#ff00ff00"));
}

void TestCompositeKinds::switchGeometryMatchesTheDrawing()
{
    auto *status = static_cast<UISwitchButtonBase *>(make(
        130, R"({"w":120,"h":40,"bgOffColor":"#ff0000ff","sliderOffColor":"#ffffffff","off_text":"off","on_text":"on"})"));
    QCOMPARE(status->knobRect(), QRect(2, 2, 36, 36));
    QCOMPARE(status->captionRect(), QRect(31, 0, 89, 40));
    QCOMPARE(status->trackPath().boundingRect(), QRectF(0, 0, 120, 40));

    // The track at alpha 140 of its colour (the preset switch fills it once;
    // the status button fills it again with its frame).
    auto *preset = static_cast<UISwitchButtonBase *>(buildComposite(124, m_page.get(), status->attributes()));
    const QImage image = renderSelf(preset);
    QCOMPARE(image.pixelColor(20, 20), QColor(Qt::white));
    const QColor track = image.pixelColor(112, 20);
    QVERIFY2(track.blue() > 200 && track.red() < 30, qPrintable(track.name(QColor::HexArgb)));
    QVERIFY(qAbs(track.alpha() - 140) < 10);

    // Checked, the knob and the caption change sides.
    preset->setChecked(true);
    QCOMPARE(preset->knobX(), 80);
    QCOMPARE(preset->knobRect(), QRect(82, 2, 36, 36));
    QCOMPARE(preset->captionRect(), QRect(0, 0, 89, 40));
    preset->setChecked(false);
    QCOMPARE(preset->knobX(), 0);
    preset->setSpace(4);
    QCOMPARE(preset->knobRect(), QRect(4, 4, 32, 32));
}

void TestCompositeKinds::onlyTheStatusButtonFramesItsSelection()
{
    for (int id : {130, 124}) {
        UIBase *control = make(id, R"({"w":120,"h":40,"bgOffColor":"#ff808080"})");
        QCOMPARE(countNear(renderSelf(control), QColor(255, 0, 0)), 0);
        control->setSelected(true);
        const int redAfter = countNear(renderSelf(control), QColor(255, 0, 0));
        if (id == 130)
            QVERIFY(redAfter > 100);
        else
            QCOMPARE(redAfter, 0);
    }
}

void TestCompositeKinds::tallSwitchTrackIsOneCircle()
{
    auto *status = static_cast<UISwitchButtonBase *>(make(130, R"({"w":30,"h":80})"));
    const QPainterPath track = status->trackPath();
    QVERIFY(track.contains(QPointF(15, 15)));
    QVERIFY(!track.contains(QPointF(15, 50)));
    QVERIFY(!track.contains(QPointF(15, 75)));
    status->setChecked(true);
    QCOMPARE(status->knobX(), -50);
}

QTEST_MAIN(TestCompositeKinds)
#include "tst_compositekinds.moc"
