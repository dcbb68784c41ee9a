#include "qruner.h"

#include "core/dialogkeys.h"
#include "core/notifier.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

QRuner::QRuner(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("QRuner"));
    setWindowTitle(tr("运行"));
    setFixedSize(352, 181);

    auto *prompt = new QLabel(tr("在下面输入你所要运行的程序:"), this);
    auto *label = new QLabel(tr("打开："), this);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("lineEdit"));
    m_okButton = new QPushButton(tr("确定"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton = new QPushButton(tr("取消"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto *field = new QHBoxLayout;
    field->addWidget(label);
    field->addWidget(m_edit, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto *column = new QVBoxLayout(this);
    column->addWidget(prompt);
    column->addLayout(field);
    column->addStretch();
    column->addLayout(buttons);

    dialogkeys::enterPresses(this, m_okButton);
    connect(m_okButton, SIGNAL(clicked()), this, SLOT(onOk()));
    connect(m_cancelButton, SIGNAL(clicked()), this, SLOT(reject()));
}

bool QRuner::runCommandLine(const QString &line)
{
    QStringList words = QProcess::splitCommand(line);
    const QString program = words.isEmpty() ? QString() : words.takeFirst();
    if (program.isEmpty() || !QProcess::startDetached(program, words)) {
        Notifier::information(this, tr("提示"), tr("无法运行程序"));
        return false;
    }
    return true;
}

void QRuner::onOk()
{
    if (runCommandLine(m_edit->text()))
        accept();
}
