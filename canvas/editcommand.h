#pragma once

#include <QJsonObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUndoCommand>

class UIBase;
class UIPage;

// One change of a control's (or the page's) attributes. The control is found
// again by kind and name at every apply, so the step still works after other
// steps deleted and re-created the control; while the control it was made for
// is still there under that name, that one is taken.
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
    QString name() const { return m_name; }
    const QJsonObject &oldAttributes() const { return m_oldAttributes; }
    const QJsonObject &newAttributes() const { return m_newAttributes; }

private:
    UIPage *m_page = nullptr;
    int m_nClass = 0;
    QJsonObject m_oldAttributes;
    QJsonObject m_newAttributes;
    // The name before the step (redo looks for it) and after it (undo looks
    // for that), so a step that renames the control can still be undone.
    QString m_name;
    QString m_nameAfter;
    int m_panelMode = 0;
    QPointer<UIBase> m_control;
};
