#include "midctrldlg.h"

#include "commands/devicestore.h"
#include "commands/midctrformdlg.h"
#include "commands/midctrlcmdformdlg.h"
#include "commands/midctrlcmduserdata.h"
#include "commands/midctrluserdata.h"
#include "commands/recordrowitem.h"
#include "commands/unsavedclose.h"
#include "core/designerfolders.h"
#include "core/dialogkeys.h"
#include "core/filewrite.h"
#include "core/notifier.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSpacerItem>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using DeviceItem = RecordRowItem<MidCtrlUserData>;
using CommandItem = RecordRowItem<MidCtrlCmdUserData>;

// Device uuids lie above 100000 and below 200000, command uuids above
// 200000 and below 300000; the counters start at the lower bounds.
const int kFirstDeviceCounter = 100000;
const int kDeviceLimit = 200000;
const int kFirstCommandCounter = 200000;
const int kCommandLimit = 300000;
const int kRowHeight = 22;

struct ButtonInfo {
    const char *name;
    const char *text;
    const char *slot;
};

// Three above each table: add, delete, edit.
const ButtonInfo kButtons[6] = {
    {"pushButton", QT_TRANSLATE_NOOP("MidCtrlDlg", "添加中控"), SLOT(onAddMidCtrl())},
    {"pushButton_2", QT_TRANSLATE_NOOP("MidCtrlDlg", "删除中控"), SLOT(onDeleteMidCtrl())},
    {"pushButton_3", QT_TRANSLATE_NOOP("MidCtrlDlg", "修改中控"), SLOT(onUpdateMidCtrl())},
    {"pushButton_4", QT_TRANSLATE_NOOP("MidCtrlDlg", "添加指令"), SLOT(onAddMidCtrlCmd())},
    {"pushButton_5", QT_TRANSLATE_NOOP("MidCtrlDlg", "删除指令"), SLOT(onDeleteMidCtrlCmd())},
    {"pushButton_6", QT_TRANSLATE_NOOP("MidCtrlDlg", "修改指令"), SLOT(onUpdateMidCtrlCmd())},
};

const char *const kDeviceHeaders[] = {
    QT_TRANSLATE_NOOP("MidCtrlDlg", "全选"), QT_TRANSLATE_NOOP("MidCtrlDlg", "名称"), "UUID",
    QT_TRANSLATE_NOOP("MidCtrlDlg", "协议"), "IP", "Port",
};

const char *const kCommandHeaders[] = {
    QT_TRANSLATE_NOOP("MidCtrlDlg", "全选"), QT_TRANSLATE_NOOP("MidCtrlDlg", "名称"), "UUID",
    QT_TRANSLATE_NOOP("MidCtrlDlg", "发送类型"), QT_TRANSLATE_NOOP("MidCtrlDlg", "间隔时间"),
    QT_TRANSLATE_NOOP("MidCtrlDlg", "数据类型"), QT_TRANSLATE_NOOP("MidCtrlDlg", "数据"),
};

const char *const kSendTypes[] = {
    QT_TRANSLATE_NOOP("MidCtrlDlg", "只发一次"),
    QT_TRANSLATE_NOOP("MidCtrlDlg", "循环发送"),
};

// Command table widths; -1 keeps the table's default.
const int kCommandWidths[] = {50, -1, 120, 80, 80, 80};

QTableWidget *table(QWidget *parent, const char *name, int columns)
{
    auto *widget = new QTableWidget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setColumnCount(columns);
    widget->verticalHeader()->setVisible(false);
    widget->verticalHeader()->setDefaultSectionSize(kRowHeight);
    widget->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    widget->horizontalHeader()->setSectionsClickable(true);
    widget->setSelectionBehavior(QAbstractItemView::SelectRows);
    widget->setSelectionMode(QAbstractItemView::SingleSelection);
    // The rows show the records; a cell edited in place would never be saved.
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return widget;
}

void setText(QTableWidget *table, int row, int column, const QString &text)
{
    auto *item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        table->setItem(row, column, item);
    }
    item->setText(text);
}

