#pragma once

#include "core/pageinfo.h"

#include <QDialog>
#include <QVector>

class QTabWidget;
class QVBoxLayout;

// The offline preview: one tab per saved page of the project that a panel
// shows on its own (pages, login pages and place pages; forms pop up).
class PageDlg : public QDialog
{
    Q_OBJECT

public:
    explicit PageDlg(QWidget *parent = nullptr);
    ~PageDlg() override;

    void loadPages(QVector<PageInfo> pages);

    QTabWidget *tabWidget() const { return m_tabWidget; }
    const QVector<PageInfo> &pages() const { return m_pages; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QVBoxLayout *m_verticalLayout = nullptr;
    QTabWidget *m_tabWidget = nullptr;
    QVector<PageInfo> m_pages;
};
