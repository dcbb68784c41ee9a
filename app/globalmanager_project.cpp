#include "globalmanager.h"

#include "canvas/pageshared.h"
#include "core/designerfolders.h"
#include "core/filenamecheck.h"
#include "core/fileutils.h"
#include "core/iniutils.h"
#include "core/makefolders.h"
#include "core/notifier.h"
#include "core/wholefile.h"
#include "properties/propertywidget.h"
#include "shell/imgdlg.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QTabWidget>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>

namespace {
const char kConfigFile[] = "config.ini";
const char kOpenDirKey[] = "/config/open_dir";
const char kPageKey[] = "Page";
const char kFileKey[] = "File";
const char kMainPageKey[] = "MainPage";
const char kPlaceIdKey[] = "PlaceId";
const char kPageTypeKey[] = "PageType";
const char kPageSuffix[] = ".json";
const char kProjectSuffix[] = ".projectui";
// A page name is the "File" value without ".json".
const int kPageSuffixLength = 5;

QString pageFileOf(const QString &name)
{
    return name + QLatin1String(kPageSuffix);
}

// A JSON number that is not a whole number reads as 0, as the reader of the
// panel does; anything else gives the fallback.
int entryInt(const QJsonObject &entry, const char *key, int fallback)
{
    const QJsonValue value = entry.value(QLatin1String(key));
    return value.isDouble() ? value.toInt(0) : fallback;
}

bool sameFile(const QString &a, const QString &b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

// Renames a page file, leaving whatever stands at the new name as it is, a
// link to nothing included: QFile::rename would copy the page through such a
// link. A failure says the path and why.
FileWrite renamePageFile(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    // Another case of the same name, on a file system that ignores case.
    if (sameFile(from, to)) {
        if (std::rename(source.constData(), target.constData()) == 0)
            return FileWrite(to);
        return FileWrite::ofError(from, errno);
    }
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return FileWrite(to);
    int error = errno;
    struct stat standing;
    // A file system without the flag: looked at, then renamed.
    if (error == EINVAL || error == ENOSYS) {
        if (::lstat(target.constData(), &standing) == 0)
            error = EEXIST;
        else if (std::rename(source.constData(), target.constData()) == 0)
            return FileWrite(to);
        else
            error = errno;
    }
    if (error == EEXIST) {
        if (::lstat(target.constData(), &standing) == 0 && S_ISLNK(standing.st_mode))
            return FileWrite(to, FileWrite::DanglingLink);
        return FileWrite::ofError(to, error);
    }
    return FileWrite::ofError(from, error);
}

enum class ProjectRead { Ok, Unreadable, Refused, NotAnObject, NoPageArray };

// The "Page" array of a project file; *problem says why a refused file was not read.
ProjectRead readPageArray(const QString &path, QJsonArray *pages, QString *problem = nullptr)
{
    const WholeFile file = WholeFile::read(path, WholeFile::Kind::ProjectFile);
    if (problem)
        *problem = file.problem();
    if (file.isRefused())
        return ProjectRead::Refused;
    if (!file.isRead())
        return ProjectRead::Unreadable;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.bytes(), &error);
    if (error.error != QJsonParseError::NoError || doc.isNull() || !doc.isObject())
        return ProjectRead::NotAnObject;
    const QJsonValue pageValue = doc.object().value(QLatin1String(kPageKey));
    if (!pageValue.isArray())
        return ProjectRead::NoPageArray;
    *pages = pageValue.toArray();
    return ProjectRead::Ok;
}

FileWrite writeProject(const QString &path, const QJsonObject &project)
{
    return writeFileAtomically(path, QJsonDocument(project).toJson(), WholeFile::limit(WholeFile::Kind::ProjectFile));
}
} // namespace

void GlobalManager::ImgDlgDeleter::operator()(ImgDlg *dialog) const
{
    delete dialog;
}

bool GlobalManager::isSafePageFile(const QString &file)
{
    return isBareFileName(file);
}

bool GlobalManager::isValidPageName(const QString &name)
{
    return isSafePageFile(name) && isSafePageFile(pageFileOf(name));
}

