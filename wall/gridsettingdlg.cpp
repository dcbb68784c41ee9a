#include "gridsettingdlg.h"

#include "controls/mycombobox.h"
#include "controls/mynumberedit.h"
#include "controls/mytextedit.h"
#include "core/dialogkeys.h"
#include "core/jsonutils.h"
#include "wall/gridtemplate.h"
#include "wall/screen.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
struct ChoiceItem {
    const char *text;
    int data;
};

// The three choices of a grid layout, one combo box each.
struct ChoiceField {
    const char *key;
    const char *objectName;
    const char *label;
    ChoiceItem items[2];
};
const ChoiceField kChoiceFields[] = {
    {"standard", "comboBox", QT_TRANSLATE_NOOP("GridSettingDlg", "网格模式"),
     {{QT_TRANSLATE_NOOP("GridSettingDlg", "标准"), 1}, {QT_TRANSLATE_NOOP("GridSettingDlg", "非标"), 0}}},
    {"walltype", "comboBox_2", QT_TRANSLATE_NOOP("GridSettingDlg", "划分方式"),
     {{QT_TRANSLATE_NOOP("GridSettingDlg", "整屏"), 0}, {QT_TRANSLATE_NOOP("GridSettingDlg", "单屏"), 1}}},
    {"gridmode", "comboBox_3", QT_TRANSLATE_NOOP("GridSettingDlg", "屏组类型"),
     {{QT_TRANSLATE_NOOP("GridSettingDlg", "矩阵"), 0}, {QT_TRANSLATE_NOOP("GridSettingDlg", "屏组"), 1}}},
};

// The four numbers of a grid layout, one line each.
struct NumberField {
    const char *key;
    const char *objectName;
    const char *label;
    const char *initial;
};
const NumberField kNumberFields[] = {
    {"row", "lineEdit", QT_TRANSLATE_NOOP("GridSettingDlg", "行数"), "1"},
    {"col", "lineEdit_2", QT_TRANSLATE_NOOP("GridSettingDlg", "列数"), "1"},
    {"tw", "lineEdit_3", QT_TRANSLATE_NOOP("GridSettingDlg", "总宽"), "1920"},
    {"th", "lineEdit_4", QT_TRANSLATE_NOOP("GridSettingDlg", "总高"), "1080"},
};

const char *const kCellKeys[] = {"x", "y", "w", "h"};
} // namespace

GridSettingDlg::GridSettingDlg(QWidget *parent)
    : QDialog(parent)
{
    setupUi();
    dialogkeys::enterPresses(this, m_okButton);
    connect(m_okButton, SIGNAL(clicked()), this, SLOT(accept()));
    connect(m_cancelButton, SIGNAL(clicked()), this, SLOT(reject()));
}

GridSettingDlg::~GridSettingDlg() = default;

void GridSettingDlg::setupUi()
{
    setObjectName(QStringLiteral("GridSettingDlg"));
    resize(1165, 677);
    auto *column = new QVBoxLayout(this);
    auto *groups = new QHBoxLayout;

    auto *params = new QGroupBox(this);
    params->setObjectName(QStringLiteral("groupBox"));
    auto *form = new QFormLayout(params);
    int labelIndex = 0;
    auto addRow = [&](QWidget *field) {
        auto *label = new QLabel(params);
        label->setObjectName(QStringLiteral("label_%1").arg(++labelIndex));
        form->addRow(label, field);
    };
    for (int i = 0; i < 3; ++i) {
        m_combos[i] = new MyComboBox(params);
        m_combos[i]->setObjectName(QLatin1String(kChoiceFields[i].objectName));
        for (const ChoiceItem &item : kChoiceFields[i].items)
            m_combos[i]->addItem(QString(), item.data);
        addRow(m_combos[i]);
    }
    for (int i = 0; i < 4; ++i) {
        m_edits[i] = new MyNumberEdit(params);
        m_edits[i]->setObjectName(QLatin1String(kNumberFields[i].objectName));
        m_edits[i]->setText(QLatin1String(kNumberFields[i].initial));
        addRow(m_edits[i]);
    }
    m_regionEdit = new MyTextEdit(params);
    m_regionEdit->setObjectName(QStringLiteral("textEdit"));
    addRow(m_regionEdit);
    groups->addWidget(params, 1);

    auto *layoutGroup = new QGroupBox(this);
    layoutGroup->setObjectName(QStringLiteral("groupBox_2"));
    auto *layoutColumn = new QVBoxLayout(layoutGroup);
    m_screen = new Screen(layoutGroup);
    m_screen->setObjectName(QStringLiteral("widget"));
    m_screen->setStyleSheet(QStringLiteral("background-color: rgb(170, 170, 255);"));
    layoutColumn->addWidget(m_screen);
    groups->addWidget(layoutGroup, 3);
    column->addLayout(groups, 1);

    auto *buttons = new QHBoxLayout;
    m_cancelButton = new QPushButton(this);
    m_cancelButton->setObjectName(QStringLiteral("pushButton_2"));
    m_okButton = new QPushButton(this);
    m_okButton->setObjectName(QStringLiteral("pushButton"));
    buttons->addStretch();
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_okButton);
    buttons->addStretch();
    column->addLayout(buttons);
    retranslateUi();
}

