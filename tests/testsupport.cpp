#include "testsupport.h"

#include "app/globalmanager.h"
#include "canvas/uipage.h"
#include "controls/compositecontrols.h"
#include "controls/uibase.h"
#include "core/filewrite.h"
#include "shell/srclistwidget.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QScrollArea>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
    }
}
} // namespace

TestWorkDir::TestWorkDir(Assets assets)
{
    m_previous = QDir::currentPath();
    if (!m_dir.isValid())
        return;
    if (assets == WithAssets) {
        const QString runDir = qEnvironmentVariable("BRIVANE_RUN_DIR");
        for (const char *sub : {"resource", "template", "data_template"})
            copyTree(runDir + QLatin1Char('/') + QLatin1String(sub),
                     m_dir.path() + QLatin1Char('/') + QLatin1String(sub));
    }
    m_valid = QDir::setCurrent(m_dir.path());
}

TestWorkDir::~TestWorkDir()
{
    QDir::setCurrent(m_previous);
}

TestNotifier::TestNotifier()
{
    Notifier::setResponder([this](const Notifier::Prompt &prompt) {
        m_prompts.append(prompt);
        if (m_whileShown)
            m_whileShown(prompt);
        // A box with only OK is a message; anything else asks.
        if (prompt.buttons == QMessageBox::Ok)
            return QMessageBox::Ok;
        if (!m_answers.isEmpty())
            return m_answers.takeFirst();
        return m_defaultAnswer;
    });
    Notifier::setTextResponder([this](const Notifier::Prompt &prompt, QString *text) {
        m_prompts.append(prompt);
        if (m_texts.isEmpty())
            return true;
        const QPair<bool, QString> answer = m_texts.takeFirst();
        if (answer.first)
            *text = answer.second;
        return answer.first;
    });
}

TestNotifier::~TestNotifier()
{
    Notifier::setResponder(nullptr);
    Notifier::setTextResponder(nullptr);
}

QStringList TestNotifier::texts() const
{
    QStringList list;
    for (const Notifier::Prompt &prompt : m_prompts)
        list.append(prompt.text);
    return list;
}

bool writeFixture(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFixture(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QJsonObject jsonFixture(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).object();
}

QString writeProjectFixture(const QString &root, const QByteArray &projectJson, const QStringList &pageFiles,
                            const QString &folder, const QString &fileName)
{
    const QString dir = root + QLatin1Char('/') + folder;
    writeFixture(dir + QLatin1Char('/') + fileName, projectJson);
    for (const QString &page : pageFiles)
        writeFixture(dir + QLatin1Char('/') + page, page.toUtf8());
    return dir + QLatin1Char('/') + fileName;
}

QJsonArray projectEntries(const QString &projectFile)
{
    return QJsonDocument::fromJson(readFixture(projectFile)).object().value(QStringLiteral("Page")).toArray();
}

QStringList projectEntryFiles(const QString &projectFile)
{
    QStringList files;
    for (const QJsonValue &entry : projectEntries(projectFile))
        files << entry.toObject().value(QStringLiteral("File")).toString();
    return files;
}

QStringList pageNames()
{
    QStringList names;
    for (const PageInfo &page : GlobalManager::instance()->pages())
        names << page.name;
    return names;
}

QMap<QString, QByteArray> folderSnapshot(const QString &root)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        // A FIFO or a device is named, never read: that would block or not end.
        const QString kind = fileKind(path);
        entries.insert(QDir(root).relativeFilePath(path), kind == "file" ? readFixture(path) : "<" + kind.toUtf8() + ">");
    }
    return entries;
}

bool saysTooLarge(const QString &said, const QString &lead, const QString &path, qint64 limit)
{
    const QRegularExpressionMatch size = QRegularExpression(QStringLiteral("\\d+")).match(said.section('\n', 1));
    const qint64 bytes = size.hasMatch() ? size.captured().toLongLong() : -1;
    return bytes > limit && said == FileWrite::tooLarge(path, bytes, limit).problem(lead);
}

namespace {
// A zero device (character 1 5) made at path; only root may.
bool makeZeroDevice(const QString &path)
{
    return ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, 5)) == 0;
}

