#include "gridmanagerdlg.h"

#include "core/dialogkeys.h"
#include "core/jsonutils.h"
#include "core/notifier.h"
#include "wall/gridtemplatestore.h"
#include "wall/gridvirwall.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace {
const int kDefaultTemplateWidth = 1920;
const int kDefaultTemplateHeight = 1080;

// The number fields of the form: three rows of label and spin box, each row's
// pairs from grid column 1 on (column 0 holds the custom-layout box and the
// split label).
struct SpinField {
    const char *objectName;
    const char *label;
    int row;
    int minimum;
    int maximum;
    int step;
    int value;
    bool enabled;
};

const SpinField kSpinFields[] = {
    {"spinBox_3", QT_TRANSLATE_NOOP("GridManagerDlg", "ID"), 0, 0, 99, 1, 0, true},
    {"spinBox", QT_TRANSLATE_NOOP("GridManagerDlg", "行"), 0, 1, kMaxGridLines, 1, 2, true},
    {"spinBox_2", QT_TRANSLATE_NOOP("GridManagerDlg", "列"), 0, 1, kMaxGridLines, 1, 2, true},
    {"spinBox_4", QT_TRANSLATE_NOOP("GridManagerDlg", "总宽度"), 0, 120, 99999999, 3, 3840, true},
    {"spinBox_5", QT_TRANSLATE_NOOP("GridManagerDlg", "总高度"), 0, 120, 99999999, 2, 2160, true},
    {"spinBox_6", QT_TRANSLATE_NOOP("GridManagerDlg", "左边"), 1, 0, 9999999, 2, 0, false},
    {"spinBox_7", QT_TRANSLATE_NOOP("GridManagerDlg", "上边"), 1, 0, 9999999, 2, 0, false},
    {"spinBox_9", QT_TRANSLATE_NOOP("GridManagerDlg", "宽度"), 1, 4, 99999999, 2, 1920, false},
    {"spinBox_8", QT_TRANSLATE_NOOP("GridManagerDlg", "高度"), 1, 4, 99999999, 2, 1080, false},
    {"cellRowSpinBox", QT_TRANSLATE_NOOP("GridManagerDlg", "行"), 2, 0, 99, 1, 0, true},
    {"cellColSpinBox", QT_TRANSLATE_NOOP("GridManagerDlg", "列"), 2, 0, 99, 1, 0, true},
    {"cellWidthSpinBox", QT_TRANSLATE_NOOP("GridManagerDlg", "宽度"), 2, 0, 999999, 1, 0, true},
    {"cellHeightSpinBox", QT_TRANSLATE_NOOP("GridManagerDlg", "高度"), 2, 0, 999999, 1, 0, true},
};

// What the custom-layout box switches on, and off again: the wall size and
// the region of a cell to add.
const char *const kCustomFields[] = {"spinBox_4", "spinBox_5", "spinBox_6", "spinBox_7", "spinBox_9", "spinBox_8"};

// The spin boxes whose changes redraw the regular grid.
struct GridSpinSlot {
    const char *objectName;
    const char *slot;
};
const GridSpinSlot kGridSpinSlots[] = {
    {"spinBox", SLOT(onRowChange(int))},
    {"spinBox_2", SLOT(onColChange(int))},
    {"spinBox_4", SLOT(onTwChange(int))},
    {"spinBox_5", SLOT(onThChange(int))},
};

QPushButton *makeButton(QWidget *parent, const char *objectName, bool fixedSize = true)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(objectName));
    if (fixedSize)
        button->setFixedSize(100, 32);
    return button;
}

QLabel *makeLabel(QWidget *parent, const QString &objectName)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

int intOf(const QJsonObject &object, const char *key, int fallback)
{
    return jsonNumberAsInt(object.value(QLatin1String(key)), fallback);
}
} // namespace

GridManagerDlg::GridManagerDlg(QWidget *parent)
    : QDialog(parent)
{
    setupUi();
    // Enter in a number field must not save and close the editor.
    dialogkeys::enterPresses(this, nullptr);
    m_setMarkButton->hide();
    m_clearButton->hide();
    connectSignals();
}

GridManagerDlg::~GridManagerDlg() = default;

