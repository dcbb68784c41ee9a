#pragma once

#include "core/filewrite.h"

#include <QString>

// Makes the folder with every missing parent. When one cannot be made, says
// which and why: a file or a link to nothing standing where a folder goes,
// no permission, a read-only file system. *firstMade names the topmost
// folder this call made (empty when none), also when a deeper one failed,
// so that a caller backing out removes only what it made.
FileWrite makeFolders(const QString &path, QString *firstMade = nullptr);
// What makeFolders would meet as things stand, making nothing: asked before
// a step that cannot be taken back.
FileWrite checkFoldersMakeable(const QString &path);
