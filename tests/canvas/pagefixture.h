#pragma once

// Fixtures shared by the canvas tests: page files on disk and control objects.

#include "canvas/uipage.h"
#include "core/pageinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

namespace pagefixture {

inline QJsonObject control(const QString &type, const QString &name, int x, int y, int w, int h)
{
    QJsonObject object;
    object.insert(QStringLiteral("type"), type);
    object.insert(QStringLiteral("name"), name);
    object.insert(QStringLiteral("x"), x);
    object.insert(QStringLiteral("y"), y);
    object.insert(QStringLiteral("w"), w);
    object.insert(QStringLiteral("h"), h);
    return object;
}

inline QJsonObject pageObject(int w, int h)
{
    QJsonObject object;
    object.insert(QStringLiteral("type"), QStringLiteral("Page"));
    object.insert(QStringLiteral("name"), QStringLiteral("Page"));
    object.insert(QStringLiteral("x"), 0);
    object.insert(QStringLiteral("y"), 0);
    object.insert(QStringLiteral("w"), w);
    object.insert(QStringLiteral("h"), h);
    object.insert(QStringLiteral("normalBkColor"), QStringLiteral("#ff181818"));
    return object;
}

inline bool writePage(const QString &path, const QJsonArray &elements)
{
    QJsonObject root;
    root.insert(QStringLiteral("Control"), elements);
    QFile file(path);
    const QByteArray bytes = QJsonDocument(root).toJson();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QJsonArray readPage(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QJsonArray();
    return QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("Control")).toArray();
}

inline PageInfo info(const QString &dir, const QString &name, int pageType = 0)
{
    PageInfo page;
    page.name = name;
    page.file = name + QStringLiteral(".json");
    page.dir = dir;
    page.pageType = pageType;
    return page;
}

// Runs the deferred deletions, so that a control taken off a page is really
// freed before the next step (a use after free then shows under the sanitizer).
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The names of the page's controls of one kind, in list order.
inline QStringList names(const UIPage *page, int nClass)
{
    QStringList result;
    for (const UIBase *control : page->controls().value(nClass))
        result.append(control->getName());
    return result;
}

} // namespace pagefixture
