#include "controlframe.h"

#include "app/globalmanager.h"
#include "shell/treesettings.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDebug>
#include <QIcon>
#include <QMenu>
#include <QTreeWidget>

namespace {
// The identity of an item's control.
const int kIdRole = Qt::UserRole + 2;

struct KindName {
    int nClass;
    const char *title;
};

// Category titles; kinds missing here show as "Defualt".
const KindName kKindNames[] = {
    {100, QT_TRANSLATE_NOOP("ControlFrame", "页面控件")},
    {101, QT_TRANSLATE_NOOP("ControlFrame", "登录框")},
    {103, QT_TRANSLATE_NOOP("ControlFrame", "背景控件")},
    {104, QT_TRANSLATE_NOOP("ControlFrame", "文本控件")},
    {105, QT_TRANSLATE_NOOP("ControlFrame", "时间控件")},
    {106, QT_TRANSLATE_NOOP("ControlFrame", "视频控件")},
    {107, QT_TRANSLATE_NOOP("ControlFrame", "信源搜索")},
    {108, QT_TRANSLATE_NOOP("ControlFrame", "当前音频")},
    {109, QT_TRANSLATE_NOOP("ControlFrame", "大屏区域")},
    {111, QT_TRANSLATE_NOOP("ControlFrame", "场景列表")},
    {112, QT_TRANSLATE_NOOP("ControlFrame", "信源")},
    {114, QT_TRANSLATE_NOOP("ControlFrame", "一键开窗按钮")},
    {115, QT_TRANSLATE_NOOP("ControlFrame", "置顶置底按钮")},
    {116, QT_TRANSLATE_NOOP("ControlFrame", "清屏")},
    {117, QT_TRANSLATE_NOOP("ControlFrame", "清矩阵")},
    {118, QT_TRANSLATE_NOOP("ControlFrame", "停止轮询")},
    {119, QT_TRANSLATE_NOOP("ControlFrame", "保存轮询")},
    {120, QT_TRANSLATE_NOOP("ControlFrame", "OSD")},
    {121, QT_TRANSLATE_NOOP("ControlFrame", "底图")},
    {122, QT_TRANSLATE_NOOP("ControlFrame", "保存场景")},
    {125, QT_TRANSLATE_NOOP("ControlFrame", "首页")},
    {126, QT_TRANSLATE_NOOP("ControlFrame", "切换页面")},
    {127, QT_TRANSLATE_NOOP("ControlFrame", "打开网址")},
    {128, QT_TRANSLATE_NOOP("ControlFrame", "打开程序")},
    {129, QT_TRANSLATE_NOOP("ControlFrame", "普通命令")},
    {130, QT_TRANSLATE_NOOP("ControlFrame", "滑动自锁命令")},
    {131, QT_TRANSLATE_NOOP("ControlFrame", "滑动命令")},
    {133, QT_TRANSLATE_NOOP("ControlFrame", "关联命令")},
    {134, QT_TRANSLATE_NOOP("ControlFrame", "矩阵按钮")},
    {135, QT_TRANSLATE_NOOP("ControlFrame", "屏组按钮组")},
    {136, QT_TRANSLATE_NOOP("ControlFrame", "播放列表")},
    {137, QT_TRANSLATE_NOOP("ControlFrame", "PPT页数")},
    {138, QT_TRANSLATE_NOOP("ControlFrame", "矩阵翻页")},
    {139, QT_TRANSLATE_NOOP("ControlFrame", "矩阵数量")},
    {140, QT_TRANSLATE_NOOP("ControlFrame", "分屏模式")},
    {141, QT_TRANSLATE_NOOP("ControlFrame", "所有布局模式")},
    {143, QT_TRANSLATE_NOOP("ControlFrame", "音频开关")},
    {145, QT_TRANSLATE_NOOP("ControlFrame", "音频音量")},
    {146, QT_TRANSLATE_NOOP("ControlFrame", "音频模式")},
    {149, QT_TRANSLATE_NOOP("ControlFrame", "信源分组")},
    {150, QT_TRANSLATE_NOOP("ControlFrame", "视频流协议")},
    {153, QT_TRANSLATE_NOOP("ControlFrame", "摄像头控制按钮")},
    {154, QT_TRANSLATE_NOOP("ControlFrame", "文件翻页控件")},
    {156, QT_TRANSLATE_NOOP("ControlFrame", "媒体播放按钮")},
    {157, QT_TRANSLATE_NOOP("ControlFrame", "媒体播放进度")},
    {158, QT_TRANSLATE_NOOP("ControlFrame", "Kvm接管")},
    {159, QT_TRANSLATE_NOOP("ControlFrame", "功能按钮")},
    {160, QT_TRANSLATE_NOOP("ControlFrame", "按键按钮")},
    {161, QT_TRANSLATE_NOOP("ControlFrame", "自锁功能按钮")},
    {162, QT_TRANSLATE_NOOP("ControlFrame", "音频音柱")},
    {163, QT_TRANSLATE_NOOP("ControlFrame", "音频矩阵")},
    {164, QT_TRANSLATE_NOOP("ControlFrame", "会议按纽")},
};

} // namespace