void removeFirstCommand(std::vector<MidCtrlCmdRecord> &cmds, int uuid)
{
    const auto found = std::find_if(cmds.begin(), cmds.end(),
                                    [uuid](const MidCtrlCmdRecord &cmd) { return cmd.uuid == uuid; });
    if (found != cmds.end())
        cmds.erase(found);
}

} // namespace

MidCtrlDlg::MidCtrlDlg(QWidget *parent)
    : QDialog(parent)
    , m_projectPath(DesignerFolders::instance()->projectDir())
{
    setupUi();
    // Every button opens a form or deletes: none is pressed by Enter in a table.
    dialogkeys::enterPresses(this, nullptr);
    setupTables();
    connect(m_deviceTable, SIGNAL(itemClicked(QTableWidgetItem *)), this,
            SLOT(onMidCtrlItemClicked(QTableWidgetItem *)));
    connect(m_deviceTable, SIGNAL(currentCellChanged(int, int, int, int)), this,
            SLOT(onMidCtrlCurrentRowChanged(int, int, int, int)));
    connect(m_deviceTable->horizontalHeader(), SIGNAL(sectionClicked(int)), this,
            SLOT(onTableWidgetHeadClicked(int)));
    connect(m_commandTable->horizontalHeader(), SIGNAL(sectionClicked(int)), this,
            SLOT(onTableWidgetHeadClicked2(int)));
    for (int i = 0; i < 6; ++i)
        connect(m_buttons[i], SIGNAL(clicked()), this, kButtons[i].slot);
    connect(DesignerFolders::instance(), SIGNAL(projectClosing()), this, SLOT(onProjectClosing()));
    loadMidCtrls();
}

MidCtrlDlg::~MidCtrlDlg() = default;

void MidCtrlDlg::setupUi()
{
    setObjectName(QStringLiteral("MidCtrlDlg"));
    resize(1286, 672);
    auto *columns = new QHBoxLayout(this);
    columns->setObjectName(QStringLiteral("horizontalLayout"));
    columns->setSpacing(20);
    for (int side = 0; side < 2; ++side) {
        auto *column = new QVBoxLayout;
        auto *buttonRow = new QHBoxLayout;
        for (int i = side * 3; i < side * 3 + 3; ++i) {
            m_buttons[i] = new QPushButton(this);
            m_buttons[i]->setObjectName(QLatin1String(kButtons[i].name));
            m_buttons[i]->setMinimumHeight(30);
            m_buttons[i]->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
            buttonRow->addWidget(m_buttons[i]);
        }
        buttonRow->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
        column->addLayout(buttonRow);
        if (side == 0) {
            m_deviceTable = table(this, "tableWidget", 6);
            column->addWidget(m_deviceTable);
        } else {
            m_commandTable = table(this, "tableWidget_2", 7);
            column->addWidget(m_commandTable);
        }
        // The command table has more columns to show.
        columns->addLayout(column, side == 0 ? 2 : 3);
    }
    retranslateUi();
}

void MidCtrlDlg::setupTables()
{
    QHeaderView *devices = m_deviceTable->horizontalHeader();
    devices->setSectionResizeMode(QHeaderView::Stretch);
    devices->setSectionResizeMode(0, QHeaderView::Fixed);
    m_deviceTable->setColumnWidth(0, 50);
    m_deviceTable->setFrameShape(QFrame::Box);

    QHeaderView *commands = m_commandTable->horizontalHeader();
    // Columns the user can widen, none narrower than its header or, for the
    // send type, than its longest text in the language shown.
    commands->setSectionResizeMode(QHeaderView::Interactive);
    commands->setSectionResizeMode(0, QHeaderView::Fixed);
    const QFontMetrics metrics(m_commandTable->font());
    const int sendTypeWidth = std::max(metrics.horizontalAdvance(tr(kSendTypes[0])),
                                       metrics.horizontalAdvance(tr(kSendTypes[1])));
    for (int column = 0; column < int(sizeof kCommandWidths / sizeof kCommandWidths[0]); ++column) {
        int width = kCommandWidths[column] > 0 ? kCommandWidths[column] : m_commandTable->columnWidth(column);
        if (column > 0)
            width = std::max(width, commands->sectionSizeHint(column));
        if (column == 3)
            width = std::max(width, sendTypeWidth + 12);
        m_commandTable->setColumnWidth(column, width);
    }
    commands->setStretchLastSection(true);
    m_commandTable->setDragEnabled(false);
    m_commandTable->setAcceptDrops(false);
    m_commandTable->setDragDropMode(QAbstractItemView::NoDragDrop);
}