namespace {
// Why a name cannot become its file: one that is no bare file name ("a/b",
// "..") is refused for what it is; any other as its file would be sent.
QString nameProblem(const QString &name, const QString &file, bool bare)
{
    if (!bare) {
        const QString problem = FileNameCheck::check(name).problem();
        return problem.isEmpty() ? GlobalManager::tr("页面名称无效") : problem;
    }
    return FileNameCheck::check(file).problem();
}
} // namespace

QString GlobalManager::newPageNameProblem(const QString &name)
{
    return nameProblem(name, pageFileOf(name), isValidPageName(name));
}

QString GlobalManager::newProjectNameProblem(const QString &name)
{
    return nameProblem(name, name + QLatin1String(kProjectSuffix), isSafePageFile(name));
}

QString GlobalManager::projectFilePath() const
{
    return projectPath() + QLatin1Char('/') + projectFile();
}

QString GlobalManager::pageFilePath(const QString &file) const
{
    return projectPath() + QLatin1Char('/') + file;
}

int GlobalManager::findPageEntry(const QJsonArray &entries, const QString &file) const
{
    for (int i = 0; i < entries.size(); ++i) {
        const QJsonValue name = entries.at(i).toObject().value(QLatin1String(kFileKey));
        if (entries.at(i).isObject() && name.isString() && name.toString() == file)
            return i;
    }
    return -1;
}

bool GlobalManager::commitProject(const QJsonObject &previous)
{
    if (saveProjectFile())
        return true;
    m_project = previous;
    return false;
}

bool GlobalManager::openProject(const QString &path)
{
    QJsonArray source;
    QString problem;
    switch (readPageArray(path, &source, &problem)) {
    case ProjectRead::Unreadable:
        Notifier::information(nullptr, tr("提示"), tr("open file fail: ") + QDir::toNativeSeparators(path));
        return false;
    case ProjectRead::Refused:
        Notifier::information(nullptr, tr("提示"), problem);
        return false;
    case ProjectRead::NotAnObject:
        Notifier::information(nullptr, tr("提示"), tr("文件解析错误"));
        return false;
    case ProjectRead::NoPageArray:
        Notifier::information(nullptr, tr("提示"), tr("文件格式不对"));
        return false;
    case ProjectRead::Ok:
        break;
    }

    // The project whose pages could not be saved stays, the new one is not read.
    if (!closeProject())
        return false;
    // Saving the pages that were open may have just rewritten this very file
    // with their "MainPage" and "PlaceId"; the copy read before is stale then.
    QJsonArray fresh;
    if (readPageArray(path, &fresh) == ProjectRead::Ok)
        source = fresh;

    const QFileInfo info(path);
    m_openDir = info.absolutePath();
    writeIniValueQuiet(QLatin1String(kConfigFile), QLatin1String(kOpenDirKey), m_openDir);
    DesignerFolders::instance()->setProjectDir(info.absolutePath());
    m_projectName = QDir(projectPath()).dirName();
    DesignerFolders::instance()->setProjectFile(info.fileName());

    if (!m_imgDlg)
        m_imgDlg.reset(new ImgDlg);
    m_imgDlg->setPath(projectPath());

    emit signalClearItems();
    emit signalAddItem(m_projectName, -1);

    bool droppedUnsafe = false;
    QJsonArray entries;
    for (const QJsonValue &element : source) {
        const QJsonObject object = element.toObject();
        const QJsonValue fileValue = object.value(QLatin1String(kFileKey));
        if (!element.isObject() || !fileValue.isString())
            continue;
        const QString fileName = fileValue.toString();
        // The name becomes a path inside the project folder.
        if (!isSafePageFile(fileName)) {
            droppedUnsafe = true;
            continue;
        }
        PageInfo page;
        page.opened = 0;
        page.width = 1920;
        page.height = 1080;
        // The start page stays the start page through every later save.
        page.mainPage = entryInt(object, kMainPageKey, 0);
        page.placeId = entryInt(object, kPlaceIdKey, -1);
        page.pageType = entryInt(object, kPageTypeKey, 0);
        page.file = fileName;
        if (fileName.size() > kPageSuffixLength)
            page.name = fileName.left(fileName.size() - kPageSuffixLength);
        page.dir = projectPath();
        if (page.name.isEmpty())
            continue;

        QJsonObject entry;
        entry.insert(QLatin1String(kFileKey), fileName);
        entry.insert(QLatin1String(kMainPageKey), page.mainPage);
        entry.insert(QLatin1String(kPlaceIdKey), page.placeId);
        entry.insert(QLatin1String(kPageTypeKey), page.pageType);
        m_pages.append(page);
        entries.append(entry);
        emit signalAddItem(page.name, page.pageType);
    }
    m_project = QJsonObject();
    m_project.insert(QLatin1String(kPageKey), entries);
    qDebug() << "GlobalManager::openProject" << projectPath() << projectFile() << m_projectName;

    loadMidCtrls(m_midCtrlFile);
    loadEvents(m_eventFile);
    // Said now; the device editor opens read-only for it and says it again.
    if (m_midCtrlRead == MidCtrlRead::Unparseable || m_midCtrlRead == MidCtrlRead::Refused)
        Notifier::information(nullptr, tr("提示"), midCtrlsReadOnlyReason());

    if (droppedUnsafe)
        Notifier::information(nullptr, tr("提示"), tr("项目文件中有无效的页面文件名，已忽略"));
    return true;
}

