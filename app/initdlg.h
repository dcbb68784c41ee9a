#pragma once

#include <QDialog>
#include <QImage>

class InitDataWidget;

// The start dialog: the start picture with the language choice over it.
class InitDlg : public QDialog
{
    Q_OBJECT

public:
    explicit InitDlg(QWidget *parent = nullptr);

    InitDataWidget *dataWidget() const { return m_dataWidget; }

public slots:
    void onEnter();
    void onExit();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    InitDataWidget *m_dataWidget = nullptr;
    QImage m_background;
};
