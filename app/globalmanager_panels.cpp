#include "globalmanager.h"

#include "canvas/pageshared.h"
#include "canvas/uipage.h"
#include "properties/propertywidget.h"
#include "shell/controlframe.h"
#include "shell/srclistwidget.h"

#include <QDebug>
#include <QMetaMethod>
#include <QScrollArea>
#include <QTabWidget>

namespace {
// Default edit zoom in percent of the fit scale.
const double kDefaultZoomFactor = 68.0;

bool hasSlot(QObject *object, const char *signature)
{
    return object && object->metaObject()->indexOfMethod(signature) >= 0;
}
} // namespace

void GlobalManager::setTabWidget(QTabWidget *tabWidget)
{
    if (m_tabWidget)
        disconnect(m_tabWidget, nullptr, this, nullptr);
    m_tabWidget = tabWidget;
    if (tabWidget) {
        connect(tabWidget, SIGNAL(currentChanged(int)), this, SLOT(slotPageChange(int)));
        connect(tabWidget, SIGNAL(tabCloseRequested(int)), this, SLOT(slotPageClose(int)));
    }
}

void GlobalManager::setControlFrame(ControlFrame *frame)
{
    m_controlFrame = frame;
}

void GlobalManager::setPropertyWidget(PropertyWidget *widget)
{
    m_propertyWidget = widget;
}

void GlobalManager::setSrcListWidget(SrcListWidget *widget)
{
    m_srcListWidget = widget;
}

QTabWidget *GlobalManager::tabWidget() const
{
    return m_tabWidget;
}

ControlFrame *GlobalManager::controlFrame() const
{
    return m_controlFrame;
}

PropertyWidget *GlobalManager::propertyWidget() const
{
    return m_propertyWidget;
}

SrcListWidget *GlobalManager::srcListWidget() const
{
    return m_srcListWidget;
}

QWidget *GlobalManager::propertyControl() const
{
    return m_propertyControl;
}

QWidget *GlobalManager::pageWidgetAt(int index) const
{
    if (!m_tabWidget)
        return nullptr;
    auto *scroll = qobject_cast<QScrollArea *>(m_tabWidget->widget(index));
    return scroll ? scroll->widget() : nullptr;
}

QWidget *GlobalManager::currentPageWidget() const
{
    if (!m_tabWidget)
        return nullptr;
    auto *scroll = qobject_cast<QScrollArea *>(m_tabWidget->currentWidget());
    return scroll ? scroll->widget() : nullptr;
}

bool GlobalManager::hasCurrentTab() const
{
    return m_tabWidget && m_tabWidget->currentWidget();
}

void GlobalManager::forgetControl(QWidget *control)
{
    if (!control)
        return;
    if (m_propertyControl == control)
        m_propertyControl = nullptr;
    PageShared::instance().forgetControl(control);
}

int GlobalManager::defaultZoom() const
{
    return int(fitScale() * kDefaultZoomFactor);
}

void GlobalManager::removeTabAt(int index)
{
    QWidget *tab = m_tabWidget->widget(index);
    m_tabWidget->removeTab(index);
    // The scroll area owns the page.
    if (tab)
        tab->deleteLater();
}

bool GlobalManager::savePageWidget(QWidget *page)
{
    if (hasSlot(page, "slotSaveFile()"))
        QMetaObject::invokeMethod(page, "slotSaveFile", Qt::DirectConnection);
    // A canvas whose file could not be written stays modified.
    auto *canvas = qobject_cast<UIPage *>(page);
    return !canvas || !canvas->isModified();
}

void GlobalManager::openPageRenamed(QWidget *page, const QString &name, const QString &file)
{
    if (hasSlot(page, "slotPageRenamed(QString,QString)"))
        QMetaObject::invokeMethod(page, "slotPageRenamed", Qt::DirectConnection,
                                  Q_ARG(QString, name), Q_ARG(QString, file));
}

void GlobalManager::showProperty(const QString &pageName, QWidget *control, int nClass,
                                 const QJsonObject &data)
{
    Q_UNUSED(pageName)
    if (m_currentIndex < 0)
        return;
    m_propertyControl = control;
    if (m_propertyWidget)
        m_propertyWidget->showProperty(control, nClass, data);
}

void GlobalManager::refreshProperty(const QString &pageName, QWidget *control, int nClass,
                                    const QJsonObject &data)
{
    Q_UNUSED(pageName)
    if (m_currentIndex < 0)
        return;
    if (m_propertyWidget)
        m_propertyWidget->refreshProperty(control, nClass, data);
}

void GlobalManager::slotControlAttributesChanged(UIBase *control)
{
    // The panel refills only the control on view.
    if (control)
        refreshProperty(QString(), control, control->getType(), control->attributes());
}

void GlobalManager::fillProperty(QWidget *control, int nClass, const QJsonObject &data)
{
    if (m_propertyWidget)
        m_propertyWidget->updateProperty(control, nClass, data);
}

void GlobalManager::hideProperty()
{
    if (m_propertyWidget)
        m_propertyWidget->hideProperty(1);
}

void GlobalManager::addControlItem(int nClass, const QString &name, quint64 id)
{
    if (!hasCurrentTab())
        return;
    if (m_controlFrame)
        m_controlFrame->addControlItem(nClass, name, id);
}

void GlobalManager::removeControlItem(int nClass, const QString &name, quint64 id)
{
    if (m_controlFrame)
        m_controlFrame->removeControlItem(nClass, name, id);
}

void GlobalManager::resetZoom()
{
    if (!hasCurrentTab())
        return;
    showDefaultZoom();
}

void GlobalManager::showDefaultZoom()
{
    const int percent = defaultZoom();
    emit signalWidgetScaleData(percent);
    // The bar answers only when it showed another value; the page in front
    // takes the zoom either way, so that page and bar always agree.
    UIPage *page = currentPage();
    if (page && page->getScale() != percent / 100.0)
        slotSetScaleData(percent);
}

void GlobalManager::setCurrentTabByName(const QString &name)
{
    if (m_tabWidget) {
        for (int i = 0; i < m_tabWidget->count(); ++i) {
            if (m_tabWidget->tabText(i) == name) {
                m_currentIndex = i;
                m_tabWidget->setCurrentIndex(i);
                return;
            }
        }
    }
    m_currentIndex = -1;
}

void GlobalManager::slotPageChange(int index)
{
    qDebug() << "slotPageChange " << index;
    m_currentIndex = index;
    QWidget *page = currentPageWidget();
    if (page)
        showDefaultZoom();
    if (m_controlFrame)
        m_controlFrame->clearItems();
    // The canvas lists its own controls again.
    if (hasSlot(page, "onPageChange()"))
        QMetaObject::invokeMethod(page, "onPageChange", Qt::DirectConnection);
    showFrontPageProperties();
}

void GlobalManager::showFrontPageProperties()
{
    // The panel never edits a page that is not in front.
    if (UIPage *front = m_currentIndex >= 0 ? currentPage() : nullptr) {
        front->showSelectionProperties();
    } else {
        hideProperty();
        m_propertyControl = nullptr;
    }
}
