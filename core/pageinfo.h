#pragma once

#include <QString>

// One page of the open project as the project file lists it; each open page
// canvas keeps a copy.
struct PageInfo {
    int opened = 0;
    int width = 0;
    int height = 0;
    int mainPage = 0;
    int placeId = -1;
    int pageType = 0;
    QString name;
    QString file;
    QString dir;
};
