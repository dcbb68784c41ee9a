#pragma once

#include <QFrame>
#include <QMap>
#include <QStringList>

class QPoint;
class QTreeWidget;
class QTreeWidgetItem;

// The tree of the current page's controls, one category item per control
// kind. The page fills and empties it through GlobalManager.
class ControlFrame : public QFrame
{
    Q_OBJECT

public:
    explicit ControlFrame(QWidget *parent = nullptr);
    ~ControlFrame() override;

    // An item may carry the identity of its control; removal then takes the
    // item of that identity, without one the first item of that name.
    void addControlItem(int nClass, const QString &name, quint64 id = 0);
    void removeControlItem(int nClass, const QString &name, quint64 id = 0);
    void clearItems();
    static QString kindDisplayName(int nClass);
    // The categories' titles in the language now loaded.
    void retranslateUi();

    QTreeWidget *treeWidget() const { return m_treeWidget; }
    QStringList controlNames(int nClass) const { return m_kindNames.value(nClass); }

public slots:
    void onItemDoubleClicked(QTreeWidgetItem *item, int column);
    void onItemExpanded(QTreeWidgetItem *item);
    void onItemCollapsed(QTreeWidgetItem *item);
    void onShowMenu(const QPoint &pos);
    // The current item's control, or every control of a category's kind.
    void onDeleteControl();

private:
    void setupUi();
    QTreeWidgetItem *newControlItem(int nClass, const QString &name, quint64 id) const;

    QTreeWidget *m_treeWidget = nullptr;
    QMap<int, QStringList> m_kindNames;
};
