#include "codeeditordlg.h"

#include "app/globalmanager.h"
#include "commands/codeeditor.h"
#include "commands/codehighlighter.h"
#include "core/fileutils.h"
#include "core/notifier.h"

#include <QFile>
#include <QFileInfo>
#include <QVBoxLayout>

CodeEditorDlg::CodeEditorDlg(QWidget *parent)
    : QDialog(parent)
{
    setupUi();
    GlobalManager *manager = GlobalManager::instance();
    if (!manager->projectPath().isEmpty())
        m_path = manager->scriptPath();
    load();
    m_highlighter = std::make_unique<CodeHighLighter>();
    m_highlighter->setDocument(m_editor->document());
    connect(manager, SIGNAL(signalProjectClosing()), this, SLOT(onProjectClosing()));
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
    QFile file(m_path);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError) {
            m_editor->setPlainText(QString::fromUtf8(bytes));
            m_writable = true;
        }
    } else if (!QFileInfo::exists(m_path)) {
        // A project without a script starts with an empty one.
        m_writable = true;
    }
    if (!m_writable) {
        // Closing must not replace a script that is there but unreadable.
        Notifier::information(nullptr, tr("提示"), tr("读取文件失败，文件保持不变: ") + m_path);
        return;
    }
    m_editor->setEditMode(1);
}

void CodeEditorDlg::reject()
{
    if (m_writable) {
        // Line feeds as typed, UTF-8 without a byte-order mark.
        const QByteArray bytes = m_editor->toPlainText().toUtf8();
        if (!writeFileAtomically(m_path, bytes)) {
            Notifier::information(nullptr, tr("提示"), tr("open file fail: ") + m_path);
            return;
        }
    }
    QDialog::reject();
}

void CodeEditorDlg::onProjectClosing()
{
    if (isVisible())
        reject();
}
