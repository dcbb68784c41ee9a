#include "uisearchwidget.h"

#include "controls/baseitem.h"
#include "controls/uicompositehelpers.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QJsonDocument>

namespace {

const CellStyleKeyMap kButtonStyle[] = {
    {"btn_normalColor", "normalColor"},
    {"btn_pressColor", "pressColor"},
    {"btn_normalBkColor", "normalBkColor"},
    {"btn_pressBkColor", "pressBkColor"},
    {"btn_normal_image_path", "normal_image_path"},
    {"btn_press_image_path", "press_image_path"},
    {"btn_text", "text"},
};

const int kDefaultButtonWidth = 30;

} // namespace

UISearchWidget::UISearchWidget(QWidget *parent)
    : UIBase(parent)
{
    setKind(kTypeId, QLatin1String(kClassTag));
}

void UISearchWidget::buttonStyle(QJsonObject &style) const
{
    style = mappedCellStyle(m_attributes, kButtonStyle);
}

int UISearchWidget::buttonWidth(const QJsonValue &stored) const
{
    const int width = stored.isDouble() ? wholeNumberOr(stored, 0) : kDefaultButtonWidth;
    return qMax(0, scaledLength(width, m_zoomScale));
}

void UISearchWidget::buildLayout()
{
    // Built once; the side of the button changes only when the page reopens.
    if (layout())
        return;

    const QJsonObject fieldStyle{{QStringLiteral("normalBkColor"), QStringLiteral("#ffffff")}};
    QJsonObject style;
    buttonStyle(style);
    qWarning().noquote() << QString::fromUtf8(QJsonDocument(style).toJson(QJsonDocument::Compact));

    const QJsonValue side = m_attributes.value(QStringLiteral("layoutDirection"));
    const int d = side.isDouble() ? wholeNumberOr(side, 0) : 0;
    if (d != 0 && d != 1)
        return;

    auto *row = new QHBoxLayout;
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(6);

    m_button = new BaseItem(this);
    m_button->setFileDir(m_fileDir);
    m_button->setFixedWidth(buttonWidth(m_attributes.value(QStringLiteral("btn_w"))));
    m_button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    m_button->setStyle(style, true);

    m_searchField = new BaseItem(this);
    m_searchField->setFileDir(m_fileDir);
    m_searchField->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_searchField->setStyle(fieldStyle, true);

    if (d == 0) {
        row->addWidget(m_button, 0);
        row->addWidget(m_searchField, 0);
    } else {
        row->addWidget(m_searchField, 0);
        row->addWidget(m_button, 0);
    }
    setLayout(row);
}

void UISearchWidget::applyAttributes(const QJsonObject &applied)
{
    // Without cells (a side other than left or right at build) there is
    // nothing to restyle.
    if (!m_button)
        return;
    const QString prefix = QStringLiteral("btn_");
    for (auto it = applied.constBegin(); it != applied.constEnd(); ++it) {
        const QString suffix = cellLookSuffix(it.key(), prefix);
        if (!suffix.isEmpty())
            m_button->setStyle(QJsonObject{{suffix, it.value()}}, true);
        else if (it.key() == QLatin1String("btn_w"))
            m_button->setFixedWidth(buttonWidth(it.value()));
    }
}
