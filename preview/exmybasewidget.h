#pragma once

#include <QWidget>

// The common base of the preview's list views: the source tiles, the source
// tree and the scene list, each of which filters itself by a search text.
class ExMyBaseWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ExMyBaseWidget(QWidget *parent = nullptr);
    ~ExMyBaseWidget() override;

    virtual void searchText(QString text) = 0;
};
