#include "mainwindow.h"

#include "canvas/uipage.h"
#include "app/globalmanager.h"
#include "core/notifier.h"
#include "properties/propertywidget.h"
#include "shell/controlframe.h"
#include "shell/projectframe.h"
#include "shell/savequestion.h"
#include "shell/srclistwidget.h"
#include "shell/statusbarframe.h"
#include "shell/undokeyrouter.h"
#include "transfer/datadlg.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDialog>
#include <QDebug>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
const char kIconDir[] = ":/new/icon/images/";

struct ActionEntry {
    const char *objectName;
    const char *text;
    const char *icon;
    bool tipIsText;     // the tool tip is set to the text explicitly
    bool checkable;
    // Null where the command's dialog is not part of the designer yet: the
    // action stands in its menu and tool bar, disabled, and does nothing.
    const char *slot;
};

const ActionEntry kActions[] = {
    {"newAction", QT_TRANSLATE_NOOP("MainWindow", "新建"), "new.png", false, false, SLOT(slotNew())},
    {"openAction", QT_TRANSLATE_NOOP("MainWindow", "打开"), "open.png", false, false, SLOT(slotOpen())},
    {"saveAction", QT_TRANSLATE_NOOP("MainWindow", "保存"), "save.png", false, false, SLOT(saveSlot())},
    {"removeAction", QT_TRANSLATE_NOOP("MainWindow", "关闭项目"), "close.png", true, false, SLOT(slotRemove())},
    {"undoAction", QT_TRANSLATE_NOOP("MainWindow", "撤销"), "undo.png", false, false, SLOT(undoSlot())},
    {"redoAction", QT_TRANSLATE_NOOP("MainWindow", "重做"), "redo.png", false, false, SLOT(redoSlot())},
    {"copyAction", QT_TRANSLATE_NOOP("MainWindow", "复制"), "copy.png", false, false, SLOT(copySlot())},
    {"pasteAction", QT_TRANSLATE_NOOP("MainWindow", "粘贴"), "paste.png", false, false, SLOT(pasteSlot())},
    {"copyCmdAction", QT_TRANSLATE_NOOP("MainWindow", "复制命令"), "copy_cmd.png", true, false, SLOT(copyCmdSlot())},
    {"pasteCmdAction", QT_TRANSLATE_NOOP("MainWindow", "粘贴命令"), "paste_cmd.png", true, false, SLOT(pasteCmdSlot())},
    {"replaceIPAction", QT_TRANSLATE_NOOP("MainWindow", "命令IP替换"), "search_replace.png", true, false,
     SLOT(replaceIPSlot())},
    {"zhongkongAction", QT_TRANSLATE_NOOP("MainWindow", "反馈"), "mid_ctrl.png", true, false, SLOT(slotMidCtrl())},
    {"shijianAction", QT_TRANSLATE_NOOP("MainWindow", "事件"), "event.png", false, false, SLOT(slotEvent())},
    {"functionAction", QT_TRANSLATE_NOOP("MainWindow", "函数"), "function.png", false, false, SLOT(slotFunction())},
    {"actionshangchuang", QT_TRANSLATE_NOOP("MainWindow", "上传"), "upload.png", false, false, SLOT(slotUpload())},
    {"actionPreview", QT_TRANSLATE_NOOP("MainWindow", "预览"), "start.png", false, false, SLOT(slotPreview())},
    {"actionzifu", QT_TRANSLATE_NOOP("MainWindow", "字符串助手"), "transfer.png", false, false, SLOT(slotTrans())},
    {"leftJAction", QT_TRANSLATE_NOOP("MainWindow", "左对齐"), "left_jutify.png", false, false, SLOT(slotLeftJ())},
    {"rightJAction", QT_TRANSLATE_NOOP("MainWindow", "右对齐"), "right_justify.png", true, false, SLOT(slotRightJ())},
    {"topJAction", QT_TRANSLATE_NOOP("MainWindow", "上对齐"), "top_justify.png", true, false, SLOT(slotTopJ())},
    {"bottomJAction", QT_TRANSLATE_NOOP("MainWindow", "下对齐"), "bottom_justify.png", true, false, SLOT(slotBottomJ())},
    {"vcenterAction", QT_TRANSLATE_NOOP("MainWindow", "垂直居中对齐"), "vcenter.png", true, false, SLOT(slotVCenter())},
    {"hcenterAction", QT_TRANSLATE_NOOP("MainWindow", "水平居中对齐"), "hcenter.png", true, false, SLOT(slotHCenter())},
    {"vdAlignAction", QT_TRANSLATE_NOOP("MainWindow", "垂直分散对齐"), "vd_aligh.png", true, false, SLOT(slotVdAlign())},
    {"hdAlignAction", QT_TRANSLATE_NOOP("MainWindow", "水平分散对齐"), "hd_align.png", true, false, SLOT(slotHdAlign())},
    {"sameAlignAction", QT_TRANSLATE_NOOP("MainWindow", "适配对齐"), "same_align.png", true, false, SLOT(slotSameAlign())},
    {"vcenterAction_2", QT_TRANSLATE_NOOP("MainWindow", "垂直居中"), "vcenter2.png", true, false, SLOT(slotVCenter2())},
    {"hcenterAction_2", QT_TRANSLATE_NOOP("MainWindow", "水平居中"), "hcenter2.png", true, false, SLOT(slotHCenter2())},
    {"toTopAction", QT_TRANSLATE_NOOP("MainWindow", "置顶"), "set_top.png", true, false, SLOT(slotToTop())},
    {"toBottomAction", QT_TRANSLATE_NOOP("MainWindow", "置底"), "set_bottom.png", true, false, SLOT(slotToBottom())},
    {"selflockAction", QT_TRANSLATE_NOOP("MainWindow", "自锁"), "lock.png", true, true, SLOT(slotSelfLock())},
    {"unlockAction", QT_TRANSLATE_NOOP("MainWindow", "未锁"), "unlock.png", true, false, SLOT(slotUnlock())},
    {"alllockAction", QT_TRANSLATE_NOOP("MainWindow", "互锁"), "all_lock.png", true, false, SLOT(slotAllLock())},
    {"formatCopyAction", QT_TRANSLATE_NOOP("MainWindow", "格式刷"), "format_copy.png", false, true,
     SLOT(formatPainterSlot(bool))},
    // Out of the user's reach (kHiddenActions, hidden menus); those without a
    // slot have no function in this designer.
    {"newSaveAction", QT_TRANSLATE_NOOP("MainWindow", "另存为"), "save_as.png", false, false, nullptr},
    {"importAction", QT_TRANSLATE_NOOP("MainWindow", "导入素材"), "import.png", false, false, nullptr},
    {"cutAction", QT_TRANSLATE_NOOP("MainWindow", "剪切"), "cut.png", false, false, nullptr},
    {"allSelectAction", QT_TRANSLATE_NOOP("MainWindow", "全选"), "allSe.png", false, false, nullptr},
    {"dateAction", QT_TRANSLATE_NOOP("MainWindow", "日期"), "date.png", false, false, nullptr},
    {"widgetAction", QT_TRANSLATE_NOOP("MainWindow", "控件视图"), "widget.png", true, false, nullptr},
    {"actionxiazai", QT_TRANSLATE_NOOP("MainWindow", "下载"), "download.png", false, false, nullptr},
    {"fontAction", QT_TRANSLATE_NOOP("MainWindow", "字体"), "font.png", false, false, SLOT(fontSlot())},
    {"colorAction", QT_TRANSLATE_NOOP("MainWindow", "颜色"), "color.png", false, false, SLOT(colorSlot())},
    {"infoAction", QT_TRANSLATE_NOOP("MainWindow", "操作说明"), "info.png", false, false, SLOT(infoSlot())},
    {"aboutAction", QT_TRANSLATE_NOOP("MainWindow", "关于"), "about.png", false, false, SLOT(aboutSlot())},
    {"quitAction", QT_TRANSLATE_NOOP("MainWindow", "退出"), "quit.png", false, false, SLOT(quitSlot())},
    {"updateAction", QT_TRANSLATE_NOOP("MainWindow", "更新"), "update.png", false, false, SLOT(updateSlot())},
    {"musicAction", QT_TRANSLATE_NOOP("MainWindow", "音乐"), "music.png", false, false, nullptr},
    {"runAction", QT_TRANSLATE_NOOP("MainWindow", "运行"), "run.png", false, false, SLOT(runSlot())},
    {"actionjianti", QT_TRANSLATE_NOOP("MainWindow", "简体中文"), nullptr, false, false, SLOT(slotLanguageZhCn())},
    {"actionfanti", QT_TRANSLATE_NOOP("MainWindow", "繁體中文"), nullptr, false, false, SLOT(slotLanguageZhTw())},
    {"actionEnglish", QT_TRANSLATE_NOOP("MainWindow", "English"), nullptr, false, false, SLOT(slotLanguageEn())},
};

