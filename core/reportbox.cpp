#include "reportbox.h"

#include "core/dialogkeys.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVector>

#include <algorithm>

ReportBox::ReportBox(QMessageBox::Icon icon, const QString &title, const QString &text, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    auto *grid = new QGridLayout(this);
    auto *iconLabel = new QLabel(this);
    iconLabel->setPixmap(QMessageBox::standardIcon(icon));
    grid->addWidget(iconLabel, 0, 0, Qt::AlignTop);
    m_text = new QPlainTextEdit(this);
    m_text->setReadOnly(true);
    // A long word wraps too: nothing is ever out of reach sideways.
    m_text->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setPlainText(text);
    grid->addWidget(m_text, 0, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    dialogkeys::enterPresses(this, buttons->button(QDialogButtonBox::Ok));
    grid->addWidget(buttons, 1, 0, 1, 2);
    fitToScreen(text);
}

void ReportBox::fitToScreen(const QString &text)
{
    // Room for the frame, scroll bar, icon and buttons around the text.
    const QSize chrome(120, 110);
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen->availableGeometry().size() * 3 / 4 - chrome;
    const QFontMetrics metrics(m_text->font());
    const QStringList lines = text.split(QLatin1Char('\n'));
    QVector<int> widths;
    widths.reserve(lines.size());
    for (const QString &line : lines)
        widths.append(metrics.horizontalAdvance(line));
    const int width = qBound(240, *std::max_element(widths.cbegin(), widths.cend()), room.width());
    // Lines wider than the box wrap into several.
    qint64 rows = 0;
    for (int lineWidth : widths)
        rows += qMax(1, (lineWidth + width - 1) / width);
    const int height = int(qBound(qint64(50), rows * metrics.lineSpacing(), qint64(room.height())));
    resize(QSize(width, height) + chrome);
}
