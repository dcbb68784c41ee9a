#include "datadlg.h"

#include "core/dialogkeys.h"
#include "transfer/datamanager.h"

#include <QHBoxLayout>

DataDlg::DataDlg(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DataDlg"));
    resize(997, 569);
    setWindowTitle(tr("Dialog"));
    m_horizontalLayout = new QHBoxLayout(this);
    m_horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    m_widget = new DataManager(this);
    m_widget->setObjectName(QStringLiteral("widget"));
    m_horizontalLayout->addWidget(m_widget);
    // Enter in the address field starts nothing: sending is a button's work.
    dialogkeys::enterPresses(this, nullptr);
}

DataDlg::~DataDlg() = default;

void DataDlg::reject()
{
    if (m_widget->mayClose())
        QDialog::reject();
}
