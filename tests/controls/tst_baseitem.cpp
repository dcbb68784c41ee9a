#include "controls/baseitem.h"
#include "core/globalmanager.h"
#include "tests/testsupport.h"

#include <QJsonArray>
#include <QPainter>
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

// What the cell paints itself, on a transparent image (no window background).
QImage renderOnly(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

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

const QColor kFrame(196, 199, 206);

}

class TestBaseItem : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void styleKeyIsNormalisedAndApplied_data();
    void styleKeyIsNormalisedAndApplied();
    void unknownKeyIsNeitherAppliedNorStored();
    void styleGrowsAndAppliesInKeyOrder();
    void emptyStyleDoesNothing();
    void onlyVisibleKeysRepaint_data();
    void onlyVisibleKeysRepaint();

    void backgroundFromColourAlpha_data();
    void backgroundFromColourAlpha();
    void pictureCoversBackgroundAndMissingPictureFallsBack();
    void frameIsDrawn();

    void fontFollowsSizeScaleAndBold_data();
    void fontFollowsSizeScaleAndBold();
    void verticalTextHasOneCharacterPerLine();
    void textColourFallsBackToBlue();
    void repeatedPaintingKeepsTextAndFlags();
    void grabLooksRight();

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
    QTest::addColumn<QJsonValue>("stored");
    QTest::addColumn<QRect>("geometry");

    // Every cell starts at (10, 20) with size 80 x 40.
    const QRect start(10, 20, 80, 40);
    QTest::newRow("w scaled") << 0.5 << "w" << QJsonValue(100) << QJsonValue(100) << QRect(10, 20, 50, 40);
    QTest::newRow("w as string keeps width") << 0.5 << "w" << QJsonValue("100") << QJsonValue(80) << start;
    QTest::newRow("h fraction cut") << 1.0 << "h" << QJsonValue(12.9) << QJsonValue(12) << QRect(10, 20, 80, 12);
    QTest::newRow("x half rounds up") << 1.5 << "x" << QJsonValue(15) << QJsonValue(15) << QRect(23, 20, 80, 40);
    QTest::newRow("x keeps width") << 1.0 << "x" << QJsonValue(100) << QJsonValue(100) << QRect(100, 20, 80, 40);
    QTest::newRow("y negative half rounds up") << 0.5 << "y" << QJsonValue(-3) << QJsonValue(-3) << QRect(10, -1, 80, 40);
    QTest::newRow("y as bool keeps top") << 2.0 << "y" << QJsonValue(true) << QJsonValue(20) << start;
    QTest::newRow("colour from number is empty") << 1.0 << "normalBkColor" << QJsonValue(5) << QJsonValue("") << start;
    QTest::newRow("colour kept") << 1.0 << "normalColor" << QJsonValue("#ff112233") << QJsonValue("#ff112233") << start;
    QTest::newRow("pressed colour stored") << 1.0 << "pressBkColor" << QJsonValue("#ff000000") << QJsonValue("#ff000000") << start;
    QTest::newRow("fontsize from string is 0") << 1.0 << "fontsize" << QJsonValue("12") << QJsonValue(0) << start;
    QTest::newRow("bold number") << 1.0 << "bold" << QJsonValue(1) << QJsonValue(1) << start;
    QTest::newRow("direction from array is 0") << 1.0 << "direction" << QJsonValue(QJsonArray{1}) << QJsonValue(0) << start;
    QTest::newRow("text from null is empty") << 1.0 << "text" << QJsonValue() << QJsonValue("") << start;
    QTest::newRow("picture path stored unchanged") << 1.0 << "normal_image_path" << QJsonValue("C:\\img\\a.png")
                                                   << QJsonValue("C:\\img\\a.png") << start;
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
    QCOMPARE(item.style().size(), 1);
    QCOMPARE(item.geometry(), geometry);
}

