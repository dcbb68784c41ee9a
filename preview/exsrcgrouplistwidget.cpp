#include "exsrcgrouplistwidget.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

// Items that are sources, not groups, carry this in role UserRole + 1.
const int kSourceFlag = 1;
const int kTreeFontSize = 12;

} // namespace

ExSrcGroupListWidget::ExSrcGroupListWidget(QWidget *parent)
    : ExMyBaseWidget(parent)
{
    // The tree is made when the page is first shown or asked for: a source
    // view opens on its tiles, and a page of many views would otherwise
    // make, lay out and polish a tree for each that nobody turns to.
    new QHBoxLayout(this);
}

ExSrcGroupListWidget::~ExSrcGroupListWidget() = default;

QTreeWidget *ExSrcGroupListWidget::tree()
{
    ensureTree();
    return m_tree;
}

QTreeWidgetItem *ExSrcGroupListWidget::rootItem()
{
    ensureTree();
    return m_root;
}

void ExSrcGroupListWidget::showEvent(QShowEvent *event)
{
    ensureTree();
    ExMyBaseWidget::showEvent(event);
}

void ExSrcGroupListWidget::ensureTree()
{
    if (m_tree)
        return;
    m_tree = new QTreeWidget(this);
    layout()->addWidget(m_tree);
    m_tree->setStyleSheet(QStringLiteral("QTreeView::branch {image:none;}"
                                         "QTreeWidget::item{color:rgb(255,255,255)}"
                                         "QTreeWidget::item:selected{color:rgb(127,127,127)}"));
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tree->setAlternatingRowColors(false);
    m_tree->setFocusPolicy(Qt::NoFocus);
    QHeaderView *header = m_tree->header();
    header->setHighlightSections(true);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setDefaultSectionSize(100);
    header->setStretchLastSection(true);
    header->setSortIndicator(0, Qt::AscendingOrder);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setVisible(false);
    m_tree->setIndentation(4);
    m_tree->setDragDropMode(QAbstractItemView::DragOnly);
    m_tree->setDropIndicatorShown(false);
    m_tree->setAcceptDrops(false);
    m_tree->setFrameShape(QFrame::NoFrame);
    QFont font = QApplication::font();
    font.setPointSize(kTreeFontSize);
    m_tree->setFont(font);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->setExpandsOnDoubleClick(false);
    connect(m_tree, SIGNAL(itemClicked(QTreeWidgetItem *, int)), this, SLOT(onItemClicked(QTreeWidgetItem *, int)));
    initTree();
    // Made while the page is being shown: the page has shown its children
    // and laid them out already.
    if (isVisible()) {
        m_tree->show();
        layout()->activate();
    }
}

void ExSrcGroupListWidget::initTree()
{
    m_root = new QTreeWidgetItem(m_tree);
    m_root->setText(0, tr("信号列表"));
    m_root->setData(0, Qt::UserRole, 0);
    m_root->setFlags(m_root->flags() & ~(Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled));
    m_tree->setEditTriggers(QAbstractItemView::DoubleClicked);
    connect(m_tree, SIGNAL(itemCollapsed(QTreeWidgetItem *)), this, SLOT(onItemCollapsed(QTreeWidgetItem *)));
    connect(m_tree, SIGNAL(itemExpanded(QTreeWidgetItem *)), this, SLOT(onItemExpanded(QTreeWidgetItem *)));
}

void ExSrcGroupListWidget::onItemClicked(QTreeWidgetItem *item, int column)
{
    if (item && item->data(column, Qt::UserRole + 1).toInt() != kSourceFlag)
        item->setExpanded(!item->isExpanded());
}

// A panel loads a group's sources when it opens; the root is no group.
void ExSrcGroupListWidget::onItemExpanded(QTreeWidgetItem *item)
{
    Q_UNUSED(item)
}

void ExSrcGroupListWidget::onItemCollapsed(QTreeWidgetItem *item)
{
    Q_UNUSED(item)
}

void ExSrcGroupListWidget::searchText(QString text)
{
    ensureTree();
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it)
        (*it)->setHidden(!text.isEmpty());
    if (!text.isEmpty())
        showMatches(m_root, text);
}

void ExSrcGroupListWidget::showMatches(QTreeWidgetItem *item, const QString &text)
{
    for (int i = 0; i < item->childCount(); ++i) {
        QTreeWidgetItem *child = item->child(i);
        if (child->childCount() > 0)
            showMatches(child, text);
        if (child->text(0).contains(text, Qt::CaseInsensitive)) {
            child->setHidden(false);
            showWithParents(child);
        }
    }
}

void ExSrcGroupListWidget::showWithParents(QTreeWidgetItem *item)
{
    for (QTreeWidgetItem *parent = item->parent(); parent; parent = parent->parent())
        parent->setHidden(false);
}
