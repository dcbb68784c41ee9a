#pragma once

#include "core/filewrite.h"

#include <QString>

// Makes the folder with every missing parent. When one cannot be made, says
// which and why: a file or a link to nothing standing where a folder goes,
// no permission, a read-only file system.
FileWrite makeFolders(const QString &path);
// What makeFolders would meet as things stand, making nothing: asked before
// a step that cannot be taken back.
FileWrite checkFoldersMakeable(const QString &path);
