#pragma once

#include "controls/mybasewidget.h"

#include <QPoint>

class QTreeWidget;
class QTreeWidgetItem;

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

    // What the menu entries do once their question or file dialog has been
    // answered; the entries only collect the answer.
    void renameCurrentPage(const QString &newName);
    void copyCurrentPage(const QString &newName);
    void importPageFile(const QString &path);

signals:
    void signalAddFile(QString &name);
    void signalSelectFile(QString &name);
    void signalDeleteFile(QString &name);
    void signalClose();

public slots:
    void onItemDoubleClicked(QTreeWidgetItem *item, int column);
    void onItemExpanded(QTreeWidgetItem *item);
    void onItemCollapsed(QTreeWidgetItem *item);
    void onShowMenu(const QPoint &pos);
    void onAddFile();
    void onAddLoginFile();
    void onAddPlaceFile();
    void onAddDlgFile();
    void onCloseProject();
    void onOpenProjectDir();
    void onDeleteFile();
    void onRenameFile();
    void onResizeFile();
    void onCopyFile();
    void onMoveUpFile();
    void onMoveDownFile();
    void onImportPageFile();

private:
    void setupUi();
    QTreeWidgetItem *makeRootItem(const QString &name);
    QTreeWidgetItem *appendPageItem(const QString &name, int pageType);
    // The current page item when GlobalManager still knows its page; tells
    // the user otherwise.
    QTreeWidgetItem *currentKnownPage();
    // One of the four new-page entries, by its row in the table of kinds.
    void addNewPage(int variant);
    // A name typed for a new page or a copy: not empty and not taken. Tells
    // the user otherwise; the store refuses names that cannot be files.
    bool acceptNewName(const QString &name);
    void moveCurrentPage(bool up);
    // Pages of kind 0 count apart from the other kinds when suggesting names.
    QString suggestedName(bool form) const;

    int m_pageCount = 0;
    int m_formCount = 0;
    QTreeWidgetItem *m_rootItem = nullptr;
    QTreeWidget *m_treeWidget = nullptr;
};