bool GlobalManager::closeProject()
{
    commitPanelTyping();
    if (m_tabWidget) {
        // A modified page is written without asking; one that cannot be
        // written keeps the whole project open, so its edits are not lost.
        bool allSaved = true;
        for (int i = m_tabWidget->count() - 1; i >= 0; --i)
            allSaved = savePageWidget(pageWidgetAt(i)) && allSaved;
        if (!allSaved) {
            Notifier::information(nullptr, tr("提示"), tr("有页面未能保存，项目保持打开"));
            return false;
        }
    }
    DesignerFolders::instance()->announceProjectClosing();
    if (m_propertyWidget)
        m_propertyWidget->hideProperty(1);
    PageShared::instance().closeProject();
    while (m_tabWidget && m_tabWidget->count() > 0)
        removeTabAt(m_tabWidget->count() - 1);
    m_currentIndex = -1;
    m_dropClass = -1;
    m_propertyControl = nullptr;
    DesignerFolders::instance()->setProjectDir(QString());
    m_projectName.clear();
    DesignerFolders::instance()->setProjectFile(QString());
    m_pages.clear();
    m_project = QJsonObject();
    // Nothing read from the project's folder outlives it: the next project,
    // also a new empty one, starts without devices, groups or pictures.
    m_midCtrls.clear();
    m_midCtrlRead = MidCtrlRead::Whole;
    if (m_imgDlg)
        m_imgDlg->setPath(QString());
    return true;
}

bool GlobalManager::createProjectDir(const QString &path, FileWrite *failure)
{
    qDebug() << "GlobalManager::createProjectDir" << path;
    const FileWrite made = makeFolders(path);
    if (failure)
        *failure = made;
    return made.isWritten();
}

bool GlobalManager::saveOpenDir(const QString &path, FileWrite *failure)
{
    qDebug() << "GlobalManager::saveOpenDir" << path;
    // A folder that cannot be made becomes nobody's project folder.
    const FileWrite made = makeFolders(path);
    if (failure)
        *failure = made;
    if (!made)
        return false;
    DesignerFolders::instance()->setProjectDir(path);
    if (!m_imgDlg)
        m_imgDlg.reset(new ImgDlg);
    m_imgDlg->setPath(projectPath());
    if (!path.isEmpty() && QDir(path).exists()) {
        m_openDir = path;
        writeIniValueQuiet(QLatin1String(kConfigFile), QLatin1String(kOpenDirKey), m_openDir);
    }
    return true;
}

