#pragma once

#include <QJsonObject>
#include <QPointer>
#include <QString>
#include <QUndoCommand>

class UIBase;
class UIPage;

// Adding one control. Each redo makes a new control from the kept object;
// undo takes off the control this step made, found by kind and name when the
// object it last made is gone.
class AddCommand : public QUndoCommand
{
public:
    AddCommand(UIPage *page, int nClass, const QJsonObject &attributes, QUndoCommand *parent = nullptr);
    ~AddCommand() override;

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
};