// Keys that reach their action wherever the focus is in the window, not only
// on the canvas; a text field with typing of its own to undo or redo keeps
// those keys (UndoKeyRouter).
const struct {
    const char *action;
    const char *keys;
} kShortcuts[] = {{"saveAction", "Ctrl+S"}, {"undoAction", "Ctrl+Z"}, {"redoAction", "Ctrl+Y"}};

// Actions that stand in menus or the tool bar but are never shown.
const char kHiddenActions[] = "newSaveAction importAction aboutAction quitAction updateAction musicAction "
                              "runAction infoAction fontAction colorAction cutAction allSelectAction dateAction";

struct MenuEntry {
    const char *objectName;
    const char *title;
    const char *actions;   // object names, separated by blanks
};

const MenuEntry kMenus[] = {
    {"menu", QT_TRANSLATE_NOOP("MainWindow", "文件"),
     "newAction openAction saveAction newSaveAction removeAction importAction"},
    {"menu_W", QT_TRANSLATE_NOOP("MainWindow", "编辑"),
     "undoAction redoAction cutAction copyAction pasteAction allSelectAction dateAction copyCmdAction "
     "pasteCmdAction replaceIPAction"},
    {"menu_L", QT_TRANSLATE_NOOP("MainWindow", "查看"), "widgetAction fontAction colorAction"},
    {"menu_3", QT_TRANSLATE_NOOP("MainWindow", "事件"), "zhongkongAction shijianAction functionAction"},
    {"menu_U", QT_TRANSLATE_NOOP("MainWindow", "上传"), "actionshangchuang"},
    {"menu_H", QT_TRANSLATE_NOOP("MainWindow", "帮助"),
     "actionPreview infoAction aboutAction quitAction updateAction musicAction runAction"},
    {"menu_T", QT_TRANSLATE_NOOP("MainWindow", "工具"), "actionzifu"},
    {"menu_2", QT_TRANSLATE_NOOP("MainWindow", "语言"), "actionjianti actionfanti actionEnglish"},
};

