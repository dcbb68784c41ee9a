#include "globalmanager.h"

#include "canvas/pageshared.h"
#include "core/designerfolders.h"
#include "core/iniutils.h"
#include "core/notifier.h"
#include "core/screenscale.h"
#include "core/wholefile.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

// The built-in resources live in the static library; naming them here makes
// sure every program that uses GlobalManager links them in.
static void initBuiltInResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace {
const char kConfigFile[] = "config.ini";
const char kLanguageKey[] = "/config/language";
const char kOpenDirKey[] = "/config/open_dir";

GlobalManager *&theInstance()
{
    static GlobalManager *object = nullptr;
    return object;
}

int languageFromLocale(const QLocale &locale)
{
    if (locale.language() == QLocale::Chinese)
        return locale.script() == QLocale::TraditionalHanScript ? 1 : 0;
    return 2;
}
} // namespace

GlobalManager *GlobalManager::instance()
{
    GlobalManager *&object = theInstance();
    if (!object)
        object = new GlobalManager;
    return object;
}

void GlobalManager::resetInstance()
{
    GlobalManager *&object = theInstance();
    delete object;
    object = nullptr;
    // What the next manager, and every layer before it, reads starts afresh.
    ::setScreenMetrics(ScreenMetrics());
    DesignerFolders::instance()->reset();
    PageShared::instance().reset();
}

GlobalManager::GlobalManager()
{
    initBuiltInResources();
    // The new-project dialog starts where the user keeps their files.
    m_newProjectDir = QDir::homePath();
    m_language = languageFromLocale(QLocale());

    if (QFile::exists(QLatin1String(kConfigFile))) {
        const QString openDir = readIniString(QLatin1String(kConfigFile), QLatin1String(kOpenDirKey));
        // An empty value names the working directory, which exists, so it stays empty.
        m_openDir = QDir(openDir).exists() ? openDir : QDir::homePath();
        if (iniContains(QLatin1String(kConfigFile), QLatin1String(kLanguageKey))) {
            const int stored = readIniInt(QLatin1String(kConfigFile), QLatin1String(kLanguageKey));
            m_language = (stored == 1 || stored == 2) ? stored : 0;
        }
    } else {
        m_openDir = QDir::homePath();
    }

    // Loads the grid templates of the language too: a second reading would
    // say a refused template file twice.
    loadTranslator();

    m_homePath = QDir::homePath();
    // A new session: the program's and the temporary folder are taken afresh.
    DesignerFolders::instance()->reset();
    m_midCtrlFile = QStringLiteral("mid_ctrl.dat");
    m_eventFile = QStringLiteral("event.dat");
    initControlTypes();
    PageServices::install(this);
    DeviceStore::install(this);
    GridTemplateStore::install(this);
    ImageChooser::install(this);
}

GlobalManager::~GlobalManager()
{
    PageServices::install(nullptr);
    DeviceStore::install(nullptr);
    GridTemplateStore::install(nullptr);
    ImageChooser::install(nullptr);
    for (QTranslator *translator : {m_translator, m_qtTranslator}) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
}

void GlobalManager::loadTranslator()
{
    static const char *const files[] = {
        "./resource/assets/lang/lang_cn.qm",
        "./resource/assets/lang/lang_zh_tw.qm",
        "./resource/assets/lang/lang_en.qm",
    };
    const int index = (m_language == 0 || m_language == 1) ? m_language : 2;
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
    }
    m_translator = new QTranslator;
    if (!m_translator->load(QLatin1String(files[index])))
        qDebug() << "GlobalManager::loadTranslator: cannot load" << files[index];
    QCoreApplication::installTranslator(m_translator);

    // Qt's own buttons and dialogs (Yes, Save, the file dialog) in the same
    // language, from the system's Qt translations.
    static const char *const qtFiles[] = {"qt_zh_CN", "qt_zh_TW", "qt_en"};
    if (m_qtTranslator) {
        QCoreApplication::removeTranslator(m_qtTranslator);
        delete m_qtTranslator;
    }
    m_qtTranslator = new QTranslator;
    if (!m_qtTranslator->load(QLatin1String(qtFiles[index]), QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        qDebug() << "GlobalManager::loadTranslator: cannot load" << qtFiles[index];
    QCoreApplication::installTranslator(m_qtTranslator);

    if (m_language == 0)
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China));
    else if (m_language == 1)
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::TraditionalHanScript, QLocale::Taiwan));
    else
        QLocale::setDefault(QLocale(QLocale::English, QLocale::AnyCountry));

    loadGridTemplates();
}