bool GlobalManager::createProjectFile(const QString &name)
{
    // Without a folder the file would land at the filesystem root.
    if (projectPath().isEmpty() || Notifier::sayProblem(nullptr, newProjectNameProblem(name)))
        return false;
    const QString previousName = m_projectName;
    const QString previousFile = projectFile();
    const QJsonObject previousProject = m_project;
    m_projectName = name;
    DesignerFolders::instance()->setProjectFile(name + QLatin1String(kProjectSuffix));
    m_project.insert(QLatin1String(kPageKey), QJsonArray());
    // Written whole in one step: an existing file is replaced only by the
    // complete new one.
    if (saveProjectFile())
        return true;
    m_projectName = previousName;
    DesignerFolders::instance()->setProjectFile(previousFile);
    m_project = previousProject;
    return false;
}

bool GlobalManager::createEmptyFile(const QString &name)
{
    qDebug() << "m_project_path " << projectPath() << " name" << name;
    // createFile would make a missing folder again.
    if (projectPath().isEmpty() || !isSafePageFile(name) || !projectFolderPresent())
        return false;
    return createFile(projectPath(), name).isWritten();
}

bool GlobalManager::projectFolderPresent() const
{
    if (QFileInfo(projectPath()).isDir())
        return true;
    Notifier::information(nullptr, tr("提示"), tr("项目文件夹不存在: ") + QDir::toNativeSeparators(projectPath()));
    return false;
}

bool GlobalManager::saveProjectFile()
{
    if (!isProjectOpen() || !projectFolderPresent())
        return false;
    return sayWriteFailure(writeProjectFile());
}

FileWrite GlobalManager::writeProjectFile() const
{
    return writeProject(projectFilePath(), m_project);
}

FileWrite GlobalManager::writeEmptyProjectFile(const QString &path)
{
    return writeProject(path, QJsonObject{{QLatin1String(kPageKey), QJsonArray()}});
}

bool GlobalManager::writeJsonFile(const QString &path, const QJsonObject &object, qint64 limit)
{
    return writeSayingFailure(path, QJsonDocument(object).toJson(), limit);
}

bool GlobalManager::writeSayingFailure(const QString &path, const QByteArray &bytes, qint64 limit)
{
    return sayWriteFailure(writeFileAtomically(path, bytes, limit));
}

bool GlobalManager::sayWriteFailure(const FileWrite &written)
{
    if (!written)
        Notifier::information(nullptr, tr("提示"), written.problem(tr("open file fail: ")));
    return written.isWritten();
}

bool GlobalManager::addPageEntry(int mainPage, const QString &file, int pageType)
{
    const QJsonValue pageValue = m_project.value(QLatin1String(kPageKey));
    if (!pageValue.isArray() || !isSafePageFile(file))
        return false;
    const QJsonObject previous = m_project;
    QJsonArray entries = pageValue.toArray();
    const int index = findPageEntry(entries, file);
    if (index >= 0) {
        QJsonObject entry = entries.at(index).toObject();
        entry.insert(QLatin1String(kMainPageKey), mainPage);
        entries.replace(index, entry);
    } else {
        QJsonObject entry;
        entry.insert(QLatin1String(kFileKey), file);
        entry.insert(QLatin1String(kMainPageKey), mainPage);
        entry.insert(QLatin1String(kPageTypeKey), pageType);
        entries.append(entry);
    }
    m_project.insert(QLatin1String(kPageKey), entries);
    return commitProject(previous);
}

bool GlobalManager::updatePageEntry(PageInfo page)
{
    const QVector<PageInfo> previousPages = m_pages;
    const QJsonObject previousProject = m_project;
    for (PageInfo &known : m_pages) {
        if (known.file != page.file)
            continue;
        if (known.placeId != page.placeId || known.mainPage != page.mainPage) {
            known.placeId = page.placeId;
            known.mainPage = page.mainPage;
            const QJsonValue pageValue = m_project.value(QLatin1String(kPageKey));
            if (pageValue.isArray()) {
                QJsonArray entries = pageValue.toArray();
                const int index = findPageEntry(entries, page.file);
                if (index >= 0) {
                    QJsonObject entry = entries.at(index).toObject();
                    entry.insert(QLatin1String(kPlaceIdKey), page.placeId);
                    entry.insert(QLatin1String(kMainPageKey), page.mainPage);
                    entries.replace(index, entry);
                }
                m_project.insert(QLatin1String(kPageKey), entries);
            }
        }
        break;
    }
    if (saveProjectFile())
        return true;
    m_pages = previousPages;
    m_project = previousProject;
    return false;
}

