#include "uipage.h"

#include "core/jsonutils.h"

#include <QJsonValue>

#include <cmath>

void UIPage::setEditScale(const QString &key, const QJsonValue &value, bool repaint)
{
    Q_UNUSED(repaint)
    if (!value.isDouble())
        return;
    const double scale = value.toDouble();
    if (!std::isfinite(scale) || scale <= 0)
        return;
    m_attributes.insert(key, scale);
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
    for (const QList<UIBase *> &list : qAsConst(m_controls)) {
        for (UIBase *control : list)
            control->rescaleGeometry(sx, sy);
    }
    m_modified = true;
}