void TestBaseItem::unknownKeyIsNeitherAppliedNorStored()
{
    BaseItem item;
    item.setGeometry(0, 0, 30, 30);
    item.setStyle(QJsonObject{{"item_normalColor", "#ffff0000"}, {"width", 300}, {"X", 5}}, true);
    QVERIFY(item.style().isEmpty());
    QCOMPARE(item.geometry(), QRect(0, 0, 30, 30));
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

void TestBaseItem::emptyStyleDoesNothing()
{
    QWidget host;
    host.resize(100, 100);
    auto *item = new CountingItem(&host);
    item->setGeometry(0, 0, 40, 40);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCoreApplication::processEvents();
    const int before = item->paints;

    item->setStyle(QJsonObject(), true);
    QCoreApplication::processEvents();
    QCOMPARE(item->paints, before);
    QVERIFY(item->style().isEmpty());

    // A real style with repaint does paint, so the counter can see it.
    item->setStyle(QJsonObject{{"text", "x"}}, true);
    QTRY_VERIFY(item->paints > before);
}

void TestBaseItem::onlyVisibleKeysRepaint_data()
{
    QTest::addColumn<QString>("key");
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
    QTest::newRow("pressColor") << "pressColor" << QJsonValue("#ff00ff00") << false;
    QTest::newRow("press picture") << "press_image_path" << QJsonValue("b.png") << false;
    QTest::newRow("unknown") << "title" << QJsonValue("b") << false;
}

void TestBaseItem::onlyVisibleKeysRepaint()
{
    QFETCH(QString, key);
    QFETCH(QJsonValue, value);
    QFETCH(bool, repaints);

    QWidget host;
    host.resize(100, 100);
    auto *item = new CountingItem(&host);
    item->setGeometry(0, 0, 40, 40);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCoreApplication::processEvents();
    const int before = item->paints;

    item->setStyleValue(key, value, false);
    QCoreApplication::processEvents();
    QCOMPARE(item->paints, before);

    item->setStyleValue(key, value, true);
    QCoreApplication::processEvents();
    QCOMPARE(item->paints > before, repaints);
}

void TestBaseItem::backgroundFromColourAlpha_data()
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

void TestBaseItem::backgroundFromColourAlpha()
{
    QFETCH(QJsonObject, style);
    QFETCH(QRgb, centre);

    BaseItem item;
    item.resize(40, 30);
    item.setStyle(style, false);
    const QImage image = renderOnly(&item);
    QCOMPARE(image.pixel(20, 15), centre);
}

void TestBaseItem::pictureCoversBackgroundAndMissingPictureFallsBack()
{
    QImage green(8, 8, QImage::Format_ARGB32);
    green.fill(QColor(0, 200, 0));
    QVERIFY(green.save(m_workDir->filePath("img/cell.png")) || (QDir().mkpath(m_workDir->filePath("img"))
                                                                && green.save(m_workDir->filePath("img/cell.png"))));

    BaseItem item;
    item.resize(40, 30);
    item.setFileDir(m_workDir->filePath("img"));
    item.setStyle(QJsonObject{{"normalBkColor", "#ffff0000"}, {"normal_image_path", "D:\\old\\place\\cell.png"}}, false);
    QCOMPARE(renderOnly(&item).pixel(20, 15), qRgb(0, 200, 0));

    item.setStyleValue("normal_image_path", "missing.png", false);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(renderOnly(&item).pixel(20, 15), qRgb(255, 0, 0));
}

void TestBaseItem::frameIsDrawn()
{
    BaseItem item;
    item.resize(40, 30);
    item.setStyle(QJsonObject{{"normalBkColor", "#ff000000"}}, false);
    const QImage image = renderOnly(&item);
    QCOMPARE(image.pixelColor(0, 15), kFrame);
    QCOMPARE(image.pixelColor(20, 0), kFrame);
    QCOMPARE(image.pixelColor(20, 15), QColor(Qt::black));
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
    QTest::newRow("plain") << QJsonObject{{"fontsize", 20}} << 1.0 << 1.0 << 20 << 50;
    QTest::newRow("no size keeps default") << QJsonObject{{"fontsize", 0}} << 1.5 << 2.0 << defaultPixels << 50;
    QTest::newRow("bold") << QJsonObject{{"fontsize", 10}, {"bold", 1}} << 1.0 << 1.0 << 10 << 75;
    QTest::newRow("bold zero") << QJsonObject{{"fontsize", 10}, {"bold", 0}} << 1.0 << 1.0 << 10 << 50;
    QTest::newRow("rounds to nothing keeps default") << QJsonObject{{"fontsize", 1}} << 0.9 << 0.5 << defaultPixels << 50;
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
    const QFont font = item.textFont();
    QCOMPARE(font.pixelSize(), pixelSize);
    QCOMPARE(font.weight(), weight);
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
    QVERIFY(countColour(renderOnly(&item), QColor(0, 0, 255), inside) > 10);

    item.setStyleValue("normalColor", "#ffff0000", false);
    const QImage red = renderOnly(&item);
    QVERIFY(countColour(red, QColor(255, 0, 0), inside) > 10);
    QCOMPARE(countColour(red, QColor(0, 0, 255), inside), 0);
}

void TestBaseItem::repeatedPaintingKeepsTextAndFlags()
{
    BaseItem item;
    item.resize(40, 120);
    item.setStyle(QJsonObject{{"text", "AB"}, {"direction", 1}, {"fontsize", 16}, {"normalColor", "#ff000000"},
                              {"normalBkColor", "#ffffffff"}},
                  false);
    const QRect inside(3, 3, 34, 114);
    const int first = countColour(renderOnly(&item), Qt::black, inside);
    QVERIFY(first > 10);
    const int flags = item.alignment();
    QCOMPARE(flags, int(Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap));
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(countColour(renderOnly(&item), Qt::black, inside), first);
        QCOMPARE(item.alignment(), flags);
    }
}

void TestBaseItem::grabLooksRight()
{
    GlobalManager::instance()->setScreenMetrics(96.0, 1.0, 1.0);
    QWidget host;
    host.resize(260, 120);
    auto *horizontal = new BaseItem(&host);
    horizontal->setStyle(QJsonObject{{"x", 10}, {"y", 10}, {"w", 150}, {"h", 40}, {"text", QStringLiteral("会议室")},
                                     {"fontsize", 18}, {"bold", 1}, {"normalColor", "#ffffffff"},
                                     {"normalBkColor", "#ff2f7de1"}},
                         false);
    auto *vertical = new BaseItem(&host);
    vertical->setStyle(QJsonObject{{"x", 180}, {"y", 5}, {"w", 60}, {"h", 110}, {"text", QStringLiteral("输入")},
                                   {"direction", 1}, {"fontsize", 16}},
                       false);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const QString out = QDir::temp().filePath("brivane_baseitem.png");
    QVERIFY(host.grab().save(out));
    qDebug() << "grabbed" << out;
}

QTEST_MAIN(TestBaseItem)
#include "tst_baseitem.moc"
