#pragma once

#include <QMainWindow>

class QTabWidget;
class QWidget;

// The designer's only top-level window: side panels, the page tab area and
// the menus, each command forwarded to GlobalManager.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    QTabWidget *pageTabWidget() const { return m_tabWidget; }

private:
    void setupUi();
    void retranslateUi();

    QTabWidget *m_projectTabs = nullptr;   // tabWidget_2
    QTabWidget *m_controlTabs = nullptr;   // tabWidget_4
    QTabWidget *m_tabWidget = nullptr;     // the page tabs
    QTabWidget *m_propertyTabs = nullptr;  // tabWidget_3
    QWidget *m_projectFrame = nullptr;
    QWidget *m_srcListWidget = nullptr;
    QWidget *m_controlFrame = nullptr;
    QWidget *m_propertyWidget = nullptr;
};
