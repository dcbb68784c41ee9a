#pragma once

#include "core/notifier.h"

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QVector>
#include <QWidget>

#include <functional>

class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class SrcListWidget;
class UIBase;
class UIPage;

// Runs a test inside a fresh temporary working directory, optionally holding
// a copy of the built run folder (translations, style sheet, templates), and
// restores the previous directory afterwards.
class TestWorkDir
{
public:
    enum Assets { NoAssets, WithAssets };

    explicit TestWorkDir(Assets assets = NoAssets);
    ~TestWorkDir();

    bool isValid() const { return m_valid; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
    bool m_valid = false;
};

// Answers every message box and question instead of a user, and records them.
class TestNotifier
{
public:
    TestNotifier();
    ~TestNotifier();

    // Answers given in turn to questions; when none is left, the default answer.
    void queueAnswer(QMessageBox::StandardButton answer) { m_answers.append(answer); }
    // Answers given in turn to text questions; when none is left, the proposal
    // is taken.
    void queueText(const QString &text) { m_texts.append({true, text}); }
    void queueTextCancel() { m_texts.append({false, QString()}); }
    void setDefaultAnswer(QMessageBox::StandardButton answer) { m_defaultAnswer = answer; }
    // Runs on every box and question while it is shown, before its answer:
    // to see what stands on disk while the user reads it.
    void whileShown(const std::function<void(const Notifier::Prompt &)> &look) { m_whileShown = look; }

    const QVector<Notifier::Prompt> &prompts() const { return m_prompts; }
    QStringList texts() const;
    void clear() { m_prompts.clear(); }

private:
    QVector<Notifier::Prompt> m_prompts;
    QVector<QMessageBox::StandardButton> m_answers;
    QVector<QPair<bool, QString>> m_texts;
    QMessageBox::StandardButton m_defaultAnswer = QMessageBox::Ok;
    std::function<void(const Notifier::Prompt &)> m_whileShown;
};

// Acts on the shown top-level widget of that class once an event loop runs,
// such as the one of a dialog's exec() that the next step starts.
template <typename Widget>
void whenShown(std::function<void(Widget *)> act)
{
    QTimer::singleShot(0, [act] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *found = qobject_cast<Widget *>(widget); found && found->isVisible())
                return act(found);
        }
    });
}

// Writes bytes to a file, creating its folder; for building fixtures.
bool writeFixture(const QString &path, const QByteArray &bytes);
QByteArray readFixture(const QString &path);

// The object of a JSON text written inline in a test.
QJsonObject jsonFixture(const QByteArray &json);

// A project folder "<root>/<folder>" holding the project file and one file
// per name in pageFiles (its content: its own name). Returns the project file.
QString writeProjectFixture(const QString &root, const QByteArray &projectJson,
                            const QStringList &pageFiles = QStringList(),
                            const QString &folder = QStringLiteral("hall"),
                            const QString &fileName = QStringLiteral("main.projectui"));
// The "File" of every entry of a project file, in order; and the entries.
QStringList projectEntryFiles(const QString &projectFile);
QJsonArray projectEntries(const QString &projectFile);
// The names of the pages the manager holds, in order.
QStringList pageNames();
// Every file and folder below root (by relative path) with the bytes of each
// file, and the kind of anything else (a FIFO, device, socket, a link to
// nothing), to show that nothing changed.
QMap<QString, QByteArray> folderSnapshot(const QString &root);
// Whether said is a write refused for its size: the lead and the whole path,
// then the reason naming the size the file would have had, over the limit.
bool saysTooLarge(const QString &said, const QString &lead, const QString &path, qint64 limit);

// Makes at path, by kind, a FIFO ("fifo"), a link to a zero device ("zero"),
// a zero device itself ("device", root only), a socket ("socket") or a folder
// ("folder"): files that must never be read or written as a file. A device
// is made by the suite in a temporary folder, never taken from /dev, except
// that a user other than root, who cannot replace it, links to /dev/zero.
bool makeSpecialFile(const QString &path, const QString &kind);
// What is at path, without reading it: one of the kinds above, "file" (also
// through a link), "link" (to anything else), "device" (any other) or "missing".
QString fileKind(const QString &path);

// A read that blocks on a FIFO or never ends on a device would hang the suite
// or take the machine's memory: while it lives, the alarm aborts the test
// instead, loudly. (A memory limit is no use under ASan.)
class ReadWatchdog
{
public:
    explicit ReadWatchdog(unsigned seconds = 10);
    ~ReadWatchdog();
    ReadWatchdog(const ReadWatchdog &) = delete;
    ReadWatchdog &operator=(const ReadWatchdog &) = delete;

private:
    void (*m_previous)(int);
};

// A full disk without a mount: while it lives no file of this process grows
// past the limit (SIGXFSZ ignored), so a write fails half way, even for root.
// Write under it, drop it, then look at what is on disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(quint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool active = false;   // false when the limit could not be set here

private:
    void (*m_handler)(int);
    quint64 m_previous = 0;
};

// Root passes every permission check, so a check of permissions runs as the
// user "nobody" in a child process. Whether this can be done here (the suite
// runs as root and the user exists), else why not.
bool canRunAsNobody(QString *whyNot);
// Runs work in a forked child that has switched to the user "nobody" and
// hands back, in *answer, the bytes work returns. The child ends with _exit
// and never returns into the test runner; one that takes over 20 s is
// killed. True when work ran to its end in the child.
bool runAsNobody(const std::function<QByteArray()> &work, QByteArray *answer);

// A single-coloured picture file.
bool writeColourPicture(const QString &path, const QColor &colour, const QSize &size = QSize(8, 8));

// What a widget paints itself, on a transparent image (no window background).
QImage renderSelf(QWidget *widget);
// How many pixels of the image show the colour: each channel within tolerance, mostly opaque.
int countNear(const QImage &image, const QColor &colour, int tolerance = 40);

// Keeps a picture of what a test showed when BRIVANE_GRAB_DIR (or
// BRIVANE_SHOT_DIR) names a folder; true when nothing was asked or it was saved.
bool saveGrabIfAsked(const QImage &image, const QString &name);

// A composite control built as the page's factory builds it: folder, zoom,
// the whole object, then the layout.
UIBase *buildComposite(int typeId, QWidget *page, const QJsonObject &attributes, double zoom = 1.0);
// What the page's update of a control does after an edit.
void editLikePage(UIBase *control, const QJsonObject &edit);

// Stands in for the page canvas inside a tab: records the calls the store
// and the panels make on an open page.
class RecordingPage : public QWidget
{
    Q_OBJECT
public:
    int saves = 0;
    int pageChanges = 0;
    QString renamedName;
    QString renamedFile;
public slots:
    void slotSaveFile() { ++saves; }
    void slotPageRenamed(const QString &name, const QString &file)
    {
        renamedName = name;
        renamedFile = file;
    }
    void onPageChange() { ++pageChanges; }
};

// Adds a tab holding a RecordingPage in a scroll area, as the window does.
RecordingPage *addRecordingPageTab(QTabWidget *tabs, const QString &name);

// Right-clicks the tree's item and chooses entry from the menu it opens (none
// when empty); returns the entries the menu offered.
QStringList chooseFromContextMenu(QTreeWidget *tree, QTreeWidgetItem *item, const QString &entry);
// Double-clicks the tree's item as a user does: a click, then the double click.
void doubleClickItem(QTreeWidget *tree, QTreeWidgetItem *item);
// Opens the page in a tab as a double click does; the page, or null.
UIPage *openPageTab(const QString &name);
// The kinds the palette offers now, in list order.
QList<int> visibleKinds(const SrcListWidget *palette);
