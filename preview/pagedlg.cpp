#include "pagedlg.h"

#include "preview/expagewidget.h"

#include <QDebug>
#include <QResizeEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
// The page hosts of the dialog hand this to their wall lists.
const int kDialogListMode = 1;

bool isPreviewedKind(int pageType)
{
    return pageType == 0 || pageType == 2 || pageType == 3;
}
} // namespace

PageDlg::PageDlg(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PageDlg"));
    resize(840, 346);
    setWindowTitle(tr("Dialog"));
    m_verticalLayout = new QVBoxLayout(this);
    m_tabWidget = new QTabWidget(this);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHorizontalStretch(0);
    policy.setVerticalStretch(0);
    m_tabWidget->setSizePolicy(policy);
    m_verticalLayout->addWidget(m_tabWidget);
}

PageDlg::~PageDlg() = default;

void PageDlg::loadPages(QVector<PageInfo> pages)
{
    m_pages = pages;
    for (const PageInfo &page : qAsConst(m_pages)) {
        if (!isPreviewedKind(page.pageType))
            continue;
        const QString path = page.dir + QLatin1Char('/') + page.file;
        m_tabWidget->addTab(new ExPageWidget(kDialogListMode, path, this), page.file);
    }
}

void PageDlg::resizeEvent(QResizeEvent *event)
{
    qDebug() << "PageDlg::resizeEvent" << event->size();
    QDialog::resizeEvent(event);
}
