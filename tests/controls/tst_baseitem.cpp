#include "controls/baseitem.h"
#include "app/globalmanager.h"
#include "tests/testsupport.h"

#include <QJsonArray>
#include <QtTest>

#include <memory>

namespace {

class CountingItem : public BaseItem
{
public:
    using BaseItem::BaseItem;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ++paints;
        BaseItem::paintEvent(event);
    }
};

// A cell shown in a window, with its first paints behind it.
struct ShownItem {
    QWidget host;
    CountingItem *item = new CountingItem(&host);
    int settledPaints = -1;

    ShownItem()
    {
        host.resize(100, 100);
        item->setGeometry(0, 0, 40, 40);
        host.show();
        if (QTest::qWaitForWindowExposed(&host)) {
            QCoreApplication::processEvents();
            settledPaints = item->paints;
        }
    }
    bool repainted()
    {
        QCoreApplication::processEvents();
        return item->paints > settledPaints;
    }
};

int countColour(const QImage &image, const QColor &colour, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - colour.red()) < 60 && qAbs(c.green() - colour.green()) < 60
                && qAbs(c.blue() - colour.blue()) < 60 && c.alpha() > 100)
                ++count;
        }
    }
    return count;
}

} // namespace

class TestBaseItem : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void styleKeyIsNormalisedAndApplied_data();
    void styleKeyIsNormalisedAndApplied();
    void styleGrowsAndAppliesInKeyOrder();
    void onlyVisibleKeysRepaint_data();
    void onlyVisibleKeysRepaint();

    void backgroundFromColourAlphaInsideFrame_data();
    void backgroundFromColourAlphaInsideFrame();
    void pictureCoversBackgroundAndMissingPictureFallsBack();

    void fontFollowsSizeScaleAndBold_data();
    void fontFollowsSizeScaleAndBold();
    void verticalTextHasOneCharacterPerLine();
    void textColourFallsBackToBlue();
    void repeatedPaintingKeepsTextAndFlags();

private:
    std::unique_ptr<TestWorkDir> m_workDir;
};

void TestBaseItem::init()
{
    m_workDir.reset(new TestWorkDir);
    QVERIFY(m_workDir->isValid());
}

void TestBaseItem::cleanup()
{
    GlobalManager::resetInstance();
    m_workDir.reset();
}

void TestBaseItem::styleKeyIsNormalisedAndApplied_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<QJsonValue>("stored"); // undefined: not stored at all
    QTest::addColumn<QRect>("geometry");

    // Every cell starts at (10, 20) with size 80 x 40.
    const QRect start(10, 20, 80, 40);
    QTest::newRow("w scaled") << 0.5 << "w" << QJsonValue(100) << QJsonValue(100) << QRect(10, 20, 50, 40);
    QTest::newRow("w as string keeps width") << 0.5 << "w" << QJsonValue("100") << QJsonValue(80) << start;
    QTest::newRow("h fraction cut") << 1.0 << "h" << QJsonValue(12.9) << QJsonValue(12) << QRect(10, 20, 80, 12);
    QTest::newRow("x half rounds up") << 1.5 << "x" << QJsonValue(15) << QJsonValue(15) << QRect(23, 20, 80, 40);
    QTest::newRow("y negative half rounds up") << 0.5 << "y" << QJsonValue(-3) << QJsonValue(-3) << QRect(10, -1, 80, 40);
    QTest::newRow("y as bool keeps top") << 2.0 << "y" << QJsonValue(true) << QJsonValue(20) << start;
    QTest::newRow("colour from number is empty") << 1.0 << "normalBkColor" << QJsonValue(5) << QJsonValue("") << start;
    QTest::newRow("fontsize from string is 0") << 1.0 << "fontsize" << QJsonValue("12") << QJsonValue(0) << start;
    QTest::newRow("direction from array is 0") << 1.0 << "direction" << QJsonValue(QJsonArray{1}) << QJsonValue(0) << start;
    QTest::newRow("text from null is empty") << 1.0 << "text" << QJsonValue() << QJsonValue("") << start;
    QTest::newRow("picture path stored unchanged") << 1.0 << "normal_image_path" << QJsonValue("C:\\img\\a.png")
                                                   << QJsonValue("C:\\img\\a.png") << start;
    const QJsonValue none(QJsonValue::Undefined);
    QTest::newRow("list key unknown") << 1.0 << "item_normalColor" << QJsonValue("#ffff0000") << none << start;
    QTest::newRow("geometry key in other case unknown") << 1.0 << "X" << QJsonValue(5) << none << start;
}