bool GlobalManager::movePageUp(const QString &name)
{
    const QJsonValue pageValue = m_project.value(QLatin1String(kPageKey));
    if (!pageValue.isArray())
        return false;
    QJsonArray entries = pageValue.toArray();
    const int index = findPageEntry(entries, pageFileOf(name));
    if (index <= 0)
        return false;
    return movePageEntry(entries, index, index - 1);
}

bool GlobalManager::movePageDown(const QString &name)
{
    const QJsonValue pageValue = m_project.value(QLatin1String(kPageKey));
    if (!pageValue.isArray())
        return false;
    QJsonArray entries = pageValue.toArray();
    const int index = findPageEntry(entries, pageFileOf(name));
    if (index < 0 || index >= entries.size() - 1)
        return false;
    return movePageEntry(entries, index, index + 1);
}

bool GlobalManager::movePageEntry(QJsonArray entries, int from, int to)
{
    const QJsonObject previousProject = m_project;
    const QVector<PageInfo> previousPages = m_pages;
    const QString fromFile = entries.at(from).toObject().value(QLatin1String(kFileKey)).toString();
    const QString toFile = entries.at(to).toObject().value(QLatin1String(kFileKey)).toString();
    const QJsonValue moved = entries.at(from);
    entries.replace(from, entries.at(to));
    entries.replace(to, moved);
    m_project.insert(QLatin1String(kPageKey), entries);

    // The page list follows the file, so the preview shows the new order.
    int fromPage = -1;
    int toPage = -1;
    for (int i = 0; i < m_pages.size(); ++i) {
        if (fromPage < 0 && m_pages.at(i).file == fromFile)
            fromPage = i;
        else if (toPage < 0 && m_pages.at(i).file == toFile)
            toPage = i;
    }
    if (fromPage >= 0 && toPage >= 0)
        std::swap(m_pages[fromPage], m_pages[toPage]);

    if (saveProjectFile())
        return true;
    m_project = previousProject;
    m_pages = previousPages;
    return false;
}

bool GlobalManager::renamePage(const QString &oldName, const QString &typedName)
{
    const QString newName = typedName.trimmed();
    if (!isProjectOpen() || !isValidPageName(oldName))
        return false;
    if (newName == oldName)
        return true;
    if (Notifier::sayProblem(nullptr, newPageNameProblem(newName)) || !projectFolderPresent())
        return false;
    const QString oldFile = pageFileOf(oldName);
    const QString newFile = pageFileOf(newName);
    const QString oldPath = pageFilePath(oldFile);
    const QString newPath = pageFilePath(newFile);
    QJsonArray entries = m_project.value(QLatin1String(kPageKey)).toArray();
    const int entryIndex = m_project.value(QLatin1String(kPageKey)).isArray()
                               ? findPageEntry(entries, oldFile) : -1;
    if (!hasPage(oldName) && entryIndex < 0)
        return false;
    // A differently-cased name of the same file is a rename, not a clash.
    if (hasPage(newName) || (QFileInfo::exists(newPath) && !sameFile(oldPath, newPath))) {
        Notifier::information(nullptr, tr("提示"), tr("名称已存在"));
        return false;
    }

    bool fileRenamed = false;
    if (entryIndex >= 0 && QFileInfo::exists(oldPath)) {
        const FileWrite renamed = renamePageFile(oldPath, newPath);
        if (!renamed) {
            Notifier::information(nullptr, tr("提示"), renamed.problem(tr("页面文件重命名失败") + QStringLiteral(": ")));
            return false;
        }
        fileRenamed = true;
    }

    const QVector<PageInfo> previousPages = m_pages;
    const QJsonObject previousProject = m_project;
    // Taken after the copy: writing through it detaches the list from the copy.
    PageInfo *page = hasPage(oldName);
    if (page) {
        page->name = newName;
        page->file = newFile;
    }
    int tabIndex = -1;
    if (m_tabWidget) {
        for (int i = 0; i < m_tabWidget->count(); ++i) {
            if (m_tabWidget->tabText(i) == oldName) {
                tabIndex = i;
                m_tabWidget->setTabText(i, newName);
                break;
            }
        }
    }
    qDebug() << QJsonDocument(m_project).toJson(QJsonDocument::Compact);

    if (entryIndex >= 0) {
        QJsonObject entry = entries.at(entryIndex).toObject();
        entry.insert(QLatin1String(kFileKey), newFile);
        entries.replace(entryIndex, entry);
        m_project.insert(QLatin1String(kPageKey), entries);
        const FileWrite written = writeProjectFile();
        if (!written) {
            // Put back before it is said: the project file lists the old
            // name, and a crash while the box is open must find that file.
            m_pages = previousPages;
            m_project = previousProject;
            if (tabIndex >= 0)
                m_tabWidget->setTabText(tabIndex, oldName);
            if (fileRenamed)
                renamePageFile(newPath, oldPath);
            return sayWriteFailure(written);
        }
    }
    if (tabIndex >= 0)
        openPageRenamed(pageWidgetAt(tabIndex), newName, newFile);
    return true;
}

