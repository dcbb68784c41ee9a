#include "uipage.h"

#include "core/jsonutils.h"

#include <QJsonValue>

#include <cmath>

void UIPage::setEditScale(const QString &key, const QJsonValue &value, bool repaint)
{
    Q_UNUSED(repaint)
    if (!applyEditScale(key, value))
        return;
    // The zoom is no step: the page states the steps hold take it too, so an
    // undo of an earlier page edit does not bring an older zoom back.
    const QJsonValue scale = m_attributes.value(key);
    rewriteSteps([&key, &scale](int nClass, QJsonObject &state) {
        if (nClass == kPageTypeId)
            state.insert(key, scale);
    });
}

bool UIPage::applyEditScale(const QString &key, const QJsonValue &value)
{
    if (!value.isDouble())
        return false;
    const double scale = value.toDouble();
    if (!std::isfinite(scale) || scale <= 0)
        return false;
    m_attributes.insert(key, scale);
    applyZoom(scale);
    return true;
}

void UIPage::applyZoom(double scale)
{
    applyPageScale(scale);
    for (const QList<UIBase *> &list : qAsConst(m_controls)) {
        for (UIBase *control : list)
            control->setScale(scale);
    }
}

void UIPage::applyPageScale(double scale)
{
    setScaleValue(scale);
    const int w = jsonNumberAsInt(m_attributes.value(QLatin1String("w")), 0);
    const int h = jsonNumberAsInt(m_attributes.value(QLatin1String("h")), 0);
    setFixedSize(screenLength(std::round(w * m_zoomScale)), screenLength(std::round(h * m_zoomScale)));
}

void UIPage::setPageSize(int width, int height)
{
    if (!isAcceptedPageSize(width, height))
        return;
    const int oldWidth = jsonNumberAsInt(m_attributes.value(QLatin1String("w")), 0);
    const int oldHeight = jsonNumberAsInt(m_attributes.value(QLatin1String("h")), 0);
    m_attributes.insert(QStringLiteral("w"), width);
    m_attributes.insert(QStringLiteral("h"), height);
    setFixedSize(screenLength(std::round(width * m_zoomScale)),
                 screenLength(std::round(height * m_zoomScale)));
    // A page without a usable old size gives no ratio; its controls stay.
    const double sx = oldWidth > 0 ? double(width) / oldWidth : 1.0;
    const double sy = oldHeight > 0 ? double(height) / oldHeight : 1.0;
    emit controlAttributesChanged(this);
    for (const QList<UIBase *> &list : qAsConst(m_controls)) {
        for (UIBase *control : list) {
            control->rescaleGeometry(sx, sy);
            emit controlAttributesChanged(control);
        }
    }
    // Not a step either: the steps' states take the new size, so an undo
    // never brings back geometry of the old one.
    rewriteSteps([width, height, sx, sy](int nClass, QJsonObject &state) {
        if (nClass != kPageTypeId) {
            UIBase::rescaleStoredGeometry(state, sx, sy);
            return;
        }
        state.insert(QStringLiteral("w"), width);
        state.insert(QStringLiteral("h"), height);
    });
    m_modified = true;
}
