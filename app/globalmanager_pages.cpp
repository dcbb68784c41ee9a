#include "globalmanager.h"

#include "core/jsonutils.h"
#include "canvas/uipage.h"
#include "core/fileutils.h"
#include "core/notifier.h"
#include "core/wholefile.h"
#include "preview/pagedlg.h"
#include "shell/srclistwidget.h"

#include <QDebug>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QScrollArea>
#include <QTabWidget>

#include <limits>

namespace {

const char kControlKey[] = "Control";
const char kPageType[] = "Page";
const char kPageSuffix[] = ".json";
// The size a page file counts as when its page object does not say.
const int kDefaultWidth = 1920;
const int kDefaultHeight = 1080;

QString pageFileOf(const QString &name)
{
    return name + QLatin1String(kPageSuffix);
}

bool isPageObject(const QJsonObject &object)
{
    const QJsonValue type = object.value(QLatin1String("type"));
    return type.isString() && type.toString().compare(QLatin1String(kPageType), Qt::CaseInsensitive) == 0;
}

// v × to ÷ from in 64 bits, the division truncating toward zero, held to
// the int range.
int rescaled(int v, int to, int from)
{
    const qint64 result = qint64(v) * to / from;
    return int(qBound<qint64>(std::numeric_limits<int>::min(), result, std::numeric_limits<int>::max()));
}

// The "Control" array of a closed page rewritten for a new size: page objects
// take the size, control objects their geometry scaled by the old size. An
// axis whose old size is not above 0 gives no ratio; it is left as it was.
QJsonArray rescaledControls(const QJsonArray &elements, int width, int height)
{
    int oldWidth = kDefaultWidth;
    int oldHeight = kDefaultHeight;
    for (const QJsonValue &element : elements) {
        const QJsonObject object = element.toObject();
        if (!element.isObject() || !isPageObject(object))
            continue;
        if (object.value(QLatin1String("w")).isDouble())
            oldWidth = jsonNumberAsInt(object.value(QLatin1String("w")), 0);
        if (object.value(QLatin1String("h")).isDouble())
            oldHeight = jsonNumberAsInt(object.value(QLatin1String("h")), 0);
    }

    QJsonArray result;
    for (const QJsonValue &element : elements) {
        if (!element.isObject())
            continue;
        QJsonObject object = element.toObject();
        if (!object.value(QLatin1String("type")).isString()) {
            result.append(object);
            continue;
        }
        if (isPageObject(object)) {
            object.insert(QStringLiteral("w"), width);
            object.insert(QStringLiteral("h"), height);
            result.append(object);
            continue;
        }
        auto scale = [&object](const char *key, int to, int from) {
            const int stored = jsonNumberAsInt(object.value(QLatin1String(key)), 0);
            object.insert(QLatin1String(key), rescaled(stored, to, from));
        };
        if (oldWidth > 0) {
            scale("x", width, oldWidth);
            scale("w", width, oldWidth);
        }
        if (oldHeight > 0) {
            scale("y", height, oldHeight);
            scale("h", height, oldHeight);
        }
        result.append(object);
    }
    return result;
}

bool sameFile(const QString &a, const QString &b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

} // namespace

UIPage *GlobalManager::currentPage() const
{
    return qobject_cast<UIPage *>(currentPageWidget());
}

UIPage *GlobalManager::pageAt(int index) const
{
    return qobject_cast<UIPage *>(pageWidgetAt(index));
}

bool GlobalManager::addNewPage(const PageInfo &page)
{
    m_pages.append(page);
    if (!addPageEntry(0, page.file, page.pageType)) {
        m_pages.removeLast();
        return false;
    }
    if (m_srcListWidget)
        m_srcListWidget->setPageKind(page.pageType);
    return true;
}

// The checks before a new page of this name is written; the source of a
// copy must be a usable name too.
bool GlobalManager::mayAddPage(const QString &name, const QString &sourceName)
{
    if (!isProjectOpen())
        return false;
    // The source may be a page of a name no longer given: it is copied all
    // the same, unless its name is no bare file name.
    if (!sourceName.isNull() && !isValidPageName(sourceName)) {
        Notifier::sayProblem(nullptr, newPageNameProblem(sourceName));
        return false;
    }
    if (Notifier::sayProblem(nullptr, newPageNameProblem(name)))
        return false;
    if (hasPage(name))
        return false;
    if (isPageNameTaken(name)) {
        Notifier::information(nullptr, tr("提示"), tr("名称已存在"));
        return false;
    }
    return projectFolderPresent();
}

bool GlobalManager::isPageNameTaken(const QString &name)
{
    // A file of that name that the project does not list is someone's work
    // (a page taken out of the project, a backup): never written over.
    return hasPage(name) || QFileInfo(pageFilePath(pageFileOf(name))).isFile();
}

PageInfo GlobalManager::newPageInfo(const QString &name, int width, int height, int pageType) const
{
    PageInfo page;
    page.width = width;
    page.height = height;
    page.pageType = pageType;
    page.name = name;
    page.file = pageFileOf(name);
    page.dir = projectPath();
    return page;
}

bool GlobalManager::createPage(const QString &typedName, int width, int height, int pageType)
{
    const QString name = typedName.trimmed();
    if (!mayAddPage(name))
        return false;

    const PageInfo page = newPageInfo(name, width, height, pageType);

    QJsonObject object;
    object.insert(QStringLiteral("name"), QStringLiteral("Page"));
    object.insert(QStringLiteral("x"), 0);
    object.insert(QStringLiteral("y"), 0);
    object.insert(QStringLiteral("w"), width);
    object.insert(QStringLiteral("h"), height);
    object.insert(QStringLiteral("normalBkColor"), QStringLiteral("#ff181818"));
    object.insert(QStringLiteral("normal_image_path"), QString());
    object.insert(QStringLiteral("type"), QStringLiteral("Page"));
    object.insert(QStringLiteral("page_type"), pageType);
    object.insert(QStringLiteral("fixed_position"), 0);
    // Import asks for it; a new page has no place yet.
    object.insert(QStringLiteral("PlaceId"), page.placeId);
    QJsonObject root;
    root.insert(QLatin1String(kControlKey), QJsonArray{object});

    const QString path = pageFilePath(page.file);
    // The page is listed only once its file is there.
    if (!writeJsonFile(path, root, WholeFile::limit(WholeFile::Kind::PageFile)))
        return false;
    if (!addNewPage(page)) {
        removeFile(path);
        return false;
    }
    return true;
}

bool GlobalManager::copyPage(const QString &sourceName, const QString &typedName, int width, int height,
                             int pageType)
{
    const QString name = typedName.trimmed();
    if (!mayAddPage(name, sourceName))
        return false;

    const PageInfo page = newPageInfo(name, width, height, pageType);

    // The copy is of the file as last saved, byte for byte.
    const WholeFile source = WholeFile::read(pageFilePath(pageFileOf(sourceName)), WholeFile::Kind::PageFile);
    const QString target = pageFilePath(page.file);
    if (!source.isRead()) {
        Notifier::information(nullptr, tr("提示"), source.isRefused() ? source.problem() : tr("复制页面失败"));
        return false;
    }
    if (!writeSayingFailure(target, source.bytes(), WholeFile::limit(WholeFile::Kind::PageFile)))
        return false;
    if (!addNewPage(page)) {
        removeFile(target);
        return false;
    }
    return true;
}

QString GlobalManager::importedPageName(const QString &path)
{
    // The file name up to its first dot, without the blanks around it.
    return QFileInfo(path).fileName().section(QLatin1Char('.'), 0, 0).trimmed();
}

bool GlobalManager::importPage(const QString &path, int *pageType)
{
    if (!isProjectOpen())
        return false;
    const QString name = importedPageName(path);
    if (Notifier::sayProblem(nullptr, newPageNameProblem(name)))
        return false;
    if (hasPage(name)) {
        Notifier::information(nullptr, tr("提示"), tr("导入失败，页面名称已存在"));
        return false;
    }
    if (!projectFolderPresent())
        return false;

    int placeId = -1;
    int width = kDefaultWidth;
    int height = kDefaultHeight;
    int type = 0;
    const WholeFile file = readSayingRefusal(path, WholeFile::Kind::PageFile);
    if (!file.isRead())
        return false;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.bytes(), &error);

