#pragma once

#include "core/pageinfo.h"

#include <QJsonObject>
#include <QString>

class QWidget;

// What a page canvas tells the panels and the project, and asks of them. The
// application, which knows the panels and the open project, implements it and
// installs itself here; until it does, a page works on its own and nothing
// answers.
class PageServices
{
public:
    static PageServices *instance();
    // Null puts the silent default back.
    static void install(PageServices *services);

    // The property panel: what it shows, and of which control.
    virtual void showProperty(const QString &pageName, QWidget *control, int nClass, const QJsonObject &data) = 0;
    virtual void fillProperty(QWidget *control, int nClass, const QJsonObject &data) = 0;
    virtual void hideProperty() = 0;
    virtual QWidget *propertyControl() const = 0;
    // A control that is going away: nothing may keep showing or holding it.
    virtual void forgetControl(QWidget *control) = 0;

    // The control tree of the page in front; items carry the control's identity.
    virtual void addControlItem(int nClass, const QString &name, quint64 id) = 0;
    virtual void removeControlItem(int nClass, const QString &name, quint64 id) = 0;

    // The page tabs, the zoom bar and the palette.
    virtual QWidget *currentPageWidget() const = 0;
    // The page in front and the zoom bar go back to the default zoom.
    virtual void resetZoom() = 0;
    // The kind armed in the palette, or -1.
    virtual int dropClass() const = 0;

    // The project's entry of a page that was saved; false when it could not
    // be written.
    virtual bool updatePageEntry(PageInfo page) = 0;

protected:
    ~PageServices() = default;
};
