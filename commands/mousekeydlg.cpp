#include "mousekeydlg.h"

#include "core/dialogkeys.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The input event key names from the reserved code up to the compose key, in
// code order, less the muhenkan key and with the second spelling of hangeul.
const char *const kKeyNames[] = {
    "KEY_RESERVED", "KEY_ESC", "KEY_1", "KEY_2", "KEY_3", "KEY_4", "KEY_5", "KEY_6", "KEY_7", "KEY_8",
    "KEY_9", "KEY_0", "KEY_MINUS", "KEY_EQUAL", "KEY_BACKSPACE", "KEY_TAB", "KEY_Q", "KEY_W", "KEY_E",
    "KEY_R", "KEY_T", "KEY_Y", "KEY_U", "KEY_I", "KEY_O", "KEY_P", "KEY_LEFTBRACE", "KEY_RIGHTBRACE",
    "KEY_ENTER", "KEY_LEFTCTRL", "KEY_A", "KEY_S", "KEY_D", "KEY_F", "KEY_G", "KEY_H", "KEY_J", "KEY_K",
    "KEY_L", "KEY_SEMICOLON", "KEY_APOSTROPHE", "KEY_GRAVE", "KEY_LEFTSHIFT", "KEY_BACKSLASH", "KEY_Z",
    "KEY_X", "KEY_C", "KEY_V", "KEY_B", "KEY_N", "KEY_M", "KEY_COMMA", "KEY_DOT", "KEY_SLASH",
    "KEY_RIGHTSHIFT", "KEY_KPASTERISK", "KEY_LEFTALT", "KEY_SPACE", "KEY_CAPSLOCK", "KEY_F1", "KEY_F2",
    "KEY_F3", "KEY_F4", "KEY_F5", "KEY_F6", "KEY_F7", "KEY_F8", "KEY_F9", "KEY_F10", "KEY_NUMLOCK",
    "KEY_SCROLLLOCK", "KEY_KP7", "KEY_KP8", "KEY_KP9", "KEY_KPMINUS", "KEY_KP4", "KEY_KP5", "KEY_KP6",
    "KEY_KPPLUS", "KEY_KP1", "KEY_KP2", "KEY_KP3", "KEY_KP0", "KEY_KPDOT", "KEY_ZENKAKUHANKAKU",
    "KEY_102ND", "KEY_F11", "KEY_F12", "KEY_RO", "KEY_KATAKANA", "KEY_HIRAGANA", "KEY_HENKAN",
    "KEY_KATAKANAHIRAGANA", "KEY_KPJPCOMMA", "KEY_KPENTER", "KEY_RIGHTCTRL", "KEY_KPSLASH", "KEY_SYSRQ",
    "KEY_RIGHTALT", "KEY_LINEFEED", "KEY_HOME", "KEY_UP", "KEY_PAGEUP", "KEY_LEFT", "KEY_RIGHT",
    "KEY_END", "KEY_DOWN", "KEY_PAGEDOWN", "KEY_INSERT", "KEY_DELETE", "KEY_MACRO", "KEY_MUTE",
    "KEY_VOLUMEDOWN", "KEY_VOLUMEUP", "KEY_POWER", "KEY_KPEQUAL", "KEY_KPPLUSMINUS", "KEY_PAUSE",
    "KEY_SCALE", "KEY_KPCOMMA", "KEY_HANGEUL", "KEY_HANGUEL", "KEY_HANJA", "KEY_YEN", "KEY_LEFTMETA",
    "KEY_RIGHTMETA", "KEY_COMPOSE",
};
static_assert(sizeof kKeyNames / sizeof kKeyNames[0] == 127, "the panel knows 127 key names");

QPushButton *wideButton(QWidget *parent, const char *name)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setMinimumSize(148, 28);
    return button;
}

QSpacerItem *horizontalSpacer()
{
    return new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
}

} // namespace

