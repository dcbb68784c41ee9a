// The main window's project commands: new, open, close, and the question on
// closing the window.
#include "mainwindow.h"

#include "app/globalmanager.h"
#include "canvas/uipage.h"
#include "core/fileutils.h"
#include "core/makefolders.h"
#include "core/notifier.h"
#include "shell/newprojectdlg.h"
#include "shell/newprojectfiles.h"
#include "shell/projectframe.h"
#include "shell/savequestion.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTabWidget>

#include <cerrno>
#include <cstdio>

#include <unistd.h>

namespace {
const char kProjectSuffix[] = ".projectui";
const char kTemplateProjectFile[] = "main.projectui";

bool isEmptyFolder(const QString &path)
{
    // One that cannot be listed may hold anything.
    if (::access(QFile::encodeName(path).constData(), R_OK) != 0 && errno != ENOENT)
        return false;
    return QDir(path).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// What the user is shown of a failure: the lead, the whole path and why.
QString problemAt(const QString &lead, const QString &path, const QString &reason)
{
    return lead + QStringLiteral(": ") + QDir::toNativeSeparators(path) + QLatin1Char('\n') + reason;
}

// The folder of a new project could not be made: which and why.
void sayFolderNotMade(QWidget *parent, const FileWrite &failure)
{
    Notifier::information(parent, MainWindow::tr("提示"),
                          problemAt(MainWindow::tr("创建项目目录失败"), failure.path(), failure.reason()));
}

// A file of a new project could not be made: where it was to be, and why.
void sayFilesNotMade(QWidget *parent, const NewProjectFiles &files, const FileWrite &failure)
{
    Notifier::information(parent, MainWindow::tr("提示"),
                          problemAt(MainWindow::tr("创建默认文件失败"), files.shownPath(failure.path()), failure.reason()));
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

    if (useTemplate) {
        if (!QDir(m_manager->templateConfigDir()).exists()) {
            Notifier::information(this, tr("提示"), tr("默认模板文件不存在！"));
            Notifier::information(this, tr("提示"), tr("创建默认文件失败"));
            return false;
        }
        // The copy empties the folder: never through a link, into a folder
        // found elsewhere.
        if (QFileInfo(projectDir).isSymLink()) {
            Notifier::information(this, tr("提示"),
                                  problemAt(tr("创建项目目录失败"), projectDir, tr("该位置是指向文件夹的链接")));
            return false;
        }
        // Whatever else the folder holds goes only when the user says so,
        // asked while the open project is still open, so that backing out
        // changes nothing.
        if (!isEmptyFolder(projectDir)
            && Notifier::warningQuestion(this, tr("提示"),
                                         tr("目录“%1”中已有文件，使用模板创建将删除其中的全部文件，是否继续?")
                                             .arg(QDir::toNativeSeparators(projectDir)),
                                         QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                   != QMessageBox::Yes) {
            return false;
        }
    }

    // The folder and the first files are made before the open project
    // closes: what cannot be made keeps it open, and what was made goes.
    NewProjectFiles files(projectDir);
    const FileWrite folderMade = files.makeFolder();
    if (!folderMade) {
        sayFolderNotMade(this, folderMade);
        return false;
    }
    if (useTemplate ? !createProjectFromTemplate(files, name) : !createEmptyProjectFile(files, name))
        return false;

    // A project whose pages could not be saved stays open; nothing new is made.
    if (!m_manager->closeProject())
        return false;
    m_projectFrame->clearItems();
    const FileWrite placed = files.commit(useTemplate);
    if (!placed) {
        sayFilesNotMade(this, files, placed);
        return false;
    }
    return m_manager->openProject(projectFile);
}

bool MainWindow::createProjectFromTemplate(const NewProjectFiles &files, const QString &name)
{
    const QString templateDir = m_manager->templateConfigDir();
    const QString into = files.filesDir();
    const QString source = into + QLatin1Char('/') + QLatin1String(kTemplateProjectFile);
    const QString target = into + QLatin1Char('/') + name + QLatin1String(kProjectSuffix);
    FileWrite failure(into, FileWrite::Failed);
    bool copied = copyDirectory(templateDir, into, false, &failure);
    // A template without its project file makes no project either.
    if (copied && !QFileInfo(source).isFile()) {
        copied = false;
        failure = FileWrite(templateDir + QLatin1Char('/') + QLatin1String(kTemplateProjectFile), FileWrite::Unreadable);
    }
    if (copied && source != target
        && std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) != 0) {
        copied = false;
        failure = FileWrite::ofError(target, errno);
    }
    if (!copied)
        sayFilesNotMade(this, files, failure);
    return copied;
}

bool MainWindow::createEmptyProjectFile(const NewProjectFiles &files, const QString &name)
{
    const QString path = files.filesDir() + QLatin1Char('/') + name + QLatin1String(kProjectSuffix);
    const FileWrite written = GlobalManager::writeEmptyProjectFile(path);
    if (!written)
        sayFilesNotMade(this, files, written);
    return written.isWritten();
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