void GridManagerDlg::setupUi()
{
    setObjectName(QStringLiteral("GridManagerDlg"));
    resize(1180, 728);
    auto *columns = new QHBoxLayout(this);

    m_listGroup = new QGroupBox(this);
    m_listGroup->setObjectName(QStringLiteral("groupBox_2"));
    m_listGroup->setMinimumWidth(230);
    auto *listColumn = new QVBoxLayout(m_listGroup);
    m_table = new QTableWidget(0, 3, m_listGroup);
    m_table->setObjectName(QStringLiteral("tableWidget"));
    m_table->verticalHeader()->hide();
    m_table->setShowGrid(false);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(0, 50);
    m_table->setColumnWidth(1, 50);
    listColumn->addWidget(m_table);
    m_removeButton = makeButton(m_listGroup, "pushButton_2");
    listColumn->addWidget(m_removeButton);
    columns->addWidget(m_listGroup, 1);

    m_configGroup = new QGroupBox(this);
    m_configGroup->setObjectName(QStringLiteral("groupBox_3"));
    auto *configColumn = new QVBoxLayout(m_configGroup);
    auto *grid = new QGridLayout;
    m_customCheck = new QCheckBox(m_configGroup);
    m_customCheck->setObjectName(QStringLiteral("checkBox"));
    grid->addWidget(m_customCheck, 1, 0);
    m_splitLabel = makeLabel(m_configGroup, QStringLiteral("label_split"));
    grid->addWidget(m_splitLabel, 2, 0);
    int nextColumn[3] = {1, 1, 1};
    for (const SpinField &field : kSpinFields) {
        QLabel *label = makeLabel(m_configGroup, QStringLiteral("label_") + QLatin1String(field.objectName));
        auto *spin = new QSpinBox(m_configGroup);
        spin->setObjectName(QLatin1String(field.objectName));
        spin->setRange(field.minimum, field.maximum);
        spin->setSingleStep(field.step);
        spin->setValue(field.value);
        spin->setEnabled(field.enabled);
        // Sized by the field, not by the eight digits its range allows.
        spin->setMinimumWidth(64);
        label->setBuddy(spin);
        int &column = nextColumn[field.row];
        grid->addWidget(label, field.row, column++);
        grid->addWidget(spin, field.row, column++);
    }
    m_addRectButton = makeButton(m_configGroup, "pushButton_3", false);
    m_addRectButton->setEnabled(false);
    grid->addWidget(m_addRectButton, 1, nextColumn[1]);
    m_splitButton = makeButton(m_configGroup, "spitCellBtn", false);
    grid->addWidget(m_splitButton, 2, nextColumn[2]++);
    m_delCellButton = makeButton(m_configGroup, "delCellBtn", false);
    grid->addWidget(m_delCellButton, 2, nextColumn[2]);
    configColumn->addLayout(grid);

    m_wall = new GridVirWall(m_configGroup);
    m_wall->setObjectName(QStringLiteral("widget"));
    configColumn->addWidget(m_wall, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_setMarkButton = makeButton(m_configGroup, "pushButton_6");
    m_clearButton = makeButton(m_configGroup, "pushButton_5");
    m_saveButton = makeButton(m_configGroup, "pushButton");
    m_cancelButton = makeButton(m_configGroup, "pushButton_4");
    for (QPushButton *button : {m_setMarkButton, m_clearButton, m_saveButton, m_cancelButton})
        buttons->addWidget(button);
    buttons->addStretch();
    configColumn->addLayout(buttons);
    columns->addWidget(m_configGroup, 4);

    retranslateUi();
}

void GridManagerDlg::retranslateUi()
{
    setWindowTitle(tr("布局管理"));
    m_listGroup->setTitle(tr("所有网格"));
    m_configGroup->setTitle(tr("网格配置"));
    m_table->setHorizontalHeaderLabels({tr("全选"), tr("id"), tr("名称")});
    m_removeButton->setText(tr("删除"));
    m_customCheck->setText(tr("自定义布局"));
    m_splitLabel->setText(tr("单元格拆分"));
    for (const SpinField &field : kSpinFields)
        findChild<QLabel *>(QStringLiteral("label_") + QLatin1String(field.objectName))->setText(tr(field.label));
    m_addRectButton->setText(tr("添加区域"));
    m_splitButton->setText(tr("拆分"));
    m_delCellButton->setText(tr("删除"));
    m_setMarkButton->setText(tr("设置标注"));
    m_clearButton->setText(tr("清除标注"));
    m_saveButton->setText(tr("保存"));
    m_cancelButton->setText(tr("取消"));
}

QSpinBox *GridManagerDlg::spinBox(const char *objectName) const
{
    return findChild<QSpinBox *>(QLatin1String(objectName));
}

void GridManagerDlg::connectSignals()
{
    // Queued: each slot reads the form once the event that changed it is over.
    connectGridSpinBoxes(Qt::QueuedConnection);
    connect(m_customCheck, SIGNAL(stateChanged(int)), this, SLOT(onCheckBokChange(int)), Qt::QueuedConnection);
    const struct {
        QPushButton *button;
        const char *slot;
    } buttonSlots[] = {
        {m_saveButton, SLOT(onAdd())},         {m_removeButton, SLOT(onRemove())},
        {m_addRectButton, SLOT(onAddRect())},  {m_cancelButton, SLOT(onCancel())},
        {m_clearButton, SLOT(onClear())},      {m_setMarkButton, SLOT(onSetMark())},
        {m_splitButton, SLOT(onSplitCell())},  {m_delCellButton, SLOT(onDelCell())},
    };
    for (const auto &entry : buttonSlots)
        connect(entry.button, SIGNAL(clicked()), this, entry.slot, Qt::QueuedConnection);
    connect(m_table->horizontalHeader(), SIGNAL(sectionClicked(int)), this, SLOT(onTableWidgetHeadClicked(int)));
    connect(m_table, SIGNAL(itemClicked(QTableWidgetItem*)), this, SLOT(slotItemClicked(QTableWidgetItem*)));
}

void GridManagerDlg::connectGridSpinBoxes(Qt::ConnectionType type)
{
    for (const GridSpinSlot &entry : kGridSpinSlots)
        connect(spinBox(entry.objectName), SIGNAL(valueChanged(int)), this, entry.slot, type);
}

void GridManagerDlg::disconnectGridSpinBoxes()
{
    for (const GridSpinSlot &entry : kGridSpinSlots)
        disconnect(spinBox(entry.objectName), SIGNAL(valueChanged(int)), this, entry.slot);
}

void GridManagerDlg::loadTemplates(const QJsonArray &templates)
{
    if (templates.isEmpty())
        return;
    fillTemplates(templates);
}

void GridManagerDlg::fillTemplates(QJsonArray templates)
{
    m_records.clear();
    m_positions.clear();
    m_table->clearContents();
    m_table->setRowCount(0);
    for (int i = 0; i < templates.size(); ++i) {
        if (!templates.at(i).isObject())
            continue;
        QJsonObject object = templates.at(i).toObject();
        GridTemplate record;
        record.standard = intOf(object, "standard", 0);
        record.gridmode = intOf(object, "gridmode", 0);
        // As many as the boxes take; fewer than one still means no cells.
        record.row = qMin(intOf(object, "row", 0), kMaxGridLines);
        record.col = qMin(intOf(object, "col", 0), kMaxGridLines);
        record.walltype = intOf(object, "walltype", 0);
        record.tw = intOf(object, "tw", kDefaultTemplateWidth);
        record.th = intOf(object, "th", kDefaultTemplateHeight);
        // Templates without an id are numbered by position; the next save
        // writes the number to the file.
        record.id = intOf(object, "id", i + 1);
        object.insert(QStringLiteral("id"), record.id);
        templates.replace(i, object);
        const QJsonValue rect = object.value(QLatin1String("rect"));
        if (record.standard == 0 && rect.isArray())
            m_cells.insert(record.id, gridCellsFromJson(rect.toArray()));
        QString name;
        jsonString(object, QStringLiteral("name"), &name);
        record.setName(name);

        m_records.append(record);
        m_positions.append(i);
        const int row = m_table->rowCount();
        m_table->insertRow(row);
        auto *check = new QTableWidgetItem;
        check->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        check->setCheckState(Qt::Unchecked);
        check->setData(Qt::UserRole, m_records.size() - 1);
        m_table->setItem(row, 0, check);
        m_table->setItem(row, 1, new QTableWidgetItem(QString::number(record.id)));
        m_table->setItem(row, 2, new QTableWidgetItem(record.nameText()));

        if (record.id > m_maxId) {
            m_maxId = record.id;
            QSpinBox *idSpin = spinBox("spinBox_3");
            idSpin->setValue(int(std::min<qint64>(qint64(record.id) + 1, idSpin->maximum())));
        }
    }
    m_templates = templates;
}

int GridManagerDlg::recordIndexOfId(int id) const
{
    for (int i = 0; i < m_records.size(); ++i) {
        if (m_records.at(i).id == id)
            return i;
    }
    return -1;
}

int GridManagerDlg::recordIndexOfRow(int row) const
{
    const QTableWidgetItem *check = m_table->item(row, 0);
    const int index = check ? check->data(Qt::UserRole).toInt() : -1;
    return index >= 0 && index < m_records.size() ? index : -1;
}

void GridManagerDlg::slotItemClicked(QTableWidgetItem *item)
{
    if (item)
        QMetaObject::invokeMethod(this, "chooseItemAt", Qt::QueuedConnection, Q_ARG(int, item->row()),
                                  Q_ARG(int, item->column()));
}

void GridManagerDlg::chooseItemAt(int row, int column)
{
    onCellItemClicked(m_table->item(row, column));
}

void GridManagerDlg::onCellItemClicked(QTableWidgetItem *item)
{
    if (!item || item->tableWidget() != m_table)
        return;
    const int index = recordIndexOfRow(item->row());
    if (index < 0)
        return;
    const GridTemplate record = m_records.at(index);
    // The form shows the record without redrawing the grid on the way.
    disconnectGridSpinBoxes();
    spinBox("spinBox")->setValue(record.row);
    spinBox("spinBox_2")->setValue(record.col);
    spinBox("spinBox_3")->setValue(record.id);
    spinBox("spinBox_4")->setValue(record.tw);
    spinBox("spinBox_5")->setValue(record.th);
    connectGridSpinBoxes(Qt::AutoConnection);
    const QVector<GridCell> cells = record.standard == 1
                                        ? regularGridCells(record.row, record.col, record.tw, record.th)
                                        : m_cells.value(record.id);
    m_wall->setTemplate(record, cells);
    m_templateChosen = true;
    m_chosenId = record.id;
}

void GridManagerDlg::resetRegularGrid()
{
    const int rows = spinBox("spinBox")->value();
    const int cols = spinBox("spinBox_2")->value();
    if (rows >= 1 && cols >= 1)
        m_wall->setRegularGrid(1, rows, cols, spinBox("spinBox_4")->value(), spinBox("spinBox_5")->value());
}

void GridManagerDlg::onRowChange(int)
{
    resetRegularGrid();
}

void GridManagerDlg::onColChange(int)
{
    resetRegularGrid();
}

void GridManagerDlg::onTwChange(int)
{
    if (m_customCheck->isChecked())
        m_wall->setRegularGrid(0, 1, 1, spinBox("spinBox_4")->value(), spinBox("spinBox_5")->value());
    else
        resetRegularGrid();
}

void GridManagerDlg::onThChange(int value)
{
    onTwChange(value);
}

void GridManagerDlg::onCheckBokChange(int val)
{
    const bool custom = val == Qt::Checked;
    spinBox("spinBox_2")->setEnabled(!custom);
    spinBox("spinBox_3")->setEnabled(!custom);
    for (const char *name : kCustomFields)
        spinBox(name)->setEnabled(custom);
    m_addRectButton->setEnabled(custom);
    if (custom)
        m_wall->setRegularGrid(0, 1, 1, spinBox("spinBox_4")->value(), spinBox("spinBox_5")->value());
    else
        resetRegularGrid();
}

void GridManagerDlg::onAddRect()
{
    m_wall->addCell(spinBox("spinBox_6")->value(), spinBox("spinBox_7")->value(), spinBox("spinBox_9")->value(),
                    spinBox("spinBox_8")->value());
}

void GridManagerDlg::onSplitCell()
{
    const int rows = spinBox("cellRowSpinBox")->value();
    const int cols = spinBox("cellColSpinBox")->value();
    const int cellW = spinBox("cellWidthSpinBox")->value();
    const int cellH = spinBox("cellHeightSpinBox")->value();
    const int tw = spinBox("spinBox_4")->value();
    const int th = spinBox("spinBox_5")->value();
    if (tw % 2 || th % 2 || cellW % 2 || cellH % 2) {
        Notifier::information(nullptr, tr("提示"), tr("总宽度、总高度必须是2的倍数，请重新调整"));
        return;
    }
    if ((rows == 1 && cols == 1) || rows == 0 || cols == 0)
        return;
    m_wall->splitCells(rows, cols, cellW, cellH, cellW > 0 && cellH > 0);
}

void GridManagerDlg::onDelCell()
{
    m_wall->deleteSelectedCells();
}

void GridManagerDlg::onClear()
{
    m_wall->checkSelection();
}

void GridManagerDlg::onSetMark()
{
}

void GridManagerDlg::onCancel()
{
    reject();
}

bool GridManagerDlg::writeTemplates(const QJsonArray &previous)
{
    const FileWrite written = GridTemplateStore::instance()->saveGridTemplates(m_templates);
    if (written)
        return true;
    m_templates = previous;
    Notifier::warning(this, tr("提示"), written.problem(tr("布局模板文件保存失败") + QStringLiteral(": ")));
    return false;
}

bool GridManagerDlg::saveTemplate(const GridTemplate &record, const QVector<GridCell> &cells, bool existing)
{
    const QJsonArray previous = m_templates;
    int standard = 0;
    // A replaced template keeps the "standard" it was stored with and moves
    // to the end.
    QJsonArray kept;
    for (const QJsonValue &element : previous) {
        const QJsonObject object = element.toObject();
        if (existing && object.value(QLatin1String("id")).isDouble() && intOf(object, "id", 0) == record.id)
            standard = intOf(object, "standard", 0);
        else
            kept.append(element);
    }
    m_templates = kept;
    m_templates.append(gridTemplateObject(record, standard, cells));
    return writeTemplates(previous);
}

void GridManagerDlg::onAdd()
{
    GridTemplate record = m_wall->gridTemplate();
    const QVector<GridCell> cells = m_wall->cells();
    QSpinBox *idSpin = spinBox("spinBox_3");
    record.id = idSpin->value();
    // A file written elsewhere can hold an id beyond the box, which then shows
    // its maximum: the chosen template is saved under its own id, never over
    // the template that holds the maximum.
    if (m_templateChosen && m_chosenId > idSpin->maximum() && record.id == idSpin->maximum())
        record.id = m_chosenId;
    const int existing = recordIndexOfId(record.id);
    if (existing >= 0) {
        // Typed over a template without choosing it first: its name stays.
        if (!m_templateChosen)
            record.setName(m_records.at(existing).nameText());
        if (!saveTemplate(record, cells, true))
            return;
        fillTemplates(m_templates);
    } else {
        QString name = tr("布局") + QLatin1Char('_') + QString::number(record.id);
        // Cancelled, the user goes back to the layout, which stays unsaved.
        if (!Notifier::getText(this, tr("名称"), tr("请输入名称"), &name))
            return;
        record.setName(name);
        if (!saveTemplate(record, cells, false))
            return;
        fillTemplates(m_templates);
    }
    m_cells.insert(record.id, cells);
    accept();
}

void GridManagerDlg::onRemove()
{
    if (Notifier::question(nullptr, tr("提示"), tr("确定删除吗?"), QMessageBox::Yes | QMessageBox::No,
                           QMessageBox::Yes)
        != QMessageBox::Yes)
        return;
    // Exactly the checked templates go, by their place in the array: two
    // templates may share a name or an id.
    QVector<int> positions;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const int index = recordIndexOfRow(row);
        if (index >= 0 && m_table->item(row, 0)->checkState() == Qt::Checked)
            positions.append(m_positions.at(index));
    }
    if (positions.isEmpty())
        return;
    const QJsonArray previous = m_templates;
    std::sort(positions.begin(), positions.end(), std::greater<int>());
    for (int position : qAsConst(positions))
        m_templates.removeAt(position);
    if (!writeTemplates(previous))
        return;
    fillTemplates(m_templates);
}

void GridManagerDlg::onTableWidgetHeadClicked(int col)
{
    if (col != 0)
        return;
    m_allChecked = !m_allChecked;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (QTableWidgetItem *check = m_table->item(row, 0))
            check->setCheckState(m_allChecked ? Qt::Checked : Qt::Unchecked);
    }
}
