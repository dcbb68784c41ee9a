// Opens, saves and undoes pages of many controls on the canvas and compares
// the opening with a baseline, measured on the same file: parsing it and
// making as many plain widgets with their geometry. Two mixes of kinds: the
// kinds that draw like the base control, and every kind in turn (the
// composite ones build widgets of their own). Then pages of 128 list
// controls of the widest page size, each asking for more cells than the
// page's budget holds, opened on the canvas and in the preview against as
// many plain buttons of that size. Run offscreen:
//   QT_QPA_PLATFORM=offscreen ./bench_canvas
#include "canvas/editcommand.h"
#include "canvas/uipage.h"
#include "controls/plaincontrols.h"
#include "app/globalmanager.h"
#include "core/pageinfo.h"
#include "preview/expagewidget.h"
#include "tests/benchsupport.h"
#include "tests/testsupport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScrollArea>
#include <QTextStream>
#include <QUndoStack>
#include <QWidget>

#include <cstdio>

using namespace benchsupport;

namespace {

const int kCounts[] = {100, 1000, 5000};
const int kRepeats = 3;
const int kListControls = 128;
const QSize kWidestPage(15360, 8640);
const QSize kPreviewSize(1920, 1080);
// The list kinds, each against as many plain buttons.
const char *const kListKinds[] = {"Playbuttongroup", "PPTbuttongroup", "Screenbuttongroup", "SourceTab",
                                  "SceneList"};
const char kPlainKind[] = "CmdButton";

QVector<int> kindsOfMix(bool plainOnly)
{
    QVector<int> kinds;
    for (const ControlTypeEntry &entry : designControlTypes()) {
        if (entry.id != UIPage::kPageTypeId && (!plainOnly || isPlainKind(entry.id)))
            kinds.append(entry.id);
    }
    return kinds;
}

QString writePage(const QString &dir, const QString &name, const QVector<int> &kinds, int count)
{
    QJsonArray elements;
    elements.append(QJsonObject{{"type", "Page"}, {"name", "Page"}, {"x", 0}, {"y", 0}, {"w", 1920},
                                {"h", 1080}, {"normalBkColor", "#ff181818"}});
    for (int i = 0; i < count; ++i) {
        const int id = kinds.at(i % kinds.size());
        const QString type = designControlTypeName(id);
        QJsonObject control{{"type", type},
                            {"name", QString(type + QLatin1Char('_') + QString::number(i))},
                            {"widgetIndex", i},
                            {"x", (i * 37) % 1800},
                            {"y", (i * 53) % 1000},
                            {"w", 120},
                            {"h", 60},
                            {"text", QString(QStringLiteral("控件 ") + QString::number(i))},
                            {"normalBkColor", "#ff334455"},
                            {"fontsize", 14}};
        if (id == 129)
            control.insert(QStringLiteral("on_cmd_data_list"),
                           QJsonArray{QJsonObject{{"ip", "10.0.0.2"}, {"port", 5000}, {"data", "A1"}}});
        elements.append(control);
    }
    QJsonObject root;
    root.insert(QStringLiteral("Control"), elements);
    QFile file(dir + QLatin1Char('/') + name + QStringLiteral(".json"));
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(QJsonDocument(root).toJson());
    return name;
}

double baselineMs(const QString &path)
{
    QWidget parent;
    QElapsedTimer timer;
    timer.start();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    for (const QJsonValue &element : document.object().value(QLatin1String("Control")).toArray()) {
        const QJsonObject object = element.toObject();
        auto *widget = new QWidget(&parent);
        widget->setGeometry(object.value(QLatin1String("x")).toInt(), object.value(QLatin1String("y")).toInt(),
                            object.value(QLatin1String("w")).toInt(), object.value(QLatin1String("h")).toInt());
        widget->show();
    }
    const double elapsed = msSince(timer);
    // What an event loop would have handled by the time the widgets go.
    QCoreApplication::sendPostedEvents();
    return elapsed;
}

struct Result {
    int count = 0;
    double open = 1e300;
    double baseline = 1e300;
    double save = 0;
    double undo = 0;
    double redo = 0;
    double close = 0;
    long peak = 0;
};

Result measure(const QString &dir, const QVector<int> &kinds, int count)
{
    Result result;
    result.count = count;
    PageInfo info;
    info.name = writePage(dir, QStringLiteral("bench_%1_%2").arg(kinds.size()).arg(count), kinds, count);
    info.file = info.name + QStringLiteral(".json");
    info.dir = dir;

    // Best of a few runs for the two numbers that are compared.
    for (int r = 0; r < kRepeats; ++r) {
        result.baseline = qMin(result.baseline, baselineMs(dir + QLatin1Char('/') + info.file));
        QElapsedTimer timer;
        timer.start();
        auto *page = new UIPage;
        page->openPage(info);
        result.open = qMin(result.open, msSince(timer));
        QCoreApplication::sendPostedEvents();
        if (page->controlCount() != count)
            std::fprintf(stderr, "page holds %d controls, not %d\n", page->controlCount(), count);

        if (r == kRepeats - 1) {
            page->setModified(true);
            timer.restart();
            page->slotSaveFile();
            result.save = msSince(timer);

            // One move step per control, as a group move pushes them.
            for (const QList<UIBase *> &list : page->controls()) {
                for (UIBase *control : list) {
                    QJsonObject moved = control->attributes();
                    moved.insert(QStringLiteral("x"), moved.value(QLatin1String("x")).toInt() + 10);
                    page->undoStack()->push(new EditCommand(page, page->classOf(control), 1, control,
                                                            control->attributes(), moved));
                }
            }
            timer.restart();
            for (int i = 0; i < count; ++i)
                page->undo();
            result.undo = msSince(timer);
            timer.restart();
            for (int i = 0; i < count; ++i)
                page->redo();
            result.redo = msSince(timer);
            result.peak = peakKiB();
        }
        QCoreApplication::sendPostedEvents();
        timer.restart();
        delete page;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        result.close = msSince(timer);
    }
    return result;
}

// A page of the widest size full of controls of one kind, each as large as
// the page, in the look of the pages above, asking for more cells than any
// page builds.
QString writeWidePage(const QString &dir, const QString &type)
{
    QJsonArray elements{QJsonObject{{"type", "Page"}, {"name", "Page"}, {"w", kWidestPage.width()},
                                    {"h", kWidestPage.height()}, {"normalBkColor", "#ff181818"}}};
    for (int i = 0; i < kListControls; ++i) {
        elements.append(QJsonObject{{"type", type},
                                    {"name", QString(type + QLatin1Char('_') + QString::number(i))},
                                    {"widgetIndex", i},
                                    {"x", 0},
                                    {"y", 0},
                                    {"w", kWidestPage.width()},
                                    {"h", kWidestPage.height()},
                                    {"text", QString::number(i)},
                                    {"normalBkColor", "#ff334455"},
                                    {"fontsize", 14},
                                    {"show_item_num", 2000000000}});
    }
    QFile file(dir + QLatin1Char('/') + type + QStringLiteral(".json"));
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(QJsonDocument(QJsonObject{{"Control", elements}}).toJson());
    return type;
}

// Opening time (built, shown and laid out) and first paint, each the best of
// a few runs.
struct Opening {
    double open = 1e300;
    double paint = 1e300;
};

template <typename Make>
Opening measureOpening(Make make)
{
    Opening best;
    for (int r = 0; r < kRepeats; ++r) {
        QElapsedTimer timer;
        timer.start();
        QWidget *shown = make();
        shown->show();
        QCoreApplication::sendPostedEvents();
        best.open = qMin(best.open, msSince(timer));
        QImage image(shown->size(), QImage::Format_ARGB32_Premultiplied);
        timer.restart();
        shown->render(&image);
        best.paint = qMin(best.paint, msSince(timer));
        delete shown;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return best;
}

// As a page tab opens: read into a page in a scroll area, then shown.
Opening canvasOpening(const QString &dir, const QString &name)
{
    PageInfo info;
    info.name = name;
    info.file = name + QStringLiteral(".json");
    info.dir = dir;
    return measureOpening([&info] {
        auto *scroll = new QScrollArea;
        scroll->resize(kPreviewSize);
        auto *page = new UIPage(scroll);
        scroll->setWidget(page);
        page->openPage(info);
        return scroll;
    });
}

// As a preview tab opens: the first resize of the host loads the page.
Opening previewOpening(const QString &dir, const QString &name)
{
    const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".json");
    return measureOpening([&path] {
        auto *host = new ExPageWidget(1, path);
        host->resize(kPreviewSize);
        return host;
    });
}

void printListPages(const QString &dir)
{
    std::printf("\n%-18s %13s %6s %13s %6s %14s %6s %14s %6s\n", "list kind", "canvas ms", "ratio",
                "+paint ms", "ratio", "preview ms", "ratio", "+paint ms", "ratio");
    const QString plainName = writeWidePage(dir, QLatin1String(kPlainKind));
    auto column = [](const Opening &list, const Opening &plain, bool painted) {
        const double ours = list.open + (painted ? list.paint : 0);
        const double floor = plain.open + (painted ? plain.paint : 0);
        std::printf(" %6.1f/%6.1f %6.2f", ours, floor, ours / floor);
    };
    for (const char *kind : kListKinds) {
        // The plain page again beside each kind, so a busy moment of the
        // machine weighs on both sides of a ratio.
        const QString name = writeWidePage(dir, QLatin1String(kind));
        const Opening plainCanvas = canvasOpening(dir, plainName);
        const Opening canvas = canvasOpening(dir, name);
        const Opening plainPreview = previewOpening(dir, plainName);
        const Opening preview = previewOpening(dir, name);
        std::printf("%-18s", kind);
        column(canvas, plainCanvas, false);
        column(canvas, plainCanvas, true);
        std::printf(" ");
        column(preview, plainPreview, false);
        column(preview, plainPreview, true);
        std::printf("\n");
        std::fflush(stdout);
    }
}

void print(const char *mix, const Result &r)
{
    std::printf("%-6s %8d %9.1f %11.1f %6.2f %8.1f %8.1f %8.1f %9.1f %10ld %9.1f\n", mix, r.count, r.open,
                r.baseline, r.open / r.baseline, r.save, r.undo, r.redo, r.close, r.peak,
                1000.0 * r.open / r.count);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    qInstallMessageHandler(quiet);
    TestWorkDir workDir;
    if (!workDir.isValid())
        return 1;

    std::printf("%-6s %8s %9s %11s %6s %8s %8s %8s %9s %10s %9s\n", "mix", "controls", "open ms",
                "baseline ms", "ratio", "save ms", "undo ms", "redo ms", "close ms", "peak KiB",
                "us/ctrl");
    for (const bool plainOnly : {true, false}) {
        const QVector<int> kinds = kindsOfMix(plainOnly);
        for (const int count : kCounts)
            print(plainOnly ? "plain" : "all", measure(workDir.path(), kinds, count));
    }
    printListPages(workDir.path());
    GlobalManager::resetInstance();
    return 0;
}
