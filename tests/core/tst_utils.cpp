#include "core/jsonutils.h"
#include "core/textutils.h"

#include <QColor>
#include <QJsonDocument>
#include <QtTest>

#include <climits>

class TestUtils : public QObject
{
    Q_OBJECT

private slots:
    void jsonGettersWriteOnlyTheirType_data();
    void jsonGettersWriteOnlyTheirType();
    void textChecks_data();
    void textChecks();
    void utf8PrefixEndsOnCharacter_data();
    void utf8PrefixEndsOnCharacter();
};

void TestUtils::jsonGettersWriteOnlyTheirType_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("intStatus");
    QTest::addColumn<int>("intValue");      // the variable starts at 77
    QTest::addColumn<int>("stringStatus");  // the string starts as "default"
    QTest::addColumn<int>("rectStatus");
    QTest::addColumn<QVector<QRect>>("rects"); // appended to what the caller holds

    const QVector<QRect> none;
    QTest::newRow("fraction cut off") << QByteArray(R"({"k": 12.9})") << 0 << 12 << 2 << 2 << none;
    QTest::newRow("negative fraction toward zero") << QByteArray(R"({"k": -3.7})") << 0 << -3 << 2 << 2 << none;
    QTest::newRow("above int range held") << QByteArray(R"({"k": 1e12})") << 0 << INT_MAX << 2 << 2 << none;
    QTest::newRow("below int range held") << QByteArray(R"({"k": -1e12})") << 0 << INT_MIN << 2 << 2 << none;
    QTest::newRow("digits in a string") << QByteArray(R"({"k": "12"})") << 2 << 77 << 0 << 2 << none;
    QTest::newRow("key differs in case") << QByteArray(R"({"K": 12})") << 1 << 77 << 1 << 1 << none;
    QTest::newRow("cells: non-objects skipped, bad members zero")
        << QByteArray(R"({"k": ["a", {"x": 1, "y": 2, "w": 3, "h": 4}, [1], {"x": -1, "y": "4", "w": 10}]})")
        << 2 << 77 << 2 << 0 << QVector<QRect>{QRect(1, 2, 3, 4), QRect(0, 0, 10, 0)};
}

void TestUtils::jsonGettersWriteOnlyTheirType()
{
    QFETCH(QByteArray, json);
    QFETCH(int, intStatus);
    QFETCH(int, intValue);
    QFETCH(int, stringStatus);
    QFETCH(int, rectStatus);
    QFETCH(QVector<QRect>, rects);
    const QJsonObject object = QJsonDocument::fromJson(json).object();
    int number = 77;
    QCOMPARE(jsonInt(object, QStringLiteral("k"), &number), intStatus);
    QCOMPARE(number, intValue);
    QString text = QStringLiteral("default");
    QCOMPARE(jsonString(object, QStringLiteral("k"), &text), stringStatus);
    QCOMPARE(text, stringStatus == 0 ? object.value("k").toString() : QStringLiteral("default"));
    // Keys spelled in the code take the other overloads: the same results.
    int latinNumber = 77;
    QString latinText = QStringLiteral("default");
    QCOMPARE(jsonInt(object, QLatin1String("k"), &latinNumber), intStatus);
    QCOMPARE(jsonString(object, QLatin1String("k"), &latinText), stringStatus);
    QCOMPARE(qMakePair(latinNumber, latinText), qMakePair(number, text));
    QVector<QRect> held{QRect(9, 9, 1, 1)};
    QCOMPARE(jsonRect(object, QStringLiteral("k"), &held), rectStatus);
    QCOMPARE(held, QVector<QRect>{QRect(9, 9, 1, 1)} + rects);
}