// Menus whose menu-bar entries are hidden.
const char kHiddenMenus[] = "menu_L menu_2";

// Left to right; "|" is a separator. Hidden actions take no room.
const char kToolBar[] =
    "newAction openAction saveAction | newSaveAction cutAction runAction musicAction "
    "leftJAction vcenterAction rightJAction | "
    "topJAction hcenterAction bottomJAction | hcenterAction_2 vcenterAction_2 | "
    "hdAlignAction vdAlignAction | sameAlignAction | "
    "undoAction redoAction copyAction pasteAction formatCopyAction | "
    "copyCmdAction pasteCmdAction replaceIPAction | toTopAction toBottomAction | "
    "selflockAction unlockAction alllockAction | actionPreview |";

QString iconPath(const char *file)
{
    return QLatin1String(kIconDir) + QLatin1String(file);
}

QStringList names(const char *list)
{
    return QString::fromLatin1(list).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}
} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setupUi();
    m_statusBarFrame = new StatusBarFrame(this);
    statusBar()->addPermanentWidget(m_statusBarFrame);
    setWindowTitle(QStringLiteral("Brivane"));
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    move((desktop.width() - width()) / 2, (desktop.height() - height()) / 2);

    initConnections();
    new UndoKeyRouter(this, m_actions.value(QStringLiteral("undoAction")),
                      m_actions.value(QStringLiteral("redoAction")));
    m_manager = GlobalManager::instance();
    connect(m_manager, SIGNAL(signalClearItems()), this, SLOT(slotClearTreeItems()));
    connect(m_manager, SIGNAL(signalAddItem(QString,int)), this, SLOT(slotLoadItem(QString,int)));
    connect(m_manager, SIGNAL(signalWidgetScaleData(int)), m_statusBarFrame, SLOT(slotSetScaleData(int)));
    connect(m_statusBarFrame, SIGNAL(signalSliderScaleData(int)), m_manager, SLOT(slotSetScaleData(int)));

    const int sideWidth = int(280 * m_manager->wideScale());
    m_projectTabs->setMinimumWidth(sideWidth);
    m_propertyTabs->setMinimumWidth(sideWidth);
    m_controlTabs->setMinimumWidth(sideWidth);

    m_manager->setControlFrame(m_controlFrame);
    m_manager->setPropertyWidget(m_propertyWidget);
    m_manager->setSrcListWidget(m_srcListWidget);
    m_manager->setTabWidget(m_tabWidget);
    connect(m_tabWidget, SIGNAL(currentChanged(int)), this, SLOT(syncWithPageInFront()));

    for (const QString &name : names(kHiddenMenus))
        m_menus.value(name)->menuAction()->setVisible(false);
    m_actions.value(QStringLiteral("saveAction"))->setVisible(true);
    for (const QString &name : names(kHiddenActions))
        m_actions.value(name)->setVisible(false);
    m_actions.value(QStringLiteral("formatCopyAction"))->setCheckable(true);

    m_dragLabel = new QLabel(this);
    m_dragLabel->setObjectName(QStringLiteral("dragLabel"));
    m_dragLabel->setStyleSheet(QStringLiteral("background-color:#eeeeee;border: 1px solid #ff0000;"));
    m_dragLabel->setFixedSize(m_dragWidth, m_dragHeight);
    m_dragLabel->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    m_dragLabel->hide();
}

