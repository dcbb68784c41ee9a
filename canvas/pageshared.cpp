#include "pageshared.h"

PageShared &PageShared::instance()
{
    static PageShared shared;
    return shared;
}

void PageShared::setClipboard(QWidget *sourcePage, const QVector<QPointer<QWidget>> &controls)
{
    m_clipboard = controls;
    m_clipSourcePage = sourcePage;
}

QVector<QPointer<QWidget>> PageShared::clipboard() const
{
    QVector<QPointer<QWidget>> live;
    for (const QPointer<QWidget> &control : m_clipboard) {
        if (control)
            live.append(control);
    }
    return live;
}

void PageShared::forgetControl(QWidget *control)
{
    m_clipboard.removeAll(QPointer<QWidget>(control));
}

void PageShared::forgetPage(QWidget *page)
{
    if (!page || page != m_clipSourcePage)
        return;
    m_clipSourcePage = nullptr;
    m_clipboard.clear();
}

void PageShared::updateMaxGroupId(int id)
{
    if (id > m_maxGroupId)
        m_maxGroupId = id;
}

void PageShared::closeProject()
{
    m_clipSourcePage = nullptr;
    m_clipboard.clear();
    m_maxGroupId = 0;
}

void PageShared::reset()
{
    closeProject();
    m_cmdClipboard = QJsonObject();
}
