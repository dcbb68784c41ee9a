#include "uiaudiomatrixwidget.h"

#include "controls/baseitem.h"
#include "controls/drawnpart.h"
#include "controls/uiaudiomatrixheader.h"
#include "controls/uicompositehelpers.h"
#include "controls/uitablecornerwidget.h"
#include "controls/layoutclearing.h"

#include <QBoxLayout>
#include <QColor>
#include <QPainter>

namespace {

const CellStyleKeyMap kButtonStyle[] = {
    {"bold", "bold"},
    {"btn_size", "fontsize"},
    {"btn_text", "text"},
    {"btn_text_color", "normalColor"},
    {"btn_press_text_color", "pressColor"},
    {"btn_normal_image_path", "normal_image_path"},
    {"btn_press_image_path", "press_image_path"},
};

const CellStyleKeyMap kItemStyle[] = {
    {"item_normal_image_path", "normal_image_path"},
    {"item_press_image_path", "press_image_path"},
};

const CellStyleKeyMap kCornerStyle[] = {
    {"corner_text_color", "normalColor"},
    {"corner_size", "fontsize"},
    {"corner_normal_image_path", "normal_image_path"},
};

// Edited keys that change the buttons' or the headers' look; every other key
// leaves the grid as it is until the next rebuild.
const char *const kRebuildKeys[] = {
    "btn_text_color", "btn_press_text_color", "btn_text", "btn_size", "bold", "item_normalColor",
    "title_size",
};

} // namespace

UIAudioMatrixWidget::UIAudioMatrixWidget(QWidget *parent)
    : UIBase(parent)
{
    setKind(kTypeId, QLatin1String(kClassTag));
    updateCaptionStyle();
}

UIAudioMatrixWidget::~UIAudioMatrixWidget()
{
    clearLayout(layout());
}

void UIAudioMatrixWidget::buttonStyle(QJsonObject &style) const
{
    style = mappedCellStyle(m_attributes, kButtonStyle);
}

void UIAudioMatrixWidget::itemStyle(QJsonObject &style)
{
    style = mappedCellStyle(m_attributes, kItemStyle);
    const auto color = m_attributes.constFind(QStringLiteral("item_normalColor"));
    if (color != m_attributes.constEnd())
        m_itemTextColor = color.value().toString();
    const auto size = m_attributes.constFind(QStringLiteral("title_size"));
    if (size != m_attributes.constEnd())
        m_titleSize = wholeNumberOr(size.value(), 0);
    updateCaptionStyle();
}

void UIAudioMatrixWidget::cornerStyle(QJsonObject &style) const
{
    style = mappedCellStyle(m_attributes, kCornerStyle);
}

void UIAudioMatrixWidget::updateCaptionStyle()
{
    QFont font;
    // A size of 0 (a title size that was not a number) keeps the default.
    if (m_titleSize > 0)
        font.setPixelSize(m_titleSize);
    m_captionStyle = DrawnCaption::Style();
    m_captionStyle.setFont(font);
    m_captionStyle.setColour(QColor(m_itemTextColor));
}

BaseItem *UIAudioMatrixWidget::createHeader(int index, const QString &styleSheet, const QString &caption)
{
    const QStringList captions{caption.arg(index), tr("3.5mm"), tr("HDMI"), tr("AES67")};
    // Transparent captions in the item colour. A colour QColor reads is drawn
    // by the cell; any other text, which only the sheet's parser might read,
    // keeps the sheet as written, over widgets.
    if (m_captionStyle.colour().isValid())
        return new UIAudioMatrixHeader(this, captions, m_captionStyle);
    return new UIAudioMatrixHeader(this, captions, *m_captionStyle.font(), styleSheet.arg(m_itemTextColor));
}

BaseItem *UIAudioMatrixWidget::createOutputHeader(int index)
{
    return createHeader(index, QStringLiteral("QWidget{background:transparent;color:%1;}"), tr("音频输出%1"));
}

BaseItem *UIAudioMatrixWidget::createInputHeader(int index)
{
    return createHeader(index, QStringLiteral("background:transparent;color:%1"), tr("音频输入%1"));
}

void UIAudioMatrixWidget::buildLayout()
{
    // A second build replaces the grid instead of stacking another on it.
    clearLayout(layout());
    m_buttons.clear();

    // Headers last in this order so their colour and size are current.
    QJsonObject buttons;
    QJsonObject headers;
    QJsonObject corner;
    buttonStyle(buttons);
    itemStyle(headers);
    cornerStyle(corner);

    const int cw = qMax(0, scaledLength(m_cellWidth, m_zoomScale));
    const int ch = qMax(0, scaledLength(m_cellHeight, m_zoomScale));

    auto *grid = new QVBoxLayout;
    grid->setSpacing(0);
    for (int r = 0; r < m_rows; ++r) {
        auto *row = new QHBoxLayout;
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(0);
        for (int c = 0; c < m_columns; ++c) {
            BaseItem *cell = nullptr;
            const QJsonObject *style = &buttons;
            if (r == 0 && c == 0) {
                cell = new UITableCornerWidget(this);
                // Only the corner follows the zoom; the other cells size their
                // text by the fit scale alone.
                cell->setScale(m_zoomScale);
                style = &corner;
            } else if (r == 0) {
                cell = createOutputHeader(c);
                style = &headers;
            } else if (c == 0) {
                cell = createInputHeader(r);
                style = &headers;
            } else {
                cell = new BaseItem(this);
            }
            cell->setFileDir(m_fileDir);
            cell->setStyle(*style, true);
            cell->resize(cw, ch);
            // The matrix draws its buttons; the headers and the corner show.
            if (style == &buttons) {
                m_buttons.append(cell);
                DrawnPartItem::add(row, cell, this, 0);
            } else {
                row->addWidget(cell);
            }
        }
        grid->addLayout(row);
    }

    auto *outer = new QHBoxLayout;
    outer->addLayout(grid);
    setLayout(outer);
    placeDrawnParts(this);
}

void UIAudioMatrixWidget::paintEvent(QPaintEvent *event)
{
    UIBase::paintEvent(event);
    QPainter painter(this);
    for (const QPointer<BaseItem> &button : qAsConst(m_buttons))
        paintDrawnPart(painter, event, button.data());
}

void UIAudioMatrixWidget::applyAttributes(const QJsonObject &applied)
{
    if (applied.isEmpty())
        return;

    bool rebuild = false;
    for (auto it = applied.constBegin(); it != applied.constEnd(); ++it) {
        const QString &key = it.key();
        if (key == QLatin1String("btn_text_color")) {
            // The control's own text colour follows the buttons', so the page
            // file keeps it too.
            setAttribute(QStringLiteral("normalColor"), it.value().toString(), true);
        } else if (key == QLatin1String("btn_press_text_color")) {
            setAttribute(QStringLiteral("pressColor"), it.value().toString(), true);
        } else if (key == QLatin1String("item_normalColor")) {
            m_itemTextColor = it.value().toString();
        } else if (key == QLatin1String("title_size")) {
            m_titleSize = wholeNumberOr(it.value(), 0);
        }
        for (const char *rebuildKey : kRebuildKeys) {
            if (key == QLatin1String(rebuildKey))
                rebuild = true;
        }
    }

    if (rebuild) {
        clearLayout(layout());
        buildLayout();
    }
}
