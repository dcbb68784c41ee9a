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
    void jsonIntWritesOnlyNumbers_data();
    void jsonIntWritesOnlyNumbers();
    void jsonStringWritesOnlyStrings_data();
    void jsonStringWritesOnlyStrings();
    void jsonRectAppendsObjectCells_data();
    void jsonRectAppendsObjectCells();

    void colorStringHasAlphaFirst_data();
    void colorStringHasAlphaFirst();
    void hexTokensBecomeBytes_data();
    void hexTokensBecomeBytes();
    void md5HexOfUtf8Text_data();
    void md5HexOfUtf8Text();

    void ipv4AddressWholeText_data();
    void ipv4AddressWholeText();
    void digitsAfterTrimming_data();
    void digitsAfterTrimming();

    void utf8PrefixEndsOnCharacter_data();
    void utf8PrefixEndsOnCharacter();
    void copyCStringBoundedField_data();
    void copyCStringBoundedField();
};

namespace {
QJsonObject objectFrom(const char *json)
{
    return QJsonDocument::fromJson(QByteArray(json)).object();
}
} // namespace

void TestUtils::jsonIntWritesOnlyNumbers_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("value");

    // The variable starts at 77: anything but status 0 must leave it there.
    QTest::newRow("integer") << QByteArray(R"({"k": 12})") << 0 << 12;
    QTest::newRow("fraction cut off") << QByteArray(R"({"k": 12.9})") << 0 << 12;
    QTest::newRow("negative fraction toward zero") << QByteArray(R"({"k": -3.7})") << 0 << -3;
    QTest::newRow("above int range held") << QByteArray(R"({"k": 1e12})") << 0 << INT_MAX;
    QTest::newRow("below int range held") << QByteArray(R"({"k": -1e12})") << 0 << INT_MIN;
    QTest::newRow("digits in a string") << QByteArray(R"({"k": "12"})") << 2 << 77;
    QTest::newRow("bool") << QByteArray(R"({"k": true})") << 2 << 77;
    QTest::newRow("null") << QByteArray(R"({"k": null})") << 2 << 77;
    QTest::newRow("array") << QByteArray(R"({"k": [12]})") << 2 << 77;
    QTest::newRow("object") << QByteArray(R"({"k": {"k": 12}})") << 2 << 77;
    QTest::newRow("key differs in case") << QByteArray(R"({"K": 12})") << 1 << 77;
}

void TestUtils::jsonIntWritesOnlyNumbers()
{
    QFETCH(QByteArray, json);
    QFETCH(int, status);
    QFETCH(int, value);
    int variable = 77;
    QCOMPARE(jsonInt(objectFrom(json.constData()), QStringLiteral("k"), &variable), status);
    QCOMPARE(variable, value);
    // Keys spelled in the code take the other overload: the same result.
    int latin = 77;
    QCOMPARE(jsonInt(objectFrom(json.constData()), QLatin1String("k"), &latin), status);
    QCOMPARE(latin, value);
}

void TestUtils::jsonStringWritesOnlyStrings_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("value");

    QTest::newRow("string") << QByteArray(R"({"k": "名称"})") << 0 << QString::fromUtf8("名称");
    QTest::newRow("empty string written") << QByteArray(R"({"k": ""})") << 0 << QString();
    QTest::newRow("number") << QByteArray(R"({"k": 5})") << 2 << QString("default");
    QTest::newRow("missing") << QByteArray(R"({"other": "a"})") << 1 << QString("default");
}

void TestUtils::jsonStringWritesOnlyStrings()
{
    QFETCH(QByteArray, json);
    QFETCH(int, status);
    QFETCH(QString, value);
    QString variable = QStringLiteral("default");
    QCOMPARE(jsonString(objectFrom(json.constData()), QStringLiteral("k"), &variable), status);
    QCOMPARE(variable, value);
    QString latin = QStringLiteral("default");
    QCOMPARE(jsonString(objectFrom(json.constData()), QLatin1String("k"), &latin), status);
    QCOMPARE(latin, value);
}