MainWindow::~MainWindow()
{
    // Tool windows are top-level windows of their own: none outlives this one.
    closeTools();
    for (QDialog *tool : {m_midCtrlDlg.data(), m_scriptEditor.data(), m_stringTool.data()})
        delete tool;
}

void MainWindow::setupUi()
{
    setObjectName(QStringLiteral("MainWindow"));
    resize(1075, 722);
    createActions();

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto *row = new QHBoxLayout(central);
    row->setObjectName(QStringLiteral("horizontalLayout"));
    row->setSpacing(6);

    auto *left = new QVBoxLayout;
    left->setObjectName(QStringLiteral("verticalLayout_2"));
    left->setSpacing(6);

    m_projectTabs = new QTabWidget(central);
    m_projectTabs->setObjectName(QStringLiteral("tabWidget_2"));
    m_projectTabs->setMinimumWidth(240);
    m_projectFrame = new ProjectFrame;
    m_projectFrame->setObjectName(QStringLiteral("projectFrame"));
    m_projectTabs->addTab(m_projectFrame, QString());

    m_controlTabs = new QTabWidget(central);
    m_controlTabs->setObjectName(QStringLiteral("tabWidget_4"));
    m_srcListWidget = new SrcListWidget;
    m_srcListWidget->setObjectName(QStringLiteral("widget"));
    m_controlFrame = new ControlFrame;
    m_controlFrame->setObjectName(QStringLiteral("frame"));
    m_controlTabs->addTab(m_srcListWidget, QString());
    m_controlTabs->addTab(m_controlFrame, QString());
    m_controlTabs->setCurrentIndex(1);

    left->addWidget(m_projectTabs);
    left->addWidget(m_controlTabs);

    m_tabWidget = new QTabWidget(central);
    m_tabWidget->setObjectName(QStringLiteral("tabWidget"));
    m_tabWidget->setStyleSheet(QStringLiteral("background-color: rgb(221, 221, 221);"));
    m_tabWidget->setTabPosition(QTabWidget::North);
    m_tabWidget->setTabsClosable(true);
    m_tabWidget->setMovable(true);

    m_propertyTabs = new QTabWidget(central);
    m_propertyTabs->setObjectName(QStringLiteral("tabWidget_3"));
    m_propertyTabs->setMinimumWidth(240);
    m_propertyWidget = new PropertyWidget;
    m_propertyWidget->setObjectName(QStringLiteral("widget_2"));
    m_propertyTabs->addTab(m_propertyWidget, QString());

    row->addLayout(left);
    row->addWidget(m_tabWidget, 1);
    row->addWidget(m_propertyTabs);
    setCentralWidget(central);

    auto *menus = new QMenuBar(this);
    menus->setObjectName(QStringLiteral("menuBar"));
    createMenus(menus);
    setMenuBar(menus);

    createToolBar();
    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("statusBar"));
    setStatusBar(status);

    retranslateUi();
}

