#include "uilistwidgetbase.h"

#include "controls/baseitem.h"
#include "controls/drawnpart.h"
#include "controls/plaincontrols.h"
#include "controls/uicompositehelpers.h"
#include "controls/layoutclearing.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace {

const int kDefaultItemCount = 5;
// Page pixels: the widest page the designer makes. A page file may claim a
// far wider page, which would otherwise fit millions of one-pixel cells.
const double kLongestList = 15360;
const int kButtonStretch = 1;
const int kEntryStretch = 4;
// Between a cell and the caption under it.
const int kCaptionGap = 2;

const QString kItemPrefix = QStringLiteral("item_");
const QString kPrevPrefix = QStringLiteral("prev_button_");
const QString kNextPrefix = QStringLiteral("next_button_");
const QString kRefreshPrefix = QStringLiteral("refresh_button_");

bool isRebuildKey(const QString &key)
{
    return key == QLatin1String("direction") || key == QLatin1String("show_item_num")
           || key == QLatin1String("page_turn_height");
}

} // namespace

void listItemStyle(const UIBase *control, QJsonObject &style)
{
    style = prefixedCellStyle(control->attributes(), kItemPrefix);
}

void listPrevButtonStyle(const UIBase *control, QJsonObject &style)
{
    style = prefixedCellStyle(control->attributes(), kPrevPrefix);
}

void listNextButtonStyle(const UIBase *control, QJsonObject &style)
{
    style = prefixedCellStyle(control->attributes(), kNextPrefix);
}

void listRefreshButtonStyle(const UIBase *control, QJsonObject &style)
{
    style = prefixedCellStyle(control->attributes(), kRefreshPrefix);
}

UIListWidgetBase::UIListWidgetBase(QWidget *parent, const ListTraits &traits)
    : UIBase(parent)
    , m_traits(traits)
{
}

UIListWidgetBase::~UIListWidgetBase()
{
    if (m_budget)
        m_budget->release(m_cellsTaken);
}

int UIListWidgetBase::itemCount() const
{
    const int count = wholeNumberOr(m_attributes.value(QStringLiteral("show_item_num")), 0);
    return count > 0 ? count : kDefaultItemCount;
}

int UIListWidgetBase::cellsToBuild() const
{
    // Measured in page pixels, so the count does not follow the edit zoom;
    // cells past the page could not be seen either.
    const bool row = m_direction == 0;
    const double zoom = m_zoomScale > 0 ? m_zoomScale : 1.0;
    // In floating point: a page file's tiny edit zoom makes the screen sizes
    // in page pixels larger than any int.
    double length = wholeNumberOr(m_attributes.value(row ? QStringLiteral("w") : QStringLiteral("h")), -1);
    if (length <= 0)
        length = std::trunc((row ? width() : height()) / zoom);
    if (const QWidget *page = parentWidget())
        length = std::min(length, std::trunc((row ? page->width() : page->height()) / zoom));
    length = std::min(length, kLongestList);

    const int margin = row ? m_traits.rowMargin : m_traits.columnMargin;
    const int buttons = m_traits.refreshButton ? 3 : 2;
    // The spacing gives way where the list is short (fitSpacing), the
    // entries' pixels do not.
    return CellBudget::cellsThatFit(length - 2 * margin - buttons, cellLength(), itemCount());
}

int UIListWidgetBase::cellLength() const
{
    return m_traits.captionText && m_direction != 0 ? 1 + kCaptionGap : 1;
}

QList<BaseItem *> UIListWidgetBase::cells() const
{
    QList<BaseItem *> list;
    for (const QPointer<BaseItem> &cell : m_cells) {
        if (cell)
            list.append(cell);
    }
    return list;
}

QList<UILabel *> UIListWidgetBase::captions() const
{
    QList<UILabel *> list;
    for (const QPointer<UILabel> &caption : m_captions) {
        if (caption)
            list.append(caption);
    }
    return list;
}

QJsonObject UIListWidgetBase::cellStyle() const
{
    if (m_traits.cellStyle == CellStyle::ItemLook)
        return prefixedCellStyle(m_attributes, kItemPrefix);
    QJsonObject style;
    const auto background = m_attributes.constFind(QStringLiteral("item_normalBkColor"));
    if (background != m_attributes.constEnd())
        style.insert(QStringLiteral("normalBkColor"), background.value());
    return style;
}

