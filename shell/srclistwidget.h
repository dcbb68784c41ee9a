#pragma once

#include "controls/mybasewidget.h"
#include "shell/draglistwidget.h"

class QListWidgetItem;
class QVBoxLayout;

// The control palette: one entry per kind that can be placed on a page. A
// press arms the kind for the next drop; which entries show depends on the
// kind of the page opened last.
class SrcListWidget : public MyBaseWidget
{
    Q_OBJECT

public:
    explicit SrcListWidget(QWidget *parent = nullptr);
    ~SrcListWidget() override;

    void initItems();
    void retranslateUi();
    void setPageKind(int pageKind);

    DragListWidget *listWidget() const { return m_listWidget; }

signals:
    // The title of the entry being dragged, on every move of the drag.
    void signalDragStart(QString title);
    void signalDragEnd();

public slots:
    void onItemClicked(QListWidgetItem *item);

private:
    void setupUi();

    QVBoxLayout *m_verticalLayout = nullptr;
    DragListWidget *m_listWidget = nullptr;
};
