#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>

class QComboBox;

// Text formats of typed data and of shown bytes, shared by the string tool
// and the data fields of the command dialogs. Never instantiated.
class KivCommonDataStructure : public QObject
{
    Q_OBJECT

public:
    enum KivEnumTextFormatInput {
        InputFormatBin = 0,
        InputFormatOct = 1,
        InputFormatDec = 2,
        InputFormatHex = 3,
        InputFormatAscii = 4,
        InputFormatLocal = 5,
    };
    Q_ENUM(KivEnumTextFormatInput)

    enum KivEnumTextFormatOutput {
        OutputFormatBin = 0,
        OutputFormatOct = 1,
        OutputFormatDec = 2,
        OutputFormatHex = 3,
        OutputFormatUcs4 = 4,
        OutputFormatUtf8 = 5,
        OutputFormatUtf16 = 6,
        OutputFormatAscii = 7,
        OutputFormatLocal = 8,
    };
    Q_ENUM(KivEnumTextFormatOutput)

    // Keeps only the characters of the format; number formats are regrouped
    // with single blanks. An unknown format gives an empty text.
    static QString filterInputText(const QString &text, int format);
    static QByteArray textToBytes(const QString &text, int format);
    static QString bytesToText(const QByteArray &bytes, int format);

    // Fill a combo box with the formats, each value as its item's Qt::UserRole
    // data; "SYSTEM" and "HEX" are chosen first.
    static void setInputFormatItems(QComboBox *box);
    static void setOutputFormatItems(QComboBox *box);
    static void fillFormatComboBox(QComboBox *box, const QMap<int, QString> &labels, int defaultValue);

private:
    KivCommonDataStructure() = delete;
};