void TestUtils::jsonRectAppendsObjectCells_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("status");
    QTest::addColumn<QVector<QRect>>("appended");

    QTest::newRow("number then full cell")
        << QByteArray(R"({"cells": [1, {"x": 5, "y": 6, "w": 10, "h": 20}]})") << 0
        << QVector<QRect>{QRect(5, 6, 10, 20)};
    QTest::newRow("cells kept in order, non-objects skipped")
        << QByteArray(R"({"cells": ["a", null, [1, 2], {"x": 1, "y": 2, "w": 3, "h": 4},
                                     true, {"x": 7, "y": 8, "w": 9, "h": 10}]})")
        << 0 << QVector<QRect>{QRect(1, 2, 3, 4), QRect(7, 8, 9, 10)};
    QTest::newRow("missing members stay zero")
        << QByteArray(R"({"cells": [{"x": 5, "w": 10}]})") << 0 << QVector<QRect>{QRect(5, 0, 10, 0)};
    QTest::newRow("empty object gives empty cell")
        << QByteArray(R"({"cells": [{}]})") << 0 << QVector<QRect>{QRect(0, 0, 0, 0)};
    QTest::newRow("negative members skipped")
        << QByteArray(R"({"cells": [{"x": -1, "y": 4, "w": -5, "h": 3}]})") << 0
        << QVector<QRect>{QRect(0, 4, 0, 3)};
    QTest::newRow("members of the wrong type skipped")
        << QByteArray(R"({"cells": [{"x": "5", "y": true, "w": 10, "h": null}]})") << 0
        << QVector<QRect>{QRect(0, 0, 10, 0)};
    QTest::newRow("fractions cut off")
        << QByteArray(R"({"cells": [{"x": 1.9, "y": 2.5, "w": 3.99, "h": 4.1}]})") << 0
        << QVector<QRect>{QRect(1, 2, 3, 4)};
    QTest::newRow("empty array") << QByteArray(R"({"cells": []})") << 0 << QVector<QRect>();
    QTest::newRow("object instead of array")
        << QByteArray(R"({"cells": {"x": 5, "y": 6, "w": 10, "h": 20}})") << 2 << QVector<QRect>();
    QTest::newRow("string instead of array") << QByteArray(R"({"cells": "[]"})") << 2 << QVector<QRect>();
    QTest::newRow("missing") << QByteArray(R"({"cell": []})") << 1 << QVector<QRect>();
}

void TestUtils::jsonRectAppendsObjectCells()
{
    QFETCH(QByteArray, json);
    QFETCH(int, status);
    QFETCH(QVector<QRect>, appended);

    // What the caller already holds is kept; cells are appended after it.
    const QRect earlier(9, 9, 1, 1);
    QVector<QRect> rects{earlier};
    QCOMPARE(jsonRect(objectFrom(json.constData()), QStringLiteral("cells"), &rects), status);
    QCOMPARE(rects, QVector<QRect>{earlier} + appended);
}

void TestUtils::colorStringHasAlphaFirst_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<int>("alpha");
    QTest::addColumn<QString>("text");

    QTest::newRow("opaque red") << QColor(255, 0, 0) << 255 << QString("#ffff0000");
    QTest::newRow("alpha 0 leaves alpha out") << QColor(255, 0, 0) << 0 << QString("#ff0000");
    QTest::newRow("half alpha") << QColor(255, 0, 0) << 128 << QString("#80ff0000");
    QTest::newRow("colour's own alpha ignored") << QColor(0, 255, 0, 10) << 128 << QString("#8000ff00");
    QTest::newRow("small values padded") << QColor(1, 2, 3) << 10 << QString("#0a010203");
    QTest::newRow("lower case") << QColor(0xAB, 0xCD, 0xEF) << 0xFE << QString("#feabcdef");
    QTest::newRow("alpha above range held at 255") << QColor(1, 2, 3) << 300 << QString("#ff010203");
    QTest::newRow("negative alpha held at 0") << QColor(1, 2, 3) << -5 << QString("#010203");
}

