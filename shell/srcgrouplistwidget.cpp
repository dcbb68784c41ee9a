#include "srcgrouplistwidget.h"

#include "app/globalmanager.h"
#include "core/notifier.h"
#include "shell/changepagesizedg.h"
#include "shell/newfiledlg.h"
#include "shell/savequestion.h"
#include "shell/treesettings.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QTabWidget>
#include <QTreeWidget>
#include <QUrl>

namespace {
const int kProjectItem = -1;
const int kPageKind = 0;
const int kFormKind = 1;
const int kLoginKind = 2;
const int kPlaceKind = 3;

bool isPageKind(int kind)
{
    return kind >= kPageKind && kind <= kPlaceKind;
}

struct MenuEntry {
    const char *text;
    const char *slot;
};

// The project item's menu, in order.
const MenuEntry kProjectMenu[] = {
    {QT_TRANSLATE_NOOP("SrcGroupListWidget", "新建页面"), SLOT(onAddFile())},
    {QT_TRANSLATE_NOOP("SrcGroupListWidget", "新建登录页面"), SLOT(onAddLoginFile())},
    {QT_TRANSLATE_NOOP("SrcGroupListWidget", "新建场所页面"), SLOT(onAddPlaceFile())},
    {QT_TRANSLATE_NOOP("SrcGroupListWidget", "新建窗体"), SLOT(onAddDlgFile())},
    {QT_TRANSLATE_NOOP("SrcGroupListWidget", "关闭项目"), SLOT(onCloseProject())},
    {QT_TRANSLATE_NOOP("SrcGroupListWidget", "打开项目目录"), SLOT(onOpenProjectDir())},
    {QT_TRANSLATE_NOOP("SrcGroupListWidget", "导入页面"), SLOT(onImportPageFile())},
};

// A page item's menu after its first entry, which names the kind it deletes.
const MenuEntry kPageMenu[] = {
    {QT_TRANSLATE_NOOP("SrcGroupListWidget", "重命名"), SLOT(onRenameFile())},
    {QT_TRANSLATE_NOOP("SrcGroupListWidget", "调整大小"), SLOT(onResizeFile())},
    {QT_TRANSLATE_NOOP("SrcGroupListWidget", "创建副本"), SLOT(onCopyFile())},
    {QT_TRANSLATE_NOOP("SrcGroupListWidget", "上移"), SLOT(onMoveUpFile())},
    {QT_TRANSLATE_NOOP("SrcGroupListWidget", "下移"), SLOT(onMoveDownFile())},
};

// The four ways to a new page differ only in these values.
struct NewPageKind {
    const char *title;
    int pageType;
    bool countsAsForm; // which counter seeds the suggested name
    int width;
    int height;
};

const NewPageKind kNewPageKinds[] = {
    {QT_TRANSLATE_NOOP("SrcGroupListWidget", "创建页面"), kPageKind, false, 1920, 1080},
    {QT_TRANSLATE_NOOP("SrcGroupListWidget", "创建登录页面"), kLoginKind, false, 1920, 1080},
    {QT_TRANSLATE_NOOP("SrcGroupListWidget", "创建场所页面"), kPlaceKind, false, 1920, 1080},
    {QT_TRANSLATE_NOOP("SrcGroupListWidget", "创建窗体"), kFormKind, true, 1600, 900},
};
enum NewPageVariant { NewPage, NewLoginPage, NewPlacePage, NewForm };

QString trTree(const char *text)
{
    return QCoreApplication::translate("SrcGroupListWidget", text);
}

// A new page, or a copy, may take no name the store would refuse as taken.
bool isTakenByPageOrFile(const QString &name)
{
    return GlobalManager::instance()->isPageNameTaken(name);
}

// A rename clashes with the pages only: the store tells apart a file that
// is the page's own under another spelling.
bool isTakenByPage(const QString &name)
{
    return GlobalManager::instance()->hasPage(name) != nullptr;
}

// The text question of a rename or a copy: a name no new page may take, or
// one taken, is refused while the question stays open with what was typed.
// A rename may keep the page's own name, whatever it is.
class PageNameInput : public QInputDialog
{
public:
    PageNameInput(QWidget *parent, const QString &keptName, const NewFileDlg::NameTaken &taken)
        : QInputDialog(parent)
        , m_keptName(keptName)
        , m_taken(taken)
    {
    }

    void done(int result) override
    {
        const QString name = textValue().trimmed();
        if (result == Accepted && (m_keptName.isNull() || name != m_keptName)
            && !NewFileDlg::checkPageName(this, name, m_taken))
            return;
        QInputDialog::done(result);
    }

private:
    QString m_keptName;
    NewFileDlg::NameTaken m_taken;
};

// The answer in *name, which also holds the proposal; false when cancelled.
bool askPageName(QWidget *parent, const QString &title, const QString &label, QString *name,
                 const NewFileDlg::NameTaken &taken, const QString &keptName = QString())
{
    PageNameInput dialog(parent, keptName, taken);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(*name);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *name = dialog.textValue();
    return true;
}
} // namespace