bool GlobalManager::deletePage(const QString &name)
{
    if (!isProjectOpen() || !isValidPageName(name))
        return false;
    const QString file = pageFileOf(name);
    const QJsonValue pageValue = m_project.value(QLatin1String(kPageKey));
    QJsonArray entries = pageValue.toArray();
    const int index = pageValue.isArray() ? findPageEntry(entries, file) : -1;
    if (index < 0 && !hasPage(name))
        return false;

    // The project file goes first: when it cannot be written, the page, its
    // tab and its file all stay.
    const QJsonObject previous = m_project;
    if (index >= 0) {
        entries.removeAt(index);
        m_project.insert(QLatin1String(kPageKey), entries);
    }
    if (!commitProject(previous))
        return false;
    closePageTabs(name);
    if (!removeFile(pageFilePath(file)))
        Notifier::information(nullptr, tr("提示"), tr("删除页面文件失败：") + pageFilePath(file));
    return true;
}

bool GlobalManager::closePageTabs(const QString &name)
{
    for (int i = 0; i < m_pages.size(); ++i) {
        if (m_pages.at(i).name == name) {
            m_pages.removeAt(i);
            break;
        }
    }
    if (!m_tabWidget)
        return true;
    for (int i = 0; i < m_tabWidget->count(); ++i) {
        if (m_tabWidget->tabText(i) != name)
            continue;
        PageShared::instance().forgetPage(pageWidgetAt(i));
        // Hidden before the tab goes: the page then in front shows its own.
        if (m_propertyWidget)
            m_propertyWidget->hideProperty(1);
        m_propertyControl = nullptr;
        removeTabAt(i);
        break;
    }
    return true;
}

void GlobalManager::saveAllPages()
{
    if (!m_tabWidget)
        return;
    commitPanelTyping();
    for (int i = 0; i < m_tabWidget->count(); ++i)
        savePageWidget(pageWidgetAt(i));
}

void GlobalManager::setMidCtrls(const QVector<MidCtrlRecord> &records)
{
    m_midCtrls = records;
}

int GlobalManager::showImageDialog(QString &path)
{
    if (projectPath().isEmpty()) {
        Notifier::information(nullptr, tr("提示"), tr("未选中项目!"));
        path.clear();
        return 0;
    }
    if (!m_imgDlg)
        m_imgDlg.reset(new ImgDlg);
    // Listed afresh each time: pictures may have come or gone since the last
    // run. It opens with the picture that path names already chosen.
    m_imgDlg->setPath(projectPath());
    m_imgDlg->selectImage(fileNameOfPath(path));
    const int result = m_imgDlg->exec();
    path = m_imgDlg->selectedPath();
    return result;
}