void GlobalManager::setLanguage(int language)
{
    if (language == m_language)
        return;
    const bool stored = writeIniValue(QLatin1String(kConfigFile), QLatin1String(kLanguageKey), language);
    m_language = language;
    loadTranslator();
    // The language still changes now; the user learns that it will not last.
    if (!stored) {
        const QString path = QDir::toNativeSeparators(QFileInfo(QLatin1String(kConfigFile)).absoluteFilePath());
        Notifier::sayProblem(nullptr, tr("语言设置保存失败: ") + path + QLatin1Char('\n') + tr("下次启动时仍使用原来的语言"));
    }
}

QString GlobalManager::templateConfigDir() const
{
    const char *folder = m_language == 0 ? "zh_cn" : m_language == 1 ? "zh_tw" : "en";
    return QStringLiteral("./template/config/") + QLatin1String(folder);
}

QString GlobalManager::tempPath() const
{
    return DesignerFolders::instance()->tempDir();
}

QString GlobalManager::appDirPath() const
{
    return DesignerFolders::instance()->appDir();
}

QString GlobalManager::projectPath() const
{
    return DesignerFolders::instance()->projectDir();
}

QString GlobalManager::projectFile() const
{
    return DesignerFolders::instance()->projectFile();
}

bool GlobalManager::isProjectOpen() const
{
    return DesignerFolders::instance()->isProjectOpen();
}

QString GlobalManager::scriptFile() const
{
    return DesignerFolders::scriptFileName();
}

QString GlobalManager::scriptPath() const
{
    return DesignerFolders::instance()->scriptPath();
}

void GlobalManager::loadFonts()
{
    QFont font;
    const int id = QFontDatabase::addApplicationFont(QStringLiteral("./resource/assets/font/arial.ttf"));
    const QStringList families = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
    if (!families.isEmpty())
        font.setFamily(families.first());
    QApplication::setFont(font);

    static const char *const others[] = {"msyh.ttf", "simkai.ttf", "stfansong.ttf", "stxingka.ttf"};
    for (const char *name : others)
        QFontDatabase::addApplicationFont(QStringLiteral("./resource/assets/font/") + QLatin1String(name));
}

void GlobalManager::loadStyleSheet()
{
    const QString path = QStringLiteral("./resource/assets/qss/index.qss");
    qDebug() << "qsspathname: " << path;
    const WholeFile file = readSayingRefusal(path, WholeFile::Kind::StyleSheet);
    if (!file.isRead()) {
        qDebug() << "Open failed " << path;
        return;
    }
    qDebug() << "Open success " << path;
    qApp->setStyleSheet(QString::fromUtf8(file.bytes()));
}

void GlobalManager::setScreenMetrics(double dpi, double fitScale, double wideScale)
{
    ::setScreenMetrics({dpi, fitScale, wideScale});
}

double GlobalManager::dpi() const
{
    return screenMetrics().dpi;
}

double GlobalManager::fitScale() const
{
    return screenMetrics().fit;
}

double GlobalManager::wideScale() const
{
    return screenMetrics().wide;
}

void GlobalManager::initControlTypes()
{
    m_controlTypes = designControlTypes();
}

PageInfo *GlobalManager::hasPage(const QString &name)
{
    for (PageInfo &page : m_pages) {
        if (page.name == name)
            return &page;
    }
    return nullptr;
}

int GlobalManager::maxId() const
{
    return PageShared::instance().maxGroupId();
}

void GlobalManager::updateMaxId(int id)
{
    PageShared::instance().updateMaxGroupId(id);
}