SrcGroupListWidget::SrcGroupListWidget(QWidget *parent)
    : MyBaseWidget(parent)
{
    setupUi();
    connect(m_treeWidget, SIGNAL(customContextMenuRequested(QPoint)), this, SLOT(onShowMenu(QPoint)));
    connect(m_treeWidget, SIGNAL(itemCollapsed(QTreeWidgetItem*)), this, SLOT(onItemCollapsed(QTreeWidgetItem*)));
    connect(m_treeWidget, SIGNAL(itemExpanded(QTreeWidgetItem*)), this, SLOT(onItemExpanded(QTreeWidgetItem*)));
    connect(m_treeWidget, SIGNAL(itemDoubleClicked(QTreeWidgetItem*,int)),
            this, SLOT(onItemDoubleClicked(QTreeWidgetItem*,int)));
}

SrcGroupListWidget::~SrcGroupListWidget() = default;

void SrcGroupListWidget::setupUi()
{
    setObjectName(QStringLiteral("SrcGroupListWidget"));
    resize(547, 457);
    m_treeWidget = addPanelTree(this);
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

QTreeWidgetItem *SrcGroupListWidget::appendPageItem(const QString &name, int pageType)
{
    auto *item = new QTreeWidgetItem;
    item->setText(0, name);
    item->setData(0, Qt::UserRole, name);
    // A kind the tree does not know behaves as an ordinary page.
    item->setData(0, Qt::UserRole + 1, isPageKind(pageType) ? pageType : kPageKind);
    item->setIcon(0, panelIcon(kFileIconPath));
    m_rootItem->addChild(item);
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
    // Login and place pages read from the project file count with the forms.
    const bool form = type == kFormKind || type == kLoginKind || type == kPlaceKind;
    appendPageItem(name, type);
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

QString SrcGroupListWidget::suggestedName(bool form) const
{
    return form ? QStringLiteral("dlg") + QString::number(m_formCount + 1)
                : QStringLiteral("page") + QString::number(m_pageCount + 1);
}

void SrcGroupListWidget::onItemDoubleClicked(QTreeWidgetItem *item, int column)
{
    qDebug() << "SrcGroupListWidget::onItemDoubleClicked";
    if (!item)
        return;
    const int kind = item->data(column, Qt::UserRole + 1).toInt();
    if (isPageKind(kind))
        GlobalManager::instance()->openPageTab(item->text(0), kind);
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
        for (const MenuEntry &entry : kProjectMenu)
            menu.addAction(trTree(entry.text), this, entry.slot);
    } else {
        const bool page = kind == kPageKind || kind == kLoginKind || kind == kPlaceKind;
        menu.addAction(page ? tr("删除页面") : tr("删除窗体"), this, SLOT(onDeleteFile()));
        for (const MenuEntry &entry : kPageMenu)
            menu.addAction(trTree(entry.text), this, entry.slot);
    }
    menu.exec(QCursor::pos());
}

void SrcGroupListWidget::onAddFile()
{
    addNewPage(NewPage);
}

void SrcGroupListWidget::onAddLoginFile()
{
    addNewPage(NewLoginPage);
}

void SrcGroupListWidget::onAddPlaceFile()
{
    addNewPage(NewPlacePage);
}

void SrcGroupListWidget::onAddDlgFile()
{
    addNewPage(NewForm);
}

void SrcGroupListWidget::addNewPage(int variant)
{
    if (!m_treeWidget->currentItem() || !m_rootItem)
        return;
    const NewPageKind &kind = kNewPageKinds[variant];
    NewFileDlg dialog;
    dialog.setWindowTitle(trTree(kind.title));
    dialog.setFileName(suggestedName(kind.countsAsForm));
    dialog.setPageWidth(kind.width);
    dialog.setPageHeight(kind.height);
    dialog.setNameTaken(isTakenByPageOrFile);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The tree shows the name the project stores: without the blanks around it.
    const QString name = dialog.fileName().trimmed();
    const int width = dialog.pageWidth();
    const int height = dialog.pageHeight();
    // The dialog has refused what a page cannot take, a taken name too.
    if (!acceptNewName(name))
        return;
    // The item appears only for a page the project now holds.
    if (!GlobalManager::instance()->createPage(name, width, height, kind.pageType))
        return;
    m_treeWidget->setCurrentItem(appendPageItem(name, kind.pageType));
    ++(kind.countsAsForm ? m_formCount : m_pageCount);
    GlobalManager::instance()->openPageTab(name, kind.pageType);
}

bool SrcGroupListWidget::acceptNewName(const QString &name)
{
    if (name.isEmpty()) {
        Notifier::information(this, tr("提示"), tr("文件名为空"));
        return false;
    }
    if (GlobalManager::instance()->hasPage(name)) {
        Notifier::information(this, tr("提示"), tr("名称已存在"));
        return false;
    }
    return true;
}

void SrcGroupListWidget::onCloseProject()
{
    if (!m_treeWidget->currentItem())
        return;
    emit signalClose();
    // A project whose pages could not be saved stays open, and listed.
    if (!GlobalManager::instance()->isProjectOpen())
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
    QTreeWidgetItem *item = currentKnownPage();
    if (!item)
        return;
    // The page file goes with the page; nothing brings it back.
    if (Notifier::question(this, tr("提示"), tr("确定删除吗?"), QMessageBox::Yes | QMessageBox::No,
                           QMessageBox::No) != QMessageBox::Yes)
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
    QString newName = item->text(0);
    if (askPageName(this, tr("重命名"), tr("请输入名称"), &newName, isTakenByPage, item->text(0)))
        renameCurrentPage(newName);
}

void SrcGroupListWidget::renameCurrentPage(const QString &typedName)
{
    const QString newName = typedName.trimmed();
    QTreeWidgetItem *item = currentKnownPage();
    if (!item)
        return;
    if (newName.isEmpty()) {
        Notifier::information(this, tr("提示"), tr("文件名为空"));
        return;
    }
    const QString oldName = item->text(0);
    if (newName != oldName && GlobalManager::instance()->hasPage(newName)) {
        Notifier::information(this, tr("提示"), tr("名称已存在"));
        return;
    }
    if (GlobalManager::instance()->renamePage(oldName, newName))
        item->setText(0, newName);
}

void SrcGroupListWidget::onResizeFile()
{
    QTreeWidgetItem *item = currentKnownPage();
    if (!item)
        return;
    const bool page = item->data(0, Qt::UserRole + 1).toInt() == kPageKind;
    ChangePageSizeDg dialog;
    dialog.setPageWidth(page ? 1920 : 1600);
    dialog.setPageHeight(page ? 1080 : 900);
    if (dialog.exec() != QDialog::Accepted)
        return;
    GlobalManager::instance()->slotSetResData(item->text(0), dialog.pageWidth(), dialog.pageHeight());
}

void SrcGroupListWidget::onCopyFile()
{
    QTreeWidgetItem *item = currentKnownPage();
    if (!item)
        return;
    const bool form = item->data(0, Qt::UserRole + 1).toInt() != kPageKind;
    QString newName = suggestedName(form);
    if (askPageName(this, tr("副本名"), QString(), &newName, isTakenByPageOrFile))
        copyCurrentPage(newName);
}

void SrcGroupListWidget::copyCurrentPage(const QString &typedName)
{
    const QString newName = typedName.trimmed();
    QTreeWidgetItem *item = currentKnownPage();
    if (!item || !m_rootItem)
        return;
    if (!acceptNewName(newName))
        return;
    // The copy is of the file: edits of the page open in a tab get there
    // first, or not, as the user says.
    GlobalManager *manager = GlobalManager::instance();
    QList<UIPage *> open;
    for (int i = 0; manager->tabWidget() && i < manager->tabWidget()->count(); ++i) {
        if (manager->tabWidget()->tabText(i) == item->text(0))
            open.append(manager->pageAt(i));
    }
    if (!savequestion::askToSave(this, open))
        return;
    const int pageType = item->data(0, Qt::UserRole + 1).toInt();
    if (!manager->copyPage(item->text(0), newName, 1920, 1080, pageType))
        return;
    m_treeWidget->setCurrentItem(appendPageItem(newName, pageType));
    ++(pageType == kPageKind ? m_pageCount : m_formCount);
    GlobalManager::instance()->openPageTab(newName, pageType);
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

void SrcGroupListWidget::onImportPageFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("打开页面文件"),
                                                      GlobalManager::instance()->openDir(),
                                                      QStringLiteral("Page File (*.json)"));
    if (!path.isEmpty())
        importPageFile(path);
}

void SrcGroupListWidget::importPageFile(const QString &path)
{
    if (!m_rootItem)
        return;
    int pageType = kPageKind;
    if (!GlobalManager::instance()->importPage(path, &pageType) || !QFileInfo::exists(path))
        return;
    const QString name = GlobalManager::importedPageName(path);
    appendPageItem(name, pageType);
    // An imported page counts with the pages whatever its kind.
    ++m_pageCount;
    // In front like a new page or a copy: the palette has already switched
    // to this page's kind.
    GlobalManager::instance()->openPageTab(name, pageType);
}
