#pragma once

#include <QWidget>

// Common base of the editor's panel widgets (project tree, control palette).
class MyBaseWidget : public QWidget
{
    Q_OBJECT
public:
    explicit MyBaseWidget(QWidget *parent = nullptr);
};
