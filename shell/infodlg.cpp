#include "infodlg.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

InfoDlg::InfoDlg(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("InfoDlg"));
    setWindowTitle(tr("操作说明"));
    resize(640, 420);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("plainTextEdit"));
    m_text->setReadOnly(true);
    m_text->setPlainText(tr("操作说明"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
}
