#include "core/controltypetable.h"
#include "core/filenamecheck.h"
#include "core/jsonutils.h"
#include "core/textutils.h"

#include <QColor>
#include <QJsonDocument>
#include <QSet>
#include <QtTest>

#include <climits>

class TestUtils : public QObject
{
    Q_OBJECT

private slots:
    void jsonGettersWriteOnlyTheirType_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("intStatus");
        QTest::addColumn<int>("intValue");       // the variable starts at 77
        QTest::addColumn<int>("stringStatus");   // the string starts as "default"
        QTest::addColumn<int>("rectStatus");
        QTest::addColumn<QVector<QRect>>("rects");   // appended to what the caller holds
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
    void jsonGettersWriteOnlyTheirType()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, intStatus);
        QFETCH(int, intValue);
        QFETCH(int, stringStatus);
        QFETCH(int, rectStatus);
        QFETCH(QVector<QRect>, rects);
        const QJsonObject object = QJsonDocument::fromJson(json).object();
        // Keys spelled in the code take the QLatin1String overloads: the same results.
        int number = 77;
        int latinNumber = 77;
        QString text = QStringLiteral("default");
        QString latinText = text;
        QCOMPARE(jsonInt(object, QStringLiteral("k"), &number), intStatus);
        QCOMPARE(jsonInt(object, QLatin1String("k"), &latinNumber), intStatus);
        QCOMPARE(jsonString(object, QStringLiteral("k"), &text), stringStatus);
        QCOMPARE(jsonString(object, QLatin1String("k"), &latinText), stringStatus);
        QCOMPARE(qMakePair(number, latinNumber), qMakePair(intValue, intValue));
        QCOMPARE(text, stringStatus == 0 ? object.value("k").toString() : QStringLiteral("default"));
        QCOMPARE(latinText, text);
        QVector<QRect> held{QRect(9, 9, 1, 1)};
        QCOMPARE(jsonRect(object, QStringLiteral("k"), &held), rectStatus);
        QCOMPARE(held, QVector<QRect>{QRect(9, 9, 1, 1)} + rects);
    }

    void textChecks_data()
    {
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        // Alpha first, left out at 0, held within 0..255; the colour's own alpha does not count.
        QTest::newRow("colour, own alpha ignored") << "colour" << "#0a00ff00/128" << "#8000ff00";
        QTest::newRow("colour, alpha above range") << "colour" << "#010203/300" << "#ff010203";
        QTest::newRow("colour, alpha 0 left out") << "colour" << "#010203/-5" << "#010203";
        QTest::newRow("hex: bad token skipped, low byte kept") << "hex" << "  0A\tff\n1G   100  " << "0aff00";
        QTest::newRow("md5 of chinese as utf-8") << "md5" << QString::fromUtf8("中文") << "a7bac2239fcdcb3a067903d8077c4a07";
        QTest::newRow("ip with leading zeros") << "ip" << "010.001.02.3" << "1";
        QTest::newRow("ip with port") << "ip" << "192.168.1.10:8861" << "0";
        QTest::newRow("digits with blanks around") << "digits" << " 42 " << "1";
        // The digits are later read with toInt(), which knows only ASCII digits.
        QTest::newRow("arabic-indic digits") << "digits" << QString::fromUtf8("٣٤") << "0";
    }
    void textChecks()
    {
        QFETCH(QString, check);
        QFETCH(QString, text);
        QFETCH(QString, result);
        const QString actual = check == "colour" ? colorToString(QColor(text.section('/', 0, 0)), text.section('/', 1).toInt())
                               : check == "hex"  ? QString::fromLatin1(textToByteArray(text).toHex())
                               : check == "md5"  ? md5Hex(text)
                               : check == "ip"   ? QString::number(isIpv4Address(text))
                                                 : QString::number(isDigits(text));
        QCOMPARE(actual, result);
    }

    void utf8PrefixEndsOnCharacter_data()
    {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<int>("maxBytes");
        QTest::addColumn<int>("length");
        const QByteArray chinese = QString::fromUtf8("中文").toUtf8();   // 3 + 3 bytes
        QTest::newRow("exact fit") << chinese << 6 << 6;
        QTest::newRow("inside the second character") << chinese << 5 << 3;
        QTest::newRow("four-byte character") << QString::fromUtf8("😀x").toUtf8() << 3 << 0;
        QTest::newRow("negative limit") << QByteArray("abc") << -1 << 0;
        // Malformed text is cut where it stands rather than eaten backwards.
        QTest::newRow("stray continuation bytes") << QByteArray("\x80\x80\x80\x80\x80") << 3 << 3;
    }
    void utf8PrefixEndsOnCharacter()
    {
        QFETCH(QByteArray, utf8);
        QFETCH(int, maxBytes);
        QFETCH(int, length);
        QCOMPARE(utf8Prefix(utf8, maxBytes), utf8.left(length));
        QCOMPARE(utf8PrefixLength(utf8.constData(), maxBytes), length);
        // A field of maxBytes + 1 takes the same prefix; a guard byte after it catches an overrun.
        const int size = qMax(0, maxBytes) + 1;
        QByteArray field(size + 1, '#');
        field[size] = '\x7f';
        copyCString(field.data(), size, utf8.constData());
        QCOMPARE(field, utf8.left(length) + QByteArray(size - length, '#') + '\x7f');
    }

    void fileNameCheckTakesWhatThePackageCarries_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("verdict");
        const QByteArray wide = QString(QChar(0x5385)).toUtf8();   // three bytes
        QTest::newRow("63 bytes with .json") << QByteArray(58, 'p') + ".json" << int(FileNameCheck::Accepted);
        QTest::newRow("64 bytes with .json") << QByteArray(59, 'p') + ".json" << int(FileNameCheck::TooLong);
        QTest::newRow("64 bytes with .projectui") << QByteArray(54, 'p') + ".projectui" << int(FileNameCheck::TooLong);
        QTest::newRow("19 wide characters, 62 bytes") << wide.repeated(19) + ".json" << int(FileNameCheck::Accepted);
        QTest::newRow("20 wide characters, 65 bytes") << wide.repeated(20) + ".json" << int(FileNameCheck::TooLong);
        QTest::newRow("C0 control") << QByteArray("a\tb.json") << int(FileNameCheck::ControlCharacter);
        QTest::newRow("NUL") << QByteArray("a\0b.json", 8) << int(FileNameCheck::ControlCharacter);
        QTest::newRow("DEL") << QByteArray("a\x7f.json") << int(FileNameCheck::ControlCharacter);
        QTest::newRow("C1 control") << QByteArray("a\xc2\x85.json") << int(FileNameCheck::ControlCharacter);
        QTest::newRow("colon") << QByteArray("main:ctrl.json") << int(FileNameCheck::ReservedCharacter);
        QTest::newRow("backslash") << QByteArray("a\\b.json") << int(FileNameCheck::ReservedCharacter);
        QTest::newRow("slash") << QByteArray("a/b.json") << int(FileNameCheck::ReservedCharacter);
        QTest::newRow("stray byte") << QByteArray("\xff.json") << int(FileNameCheck::NotUtf8);
        QTest::newRow("overlong slash") << QByteArray("\xc0\xaf.json") << int(FileNameCheck::NotUtf8);
        QTest::newRow("encoded surrogate") << QByteArray("\xed\xa0\x80.json") << int(FileNameCheck::NotUtf8);
        QTest::newRow("empty") << QByteArray() << int(FileNameCheck::NotAName);
        QTest::newRow("dot dot") << QByteArray("..") << int(FileNameCheck::NotAName);
        // Hidden files are never packed.
        QTest::newRow("page named dot") << QByteArray("..json") << int(FileNameCheck::Hidden);
        QTest::newRow("hidden page") << QByteArray(".x.json") << int(FileNameCheck::Hidden);
        QTest::newRow("dot inside") << QByteArray("x..json") << int(FileNameCheck::Accepted);
    }
    void fileNameCheckTakesWhatThePackageCarries()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, verdict);
        const FileNameCheck check = FileNameCheck::check(name);
        QCOMPARE(int(check.verdict()), verdict);
        QCOMPARE(check.bytes(), name.size());
        QCOMPARE(check.problem().isEmpty(), verdict == FileNameCheck::Accepted);
        // Typed into a dialog, a name that is text at all gets the same verdict.
        if (verdict != FileNameCheck::NotUtf8) {
            const QString text = QString::fromUtf8(name.constData(), name.size());
            QCOMPARE(int(FileNameCheck::check(text).verdict()), verdict);
        }
    }
    void fileNameCheckSaysWhyAndByHowMuch()
    {
        const QString name = QString(20, QChar(0x5385)) + ".json";
        QCOMPARE(FileNameCheck::check(name).problem(),
                 QString::fromUtf8("文件名过长：“%1”有65字节，多了2字节（最多63字节）").arg(name));
        // A lone surrogate has no UTF-8 form, whatever toUtf8() makes of it.
        QCOMPARE(FileNameCheck::check(QString(QChar(0xd800)) + ".json").verdict(), FileNameCheck::NotUtf8);
    }

    void controlTypeTablesHoldUniqueRowsFoundBothWays()
    {
        const QVector<ControlTypeEntry> design = designControlTypes();
        QVector<ControlTypeEntry> run;
        for (int i = 0; i < runControlTypeCount(); ++i)
            run.append(runControlTypeAt(i));
        QCOMPARE(design.size(), 62);
        QCOMPARE(run.size(), 67);
        // Spot checks of the order that page files and older projects rely on.
        QCOMPARE(design.at(48).name + QString::number(design.at(48).id), QStringLiteral("AudioSwicthButton148"));
        QCOMPARE(run.at(61).name + QString::number(run.at(61).id), QStringLiteral("CmdProgress9"));
        // Unique ids, names unique even without regard to case (the run-time
        // lookup relies on it), and both ways of finding a row lead back to it.
        for (bool isDesign : {true, false}) {
            const QVector<ControlTypeEntry> &rows = isDesign ? design : run;
            QSet<int> ids;
            QSet<QString> names;
            for (const ControlTypeEntry &row : rows) {
                ids.insert(row.id);
                names.insert(row.name.toLower());
                QCOMPARE(isDesign ? designControlTypeId(row.name) : runControlTypeFromName(row.name.toUpper()), row.id);
                QVERIFY(!isDesign || designControlTypeName(row.id) == row.name);
            }
            QCOMPARE(ids.size(), rows.size());
            QCOMPARE(names.size(), rows.size());
        }
        // Design names match exactly, as page files store them; the gaps have no name.
        QVERIFY(designControlTypeId("page") == -1 && runControlTypeFromName("Matri") == -1);
        for (int gap : {132, 147, 152, 99, 165})
            QVERIFY(designControlTypeName(gap).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestUtils)
#include "tst_utils.moc"