void MainWindow::createActions()
{
    for (const ActionEntry &entry : kActions) {
        auto *action = new QAction(entry.icon ? QIcon(iconPath(entry.icon)) : QIcon(), QString(), this);
        action->setObjectName(QLatin1String(entry.objectName));
        action->setCheckable(entry.checkable);
        action->setEnabled(entry.slot != nullptr);
        m_actions.insert(action->objectName(), action);
    }
    for (const auto &shortcut : kShortcuts)
        m_actions.value(QLatin1String(shortcut.action))
            ->setShortcut(QKeySequence(QLatin1String(shortcut.keys), QKeySequence::PortableText));
    // The painter shows a pressed brush while it is armed or hovered.
    QAction *painter = m_actions.value(QStringLiteral("formatCopyAction"));
    QIcon icon(iconPath("format_copy.png"));
    const QString pressed = iconPath("format_copy_press.png");
    icon.addFile(pressed, QSize(), QIcon::Active, QIcon::On);
    icon.addFile(pressed, QSize(), QIcon::Selected, QIcon::Off);
    icon.addFile(pressed, QSize(), QIcon::Selected, QIcon::On);
    painter->setIcon(icon);
}

void MainWindow::createMenus(QMenuBar *bar)
{
    for (const MenuEntry &entry : kMenus) {
        auto *menu = new QMenu(bar);
        menu->setObjectName(QLatin1String(entry.objectName));
        for (const QString &name : names(entry.actions))
            menu->addAction(m_actions.value(name));
        bar->addAction(menu->menuAction());
        m_menus.insert(menu->objectName(), menu);
    }
}

void MainWindow::createToolBar()
{
    m_mainToolBar = new QToolBar(this);
    m_mainToolBar->setObjectName(QStringLiteral("mainToolBar"));
    for (const QString &name : names(kToolBar)) {
        if (name == QLatin1String("|"))
            m_mainToolBar->addSeparator();
        else
            m_mainToolBar->addAction(m_actions.value(name));
    }
    addToolBar(Qt::TopToolBarArea, m_mainToolBar);
}

void MainWindow::retranslateUi()
{
    for (const ActionEntry &entry : kActions) {
        QAction *action = m_actions.value(QLatin1String(entry.objectName));
        const QString text = QCoreApplication::translate("MainWindow", entry.text);
        action->setText(text);
        if (entry.tipIsText)
            action->setToolTip(text);
    }
    for (const MenuEntry &entry : kMenus)
        m_menus.value(QLatin1String(entry.objectName))->setTitle(QCoreApplication::translate("MainWindow", entry.title));
    m_projectTabs->setTabText(0, tr("项目视图"));
    m_controlTabs->setTabText(0, tr("所有控件"));
    m_controlTabs->setTabText(1, tr("页面控件"));
    m_propertyTabs->setTabText(0, tr("属性框"));
    m_srcListWidget->retranslateUi();
    m_controlFrame->retranslateUi();
}

void MainWindow::initConnections()
{
    for (const ActionEntry &entry : kActions) {
        if (entry.slot)
            connect(m_actions.value(QLatin1String(entry.objectName)), SIGNAL(triggered(bool)), this, entry.slot);
    }
    connect(m_projectFrame, SIGNAL(signalClose()), this, SLOT(slotCloseProjecct()));
    connect(m_projectFrame, SIGNAL(signalDeleteFile(QString&)), this, SLOT(slotDeleteProjecctFile(QString&)));
    connect(m_srcListWidget, SIGNAL(signalDragStart(QString)), this, SLOT(slotOnSignalDragStart(QString)));
    connect(m_srcListWidget, SIGNAL(signalDragEnd()), this, SLOT(slotOnSignalDragEnd()));
}

void MainWindow::slotClearTreeItems()
{
    m_projectFrame->clearItems();
}

void MainWindow::slotLoadItem(QString name, int type)
{
    qDebug() << name << type;
    m_projectFrame->addItem(name, type);
}

void MainWindow::slotDeleteProjecctFile(QString &name)
{
    Q_UNUSED(name)
}

void MainWindow::saveSlot()
{
    m_manager->saveAllPages();
}

void MainWindow::undoSlot()
{
    m_manager->slotUndo();
}

void MainWindow::redoSlot()
{
    m_manager->slotRedo();
}

void MainWindow::copySlot()
{
    m_manager->slotCopy();
}

void MainWindow::pasteSlot()
{
    m_manager->slotPaste();
}

void MainWindow::copyCmdSlot()
{
    m_manager->slotCopyCmd();
}

