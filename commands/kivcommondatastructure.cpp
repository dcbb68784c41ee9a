#include "kivcommondatastructure.h"

#include <QComboBox>
#include <QStandardItemModel>
#include <QStringList>
#include <QTextCodec>
#include <QVector>

#include <cstring>

namespace {

// The four number formats share their value in both enumerations.
struct NumberFormat {
    int base;          // also what the input filter keeps: digits below it
    int groupSize;     // typed digits per byte before a blank is inserted
    int outputWidth;   // digits a shown byte is padded to with "0"
};

const NumberFormat kNumberFormats[] = {
    {2, 8, 8},
    {8, 2, 3},
    {10, 2, 0},
    {16, 2, 2},
};

const NumberFormat *numberFormat(int format)
{
    if (format < 0 || format >= int(sizeof kNumberFormats / sizeof kNumberFormats[0]))
        return nullptr;
    return &kNumberFormats[format];
}

// The value of an ASCII digit or letter as a digit; 36 for anything else.
int digitValue(QChar c)
{
    const ushort code = c.unicode();
    if (code >= '0' && code <= '9')
        return code - '0';
    if (code >= 'a' && code <= 'z')
        return code - 'a' + 10;
    if (code >= 'A' && code <= 'Z')
        return code - 'A' + 10;
    return 36;
}

QTextCodec *localCodec()
{
    return QTextCodec::codecForLocale();
}

} // namespace

QString KivCommonDataStructure::filterInputText(const QString &text, int format)
{
    if (const NumberFormat *number = numberFormat(format)) {
        // Checked character by character: a regular expression gives up on
        // text that is not valid UTF-16, such as an unpaired surrogate.
        QString result;
        int kept = 0;
        for (const QChar c : text) {
            if (digitValue(c) >= number->base)
                continue;
            if (kept > 0 && kept % number->groupSize == 0)
                result.append(QLatin1Char(' '));
            result.append(c);
            ++kept;
        }
        return result;
    }
    if (format == InputFormatAscii) {
        QString result;
        for (const QChar c : text) {
            if (c.unicode() < 128)
                result.append(c);
        }
        return result;
    }
    if (format == InputFormatLocal)
        return text;
    return QString();
}

QByteArray KivCommonDataStructure::textToBytes(const QString &text, int format)
{
    if (const NumberFormat *number = numberFormat(format)) {
        QByteArray bytes;
        // Empty pieces are kept on purpose: each stands for a byte 0.
        const QStringList pieces = text.split(QLatin1Char(' '));
        for (const QString &piece : pieces) {
            bool ok = false;
            const qlonglong value = piece.toLongLong(&ok, number->base);
            bytes.append(char(ok ? value & 0xFF : 0));
        }
        return bytes;
    }
    if (format == InputFormatAscii)
        return text.toLatin1();
    if (format == InputFormatLocal)
        return localCodec()->fromUnicode(text);
    return text.toUtf8();
}

QString KivCommonDataStructure::bytesToText(const QByteArray &bytes, int format)
{
    if (const NumberFormat *number = numberFormat(format)) {
        QString text;
        for (const char byte : bytes) {
            text += QStringLiteral("%1 ").arg(uint(static_cast<unsigned char>(byte)), number->outputWidth,
                                              number->base, QLatin1Char('0'));
        }
        return text;
    }
    switch (format) {
    case OutputFormatUcs4: {
        // Copied out so the code points are read aligned; trailing bytes that
        // do not fill a unit are dropped.
        QVector<uint> units(bytes.size() / 4);
        if (!units.isEmpty())
            std::memcpy(units.data(), bytes.constData(), size_t(units.size()) * 4);
        return QString::fromUcs4(units.constData(), units.size());
    }
    case OutputFormatUtf16: {
        QVector<ushort> units(bytes.size() / 2);
        if (!units.isEmpty())
            std::memcpy(units.data(), bytes.constData(), size_t(units.size()) * 2);
        return QString::fromUtf16(units.constData(), units.size());
    }
    // With a length: the QByteArray overloads stop at the first byte 00.
    case OutputFormatAscii:
        return QString::fromLatin1(bytes.constData(), bytes.size());
    case OutputFormatLocal:
        return localCodec()->toUnicode(bytes);
    default:
        return QString::fromUtf8(bytes.constData(), bytes.size());
    }
}

void KivCommonDataStructure::setInputFormatItems(QComboBox *box)
{
    const QMap<int, QString> labels{
        {InputFormatBin, QStringLiteral("BIN")},     {InputFormatOct, QStringLiteral("OTC")},
        {InputFormatDec, QStringLiteral("DEC")},     {InputFormatHex, QStringLiteral("HEX")},
        {InputFormatAscii, QStringLiteral("ASCII")}, {InputFormatLocal, QStringLiteral("SYSTEM")},
    };
    fillFormatComboBox(box, labels, InputFormatLocal);
}

void KivCommonDataStructure::setOutputFormatItems(QComboBox *box)
{
    const QMap<int, QString> labels{
        {OutputFormatBin, QStringLiteral("BIN")},     {OutputFormatOct, QStringLiteral("OCT")},
        {OutputFormatDec, QStringLiteral("DEC")},     {OutputFormatHex, QStringLiteral("HEX")},
        {OutputFormatUcs4, QStringLiteral("UCS4")},   {OutputFormatUtf8, QStringLiteral("UTF8")},
        {OutputFormatUtf16, QStringLiteral("UTF16")}, {OutputFormatAscii, QStringLiteral("ASCII")},
        {OutputFormatLocal, QStringLiteral("SYSTEM")},
    };
    fillFormatComboBox(box, labels, OutputFormatHex);
}

void KivCommonDataStructure::fillFormatComboBox(QComboBox *box, const QMap<int, QString> &labels,
                                                int defaultValue)
{
    if (!box)
        return;
    box->clear();
    auto *model = new QStandardItemModel(box);
    for (auto it = labels.constBegin(); it != labels.constEnd(); ++it) {
        auto *item = new QStandardItem(it.value());
        item->setToolTip(it.value());
        item->setData(it.key(), Qt::UserRole);
        model->appendRow(item);
    }
    // The box owns its earlier model and deletes it here.
    box->setModel(model);
    for (int i = 0; i < box->count(); ++i) {
        if (box->itemData(i, Qt::UserRole).toInt() == defaultValue)
            box->setCurrentIndex(i);
    }
}
