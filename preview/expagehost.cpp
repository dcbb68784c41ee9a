#include "expagehost.h"

#include "controls/cellbudget.h"
#include "core/controltypetable.h"
#include "core/fileutils.h"
#include "core/notifier.h"
#include "core/wholefile.h"
#include "preview/exscale.h"

#include <QColor>
#include <QDebug>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <cmath>

namespace {
// A page object's "w" or "h" at or below these is not a design size.
const int kMinDesignWidth = 640;
const int kMinDesignHeight = 320;
// Run-time id of the page object.
const int kRunPageId = 0;

// Unwires the registered widgets from their host and empties the registry;
// each is deleted later, except the host's own children when they are kept
// to go with it.
void removeElements(QObject *host, QVector<CtrlElement> *elements, bool keepChildren)
{
    qDebug() << "destoryElement m_ctrlElement.size()" << elements->size();
    for (const CtrlElement &element : qAsConst(*elements)) {
        qDebug() << "destoryElement element_x.elementType" << element.elementType;
        if (!element.widget)
            continue;
        QObject::disconnect(element.widget, nullptr, host, nullptr);
        QObject::disconnect(host, nullptr, element.widget, nullptr);
        if (!keepChildren || element.widget->parent() != host)
            element.widget->deleteLater();
    }
    elements->clear();
}
} // namespace

ExPageHost::ExPageHost(Flavour flavour, int listMode, const QString &pageFile, QWidget *parent)
    : QWidget(parent)
    , m_pageFile(pageFile)
    , m_listMode(listMode)
    , m_flavour(flavour)
{
}

ExPageHost::~ExPageHost() = default;

QString ExPageHost::fileNameOfPath(const QString &path)
{
    return ::fileNameOfPath(path);
}

QString ExPageHost::resolveImagePath(const QString &name) const
{
    return ExStyleReader::resolveImagePath(m_basePath, name);
}

ExStyleReader ExPageHost::reader() const
{
    return ExStyleReader(m_scaleX, m_scaleY, fontRatio(m_width, m_height, m_designWidth, m_designHeight),
                         m_basePath, !isPopup());
}

bool ExPageHost::readPageControls(const QString &path, QJsonArray *controls, QString *refusal)
{
    const WholeFile file = WholeFile::read(path, WholeFile::Kind::PageFile);
    if (refusal && file.isRefused())
        *refusal = file.problem();
    if (!file.isRead())
        return false;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.bytes(), &error);
    if (document.isNull() || error.error != QJsonParseError::NoError) {
        qDebug() << "page file" << path << error.errorString();
        return false;
    }
    const QJsonValue found = document.object().value(QLatin1String("Control"));
    if (!found.isArray())
        return false;
    *controls = found.toArray();
    return true;
}

QJsonObject ExPageHost::pageObjectOf(const QJsonArray &controls)
{
    for (const QJsonValue &element : controls) {
        const QJsonValue type = element.toObject().value(QLatin1String("type"));
        if (type.isString() && runControlTypeFromName(type.toString()) == kRunPageId)
            return element.toObject();
    }
    return QJsonObject();
}

int ExPageHost::wholeNumber(const QJsonValue &value)
{
    const double d = value.toDouble();
    if (!std::isfinite(d) || d != std::trunc(d) || std::fabs(d) > 2147483647.0)
        return 0;
    return int(d);
}