// What a "zero" link names. Root makes a device of its own in a temporary
// folder of the suite for each link, so that a write that went through the
// link replaces that one and never the system's. Any other user cannot
// replace /dev/zero, and links there.
QString zeroDeviceForLink()
{
    if (::geteuid() != 0)
        return QStringLiteral("/dev/zero");
    static QTemporaryDir devices;
    static int count = 0;
    const QString path = devices.filePath(QStringLiteral("zero-%1").arg(++count));
    if (devices.isValid() && makeZeroDevice(path))
        return path;
    qWarning("makeSpecialFile: no zero device could be made in %s", qPrintable(devices.path()));
    return QString();
}

bool makeSocket(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.size() >= int(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int handle = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (handle < 0)
        return false;
    // Closing leaves the socket file behind, which is all that is wanted.
    const bool bound = ::bind(handle, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(handle);
    return bound;
}
} // namespace

bool makeSpecialFile(const QString &path, const QString &kind)
{
    QDir().mkpath(QFileInfo(path).path());
    const QByteArray name = QFile::encodeName(path);
    if (kind == QLatin1String("fifo"))
        return ::mkfifo(name.constData(), 0600) == 0;
    if (kind == QLatin1String("zero")) {
        const QString device = zeroDeviceForLink();
        return !device.isEmpty() && QFile::link(device, path);
    }
    if (kind == QLatin1String("device"))
        return makeZeroDevice(path);
    if (kind == QLatin1String("socket"))
        return makeSocket(path);
    if (kind == QLatin1String("folder"))
        return QDir().mkpath(path);
    return false;
}

QString fileKind(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status;
    if (::lstat(name.constData(), &status) != 0)
        return QStringLiteral("missing");
    if (S_ISLNK(status.st_mode)) {
        struct stat target;
        const bool known = ::stat(name.constData(), &target) == 0;
        if (known && S_ISCHR(target.st_mode) && target.st_rdev == makedev(1, 5))
            return QStringLiteral("zero");
        return known && S_ISREG(target.st_mode) ? QStringLiteral("file") : QStringLiteral("link");
    }
    if (S_ISFIFO(status.st_mode))
        return QStringLiteral("fifo");
    if (S_ISDIR(status.st_mode))
        return QStringLiteral("folder");
    if (S_ISSOCK(status.st_mode))
        return QStringLiteral("socket");
    return S_ISREG(status.st_mode) ? QStringLiteral("file") : QStringLiteral("device");
}

namespace {
void bark(int)
{
    static const char text[] = "ReadWatchdog: a read blocked or did not end\n";
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, text, sizeof text - 1);
    std::abort();
}
} // namespace

ReadWatchdog::ReadWatchdog(unsigned seconds)
    : m_previous(std::signal(SIGALRM, bark))
{
    ::alarm(seconds);
}

ReadWatchdog::~ReadWatchdog()
{
    ::alarm(0);
    std::signal(SIGALRM, m_previous);
}

FileSizeLimit::FileSizeLimit(quint64 bytes)
    : m_handler(std::signal(SIGXFSZ, SIG_IGN))
{
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) != 0)
        return;
    m_previous = limit.rlim_cur;
    limit.rlim_cur = rlim_t(bytes);
    active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit()
{
    if (active) {
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = rlim_t(m_previous);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    std::signal(SIGXFSZ, m_handler);
}

bool canRunAsNobody(QString *whyNot)
{
    if (::geteuid() != 0)
        *whyNot = QStringLiteral("only root can switch to the user nobody");
    else if (!::getpwnam("nobody"))
        *whyNot = QStringLiteral("there is no user nobody here");
    else
        return true;
    return false;
}

namespace {
// The child's end of runAsNobody: never returns.
[[noreturn]] void serveAsNobody(uid_t uid, gid_t gid, int answerEnd, const std::function<QByteArray()> &work)
{
    int status = 1;
    // Groups first: as nobody the process may change them no more.
    if (::setgroups(0, nullptr) == 0 && ::setgid(gid) == 0 && ::setuid(uid) == 0 && ::geteuid() == uid) {
        // A change of user closes /proc/self to the process; the sanitizers read it.
        ::prctl(PR_SET_DUMPABLE, 1);
        status = 2;
        try {
            const QByteArray bytes = work();
            const char *data = bytes.constData();
            qint64 left = bytes.size();
            while (left > 0) {
                const ssize_t count = ::write(answerEnd, data, size_t(left));
                if (count < 0 && errno == EINTR)
                    continue;
                if (count <= 0)
                    break;
                data += count;
                left -= count;
            }
            if (left == 0)
                status = 0;
        } catch (...) {
            status = 3;
        }
    }
    ::_exit(status);
}
} // namespace

bool runAsNobody(const std::function<QByteArray()> &work, QByteArray *answer)
{
    answer->clear();
    const passwd *nobody = ::getpwnam("nobody");
    int ends[2];
    if (::geteuid() != 0 || !nobody || ::pipe2(ends, O_CLOEXEC) != 0)
        return false;
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    // What is buffered would otherwise be written by both processes.
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        serveAsNobody(uid, gid, ends[1], work);
    }
    ::close(ends[1]);
    bool ended = child > 0;
    QElapsedTimer clock;
    clock.start();
    while (ended) {
        pollfd ready{ends[0], POLLIN, 0};
        const int waited = ::poll(&ready, 1, int(qMax<qint64>(0, 20000 - clock.elapsed())));
        if (waited < 0 && errno == EINTR)
            continue;
        if (waited <= 0) {
            qWarning("runAsNobody: the child did not end within 20 s");
            ::kill(child, SIGKILL);
            ended = false;
            break;
        }
        char block[4096];
        const ssize_t count = ::read(ends[0], block, sizeof block);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        answer->append(block, int(count));
    }
    ::close(ends[0]);
    int status = 0;
    if (child > 0) {
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }
    if (ended && !(WIFEXITED(status) && WEXITSTATUS(status) == 0)) {
        qWarning("runAsNobody: the child ended with status %d", status);
        ended = false;
    }
    return ended;
}

