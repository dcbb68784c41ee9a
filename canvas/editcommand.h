#pragma once

#include <QJsonObject>
#include <QString>
#include <QUndoCommand>

#include <functional>

class UIBase;
class UIPage;

// One change of a control's (or the page's) attributes. Both whole objects
// are kept; redo makes the control's object exactly the new one and undo
// exactly the old one. The control is found by its identity, so the step
// reaches its own control also after a delete and its undo brought it back,
// and never a twin of the same name.
class EditCommand : public QUndoCommand
{
public:
    EditCommand(UIPage *page, int nClass, int panelMode, UIBase *control,
                const QJsonObject &oldAttributes, const QJsonObject &newAttributes,
                QUndoCommand *parent = nullptr);
    ~EditCommand() override;

    void undo() override;
    void redo() override;

    int nClass() const { return m_nClass; }
    int panelMode() const { return m_panelMode; }
    quint64 controlId() const { return m_id; }
    QString name() const { return m_name; }
    const QJsonObject &oldAttributes() const { return m_oldAttributes; }
    const QJsonObject &newAttributes() const { return m_newAttributes; }
    // A change that is not a step rewrites both kept objects.
    void rewriteStates(const std::function<void(int, QJsonObject &)> &rewrite)
    {
        rewrite(m_nClass, m_oldAttributes);
        rewrite(m_nClass, m_newAttributes);
    }

private:
    UIPage *m_page = nullptr;
    int m_nClass = 0;
    QJsonObject m_oldAttributes;
    QJsonObject m_newAttributes;
    quint64 m_id = 0;
    QString m_name;
    int m_panelMode = 0;
};
