#include "changepagesizedg.h"

#include "canvas/uipage.h"
#include "core/dialogkeys.h"
#include "core/notifier.h"
#include "shell/dialogform.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The message quotes the bounds of the page canvas.
static_assert(UIPage::kMinPageWidth == 160 && UIPage::kMaxPageWidth == 15360 && UIPage::kMinPageHeight == 64
                  && UIPage::kMaxPageHeight == 8640,
              "the page size message quotes these bounds");
}

ChangePageSizeDg::ChangePageSizeDg(QWidget *parent)
    : QDialog(parent)
{
    setupUi();
    dialogkeys::enterPresses(this, m_okButton);
    connect(m_okButton, SIGNAL(clicked()), this, SLOT(btnClicked()));
    connect(m_cancelButton, SIGNAL(clicked()), this, SLOT(btnClicked()));
}

ChangePageSizeDg::~ChangePageSizeDg() = default;

void ChangePageSizeDg::setupUi()
{
    setObjectName(QStringLiteral("ChangePageSizeDg"));
    resize(538, 300);
    auto *column = new QVBoxLayout(this);
    column->setObjectName(QStringLiteral("verticalLayout"));
    column->addItem(dialogform::verticalSpacer(86));

    auto *form = new QFormLayout;
    form->setObjectName(QStringLiteral("formLayout"));
    m_widthEdit = dialogform::addRow(form, this, "label_2", "lineEdit_2");
    m_heightEdit = dialogform::addRow(form, this, "label_3", "lineEdit_3");
    column->addLayout(form);

    column->addItem(dialogform::verticalSpacer(86));
    column->addLayout(dialogform::buttonRow(this, &m_okButton, &m_cancelButton));
    retranslateUi();
}

void ChangePageSizeDg::retranslateUi()
{
    setWindowTitle(tr("Dialog"));
    findChild<QLabel *>(QStringLiteral("label_2"))->setText(tr("宽："));
    findChild<QLabel *>(QStringLiteral("label_3"))->setText(tr("高："));
    m_okButton->setText(tr("确定"));
    m_cancelButton->setText(tr("取消"));
}

void ChangePageSizeDg::setPageWidth(int width)
{
    m_widthEdit->setText(QString::number(width));
}

void ChangePageSizeDg::setPageHeight(int height)
{
    m_heightEdit->setText(QString::number(height));
}

int ChangePageSizeDg::pageWidth() const
{
    return m_widthEdit->text().toInt();
}

int ChangePageSizeDg::pageHeight() const
{
    return m_heightEdit->text().toInt();
}

bool ChangePageSizeDg::checkPageSize(int width, int height)
{
    if (!UIPage::isAcceptedPageSize(width, height)) {
        Notifier::information(nullptr, tr("提示"), tr("宽度必须在160--15360,高度必须在64-8640之间"));
        return false;
    }
    return true;
}

void ChangePageSizeDg::btnClicked()
{
    if (sender() == m_cancelButton) {
        reject();
        return;
    }
    if (checkPageSize(pageWidth(), pageHeight()))
        accept();
}
