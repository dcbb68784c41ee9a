#pragma once

#include <QJsonObject>
#include <QPointer>
#include <QString>
#include <QUndoCommand>

#include <functional>

class UIBase;
class UIPage;

// Deleting one control. The whole attribute object and the control's
// identity are kept from the start; undo makes a control of that identity
// from the object, so every other step that refers to it reaches it again,
// and redo takes off the control that wears it.
class DeleteCommand : public QUndoCommand
{
public:
    DeleteCommand(UIPage *page, int nClass, UIBase *control, QUndoCommand *parent = nullptr);
    ~DeleteCommand() override;

    void undo() override;
    void redo() override;

    int nClass() const { return m_nClass; }
    quint64 controlId() const { return m_id; }
    UIBase *control() const { return m_control; }
    const QJsonObject &attributes() const { return m_attributes; }
    // A change that is not a step rewrites the kept object.
    void rewriteState(const std::function<void(int, QJsonObject &)> &rewrite) { rewrite(m_nClass, m_attributes); }

private:
    UIPage *m_page = nullptr;
    int m_nClass = 0;
    quint64 m_id = 0;
    QPointer<UIBase> m_control;
    QJsonObject m_attributes;
};
