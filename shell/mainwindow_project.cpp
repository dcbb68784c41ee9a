// The main window's project commands: new, open, close, and the question on
// closing the window.
#include "mainwindow.h"

#include "app/globalmanager.h"
#include "canvas/uipage.h"
#include "core/fileutils.h"
#include "core/makefolders.h"
#include "core/notifier.h"
#include "shell/newprojectdlg.h"
#include "shell/projectframe.h"
#include "shell/savequestion.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTabWidget>

namespace {
const char kProjectSuffix[] = ".projectui";
const char kTemplateProjectFile[] = "main.projectui";

bool isEmptyFolder(const QString &path)
{
    return QDir(path).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// The folder of a new project could not be made: which and why.
void sayFolderNotMade(QWidget *parent, const FileWrite &failure)
{
    const QString lead = MainWindow::tr("创建项目目录失败");
    Notifier::information(parent, MainWindow::tr("提示"),
                          failure.isWritten() ? lead : failure.problem(lead + QStringLiteral(": ")));
}
} // namespace

void MainWindow::slotNew()
{
    NewProjectDlg dialog;
    dialog.setWindowTitle(tr("创建项目"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    createProject(dialog.projectName(), dialog.projectPath(), dialog.useTemplate());
}

bool MainWindow::createProject(const QString &typedName, const QString &folder, bool useTemplate)
{
    // The folder and file are named without the blanks around the name.
    const QString name = typedName.trimmed();
    // Refused before anything is closed, made or cleared.
    if (!NewProjectDlg::checkAnswers(this, name, folder))
        return false;
    const QString projectDir = QDir(folder).absolutePath() + QLatin1Char('/') + name;
    const QString projectFile = projectDir + QLatin1Char('/') + name + QLatin1String(kProjectSuffix);
    // A folder that cannot be made (a file in its way, a read-only disk) is
    // said while the open project is still open.
    const FileWrite makeable = checkFoldersMakeable(projectDir);
    if (!makeable) {
        sayFolderNotMade(this, makeable);
        return false;
    }

    // Asked while the open project is still open: 取消 (also Escape and the
    // box's close) leaves everything as it was. Opening closes it itself.
    if (QFileInfo::exists(projectFile)) {
        const QMessageBox::StandardButton answer =
            Notifier::warningQuestion(this, tr("提示"), tr("检测该目录下已存在项目，是否直接打开?"),
                                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
        if (answer == QMessageBox::Yes)
            return m_manager->openProject(projectFile);
        if (answer != QMessageBox::No)
            return false;
    }

    // The template's copy empties the folder first: whatever else it holds
    // goes only when the user says so, asked while the open project is
    // still open, so that backing out changes nothing.
    if (useTemplate && !isEmptyFolder(projectDir)
        && Notifier::warningQuestion(this, tr("提示"),
                                     tr("目录“%1”中已有文件，使用模板创建将删除其中的全部文件，是否继续?")
                                         .arg(QDir::toNativeSeparators(projectDir)),
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
               != QMessageBox::Yes) {
        return false;
    }

    // A project whose pages could not be saved stays open; nothing new is made.
    if (!m_manager->closeProject())
        return false;
    m_projectFrame->clearItems();

    FileWrite folderMade(folder);
    if (!QDir(folder).exists() && !m_manager->createProjectDir(folder, &folderMade)) {
        sayFolderNotMade(this, folderMade);
        return false;
    }

    if (useTemplate) {
        if (!createProjectFromTemplate(projectDir, name))
            return false;
        return m_manager->openProject(projectFile);
    }
    if (!m_manager->saveOpenDir(projectDir, &folderMade)) {
        sayFolderNotMade(this, folderMade);
        return false;
    }
    m_projectFrame->createItem(name, -1);
    return m_manager->isProjectOpen();
}

bool MainWindow::createProjectFromTemplate(const QString &projectDir, const QString &name)
{
    const FileWrite folderMade = makeFolders(projectDir);
    if (!folderMade) {
        sayFolderNotMade(this, folderMade);
        return false;
    }
    const QString templateDir = m_manager->templateConfigDir();
    if (!QDir(templateDir).exists()) {
        Notifier::information(this, tr("提示"), tr("默认模板文件不存在！"));
        Notifier::information(this, tr("提示"), tr("创建默认文件失败"));
        return false;
    }
    const QString source = projectDir + QLatin1Char('/') + QLatin1String(kTemplateProjectFile);
    const QString target = projectDir + QLatin1Char('/') + name + QLatin1String(kProjectSuffix);
    // A copy that failed (a full disk) is said with its file and why, not
    // left for the opening to find unreadable.
    FileWrite firstFailure(projectDir);
    bool copied = copyDirectory(templateDir, projectDir, true, &firstFailure);
    if (copied && source != target)
        copied = moveFile(source, target);
    // A template without its project file makes no project either.
    if (!copied || !QFileInfo(target).isFile()) {
        const QString lead = tr("创建默认文件失败");
        Notifier::information(this, tr("提示"),
                              firstFailure.isWritten() ? lead : firstFailure.problem(lead + QStringLiteral(": ")));
        return false;
    }
    return true;
}

void MainWindow::slotOpen()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("打开配置文件"), m_manager->openDir(),
                                                      QStringLiteral("UIProject Files (*.projectui)"));
    if (!path.isEmpty())
        openProjectFile(path);
}

void MainWindow::openProjectFile(const QString &path)
{
    m_manager->openProject(path);
}

void MainWindow::slotRemove()
{
    // A project whose pages could not be saved stays open, and listed.
    if (m_manager->closeProject())
        m_projectFrame->clearItems();
}

void MainWindow::slotCloseProjecct()
{
    m_manager->closeProject();
}

QList<UIPage *> MainWindow::openPages() const
{
    QList<UIPage *> pages;
    for (int i = 0; i < m_tabWidget->count(); ++i) {
        if (auto *page = qobject_cast<UIPage *>(m_manager->pageWidgetAt(i)))
            pages.append(page);
    }
    return pages;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A page that could not be written has told the user and is still
    // modified, and a tool that could not save asks whether to close without
    // saving: one kept open keeps the window too, so that nothing is lost.
    // Each close asks once. The tools go first, as their own close does, so
    // that none runs on without the window.
    if (savequestion::askToSave(this, openPages()) && closeTools())
        event->accept();
    else
        event->ignore();
}
