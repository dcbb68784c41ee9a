#pragma once

#include <QColorDialog>
#include <QString>

// The colour dialog of the property editor's colour rows. It carries the
// row it was opened for, so that the receiver of colorSelected() knows where
// the colour goes.
class MyColorDialog : public QColorDialog
{
    Q_OBJECT
public:
    explicit MyColorDialog(QWidget *parent = nullptr);
    explicit MyColorDialog(const QColor &initial, QWidget *parent = nullptr);

    int nRow = -1;
    int nClass = 0;
    QString key;
};