    bool valid = false;
    const QJsonValue controls = document.object().value(QLatin1String(kControlKey));
    if (error.error == QJsonParseError::NoError && document.isObject() && controls.isArray()) {
        for (const QJsonValue &element : controls.toArray()) {
            const QJsonObject object = element.toObject();
            if (object.contains(QLatin1String("PlaceId")) && object.contains(QLatin1String("w"))
                && object.contains(QLatin1String("h")) && object.contains(QLatin1String("type"))) {
                placeId = jsonNumberAsInt(object.value(QLatin1String("PlaceId")), 0);
                width = jsonNumberAsInt(object.value(QLatin1String("w")), 0);
                height = jsonNumberAsInt(object.value(QLatin1String("h")), 0);
                valid = true;
            }
            if (object.contains(QLatin1String("page_type")))
                type = jsonNumberAsInt(object.value(QLatin1String("page_type")), 0);
        }
    }
    if (!valid) {
        Notifier::information(nullptr, tr("提示"), tr("import json file failed,json format invalid"));
        return false;
    }

    PageInfo page = newPageInfo(name, width, height, type);
    page.placeId = placeId;

    // A file that already is the page file of the project stays where it is.
    const QString target = pageFilePath(page.file);
    const bool copied = !sameFile(path, target);
    // An unlisted file of that name in the project folder is never written over.
    if (copied && QFileInfo(target).isFile()) {
        Notifier::information(nullptr, tr("提示"), tr("导入失败，页面名称已存在"));
        return false;
    }
    // What was read and checked is what goes in, not what the name holds now.
    if (copied && !writeSayingFailure(target, file.bytes(), WholeFile::limit(WholeFile::Kind::PageFile)))
        return false;
    if (!addNewPage(page)) {
        if (copied)
            removeFile(target);
        return false;
    }
    if (pageType)
        *pageType = type;
    return true;
}

