#pragma once

#include <QWidget>

class CodeEditor;

// The line-number margin of a CodeEditor; the editor measures and paints it.
class LineNumberArea : public QWidget
{
    Q_OBJECT

public:
    explicit LineNumberArea(CodeEditor *editor);
    ~LineNumberArea() override;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    CodeEditor *m_editor;
};
