#include "uipage.h"

#include "canvas/defaultattributes.h"
#include "canvas/deletecommand.h"
#include "canvas/editcommand.h"
#include "canvas/pageservices.h"
#include "canvas/pageshared.h"
#include "core/fileutils.h"
#include "core/jsonutils.h"

#include <QColor>
#include <QDebug>
#include <QEvent>
#include <QJsonDocument>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QSet>
#include <QUndoStack>

#include <cmath>
#include <limits>

namespace {

QString stringOr(const QJsonValue &value, const QString &fallback)
{
    return value.isString() ? value.toString() : fallback;
}

QString compact(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

} // namespace

UIPage::Guard::Guard(UIPage *page)
{
    if (!page || page->m_busy)
        return;
    page->m_mutex.lock();
    page->m_busy = 1;
    m_page = page;
}

UIPage::Guard::~Guard()
{
    if (!m_page)
        return;
    m_page->m_busy = 0;
    m_page->m_mutex.unlock();
}

UIPage::UIPage(QWidget *parent)
    : UIBase(parent)
{
    setKind(kPageTypeId, QStringLiteral("page"));
    setMouseTracking(true);
    setAcceptDrops(true);
    setFocusPolicy(Qt::WheelFocus);
    releaseKeyboard();

    m_bandLabel = new QLabel(this);
    m_bandLabel->setAutoFillBackground(true);
    QPalette palette = m_bandLabel->palette();
    palette.setBrush(QPalette::Window, QColor(168, 192, 175, 80));
    m_bandLabel->setPalette(palette);
    m_bandLabel->hide();

    m_typeList = designControlTypes();
    for (const ControlTypeEntry &entry : qAsConst(m_typeList)) {
        const QString folded = entry.name.toCaseFolded();
        if (!m_typeIds.contains(folded))
            m_typeIds.insert(folded, entry.id);
    }
    m_undoStack = new QUndoStack(this);
}

UIPage::~UIPage()
{
    // The commands refer to the page; they go before its controls do.
    m_undoStack->clear();
}

void UIPage::registerControl(int nClass, UIBase *control, bool markModified)
{
    if (!control)
        return;
    m_controls[nClass].append(control);
    m_filedClass.insert(control, nClass);
    // An identity still worn by a control of this page is not given twice.
    if (control->controlId() == 0 || m_byId.contains(control->controlId()))
        control->setControlId(newControlId());
    m_byId.insert(control->controlId(), control);
    control->show();
    // Checked when compiled: resolving four signatures by name for every
    // control showed in the opening time of a page of thousands.
    connect(control, &UIBase::signalAttributeChange, this, &UIPage::slotAttributeChange);
    connect(control, &UIBase::signalRectChange, this, &UIPage::slotRectChange);
    connect(control, &UIBase::signalRectMoveChange, this, &UIPage::slotRectMoveChange);
    connect(control, &UIBase::signalControlSelect, this, &UIPage::slotControlSelect);
    if (markModified)
        m_modified = true;
    const QString name = control->getName();
    if (control->groupId() > m_maxGroupId) {
        m_maxGroupId = control->groupId();
        PageShared::instance().updateMaxGroupId(m_maxGroupId);
    }
    PageServices::instance()->addControlItem(nClass, name, control->controlId());
}

int UIPage::classOf(const UIBase *control) const
{
    if (!control)
        return -1;
    if (control == this)
        return kPageTypeId;
    return m_filedClass.value(control, control->getType());
}

UIBase *UIPage::findControl(int nClass, const QString &name) const
{
    if (name.isEmpty())
        return nullptr;
    for (UIBase *control : m_controls.value(nClass)) {
        if (control->getName() == name)
            return control;
    }
    return nullptr;
}

UIBase *UIPage::controlById(int nClass, quint64 id) const
{
    UIBase *control = m_byId.value(id);
    return control && containsControl(nClass, control) ? control : nullptr;
}

quint64 UIPage::newControlId()
{
    // One counter for every page, so that no two controls of a run share one.
    static quint64 last = 0;
    return ++last;
}

QSize UIPage::defaultPageSize(int pageType)
{
    return pageType == 1 ? QSize(1600, 900) : QSize(1920, 1080);
}

bool UIPage::containsControl(int nClass, const UIBase *control) const
{
    const auto found = m_filedClass.constFind(control);
    return found != m_filedClass.constEnd() && found.value() == nClass;
}

int UIPage::controlCount() const
{
    int count = 0;
    for (const QList<UIBase *> &list : m_controls)
        count += list.size();
    return count;
}

QList<UIBase *> UIPage::selection() const
{
    QList<UIBase *> result;
    for (const QPointer<UIBase> &control : m_selection) {
        if (control)
            result.append(control);
    }
    return result;
}

void UIPage::deselectAll()
{
    for (const QList<UIBase *> &list : qAsConst(m_controls)) {
        for (UIBase *control : list)
            control->setSelected(false);
    }
    m_selection.clear();
}

void UIPage::updateSelection(UIBase *control)
{
    if (!control)
        return;
    if (!m_ctrlHeld) {
        m_selection.clear();
        for (const QList<UIBase *> &list : qAsConst(m_controls)) {
            for (UIBase *other : list) {
                if (other != control)
                    other->setSelected(false);
            }
        }
        m_selection.append(control);
        control->setSelected(true);
        return;
    }
    control->setSelected(true);
    // A second Ctrl-click keeps the one entry, so operations over the
    // selection meet each control once.
    if (!m_selection.contains(control))
        m_selection.append(control);
}

void UIPage::showPropertiesOf(UIBase *control)
{
    PageServices::instance()->showProperty(m_pageInfo.file, control, control->getType(), control->attributes());
}

void UIPage::slotControlSelect()
{
    auto *control = qobject_cast<UIBase *>(sender());
    if (!control)
        return;
    updateSelection(control);
    if (control == m_lastSelected && control == PageServices::instance()->propertyControl())
        return;
    m_lastSelected = control;
    const QJsonObject copy = control->attributes();
    qDebug().noquote() << "class:" << control->getType() << "type:" << typeName(control->getType())
                       << "current:" << compact(copy);
    if (control->getType() == 106)
        qDebug().noquote() << compact(copy);
    PageServices::instance()->showProperty(m_pageInfo.file, control, control->getType(), copy);
    applyFormatPainter(control->getType(), copy);
}

void UIPage::selectPage()
{
    deselectAll();
    if (m_pagePropertiesGuard && m_lastSelected == this)
        return;
    m_lastSelected = this;
    showPageProperties();
}

void UIPage::showPageProperties()
{
    m_attributes.insert(QStringLiteral("PlaceId"), m_pageInfo.placeId);
    PageServices::instance()->showProperty(m_pageInfo.file, this, kPageTypeId, m_attributes);
    m_pagePropertiesGuard = true;
}

void UIPage::showSelectionProperties()
{
    UIBase *shown = m_lastSelected;
    if (shown && shown != this && containsControl(classOf(shown), shown))
        showPropertiesOf(shown);
    else
        showPageProperties();
}

void UIPage::onPageChange()
{
    for (auto it = m_controls.constBegin(); it != m_controls.constEnd(); ++it) {
        for (UIBase *control : it.value())
            PageServices::instance()->addControlItem(it.key(), control->getName(), control->controlId());
    }
}

void UIPage::slotPageRenamed(QString name, QString file)
{
    m_pageInfo.name = name;
    m_pageInfo.file = file;
}

void UIPage::slotSelectControl(int nClass, QString name, QWidget *w, quint64 id)
{
    if (w != this)
        return;
    deselectAll();
    const auto found = m_controls.constFind(nClass);
    if (found == m_controls.constEnd())
        return;
    for (UIBase *control : found.value()) {
        if (id ? control->controlId() != id : control->getName() != name)
            continue;
        control->setSelected(true);
        if (control == m_lastSelected && control == PageServices::instance()->propertyControl())
            continue;
        m_lastSelected = control;
        showPropertiesOf(control);
    }
}

void UIPage::slotDeleteControl(int nClass, QString name, int type, QWidget *w, quint64 id)
{
    if (w != this || !m_controls.contains(nClass))
        return;
    const QList<UIBase *> list = m_controls.value(nClass);
    if (type == 1) {
        for (UIBase *control : list)
            deleteControl(control);
        return;
    }
    for (UIBase *control : list) {
        if (id ? control->controlId() == id : control->getName() == name) {
            deleteControl(control);
            return;
        }
    }
}

void UIPage::slotAttributeChange(QJsonObject oldAttributes, QJsonObject newAttributes)
{
    auto *control = qobject_cast<UIBase *>(sender());
    if (!control)
        return;
    m_modified = true;
    // Panel mode 1: undo and redo refill the property rows of the control on view.
    m_undoStack->push(new EditCommand(this, classOf(control), 1, control, oldAttributes, newAttributes));
}

void UIPage::slotRectChange(QJsonObject oldAttributes, QJsonObject newAttributes)
{
    auto *control = qobject_cast<UIBase *>(sender());
    if (!control)
        return;
    m_modified = true;
    m_undoStack->push(new EditCommand(this, classOf(control), 2, control, oldAttributes, newAttributes));
}

void UIPage::setControlAttributes(const QJsonObject &values, bool repaint, int viaCommand)
{
    if (viaCommand == 0) {
        for (auto it = values.constBegin(); it != values.constEnd(); ++it)
            setPageAttribute(it.key(), it.value(), false);
        if (repaint)
            update();
        return;
    }
    QJsonObject updated = m_attributes;
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        updated.insert(it.key(), it.value());
    m_modified = true;
    m_undoStack->push(new EditCommand(this, kPageTypeId, 1, this, m_attributes, updated));
}

void UIPage::setPageAttribute(const QString &key, const QJsonValue &value, bool repaint)
{
    bool repaints = true;
    QJsonValue stored = value;
    if (key == QLatin1String("editScale")) {
        // Inserts the key itself, and only for a usable zoom.
        applyEditScale(key, value);
        return;
    } else if (key == QLatin1String("w")) {
        const int w = jsonNumberAsInt(value, defaultPageSize(m_pageInfo.pageType).width());
        stored = w;
        setFixedWidth(screenLength(std::round(w * m_zoomScale)));
    } else if (key == QLatin1String("h")) {
        const int h = jsonNumberAsInt(value, defaultPageSize(m_pageInfo.pageType).height());
        stored = h;
        setFixedHeight(screenLength(std::round(h * m_zoomScale)));
    } else if (key == QLatin1String("normalBkColor")) {
        m_normalBkColor = stringOr(value, QString());
        stored = m_normalBkColor;
    } else if (key == QLatin1String("pressBkColor")) {
        m_pressBkColor = stringOr(value, QString());
        stored = m_pressBkColor;
        repaints = false;
    } else if (key == QLatin1String("normal_image_path")) {
        const QString path = stringOr(value, QString());
        m_normalImageFile = imageFilePath(path);
        stored = path;
    } else if (key == QLatin1String("press_image_path")) {
        const QString path = stringOr(value, QString());
        m_pressImageFile = imageFilePath(path);
        stored = path;
        repaints = false;
    } else if (key == QLatin1String("normalColor")) {
        m_normalColor = stringOr(value, QString());
        stored = m_normalColor;
    } else if (key == QLatin1String("pressColor")) {
        m_pressColor = stringOr(value, QString());
        stored = m_pressColor;
        repaints = false;
    } else if (key == QLatin1String("direction")) {
        m_direction = jsonNumberAsInt(value, 0);
        stored = m_direction;
        repaints = false;
    } else if (key == QLatin1String("name")) {
        m_name = stringOr(value, QString());
        stored = m_name;
        repaints = false;
    } else if (key == QLatin1String("text")) {
        m_pageText = stringOr(value, QString());
        stored = m_pageText;
        repaints = false;
    } else if (key == QLatin1String("fontsize")) {
        m_fontSize = jsonNumberAsInt(value, 14);
        stored = m_fontSize;
        repaints = false;
    } else if (key == QLatin1String("bold")) {
        m_bold = jsonNumberAsInt(value, 0);
        stored = m_bold;
        repaints = false;
    } else if (key == QLatin1String("type")) {
        m_typeName = stringOr(value, QString());
        stored = m_typeName;
        repaints = false;
    } else if (key == QLatin1String("PlaceId")) {
        m_pageInfo.placeId = jsonNumberAsInt(value, -1);
        stored = m_pageInfo.placeId;
        repaints = false;
    } else if (key == QLatin1String("MainPage")) {
        m_pageInfo.mainPage = jsonNumberAsInt(value, 0);
        stored = m_pageInfo.mainPage;
        repaints = false;
    } else {
        repaints = false;
    }
    m_attributes.insert(key, stored);
    if (repaint && repaints)
        update();
}

int UIPage::nextWidgetIndex(int nClass) const
{
    const QList<UIBase *> list = m_controls.value(nClass);
    int largest = -1;
    for (const UIBase *control : list)
        largest = qMax(largest, control->getIndex());
    if (largest < std::numeric_limits<int>::max())
        return largest + 1;
    // Past the last index: the lowest one that neither an index nor a name
    // of the kind holds, so the new control's name is its own.
    QSet<int> usedIndexes;
    QSet<QString> usedNames;
    for (const UIBase *control : list) {
        usedIndexes.insert(control->getIndex());
        usedNames.insert(control->getName());
    }
    const QString type = typeName(nClass);
    int index = 0;
    while (usedIndexes.contains(index) || usedNames.contains(DefaultAttributes::controlName(type, index)))
        ++index;
    return index;
}

QString UIPage::typeName(int nClass) const
{
    for (const ControlTypeEntry &entry : m_typeList) {
        if (entry.id == nClass)
            return entry.name;
    }
    return QString();
}

int UIPage::typeId(const QString &name) const
{
    return m_typeIds.value(name.toCaseFolded(), -1);
}

void UIPage::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    bool pictured = false;
    if (!m_normalImageFile.isEmpty()) {
        // Read on every paint, so a picture replaced on disk shows at once.
        m_bkPixmap.load(loadablePicture(m_normalImageFile));
        if (!m_bkPixmap.isNull()) {
            painter.drawPixmap(rect(), m_bkPixmap);
            pictured = true;
        }
    }
    if (!pictured) {
        const QColor colour(m_normalBkColor);
        if (!m_normalBkColor.isEmpty() && colour.isValid() && colour.alpha() > 0)
            painter.fillRect(rect(), colour);
        else
            painter.fillRect(rect(), QColor(m_defaultBkColor));
    }
    if (!m_pageText.isEmpty()) {
        // Nothing else gives the page text a colour; an invalid one is black.
        const QColor textColour(m_normalColor);
        painter.setPen(textColour.isValid() ? textColour : QColor(Qt::black));
        painter.drawText(rect(), Qt::AlignLeft | Qt::AlignHCenter | Qt::AlignVCenter, m_pageText);
    }
}

void UIPage::enterEvent(QEvent *event)
{
    setFocus(Qt::OtherFocusReason);
    QWidget::enterEvent(event);
}

void UIPage::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
}

void UIPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
}

void UIPage::showEvent(QShowEvent *event)
{
    // The first click on empty page after the tab came back shows the page.
    m_pagePropertiesGuard = false;
    QWidget::showEvent(event);
}
