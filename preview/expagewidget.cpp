#include "expagewidget.h"

#include "core/controltypetable.h"
#include "core/fileutils.h"
#include "preview/exscale.h"

#include <QColor>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

#include <cmath>

namespace {
// The dialog's first width; a tab only this wide is not laid out yet.
const int kLoadMinWidth = 840;
// A page object's "w" or "h" at or below these is not a design size.
const int kMinDesignWidth = 640;
const int kMinDesignHeight = 320;
// Run-time id of the page object.
const int kRunPageId = 0;

// A whole JSON number; one with a fraction counts as 0.
int wholeNumber(const QJsonValue &value)
{
    const double d = value.toDouble();
    if (!std::isfinite(d) || d != std::trunc(d) || std::fabs(d) > 2147483647.0)
        return 0;
    return int(d);
}
} // namespace

ExPageWidget::ExPageWidget(int listMode, const QString &pageFile, QWidget *parent)
    : QWidget(parent)
    , m_pageFile(pageFile)
    , m_listMode(listMode)
{
    setObjectName(QStringLiteral("ExPageWidget"));
    qDebug() << "expagewidget" << geometry();
}

ExPageWidget::~ExPageWidget()
{
    qWarning() << "ExPageWidget::~ExPageWidget()" << m_pageFile;
    destoryElement();
}

QString ExPageWidget::fileNameOfPath(const QString &path)
{
    return ::fileNameOfPath(path);
}

QString ExPageWidget::resolveImagePath(const QString &name) const
{
    return ExStyleReader::resolveImagePath(m_basePath, name);
}

ExStyleReader ExPageWidget::reader() const
{
    return ExStyleReader(m_scaleX, m_scaleY, fontRatio(m_width, m_height, m_designWidth, m_designHeight),
                         m_basePath);
}

void ExPageWidget::loadPageFile()
{
    if (!QFileInfo::exists(m_pageFile))
        return;
    m_basePath = QFileInfo(m_pageFile).absolutePath();
    QFile file(m_pageFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    file.close();
    if (document.isNull() || error.error != QJsonParseError::NoError) {
        qDebug() << "ExPageWidget::loadPageFile" << error.errorString();
        return;
    }
    if (!document.isObject())
        return;
    const QJsonValue controls = document.object().value(QLatin1String("Control"));
    if (!controls.isArray())
        return;
    ++m_loadCount;
    const QJsonArray elements = controls.toArray();

    // Until a page object names a design size, the host's own size is it.
    if (m_designWidth <= 0)
        m_designWidth = m_width;
    if (m_designHeight <= 0)
        m_designHeight = m_height;

    for (const QJsonValue &element : elements) {
        if (!element.isObject())
            continue;
        const QJsonObject object = element.toObject();
        const QJsonValue type = object.value(QLatin1String("type"));
        if (!type.isString() || runControlTypeFromName(type.toString()) != kRunPageId)
            continue;
        const QJsonValue w = object.value(QLatin1String("w"));
        if (w.isDouble()) {
            const int width = wholeNumber(w);
            m_designWidth = width > kMinDesignWidth ? width : m_width;
            m_scaleX = scaleRatio(m_width, m_designWidth);
        }
        const QJsonValue h = object.value(QLatin1String("h"));
        if (h.isDouble()) {
            const int height = wholeNumber(h);
            m_designHeight = height > kMinDesignHeight ? height : m_height;
            m_scaleY = scaleRatio(m_height, m_designHeight);
        }
        const QJsonValue colour = object.value(QLatin1String("normalBkColor"));
        if (colour.isString())
            m_bkColor = colour.toString();
        const QJsonValue image = object.value(QLatin1String("normal_image_path"));
        if (image.isString()) {
            m_bkImage = resolveImagePath(image.toString());
            m_bkPixmap = QPixmap(m_bkImage);
        }
        break;
    }

    for (const QJsonValue &element : elements) {
        if (element.isObject())
            createElement(element.toObject().value(QLatin1String("type")).toString(), element.toObject());
    }
}

void ExPageWidget::createElement(const QString &typeName, const QJsonObject &record)
{
    const int id = runControlTypeFromName(typeName);
    if (const Creator create = creatorOf(id))
        (this->*create)(record, id);
}

void ExPageWidget::addElement(CtrlElement element)
{
    m_ctrlElement.append(element);
}

void ExPageWidget::destoryElement()
{
    qDebug() << "destoryElement m_ctrlElement.size()" << m_ctrlElement.size();
    for (const CtrlElement &element : qAsConst(m_ctrlElement)) {
        qDebug() << "destoryElement element_x.elementType" << element.elementType;
        if (!element.widget)
            continue;
        disconnect(element.widget, nullptr, this, nullptr);
        disconnect(this, nullptr, element.widget, nullptr);
        element.widget->deleteLater();
    }
    m_ctrlElement.clear();
}

void ExPageWidget::mousePressEvent(QMouseEvent *event)
{
    qDebug() << "ExPageWidget::mousePressEvent";
    QWidget::mousePressEvent(event);
}

void ExPageWidget::mouseReleaseEvent(QMouseEvent *event)
{
    qDebug() << "ExPageWidget::mouseReleaseEvent";
    QWidget::mouseReleaseEvent(event);
}

void ExPageWidget::mouseMoveEvent(QMouseEvent *event)
{
    qDebug() << "ExPageWidget::mouseMoveEvent";
    QWidget::mouseMoveEvent(event);
}

void ExPageWidget::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        if (!m_bkPixmap.isNull())
            painter.drawPixmap(rect(), m_bkPixmap);
        else if (!m_bkColor.isEmpty())
            painter.fillRect(rect(), QColor(m_bkColor));
    }
    QWidget::paintEvent(event);
}

void ExPageWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    qDebug() << "ExPageWidget::resizeEvent old:" << event->oldSize();
    qDebug() << "ExPageWidget::resizeEvent new:" << event->size() << " geomery:" << geometry()
             << " frameGeometry:" << frameGeometry();
    if (event->size().width() <= kLoadMinWidth)
        return;
    m_width = geometry().width();
    m_height = geometry().height();
    // A reload replaces the widgets of the previous one instead of piling
    // a second set on top of it.
    destoryElement();
    loadPageFile();
    m_wallID = 0;
    m_wallType = 1;
    emit signalWallChange(1, 0);
    emit signalGetSourceModeData(0);
    qDebug() << "ExPageWidget::reinit()" << geometry();
}
