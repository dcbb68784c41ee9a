#include "propertywidget.h"

#include "canvas/pageshared.h"
#include "controls/mycolordialog.h"
#include "controls/uibase.h"
#include "core/fileutils.h"
#include "properties/imagechooser.h"
#include "properties/propdata.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTextDocument>
#include <QTextEdit>

#include <cmath>

namespace {

Q_LOGGING_CATEGORY(lcPropertyEdits, "brivane.properties", QtInfoMsg)

// Below this a font cannot be read on a panel.
const int kMinFontSize = 4;

} // namespace

QString &PropertyWidget::colourMemory(const QString &key)
{
    if (key == QLatin1String("normalBkColor"))
        return m_lastNormalBkColor;
    if (key == QLatin1String("normalColor"))
        return m_lastNormalColor;
    if (key == QLatin1String("pressBkColor"))
        return m_lastPressBkColor;
    if (key == QLatin1String("pressColor"))
        return m_lastPressColor;
    return m_lastOtherColor;
}

QString PropertyWidget::rememberedColour(const QString &key) const
{
    return const_cast<PropertyWidget *>(this)->colourMemory(key);
}

QWidget *PropertyWidget::rowTextEdit(int row) const
{
    return qobject_cast<QTextEdit *>(editorAt(row));
}

QJsonObject PropertyWidget::shownAttributes() const
{
    const auto *control = qobject_cast<UIBase *>(m_currentControl.data());
    return control ? control->attributes() : QJsonObject();
}

void PropertyWidget::onNumberEditLineFinished()
{
    commitNumber(qobject_cast<QLineEdit *>(sender()));
}

void PropertyWidget::onDoubelEditLineFinished()
{
    commitNumber(qobject_cast<QLineEdit *>(sender()));
}

void PropertyWidget::onNumberEditRefused()
{
    // What the row cannot take is not left standing over the stored value.
    if (const PropData *data = PropData::of(sender()))
        fillRow(data->nRow, shownAttributes());
}

void PropertyWidget::onTextEditLineFinished()
{
    commitText(qobject_cast<QTextEdit *>(sender()));
}

void PropertyWidget::commitNumber(QLineEdit *edit)
{
    const PropData *data = PropData::of(edit);
    if (!data || !holdsTyping(data->nRow))
        return;
    const bool real = m_rows.at(data->nRow).op == PropertyRowOp::Real;
    bool ok = false;
    const double number = real ? edit->text().trimmed().toDouble(&ok) : edit->text().toInt(&ok);
    if (!ok || !std::isfinite(number)) {
        // Not a number: nothing is sent, and the row shows what is stored.
        fillRow(data->nRow, shownAttributes());
        return;
    }
    QJsonValue value = number;
    if (!real) {
        int whole = int(number);
        if (data->key == QLatin1String("fontsize") && whole < kMinFontSize) {
            whole = kMinFontSize;
            const QSignalBlocker blocker(edit);
            edit->setText(QString::number(whole));
        } else if (data->key == QLatin1String("m_group_id")) {
            PageShared::instance().updateMaxGroupId(whole);
        }
        value = whole;
    }
    qCDebug(lcPropertyEdits) << data->key << edit->text();
    applyToCurrentControl(data->nClass, QJsonObject{{data->key, value}});
}

void PropertyWidget::commitText(QTextEdit *edit)
{
    const PropData *data = PropData::of(edit);
    if (!data || !holdsTyping(data->nRow))
        return;
    const QString text = edit->toPlainText();
    qCDebug(lcPropertyEdits) << data->key << text;
    applyToCurrentControl(data->nClass, QJsonObject{{data->key, text}});
}

void PropertyWidget::commitPendingEdit()
{
    QWidget *focus = QApplication::focusWidget();
    if (!m_currentControl || !focus || !m_tableWidget->isAncestorOf(focus))
        return;
    if (auto *text = qobject_cast<QTextEdit *>(focus)) {
        commitText(text);
    } else if (auto *line = qobject_cast<QLineEdit *>(focus)) {
        const PropData *data = PropData::of(line);
        if (!data || !holdsTyping(data->nRow))
            return;
        if (line->hasAcceptableInput())
            commitNumber(line);
        else
            fillRow(data->nRow, shownAttributes());
    }
}