void MidCtrlDlg::retranslateUi()
{
    setWindowTitle(tr("Dialog"));
    for (int i = 0; i < 6; ++i)
        m_buttons[i]->setText(tr(kButtons[i].text));
    QStringList devices;
    for (const char *header : kDeviceHeaders)
        devices.append(tr(header));
    m_deviceTable->setHorizontalHeaderLabels(devices);
    QStringList commands;
    for (const char *header : kCommandHeaders)
        commands.append(tr(header));
    m_commandTable->setHorizontalHeaderLabels(commands);
}

void MidCtrlDlg::setEditDisabled(bool disabled)
{
    m_editDisabled = disabled;
    for (QPushButton *button : m_buttons)
        button->setEnabled(!disabled);
}

void MidCtrlDlg::loadMidCtrls()
{
    const QVector<MidCtrlRecord> devices = DeviceStore::instance()->midCtrls();
    m_openedWith = devices;
    m_deviceCounter = kFirstDeviceCounter;
    m_commandCounter = kFirstCommandCounter;
    for (const MidCtrlRecord &device : devices) {
        addMidCtrlRow(device);
        m_deviceCounter = std::max(m_deviceCounter, int(device.uuid));
        for (const MidCtrlCmdRecord &cmd : device.cmds)
            m_commandCounter = std::max(m_commandCounter, int(cmd.uuid));
    }
}

QVector<MidCtrlRecord> MidCtrlDlg::midCtrls() const
{
    QVector<MidCtrlRecord> devices;
    for (int row = 0; row < m_deviceTable->rowCount(); ++row) {
        if (const MidCtrlUserData *data = deviceData(row))
            devices.append(data->record());
    }
    return devices;
}

void MidCtrlDlg::addMidCtrlRow(const MidCtrlRecord &record)
{
    const int row = m_deviceTable->rowCount();
    m_deviceTable->insertRow(row);
    m_deviceTable->setItem(row, 0, new DeviceItem(std::make_unique<MidCtrlUserData>(record)));
    updateMidCtrlRow(row, record);
    m_deviceTable->setRowHeight(row, kRowHeight);
}

void MidCtrlDlg::addMidCtrlCmdRow(const MidCtrlCmdRecord &record)
{
    const int row = m_commandTable->rowCount();
    m_commandTable->insertRow(row);
    m_commandTable->setItem(row, 0, new CommandItem(std::make_unique<MidCtrlCmdUserData>(record)));
    updateMidCtrlCmdRow(row, record);
    m_commandTable->setRowHeight(row, kRowHeight);
}

void MidCtrlDlg::updateMidCtrlRow(int row, const MidCtrlRecord &record)
{
    if (MidCtrlUserData *data = deviceData(row))
        data->setRecord(record);
    setText(m_deviceTable, row, 1, recordText(record.name));
    setText(m_deviceTable, row, 2, QString::number(record.uuid));
    setText(m_deviceTable, row, 3, record.protocol != 0 ? QStringLiteral("tcp") : QStringLiteral("udp"));
    setText(m_deviceTable, row, 4, recordText(record.ip));
    setText(m_deviceTable, row, 5, QString::number(record.port));
}

void MidCtrlDlg::updateMidCtrlCmdRow(int row, const MidCtrlCmdRecord &record)
{
    if (MidCtrlCmdUserData *data = commandData(row))
        data->setRecord(record);
    setText(m_commandTable, row, 1, recordText(record.name));
    setText(m_commandTable, row, 2, QString::number(record.uuid));
    setText(m_commandTable, row, 3, tr(kSendTypes[record.send_type != 0 ? 1 : 0]));
    setText(m_commandTable, row, 4, QString::number(record.ms));
    setText(m_commandTable, row, 5, record.data_type != 0 ? QStringLiteral("ASCII") : QStringLiteral("HEX"));
    setText(m_commandTable, row, 6, recordText(record.data));
}

