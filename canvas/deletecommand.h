#pragma once

#include <QJsonObject>
#include <QPointer>
#include <QString>
#include <QUndoCommand>

class UIBase;
class UIPage;

// Deleting one control. The whole attribute object is kept from the start;
// undo makes a new control from it, redo takes off the one found by kind and
// name (or the object the last undo made, while it lives).
class DeleteCommand : public QUndoCommand
{
public:
    DeleteCommand(UIPage *page, int nClass, UIBase *control, QUndoCommand *parent = nullptr);
    ~DeleteCommand() override;

    void undo() override;
    void redo() override;

    int nClass() const { return m_nClass; }
    UIBase *control() const { return m_control; }
    const QJsonObject &attributes() const { return m_attributes; }

private:
    UIPage *m_page = nullptr;
    int m_nClass = 0;
    QPointer<UIBase> m_control;
    QJsonObject m_attributes;
    QString m_name;
};
