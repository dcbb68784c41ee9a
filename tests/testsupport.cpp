#include "testsupport.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {
void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
    }
}
} // namespace

TestWorkDir::TestWorkDir(Assets assets)
{
    m_previous = QDir::currentPath();
    if (!m_dir.isValid())
        return;
    if (assets == WithAssets) {
        const QString runDir = qEnvironmentVariable("BRIVANE_RUN_DIR");
        for (const char *sub : {"resource", "template", "data_template"})
            copyTree(runDir + QLatin1Char('/') + QLatin1String(sub),
                     m_dir.path() + QLatin1Char('/') + QLatin1String(sub));
    }
    m_valid = QDir::setCurrent(m_dir.path());
}

TestWorkDir::~TestWorkDir()
{
    QDir::setCurrent(m_previous);
}

TestNotifier::TestNotifier()
{
    Notifier::setResponder([this](const Notifier::Prompt &prompt) {
        m_prompts.append(prompt);
        if (prompt.kind != Notifier::Question)
            return QMessageBox::Ok;
        if (!m_answers.isEmpty())
            return m_answers.takeFirst();
        return m_defaultAnswer;
    });
}

TestNotifier::~TestNotifier()
{
    Notifier::setResponder(nullptr);
}

QStringList TestNotifier::texts() const
{
    QStringList list;
    for (const Notifier::Prompt &prompt : m_prompts)
        list.append(prompt.text);
    return list;
}

bool writeFixture(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFixture(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
