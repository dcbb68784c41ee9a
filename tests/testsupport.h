#pragma once

#include "core/notifier.h"

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

// Runs a test inside a fresh temporary working directory, optionally holding
// a copy of the built run folder (translations, style sheet, templates), and
// restores the previous directory afterwards.
class TestWorkDir
{
public:
    enum Assets { NoAssets, WithAssets };

    explicit TestWorkDir(Assets assets = NoAssets);
    ~TestWorkDir();

    bool isValid() const { return m_valid; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
    bool m_valid = false;
};

// Answers every message box and question instead of a user, and records them.
class TestNotifier
{
public:
    TestNotifier();
    ~TestNotifier();

    // Answers given in turn to questions; when none is left, the default answer.
    void queueAnswer(QMessageBox::StandardButton answer) { m_answers.append(answer); }
    void setDefaultAnswer(QMessageBox::StandardButton answer) { m_defaultAnswer = answer; }

    const QVector<Notifier::Prompt> &prompts() const { return m_prompts; }
    QStringList texts() const;
    void clear() { m_prompts.clear(); }

private:
    QVector<Notifier::Prompt> m_prompts;
    QVector<QMessageBox::StandardButton> m_answers;
    QMessageBox::StandardButton m_defaultAnswer = QMessageBox::Ok;
};

// Writes bytes to a file, creating its folder; for building fixtures.
bool writeFixture(const QString &path, const QByteArray &bytes);
QByteArray readFixture(const QString &path);
