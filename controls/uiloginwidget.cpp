#include "uiloginwidget.h"

#include "controls/baseitem.h"
#include "controls/uicompositehelpers.h"
#include "core/textutils.h"
#include "controls/layoutclearing.h"

#include <QColor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <iterator>

namespace {

const int kCaptionWidth = 80;
const int kTitleHeight = 80;
const int kCaptionAlignment = Qt::AlignRight | Qt::AlignVCenter;
const int kFieldAlignment = Qt::AlignLeft | Qt::AlignVCenter;

struct FormRow {
    const char *caption;   // null: the caption column stays empty whatever tagVisible says
    const char *field;
};

const FormRow kFormRows[] = {
    {QT_TRANSLATE_NOOP("UILoginWidget", "用户名:"), QT_TRANSLATE_NOOP("UILoginWidget", "请输入用户名")},
    {QT_TRANSLATE_NOOP("UILoginWidget", "密码:"), QT_TRANSLATE_NOOP("UILoginWidget", "请输入密码")},
    {QT_TRANSLATE_NOOP("UILoginWidget", "通信IP:"), QT_TRANSLATE_NOOP("UILoginWidget", "请输入通信ip")},
    {QT_TRANSLATE_NOOP("UILoginWidget", "语言:"), QT_TRANSLATE_NOOP("UILoginWidget", "请选择语言")},
    {nullptr, QT_TRANSLATE_NOOP("UILoginWidget", "记住密码")},
    {nullptr, QT_TRANSLATE_NOOP("UILoginWidget", "登录")},
};

// Edited keys that only need the form built again.
const char *const kRebuildOnlyKeys[] = {"tagVisible", "titleVisible", "bgOpacity", "winBgColor", "normal_image_path"};

} // namespace

UILoginWidget::UILoginWidget(QWidget *parent)
    : UIBase(parent)
{
    setKind(kTypeId, QLatin1String(kClassTag));
    applyStyle();
}

void UILoginWidget::applyStyle()
{
    setAttribute(QStringLiteral("titleVisible"), 0, false);
    setAttribute(QStringLiteral("tagVisible"), 1, false);
    setAttribute(QStringLiteral("winBgColor"), QStringLiteral("#FFFFFF"), false);
    setAttribute(QStringLiteral("titleFontSize"), 35, false);
    setAttribute(QStringLiteral("bgOpacity"), 100, false);
    setAttribute(QStringLiteral("borderRadius"), 10, false);
    setAttribute(QStringLiteral("tagFontColor"), QStringLiteral("#000000"), false);
    setAttribute(QStringLiteral("titleFontColor"), QStringLiteral("#000000"), false);
    setAttribute(QStringLiteral("loginTitle"), tr("欢迎登录分布式系统"), false);
}

void UILoginWidget::applyTitle(QJsonObject &style)
{
    for (auto it = m_attributes.constBegin(); it != m_attributes.constEnd(); ++it) {
        const QString &key = it.key();
        if (key == QLatin1String("loginTitle")) {
            style.insert(QStringLiteral("text"), it.value());
        } else if (key == QLatin1String("titleFontSize")) {
            style.insert(QStringLiteral("fontsize"), it.value());
        } else if (key == QLatin1String("tagVisible")) {
            m_tagVisible = wholeNumberOr(it.value(), 0);
        } else if (key == QLatin1String("titleVisible")) {
            m_titleVisible = wholeNumberOr(it.value(), 0);
            style.insert(key, m_titleVisible);
        }
    }
}

BaseItem *UILoginWidget::addCell(const QJsonObject &style, const QString &text)
{
    auto *cell = new BaseItem(this);
    QJsonObject own = style;
    own.insert(QStringLiteral("text"), text);
    cell->setStyle(own, true);
    return cell;
}

