#include "exaudiomatrixwidget.h"

#include "controls/layoutclearing.h"
#include "core/fileutils.h"
#include "preview/exqbutton.h"
#include "preview/extablecornerwidget.h"

#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const char *const kPortKinds[] = {
    QT_TRANSLATE_NOOP("ExAudioMatrixWidget", "3.5mm"),
    QT_TRANSLATE_NOOP("ExAudioMatrixWidget", "HDMI"),
    QT_TRANSLATE_NOOP("ExAudioMatrixWidget", "AES67"),
};

} // namespace

ExAudioMatrixWidget::ExAudioMatrixWidget(QWidget *parent)
    : QWidget(parent)
{
    m_table = new QTableWidget(this);
    m_table->setColumnCount(m_columnCount);
    m_table->horizontalHeader()->hide();
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->horizontalHeader()->setMinimumHeight(80);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto *column = new QVBoxLayout(this);
    column->addWidget(m_table);
    buildTable();
}

ExAudioMatrixWidget::~ExAudioMatrixWidget()
{
    clearLayout(layout());
}

void ExAudioMatrixWidget::clearLayout(QLayout *layout)
{
    ::clearLayout(layout);
}

void ExAudioMatrixWidget::buildTable()
{
    m_table->insertRow(0);
    m_table->setCellWidget(0, 0, new ExTableCornerWidget(this));
    for (int c = 1; c < m_columnCount; ++c)
        m_table->setCellWidget(0, c, createOutputHeader(c));
    for (int r = 1; r < m_rowCount; ++r) {
        m_table->insertRow(r);
        for (int c = 1; c < m_columnCount; ++c) {
            auto *button = new ExQButton(this);
            connect(button, SIGNAL(clicked()), this, SLOT(onToggleBtnClicked()));
            m_table->setCellWidget(r, c, button);
            m_buttons.append(button);
        }
        m_table->setCellWidget(r, 0, createInputHeader(r));
    }
}

QWidget *ExAudioMatrixWidget::createOutputHeader(int output)
{
    return createHeader(tr("音频输出%1").arg(output, 0, 10, QLatin1Char(' ')));
}

QWidget *ExAudioMatrixWidget::createInputHeader(int input)
{
    return createHeader(tr("音频输入%1").arg(input, 0, 10, QLatin1Char(' ')));
}

QWidget *ExAudioMatrixWidget::createHeader(const QString &caption)
{
    auto *cell = new QWidget(this);
    cell->setObjectName(QStringLiteral("headerWidget"));
    auto *column = new QVBoxLayout(cell);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->setAlignment(Qt::AlignHCenter);
    column->addWidget(new QLabel(caption, cell));
    // Sharing the cell as parent makes the three exclusive within it.
    for (const char *kind : kPortKinds)
        column->addWidget(new QRadioButton(tr(kind), cell));
    return cell;
}

void ExAudioMatrixWidget::setButtonImages(const QString &normalImage, const QString &second,
                                          const QString &pressImage)
{
    Q_UNUSED(second)
    for (ExQButton *button : qAsConst(m_buttons))
        button->setImages(QString(), QString(), normalImage, pressImage);
}

void ExAudioMatrixWidget::setButtonText(const QString &text, int fontSize, int bold, const QString &color,
                                        const QString &pressColor)
{
    for (ExQButton *button : qAsConst(m_buttons))
        button->setTextStyle(text, fontSize, bold, color, pressColor);
}

void ExAudioMatrixWidget::setCornerStyle(int pixelSize, const QString &image, const QString &color)
{
    if (!m_table)
        return;
    auto *corner = qobject_cast<ExTableCornerWidget *>(m_table->cellWidget(0, 0));
    if (!corner)
        return;
    corner->setImagePath(image);
    corner->setTextStyle(pixelSize, QColor(color));
}

QString ExAudioMatrixWidget::headerStyleSheet(int fontSize, const QString &image, const QString &color)
{
    return QStringLiteral("QWidget{background-image:url(%1);background-size: cover;background-position: "
                          "center;color:%2;font-size:%3px;}")
        .arg(image, color, QString::number(fontSize));
}

void ExAudioMatrixWidget::setHeaderStyle(int fontSize, const QString &image, const QString &third,
                                         const QString &color)
{
    Q_UNUSED(third)
    if (!m_table)
        return;
    const QString sheet = headerStyleSheet(fontSize, loadablePicture(image), color);
    for (int c = 1; c < m_columnCount; ++c) {
        if (QWidget *cell = m_table->cellWidget(0, c))
            cell->setStyleSheet(sheet);
    }
    for (int r = 1; r < m_rowCount; ++r) {
        if (QWidget *cell = m_table->cellWidget(r, 0))
            cell->setStyleSheet(sheet);
    }
}

void ExAudioMatrixWidget::onToggleBtnClicked()
{
    if (auto *button = qobject_cast<ExQButton *>(sender()))
        button->onSelect(!button->isSelected());
}
