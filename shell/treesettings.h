#pragma once

#include <QIcon>

class QTreeWidget;
class QWidget;
class QTreeWidgetItem;

// Shared look and behaviour of the two side-panel trees (project tree and
// control tree).
extern const char kFolderIconPath[];
extern const char kFolderOpenIconPath[];
extern const char kFileIconPath[];

void applyPanelTreeSettings(QTreeWidget *tree);
// Fills the panel with one such tree, edge to edge, and returns it.
QTreeWidget *addPanelTree(QWidget *panel);
QIcon panelIcon(const char *resourcePath);
// Items whose Qt::UserRole reads as a non-zero number (the categories) show
// an open or a closed folder.
void updateFolderIcon(QTreeWidgetItem *item, bool expanded);
