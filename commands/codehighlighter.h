#pragma once

#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <QVector>

// Colours the project script: member names, strings, calls, keywords, line
// comments starting with "--" and block comments from "--[[" to "]]".
class CodeHighLighter : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    explicit CodeHighLighter(QObject *parent = nullptr);
    ~CodeHighLighter() override;

protected:
    void highlightBlock(const QString &text) override;

private:
    struct Rule {
        QRegularExpression pattern;
        QTextCharFormat format;
    };

    QVector<Rule> m_rules;
    QRegularExpression m_commentStart;
    QRegularExpression m_commentEnd;
    QTextCharFormat m_commentFormat;
};
