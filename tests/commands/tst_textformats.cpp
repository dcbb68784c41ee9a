#include "commands/kivcommondatastructure.h"
#include "commands/kivtoolstringassistant.h"

#include <QComboBox>
#include <QTextBrowser>
#include <QTextEdit>
#include <QtTest>

using KCDS = KivCommonDataStructure;

class TestTextFormats : public QObject
{
    Q_OBJECT

private slots:
    void typedTextFilteredConvertedAndShown_data();
    void typedTextFilteredConvertedAndShown();
    void bytesShownInEachOutputFormat_data();
    void bytesShownInEachOutputFormat();
    void toolFiltersLiveAndResetsOnInputFormatChange();
};

void TestTextFormats::typedTextFilteredConvertedAndShown_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("filtered");
    QTest::addColumn<QString>("hexOutput");
    QTest::newRow("hex keeps digits, pairs") << 3 << "0x1G2" << "01 2" << "01 02 ";
    QTest::newRow("dec pairs, not threes") << 2 << "255" << "25 5" << "19 05 ";
    QTest::newRow("bin groups of eight") << 0 << "111111111" << "11111111 1" << "ff 01 ";
    QTest::newRow("empty number text is one byte 0") << 3 << "" << "" << "00 ";
    QTest::newRow("ascii drops non-ascii") << 4 << QString::fromUtf8("A中b") << "Ab" << "41 62 ";
    QTest::newRow("system keeps all, empty gives nothing") << 5 << "" << "" << "";
    QTest::newRow("unknown format") << 9 << "abc" << "" << "61 62 63 ";
    QTest::newRow("hex beside an unpaired surrogate") << 3 << "zz 12 xy" + QString(QChar(0xD800)) << "12" << "12 ";
}

void TestTextFormats::typedTextFilteredConvertedAndShown()
{
    QFETCH(int, input);
    QFETCH(QString, typed);
    QFETCH(QString, filtered);
    QFETCH(QString, hexOutput);
    QCOMPARE(KCDS::filterInputText(typed, input), filtered);
    // Unknown formats read the raw text as UTF-8.
    const QString read = input == 9 ? typed : filtered;
    QCOMPARE(KCDS::bytesToText(KCDS::textToBytes(read, input), KCDS::OutputFormatHex), hexOutput);
}

void TestTextFormats::bytesShownInEachOutputFormat_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("output");
    QTest::addColumn<QString>("text");
    QTest::newRow("bin padded") << QByteArray("\x00\x05", 2) << 0 << "00000000 00000101 ";
    QTest::newRow("dec unpadded") << QByteArray("\x00\xff", 2) << 2 << "0 255 ";
    QTest::newRow("utf8") << QByteArray("\xe4\xb8\xad") << 5 << QString::fromUtf8("中");
    QTest::newRow("ucs4 drops a short tail") << QByteArray("abc") << 4 << "";
    const QByteArray utf16(reinterpret_cast<const char *>(u"中"), 2);
    QTest::newRow("utf16 drops an odd byte") << utf16 + 'x' << 6 << QString::fromUtf8("中");
    const QByteArray withZero("H\0I", 3);
    QTest::newRow("ascii goes on after 00") << withZero << 7 << QString::fromLatin1(withZero.constData(), 3);
    QTest::newRow("utf8 goes on after 00") << withZero << 5 << QString::fromLatin1(withZero.constData(), 3);
}

void TestTextFormats::bytesShownInEachOutputFormat()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, output);
    QFETCH(QString, text);
    QCOMPARE(KCDS::bytesToText(bytes, output), text);
}

void TestTextFormats::toolFiltersLiveAndResetsOnInputFormatChange()
{
    KivToolStringAssistant tool;
    auto *input = tool.findChild<QTextEdit *>("textEdit");
    auto *output = tool.findChild<QTextBrowser *>("textBrowser");
    auto *inputFormat = tool.findChild<QComboBox *>("inputFormatComboBox");
    auto *outputFormat = tool.findChild<QComboBox *>("outputFormatComboBox");
    QCOMPARE(inputFormat->currentText(), QString("SYSTEM"));
    QCOMPARE(outputFormat->currentText(), QString("HEX"));

    inputFormat->setCurrentIndex(KCDS::InputFormatHex);
    QCOMPARE(output->toPlainText(), QString("00 "));
    QTest::keyClicks(input, "0x1G2");
    QCOMPARE(input->toPlainText(), QString("01 2"));
    QCOMPARE(input->textCursor().position(), 4);
    QCOMPARE(output->toPlainText(), QString("01 02 "));

    // Decoded bytes that look like markup are shown as characters.
    inputFormat->setCurrentIndex(KCDS::InputFormatAscii);
    outputFormat->setCurrentIndex(KCDS::OutputFormatAscii);
    QTest::keyClicks(input, "<b>x</b>");
    QCOMPARE(output->toPlainText(), QString("<b>x</b>"));
}

QTEST_MAIN(TestTextFormats)
#include "tst_textformats.moc"
