#pragma once

#include "controls/mybasewidget.h"

#include <QPoint>

class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;

// The project tree: the project item and, under it, one item per page in the
// order of the project file. It mirrors names and page kinds only; every
// change to the project goes through GlobalManager.
class SrcGroupListWidget : public MyBaseWidget
{
    Q_OBJECT

public:
    explicit SrcGroupListWidget(QWidget *parent = nullptr);
    ~SrcGroupListWidget() override;

    void clearItems();
    void addItem(const QString &name, int type);
    void createItem(const QString &name, int type);

    QTreeWidget *treeWidget() const { return m_treeWidget; }
    QTreeWidgetItem *rootItem() const { return m_rootItem; }
    int pageCount() const { return m_pageCount; }
    int formCount() const { return m_formCount; }

    // The actions of the context menu on the current item; the menu and the
    // rename question only collect what these need.
    void renameCurrentPage(const QString &newName);

signals:
    void signalDeleteFile(QString &name);
    void signalClose();

public slots:
    void onItemExpanded(QTreeWidgetItem *item);
    void onItemCollapsed(QTreeWidgetItem *item);
    void onShowMenu(const QPoint &pos);
    void onCloseProject();
    void onOpenProjectDir();
    void onDeleteFile();
    void onRenameFile();
    void onMoveUpFile();
    void onMoveDownFile();

private:
    void setupUi();
    QTreeWidgetItem *makeRootItem(const QString &name);
    // The current page item when GlobalManager still knows its page; tells
    // the user otherwise.
    QTreeWidgetItem *currentKnownPage();
    void moveCurrentPage(bool up);

    int m_pageCount = 0;
    int m_formCount = 0;
    QTreeWidgetItem *m_rootItem = nullptr;
    QVBoxLayout *m_verticalLayout = nullptr;
    QTreeWidget *m_treeWidget = nullptr;
};
