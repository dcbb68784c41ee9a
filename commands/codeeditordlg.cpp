#include "codeeditordlg.h"

#include "commands/codeeditor.h"
#include "commands/codehighlighter.h"
#include "commands/unsavedclose.h"
#include "core/designerfolders.h"
#include "core/fileutils.h"
#include "core/notifier.h"
#include "core/wholefile.h"

#include <QTextCodec>
#include <QVBoxLayout>

namespace {

bool isUtf8(const QByteArray &bytes)
{
    QTextCodec::ConverterState state;
    QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}

} // namespace

CodeEditorDlg::CodeEditorDlg(QWidget *parent)
    : QDialog(parent)
{
    setupUi();
    DesignerFolders *folders = DesignerFolders::instance();
    m_path = folders->scriptPath();
    load();
    m_highlighter = std::make_unique<CodeHighLighter>();
    m_highlighter->setDocument(m_editor->document());
    connect(folders, SIGNAL(projectClosing()), this, SLOT(onProjectClosing()));
}

CodeEditorDlg::~CodeEditorDlg() = default;

void CodeEditorDlg::setupUi()
{
    setObjectName(QStringLiteral("CodeEditorDlg"));
    resize(1058, 719);
    setWindowTitle(tr("代码编辑"));
    setWindowFlags(Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    auto *column = new QVBoxLayout(this);
    column->setObjectName(QStringLiteral("verticalLayout"));
    m_editor = new CodeEditor(this);
    m_editor->setObjectName(QStringLiteral("plainTextEdit"));
    m_editor->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_editor->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    column->addWidget(m_editor);
}

void CodeEditorDlg::load()
{
    if (m_path.isEmpty())
        return;
    // Read as bytes: what is not shown exactly must not be written back.
    const WholeFile file = WholeFile::read(m_path, WholeFile::Kind::ScriptFile);
    QString problem = tr("读取文件失败，文件保持不变: ") + m_path;
    if (file.isRead()) {
        const QByteArray &bytes = file.bytes();
        m_editor->setPlainText(QString::fromUtf8(bytes.constData(), bytes.size()));
        if (bytes.contains('\0'))
            problem = tr("脚本含有空字符(NUL)，以只读方式打开，文件保持不变: ") + m_path;
        else if (!isUtf8(bytes))
            problem = tr("脚本不是有效的UTF-8文本，以只读方式打开，文件保持不变: ") + m_path;
        else
            m_writable = true;
    } else if (file.isRefused()) {
        problem = file.problem();
    } else if (file.status() == WholeFile::Missing) {
        // A project without a script starts with an empty one.
        m_writable = true;
    }
    if (m_writable) {
        // What the writer would refuse is said now, before anything is typed
        // that could not be saved.
        const FileWrite writable = checkWritable(m_path);
        if (!writable) {
            m_writable = false;
            problem = writable.problem(tr("脚本无法写入，以只读方式打开，文件保持不变: "));
        }
    }
    m_loadedText = m_editor->toPlainText();
    if (!m_writable) {
        // Closing must not replace a script that is there but not shown as it is.
        Notifier::information(nullptr, tr("提示"), problem);
        return;
    }
    m_editor->setEditMode(1);
}

void CodeEditorDlg::reject()
{
    // Unedited, the file stays byte for byte as it is, whatever its line ends.
    if (m_writable && m_editor->toPlainText() != m_loadedText) {
        // Line feeds as typed, UTF-8 without a byte-order mark.
        const QByteArray bytes = m_editor->toPlainText().toUtf8();
        const FileWrite written =
            writeFileAtomically(m_path, bytes, WholeFile::limit(WholeFile::Kind::ScriptFile));
        if (!written && !unsavedclose::askToCloseWithoutSaving(this, written))
            return;
    }
    QDialog::reject();
}

void CodeEditorDlg::onProjectClosing()
{
    if (isVisible())
        reject();
}
