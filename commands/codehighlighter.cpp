#include "codehighlighter.h"

namespace {

// Block state: the block ends inside a block comment.
const int kInComment = 1;

const char *const kKeywords[] = {
    "export", "break", "do",  "else", "elseif", "end",    "false", "for",  "function", "if",     "in",
    "let",    "var",   "const", "null", "not",  "or",     "return", "true", "while",   "switch", "case",
};

QTextCharFormat charFormat(Qt::GlobalColor colour, QFont::Weight weight = QFont::Normal, bool italic = false)
{
    QTextCharFormat result;
    result.setForeground(colour);
    result.setFontWeight(weight);
    result.setFontItalic(italic);
    return result;
}

} // namespace

CodeHighLighter::CodeHighLighter(QObject *parent)
    : QSyntaxHighlighter(parent)
    , m_commentStart(QStringLiteral("--\\[\\["))
    , m_commentEnd(QStringLiteral("\\]\\]"))
    , m_commentFormat(charFormat(Qt::darkGreen, QFont::Normal, true))
{
    // Later rules win where they overlap: a keyword inside a string is a
    // keyword, and a comment beats everything.
    const QTextCharFormat member = charFormat(Qt::darkMagenta, QFont::Bold);
    const QTextCharFormat quoted = charFormat(Qt::darkRed);
    m_rules.append({QRegularExpression(QStringLiteral("\\b[A-Za-z]+:\\b")), member});
    m_rules.append({QRegularExpression(QStringLiteral("\\b[A-Za-z]+\\.\\b")), member});
    m_rules.append({QRegularExpression(QStringLiteral("\".*\"")), quoted});
    m_rules.append({QRegularExpression(QStringLiteral("'.*'")), quoted});
    const QTextCharFormat call = charFormat(Qt::blue, QFont::Normal, true);
    m_rules.append({QRegularExpression(QStringLiteral("\\b[A-Za-z0-9_]+(?=\\()")), call});
    const QTextCharFormat keyword = charFormat(Qt::darkBlue, QFont::Bold);
    for (const char *word : kKeywords) {
        const QString pattern = QStringLiteral("\\b") + QLatin1String(word) + QStringLiteral("\\b");
        m_rules.append({QRegularExpression(pattern), keyword});
    }
    m_rules.append({QRegularExpression(QStringLiteral("--[^\n]*")), m_commentFormat});
}

CodeHighLighter::~CodeHighLighter() = default;

void CodeHighLighter::highlightBlock(const QString &text)
{
    for (const Rule &rule : qAsConst(m_rules)) {
        QRegularExpressionMatchIterator matches = rule.pattern.globalMatch(text);
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            setFormat(match.capturedStart(), match.capturedLength(), rule.format);
        }
    }

    setCurrentBlockState(0);
    int start = 0;
    if (previousBlockState() != kInComment) {
        start = text.indexOf(m_commentStart);
        if (start < 0)
            return;
    }
    while (start >= 0) {
        const QRegularExpressionMatch end = m_commentEnd.match(text, start);
        int length = 0;
        if (end.hasMatch()) {
            length = end.capturedStart() - start + end.capturedLength();
        } else {
            setCurrentBlockState(kInComment);
            length = text.length() - start;
        }
        setFormat(start, length, m_commentFormat);
        start = text.indexOf(m_commentStart, start + length);
    }
}
