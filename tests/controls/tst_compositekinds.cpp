#include "canvas/uipage.h"
#include "controls/baseitem.h"
#include "controls/cellbudget.h"
#include "controls/drawncaption.h"
#include "controls/uiaudiomatrixheader.h"
#include "controls/uicompositehelpers.h"
#include "controls/uilistwidgetbase.h"
#include "controls/uiloginwidget.h"
#include "controls/uisearchwidget.h"
#include "controls/uiswitchbuttonbase.h"
#include "controls/uitablecornerwidget.h"
#include "app/globalmanager.h"
#include "tests/testsupport.h"

#include <QBoxLayout>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLayout>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <limits>
#include <memory>

namespace {

void settle(QWidget *control)
{
    if (control->layout())
        control->layout()->activate();
    QCoreApplication::processEvents();
}

// Counts the events of one type that the objects it watches receive.
class EventCounter : public QObject
{
public:
    explicit EventCounter(QEvent::Type type)
        : m_type(type)
    {
    }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == m_type;
        return false;
    }

private:
    QEvent::Type m_type;
};

// The captions a cell draws itself, found in its layout.
QList<const DrawnCaption *> drawnCaptions(const QWidget *cell)
{
    QList<const DrawnCaption *> list;
    for (int i = 0; cell->layout() && i < cell->layout()->count(); ++i) {
        if (const auto *caption = dynamic_cast<const DrawnCaption *>(cell->layout()->itemAt(i)))
            list.append(caption);
    }
    return list;
}

QStringList texts(const QList<BaseItem *> &cells)
{
    QStringList list;
    for (const BaseItem *cell : cells)
        list.append(cell->text());
    return list;
}

} // namespace

class TestCompositeKinds : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void matrixShowsCornerHeadersAndButtons();
    void cornerCaptionsStayInsideTheCorner();
    void drawnCaptionsMatchTheirWidgets_data();
    void drawnCaptionsMatchTheirWidgets();
    void drawnPartsAreDrawnAgainInPlace();

    void listShowsEveryCountItCanDraw_data();
    void listShowsEveryCountItCanDraw();
    void pageBuildsBoundedCellsWhateverItsFileAsks();
    void pressOnAChildSelectsTheControl_data();
    void pressOnAChildSelectsTheControl();

    void loginFormRowsAndTitle();
    void switchGeometryMatchesTheDrawing();

private:
    UIBase *make(int typeId, const QByteArray &json, double zoom = 1.0)
    {
        return buildComposite(typeId, m_page.get(), jsonFixture(json), zoom);
    }

    TestWorkDir m_workDir;
    std::unique_ptr<QWidget> m_page;
};

void TestCompositeKinds::init()
{
    m_page.reset(new QWidget);
    m_page->resize(1920, 1080);
}

void TestCompositeKinds::cleanup()
{
    m_page.reset();
    GlobalManager::resetInstance();
}

