#include "srcgrouplistwidget.h"

#include "core/globalmanager.h"
#include "core/notifier.h"
#include "shell/treesettings.h"

#include <QDebug>
#include <QDesktopServices>
#include <QInputDialog>
#include <QMenu>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const int kProjectItem = -1;
}

SrcGroupListWidget::SrcGroupListWidget(QWidget *parent)
    : MyBaseWidget(parent)
{
    setupUi();
    connect(m_treeWidget, SIGNAL(customContextMenuRequested(QPoint)), this, SLOT(onShowMenu(QPoint)));
    connect(m_treeWidget, SIGNAL(itemCollapsed(QTreeWidgetItem*)), this, SLOT(onItemCollapsed(QTreeWidgetItem*)));
    connect(m_treeWidget, SIGNAL(itemExpanded(QTreeWidgetItem*)), this, SLOT(onItemExpanded(QTreeWidgetItem*)));
}

SrcGroupListWidget::~SrcGroupListWidget() = default;

void SrcGroupListWidget::setupUi()
{
    setObjectName(QStringLiteral("SrcGroupListWidget"));
    resize(547, 457);
    m_verticalLayout = new QVBoxLayout(this);
    m_verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    m_verticalLayout->setContentsMargins(0, 0, 0, 0);
    m_treeWidget = new QTreeWidget(this);
    m_treeWidget->setObjectName(QStringLiteral("treeWidget"));
    m_treeWidget->headerItem()->setText(0, QStringLiteral("1"));
    applyPanelTreeSettings(m_treeWidget);
    m_verticalLayout->addWidget(m_treeWidget);
}

void SrcGroupListWidget::clearItems()
{
    while (m_treeWidget->topLevelItemCount() > 0) {
        QTreeWidgetItem *item = m_treeWidget->takeTopLevelItem(0);
        qDebug() << item->data(0, Qt::UserRole);
        delete item; // its children go with it
    }
    m_rootItem = nullptr;
    m_pageCount = 0;
    m_formCount = 0;
}

QTreeWidgetItem *SrcGroupListWidget::makeRootItem(const QString &name)
{
    auto *item = new QTreeWidgetItem;
    item->setText(0, name);
    item->setData(0, Qt::UserRole + 1, kProjectItem);
    item->setIcon(0, panelIcon(kFolderIconPath));
    m_treeWidget->addTopLevelItem(item);
    item->setExpanded(true);
    m_rootItem = item;
    return item;
}

void SrcGroupListWidget::addItem(const QString &name, int type)
{
    if (type == kProjectItem) {
        makeRootItem(name)->setData(0, Qt::UserRole, name);
        return;
    }
    if (!m_rootItem)
        return;
    const bool form = type == 1 || type == 2 || type == 3;
    auto *item = new QTreeWidgetItem;
    item->setText(0, name);
    item->setData(0, Qt::UserRole, name);
    item->setData(0, Qt::UserRole + 1, form ? type : 0);
    item->setIcon(0, panelIcon(kFileIconPath));
    m_rootItem->addChild(item);
    if (form)
        ++m_formCount;
    else
        ++m_pageCount;
}

void SrcGroupListWidget::createItem(const QString &name, int type)
{
    if (type != kProjectItem)
        return;
    if (GlobalManager::instance()->createProjectFile(name))
        makeRootItem(name);
}

void SrcGroupListWidget::onItemExpanded(QTreeWidgetItem *item)
{
    updateFolderIcon(item, true);
}

void SrcGroupListWidget::onItemCollapsed(QTreeWidgetItem *item)
{
    updateFolderIcon(item, false);
}

void SrcGroupListWidget::onShowMenu(const QPoint &pos)
{
    Q_UNUSED(pos)
    qDebug() << "SrcGroupListWidget::onShowMenu";
    QTreeWidgetItem *item = m_treeWidget->currentItem();
    if (!item)
        return;
    QMenu menu(m_treeWidget);
    const int kind = item->data(0, Qt::UserRole + 1).toInt();
    if (kind == kProjectItem) {
        menu.addAction(tr("关闭项目"), this, SLOT(onCloseProject()));
        menu.addAction(tr("打开项目目录"), this, SLOT(onOpenProjectDir()));
    } else {
        const bool page = kind == 0 || kind == 2 || kind == 3;
        menu.addAction(page ? tr("删除页面") : tr("删除窗体"), this, SLOT(onDeleteFile()));
        menu.addAction(tr("重命名"), this, SLOT(onRenameFile()));
        menu.addAction(tr("上移"), this, SLOT(onMoveUpFile()));
        menu.addAction(tr("下移"), this, SLOT(onMoveDownFile()));
    }
    menu.exec(QCursor::pos());
}

void SrcGroupListWidget::onCloseProject()
{
    if (!m_treeWidget->currentItem())
        return;
    emit signalClose();
    clearItems();
}

void SrcGroupListWidget::onOpenProjectDir()
{
    const QString dir = GlobalManager::instance()->projectPath();
    if (!dir.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(dir));
}

QTreeWidgetItem *SrcGroupListWidget::currentKnownPage()
{
    QTreeWidgetItem *item = m_treeWidget->currentItem();
    if (!item || item == m_rootItem)
        return nullptr;
    if (!GlobalManager::instance()->hasPage(item->text(0))) {
        Notifier::information(this, tr("提示"), tr("文件不存在"));
        return nullptr;
    }
    return item;
}

void SrcGroupListWidget::onDeleteFile()
{
    QTreeWidgetItem *item = m_treeWidget->currentItem();
    if (!item || item == m_rootItem)
        return;
    QString name = item->text(0);
    if (!GlobalManager::instance()->deletePage(name))
        return;
    delete item;
    emit signalDeleteFile(name);
}

void SrcGroupListWidget::onRenameFile()
{
    QTreeWidgetItem *item = currentKnownPage();
    if (!item)
        return;
    bool ok = false;
    const QString newName = QInputDialog::getText(this, tr("重命名"), tr("请输入名称"),
                                                  QLineEdit::Normal, item->text(0), &ok);
    if (ok)
        renameCurrentPage(newName);
}

void SrcGroupListWidget::renameCurrentPage(const QString &newName)
{
    QTreeWidgetItem *item = currentKnownPage();
    if (!item)
        return;
    if (newName.isEmpty()) {
        Notifier::information(this, tr("提示"), tr("文件名为空"));
        return;
    }
    if (GlobalManager::instance()->renamePage(item->text(0), newName))
        item->setText(0, newName);
}

void SrcGroupListWidget::onMoveUpFile()
{
    moveCurrentPage(true);
}

void SrcGroupListWidget::onMoveDownFile()
{
    moveCurrentPage(false);
}

void SrcGroupListWidget::moveCurrentPage(bool up)
{
    QTreeWidgetItem *item = currentKnownPage();
    if (!item)
        return;
    GlobalManager *manager = GlobalManager::instance();
    const QString name = item->text(0);
    if (!(up ? manager->movePageUp(name) : manager->movePageDown(name)))
        return;
    QTreeWidgetItem *parent = item->parent();
    if (!parent)
        return;
    const int index = parent->indexOfChild(item);
    const int other = up ? index - 1 : index + 1;
    if (other < 0 || other >= parent->childCount())
        return;
    parent->takeChild(index);
    parent->insertChild(other, item);
    m_treeWidget->setCurrentItem(item);
}
