#pragma once

#include "app/globalmanager.h"
#include "properties/propertywidget.h"
#include "tests/canvas/pagefixture.h"

#include <QHBoxLayout>

// The page tabs and the manager's property panel side by side in one window,
// with an empty page "home" of 1280 x 720 open.
struct PanelFixture {
    bool setUp(const QSize &size)
    {
        if (!project.setUp())
            return false;
        GlobalManager *manager = GlobalManager::instance();
        window = new QWidget;
        auto *row = new QHBoxLayout(window);
        panel = new PropertyWidget;
        row->addWidget(project.tabs, 1);
        row->addWidget(panel);
        manager->setPropertyWidget(panel);
        if (!manager->createPage("home", 1280, 720, 0) || !manager->openPageTab("home", 0))
            return false;
        page = manager->currentPage();
        window->resize(size);
        window->show();
        return QTest::qWaitForWindowExposed(window);
    }
    void tearDown()
    {
        GlobalManager::instance()->setPropertyWidget(nullptr);
        project.tabs->setParent(nullptr);
        delete window;
        project.tearDown();
    }
    pagefixture::ProjectFixture project;
    QWidget *window = nullptr;
    PropertyWidget *panel = nullptr;
    UIPage *page = nullptr;
};