void ExPageHost::loadPageFile()
{
    if (!QFileInfo::exists(m_pageFile))
        return;
    m_basePath = QFileInfo(m_pageFile).absolutePath();
    QJsonArray elements;
    QString refusal;
    if (!readPageControls(m_pageFile, &elements, &refusal)) {
        // Said once, and not from inside the resize that reloads the page.
        if (!refusal.isEmpty() && !m_refusalTold) {
            m_refusalTold = true;
            QTimer::singleShot(0, this, [this, refusal] { Notifier::information(this, tr("提示"), refusal); });
        }
        return;
    }
    ++m_loadCount;

    // Until a page object names a design size, the host's size at the first
    // load is it: later loads scale the controls from it, as they scale the
    // text.
    if (m_designWidth <= 0)
        m_designWidth = m_width;
    if (m_designHeight <= 0)
        m_designHeight = m_height;

    const QJsonObject page = pageObjectOf(elements);
    const QJsonValue w = page.value(QLatin1String("w"));
    if (w.isDouble()) {
        const int width = wholeNumber(w);
        m_designWidth = width > kMinDesignWidth ? width : m_width;
    }
    m_scaleX = scaleRatio(m_width, m_designWidth);
    const QJsonValue h = page.value(QLatin1String("h"));
    if (h.isDouble()) {
        const int height = wholeNumber(h);
        m_designHeight = height > kMinDesignHeight ? height : m_height;
    }
    m_scaleY = scaleRatio(m_height, m_designHeight);
    const QJsonValue colour = page.value(QLatin1String("normalBkColor"));
    if (colour.isString())
        m_bkColor = colour.toString();
    const QJsonValue image = page.value(QLatin1String("normal_image_path"));
    if (image.isString()) {
        m_bkImage = resolveImagePath(image.toString());
        m_bkPixmap = QPixmap(loadablePicture(m_bkImage));
    }
    // A page that paints every pixel itself needs no window colour under it.
    const QColor bkColour(m_bkColor);
    setAttribute(Qt::WA_OpaquePaintEvent, m_bkPixmap.isNull() ? bkColour.isValid() && bkColour.alpha() == 255
                                                               : !m_bkPixmap.hasAlphaChannel());

    for (const QJsonValue &element : qAsConst(elements)) {
        if (element.isObject())
            createElement(element.toObject().value(QLatin1String("type")).toString(), element.toObject());
    }
}

void ExPageHost::createElement(const QString &typeName, const QJsonObject &record)
{
    const int id = runControlTypeFromName(typeName);
    if (const Creator create = creatorOf(id, m_flavour))
        (this->*create)(record, id);
}

void ExPageHost::addElement(CtrlElement element)
{
    m_ctrlElement.append(element);
}

void ExPageHost::destoryElement()
{
    // Now, not when the lists are deleted: the next load builds at once.
    releaseRows();
    removeElements(this, &m_ctrlElement, false);
}

void ExPageHost::releaseRows()
{
    if (m_rowsTaken > 0)
        CellBudget::of(this)->release(m_rowsTaken);
    m_rowsTaken = 0;
}

void ExPageHost::releaseElements()
{
    // A child with a deferred delete still queued that its parent deletes
    // first makes Qt search the whole event queue for it: thousands of
    // controls took a quadratic time to close.
    removeElements(this, &m_ctrlElement, true);
}

void ExPageHost::mousePressEvent(QMouseEvent *event)
{
    logEvent("mousePressEvent");
    QWidget::mousePressEvent(event);
}

void ExPageHost::mouseReleaseEvent(QMouseEvent *event)
{
    logEvent("mouseReleaseEvent");
    QWidget::mouseReleaseEvent(event);
}

void ExPageHost::mouseMoveEvent(QMouseEvent *event)
{
    logEvent("mouseMoveEvent");
    QWidget::mouseMoveEvent(event);
}

void ExPageHost::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        // A colour that does not read paints nothing, as none does; Qt
        // would fill it in opaque black.
        if (!m_bkPixmap.isNull())
            painter.drawPixmap(rect(), m_bkPixmap);
        else if (const QColor colour(m_bkColor); colour.isValid())
            painter.fillRect(rect(), colour);
    }
    QWidget::paintEvent(event);
}

void ExPageHost::logEvent(const char *what) const
{
    qDebug().noquote() << QLatin1String(metaObject()->className()) + QLatin1String("::") + QLatin1String(what);
}
