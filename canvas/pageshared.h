#pragma once

#include <QJsonObject>
#include <QPointer>
#include <QVector>
#include <QWidget>

// What the open pages share: the clipboard (the controls last copied, live on
// one page and never owned, and a copy of the attribute object whose command
// lists paste into other command controls) and the largest interlock group id
// of the project, so that a new group is new across its pages.
class PageShared
{
public:
    static PageShared &instance();

    void setClipboard(QWidget *sourcePage, const QVector<QPointer<QWidget>> &controls);
    // Entries whose control has gone are left out.
    QVector<QPointer<QWidget>> clipboard() const;
    QWidget *clipSourcePage() const { return m_clipSourcePage; }
    // No pointer to a control that is going away survives here.
    void forgetControl(QWidget *control);
    // A page that closes takes the controls copied from it along.
    void forgetPage(QWidget *page);

    QJsonObject cmdClipboard() const { return m_cmdClipboard; }
    void setCmdClipboard(const QJsonObject &attributes) { m_cmdClipboard = attributes; }

    int maxGroupId() const { return m_maxGroupId; }
    void updateMaxGroupId(int id);

    // A project closes: its controls and groups are no one's any more; the
    // copied command lists stay for the next one.
    void closeProject();
    // Empty, as when the designer starts.
    void reset();

private:
    QPointer<QWidget> m_clipSourcePage;
    QVector<QPointer<QWidget>> m_clipboard;
    QJsonObject m_cmdClipboard;
    int m_maxGroupId = 0;
};
