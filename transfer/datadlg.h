#pragma once

#include <QDialog>

class DataManager;
class QHBoxLayout;

// The modal dialog of the transfer page.
class DataDlg : public QDialog
{
    Q_OBJECT

public:
    explicit DataDlg(QWidget *parent = nullptr);
    ~DataDlg() override;

    DataManager *dataManager() const { return m_widget; }

public slots:
    // Escape and the window's close: while an upload runs, only once the
    // user has agreed to stop it.
    void reject() override;

private:
    QHBoxLayout *m_horizontalLayout = nullptr;
    DataManager *m_widget = nullptr;
};
