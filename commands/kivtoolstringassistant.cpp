#include "kivtoolstringassistant.h"

#include "commands/kivcommondatastructure.h"
#include "core/dialogkeys.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QTextBrowser>
#include <QTextEdit>

KivToolStringAssistant::KivToolStringAssistant(QWidget *parent)
    : QDialog(parent)
{
    setupUi();
    dialogkeys::enterPresses(this, nullptr);
    KivCommonDataStructure::setInputFormatItems(m_inputFormat);
    KivCommonDataStructure::setOutputFormatItems(m_outputFormat);
    // Connected once the boxes are filled, so filling converts nothing.
    QMetaObject::connectSlotsByName(this);
}

KivToolStringAssistant::~KivToolStringAssistant() = default;

void KivToolStringAssistant::setupUi()
{
    setObjectName(QStringLiteral("KivToolStringAssistant"));
    resize(475, 307);
    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("gridLayout"));

    auto *inputLabel = new QLabel(this);
    inputLabel->setObjectName(QStringLiteral("label"));
    grid->addWidget(inputLabel, 0, 0, 1, 4);

    m_input = new QTextEdit(this);
    m_input->setObjectName(QStringLiteral("textEdit"));
    // Pasted markup arrives as its text; only the characters are data.
    m_input->setAcceptRichText(false);
    grid->addWidget(m_input, 1, 0, 1, 4);

    auto *inputRow = new QWidget(this);
    inputRow->setObjectName(QStringLiteral("widget"));
    auto *inputRowLayout = new QHBoxLayout(inputRow);
    inputRowLayout->setObjectName(QStringLiteral("horizontalLayout"));
    inputRowLayout->setContentsMargins(0, 0, 0, 0);
    inputRowLayout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    auto *inputFormatLabel = new QLabel(inputRow);
    inputFormatLabel->setObjectName(QStringLiteral("label_3"));
    inputRowLayout->addWidget(inputFormatLabel);
    m_inputFormat = new QComboBox(inputRow);
    m_inputFormat->setObjectName(QStringLiteral("inputFormatComboBox"));
    inputRowLayout->addWidget(m_inputFormat);
    grid->addWidget(inputRow, 2, 0, 1, 4);

    auto *outputLabel = new QLabel(this);
    outputLabel->setObjectName(QStringLiteral("label_2"));
    grid->addWidget(outputLabel, 3, 0);

    m_output = new QTextBrowser(this);
    m_output->setObjectName(QStringLiteral("textBrowser"));
    grid->addWidget(m_output, 4, 0, 1, 4);

    grid->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum), 5, 0);
    auto *outputFormatLabel = new QLabel(this);
    outputFormatLabel->setObjectName(QStringLiteral("label_4"));
    grid->addWidget(outputFormatLabel, 5, 1);
    m_outputFormat = new QComboBox(this);
    m_outputFormat->setObjectName(QStringLiteral("outputFormatComboBox"));
    grid->addWidget(m_outputFormat, 5, 2);
    m_createButton = new QPushButton(this);
    m_createButton->setObjectName(QStringLiteral("createPushButton"));
    grid->addWidget(m_createButton, 5, 3);

    retranslateUi();
}

void KivToolStringAssistant::retranslateUi()
{
    setWindowTitle(tr("字符串工具"));
    findChild<QLabel *>(QStringLiteral("label"))->setText(tr("输入数据"));
    findChild<QLabel *>(QStringLiteral("label_2"))->setText(tr("输出数据"));
    findChild<QLabel *>(QStringLiteral("label_3"))->setText(tr("输入格式"));
    findChild<QLabel *>(QStringLiteral("label_4"))->setText(tr("输出格式"));
    m_createButton->setText(tr("生成数据"));
}

void KivToolStringAssistant::convert()
{
    const QByteArray bytes = KivCommonDataStructure::textToBytes(
        m_input->toPlainText(), m_inputFormat->currentData(Qt::UserRole).toInt());
    // Decoded bytes may look like markup; they are shown as they are.
    m_output->setPlainText(
        KivCommonDataStructure::bytesToText(bytes, m_outputFormat->currentData(Qt::UserRole).toInt()));
}

void KivToolStringAssistant::on_textEdit_textChanged()
{
    // Setting the filtered text comes back here; the block ends that loop.
    if (m_input->blockSignals(true))
        return;
    m_input->setPlainText(KivCommonDataStructure::filterInputText(
        m_input->toPlainText(), m_inputFormat->currentData(Qt::UserRole).toInt()));
    m_input->moveCursor(QTextCursor::End);
    m_input->blockSignals(false);
    convert();
}

void KivToolStringAssistant::on_inputFormatComboBox_currentIndexChanged(int)
{
    m_input->clear();
    convert();
}

void KivToolStringAssistant::on_createPushButton_clicked()
{
    convert();
}

void KivToolStringAssistant::on_outputFormatComboBox_currentTextChanged(QString)
{
    convert();
}