void TestUtils::textChecks_data()
{
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");

    // Alpha first, left out at 0, held within 0..255; the colour's own alpha does not count.
    QTest::newRow("colour, alpha 0") << "colour" << "#ff0000/0" << "#ff0000";
    QTest::newRow("colour, own alpha ignored") << "colour" << "#0a00ff00/128" << "#8000ff00";
    QTest::newRow("colour, alpha above range") << "colour" << "#010203/300" << "#ff010203";
    QTest::newRow("colour, negative alpha") << "colour" << "#010203/-5" << "#010203";
    QTest::newRow("hex: bad token skipped, low byte kept") << "hex" << "  0A   ff  1G   100  " << "0aff00";
    QTest::newRow("hex: tabs and line breaks separate") << "hex" << "01\t02\n\r03" << "010203";
    QTest::newRow("md5 of empty is empty") << "md5" << QString() << QString();
    QTest::newRow("md5 of chinese as utf-8") << "md5" << QString::fromUtf8("中文") << "a7bac2239fcdcb3a067903d8077c4a07";
    QTest::newRow("ip with leading zeros") << "ip" << "010.001.02.3" << "1";
    QTest::newRow("ip 256") << "ip" << "256.1.1.1" << "0";
    QTest::newRow("ip trailing line break") << "ip" << "1.2.3.4\n" << "0";
    QTest::newRow("ip with port") << "ip" << "192.168.1.10:8861" << "0";
    QTest::newRow("digits with blanks around") << "digits" << " 42 " << "1";
    QTest::newRow("digits with blank inside") << "digits" << "4 2" << "0";
    // The digits are later read with toInt(), which knows only ASCII digits.
    QTest::newRow("arabic-indic digits") << "digits" << QString::fromUtf8("٣٤") << "0";
}

void TestUtils::textChecks()
{
    QFETCH(QString, check);
    QFETCH(QString, text);
    QFETCH(QString, result);
    const QString actual = check == "colour" ? colorToString(QColor(text.section('/', 0, 0)), text.section('/', 1).toInt())
                           : check == "hex"  ? QString::fromLatin1(textToByteArray(text).toHex())
                           : check == "md5" ? md5Hex(text)
                           : check == "ip" ? QString::number(isIpv4Address(text))
                                           : QString::number(isDigits(text));
    QCOMPARE(actual, result);
}

void TestUtils::utf8PrefixEndsOnCharacter_data()
{
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<int>("maxBytes");
    QTest::addColumn<int>("length");

    const QByteArray chinese = QString::fromUtf8("中文").toUtf8(); // 3 + 3 bytes
    QTest::newRow("ascii cut") << QByteArray("abcdef") << 3 << 3;
    QTest::newRow("exact fit") << chinese << 6 << 6;
    QTest::newRow("inside the second character") << chinese << 5 << 3;
    QTest::newRow("four-byte character") << QString::fromUtf8("😀x").toUtf8() << 3 << 0;
    QTest::newRow("negative limit") << QByteArray("abc") << -1 << 0;
    // Malformed text is cut where it stands rather than eaten backwards.
    QTest::newRow("stray continuation bytes") << QByteArray("\x80\x80\x80\x80\x80") << 3 << 3;
}

void TestUtils::utf8PrefixEndsOnCharacter()
{
    QFETCH(QByteArray, utf8);
    QFETCH(int, maxBytes);
    QFETCH(int, length);
    QCOMPARE(utf8Prefix(utf8, maxBytes), utf8.left(length));
    QCOMPARE(utf8PrefixLength(utf8.constData(), maxBytes), length);
    QCOMPARE(utf8PrefixLength(utf8.constData(), utf8.size(), maxBytes), length);

    // A field of maxBytes + 1 takes the same prefix and nothing past it; one
    // guard byte after the field catches a write beyond its size.
    const int size = qMax(0, maxBytes) + 1;
    QByteArray field(size + 1, '#');
    field[size] = '\x7f';
    copyCString(field.data(), size, utf8.constData());
    QCOMPARE(field.left(length), utf8.left(length));
    QCOMPARE(field.mid(length), QByteArray(size - length, '#') + '\x7f');
}

QTEST_GUILESS_MAIN(TestUtils)
#include "tst_utils.moc"
