#include "treesettings.h"

#include <QHeaderView>
#include <QPixmap>
#include <QTreeWidget>
#include <QVBoxLayout>

const char kFolderIconPath[] = ":/new/icon/images/folder.png";
const char kFolderOpenIconPath[] = ":/new/icon/images/folder-open.png";
const char kFileIconPath[] = ":/new/icon/images/file.png";

void applyPanelTreeSettings(QTreeWidget *tree)
{
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setAlternatingRowColors(false);
    tree->setFocusPolicy(Qt::NoFocus);
    tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    tree->setFrameShape(QFrame::NoFrame);
    tree->setDropIndicatorShown(false);
    tree->setAcceptDrops(false);
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    tree->setExpandsOnDoubleClick(false);

    QHeaderView *header = tree->header();
    header->setVisible(false);
    header->setHighlightSections(true);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setDefaultSectionSize(100);
    header->setStretchLastSection(true);
    header->setSortIndicator(0, Qt::AscendingOrder);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
}

QIcon panelIcon(const char *resourcePath)
{
    QIcon icon;
    icon.addPixmap(QPixmap(QLatin1String(resourcePath)), QIcon::Normal, QIcon::Off);
    return icon;
}

void updateFolderIcon(QTreeWidgetItem *item, bool expanded)
{
    if (!item || item->data(0, Qt::UserRole).toInt() == 0)
        return;
    item->setIcon(0, panelIcon(expanded ? kFolderOpenIconPath : kFolderIconPath));
}

QTreeWidget *addPanelTree(QWidget *panel)
{
    auto *layout = new QVBoxLayout(panel);
    layout->setObjectName(QStringLiteral("verticalLayout"));
    layout->setContentsMargins(0, 0, 0, 0);
    auto *tree = new QTreeWidget(panel);
    tree->setObjectName(QStringLiteral("treeWidget"));
    tree->headerItem()->setText(0, QStringLiteral("1"));
    applyPanelTreeSettings(tree);
    layout->addWidget(tree);
    return tree;
}
