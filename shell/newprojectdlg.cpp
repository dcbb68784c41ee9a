#include "newprojectdlg.h"

#include "app/globalmanager.h"
#include "core/dialogkeys.h"
#include "core/notifier.h"

#include <QCheckBox>
#include <QDebug>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

NewProjectDlg::NewProjectDlg(QWidget *parent)
    : QDialog(parent)
{
    setupUi();
    dialogkeys::enterPresses(this, m_okButton);
    m_nameEdit->setText(QStringLiteral("main"));
    m_pathEdit->setText(GlobalManager::instance()->newProjectDir());
    m_checkBox->setChecked(true);
    connect(m_okButton, SIGNAL(clicked()), this, SLOT(btnClicked()));
    connect(m_cancelButton, SIGNAL(clicked()), this, SLOT(btnClicked()));
    connect(m_browseButton, SIGNAL(clicked()), this, SLOT(onSelectDir()));
}

NewProjectDlg::~NewProjectDlg() = default;

void NewProjectDlg::setupUi()
{
    setObjectName(QStringLiteral("NewProjectDlg"));
    resize(652, 416);

    auto *form = new QFormLayout;
    form->setObjectName(QStringLiteral("formLayout"));
    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("lineEdit"));
    form->addRow(tr("项目名称："), m_nameEdit);
    m_pathEdit = new QLineEdit(this);
    m_pathEdit->setObjectName(QStringLiteral("lineEdit_2"));
    m_browseButton = new QPushButton(tr("浏览目录"), this);
    m_browseButton->setObjectName(QStringLiteral("pushButton_3"));
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(m_pathEdit, 1);
    pathRow->addWidget(m_browseButton);
    form->addRow(tr("项目路径："), pathRow);
    m_checkBox = new QCheckBox(tr("默认模板"), this);
    m_checkBox->setObjectName(QStringLiteral("checkBox"));
    form->addRow(QString(), m_checkBox);

    m_okButton = new QPushButton(tr("确定"), this);
    m_okButton->setObjectName(QStringLiteral("pushButton_2"));
    m_cancelButton = new QPushButton(tr("取消"), this);
    m_cancelButton->setObjectName(QStringLiteral("pushButton"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {m_okButton, m_cancelButton}) {
        button->setMinimumSize(90, 30);
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(40, 20, 40, 20);
    column->addStretch();
    column->addLayout(form);
    column->addStretch();
    column->addLayout(buttons);
}

QString NewProjectDlg::projectName() const
{
    return m_nameEdit->text();
}

QString NewProjectDlg::projectPath() const
{
    return m_pathEdit->text();
}

bool NewProjectDlg::useTemplate() const
{
    return m_checkBox->checkState() == Qt::Checked;
}

bool NewProjectDlg::checkAnswers(QWidget *parent, const QString &typedName, const QString &folder)
{
    // Checked as the folder and file are named: " .." would become "..".
    const QString name = typedName.trimmed();
    QString problem;
    if (name.isEmpty())
        problem = tr("项目名称不能为空");
    else
        problem = GlobalManager::newProjectNameProblem(name);
    if (problem.isEmpty() && folder.trimmed().isEmpty())
        problem = tr("项目路径不能为空");
    return !Notifier::sayProblem(parent, problem);
}

void NewProjectDlg::btnClicked()
{
    if (sender() == m_cancelButton) {
        reject();
        return;
    }
    // A refused answer keeps the dialog open with what was typed.
    if (checkAnswers(this, projectName(), projectPath()))
        accept();
}

void NewProjectDlg::onSelectDir()
{
    GlobalManager *manager = GlobalManager::instance();
    const QString dir = QFileDialog::getExistingDirectory(
        this, tr("打开目录"), manager->newProjectDir(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    qDebug() << "NewProjectDlg::onSelectDir" << dir;
    if (dir.isEmpty())
        return;
    manager->setNewProjectDir(dir);
    m_pathEdit->setText(dir);
}
