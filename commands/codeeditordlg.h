#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class CodeEditor;
class CodeHighLighter;

// The editor of the project script "main.js". It loads the file of the
// project open when it opens and, when the text was edited, writes it back
// into that same folder as it is closed; a failed write asks whether to close
// without saving, and keeps it open with its text unless told to. With no
// project, a script that exists but cannot be read or is not UTF-8 text
// without NUL, or one the writer would refuse, it shows the text read-only
// and writes nothing, so the file on disk is kept.
class CodeEditorDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CodeEditorDlg(QWidget *parent = nullptr);
    ~CodeEditorDlg() override;

    // Saves, then closes; when the file cannot be written, closes only if
    // the user chooses to lose the edits.
    void reject() override;

    CodeEditor *editor() const { return m_editor; }
    // The file this editor reads and writes; empty without a project.
    QString scriptPath() const { return m_path; }

private slots:
    // The project this editor works for is closing: close first, saving.
    void onProjectClosing();

private:
    void setupUi();
    void load();

    CodeEditor *m_editor = nullptr;
    std::unique_ptr<CodeHighLighter> m_highlighter;
    QString m_path;
    QString m_loadedText;  // as the editor showed it on opening
    bool m_writable = false;
};