void GlobalManager::slotSetResData(QString pagename, int width, int height)
{
    // The same sizes as the open canvas takes.
    if (!UIPage::isAcceptedPageSize(width, height))
        return;
    if (m_tabWidget) {
        for (int i = 0; i < m_tabWidget->count(); ++i) {
            if (m_tabWidget->tabText(i) != pagename)
                continue;
            // The open canvas rescales its own controls and saves.
            if (UIPage *page = pageAt(i)) {
                page->setPageSize(width, height);
                page->slotSaveFile();
            }
            return;
        }
    }
    resizePageFile(pagename, width, height);
}

void GlobalManager::resizePageFile(const QString &name, int width, int height)
{
    if (!isProjectOpen() || !isValidPageName(name) || !projectFolderPresent())
        return;
    const QString path = pageFilePath(pageFileOf(name));
    const WholeFile file = WholeFile::read(path, WholeFile::Kind::PageFile);
    if (!file.isRead()) {
        Notifier::information(nullptr, tr("提示"), file.isRefused() ? file.problem() : tr("open file fail: ") + path);
        return;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.bytes(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        Notifier::information(nullptr, tr("提示"), tr("文件解析错误"));
        return;
    }
    QJsonObject root = document.object();
    const QJsonValue controls = root.value(QLatin1String(kControlKey));
    // Not a page file this can rescale: it stays as it is.
    if (!controls.isArray()) {
        Notifier::information(nullptr, tr("提示"), tr("文件格式不对"));
        return;
    }
    root.insert(QLatin1String(kControlKey), rescaledControls(controls.toArray(), width, height));
    writeJsonFile(path, root, WholeFile::limit(WholeFile::Kind::PageFile));
}

bool GlobalManager::openPageTab(const QString &name, int pageKind)
{
    bool opened = true;
    if (hasPage(name) && m_tabWidget) {
        int existing = -1;
        for (int i = 0; i < m_tabWidget->count() && existing < 0; ++i) {
            if (m_tabWidget->tabText(i) == name)
                existing = i;
        }
        if (existing >= 0) {
            setCurrentTabByName(name);
        } else {
            PageInfo copy = *hasPage(name);
            copy.opened = 1;
            auto *scroll = new QScrollArea(m_tabWidget);
            auto *page = new UIPage(scroll);
            connect(page, &UIPage::controlAttributesChanged, this, &GlobalManager::slotControlAttributesChanged);
            scroll->setWidget(page);
            // A click on the grey area around the page keeps the page's keys
            // (save, undo, arrows) with the page.
            scroll->setFocusProxy(page);
            const UIPage::LoadResult result = page->openPage(copy);
            if (result == UIPage::LoadOk) {
                hasPage(name)->opened = 1;
                m_tabWidget->addTab(scroll, name);
                setCurrentTabByName(name);
            } else {
                // A file that cannot be read is not shown as an empty page,
                // which a save would then write over.
                opened = false;
                QString text = tr("文件解析错误");
                if (result == UIPage::LoadBadFormat)
                    text = tr("文件格式不对");
                else if (result == UIPage::LoadReadError)
                    text = tr("open file fail: ") + copy.file;
                else if (result == UIPage::LoadRefused)
                    text = page->loadProblem();
                else if (result == UIPage::LoadMissing)
                    text = tr("文件不存在");
                delete scroll;
                Notifier::information(nullptr, tr("提示"), text);
            }
        }
    }
    if (m_srcListWidget)
        m_srcListWidget->setPageKind(pageKind);
    return opened;
}

void GlobalManager::openPreview()
{
    if (m_pages.isEmpty())
        return;
    PageDlg dialog;
    // Modal from its showing: exec() does not make a shown dialog modal.
    dialog.setModal(true);
    dialog.showMaximized();
    dialog.loadPages(m_pages);
    dialog.exec();
}
