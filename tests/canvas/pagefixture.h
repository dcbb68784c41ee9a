#pragma once

// Fixtures of the canvas tests: page files, control objects, an open page,
// and an open project with its tabs.

#include "canvas/addcommand.h"
#include "canvas/uipage.h"
#include "app/globalmanager.h"
#include "core/pageinfo.h"
#include "core/wholefile.h"
#include "tests/testsupport.h"
#include "wall/gridtemplate.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTabWidget>
#include <QUndoStack>
#include <QtTest>

#include <memory>

namespace pagefixture {

inline QJsonObject control(const QString &type, const QString &name, int x, int y, int w, int h)
{
    return QJsonObject{{"type", type}, {"name", name}, {"x", x}, {"y", y}, {"w", w}, {"h", h}};
}

inline QJsonObject pageObject(int w, int h)
{
    QJsonObject object = control(QStringLiteral("Page"), QStringLiteral("Page"), 0, 0, w, h);
    object.insert(QStringLiteral("normalBkColor"), QStringLiteral("#ff181818"));
    return object;
}

inline bool writePage(const QString &path, const QJsonArray &elements)
{
    return writeFixture(path, QJsonDocument(QJsonObject{{"Control", elements}}).toJson());
}

// A page whose grid setting control "Grid_1" keeps a custom grid of rows x
// cols cells on a 1920 x 1080 wall, laid out as a save writes it. The cells'
// text is made here: a JSON document of a million objects is slow to build.
inline bool writeGridPage(const QString &path, int rows, int cols)
{
    GridTemplate record;
    record.setName(QStringLiteral("grid"));
    record.row = rows;
    record.col = cols;
    record.tw = 1920;
    record.th = 1080;
    QJsonObject layout = gridTemplateObject(record, 0, {});
    layout.insert(QStringLiteral("rect"), QStringLiteral("@cells@"));
    QJsonObject grid = control(QStringLiteral("GridSettingButton"), QStringLiteral("Grid_1"), 10, 10, 120, 40);
    grid.insert(QStringLiteral("grid_layout"), layout);
    QByteArray text = QJsonDocument(QJsonObject{{"Control", QJsonArray{grid, pageObject(1000, 800)}}})
                          .toJson(QJsonDocument::Indented);
    const QByteArray placeholder = "\"@cells@\"";
    const int at = text.indexOf(placeholder);
    const int lineStart = text.lastIndexOf('\n', at) + 1;
    const QByteArray indent = text.mid(lineStart, text.indexOf('"', lineStart) - lineStart);
    const QByteArray opening = indent + "    {";
    const QByteArray key = "\n" + indent + "        \"";
    const QByteArray closing = "\n" + indent + "    }";
    QByteArray cells = "[";
    cells.reserve(rows * cols * (opening.size() + 4 * key.size() + closing.size() + 40));
    for (const GridCell &cell : regularGridCells(rows, cols, record.tw, record.th)) {
        cells.append(cells.size() > 1 ? ",\n" : "\n").append(opening);
        const std::pair<const char *, int> values[] = {
            {"h\": ", cell.h}, {"w\": ", cell.w}, {"x\": ", cell.x}, {"y\": ", cell.y}};
        for (const auto &value : values)
            cells.append(key).append(value.first).append(QByteArray::number(value.second)).append(',');
        cells.chop(1);
        cells.append(closing);
    }
    cells += "\n" + indent + "]";
    return writeFixture(path, text.replace(at, placeholder.size(), cells));
}

// A page file one byte over the bound of pages, all of it a hole: cheap to
// make, and refused before a byte of it is read.
inline bool writeOversizedPage(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.resize(WholeFile::limit(WholeFile::Kind::PageFile) + 1);
}

inline QJsonArray readPage(const QString &path)
{
    return QJsonDocument::fromJson(readFixture(path)).object().value(QStringLiteral("Control")).toArray();
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

inline int intAt(const UIBase *control, const char *key)
{
    return control->attributes().value(QLatin1String(key)).toInt();
}

// The geometry a control stores, in page pixels whatever the zoom.
inline QRect storedRect(const UIBase *c)
{
    return QRect(intAt(c, "x"), intAt(c, "y"), intAt(c, "w"), intAt(c, "h"));
}

// Adds a control by an undoable step, as a drop does; its index follows its name.
inline UIBase *addControl(UIPage *page, int nClass, const QString &name, int x = 10, int y = 10, int w = 80,
                          int h = 40, const QJsonObject &extra = QJsonObject())
{
    QJsonObject object = control(designControlTypeName(nClass), name, x, y, w, h);
    object.insert(QStringLiteral("widgetIndex"), name.section(QLatin1Char('_'), -1).toInt());
    for (auto it = extra.constBegin(); it != extra.constEnd(); ++it)
        object.insert(it.key(), it.value());
    page->undoStack()->push(new AddCommand(page, nClass, object));
    return page->findControl(nClass, name);
}

inline void click(UIBase *control)
{
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
}

// Selects the controls as a user does: a plain click on the first, Ctrl-clicks
// on the rest. True when the page's selection is then exactly these controls.
inline bool select(const QList<UIBase *> &controls)
{
    auto *page = qobject_cast<UIPage *>(controls.first()->parentWidget());
    click(controls.first());
    QTest::keyPress(page, Qt::Key_Control);
    for (UIBase *control : controls.mid(1))
        QTest::mouseClick(control, Qt::LeftButton, Qt::ControlModifier, QPoint(3, 3));
    QTest::keyRelease(page, Qt::Key_Control);
    return page->selection() == controls;
}

// Presses on the control at start and drags by delta over its page.
inline void drag(UIBase *control, QPoint start, QPoint delta)
{
    QWidget *page = control->parentWidget();
    QTest::mouseMove(control, start);
    QTest::mousePress(control, Qt::LeftButton, Qt::NoModifier, start);
    const QPoint startInPage = control->mapToParent(start);
    for (int i = 1; i <= 4; ++i)
        QTest::mouseMove(page, startInPage + delta * i / 4);
    QTest::mouseRelease(page, Qt::LeftButton, Qt::NoModifier, startInPage + delta);
}

// A page "home", unmodified, in a fresh working folder, with a TestNotifier
// answering: setUp() in init(), tearDown() in cleanup(). Shown pages sit in a
// window so that mouse and key events reach them; TwoPages adds "second"
// beside the first.
class PageFixture
{
public:
    enum Show { Hidden, Shown, TwoPages };

    bool setUp(int width, int height, Show show = Hidden)
    {
        workDir.reset(new TestWorkDir);
        notifier.reset(new TestNotifier);
        if (show != Hidden) {
            window = new QWidget;
            window->resize((show == TwoPages ? 2 * width + 100 : width) + 100, height + 100);
        }
        page = openPage(QStringLiteral("home"), width, height);
        if (show == TwoPages) {
            other = openPage(QStringLiteral("second"), width, height);
            other->move(width + 100, 0);
        }
        if (window)
            window->show();
        return workDir->isValid() && (!window || QTest::qWaitForWindowExposed(window));
    }

    void tearDown()
    {
        delete (window ? window : page);
        flushDeletes();
        notifier.reset();
        workDir.reset();
        GlobalManager::resetInstance();
    }

    UIBase *add(int nClass, const QString &name, int x = 10, int y = 10, int w = 80, int h = 40)
    {
        return addControl(page, nClass, name, x, y, w, h);
    }
    int steps() const { return page->undoStack()->count(); }

    std::unique_ptr<TestWorkDir> workDir;
    std::unique_ptr<TestNotifier> notifier;
    QWidget *window = nullptr;
    UIPage *page = nullptr;
    UIPage *other = nullptr;

private:
    UIPage *openPage(const QString &name, int width, int height)
    {
        auto *opened = new UIPage(window);
        opened->openPage(info(workDir->path(), name));
        opened->setPageJson(pageObject(width, height));
        opened->setModified(false);
        return opened;
    }
};

// An empty project "hall" opened by the manager, its pages opening in tabs.
class ProjectFixture
{
public:
    bool setUp()
    {
        workDir.reset(new TestWorkDir);
        notifier.reset(new TestNotifier);
        tabs = new QTabWidget;
        projectFile = writeProjectFixture(workDir->path(), QByteArray("{\"Page\": []}"), QStringList(),
                                          QStringLiteral("hall"), QStringLiteral("hall.projectui"));
        project = QFileInfo(projectFile).absolutePath();
        GlobalManager::instance()->setTabWidget(tabs);
        return workDir->isValid() && GlobalManager::instance()->openProject(projectFile);
    }

    void tearDown()
    {
        GlobalManager::instance()->setTabWidget(nullptr);
        delete tabs;
        flushDeletes();
        GlobalManager::resetInstance();
        notifier.reset();
        workDir.reset();
    }

    QString pagePath(const QString &name) const { return project + QLatin1Char('/') + name + QStringLiteral(".json"); }

    std::unique_ptr<TestWorkDir> workDir;
    std::unique_ptr<TestNotifier> notifier;
    QTabWidget *tabs = nullptr;
    QString project;
    QString projectFile;
};

} // namespace pagefixture