MouseKeyDlg::MouseKeyDlg(QWidget *parent)
    : QDialog(parent)
{
    setupUi();
    // Enter neither adds a row nor closes over the key being chosen.
    dialogkeys::enterPresses(this, nullptr);
    m_keyBox->addItems(keyNameList());
    m_keyBox->setCurrentIndex(0);
    connect(m_addButton, SIGNAL(clicked()), this, SLOT(onAdd()));
    connect(m_deleteButton, SIGNAL(clicked()), this, SLOT(onDelete()));
    connect(m_saveButton, SIGNAL(clicked()), this, SLOT(onSave()));
}

MouseKeyDlg::~MouseKeyDlg() = default;

QStringList MouseKeyDlg::keyNameList()
{
    QStringList names;
    for (const char *name : kKeyNames)
        names.append(QLatin1String(name));
    return names;
}

void MouseKeyDlg::setupUi()
{
    setObjectName(QStringLiteral("MouseKeyDlg"));
    resize(683, 448);
    auto *column = new QVBoxLayout(this);
    column->setObjectName(QStringLiteral("verticalLayout"));

    auto *topRow = new QHBoxLayout;
    topRow->addItem(horizontalSpacer());
    m_addButton = wideButton(this, "pushButton");
    m_deleteButton = wideButton(this, "pushButton_2");
    topRow->addWidget(m_addButton);
    topRow->addWidget(m_deleteButton);
    topRow->addItem(horizontalSpacer());
    column->addLayout(topRow);

    auto *keyRow = new QHBoxLayout;
    auto *label = new QLabel(this);
    label->setObjectName(QStringLiteral("label"));
    keyRow->addWidget(label);
    m_keyBox = new QComboBox(this);
    m_keyBox->setObjectName(QStringLiteral("comboBox"));
    m_keyBox->setMinimumHeight(28);
    keyRow->addWidget(m_keyBox, 1);
    column->addLayout(keyRow);

    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("tableWidget"));
    m_table->setColumnCount(2);
    QHeaderView *header = m_table->horizontalHeader();
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    header->setStretchLastSection(true);
    header->setSectionsClickable(false);
    m_table->setColumnWidth(0, 60);
    m_table->verticalHeader()->setVisible(false);
    m_table->setShowGrid(true);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setFocusPolicy(Qt::NoFocus);
    m_table->setMinimumWidth(280);
    column->addWidget(m_table);

    auto *bottomRow = new QHBoxLayout;
    bottomRow->addItem(horizontalSpacer());
    m_saveButton = wideButton(this, "pushButton_3");
    bottomRow->addWidget(m_saveButton);
    bottomRow->addItem(horizontalSpacer());
    column->addLayout(bottomRow);

    retranslateUi();
}

void MouseKeyDlg::retranslateUi()
{
    setWindowTitle(tr("Dialog"));
    m_addButton->setText(tr("添加"));
    m_deleteButton->setText(tr("删除"));
    m_saveButton->setText(tr("保存"));
    findChild<QLabel *>(QStringLiteral("label"))->setText(tr("按键"));
    m_table->setHorizontalHeaderLabels({tr("全选"), tr("按键")});
}

void MouseKeyDlg::setKeyArray(const QJsonArray &keys)
{
    m_table->setRowCount(0);
    for (const QJsonValue &key : keys) {
        if (key.isString())
            appendRow(key.toString());
    }
}

void MouseKeyDlg::appendRow(const QString &name)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    auto *check = new QTableWidgetItem;
    check->setCheckState(Qt::Unchecked);
    check->setData(Qt::UserRole, name);
    m_table->setItem(row, 0, check);
    m_table->setItem(row, 1, new QTableWidgetItem(name));
}

void MouseKeyDlg::onAdd()
{
    appendRow(m_keyBox->currentText());
}

void MouseKeyDlg::onDelete()
{
    int row = 0;
    while (row < m_table->rowCount()) {
        const QTableWidgetItem *check = m_table->item(row, 0);
        if (check && check->checkState() == Qt::Checked)
            m_table->removeRow(row);  // the next row moves up to this index
        else
            ++row;
    }
}

void MouseKeyDlg::onSave()
{
    QJsonArray keys;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (const QTableWidgetItem *check = m_table->item(row, 0))
            keys.append(check->data(Qt::UserRole).toString());
    }
    m_keyArray = keys;
    accept();
}