QJsonObject UIListWidgetBase::captionStyle() const
{
    QJsonObject style;
    const bool own = m_traits.captionColours == CaptionColours::ControlColours;
    const QString normal = own ? QStringLiteral("normalColor") : QStringLiteral("item_normalColor");
    const QString press = own ? QStringLiteral("pressColor") : QStringLiteral("item_pressColor");
    if (m_attributes.contains(normal))
        style.insert(QStringLiteral("normalColor"), m_attributes.value(normal));
    if (m_attributes.contains(press))
        style.insert(QStringLiteral("pressColor"), m_attributes.value(press));
    return style;
}

BaseItem *UIListWidgetBase::newCell(const QJsonObject &style)
{
    auto *cell = new BaseItem(this);
    // Picture names resolve against the project folder.
    cell->setFileDir(m_fileDir);
    cell->setStyle(style, true);
    return cell;
}

void UIListWidgetBase::buildLayout()
{
    // A second build replaces the children instead of stacking more on them.
    tearDown();

    QJsonObject prevStyle;
    QJsonObject nextStyle;
    QJsonObject refreshStyle;
    listPrevButtonStyle(this, prevStyle);
    listNextButtonStyle(this, nextStyle);
    listRefreshButtonStyle(this, refreshStyle);
    const QJsonObject itemStyle = cellStyle();
    const QJsonObject textStyle = captionStyle();

    const bool row = m_direction == 0;
    auto *box = new QBoxLayout(row ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    const int margin = row ? m_traits.rowMargin : m_traits.columnMargin;
    box->setContentsMargins(margin, margin, margin, margin);
    box->setSpacing(row ? m_traits.rowSpacing : m_traits.columnSpacing);
    // Every cell and button keeps a pixel along the list, however short.
    auto keepPixel = [row](BaseItem *entry) {
        if (row)
            entry->setMinimumWidth(1);
        else
            entry->setMinimumHeight(1);
        return entry;
    };

    if (m_traits.refreshButton) {
        m_refreshButton = newCell(refreshStyle);
        box->addWidget(keepPixel(m_refreshButton), kButtonStretch);
    }
    m_prevButton = newCell(prevStyle);
    box->addWidget(keepPixel(m_prevButton), kButtonStretch);

    const QString cellText = !m_traits.cellText ? QString()
                             : m_traits.cellTextTranslated
                                 ? QCoreApplication::translate(m_traits.context, m_traits.cellText)
                                 : QString::fromLatin1(m_traits.cellText);
    const QString captionText = m_traits.captionText
                                    ? QCoreApplication::translate(m_traits.context, m_traits.captionText)
                                    : QString();
    // The page's budget bounds the cells of all its lists together.
    m_cellsWanted = cellsToBuild();
    if (!m_budget)
        m_budget = CellBudget::of(parentWidget());
    const int count = m_budget ? m_budget->take(m_cellsWanted) : m_cellsWanted;
    m_cellsTaken = m_budget ? count : 0;
    // The list draws its cells and captions itself.
    for (int n = 1; n <= count; ++n) {
        QJsonObject style = itemStyle;
        if (m_traits.cellText)
            style.insert(QStringLiteral("text"), QString(cellText + QString::number(n)));
        BaseItem *cell = keepPixel(newCell(style));
        m_cells.append(cell);
        if (!m_traits.captionText) {
            DrawnPartItem::add(box, cell, this, kEntryStretch);
            continue;
        }

        auto *entry = new QVBoxLayout;
        entry->setSpacing(kCaptionGap);
        DrawnPartItem::add(entry, cell, this, 3);
        auto *caption = new UILabel(this);
        // Presses reach the list control, which is what the user moves.
        caption->setMouseTracking(false);
        caption->QWidget::setAttribute(Qt::WA_TransparentForMouseEvents);
        QJsonObject own = textStyle;
        own.insert(QStringLiteral("text"), QString(captionText + QString::number(n)));
        caption->setAttributes(own, false, false);
        DrawnPartItem::add(entry, caption, this, 1);
        m_captions.append(caption);
        box->addLayout(entry, kEntryStretch);
    }

    m_nextButton = newCell(nextStyle);
    box->addWidget(keepPixel(m_nextButton), kButtonStretch);
    setLayout(box);
    fitSpacing();
    placeDrawnParts(this);
}

void UIListWidgetBase::fitSpacing()
{
    auto *box = qobject_cast<QBoxLayout *>(layout());
    if (!box)
        return;
    const bool row = m_direction == 0;
    const int margin = row ? m_traits.rowMargin : m_traits.columnMargin;
    const int spacing = row ? m_traits.rowSpacing : m_traits.columnSpacing;
    const int entries = box->count();
    qint64 needed = 0;
    for (int i = 0; i < entries; ++i) {
        const QSize least = box->itemAt(i)->minimumSize();
        needed += row ? least.width() : least.height();
    }
    const qint64 room = qint64(row ? width() : height()) - 2 * margin - needed;
    const int fitted = entries > 1 ? int(qBound(qint64(0), room / (entries - 1), qint64(spacing))) : spacing;
    if (box->spacing() != fitted)
        box->setSpacing(fitted);
}

void UIListWidgetBase::paintEvent(QPaintEvent *event)
{
    UIBase::paintEvent(event);
    QPainter painter(this);
    // In the order the parts were made.
    for (int i = 0; i < m_cells.size(); ++i) {
        paintDrawnPart(painter, event, m_cells.at(i).data());
        paintDrawnPart(painter, event, m_captions.value(i).data());
    }
}

void UIListWidgetBase::resizeEvent(QResizeEvent *event)
{
    UIBase::resizeEvent(event);
    fitSpacing();
}

void UIListWidgetBase::tearDown()
{
    if (m_budget)
        m_budget->release(m_cellsTaken);
    m_cellsTaken = 0;
    clearLayout(layout());
    // Nothing may keep pointing at the cells that went with the layout.
    m_cells.clear();
    m_captions.clear();
    m_prevButton = nullptr;
    m_nextButton = nullptr;
    m_refreshButton = nullptr;
}

void UIListWidgetBase::rebuildLayout()
{
    tearDown();
    buildLayout();
}

void UIListWidgetBase::restyleCells(const QString &key, const QJsonValue &value)
{
    const QJsonObject style{{key, value}};
    for (const QPointer<BaseItem> &cell : qAsConst(m_cells)) {
        if (cell)
            cell->setStyle(style, false);
    }
    // The list draws them.
    update();
}

void UIListWidgetBase::restyleCaptions(const QString &key, const QJsonValue &value)
{
    const QJsonObject style{{key, value}};
    for (const QPointer<UILabel> &caption : qAsConst(m_captions)) {
        if (caption)
            caption->setAttributes(style, false, false);
    }
    // The list draws them.
    update();
}

void UIListWidgetBase::applyAttributes(const QJsonObject &applied)
{
    if (applied.isEmpty())
        return;

    bool rebuild = false;
    bool resized = false;
    for (auto it = applied.constBegin(); it != applied.constEnd(); ++it) {
        const QString &key = it.key();
        const QJsonValue &value = it.value();
        if (isRebuildKey(key)) {
            if (key == QLatin1String("direction"))
                m_direction = wholeNumberOr(value, 0);
            rebuild = true;
            continue;
        }
        if (key == QLatin1String("w") || key == QLatin1String("h")) {
            resized = true;
            continue;
        }

        QString suffix = cellLookSuffix(key, kPrevPrefix);
        if (!suffix.isEmpty()) {
            if (m_prevButton)
                m_prevButton->setStyle(QJsonObject{{suffix, value}}, true);
            continue;
        }
        suffix = cellLookSuffix(key, kNextPrefix);
        if (!suffix.isEmpty()) {
            if (m_nextButton)
                m_nextButton->setStyle(QJsonObject{{suffix, value}}, true);
            continue;
        }
        suffix = cellLookSuffix(key, kRefreshPrefix);
        if (!suffix.isEmpty()) {
            if (m_refreshButton)
                m_refreshButton->setStyle(QJsonObject{{suffix, value}}, true);
            continue;
        }

        const bool colourKey = key == QLatin1String("normalColor") || key == QLatin1String("pressColor");
        switch (m_traits.captionColours) {
        case CaptionColours::ControlColours:
            // The cells' own look shows only after the next rebuild here.
            if (colourKey)
                restyleCaptions(key, value);
            continue;
        case CaptionColours::ItemColours:
            suffix = cellLookSuffix(key, kItemPrefix);
            if (suffix == QLatin1String("normalColor") || suffix == QLatin1String("pressColor"))
                restyleCaptions(suffix, value);
            else if (!suffix.isEmpty())
                restyleCells(suffix, value);
            continue;
        case CaptionColours::None:
            suffix = cellLookSuffix(key, kItemPrefix);
            if (!suffix.isEmpty())
                restyleCells(suffix, value);
            continue;
        }
    }

    // A resize matters only where it changes how many cells fit.
    if (!rebuild && resized && cellsToBuild() != m_cellsWanted)
        rebuild = true;
    if (rebuild)
        rebuildLayout();
}