MidCtrlUserData *MidCtrlDlg::deviceData(int row) const
{
    return DeviceItem::of(m_deviceTable, row);
}

MidCtrlCmdUserData *MidCtrlDlg::commandData(int row) const
{
    return CommandItem::of(m_commandTable, row);
}

int MidCtrlDlg::selectedDeviceRow() const
{
    const int row = m_deviceTable->currentRow();
    return row >= 0 && row < m_deviceTable->rowCount() ? row : -1;
}

void MidCtrlDlg::showCommandsOf(int deviceRow)
{
    m_commandTable->setRowCount(0);
    const MidCtrlUserData *data = deviceRow >= 0 ? deviceData(deviceRow) : nullptr;
    if (!data)
        return;
    for (const MidCtrlCmdRecord &cmd : data->record().cmds)
        addMidCtrlCmdRow(cmd);
}

void MidCtrlDlg::onMidCtrlItemClicked(QTableWidgetItem *item)
{
    if (item)
        showCommandsOf(item->row());
}

// The command table follows the device selected, also when the selection
// moves by keyboard or because rows were deleted.
void MidCtrlDlg::onMidCtrlCurrentRowChanged(int row, int, int previousRow, int)
{
    if (row != previousRow)
        showCommandsOf(row);
}

void MidCtrlDlg::toggleAllChecks(QTableWidget *table, bool *allChecked)
{
    const Qt::CheckState state = *allChecked ? Qt::Unchecked : Qt::Checked;
    *allChecked = !*allChecked;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (QTableWidgetItem *item = table->item(row, 0))
            item->setCheckState(state);
    }
}

void MidCtrlDlg::onTableWidgetHeadClicked(int column)
{
    if (column == 0)
        toggleAllChecks(m_deviceTable, &m_allDevicesChecked);
}

void MidCtrlDlg::onTableWidgetHeadClicked2(int column)
{
    if (column == 0)
        toggleAllChecks(m_commandTable, &m_allCommandsChecked);
}

int MidCtrlDlg::singleCheckedRow(QTableWidget *table)
{
    int found = -1;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem *item = table->item(row, 0);
        if (!item || item->checkState() != Qt::Checked)
            continue;
        if (found >= 0) {
            Notifier::information(nullptr, tr("提示"), tr("勾选的中控数量不为1"));
            return -1;
        }
        found = row;
    }
    if (found < 0)
        Notifier::information(nullptr, tr("提示"), tr("请先勾选中控"));
    return found;
}

bool MidCtrlDlg::hasSelectedDevice()
{
    if (selectedDeviceRow() >= 0)
        return true;
    Notifier::information(nullptr, tr("提示"), tr("请先选择中控"));
    return false;
}

void MidCtrlDlg::onAddMidCtrl()
{
    MidCtrFormDlg form;
    if (form.exec() != QDialog::Accepted)
        return;
    // Once the range is used up nothing more is added in this run; the
    // counter stops there rather than running past the largest int.
    if (m_deviceCounter < kDeviceLimit)
        ++m_deviceCounter;
    if (m_deviceCounter >= kDeviceLimit)
        return;
    MidCtrlRecord record = form.record();
    record.uuid = m_deviceCounter;
    record.cmds.clear();
    addMidCtrlRow(record);
    publish();
}

void MidCtrlDlg::onDeleteMidCtrl()
{
    int row = 0;
    while (row < m_deviceTable->rowCount()) {
        const QTableWidgetItem *item = m_deviceTable->item(row, 0);
        if (item && item->checkState() == Qt::Checked)
            m_deviceTable->removeRow(row);  // the next row moves up to this index
        else
            ++row;
    }
    publish();
}

void MidCtrlDlg::onUpdateMidCtrl()
{
    const int row = singleCheckedRow(m_deviceTable);
    if (row < 0)
        return;
    const MidCtrlRecord current = deviceData(row)->record();
    MidCtrFormDlg form;
    form.setData(current);
    if (form.exec() != QDialog::Accepted)
        return;
    MidCtrlRecord record = form.record();
    record.cmds = current.cmds;
    updateMidCtrlRow(row, record);
    publish();
}

