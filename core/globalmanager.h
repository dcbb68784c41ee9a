#pragma once

#include "core/controltypetable.h"
#include "core/pageinfo.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

class QTabWidget;
class QTranslator;
class QWidget;

// The one application-wide object: settings, language, the open project and
// plain pointers to the main window's panels. Every subsystem reaches it
// through instance(); the panels it remembers belong to the main window.
class GlobalManager : public QObject
{
    Q_OBJECT

public:
    static GlobalManager *instance();
    // Test seam: drops the one object so that the next instance() builds a
    // fresh one from the current working directory.
    static void resetInstance();

    ~GlobalManager() override;

    // Settings and language
    int language() const { return m_language; }
    void setLanguage(int language);
    void loadTranslator();
    QString templateConfigDir() const;
    QString openDir() const { return m_openDir; }
    QString newProjectDir() const { return m_newProjectDir; }
    void setNewProjectDir(const QString &dir) { m_newProjectDir = dir; }

    // Start-up services
    void loadFonts();
    void loadStyleSheet();
    void setScreenMetrics(double dpi, double fitScale, double wideScale);
    double dpi() const { return m_dpi; }
    double fitScale() const { return m_fitScale; }
    double wideScale() const { return m_wideScale; }

    // Paths and names
    QString tempPath() const { return m_tempPath; }
    QString homePath() const { return m_homePath; }
    QString appDirPath() const { return m_appDirPath; }
    QString projectPath() const { return m_projectPath; }
    QString projectName() const { return m_projectName; }
    QString projectFile() const { return m_projectFile; }
    QString midCtrlFile() const { return m_midCtrlFile; }
    QString eventFile() const { return m_eventFile; }
    QString scriptFile() const { return m_scriptFile; }
    QString scriptPath() const;

    // Control kinds
    const QVector<ControlTypeEntry> &controlTypeTable() const { return m_controlTypes; }
    void initControlTypes();

    // Pages of the open project
    const QVector<PageInfo> &pages() const { return m_pages; }
    PageInfo *hasPage(const QString &name);

    // Interlock group ids
    int maxId() const { return m_maxId; }
    void updateMaxId(int id);

    // Armed palette kind
    int dropClass() const { return m_dropClass; }
    void setDropClass(int nClass) { m_dropClass = nClass; }

    // Grid templates of the current language
    QString gridTemplatePath() const;
    const QJsonArray &gridTemplates() const { return m_gridTemplates; }
    bool loadGridTemplates();

signals:
    void signalClearItems();
    void signalAddItem(QString name, int type);
    void signalWidgetScaleData(int percent);

private:
    GlobalManager();

    QTranslator *m_translator = nullptr;
    QJsonObject m_cmdClipboard;
    QPointer<QWidget> m_propertyControl;
    QVector<ControlTypeEntry> m_controlTypes;
    QJsonArray m_gridTemplates;
    QString m_tempPath;
    QString m_homePath;
    QString m_appDirPath;
    int m_language = 0;
    int m_currentIndex = -1;
    int m_dropClass = -1;
    QString m_openDir;
    QString m_projectPath;
    QString m_projectName;
    QString m_projectFile;
    QString m_newProjectDir;
    QString m_midCtrlFile;
    QString m_eventFile;
    QString m_scriptFile;
    QVector<PageInfo> m_pages;
    QJsonObject m_project;
    QPointer<QTabWidget> m_tabWidget;
    double m_fitScale = 1.0;
    double m_dpi = 96.0;
    double m_wideScale = 1.0;
    int m_maxId = 0;
};
