#include "newfiledlg.h"

#include "app/globalmanager.h"
#include "core/dialogkeys.h"
#include "core/notifier.h"
#include "shell/changepagesizedg.h"
#include "shell/dialogform.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

NewFileDlg::NewFileDlg(QWidget *parent)
    : QDialog(parent)
{
    setupUi();
    dialogkeys::enterPresses(this, m_okButton);
    connect(m_okButton, SIGNAL(clicked()), this, SLOT(btnClicked()));
    connect(m_cancelButton, SIGNAL(clicked()), this, SLOT(btnClicked()));
}

NewFileDlg::~NewFileDlg() = default;

void NewFileDlg::setupUi()
{
    setObjectName(QStringLiteral("NewFileDlg"));
    resize(400, 300);
    auto *column = new QVBoxLayout(this);
    column->setObjectName(QStringLiteral("verticalLayout"));
    column->addItem(dialogform::verticalSpacer(70));

    auto *form = new QFormLayout;
    form->setObjectName(QStringLiteral("formLayout"));
    m_nameEdit = dialogform::addRow(form, this, "label", "lineEdit");
    m_widthEdit = dialogform::addRow(form, this, "label_2", "lineEdit_2");
    m_heightEdit = dialogform::addRow(form, this, "label_3", "lineEdit_3");
    column->addLayout(form);

    column->addItem(dialogform::verticalSpacer(70));
    column->addLayout(dialogform::buttonRow(this, &m_okButton, &m_cancelButton));
    retranslateUi();
}

void NewFileDlg::retranslateUi()
{
    setWindowTitle(tr("Dialog"));
    findChild<QLabel *>(QStringLiteral("label"))->setText(tr("文件名："));
    findChild<QLabel *>(QStringLiteral("label_2"))->setText(tr("宽："));
    findChild<QLabel *>(QStringLiteral("label_3"))->setText(tr("高："));
    m_okButton->setText(tr("确定"));
    m_cancelButton->setText(tr("取消"));
}

void NewFileDlg::setFileName(const QString &name)
{
    m_nameEdit->setText(name);
}

QString NewFileDlg::fileName() const
{
    return m_nameEdit->text();
}

void NewFileDlg::setPageWidth(int width)
{
    m_widthEdit->setText(QString::number(width));
}

void NewFileDlg::setPageHeight(int height)
{
    m_heightEdit->setText(QString::number(height));
}

int NewFileDlg::pageWidth() const
{
    return m_widthEdit->text().toInt();
}

int NewFileDlg::pageHeight() const
{
    return m_heightEdit->text().toInt();
}

void NewFileDlg::btnClicked()
{
    if (sender() == m_cancelButton) {
        reject();
        return;
    }
    // What a page cannot take keeps the dialog open with the values as typed.
    if (checkPageName(nullptr, fileName(), m_nameTaken) && ChangePageSizeDg::checkPageSize(pageWidth(), pageHeight()))
        accept();
}

void NewFileDlg::setNameTaken(const NameTaken &taken)
{
    m_nameTaken = taken;
}

bool NewFileDlg::checkPageName(QWidget *parent, const QString &typedName, const NameTaken &taken)
{
    // " .." would pass as typed and become ".." once trimmed.
    const QString name = typedName.trimmed();
    QString problem;
    if (name.isEmpty())
        problem = tr("文件名为空");
    else
        problem = GlobalManager::newPageNameProblem(name);
    if (problem.isEmpty() && taken && taken(name))
        problem = tr("名称已存在");
    return !Notifier::sayProblem(parent, problem);
}
