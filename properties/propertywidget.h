#pragma once

#include <QJsonObject>
#include <QPointer>
#include <QSet>
#include <QWidget>

class QTableWidget;
class QVBoxLayout;

// The property panel as GlobalManager drives it: which control is on view,
// the kind whose rows show and the object they were last filled from. The
// rows themselves are built by the property editor proper.
class PropertyWidget : public QWidget
{
    Q_OBJECT

public:
    explicit PropertyWidget(QWidget *parent = nullptr);
    ~PropertyWidget() override;

    // Makes control the current one and shows the rows of nClass filled
    // from data.
    void showProperty(QWidget *control, int nClass, const QJsonObject &data);
    // Refills the rows only when control is on view and nClass has rows.
    void refreshProperty(QWidget *control, int nClass, const QJsonObject &data);
    // Refills the rows of nClass whatever control is on view.
    void updateProperty(QWidget *control, int nClass, const QJsonObject &data);
    // Forgets the current control and hides every row; the argument is kept
    // for the callers, which always pass 1.
    void hideProperty(int mode);

    QWidget *currentControl() const { return m_currentControl; }
    bool hasRows(int nClass) const { return m_builtClasses.contains(nClass); }
    bool rowsVisible() const { return m_shownClass >= 0; }
    int shownClass() const { return m_shownClass; }
    const QJsonObject &shownData() const { return m_shownData; }

private:
    void setupUi();
    void fillProperty(int nClass, const QJsonObject &data);

    QVBoxLayout *m_verticalLayout = nullptr;
    QTableWidget *m_tableWidget = nullptr;
    QPointer<QWidget> m_currentControl;
    QSet<int> m_builtClasses;
    int m_shownClass = -1;
    QJsonObject m_shownData;
};
