#include "propertywidget.h"

#include "canvas/uipage.h"
#include "core/screenscale.h"
#include "properties/commonrows.h"
#include "wall/gridtemplatestore.h"

#include <QApplication>
#include <QDebug>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const char kInitialColour[] = "#ffffff";

// The kinds whose rows edit a design-time control; 100 is the page itself.
bool isControlClass(int nClass)
{
    return nClass > UIPage::kPageTypeId && nClass <= 164 && nClass != 132 && nClass != 147 && nClass != 152;
}

} // namespace

PropertyWidget::PropertyWidget(QWidget *parent)
    : QWidget(parent)
    , m_lastNormalBkColor(QLatin1String(kInitialColour))
    , m_lastNormalColor(QLatin1String(kInitialColour))
    , m_lastPressBkColor(QLatin1String(kInitialColour))
    , m_lastPressColor(QLatin1String(kInitialColour))
    , m_lastOtherColor(QLatin1String(kInitialColour))
{
    setupUi();
    m_tableWidget->setColumnCount(2);
    m_tableWidget->setColumnWidth(0, int(80 * screenMetrics().wide));
    m_tableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tableWidget->setSelectionMode(QAbstractItemView::NoSelection);
    m_tableWidget->setEditTriggers(QAbstractItemView::DoubleClicked);
    // Tab in a row moves the focus to the next row's editor, not the table's
    // current cell.
    m_tableWidget->setTabKeyNavigation(false);
    m_tableWidget->horizontalHeader()->setStretchLastSection(true);
    m_tableWidget->horizontalHeader()->setVisible(false);
    m_tableWidget->verticalHeader()->setVisible(false);
}

PropertyWidget::~PropertyWidget()
{
    // Editors that lose the focus while the table goes must find no control
    // to commit to, and must still reach a whole panel.
    m_currentControl = nullptr;
    delete m_tableWidget;
    m_tableWidget = nullptr;
}

void PropertyWidget::setupUi()
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("PropertyWidget"));
    resize(400, 300);
    m_verticalLayout = new QVBoxLayout(this);
    m_verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    m_verticalLayout->setContentsMargins(0, 0, 0, 0);
    m_tableWidget = new QTableWidget(this);
    m_tableWidget->setObjectName(QStringLiteral("tableWidget"));
    m_verticalLayout->addWidget(m_tableWidget);
    setWindowTitle(tr("Form"));
}

void PropertyWidget::showEvent(QShowEvent *event)
{
    qDebug() << "PropertyWidget::showEvent";
    QWidget::showEvent(event);
}

QString PropertyWidget::translated(const char *text) const
{
    return tr(text);
}

void PropertyWidget::showProperty(QWidget *control, int nClass, const QJsonObject &data)
{
    // Typing not yet committed belongs to the control it was typed for,
    // however the selection moves on (the control tree takes no focus).
    commitPendingEdit();
    // Forgotten before anything is hidden: an editor that ends its edit now
    // has nothing to commit to.
    m_currentControl = nullptr;
    dropEditorFocus();
    hideAllRows();
    m_currentControl = control;
    m_currentClass = nClass;
    if (!m_pageRows.contains(nClass))
        createProperty(nClass);
    fillProperty(nClass, data);
}

void PropertyWidget::refreshProperty(QWidget *control, int nClass, const QJsonObject &data)
{
    if (!control || control != m_currentControl || !m_pageRows.contains(nClass))
        return;
    fillProperty(nClass, data);
}

void PropertyWidget::updateProperty(QWidget *control, int nClass, const QJsonObject &data)
{
    Q_UNUSED(control)
    fillProperty(nClass, data);
}

void PropertyWidget::hideProperty(int mode)
{
    Q_UNUSED(mode)
    m_currentControl = nullptr;
    m_currentClass = -1;
    dropEditorFocus();
    hideAllRows();
}

void PropertyWidget::dropEditorFocus()
{
    QWidget *focus = QApplication::focusWidget();
    if (focus && m_tableWidget->isAncestorOf(focus))
        focus->clearFocus();
}

// A header row spans both columns only while it is shown: the table view
// walks its spans from the first row on view to the end of the table when it
// lays out and paints, so the spans of the pages not on view would make every
// selection pay for them.
void PropertyWidget::showRow(int row, bool shown)
{
    if (m_rowShown.at(row) == shown)
        return;
    if (m_rows.at(row).op == PropertyRowOp::Header)
        m_tableWidget->setSpan(row, 0, 1, shown ? 2 : 1);
    m_tableWidget->setRowHidden(row, !shown);
    m_rowShown[row] = shown;
    if (shown)
        m_shownRows.append(row);
}

void PropertyWidget::hideAllRows()
{
    for (int row : qAsConst(m_shownRows))
        showRow(row, false);
    m_shownRows.clear();
}