void PropertyWidget::onComboBoxChanged(int index)
{
    auto *combo = qobject_cast<QComboBox *>(sender());
    const PropData *data = PropData::of(combo);
    if (!data || index < 0)
        return;
    // The option's value, which need not be its position.
    applyToCurrentControl(data->nClass, QJsonObject{{data->key, combo->currentData().toInt()}});
}

void PropertyWidget::onComboBoxGridSettinngChanged(int index)
{
    auto *combo = qobject_cast<QComboBox *>(sender());
    const PropData *data = PropData::of(combo);
    if (!data || index < 0)
        return;
    bool ok = false;
    const int element = combo->currentData().toInt(&ok);
    if (!ok || element < 0 || element >= data->arr.size())
        return;
    applyToCurrentControl(data->nClass, QJsonObject{{data->key, data->arr.at(element).toObject()}});
}

void PropertyWidget::onBtnColorClicked()
{
    const PropData *data = PropData::of(sender());
    if (!data)
        return;
    MyColorDialog dialog;
    dialog.nRow = data->nRow;
    dialog.nClass = data->nClass;
    dialog.key = data->key;
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setOption(QColorDialog::ShowAlphaChannel);
    dialog.setCurrentColor(QColor(colourMemory(data->key)));
    // A click outside closes it unconfirmed.
    dialog.setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    dialog.setWindowTitle(tr("设置背景色"));
    connect(&dialog, SIGNAL(colorSelected(QColor)), this, SLOT(onColorSelected(QColor)));
    dialog.exec();
    disconnect(&dialog, SIGNAL(colorSelected(QColor)), this, SLOT(onColorSelected(QColor)));
}

void PropertyWidget::onColorSelected(const QColor &colour)
{
    const auto *dialog = qobject_cast<MyColorDialog *>(sender());
    if (!dialog)
        return;
    const QString name = colour.name(QColor::HexArgb);
    if (auto *edit = qobject_cast<QTextEdit *>(rowTextEdit(dialog->nRow)))
        edit->setPlainText(name);
    qCDebug(lcPropertyEdits) << "index" << dialog->nRow << "color" << name;
    applyToCurrentControl(dialog->nClass, QJsonObject{{dialog->key, name}});
    colourMemory(dialog->key) = name;
}

void PropertyWidget::onBtnClearColorClicked()
{
    const PropData *data = PropData::of(sender());
    if (!data)
        return;
    if (auto *edit = qobject_cast<QTextEdit *>(rowTextEdit(data->nRow)))
        edit->clear();
    applyToCurrentControl(data->nClass, QJsonObject{{data->key, QString()}});
}

void PropertyWidget::onBtnImgClicked()
{
    const PropData *data = PropData::of(sender());
    if (!data)
        return;
    const int nClass = data->nClass;
    const int row = data->nRow;
    const QString key = data->key;
    const DialogTarget target = dialogTarget();
    // The dialog opens on the row's picture: accepted as it opened, it
    // changes nothing.
    const QString current = fileNameOfPath(shownAttributes().value(key).toString());
    QString path = current;
    if (ImageChooser::instance()->showImageDialog(path) == 0)
        return;
    // Stored as a bare file name, like every picture of a page file, so the
    // project folder can move.
    const QString fileName = fileNameOfPath(path);
    if (fileName == current || !applyToTarget(target, nClass, QJsonObject{{key, fileName}}))
        return;
    if (!isOnView(target))
        return;
    if (auto *edit = qobject_cast<QTextEdit *>(rowTextEdit(row))) {
        const QSignalBlocker blocker(edit);
        edit->setPlainText(fileName);
    }
}

void PropertyWidget::onBtnClearImgClicked()
{
    onBtnClearColorClicked();
}
