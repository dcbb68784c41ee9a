#include "uipage.h"

#include "canvas/pageservices.h"
#include "core/fileutils.h"
#include "core/notifier.h"
#include "core/wholefile.h"

#include <QDebug>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

namespace {
const char kControlKey[] = "Control";
} // namespace

QString UIPage::pageFilePath() const
{
    return m_pageInfo.dir + QLatin1Char('/') + m_pageInfo.file;
}

UIPage::LoadResult UIPage::openPage(PageInfo info)
{
    m_pageInfo = info;
    return loadPage();
}

UIPage::LoadResult UIPage::loadPage()
{
    const QString path = pageFilePath();
    qDebug() << "UIPage::loadPage" << path;
    const QFileInfo info(path);
    // Image names of controls added later resolve here too.
    setFileDir(info.absolutePath());
    // Not opened as an empty page that a save would then write over.
    if (!info.exists())
        return LoadMissing;

    const WholeFile file = WholeFile::read(path, WholeFile::Kind::PageFile);
    m_loadProblem = file.problem();
    if (file.isRefused())
        return LoadRefused;
    if (!file.isRead())
        return LoadReadError;
    const QByteArray &bytes = file.bytes();
    if (bytes.isEmpty()) {
        completePageObject();
        return LoadOk;
    }

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || document.isNull()) {
        qDebug() << "UIPage::loadPage" << error.errorString();
        return LoadParseError;
    }
    if (!document.isObject())
        return LoadBadFormat;
    const QJsonValue controls = document.object().value(QLatin1String(kControlKey));
    if (!controls.isArray())
        return LoadBadFormat;
    const QJsonArray elements = controls.toArray();

    // The page's size and zoom are in place before the first control is made.
    for (const QJsonValue &element : elements) {
        if (!element.isObject())
            continue;
        const QJsonObject object = element.toObject();
        const QJsonValue type = object.value(QLatin1String("type"));
        if (type.isString() && typeId(type.toString()) == kPageTypeId) {
            setPageJson(object);
            break;
        }
    }
    completePageObject();
    m_unplacedElements = QJsonArray();
    for (const QJsonValue &element : elements) {
        if (!element.isObject()) {
            m_unplacedElements.append(element);
            continue;
        }
        QJsonObject object = element.toObject();
        const QJsonValue type = object.value(QLatin1String("type"));
        if (!type.isString() || typeId(type.toString()) < 0) {
            m_unplacedElements.append(element);
            continue;
        }
        createControlFromJson(object);
    }
    return LoadOk;
}

int UIPage::setPageJson(const QJsonObject &object)
{
    const QJsonValue type = object.value(QLatin1String("type"));
    if (type.isUndefined())
        return -1;
    if (!type.isString())
        return -2;
    if (typeId(type.toString()) != kPageTypeId)
        return 0;
    const QJsonValue scale = object.value(QLatin1String("editScale"));
    if (scale.isDouble() && scale.toDouble() > 0) {
        setScaleValue(scale.toDouble());
        // Only the current page answers to the zoom bar: a page opening
        // behind another must not have the bar's reply reach that one.
        if (PageServices::instance()->currentPageWidget() == this)
            PageServices::instance()->resetZoom();
    }
    setControlAttributes(object, true, 0);
    return 0;
}

void UIPage::completePageObject()
{
    // A page object without a size would open as 0 x 0 and every drag would
    // snap to the corner: it takes its kind's size, and the file gets it.
    const QSize size = defaultPageSize(m_pageInfo.pageType);
    if (!m_attributes.value(QLatin1String("w")).isDouble())
        setPageAttribute(QStringLiteral("w"), size.width(), false);
    if (!m_attributes.value(QLatin1String("h")).isDouble())
        setPageAttribute(QStringLiteral("h"), size.height(), false);
    // Import asks for "PlaceId": every page this program saves carries it.
    if (!m_attributes.value(QLatin1String("PlaceId")).isDouble())
        setPageAttribute(QStringLiteral("PlaceId"), m_pageInfo.placeId, false);
    // The start page flag of the project entry, so the page's row shows it
    // and a save hands it back unchanged.
    if (!m_attributes.value(QLatin1String("MainPage")).isDouble())
        setPageAttribute(QStringLiteral("MainPage"), m_pageInfo.mainPage, false);
}

QJsonObject UIPage::pageDocument() const
{
    QJsonArray elements;
    for (const QList<UIBase *> &list : m_controls) {
        for (const UIBase *control : list)
            elements.append(control->attributes());
    }
    for (const QJsonValue &element : m_unplacedElements)
        elements.append(element);
    // Readers know the page object by its "type" alone. A page opened from a
    // file without one would otherwise write its own attributes as an element
    // that the next opening cannot place, and add another at every save.
    QJsonObject page = m_attributes;
    if (typeId(page.value(QLatin1String("type")).toString()) != kPageTypeId)
        page.insert(QStringLiteral("type"), typeName(kPageTypeId));
    // Import refuses a page object without it.
    if (!page.value(QLatin1String("PlaceId")).isDouble())
        page.insert(QStringLiteral("PlaceId"), m_pageInfo.placeId);
    elements.append(page);
    QJsonObject root;
    root.insert(QLatin1String(kControlKey), elements);
    return root;
}

void UIPage::slotSaveFile()
{
    if (!m_modified)
        return;
    const QJsonObject root = pageDocument();
    qDebug() << "save file" << pageFilePath();
    // A page that could not be written stays modified, so closing still asks.
    if (!writePageFile(root))
        return;
    // Its "PlaceId" and "MainPage" in the project file are part of the save:
    // while they could not be written the page stays modified, so that the
    // retry the message invites writes them.
    m_modified = !PageServices::instance()->updatePageEntry(m_pageInfo);
}

bool UIPage::writePageFile(const QJsonObject &root)
{
    const QString path = pageFilePath();
    // Without a folder and a file name the path would point at the root.
    // A page over the bound its reader takes would never open again.
    const FileWrite written =
        m_pageInfo.dir.isEmpty() || m_pageInfo.file.isEmpty()
            ? FileWrite(path, FileWrite::FolderMissing)
            : writeFileAtomically(path, QJsonDocument(root).toJson(QJsonDocument::Indented),
                                  WholeFile::limit(WholeFile::Kind::PageFile));
    if (!written)
        Notifier::information(nullptr, tr("提示"), written.problem(tr("open file fail: ")));
    return written.isWritten();
}
