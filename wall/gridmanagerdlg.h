#pragma once

#include "wall/gridtemplate.h"

#include <QDialog>
#include <QJsonArray>
#include <QMap>
#include <QVector>

class GridVirWall;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;

// The editor of the grid templates of the current language: lists, creates,
// divides, saves and deletes them. Every save and delete is written to the
// template file at once; the caller reads m_templates after an Accepted run.
class GridManagerDlg : public QDialog
{
    Q_OBJECT

public:
    explicit GridManagerDlg(QWidget *parent = nullptr);
    ~GridManagerDlg() override;

    // Fills the table from the templates; an empty array changes nothing.
    void loadTemplates(const QJsonArray &templates);

    // The array last loaded, with every later save and delete applied.
    QJsonArray m_templates;

public slots:
    void onRowChange(int value);
    void onColChange(int value);
    void onTwChange(int value);
    void onThChange(int value);
    void onCheckBokChange(int val);
    void onAdd();
    void onRemove();
    void onAddRect();
    void onCancel();
    void onClear();
    void onSetMark();
    void onSplitCell();
    void onDelCell();
    void onTableWidgetHeadClicked(int col);
    void onCellItemClicked(QTableWidgetItem *item);

private slots:
    // A click is handled from the event loop, by position: the item itself
    // may be gone by then.
    void slotItemClicked(QTableWidgetItem *item);
    void chooseItemAt(int row, int column);

private:
    void setupUi();
    void retranslateUi();
    void connectSignals();
    void connectGridSpinBoxes(Qt::ConnectionType type);
    void disconnectGridSpinBoxes();
    QSpinBox *spinBox(const char *objectName) const;

    // Loading, empty array included: the table, the records and the kept
    // array are rebuilt from it.
    void fillTemplates(QJsonArray templates);
    int recordIndexOfId(int id) const;
    int recordIndexOfRow(int row) const;
    bool saveTemplate(const GridTemplate &record, const QVector<GridCell> &cells, bool existing);
    // Writes the kept array; on failure tells the user and puts the
    // previous array back.
    bool writeTemplates(const QJsonArray &previous);
    void resetRegularGrid();

    GridVirWall *m_wall = nullptr;
    QTableWidget *m_table = nullptr;
    QCheckBox *m_customCheck = nullptr;
    QGroupBox *m_listGroup = nullptr;
    QGroupBox *m_configGroup = nullptr;
    QLabel *m_splitLabel = nullptr;
    QPushButton *m_removeButton = nullptr;
    QPushButton *m_addRectButton = nullptr;
    QPushButton *m_splitButton = nullptr;
    QPushButton *m_delCellButton = nullptr;
    QPushButton *m_setMarkButton = nullptr;
    QPushButton *m_clearButton = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_cancelButton = nullptr;

    // One record per table row, and where in m_templates it came from.
    QVector<GridTemplate> m_records;
    QVector<int> m_positions;
    // Cells of custom templates by id.
    QMap<int, QVector<GridCell>> m_cells;
    int m_maxId = 0;
    bool m_allChecked = false;
    // A template was chosen from the table during this run, and its id.
    bool m_templateChosen = false;
    int m_chosenId = -1;
};