bool writeColourPicture(const QString &path, const QColor &colour, const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image.save(path);
}

QImage renderSelf(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

int countNear(const QImage &image, const QColor &colour, int tolerance)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += qAbs(c.red() - colour.red()) <= tolerance && qAbs(c.green() - colour.green()) <= tolerance
                     && qAbs(c.blue() - colour.blue()) <= tolerance && c.alpha() > 100;
        }
    }
    return count;
}

bool saveGrabIfAsked(const QImage &image, const QString &name)
{
    QString dir = qEnvironmentVariable("BRIVANE_GRAB_DIR");
    if (dir.isEmpty())
        dir = qEnvironmentVariable("BRIVANE_SHOT_DIR");
    return dir.isEmpty() || image.save(dir + QLatin1Char('/') + name);
}

UIBase *buildComposite(int typeId, QWidget *page, const QJsonObject &attributes, double zoom)
{
    UIBase *control = createCompositeControl(typeId, page);
    if (!control)
        return nullptr;
    control->setFileDir(QDir::currentPath());
    control->setScaleValue(zoom);
    control->setAttributes(attributes, true, false);
    control->buildLayout();
    return control;
}

void editLikePage(UIBase *control, const QJsonObject &edit)
{
    control->setAttributes(edit, true, false);
    control->applyAttributes(edit);
}

RecordingPage *addRecordingPageTab(QTabWidget *tabs, const QString &name)
{
    auto *scroll = new QScrollArea;
    auto *page = new RecordingPage;
    scroll->setWidget(page);
    tabs->addTab(scroll, name);
    return page;
}

QStringList chooseFromContextMenu(QTreeWidget *tree, QTreeWidgetItem *item, const QString &entry)
{
    QStringList offered;
    QTimer::singleShot(0, [&offered, entry] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        QAction *choice = nullptr;
        for (QAction *action : menu->actions()) {
            offered << action->text();
            if (action->text() == entry)
                choice = action;
        }
        if (!choice) {
            menu->close();
            return;
        }
        menu->setActiveAction(choice);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    const QPoint at = tree->visualItemRect(item).center();
    QTest::mouseClick(tree->viewport(), Qt::RightButton, Qt::NoModifier, at);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, tree->viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree->viewport(), &event);
    return offered;
}

void doubleClickItem(QTreeWidget *tree, QTreeWidgetItem *item)
{
    const QPoint at = tree->visualItemRect(item).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

UIPage *openPageTab(const QString &name)
{
    return GlobalManager::instance()->openPageTab(name, 0) ? GlobalManager::instance()->currentPage() : nullptr;
}

QList<int> visibleKinds(const SrcListWidget *palette)
{
    QList<int> kinds;
    for (int row = 0; row < palette->listWidget()->count(); ++row) {
        if (!palette->listWidget()->item(row)->isHidden())
            kinds << palette->listWidget()->item(row)->data(Qt::UserRole).toInt();
    }
    return kinds;
}