void MainWindow::pasteCmdSlot()
{
    m_manager->slotPasteCmd();
}

void MainWindow::formatPainterSlot(bool checked)
{
    UIPage *page = m_manager->currentPage();
    const bool wasOn = page && page->isFormatPainterOn();
    // The page drops its painter by itself when the source control goes;
    // switching it then would arm it again while the button shows it off.
    if (wasOn == checked)
        return;
    m_manager->slotFormatPainter();
    if (page && page->isFormatPainterOn() != wasOn)
        return;
    m_actions.value(QStringLiteral("formatCopyAction"))->setChecked(false);
    Notifier::information(this, tr("提示"), tr("请选中控件"));
}

void MainWindow::syncWithPageInFront()
{
    UIPage *page = m_manager ? m_manager->currentPage() : nullptr;
    m_actions.value(QStringLiteral("formatCopyAction"))->setChecked(page && page->isFormatPainterOn());
    // A tab brought forward by its header offers the kinds of its own page,
    // as opening it from the project tree does.
    if (page)
        m_srcListWidget->setPageKind(page->pageInfo().pageType);
}

void MainWindow::slotLeftJ()
{
    m_manager->alignControls(0);
}

void MainWindow::slotRightJ()
{
    m_manager->alignControls(1);
}

void MainWindow::slotTopJ()
{
    m_manager->alignControls(2);
}

void MainWindow::slotBottomJ()
{
    m_manager->alignControls(3);
}

void MainWindow::slotVCenter()
{
    m_manager->alignControls(4);
}

void MainWindow::slotHCenter()
{
    m_manager->alignControls(5);
}

void MainWindow::slotVdAlign()
{
    m_manager->alignControls(6);
}

void MainWindow::slotHdAlign()
{
    m_manager->alignControls(7);
}

void MainWindow::slotSameAlign()
{
    m_manager->alignControls(8);
}

void MainWindow::slotVCenter2()
{
    m_manager->alignControls(9);
}

void MainWindow::slotHCenter2()
{
    m_manager->alignControls(10);
}

void MainWindow::slotToTop()
{
    m_manager->raiseControl(true);
}

void MainWindow::slotToBottom()
{
    m_manager->raiseControl(false);
}

void MainWindow::slotSelfLock()
{
    m_manager->slotSelfLock();
}

void MainWindow::slotUnlock()
{
    m_manager->slotUnlock();
}

void MainWindow::slotAllLock()
{
    m_manager->slotAllLock();
}

// Both read the page files: unsaved edits are saved first, or not, as asked.
void MainWindow::slotPreview()
{
    if (savequestion::askToSave(this, openPages()))
        m_manager->openPreview();
}

void MainWindow::slotUpload()
{
    if (!savequestion::askToSave(this, openPages()))
        return;
    DataDlg dialog;
    dialog.exec();
}

void MainWindow::slotOnSignalDragStart(QString title)
{
    // The drop puts the control's bottom-right corner at the cursor: the
    // indicator shows it there.
    const QPoint topLeft = mapFromGlobal(QCursor::pos()) - QPoint(m_dragWidth, m_dragHeight);
    if (!m_dragLabel->isHidden()) {
        m_dragLabel->move(topLeft);
        return;
    }
    // Nothing armed, or the page itself: there is no control to drop.
    if (m_manager->dropClass() <= UIPage::kPageTypeId)
        return;
    if (m_dragLabel->text() != title)
        m_dragLabel->setText(title);
    m_dragLabel->setGeometry(topLeft.x(), topLeft.y(), m_dragWidth, m_dragHeight);
    m_dragLabel->raise();
    m_dragLabel->show();
}

void MainWindow::slotOnSignalDragEnd()
{
    const QPoint cursor = mapFromGlobal(QCursor::pos());
    // The tab area in window coordinates: its geometry is relative to the
    // central widget, below the menu and tool bars.
    const QRect area(m_tabWidget->mapTo(this, QPoint(0, 0)), m_tabWidget->size());
    const bool inside = cursor.x() > area.left() && cursor.x() < area.right() && cursor.y() > area.top()
                        && cursor.y() < area.bottom();
    if (!inside) {
        m_dragLabel->hide();
        return;
    }
    const QRect rect(mapToGlobal(m_dragLabel->pos()), m_dragLabel->size());
    m_dragLabel->hide();
    m_manager->addControlAtCursor(rect);
}