void PropertyWidget::buildPage(const PropertyPageDesc &page)
{
    using namespace PropertyRows;
    addHeaderRow(page.nClass, translated(Section::general.label), QString());
    addReadOnlyRow(page.nClass, QLatin1String(Head::typeKey), translated(Head::typeLabel), translated(page.title));
    addTextRow(page.nClass, QLatin1String(Head::nameKey), translated(Head::nameLabel),
               QString::fromLatin1(page.className), false);
    addRows(page.nClass, page.rows, page.count);
}

void PropertyWidget::addRows(int nClass, const PropertyRowDesc *rows, int count)
{
    for (int i = 0; i < count; ++i) {
        if (rows[i].op == PropertyRowOp::Run)
            addRows(nClass, rows[i].rows, rows[i].count);
        else
            addRow(nClass, rows[i]);
    }
}

void PropertyWidget::addRow(int nClass, const PropertyRowDesc &row)
{
    const QString key = QString::fromLatin1(row.key);
    const QString label = translated(row.label);
    const QString text = (row.flags & PropertyRows::Translated) ? translated(row.text) : QString::fromUtf8(row.text);
    const bool editable = row.flags & PropertyRows::Editable;
    switch (row.op) {
    case PropertyRowOp::Header:
        addHeaderRow(nClass, label, QString());
        break;
    case PropertyRowOp::ReadOnly:
        addReadOnlyRow(nClass, key, label, text);
        break;
    case PropertyRowOp::Text:
        addTextRow(nClass, key, label, text, editable);
        m_rows.last().switchCaption = row.flags & PropertyRows::SwitchCaption;
        break;
    case PropertyRowOp::Integer:
        addIntRow(nClass, key, label, text, editable, row.min, row.max);
        break;
    case PropertyRowOp::PlainInteger:
        addPlainIntRow(nClass, key, label, text, editable);
        break;
    case PropertyRowOp::Real:
        addRealRow(nClass, key, label, text, editable);
        break;
    case PropertyRowOp::Choice: {
        QVector<PropertyOption> options;
        options.reserve(row.count);
        const bool plain = row.flags & PropertyRows::PlainOptions;
        for (int i = 0; i < row.count; ++i) {
            const char *text = row.options[i].text;
            options.append({row.options[i].value, plain ? QString::fromUtf8(text) : translated(text)});
        }
        addChoiceRow(nClass, key, label, options, row.min, editable);
        break;
    }
    case PropertyRowOp::Colour:
        addColorRow(nClass, key, label, text);
        break;
    case PropertyRowOp::Image:
        addImageRow(nClass, key, label, text);
        break;
    case PropertyRowOp::Feedback:
        addFeedbackRow(nClass, key, label, translated(PropertyRows::Head::feedbackButton), QJsonObject());
        break;
    case PropertyRowOp::CommandList:
        addCommandListRow(nClass, key, label, QJsonArray());
        break;
    case PropertyRowOp::KeyList:
        addKeyListRow(nClass, key, label, QJsonArray());
        break;
    case PropertyRowOp::GridLayout:
        addGridLayoutRow(nClass, key, label, GridTemplateStore::instance()->gridTemplates());
        break;
    case PropertyRowOp::Run:
        addRows(nClass, row.rows, row.count);
        break;
    }
}

void PropertyWidget::registerRow(int nClass, int row)
{
    m_pageRows[nClass].append(row);
}

int PropertyWidget::rowOf(int nClass, const QString &key) const
{
    for (int row : m_pageRows.value(nClass)) {
        if (m_rows.at(row).key == key)
            return row;
    }
    return -1;
}

QWidget *PropertyWidget::editorAt(int row) const
{
    const QTableWidgetItem *item = m_tableWidget->item(row, 0);
    if (!item)
        return nullptr;
    const qlonglong editor = item->data(RoleEditor).toLongLong();
    // 0 marks a header and 1 the type row; neither has an editor.
    if (editor == 0 || editor == 1)
        return nullptr;
    return reinterpret_cast<QWidget *>(editor);
}

void PropertyWidget::applyToCurrentControl(int nClass, const QJsonObject &values)
{
    applyToControl(m_currentControl, m_currentClass, nClass, values);
}

void PropertyWidget::applyToControl(QWidget *target, int controlClass, int nClass, const QJsonObject &values)
{
    // An edit that leaves every value as it is makes no undo step and does
    // not mark the page modified.
    if (!target || values.isEmpty() || changesNothing(target, values))
        return;
    // A row of another kind's page never edits the control on view: its
    // editor may end an edit that began on a control since replaced.
    if (nClass != controlClass)
        return;
    if (nClass == UIPage::kPageTypeId) {
        if (auto *page = qobject_cast<UIPage *>(target))
            page->setControlAttributes(values, true, 1);
        return;
    }
    if (!isControlClass(nClass))
        return;
    auto *control = qobject_cast<UIBase *>(target);
    if (control && !qobject_cast<UIPage *>(control))
        control->setAttributes(values, true, true);
}

bool PropertyWidget::changesNothing(QWidget *target, const QJsonObject &values)
{
    const auto *control = qobject_cast<UIBase *>(target);
    if (!control)
        return false;
    const QJsonObject &stored = control->attributes();
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        if (stored.value(it.key()) != it.value())
            return false;
    }
    return true;
}