void GridSettingDlg::retranslateUi()
{
    setWindowTitle(tr("Dialog"));
    findChild<QGroupBox *>(QStringLiteral("groupBox"))->setTitle(tr("网格参数"));
    findChild<QGroupBox *>(QStringLiteral("groupBox_2"))->setTitle(tr("网格布局"));
    QStringList labels;
    for (int i = 0; i < 3; ++i) {
        labels << tr(kChoiceFields[i].label);
        for (int item = 0; item < 2; ++item)
            m_combos[i]->setItemText(item, tr(kChoiceFields[i].items[item].text));
    }
    for (const NumberField &field : kNumberFields)
        labels << tr(field.label);
    labels << tr("区域数据");
    for (int i = 0; i < labels.size(); ++i)
        findChild<QLabel *>(QStringLiteral("label_%1").arg(i + 1))->setText(labels.at(i));
    m_cancelButton->setText(tr("取消"));
    m_okButton->setText(tr("确定"));
}

void GridSettingDlg::setData(const QJsonObject &object, int, int)
{
    for (auto it = object.constBegin(); it != object.constEnd(); ++it)
        setValue(it.key(), it.value());
}

void GridSettingDlg::setValue(const QString &key, const QJsonValue &value)
{
    for (int i = 0; i < 3; ++i) {
        if (key != QLatin1String(kChoiceFields[i].key))
            continue;
        const int number = jsonNumberAsInt(value, 0);
        m_combos[i]->setCurrentIndex(std::max(0, m_combos[i]->findData(number)));
        m_data.insert(key, number);
        return;
    }
    for (int i = 0; i < 4; ++i) {
        if (key != QLatin1String(kNumberFields[i].key))
            continue;
        const int number = jsonNumberAsInt(value, 0);
        m_edits[i]->setText(QString::number(number));
        m_data.insert(key, number);
        return;
    }
    if (key == QLatin1String("rect")) {
        if (!value.isArray())
            return;
        // Only cells with all four numbers become windows.
        QVector<QRect> rects;
        QVector<GridCell> cells;
        for (const QJsonValue &element : value.toArray()) {
            const QJsonObject object = element.toObject();
            int numbers[4] = {};
            bool complete = element.isObject();
            for (int k = 0; k < 4 && complete; ++k) {
                const QJsonValue member = object.value(QLatin1String(kCellKeys[k]));
                complete = member.isDouble();
                numbers[k] = jsonNumberAsInt(member, 0);
            }
            if (!complete)
                continue;
            cells.append({numbers[0], numbers[1], numbers[2], numbers[3]});
            // A file's numbers may reach past the int range; the screen
            // shows the part of the cell on its wall.
            rects.append(cells.last().heldIn(Screen::kWallWidth, Screen::kWallHeight));
        }
        m_screen->setWindowRects(rects);
        m_data.insert(key, gridCellsToJson(cells));
        return;
    }
    m_data.insert(key, value);
}