void TestBaseItem::styleKeyIsNormalisedAndApplied()
{
    QFETCH(double, scale);
    QFETCH(QString, key);
    QFETCH(QJsonValue, value);
    QFETCH(QJsonValue, stored);
    QFETCH(QRect, geometry);

    QWidget host;
    BaseItem item(&host);
    item.setGeometry(10, 20, 80, 40);
    item.setScale(scale);
    item.setStyleValue(key, value, true);
    QCOMPARE(item.style().value(key), stored);
    QCOMPARE(item.style().size(), stored.isUndefined() ? 0 : 1);
    QCOMPARE(item.geometry(), geometry);
}

void TestBaseItem::styleGrowsAndAppliesInKeyOrder()
{
    BaseItem item;
    item.setFileDir("/p");
    item.setStyle(QJsonObject{{"x", 4}, {"y", 6}, {"w", 50}, {"h", 20}, {"text", "A"},
                              {"normal_image_path", "C:\\img\\a.png"}, {"press_image_path", "b/c.png"}},
                  false);
    QCOMPARE(item.geometry(), QRect(4, 6, 50, 20));
    QCOMPARE(item.normalPictureFile(), QStringLiteral("/p/a.png"));
    QCOMPARE(item.pressPictureFile(), QStringLiteral("/p/c.png"));

    item.setStyle(QJsonObject{{"text", "B"}}, false);
    // Keys are never dropped: a later style only adds or overwrites.
    QCOMPARE(item.style().size(), 7);
    QCOMPARE(item.text(), QStringLiteral("B"));

    item.setStyleValue("normal_image_path", "", false);
    QCOMPARE(item.normalPictureFile(), QString());
}

void TestBaseItem::onlyVisibleKeysRepaint_data()
{
    QTest::addColumn<QString>("key"); // empty: an empty style object instead
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<bool>("repaints");

    QTest::newRow("normalBkColor") << "normalBkColor" << QJsonValue("#ff00ff00") << true;
    QTest::newRow("normalColor") << "normalColor" << QJsonValue("#ff00ff00") << true;
    QTest::newRow("text") << "text" << QJsonValue("t") << true;
    QTest::newRow("fontsize") << "fontsize" << QJsonValue(9) << true;
    QTest::newRow("bold") << "bold" << QJsonValue(1) << true;
    QTest::newRow("direction") << "direction" << QJsonValue(1) << true;
    QTest::newRow("normal picture") << "normal_image_path" << QJsonValue("a.png") << true;
    QTest::newRow("pressBkColor") << "pressBkColor" << QJsonValue("#ff00ff00") << false;
    QTest::newRow("press picture") << "press_image_path" << QJsonValue("b.png") << false;
    QTest::newRow("unknown") << "title" << QJsonValue("b") << false;
    QTest::newRow("empty style") << QString() << QJsonValue() << false;
}

void TestBaseItem::onlyVisibleKeysRepaint()
{
    QFETCH(QString, key);
    QFETCH(QJsonValue, value);
    QFETCH(bool, repaints);
    ShownItem shown;
    QVERIFY(shown.settledPaints >= 0);
    auto apply = [&](bool repaint) {
        if (key.isEmpty())
            shown.item->setStyle(QJsonObject(), repaint);
        else
            shown.item->setStyleValue(key, value, repaint);
    };
    apply(false);
    QVERIFY(!shown.repainted());
    apply(true);
    QCOMPARE(shown.repainted(), repaints);
}

void TestBaseItem::backgroundFromColourAlphaInsideFrame_data()
{
    QTest::addColumn<QJsonObject>("style");
    QTest::addColumn<QRgb>("centre");

    const QRgb none = qRgba(0, 0, 0, 0);
    QTest::newRow("default is white") << QJsonObject() << qRgba(255, 255, 255, 255);
    QTest::newRow("empty colour paints nothing") << QJsonObject{{"normalBkColor", ""}} << none;
    QTest::newRow("alpha 00 paints nothing") << QJsonObject{{"normalBkColor", "#00ff0000"}} << none;
    QTest::newRow("alpha ff fills") << QJsonObject{{"normalBkColor", "#ffff0000"}} << qRgba(255, 0, 0, 255);
    QTest::newRow("six digits fill") << QJsonObject{{"normalBkColor", "#00ff00"}} << qRgba(0, 255, 0, 255);
    QTest::newRow("unreadable colour paints nothing") << QJsonObject{{"normalBkColor", "red-ish"}} << none;
}

void TestBaseItem::backgroundFromColourAlphaInsideFrame()
{
    QFETCH(QJsonObject, style);
    QFETCH(QRgb, centre);

    BaseItem item;
    item.resize(40, 30);
    item.setStyle(style, false);
    const QImage image = renderSelf(&item);
    QCOMPARE(image.pixel(20, 15), centre);
    const QColor frame(196, 199, 206);
    QCOMPARE(image.pixelColor(0, 15), frame);
    QCOMPARE(image.pixelColor(20, 0), frame);
}

