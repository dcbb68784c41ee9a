#pragma once

#include "preview/exmybasewidget.h"

class QTreeWidget;
class QTreeWidgetItem;

// Page 1 of a source view: the tree of source groups. The preview has no
// groups, so the tree holds its root alone.
class ExSrcGroupListWidget : public ExMyBaseWidget
{
    Q_OBJECT

public:
    explicit ExSrcGroupListWidget(QWidget *parent = nullptr);
    ~ExSrcGroupListWidget() override;

    void searchText(QString text) override;

    // The tree and its root, made on first use.
    QTreeWidget *tree();
    QTreeWidgetItem *rootItem();

public slots:
    void onItemClicked(QTreeWidgetItem *item, int column);
    void onItemExpanded(QTreeWidgetItem *item);
    void onItemCollapsed(QTreeWidgetItem *item);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ensureTree();
    void initTree();
    // Shows the children of the item that hold the text, and their ancestors.
    void showMatches(QTreeWidgetItem *item, const QString &text);
    void showWithParents(QTreeWidgetItem *item);

    QTreeWidget *m_tree = nullptr;
    QTreeWidgetItem *m_root = nullptr;
};
