#include "srclistwidget.h"

#include "app/globalmanager.h"
#include "shell/draglistwidget.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QVBoxLayout>

namespace {
struct PaletteEntry {
    const char *title;
    int nClass;
};

const PaletteEntry kPaletteEntries[] = {
    {QT_TRANSLATE_NOOP("SrcListWidget", "背景控件"), 103},
    {QT_TRANSLATE_NOOP("SrcListWidget", "文本控件"), 104},
    {QT_TRANSLATE_NOOP("SrcListWidget", "时间控件"), 105},
    {QT_TRANSLATE_NOOP("SrcListWidget", "视频控件"), 106},
    {QT_TRANSLATE_NOOP("SrcListWidget", "当前音频"), 108},
    {QT_TRANSLATE_NOOP("SrcListWidget", "大屏区域"), 109},
    {QT_TRANSLATE_NOOP("SrcListWidget", "场景列表"), 111},
    {QT_TRANSLATE_NOOP("SrcListWidget", "屏组按钮组"), 135},
    {QT_TRANSLATE_NOOP("SrcListWidget", "播放按钮组"), 136},
    {QT_TRANSLATE_NOOP("SrcListWidget", "PPT页数"), 137},
    {QT_TRANSLATE_NOOP("SrcListWidget", "矩阵翻页"), 138},
    {QT_TRANSLATE_NOOP("SrcListWidget", "矩阵数量"), 139},
    {QT_TRANSLATE_NOOP("SrcListWidget", "分屏模式"), 140},
    {QT_TRANSLATE_NOOP("SrcListWidget", "音频开关"), 143},
    {QT_TRANSLATE_NOOP("SrcListWidget", "音频音量"), 145},
    {QT_TRANSLATE_NOOP("SrcListWidget", "信源"), 112},
    {QT_TRANSLATE_NOOP("SrcListWidget", "信源搜索"), 107},
    {QT_TRANSLATE_NOOP("SrcListWidget", "信源分组"), 149},
    {QT_TRANSLATE_NOOP("SrcListWidget", "切换页面"), 126},
    {QT_TRANSLATE_NOOP("SrcListWidget", "打开网址"), 127},
    {QT_TRANSLATE_NOOP("SrcListWidget", "打开程序"), 128},
    {QT_TRANSLATE_NOOP("SrcListWidget", "普通命令"), 129},
    {QT_TRANSLATE_NOOP("SrcListWidget", "关联命令"), 133},
    {QT_TRANSLATE_NOOP("SrcListWidget", "滑动自锁命令"), 130},
    {QT_TRANSLATE_NOOP("SrcListWidget", "滑动命令"), 131},
    {QT_TRANSLATE_NOOP("SrcListWidget", "摄像头控制按钮"), 153},
    {QT_TRANSLATE_NOOP("SrcListWidget", "从头播放按钮"), 155},
    {QT_TRANSLATE_NOOP("SrcListWidget", "媒体播放按钮"), 156},
    {QT_TRANSLATE_NOOP("SrcListWidget", "媒体播放进度"), 157},
    {QT_TRANSLATE_NOOP("SrcListWidget", "矩阵按钮"), 134},
    {QT_TRANSLATE_NOOP("SrcListWidget", "按键按钮"), 160},
    {QT_TRANSLATE_NOOP("SrcListWidget", "功能按钮"), 159},
    {QT_TRANSLATE_NOOP("SrcListWidget", "自锁功能按钮"), 161},
    {QT_TRANSLATE_NOOP("SrcListWidget", "音频音柱"), 162},
    {QT_TRANSLATE_NOOP("SrcListWidget", "登录框"), 101},
    {QT_TRANSLATE_NOOP("SrcListWidget", "场所列表"), 102},
    {QT_TRANSLATE_NOOP("SrcListWidget", "音频矩阵"), 163},
    {QT_TRANSLATE_NOOP("SrcListWidget", "会议按纽"), 164},
};

const int kLoginWidget = 101;
const int kPlaceWidget = 102;
const int kLabel = 104;
const int kFeatureButton = 159;

// Whether a page of this kind offers the control kind; -1 for page kinds
// that the palette does not know, which leave it as it is.
int offersKind(int pageKind, int nClass)
{
    switch (pageKind) {
    case 0:
    case 1:
        return nClass != kLoginWidget && nClass != kPlaceWidget;
    case 2:
        return nClass == kLoginWidget || nClass == kFeatureButton || nClass == kLabel;
    case 3:
        return nClass == kPlaceWidget || nClass == kFeatureButton;
    default:
        return -1;
    }
}
} // namespace

