#pragma once

#include <QPlainTextEdit>

class LineNumberArea;
class QPaintEvent;
class QResizeEvent;

// The text editor of the script editor: a line-number margin on the left
// and, while editable, the current line highlighted.
class CodeEditor : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit CodeEditor(QWidget *parent = nullptr);
    ~CodeEditor() override;

    // 0 read-only, 1 editable; any other mode changes nothing.
    void setEditMode(int mode);
    int lineNumberAreaWidth() const;
    void lineNumberAreaPaintEvent(QPaintEvent *event);

protected:
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void updateLineNumberAreaWidth(int newBlockCount);
    void highlightCurrentLine();
    void updateLineNumberArea(const QRect &rect, int dy);

private:
    LineNumberArea *m_lineNumberArea = nullptr;
};