void TestBaseItem::pictureCoversBackgroundAndMissingPictureFallsBack()
{
    QVERIFY(QDir().mkpath(m_workDir->filePath("img")));
    QVERIFY(writeColourPicture(m_workDir->filePath("img/cell.png"), QColor(0, 200, 0)));

    BaseItem item;
    item.resize(40, 30);
    item.setFileDir(m_workDir->filePath("img"));
    item.setStyle(QJsonObject{{"normalBkColor", "#ffff0000"}, {"normal_image_path", "D:\\old\\place\\cell.png"}}, false);
    QCOMPARE(renderSelf(&item).pixel(20, 15), qRgb(0, 200, 0));

    item.setStyleValue("normal_image_path", "missing.png", false);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(renderSelf(&item).pixel(20, 15), qRgb(255, 0, 0));
}

void TestBaseItem::fontFollowsSizeScaleAndBold_data()
{
    QTest::addColumn<QJsonObject>("style");
    QTest::addColumn<double>("fitScale");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<int>("weight");

    const int defaultPixels = QFont().pixelSize();
    QTest::newRow("fit 1.5, zoom 0.6") << QJsonObject{{"fontsize", 14}} << 1.5 << 0.6 << 12 << 50;
    QTest::newRow("no size keeps default") << QJsonObject{{"fontsize", 0}} << 1.5 << 2.0 << defaultPixels << 50;
    QTest::newRow("bold") << QJsonObject{{"fontsize", 10}, {"bold", 1}} << 1.0 << 1.0 << 10 << 75;
    QTest::newRow("bold zero") << QJsonObject{{"fontsize", 10}, {"bold", 0}} << 1.0 << 1.0 << 10 << 50;
    QTest::newRow("rounds to nothing keeps default") << QJsonObject{{"fontsize", 1}} << 0.9 << 0.5 << defaultPixels << 50;
    // Stored sizes near the int limit stay huge instead of wrapping around.
    QTest::newRow("largest size on a large screen") << QJsonObject{{"fontsize", 2147483647}} << 1.5 << 1.0 << 16777215 << 50;
    QTest::newRow("large size at a zoom above one") << QJsonObject{{"fontsize", 2000000000}} << 1.0 << 2.0 << 16777215 << 50;
}

void TestBaseItem::fontFollowsSizeScaleAndBold()
{
    QFETCH(QJsonObject, style);
    QFETCH(double, fitScale);
    QFETCH(double, scale);
    QFETCH(int, pixelSize);
    QFETCH(int, weight);

    GlobalManager::instance()->setScreenMetrics(96.0, fitScale, 1.0);
    BaseItem item;
    item.setScale(scale);
    item.setStyle(style, false);
    QCOMPARE(item.textFont().pixelSize(), pixelSize);
    QCOMPARE(item.textFont().weight(), weight);
}

void TestBaseItem::verticalTextHasOneCharacterPerLine()
{
    BaseItem item;
    item.setStyle(QJsonObject{{"text", QStringLiteral("音量")}, {"direction", 1}}, false);
    QCOMPARE(item.displayText().split('\n'), (QStringList{"", QStringLiteral("音"), QStringLiteral("量"), ""}));
    item.setStyleValue("direction", 0, false);
    QCOMPARE(item.displayText(), QStringLiteral("音量"));
}

void TestBaseItem::textColourFallsBackToBlue()
{
    BaseItem item;
    item.resize(80, 40);
    item.setStyle(QJsonObject{{"text", "WWW"}, {"fontsize", 20}, {"normalBkColor", "#ffffffff"}}, false);
    const QRect inside(3, 3, 74, 34);
    QVERIFY(countColour(renderSelf(&item), QColor(0, 0, 255), inside) > 10);

    item.setStyleValue("normalColor", "#ffff0000", false);
    const QImage red = renderSelf(&item);
    QVERIFY(countColour(red, QColor(255, 0, 0), inside) > 10);
    QCOMPARE(countColour(red, QColor(0, 0, 255), inside), 0);
}

void TestBaseItem::repeatedPaintingKeepsTextAndFlags()
{
    // A cell with vertical text is painted again and again on the canvas; its
    // text and alignment flags must stay as they were after the first paint.
    BaseItem item;
    item.resize(40, 120);
    item.setStyle(QJsonObject{{"text", "AB"}, {"direction", 1}, {"fontsize", 16}, {"normalColor", "#ff000000"},
                              {"normalBkColor", "#ffffffff"}},
                  false);
    const QRect inside(3, 3, 34, 114);
    const int first = countColour(renderSelf(&item), Qt::black, inside);
    QVERIFY(first > 10);
    const int flags = item.alignment();
    QCOMPARE(flags, int(Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap));
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(countColour(renderSelf(&item), Qt::black, inside), first);
        QCOMPARE(item.alignment(), flags);
    }
}

QTEST_MAIN(TestBaseItem)
#include "tst_baseitem.moc"
