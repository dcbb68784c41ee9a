#include "codeeditor.h"

#include "commands/linenumberarea.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QTextBlock>

#include <algorithm>

namespace {

const char kFontFamily[] = "Source Code Pro";
const int kFontPoints = 12;
const char kEditableStyle[] = "background: #fcfcfc;";
const char kReadOnlyStyle[] = "background: #f0f0f0;";

// Where the family is not installed, another fixed-pitch face stands in.
QFont codeFont(bool bold)
{
    QFont font(QLatin1String(kFontFamily), kFontPoints, bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

} // namespace

CodeEditor::CodeEditor(QWidget *parent)
    : QPlainTextEdit(parent)
    , m_lineNumberArea(new LineNumberArea(this))
{
    connect(this, SIGNAL(blockCountChanged(int)), this, SLOT(updateLineNumberAreaWidth(int)));
    connect(this, SIGNAL(updateRequest(QRect, int)), this, SLOT(updateLineNumberArea(QRect, int)));
    connect(this, SIGNAL(cursorPositionChanged()), this, SLOT(highlightCurrentLine()));
    setViewportMargins(lineNumberAreaWidth(), 0, 0, 0);
    setReadOnly(true);
    setStyleSheet(QLatin1String(kReadOnlyStyle));
    highlightCurrentLine();
    setTabStopDistance(32.0);
    setFont(codeFont(false));
}

CodeEditor::~CodeEditor() = default;

void CodeEditor::setEditMode(int mode)
{
    if (mode != 0 && mode != 1)
        return;
    setReadOnly(mode == 0);
    setStyleSheet(QLatin1String(mode == 0 ? kReadOnlyStyle : kEditableStyle));
    highlightCurrentLine();
}

int CodeEditor::lineNumberAreaWidth() const
{
    int digits = 1;
    for (int n = std::max(1, blockCount()); n >= 10; n /= 10)
        ++digits;
    return 10 + digits * QFontMetrics(codeFont(true)).horizontalAdvance(QLatin1Char('9'));
}

void CodeEditor::updateLineNumberAreaWidth(int)
{
    setViewportMargins(lineNumberAreaWidth(), 0, 0, 0);
}

void CodeEditor::updateLineNumberArea(const QRect &rect, int dy)
{
    if (dy != 0)
        m_lineNumberArea->scroll(0, dy);
    else
        m_lineNumberArea->update(0, rect.y(), m_lineNumberArea->width(), rect.height());
    if (rect.contains(viewport()->rect()))
        updateLineNumberAreaWidth(0);
}

void CodeEditor::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    const QRect contents = contentsRect();
    m_lineNumberArea->setGeometry(QRect(contents.left(), contents.top(), lineNumberAreaWidth(), contents.height()));
}

void CodeEditor::highlightCurrentLine()
{
    QList<QTextEdit::ExtraSelection> selections;
    if (!isReadOnly()) {
        QTextEdit::ExtraSelection selection;
        selection.format.setBackground(QColor(QStringLiteral("whitesmoke")));
        selection.format.setProperty(QTextFormat::FullWidthSelection, true);
        selection.cursor = textCursor();
        selection.cursor.clearSelection();
        selections.append(selection);
    }
    setExtraSelections(selections);
}

void CodeEditor::lineNumberAreaPaintEvent(QPaintEvent *event)
{
    QPainter painter(m_lineNumberArea);
    painter.fillRect(event->rect(), Qt::lightGray);
    painter.setFont(codeFont(true));
    painter.setPen(Qt::black);

    QTextBlock block = firstVisibleBlock();
    int number = block.blockNumber();
    int top = int(blockBoundingGeometry(block).translated(contentOffset()).top());
    int bottom = top + int(blockBoundingRect(block).height());
    const int lineHeight = fontMetrics().height();
    while (block.isValid() && top <= event->rect().bottom()) {
        if (block.isVisible() && bottom >= event->rect().top())
            painter.drawText(-5, top, m_lineNumberArea->width(), lineHeight, Qt::AlignRight,
                             QString::number(number + 1));
        block = block.next();
        top = bottom;
        bottom = top + int(blockBoundingRect(block).height());
        ++number;
    }
}