void TestUtils::colorStringHasAlphaFirst()
{
    QFETCH(QColor, color);
    QFETCH(int, alpha);
    QFETCH(QString, text);
    const QString result = colorToString(color, alpha);
    QCOMPARE(result, text);

    // Readers parse the stored string back with QColor.
    const QColor parsed(result);
    QVERIFY(parsed.isValid());
    QCOMPARE(parsed.rgb() & 0xFFFFFF, color.rgb() & 0xFFFFFF);
}

void TestUtils::hexTokensBecomeBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("bad token skipped, low byte kept")
        << QString("  0A   ff  1G   100  ") << QByteArray("\x0a\xff\x00", 3);
    QTest::newRow("tabs and line breaks separate") << QString("01\t02\n\r03") << QByteArray("\x01\x02\x03");
    QTest::newRow("upper and lower case") << QString("aB Cd") << QByteArray("\xab\xcd");
    QTest::newRow("long token keeps low byte") << QString("12345") << QByteArray("\x45");
    QTest::newRow("nothing readable") << QString("zz qq") << QByteArray();
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("blanks only") << QString("   ") << QByteArray();
}

void TestUtils::hexTokensBecomeBytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(textToByteArray(text), bytes);
}

void TestUtils::md5HexOfUtf8Text_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("digest");

    QTest::newRow("empty gives empty") << QString() << QString();
    QTest::newRow("rfc 1321 abc") << QString("abc") << QString("900150983cd24fb0d6963f7d28e17f72");
    QTest::newRow("chinese hashed as utf-8")
        << QString::fromUtf8("中文") << QString("a7bac2239fcdcb3a067903d8077c4a07");
    QTest::newRow("mixed") << QString::fromUtf8("Brivane 触摸屏") << QString("c6fc82b9899ebd0e2e436a86fa28d911");
}

void TestUtils::md5HexOfUtf8Text()
{
    QFETCH(QString, text);
    QFETCH(QString, digest);
    QCOMPARE(md5Hex(text), digest);
}

void TestUtils::ipv4AddressWholeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("private address") << QString("192.168.1.10") << true;
    QTest::newRow("all zero") << QString("0.0.0.0") << true;
    QTest::newRow("all 255") << QString("255.255.255.255") << true;
    QTest::newRow("leading zeros") << QString("010.001.02.3") << true;
    QTest::newRow("249 and 250") << QString("249.250.199.200") << true;
    QTest::newRow("256") << QString("256.1.1.1") << false;
    QTest::newRow("three parts") << QString("1.2.3") << false;
    QTest::newRow("five parts") << QString("1.2.3.4.5") << false;
    QTest::newRow("leading blank") << QString(" 1.2.3.4") << false;
    QTest::newRow("trailing line break") << QString("1.2.3.4\n") << false;
    QTest::newRow("four digits") << QString("1.2.3.0400") << false;
    QTest::newRow("empty part") << QString("1..2.3") << false;
    QTest::newRow("negative") << QString("1.2.3.-1") << false;
    QTest::newRow("prefix length") << QString("192.168.1.10/24") << false;
    QTest::newRow("port") << QString("192.168.1.10:8861") << false;
    QTest::newRow("trailing letter") << QString("1.2.3.4a") << false;
    QTest::newRow("full-width digits") << QString::fromUtf8("１.２.３.４") << false;
    QTest::newRow("empty") << QString() << false;
}

void TestUtils::ipv4AddressWholeText()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(isIpv4Address(text), accepted);
}