void UILoginWidget::buildLayout()
{
    // A second build replaces the form instead of stacking another on it.
    clearLayout(layout());

    QJsonObject style;
    applyTitle(style);

    auto *form = new QVBoxLayout;
    form->setContentsMargins(6, 6, 6, 6);
    form->setSpacing(6);

    if (m_titleVisible != 0) {
        auto *titleRow = new QHBoxLayout;
        m_title = new BaseItem(this);
        m_title->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        m_title->setFixedHeight(kTitleHeight);
        QJsonObject titleStyle = style;
        const QJsonValue title = style.value(QStringLiteral("text"));
        if (!title.isString() || title.toString().isEmpty())
            titleStyle.insert(QStringLiteral("text"), tr("欢迎登录分布式系统"));
        m_title->setStyle(titleStyle, true);
        titleRow->addWidget(m_title);
        form->addLayout(titleRow);
    }

    // The title's size and weight are its own; the rows keep the default font.
    style.remove(QStringLiteral("fontsize"));
    style.remove(QStringLiteral("bold"));

    QPointer<BaseItem> *captions[] = {&m_userCaption, &m_passwordCaption, &m_addressCaption, &m_languageCaption};
    QPointer<BaseItem> *fields[] = {&m_userField, &m_passwordField, &m_addressField, &m_languageField,
                                    &m_remember, &m_loginButton};

    auto *grid = new QGridLayout;
    for (int row = 0; row < int(std::size(kFormRows)); ++row) {
        const FormRow &entry = kFormRows[row];
        if (!entry.caption) {
            grid->addWidget(addCell(style, QString()), row, 0);
        } else if (m_tagVisible != 0) {
            BaseItem *caption = addCell(style, tr(entry.caption));
            caption->setFixedWidth(kCaptionWidth);
            caption->setAlignment(kCaptionAlignment);
            *captions[row] = caption;
            grid->addWidget(caption, row, 0);
        }

        BaseItem *field = addCell(style, tr(entry.field));
        // The button keeps its text centred, but takes its share of the
        // height too: a row of cells without a size hint would get none.
        field->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        if (fields[row] != &m_loginButton)
            field->setAlignment(kFieldAlignment);
        *fields[row] = field;
        grid->addWidget(field, row, 1);
    }
    form->addLayout(grid);
    setLayout(form);
}

void UILoginWidget::clearLayout(QLayout *layout)
{
    ::clearLayout(layout);
    for (QPointer<BaseItem> *cell : {&m_title, &m_userCaption, &m_userField, &m_passwordCaption,
                                     &m_passwordField, &m_addressCaption, &m_addressField,
                                     &m_languageCaption, &m_languageField, &m_remember, &m_loginButton,
                                     &m_spare})
        *cell = nullptr;
}

QList<BaseItem *> UILoginWidget::cells() const
{
    QList<BaseItem *> list;
    for (const QPointer<BaseItem> &cell : {m_title, m_userCaption, m_userField, m_passwordCaption,
                                           m_passwordField, m_addressCaption, m_addressField,
                                           m_languageCaption, m_languageField, m_remember,
                                           m_loginButton, m_spare}) {
        if (cell)
            list.append(cell);
    }
    return list;
}

void UILoginWidget::applyAttributes(const QJsonObject &applied)
{
    if (applied.isEmpty())
        return;

    bool rebuild = false;
    for (auto it = applied.constBegin(); it != applied.constEnd(); ++it) {
        const QString &key = it.key();
        if (key == QLatin1String("loginTitle") || key == QLatin1String("titleFontSize")
            || key == QLatin1String("titleBold")) {
            if (m_title) {
                const QString cellKey = key == QLatin1String("loginTitle")      ? QStringLiteral("text")
                                        : key == QLatin1String("titleFontSize") ? QStringLiteral("fontsize")
                                                                                : QStringLiteral("bold");
                m_title->setStyle(QJsonObject{{cellKey, it.value()}}, true);
                rebuild = true;
            }
            continue;
        }
        if (key == QLatin1String("tagVisible") || key == QLatin1String("titleVisible")) {
            const int visible = wholeNumberOr(it.value(), 0);
            (key == QLatin1String("tagVisible") ? m_tagVisible : m_titleVisible) = visible;
            setAttribute(key, visible, true);
        } else if (key == QLatin1String("bgOpacity") || key == QLatin1String("winBgColor")) {
            const QColor colour(m_attributes.value(QStringLiteral("winBgColor")).toString());
            const int opacity = wholeNumberOr(m_attributes.value(QStringLiteral("bgOpacity")), 0);
            setAttribute(QStringLiteral("normalBkColor"), colorToString(colour, opacity), true);
        } else if (key == QLatin1String("normal_image_path")) {
            setAttribute(key, it.value(), true);
        }
        for (const char *rebuildKey : kRebuildOnlyKeys) {
            if (key == QLatin1String(rebuildKey))
                rebuild = true;
        }
    }

    if (rebuild) {
        clearLayout(layout());
        buildLayout();
    }
}
