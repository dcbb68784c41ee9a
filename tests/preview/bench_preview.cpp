// Loads pages of many run-time buttons and labels into a preview page host
// and paints them once, against a baseline measured on the same file: parsing
// it with QJsonDocument, making as many plain QWidget children with their
// geometry and painting those once. Run offscreen:
//   QT_QPA_PLATFORM=offscreen ./bench_preview
#include "app/globalmanager.h"
#include "preview/expagewidget.h"
#include "tests/benchsupport.h"
#include "tests/testsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QWidget>

#include <cstdio>

using namespace benchsupport;

namespace {

const int kCounts[] = {100, 1000, 5000};
const int kRepeats = 3;
const QSize kHostSize(1920, 1080);

const char *const kKinds[] = {"ImageLabel", "Label", "AudioLabel", "HomeButton", "CmdButton",
                              "CmdRelativeButton", "PageButton", "FeatureButton", "OpenUrlButton",
                              "OpenProcessButton", "ToTopButton", "BackgroundImageButton",
                              "FilePageTurnButton", "PtzButton", "VideoResetButton", "KvmButton",
                              "MuxFeatureButton", "MeetingButton"};

QString writePage(const QString &dir, int count)
{
    QJsonArray elements;
    elements.append(QJsonObject{{"type", "Page"}, {"name", "Page"}, {"x", 0}, {"y", 0}, {"w", 1920},
                                {"h", 1080}, {"normalBkColor", "#ff181818"}});
    const int kinds = int(sizeof kKinds / sizeof kKinds[0]);
    for (int i = 0; i < count; ++i) {
        const QString type = QLatin1String(kKinds[i % kinds]);
        QJsonObject control{{"type", type},
                            {"name", QString(type + QLatin1Char('_') + QString::number(i))},
                            {"x", (i * 37) % 1800},
                            {"y", (i * 53) % 1000},
                            {"w", 120},
                            {"h", 60},
                            {"text", QString(QStringLiteral("控件 ") + QString::number(i))},
                            {"normalColor", "#ffffffff"},
                            {"pressColor", "#ff409eff"},
                            {"normalBkColor", "#ff334455"},
                            {"pressBkColor", "#ff556677"},
                            {"fontsize", 14},
                            {"m_group_id", i % 4}};
        if (i % 10 == 0)
            control.insert(QStringLiteral("normal_image_path"), QStringLiteral("art.png"));
        elements.append(control);
    }
    const QString path = dir + QStringLiteral("/bench_%1.json").arg(count);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(QJsonDocument(QJsonObject{{"Control", elements}}).toJson());
    return path;
}

double paintOnce(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    QElapsedTimer timer;
    timer.start();
    widget->render(&image);
    return msSince(timer);
}

double baselineMs(const QString &path)
{
    QWidget parent;
    parent.resize(kHostSize);
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
    }
    parent.show();
    const double built = msSince(timer);
    const double elapsed = built + paintOnce(&parent);
    QCoreApplication::sendPostedEvents();
    return elapsed;
}

struct Result {
    int count = 0;
    double load = 1e300;
    double paint = 1e300;
    double baseline = 1e300;
    double close = 0;
    long peak = 0;
};

Result measure(const QString &path, int count)
{
    Result result;
    result.count = count;
    for (int r = 0; r < kRepeats; ++r) {
        result.baseline = qMin(result.baseline, baselineMs(path));
        QElapsedTimer timer;
        timer.start();
        auto *host = new ExPageWidget(1, path);
        host->resize(kHostSize);
        host->show();   // the first resize wider than a bare dialog loads the page
        result.load = qMin(result.load, msSince(timer));
        result.paint = qMin(result.paint, paintOnce(host));
        if (host->elements().size() != count)
            std::fprintf(stderr, "host holds %d elements, not %d\n", int(host->elements().size()), count);
        result.peak = peakKiB();
        timer.restart();
        delete host;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        result.close = msSince(timer);
    }
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    qInstallMessageHandler(quiet);
    TestWorkDir workDir;
    if (!workDir.isValid())
        return 1;
    GlobalManager::instance()->setScreenMetrics(96, 1.0, 1.0);
    writeColourPicture(workDir.filePath(QStringLiteral("art.png")), QColor(230, 160, 20), QSize(64, 32));

    std::printf("%8s %9s %9s %11s %6s %9s %10s %9s\n", "controls", "load ms", "paint ms", "baseline ms",
                "ratio", "close ms", "peak KiB", "us/ctrl");
    for (const int count : kCounts) {
        const Result r = measure(writePage(workDir.path(), count), count);
        const double total = r.load + r.paint;
        std::printf("%8d %9.1f %9.1f %11.1f %6.2f %9.1f %10ld %9.1f\n", r.count, r.load, r.paint, r.baseline,
                    total / r.baseline, r.close, r.peak, 1000.0 * total / r.count);
        std::fflush(stdout);
    }
    GlobalManager::resetInstance();
    return 0;
}
