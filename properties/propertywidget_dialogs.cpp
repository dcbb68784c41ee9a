#include "propertywidget.h"

#include "canvas/uipage.h"
#include "commands/feedbackformdlg.h"
#include "commands/morecmddlg.h"
#include "commands/mousekeydlg.h"
#include "properties/propdata.h"
#include "wall/gridmanagerdlg.h"
#include "wall/gridtemplatestore.h"

#include <QComboBox>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QSignalBlocker>

namespace {

Q_LOGGING_CATEGORY(lcPropertyDialogs, "brivane.properties", QtInfoMsg)

// The matrix button sends its command data as typed.
const int kMatrixButtonClass = 134;

QByteArray compact(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QByteArray compact(const QJsonArray &array)
{
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

} // namespace

bool PropertyWidget::isOnView(const DialogTarget &target) const
{
    return target.control && target.control == m_currentControl && target.nClass == m_currentClass;
}

bool PropertyWidget::applyToTarget(const DialogTarget &target, int nClass, const QJsonObject &values)
{
    QWidget *control = target.control.data();
    if (!control || nClass != target.nClass)
        return false;
    if (nClass != UIPage::kPageTypeId) {
        // Taken off its page, the control waits only for its deletion.
        auto *ui = qobject_cast<UIBase *>(control);
        auto *page = ui ? qobject_cast<UIPage *>(ui->parentWidget()) : nullptr;
        if (!page || !page->containsControl(nClass, ui))
            return false;
    }
    applyToControl(control, target.nClass, nClass, values);
    return true;
}

void PropertyWidget::onBtnCustomLayoutClicked()
{
    const PropData *data = PropData::of(sender());
    if (!data)
        return;
    const int nClass = data->nClass;
    const int row = data->nRow;
    const QString key = data->key;

    GridManagerDlg dialog(this);
    GridTemplateStore *templates = GridTemplateStore::instance();
    templates->loadGridTemplates();
    dialog.loadTemplates(templates->gridTemplates());
    if (dialog.exec() != QDialog::Accepted)
        return;
    auto *combo = qobject_cast<QComboBox *>(editorAt(row));
    if (!combo)
        return;
    // A refill is not an edit: the box shows the new names and, again, the
    // layout of the control on view, and nothing is committed.
    {
        const QSignalBlocker blocker(combo);
        combo->clear();
        fillLayoutNames(combo, dialog.m_templates);
    }
    PropData::attach(combo, nClass, row, key, QJsonObject(), dialog.m_templates);
    const auto *control = qobject_cast<UIBase *>(m_currentControl.data());
    fillRow(row, control && m_currentClass == nClass ? control->attributes() : QJsonObject());
}

void PropertyWidget::onBtnFeedBackClicked()
{
    const PropData *data = PropData::of(sender());
    if (!data)
        return;
    const int nClass = data->nClass;
    const QString key = data->key;
    const QJsonObject feedback = data->obj;
    QWidget *button = qobject_cast<QWidget *>(sender());
    qCDebug(lcPropertyDialogs) << compact(feedback);

    const DialogTarget target = dialogTarget();
    const QPointer<PropertyWidget> alive(this);
    const QPointer<QWidget> row(button);
    // Modal like every dialog row: nothing else of the window is used while
    // it runs, so what it returns goes at once to the control it opened for.
    FeedBackFormDlg dialog;
    dialog.setData(feedback);
    if (dialog.exec() != QDialog::Accepted || !alive)
        return;
    const QJsonObject result = dialog.result();
    const QJsonObject values{{key, result}};
    if (!applyToTarget(target, nClass, values))
        return;
    qCDebug(lcPropertyDialogs) << compact(values);
    if (isOnView(target) && row)
        PropData::of(row)->setJsonObject(result);
}

void PropertyWidget::editArrayRow(const ArrayEditor &edit)
{
    const PropData *data = PropData::of(sender());
    if (!data)
        return;
    const int nClass = data->nClass;
    const QString key = data->key;
    // The rows may be rebuilt while the dialog runs.
    const QPointer<QWidget> row(qobject_cast<QWidget *>(sender()));
    qCDebug(lcPropertyDialogs) << compact(data->arr);

    const DialogTarget target = dialogTarget();
    QJsonArray array;
    if (!edit(nClass, data->arr, &array))
        return;
    const QJsonObject values{{key, array}};
    if (!applyToTarget(target, nClass, values))
        return;
    qCDebug(lcPropertyDialogs) << compact(values);
    if (isOnView(target) && row)
        PropData::of(row)->setJsonArray(array);
}

void PropertyWidget::onBtnMoreCmdClicked()
{
    editArrayRow([](int nClass, const QJsonArray &commands, QJsonArray *result) {
        MoreCmdDlg dialog;
        if (nClass == kMatrixButtonClass)
            dialog.setNoDataFilter(true);
        dialog.setCmdArray(commands);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        *result = dialog.cmdArray();
        return true;
    });
}

void PropertyWidget::onBtnMouseKeyClicked()
{
    editArrayRow([](int, const QJsonArray &keys, QJsonArray *result) {
        MouseKeyDlg dialog;
        dialog.setKeyArray(keys);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        *result = dialog.keyArray();
        return true;
    });
}