void MidCtrlDlg::onAddMidCtrlCmd()
{
    if (!hasSelectedDevice())
        return;
    MidCtrlCmdFormDlg form;
    if (form.exec() != QDialog::Accepted)
        return;
    if (m_commandCounter < kCommandLimit)
        ++m_commandCounter;
    if (m_commandCounter >= kCommandLimit)
        return;
    // The device is looked up again: the form ran an event loop.
    const int deviceRow = selectedDeviceRow();
    if (deviceRow < 0)
        return;
    MidCtrlCmdRecord cmd = form.record();
    cmd.uuid = m_commandCounter;
    addMidCtrlCmdRow(cmd);
    MidCtrlRecord device = deviceData(deviceRow)->record();
    device.cmds.push_back(cmd);
    deviceData(deviceRow)->setRecord(device);
    publish();
}

void MidCtrlDlg::onDeleteMidCtrlCmd()
{
    if (!hasSelectedDevice())
        return;
    MidCtrlUserData *device = deviceData(selectedDeviceRow());
    int row = 0;
    while (row < m_commandTable->rowCount()) {
        const QTableWidgetItem *item = m_commandTable->item(row, 0);
        if (!item || item->checkState() != Qt::Checked) {
            ++row;
            continue;
        }
        MidCtrlRecord record = device->record();
        removeFirstCommand(record.cmds, commandData(row)->record().uuid);
        device->setRecord(record);
        m_commandTable->removeRow(row);
    }
    publish();
}

void MidCtrlDlg::onUpdateMidCtrlCmd()
{
    if (!hasSelectedDevice())
        return;
    const int row = singleCheckedRow(m_commandTable);
    if (row < 0)
        return;
    MidCtrlCmdFormDlg form;
    form.setData(commandData(row)->record());
    if (form.exec() != QDialog::Accepted)
        return;
    const int deviceRow = selectedDeviceRow();
    if (deviceRow < 0 || row >= m_commandTable->rowCount())
        return;
    const MidCtrlCmdRecord cmd = form.record();
    updateMidCtrlCmdRow(row, cmd);
    MidCtrlRecord device = deviceData(deviceRow)->record();
    const auto found = std::find_if(device.cmds.begin(), device.cmds.end(),
                                    [&cmd](const MidCtrlCmdRecord &each) { return each.uuid == cmd.uuid; });
    if (found == device.cmds.end())
        return;
    *found = cmd;
    deviceData(deviceRow)->setRecord(device);
    publish();
}

void MidCtrlDlg::publish()
{
    const bool sameProject = DesignerFolders::instance()->projectDir() == m_projectPath;
    if (!m_editDisabled && !m_projectPath.isEmpty() && sameProject)
        DeviceStore::instance()->setMidCtrls(midCtrls());
}

void MidCtrlDlg::reject()
{
    // Read-only, nothing can have changed: writing the copy taken at opening
    // would undo what was saved meanwhile. Without a project there is no
    // folder to write into. Unedited, the file stays byte for byte, or absent.
    const QVector<MidCtrlRecord> devices = midCtrls();
    if (!m_editDisabled && !m_projectPath.isEmpty() && devices != m_openedWith) {
        const FileWrite written = save(devices);
        if (!written) {
            if (!unsavedclose::askToCloseWithoutSaving(this, written))
                return;
            // The edits are dropped: the list goes back to what the file holds.
            if (DesignerFolders::instance()->projectDir() == m_projectPath)
                DeviceStore::instance()->setMidCtrls(m_openedWith);
        }
    }
    QDialog::reject();
}

FileWrite MidCtrlDlg::save(const QVector<MidCtrlRecord> &devices)
{
    DeviceStore *store = DeviceStore::instance();
    // Another project may be open now; the list belongs to this one's folder.
    if (DesignerFolders::instance()->projectDir() != m_projectPath)
        return store->writeMidCtrls(m_projectPath, devices);
    store->setMidCtrls(devices);
    return store->saveMidCtrls();
}

void MidCtrlDlg::onProjectClosing()
{
    if (isVisible())
        reject();
}