void TestCompositeKinds::matrixShowsCornerHeadersAndButtons()
{
    UIBase *matrix = make(163, R"({"w":900,"h":700,"btn_text":"ON"})", 0.5);
    // No header posts a layout request while its page loads: each post had
    // Qt search every event posted before it.
    EventCounter requests(QEvent::LayoutRequest);
    for (UIAudioMatrixHeader *header : matrix->findChildren<UIAudioMatrixHeader *>())
        header->installEventFilter(&requests);
    settle(matrix);
    QCOMPARE(requests.count, 0);
    const QList<BaseItem *> cells = matrix->findChildren<BaseItem *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(cells.size(), 36);
    const BaseItem *corner = matrix->findChild<UITableCornerWidget *>();
    // Only the corner follows the zoom; the other cells size their text by the fit scale.
    QCOMPARE(corner->scale(), 0.5);
    // Outputs along the corner's row, inputs down its column, 25 buttons between.
    QStringList headers;
    int buttons = 0;
    for (BaseItem *cell : cells) {
        QVERIFY(cell == corner || cell->scale() == 1.0);
        if (const auto *header = qobject_cast<UIAudioMatrixHeader *>(cell))
            headers.append(header->captions().first() + (cell->y() == corner->y() ? "^" : "<"));
        buttons += cell->text() == "ON" && cell->y() > corner->y() && cell->x() > corner->x();
    }
    QCOMPARE(buttons, 25);
    QCOMPARE(headers.size(), 10);
    QVERIFY(headers.contains("音频输出5^") && headers.contains("音频输入1<"));
    // The control's own text colour follows the buttons' and goes to the file.
    editLikePage(matrix, jsonFixture(R"({"btn_text_color":"#ff00aa00"})"));
    QCOMPARE(matrix->attributes().value("normalColor").toString(), QString("#ff00aa00"));
    // Each button shows its caption in its cell, not only the headers theirs.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    settle(matrix);
    const QImage drawn = renderSelf(matrix);
    int drawnButtons = 0;
    for (const BaseItem *cell : matrix->findChildren<BaseItem *>(QString(), Qt::FindDirectChildrenOnly)) {
        const bool button =
            !qobject_cast<const UIAudioMatrixHeader *>(cell) && !qobject_cast<const UITableCornerWidget *>(cell);
        drawnButtons += button && countNear(drawn.copy(cell->geometry()), QColor(0, 0xaa, 0)) > 0;
    }
    QCOMPARE(drawnButtons, 25);

    // Under the program's style sheet, where nothing is inherited from the
    // cell, each caption still shows the item colour on a transparent ground.
    qApp->setStyleSheet(QStringLiteral("QPushButton{padding:4px}"));
    editLikePage(matrix, jsonFixture(R"({"item_normalColor":"#ff0000cc"})"));
    settle(matrix);
    int captions = 0;
    for (const UIAudioMatrixHeader *header : matrix->findChildren<UIAudioMatrixHeader *>()) {
        for (int i = 0; i < header->captions().size(); ++i, ++captions) {
            QCOMPARE(header->captionPalette(i).color(QPalette::WindowText), QColor(0, 0, 0xcc));
            QCOMPARE(header->captionPalette(i).color(QPalette::Base).alpha(), 0);
        }
    }
    qApp->setStyleSheet(QString());
    QCOMPARE(captions, 40);

    // A second matrix of the page measures none of the captions again: ten
    // headers and three ports, whatever the number of matrices.
    const int measured = DrawnCaption::widgetsMeasured();
    make(163, R"({"w":900,"h":700})");
    make(163, R"({"w":400,"h":300})");
    QCOMPARE(DrawnCaption::widgetsMeasured() - measured, 13);
}

void TestCompositeKinds::cornerCaptionsStayInsideTheCorner()
{
    QWidget holder;
    auto *corner = new UITableCornerWidget(&holder);
    corner->setStyle(jsonFixture(R"({"normalColor":"#ff0000ff","fontsize":12})"), true);
    QFont font;
    font.setPixelSize(12);
    for (const QSize &size : {QSize(96, 64), QSize(50, 36)}) {
        // Where the corner sits in the matrix does not move its captions.
        corner->setGeometry(QRect(QPoint(40, 30), size));
        const QRect input = corner->inputCaptionRect();
        const QRect output = corner->outputCaptionRect();
        QVERIFY(input.left() >= 0 && output.top() >= 0);
        QVERIFY(output.left() + QFontMetrics(font).horizontalAdvance(corner->outputCaption()) <= size.width());
        QVERIFY(input.top() > output.top() && output.left() > input.left());
    }
}

void TestCompositeKinds::drawnCaptionsMatchTheirWidgets_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("attributes");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<double>("zoom");
    // A sheet of the window around the page, as the designer's tabs have.
    QTest::addColumn<QString>("windowSheet");
    const QString grey = QStringLiteral("background-color: rgb(221, 221, 221);");
    QTest::newRow("matrix") << 163 << QByteArray(R"({"w":900,"h":700,"item_normalColor":"#ff0000cc"})") << QString()
                            << 1.0 << QString();
    QTest::newRow("matrix, large titles, under a sheet")
        << 163 << QByteArray(R"({"w":900,"h":700,"item_normalColor":"#ffcc2200","title_size":22})")
        << QStringLiteral("QPushButton{padding:4px}") << 1.0 << QString();
    // The captions want more room than the headers have.
    QTest::newRow("squeezed matrix") << 163 << QByteArray(R"({"w":200,"h":90,"title_size":0})") << QString() << 1.0
                                     << QString();
    // Each label paints the window sheet's ground, squeezed or not.
    QTest::newRow("matrix in a grey window") << 163 << QByteArray(R"({"w":800,"h":500})") << QString() << 1.0 << grey;
    QTest::newRow("matrix in a grey window, zoomed out")
        << 163 << QByteArray(R"({"w":800,"h":500})") << QString() << 0.26 << grey;
    QTest::newRow("small matrix in a grey window, zoomed out, under a sheet")
        << 163 << QByteArray(R"({"w":200,"h":120})") << QStringLiteral("QPushButton{padding:4px}") << 0.6 << grey;
    QTest::newRow("rooms of fixed size") << 102 << QByteArray(R"({"w":900,"h":700})") << QString() << 1.0 << QString();
    QTest::newRow("rooms sharing the room, under a sheet")
        << 102 << QByteArray(R"({"w":900,"h":700,"rowcol":2})") << QStringLiteral("QPushButton{padding:4px}") << 1.0
        << QString();
    QTest::newRow("rooms in a grey window, zoomed out") << 102 << QByteArray(R"({"w":900,"h":700})") << QString()
                                                        << 0.3 << grey;
}

void TestCompositeKinds::drawnCaptionsMatchTheirWidgets()
{
    QFETCH(int, id);
    QFETCH(QByteArray, attributes);
    QFETCH(QString, sheet);
    QFETCH(double, zoom);
    QFETCH(QString, windowSheet);
    qApp->setStyleSheet(sheet);
    m_page->setStyleSheet(windowSheet);
    UIBase *control = make(id, attributes, zoom);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    // No caption is a widget of its own.
    QVERIFY(control->findChildren<QLabel *>().isEmpty() && control->findChildren<QRadioButton *>().isEmpty());
    const int titleSize = jsonFixture(attributes).value("title_size").toInt(14);
    const QColor colour(jsonFixture(attributes).value("item_normalColor").toString("#ff000000"));

    for (QWidget *cell : control->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        const QList<const DrawnCaption *> captions = drawnCaptions(cell);
        if (captions.isEmpty())
            continue;
        // The widgets the captions once were, in a cell of the same look and
        // size beside it, drawn the same to the pixel.
        std::unique_ptr<QWidget> reference;
        if (auto *header = qobject_cast<UIAudioMatrixHeader *>(cell)) {
            auto *item = new BaseItem(control);
            item->setStyle(header->style(), false);
            reference.reset(item);
            QFont font;
            if (titleSize > 0)
                font.setPixelSize(titleSize);
            auto *column = new QVBoxLayout(item);
            column->setContentsMargins(0, 0, 0, 0);
            column->setSpacing(0);
            column->setAlignment(Qt::AlignHCenter);
            for (const DrawnCaption *caption : captions) {
                QWidget *widget = caption == captions.first() ? static_cast<QWidget *>(new QLabel(caption->text(), item))
                                                              : new QRadioButton(caption->text(), item);
                widget->setFont(font);
                widget->setPalette(transparentPalette(colour));
                column->addWidget(widget);
            }
        } else {
            // A room: its caption, below a picture it does not touch.
            QCOMPARE(captions.size(), 1);
            reference.reset(new QWidget(control));
            auto *label = new QLabel(captions.first()->text(), reference.get());
            label->setPalette(transparentPalette(Qt::white));
            label->setAlignment(Qt::AlignCenter);
            label->setGeometry(captions.first()->drawnRect());
        }
        reference->setGeometry(cell->geometry());
        reference->show();
        settle(reference.get());
        QImage drawn = renderSelf(cell);
        if (id == 102) {
            drawn = drawn.copy(captions.first()->drawnRect());
            QCOMPARE(drawn, renderSelf(reference.get()).copy(captions.first()->drawnRect()));
        } else {
            QCOMPARE(drawn, renderSelf(reference.get()));
        }
        QVERIFY(countNear(drawn, id == 102 ? QColor(Qt::white) : colour) > 0);
    }
    qApp->setStyleSheet(QString());
}

void TestCompositeKinds::drawnPartsAreDrawnAgainInPlace()
{
    auto *list = static_cast<UIListWidgetBase *>(make(111, R"({"w":300,"h":600,"direction":1})"));
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    settle(list);
    QCOMPARE(list->cells().size(), 5);
    // The list draws its cells and captions, so it draws again whatever
    // restyles them, though the edit itself asks for no repaint.
    for (const char *edit : {R"({"item_normalBkColor":"#ff123456"})", R"({"item_normalColor":"#ff654321"})"}) {
        EventCounter paints(QEvent::Paint);
        list->installEventFilter(&paints);
        list->setAttributes(jsonFixture(edit), false, false);
        list->applyAttributes(jsonFixture(edit));
        QTRY_VERIFY(paints.count > 0);
        list->removeEventFilter(&paints);
    }
    const QImage drawn = renderSelf(list);
    QCOMPARE(drawn.pixelColor(list->cells().first()->geometry().center()), QColor(0x12, 0x34, 0x56));
    QVERIFY(countNear(drawn.copy(list->captions().first()->geometry()), QColor(0x65, 0x43, 0x21)) > 0);

    // A shown list or matrix built again places the parts it draws at once,
    // before it is drawn again.
    UIBase *matrix = make(163, R"({"y":620,"w":400,"h":300})");
    matrix->show();
    settle(matrix);
    editLikePage(list, jsonFixture(R"({"show_item_num":3})"));
    editLikePage(matrix, jsonFixture(R"({"btn_text":"Go"})"));
    const QList<BaseItem *> cells = list->cells();
    QCOMPARE(cells.size(), 3);
    QVERIFY(cells.at(0)->geometry().bottom() < cells.at(1)->geometry().top());
    const BaseItem *corner = matrix->findChild<UITableCornerWidget *>();
    for (const BaseItem *button : matrix->findChildren<BaseItem *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (button->isHidden())
            QVERIFY(button->x() > corner->x() && button->y() > corner->y());
    }
}

void TestCompositeKinds::listShowsEveryCountItCanDraw_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("attributes");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("cells"); // 0: fewer than asked, yet a good part of the list's pixels

    // Ordinary counts in short lists: the spacing gives way, the cells do not.
    QTest::newRow("play list 90 high") << 136 << QByteArray(R"({"w":200,"h":90,"direction":1,"show_item_num":10})")
                                       << 1.0 << 10;
    QTest::newRow("play list 60 high") << 136 << QByteArray(R"({"w":200,"h":60,"direction":1})") << 1.0 << 5;
    QTest::newRow("scene list 40 wide") << 111 << QByteArray(R"({"w":40,"h":200,"show_item_num":20})") << 1.0 << 20;
    // The page in page pixels is then larger than any int; the count must not wrap.
    QTest::newRow("12 at a tiny edit zoom") << 135 << QByteArray(R"({"w":1800,"h":100,"show_item_num":12})") << 1e-9
                                            << 12;
    QTest::newRow("huge count in a row") << 136 << QByteArray(R"({"w":300,"h":60,"show_item_num":2000000000})")
                                         << 1.0 << 0;
    QTest::newRow("huge count in a captioned column")
        << 111 << QByteArray(R"({"w":60,"h":300,"direction":1,"show_item_num":2000000000})") << 1.0 << 0;
}

void TestCompositeKinds::listShowsEveryCountItCanDraw()
{
    QFETCH(int, id);
    QFETCH(QByteArray, attributes);
    QFETCH(double, zoom);
    QFETCH(int, cells);
    auto *list = static_cast<UIListWidgetBase *>(make(id, attributes, zoom));
    settle(list);

    const bool row = list->direction() == 0;
    const int length = row ? list->width() : list->height();
    if (cells > 0) {
        QCOMPARE(list->cells().size(), cells);
    } else {
        QVERIFY(list->cells().size() > length / 4 && list->cells().size() < length);
        QCOMPARE(list->attributes().value("show_item_num").toInt(), 2000000000); // stored as given
    }
    QCOMPARE(list->captions().size(), id == 111 || id == 112 ? list->cells().size() : 0);
    QCOMPARE(list->findChildren<BaseItem *>().size(), list->cells().size() + (id == 136 ? 3 : 2));
    if (zoom < 1)
        return;
    // Every cell and button keeps a pixel of its own along the list.
    for (BaseItem *item : list->findChildren<BaseItem *>()) {
        QVERIFY2((row ? item->width() : item->height()) >= 1, qPrintable(item->text()));
        QVERIFY(list->rect().contains(item->geometry()));
    }
    // The list draws its cells and captions as each would draw itself, and
    // shows none of them as a widget.
    const QImage drawn = renderSelf(list);
    QList<QWidget *> parts;
    for (BaseItem *cell : list->cells())
        parts.append(cell);
    for (UILabel *caption : list->captions())
        parts.append(caption);
    for (QWidget *part : parts) {
        QVERIFY(part->isHidden());
        QCOMPARE(drawn.copy(part->geometry()), renderSelf(part));
    }
    // Lengthening the list rebuilds it only where the count changes.
    const QList<BaseItem *> before = list->cells();
    editLikePage(list, QJsonObject{{row ? "w" : "h", 2 * length}});
    QCOMPARE(list->cells() == before, cells > 0);
}

void TestCompositeKinds::pageBuildsBoundedCellsWhateverItsFileAsks()
{
    // A page file of a few kilobytes: 128 lists at the widest page size, each
    // asking for billions of cells, opens at a few times the cost of as many
    // plain controls, and keeps what it asks for.
    int cells = 0;
    QJsonObject last;
    auto open = [&](const QString &type) {
        QJsonArray elements{QJsonObject{{"type", "Page"}, {"w", 15360}, {"h", 8640}}};
        for (int i = 0; i < 128; ++i)
            elements.append(QJsonObject{{"type", type}, {"w", 15360}, {"h", 8640}, {"show_item_num", 2000000000}});
        writeFixture(type + ".json", QJsonDocument(QJsonObject{{"Control", elements}}).toJson());
        PageInfo info;
        info.file = type + ".json";
        info.dir = m_workDir.path();
        qint64 best = std::numeric_limits<qint64>::max();
        for (int repeat = 0; repeat < 3; ++repeat) {
            QElapsedTimer timer;
            timer.start();
            UIPage page;
            page.openPage(info);
            best = std::min(best, timer.nsecsElapsed());
            cells = 0;
            for (UIListWidgetBase *list : page.findChildren<UIListWidgetBase *>()) {
                cells += list->cells().size();
                last = list->attributes();
            }
        }
        return best;
    };
    const qint64 plain = open("CmdButton");
    const qint64 lists = open("Playbuttongroup");
    QVERIFY2(lists < 25 * plain, qPrintable(QString("%1 ms against %2 ms").arg(lists / 1e6).arg(plain / 1e6)));
    QVERIFY2(cells <= CellBudget::kCellsPerPage + 128, qPrintable(QString::number(cells)));
    QCOMPARE(last.value("show_item_num").toInt(), 2000000000);
}

void TestCompositeKinds::pressOnAChildSelectsTheControl_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("part");
    QTest::newRow("play cell") << 136 << "cell";
    QTest::newRow("scene caption") << 111 << "caption";
    QTest::newRow("login button") << 101 << "login";
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
    auto *header = control->findChild<UIAudioMatrixHeader *>();
    QWidget *target = part == "cell"      ? static_cast<QWidget *>(list->cells().at(2))
                      : part == "caption" ? list->captions().at(1)
                      : part == "login"   ? static_cast<UILoginWidget *>(control)->loginButton()
                      : part == "port"    ? static_cast<QWidget *>(header)
                                          : static_cast<UISearchWidget *>(control)->button();
    // Through the window, so that the hit test of a real click decides who gets it.
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    // A port's caption is drawn by its header.
    const QRect area = part == "port" ? header->captionRect(1) : target->rect();
    QVERIFY(target && area.width() > 0);
    const QPoint inWindow = target->mapTo(m_page.get(), area.center());
    QTest::mousePress(m_page->windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow);
    QTest::mouseRelease(m_page->windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow);
    QCOMPARE(selected.count(), 1);
}

void TestCompositeKinds::loginFormRowsAndTitle()
{
    auto *login = static_cast<UILoginWidget *>(make(101, R"({"w":500,"h":400})"));
    QCOMPARE(login->titleCell(), nullptr);
    QStringList all = texts(login->findChildren<BaseItem *>());
    QVERIFY(all.contains("用户名:") && all.contains("记住密码") && all.contains("登录"));
    QCOMPARE(all.size(), 12);
    // Every row, the button's included, gets its share of the form.
    settle(login);
    QVERIFY(login->loginButton()->height() > 20);
    QVERIFY(login->rect().contains(login->loginButton()->geometry()));
    // Without captions the two empty cells stay.
    editLikePage(login, jsonFixture(R"({"tagVisible":0})"));
    all = texts(login->findChildren<BaseItem *>());
    QCOMPARE(all.size(), 8);
    QCOMPARE(all.count(QString()), 2);
    // The title shows its default text while its own is empty, above the rows.
    editLikePage(login, jsonFixture(R"({"titleVisible":1,"loginTitle":""})"));
    QCOMPARE(login->titleCell()->text(), QString("欢迎登录分布式系统"));
    settle(login);
    QVERIFY(login->titleCell()->y() < login->userField()->y());
    // The background takes the window colour at the opacity.
    editLikePage(login, jsonFixture(R"({"winBgColor":"#ff0000","bgOpacity":128})"));
    QCOMPARE(login->normalBkColor(), QString("#80ff0000"));
}

void TestCompositeKinds::switchGeometryMatchesTheDrawing()
{
    auto *status = static_cast<UISwitchButtonBase *>(make(130, R"({"w":120,"h":40})"));
    editLikePage(status, jsonFixture(R"({"bgOffColor":"#ff0000ff","sliderOffColor":"#ffffffff","off_text":"off"})"));
    QCOMPARE(status->offText(), QString("off"));
    QCOMPARE(status->knobRect(), QRect(2, 2, 36, 36));
    QCOMPARE(status->captionRect(), QRect(31, 0, 89, 40));
    // Checked, the knob and the caption change sides; only the status button frames its selection.
    status->setChecked(true);
    status->setSelected(true);
    QCOMPARE(status->knobRect(), QRect(82, 2, 36, 36));
    QCOMPARE(status->captionRect(), QRect(0, 0, 89, 40));
    QVERIFY(countNear(renderSelf(status), QColor(255, 0, 0)) > 100);
    // The preset switch draws its track at alpha 140 and frames no selection.
    auto *preset = static_cast<UISwitchButtonBase *>(buildComposite(124, m_page.get(), status->attributes()));
    preset->setSelected(true);
    const QImage image = renderSelf(preset);
    QCOMPARE(countNear(image, QColor(255, 0, 0)), 0);
    QVERIFY(image.pixelColor(112, 20).blue() > 200 && qAbs(image.pixelColor(112, 20).alpha() - 140) < 10);
}

QTEST_MAIN(TestCompositeKinds)
#include "tst_compositekinds.moc"
