#pragma once

#include "controls/uibase.h"
#include "core/controltypetable.h"
#include "core/cmdbtnargs.h"
#include "core/pageinfo.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QHash>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class QLabel;
class QUndoStack;

// The design surface of one open page. The page is itself a UIBase of type
// 100 whose attribute object is the page object of the page file; it owns its
// controls, files them by type id and routes every change of them through its
// own undo stack.
class UIPage : public UIBase
{
    Q_OBJECT

public:
    static constexpr int kPageTypeId = 100;
    // The resolutions a page can be given.
    static constexpr int kMinPageWidth = 160;
    static constexpr int kMaxPageWidth = 15360;
    static constexpr int kMinPageHeight = 64;
    static constexpr int kMaxPageHeight = 8640;
    static bool isAcceptedPageSize(int width, int height)
    {
        return width >= kMinPageWidth && width <= kMaxPageWidth && height >= kMinPageHeight
               && height <= kMaxPageHeight;
    }

    // The size a page of the kind has when its object does not say: forms
    // (kind 1) 1600 x 900, the other kinds 1920 x 1080.
    static QSize defaultPageSize(int pageType);

    // What opening a page file found.
    enum LoadResult {
        LoadOk = 0,       // read (an empty file is an empty page)
        LoadParseError,   // not JSON
        LoadBadFormat,    // JSON, but not {"Control": [...]}
        LoadReadError,    // there, but cannot be read
        LoadMissing,      // no file at all
        LoadRefused,      // not a regular file, or too large: loadProblem() says which and why
    };

    explicit UIPage(QWidget *parent = nullptr);
    ~UIPage() override;

    // Core
    void registerControl(int nClass, UIBase *control, bool markModified);
    void updateSelection(UIBase *control);
    void selectPage();
    // Shows on the property panel what was last selected here: a control
    // still on the page, or else the page itself. The page brought to the
    // front calls it.
    void showSelectionProperties();
    int nextWidgetIndex(int nClass) const;
    QString typeName(int nClass) const;
    int typeId(const QString &name) const;
    void setControlAttributes(const QJsonObject &values, bool repaint, int viaCommand);
    void setPageAttribute(const QString &key, const QJsonValue &value, bool repaint);

    // The id the page files a control under. It can differ from the id the
    // control reports: a "WallGridSettingButton" (142) reports 140.
    int classOf(const UIBase *control) const;
    // The first control of that kind bearing that name, or null.
    UIBase *findControl(int nClass, const QString &name) const;
    // The control of that kind with that identity, or null.
    UIBase *controlById(int nClass, quint64 id) const;
    // A control identity no control of this run has had.
    static quint64 newControlId();
    bool containsControl(int nClass, const UIBase *control) const;
    int controlCount() const;

    // Control factory. The control takes the identity given, or a new one.
    UIBase *createControl(int nClass, QJsonObject attributes, quint64 id = 0);
    int createControlFromJson(QJsonObject &object);

    // Page file
    LoadResult openPage(PageInfo info);
    LoadResult loadPage();
    QString loadProblem() const { return m_loadProblem; }
    int setPageJson(const QJsonObject &object);
    // The page file as it would be saved now: the controls by ascending type
    // id, each kind in registration order, then the page object.
    QJsonObject pageDocument() const;
    bool writePageFile(const QJsonObject &root);
    QString pageFilePath() const;

    // Undo steps and what they apply
    void removeControl(int nClass, UIBase *control);
    void deleteControl(UIBase *control);
    // Makes the object of the control of that kind and identity (nClass 100:
    // the page itself) exactly the state given, with all that follows from
    // it: widget index, zoom, the inner parts of composite kinds.
    void updateControl(int nClass, int panelMode, quint64 id, const QJsonObject &state);
    void undo();
    void redo();

    // Page size and edit zoom
    void setEditScale(const QString &key, const QJsonValue &value, bool repaint);
    void applyPageScale(double scale);
    void setPageSize(int width, int height);

    // Keys, mouse and wheel (uipage_mouse.cpp)
    void moveLeft();
    void moveRight();
    void moveUp();
    void moveDown();
    // A palette drop: a control of the armed kind, the given size, its
    // bottom-right corner at the mouse cursor.
    void addControlAtCursor(QRect rect);
    // A new control of the kind with its default attributes over the
    // rectangle (page-widget pixels): one undoable step.
    void addNewControl(int nClass, QRect rect);

    // Alignment and stacking order (uipage_align.cpp)
    void alignControls(int operation);
    void raiseControl(bool toTop);

    // Latch settings, clipboard and format painter (uipage_clipboard.cpp)
    void selfLock();
    void unlock();
    void allLock();
    void copyControl();
    void fillClipboard(const QList<UIBase *> &controls);
    void pasteControl();
    // False, changing nothing, while no control has been selected yet.
    bool setFormatPainter();
    bool isFormatPainterOn() const { return m_formatPainter; }
    void applyFormatPainter(int nClass, const QJsonObject &attributes);