ControlFrame::ControlFrame(QWidget *parent)
    : QFrame(parent)
{
    setupUi();
    connect(m_treeWidget, SIGNAL(itemCollapsed(QTreeWidgetItem*)),
            this, SLOT(onItemCollapsed(QTreeWidgetItem*)));
    connect(m_treeWidget, SIGNAL(itemExpanded(QTreeWidgetItem*)),
            this, SLOT(onItemExpanded(QTreeWidgetItem*)));
    connect(m_treeWidget, SIGNAL(itemDoubleClicked(QTreeWidgetItem*,int)),
            this, SLOT(onItemDoubleClicked(QTreeWidgetItem*,int)));
    connect(m_treeWidget, SIGNAL(customContextMenuRequested(QPoint)), this, SLOT(onShowMenu(QPoint)));
}

ControlFrame::~ControlFrame()
{
    disconnect(m_treeWidget, nullptr, this, nullptr);
}

void ControlFrame::setupUi()
{
    setObjectName(QStringLiteral("ControlFrame"));
    resize(378, 435);
    setWindowTitle(tr("Frame"));
    m_treeWidget = addPanelTree(this);
}

QString ControlFrame::kindDisplayName(int nClass)
{
    for (const KindName &kind : kKindNames) {
        if (kind.nClass == nClass)
            return QCoreApplication::translate("ControlFrame", kind.title);
    }
    return QStringLiteral("Defualt");
}

QTreeWidgetItem *ControlFrame::newControlItem(int nClass, const QString &name, quint64 id) const
{
    auto *item = new QTreeWidgetItem;
    item->setText(0, name);
    item->setData(0, Qt::UserRole, nClass);
    item->setData(0, Qt::UserRole + 1, 1);
    item->setData(0, kIdRole, id);
    item->setIcon(0, panelIcon(kFileIconPath));
    return item;
}

void ControlFrame::addControlItem(int nClass, const QString &name, quint64 id)
{
    if (!m_kindNames.contains(nClass)) {
        auto *category = new QTreeWidgetItem;
        category->setText(0, kindDisplayName(nClass));
        category->setData(0, Qt::UserRole, nClass);
        category->setData(0, Qt::UserRole + 1, 0);
        category->setIcon(0, panelIcon(kFolderIconPath));
        m_treeWidget->addTopLevelItem(category);
        category->addChild(newControlItem(nClass, name, id));
        category->setExpanded(true);
        m_kindNames.insert(nClass, QStringList(name));
        return;
    }
    m_kindNames[nClass].append(name);
    for (int i = 0; i < m_treeWidget->topLevelItemCount(); ++i) {
        QTreeWidgetItem *category = m_treeWidget->topLevelItem(i);
        if (category->data(0, Qt::UserRole).toInt() == nClass)
            category->addChild(newControlItem(nClass, name, id));
    }
}

void ControlFrame::removeControlItem(int nClass, const QString &name, quint64 id)
{
    if (m_kindNames.contains(nClass)) {
        QStringList &names = m_kindNames[nClass];
        names.removeOne(name);
        if (names.isEmpty())
            m_kindNames.remove(nClass);
    }
    for (int i = 0; i < m_treeWidget->topLevelItemCount(); ++i) {
        QTreeWidgetItem *category = m_treeWidget->topLevelItem(i);
        if (category->data(0, Qt::UserRole).toInt() != nClass)
            continue;
        for (int c = 0; c < category->childCount(); ++c) {
            QTreeWidgetItem *child = category->child(c);
            if (id != 0 ? child->data(0, kIdRole).toULongLong() == id : child->text(0) == name) {
                delete child;
                break;
            }
        }
        if (category->childCount() == 0)
            delete category;
        return;
    }
}

void ControlFrame::clearItems()
{
    while (m_treeWidget->topLevelItemCount() > 0)
        delete m_treeWidget->takeTopLevelItem(0);
    m_kindNames.clear();
}

void ControlFrame::retranslateUi()
{
    for (int i = 0; i < m_treeWidget->topLevelItemCount(); ++i) {
        QTreeWidgetItem *category = m_treeWidget->topLevelItem(i);
        category->setText(0, kindDisplayName(category->data(0, Qt::UserRole).toInt()));
    }
}

void ControlFrame::onItemExpanded(QTreeWidgetItem *item)
{
    updateFolderIcon(item, true);
}

void ControlFrame::onItemCollapsed(QTreeWidgetItem *item)
{
    updateFolderIcon(item, false);
}

void ControlFrame::onItemDoubleClicked(QTreeWidgetItem *item, int column)
{
    // Categories (0) select nothing.
    if (!item || item->data(column, Qt::UserRole + 1).toInt() != 1)
        return;
    GlobalManager::instance()->selectControl(item->data(0, Qt::UserRole).toInt(), item->text(0),
                                             item->data(0, kIdRole).toULongLong());
}

void ControlFrame::onShowMenu(const QPoint &pos)
{
    Q_UNUSED(pos)
    qDebug() << "ControlFrame::onShowMenu";
    if (!m_treeWidget->currentItem())
        return;
    QMenu menu(m_treeWidget);
    menu.addAction(tr("删除"), this, SLOT(onDeleteControl()));
    menu.exec(QCursor::pos());
}

void ControlFrame::onDeleteControl()
{
    QTreeWidgetItem *item = m_treeWidget->currentItem();
    if (!item)
        return;
    // Read before deleting: the page takes the items out of this tree.
    const int nClass = item->data(0, Qt::UserRole).toInt();
    const QString name = item->text(0);
    const int wholeKind = item->data(0, Qt::UserRole + 1).toInt() == 0 ? 1 : 0;
    GlobalManager::instance()->deleteControl(nClass, name, wholeKind, item->data(0, kIdRole).toULongLong());
}
