#pragma once

#include <QColorDialog>

// The colour dialog of the property editor's colour rows.
class MyColorDialog : public QColorDialog
{
    Q_OBJECT
public:
    explicit MyColorDialog(QWidget *parent = nullptr);
    explicit MyColorDialog(const QColor &initial, QWidget *parent = nullptr);
};