    // Command lists (uipage_commands.cpp)
    void copyCmd();
    void pasteCmd();
    static void pasteCmdLists(QJsonObject &target, QJsonObject clipboard);
    void replaceArgsCmd(CMD_BTN_ARGS args);
    static void applyCmdArgs(QJsonObject &command, CMD_BTN_ARGS args);

    // State
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    bool isBusy() const { return m_busy != 0; }
    const PageInfo &pageInfo() const { return m_pageInfo; }
    QUndoStack *undoStack() const { return m_undoStack; }
    const QMap<int, QList<UIBase *>> &controls() const { return m_controls; }
    QList<UIBase *> selection() const;
    UIBase *lastSelected() const { return m_lastSelected; }
    int largestGroupId() const { return m_maxGroupId; }
    QString pageText() const { return m_pageText; }
    QString backgroundImagePath() const { return m_normalImageFile; }

    // Holds the page guard for its lifetime when the page was not busy; a
    // guarded operation that finds the page busy does nothing and returns.
    class Guard
    {
    public:
        explicit Guard(UIPage *page);
        ~Guard();
        Guard(const Guard &) = delete;
        Guard &operator=(const Guard &) = delete;
        bool isHeld() const { return m_page != nullptr; }

    private:
        UIPage *m_page = nullptr;
    };

signals:
    // The attributes of a control, or of the page itself, were changed by the
    // page: a step done or undone, or the controls rescaled to a new page
    // size. Whoever shows them shows them again.
    void controlAttributesChanged(UIBase *control);

public slots:
    void slotAttributeChange(QJsonObject oldAttributes, QJsonObject newAttributes);
    void slotRectChange(QJsonObject oldAttributes, QJsonObject newAttributes);
    void slotRectMoveChange(QPoint offset);
    void slotControlSelect();
    void slotSaveFile();
    // With an identity the control of that identity, else those of that name.
    void slotSelectControl(int nClass, QString name, QWidget *w, quint64 id = 0);
    void slotDeleteControl(int nClass, QString name, int type, QWidget *w, quint64 id = 0);
    // The control tree lists this page's controls again.
    void onPageChange();
    // The project renamed this open page: the next save writes the new file.
    void slotPageRenamed(QString name, QString file);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Takes a control out of every place that remembers it: the selection,
    // the last selected control, the format painter, the clipboard and the
    // property editor.
    void forgetControl(UIBase *control);
    void deselectAll();
    void showPropertiesOf(UIBase *control);
    void showPageProperties();
    // The one rule of the four arrow moves; direction is an EditRules::Direction.
    void nudgeSelection(int direction);
    // Delete key: every selected control, each its own step.
    void deleteSelection();
    void setLatch(int selfLocking, bool interlock);
    // What the page object lacks of a size, a place id and the start page
    // flag it takes from the page's kind and its project entry.
    void completePageObject();
    // The page's half of updateControl; returns what changed.
    QJsonObject replacePageState(const QJsonObject &state);
    // A usable zoom of the page object applied, without touching the steps.
    bool applyEditScale(const QString &key, const QJsonValue &value);
    void applyZoom(double scale);
    // A change that is not a step (zoom bar, resolution) rewrites the states
    // the steps hold, so that no undo or redo brings back what it replaced.
    void rewriteSteps(const std::function<void(int nClass, QJsonObject &state)> &rewrite);

    bool m_modified = false;
    bool m_ctrlHeld = false;
    QPointer<UIBase> m_lastSelected;
    QPointer<UIBase> m_painterSource;
    // In order of selection; an entry goes null when its control is deleted.
    QList<QPointer<UIBase>> m_selection;
    // Keys ascending, each list in order of registration: the save order.
    QMap<int, QList<UIBase *>> m_controls;
    // Elements the canvas cannot place (unknown kinds, non-objects): kept as
    // read and written back, so saving never loses what a newer file holds.
    QJsonArray m_unplacedElements;
    // Lookups that undo and redo make once per step, kept in step with
    // m_controls so that long histories on large pages stay linear: the kind
    // each control is filed under, and each control by its identity.
    QHash<const UIBase *, int> m_filedClass;
    QHash<quint64, UIBase *> m_byId;
    PageInfo m_pageInfo;
    QString m_loadProblem;
    QPixmap m_bkPixmap;
    QString m_defaultBkColor = QStringLiteral("#ffffff");
    QString m_pageText;
    QVector<ControlTypeEntry> m_typeList;
    // The ids of the type list by case-folded name, for the file reader.
    QHash<QString, int> m_typeIds;
    QLabel *m_bandLabel = nullptr;
    int m_minBandHeight = 5;
    int m_minBandWidth = 5;
    int m_bandPressed = 0;
    bool m_bandDragging = false;
    QPoint m_bandAnchor;
    QRect m_bandRect;
    QUndoStack *m_undoStack = nullptr;
    QMutex m_mutex;
    int m_busy = 0;
    bool m_pagePropertiesGuard = true;
    bool m_formatPainter = false;
    int m_maxGroupId = 0;
};