void TestUtils::digitsAfterTrimming_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("blanks around") << QString(" 42 ") << true;
    QTest::newRow("leading zeros") << QString("007") << true;
    QTest::newRow("blank inside") << QString("4 2") << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("blanks only") << QString("   ") << false;
    QTest::newRow("sign") << QString("-1") << false;
    QTest::newRow("fraction") << QString("1.5") << false;
    // The digits are later read with toInt(), which knows only ASCII digits.
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("٣٤") << false;
}

void TestUtils::digitsAfterTrimming()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(isDigits(text), accepted);
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
    QTest::newRow("inside the first character") << chinese << 2 << 0;
    QTest::newRow("two-byte characters") << QString::fromUtf8("ééé").toUtf8() << 5 << 4;
    QTest::newRow("four-byte character") << QString::fromUtf8("😀x").toUtf8() << 3 << 0;
    QTest::newRow("after four-byte character") << QString::fromUtf8("😀x").toUtf8() << 4 << 4;
    QTest::newRow("zero limit") << QByteArray("abc") << 0 << 0;
    QTest::newRow("negative limit") << QByteArray("abc") << -1 << 0;
    // Malformed text is cut where it stands rather than eaten backwards.
    QTest::newRow("stray continuation bytes") << QByteArray("\x80\x80\x80\x80\x80") << 3 << 3;
    QTest::newRow("continuation after a full character") << QByteArray("\xe4\xb8\xad\x80") << 3 << 3;
}

void TestUtils::utf8PrefixEndsOnCharacter()
{
    QFETCH(QByteArray, utf8);
    QFETCH(int, maxBytes);
    QFETCH(int, length);
    QCOMPARE(utf8Prefix(utf8, maxBytes), utf8.left(length));
    QCOMPARE(utf8PrefixLength(utf8.constData(), maxBytes), length);
    QCOMPARE(utf8PrefixLength(utf8.constData(), utf8.size(), maxBytes), length);
}

void TestUtils::copyCStringBoundedField_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<int>("size");
    QTest::addColumn<char>("filler");
    QTest::addColumn<QByteArray>("field");

    const QByteArray chinese = QString::fromUtf8("中文").toUtf8();
    QTest::newRow("ascii cut, last byte left as it was")
        << QByteArray("abcdef") << 4 << '#' << QByteArray("abc#");
    QTest::newRow("nothing written past the text") << QByteArray("ab") << 6 << '#' << QByteArray("ab####");
    QTest::newRow("chinese cut before a split character")
        << chinese << 6 << '\0' << chinese.left(3) + QByteArray(3, '\0');
    QTest::newRow("chinese exact fit") << chinese << 7 << '\0' << chinese + QByteArray(1, '\0');
    QTest::newRow("ascii then chinese") << QString::fromUtf8("a中").toUtf8() << 4 << '\0'
                                        << QByteArray("a\0\0\0", 4);
    QTest::newRow("field of one byte") << QByteArray("abc") << 1 << '#' << QByteArray("#");
    QTest::newRow("empty source") << QByteArray() << 4 << '#' << QByteArray("####");
}

void TestUtils::copyCStringBoundedField()
{
    QFETCH(QByteArray, source);
    QFETCH(int, size);
    QFETCH(char, filler);
    QFETCH(QByteArray, field);

    // One guard byte past the field catches a write beyond its size.
    QByteArray buffer(size + 1, filler);
    buffer[size] = '\x7f';
    copyCString(buffer.data(), size, source.constData());
    QCOMPARE(buffer.left(size), field);
    QCOMPARE(buffer.at(size), '\x7f');

    if (filler == '\0') {
        QCOMPARE(buffer.at(size - 1), '\0');
        // A zeroed field reads back as whole characters only.
        const QByteArray text(buffer.constData());
        QCOMPARE(QString::fromUtf8(text).toUtf8(), text);
    }
}

QTEST_GUILESS_MAIN(TestUtils)
#include "tst_utils.moc"
