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

private:
    QHBoxLayout *m_horizontalLayout = nullptr;
    DataManager *m_widget = nullptr;
};
