#pragma once

#include "transfer/packageformat.h"

#include <QCoreApplication>
#include <QFile>
#include <QString>

class FolderRemover;

// Takes one package as its bytes arrive and writes its records into a
// staging folder beside the target. Only a complete package whose every
// record passed replaces the target, by rename; anything refused, failed or
// cut short leaves the target as it was. Holds one entry at a time, never
// the package. The staging folder is locked while it is filled; the remover
// takes it, and the replaced folder, away from the GUI thread, together with
// staging folders that a crash left behind.
class PackageReceiver
{
    Q_DECLARE_TR_FUNCTIONS(PackageReceiver)

public:
    enum Status { Collecting, Complete, Failed };

    PackageReceiver(const QString &dataFile, const QString &configDir, const QString &allDir,
                    FolderRemover *remover);
    ~PackageReceiver();

    PackageReceiver(const PackageReceiver &) = delete;
    PackageReceiver &operator=(const PackageReceiver &) = delete;

    // Bytes past the end of the package, or after a failure, are dropped.
    Status feed(const char *data, qint64 size);
    // Puts a complete package in place; a package of a type that is not
    // received, or without files, puts nothing.
    bool commit();
    // The stream ended (or went quiet) before the package was complete.
    void cutShort();

    Status status() const { return m_status; }
    // The failure line: the reason a package was refused or failed.
    QString error() const { return m_error; }
    // What the package replaces; empty when it writes nothing.
    QString target() const { return m_target; }
    // The whole package's length in bytes, once its header has come; else 0.
    quint64 expectedSize() const { return m_stage == HeaderStage ? 0 : m_end; }

private:
    enum Stage { HeaderStage, EntryStage, DataStage, RestStage, DoneStage };

    bool fail(const QString &reason);
    bool takeHeader();
    bool nextRecord();
    bool takeEntry();
    bool finishRecord();
    // Hands the staging folders that no receive holds any more to the remover.
    void sweepStaging(const QString &parent, const QString &targetName);
    bool makeStaging();
    bool putInPlace();
    void removeStaging();

    QString m_dataFile;
    QString m_configDir;
    QString m_allDir;
    FolderRemover *m_remover = nullptr;

    Status m_status = Collecting;
    Stage m_stage = HeaderStage;
    QString m_error;
    QByteArray m_fixed;   // the header or entry being collected
    PackageFormat::Header m_header;
    quint64 m_position = 0;
    quint64 m_end = PackageFormat::kHeaderSize;
    quint32 m_records = 0;

    QString m_target;
    QString m_staging;
    int m_stagingLock = -1;
    QString m_recordName;
    QFile m_file;
    quint64 m_left = 0;
};