SrcListWidget::SrcListWidget(QWidget *parent)
    : MyBaseWidget(parent)
{
    setupUi();
    setFont(QApplication::font());
    m_listWidget->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_listWidget->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_listWidget->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_listWidget->setViewMode(QListView::ListMode);
    m_listWidget->setMovement(QListView::Static);
    m_listWidget->setFlow(QListView::TopToBottom);
    m_listWidget->setResizeMode(QListView::Adjust);
    m_listWidget->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listWidget->setWrapping(false);
    m_listWidget->setDragEnabled(false);

    const QPalette palette = m_listWidget->palette();
    m_listWidget->setStyleSheet(
        QStringLiteral("QListWidget::item#morecmdbutton { border-bottom: 1px solid %1; } "
                       "QListWidget::item:selected { background-color: %2; color: %3; }")
            .arg(palette.color(QPalette::Midlight).name(), palette.color(QPalette::Highlight).name(),
                 palette.color(QPalette::HighlightedText).name()));

    connect(m_listWidget, SIGNAL(itemPressed(QListWidgetItem*)),
            this, SLOT(onItemClicked(QListWidgetItem*)));
    connect(m_listWidget, SIGNAL(signalDragStart(QString)), this, SIGNAL(signalDragStart(QString)));
    connect(m_listWidget, SIGNAL(signalDragEnd()), this, SIGNAL(signalDragEnd()));
    initItems();
}

SrcListWidget::~SrcListWidget() = default;

void SrcListWidget::setupUi()
{
    setObjectName(QStringLiteral("SrcListWidget"));
    resize(547, 457);
    setWindowTitle(tr("Form"));
    m_verticalLayout = new QVBoxLayout(this);
    m_verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    m_verticalLayout->setContentsMargins(0, 0, 0, 0);
    m_listWidget = new DragListWidget(this);
    m_listWidget->setObjectName(QStringLiteral("listWidget"));
    m_verticalLayout->addWidget(m_listWidget);
}

void SrcListWidget::initItems()
{
    QIcon icon(QStringLiteral(":/new/icon/images/folder.png"));
    for (const PaletteEntry &entry : kPaletteEntries) {
        auto *item = new QListWidgetItem(icon, QCoreApplication::translate("SrcListWidget", entry.title));
        item->setData(Qt::UserRole, entry.nClass);
        m_listWidget->addItem(item);
    }
}

void SrcListWidget::retranslateUi()
{
    for (int row = 0; row < m_listWidget->count(); ++row)
        m_listWidget->item(row)->setText(QCoreApplication::translate("SrcListWidget", kPaletteEntries[row].title));
}

void SrcListWidget::setPageKind(int pageKind)
{
    GlobalManager *manager = GlobalManager::instance();
    for (int row = 0; row < m_listWidget->count(); ++row) {
        QListWidgetItem *item = m_listWidget->item(row);
        const int nClass = item->data(Qt::UserRole).toInt();
        const int offered = offersKind(pageKind, nClass);
        if (offered < 0)
            return;
        item->setHidden(!offered);
        // A kind armed on another page is not dropped on one that refuses it.
        if (!offered && manager->dropClass() == nClass)
            manager->setDropClass(-1);
    }
}

void SrcListWidget::onItemClicked(QListWidgetItem *item)
{
    if (item)
        GlobalManager::instance()->setDropClass(item->data(Qt::UserRole).toInt());
}
