#pragma once

#include "core/filewrite.h"

#include <QJsonArray>
#include <QString>

// The video-wall grid templates of the current language, as the grid editor
// and the layout rows of the property panel read and write them. The
// application keeps them and their file and installs itself here; until it
// does, there are none and nothing is written.
class GridTemplateStore
{
public:
    static GridTemplateStore *instance();
    // Null puts the empty store back.
    static void install(GridTemplateStore *store);

    virtual const QJsonArray &gridTemplates() const = 0;
    // Reads the template file afresh; false when there is none to read.
    virtual bool loadGridTemplates() = 0;
    // Writes the whole file; on failure the file stays as it was and the
    // outcome names it and says why.
    virtual FileWrite saveGridTemplates(QJsonArray templates) = 0;
    // The file of the language, as it is read.
    virtual QString gridTemplatePath() const = 0;

protected:
    ~GridTemplateStore() = default;
};
