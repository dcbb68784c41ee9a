#pragma once

#include "properties/pages/propertypages.h"
#include "properties/propertyrowdesc.h"
#include "properties/propertytypes.h"

#include <QColor>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QVector>
#include <QWidget>

#include <functional>

class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QShowEvent;
class QTableWidget;
class QTextEdit;
class QVBoxLayout;

// The property panel: one two-column table (label | editor) in which the rows
// of every control kind live side by side. A kind's rows are built from its
// page description the first time a page or control of that kind is shown,
// registered under its nClass, and from then on only hidden, shown and
// refilled. Every committed edit leaves as {key: value} for the page or
// control on view, which turns it into one undo step.
class PropertyWidget : public QWidget
{
    Q_OBJECT

public:
    explicit PropertyWidget(QWidget *parent = nullptr);
    ~PropertyWidget() override;

    // Makes control the one on view and shows the rows of nClass, built on
    // first use, filled from data.
    void showProperty(QWidget *control, int nClass, const QJsonObject &data);
    // Refills the rows only when control is on view and nClass has rows.
    void refreshProperty(QWidget *control, int nClass, const QJsonObject &data);
    // Refills the rows of nClass whatever control is on view (format painter).
    void updateProperty(QWidget *control, int nClass, const QJsonObject &data);
    // Forgets the control on view and hides every row. The argument is kept
    // for the callers and has no effect.
    void hideProperty(int mode = 1);
    // Shows the rows of nClass and sets each editor from data without
    // committing anything; a kind without rows is left alone.
    void fillProperty(int nClass, const QJsonObject &data);
    // Builds the page of nClass; a kind without a page gets nothing.
    void createProperty(int nClass);
    // Sends an edit of a row of nClass to the page or control on view.
    void applyToCurrentControl(int nClass, const QJsonObject &values);
    // Commits what was typed into the row holding the focus and not yet
    // committed, to the control on view; before an undo, a save, a close.
    void commitPendingEdit();

    // Row operations: each appends one row and registers it under nClass.
    // Labels and texts arrive translated.
    void addHeaderRow(int nClass, const QString &title, const QString &text);
    void addReadOnlyRow(int nClass, const QString &key, const QString &label, const QString &text);
    void addTextRow(int nClass, const QString &key, const QString &label, const QString &text, bool editable);
    void addIntRow(int nClass, const QString &key, const QString &label, const QString &text, bool editable,
                   int min, int max);
    void addPlainIntRow(int nClass, const QString &key, const QString &label, const QString &text, bool editable);
    void addRealRow(int nClass, const QString &key, const QString &label, const QString &text, bool editable);
    void addChoiceRow(int nClass, const QString &key, const QString &label, const QVector<PropertyOption> &options,
                      int index, bool editable);
    void addColorRow(int nClass, const QString &key, const QString &label, const QString &text);
    void addImageRow(int nClass, const QString &key, const QString &label, const QString &text);
    // The dialog rows keep their value in the button's record; a click opens
    // the row's dialog, and what it returns on acceptance is one commit.
    void addFeedbackRow(int nClass, const QString &key, const QString &label, const QString &buttonText,
                        const QJsonObject &feedback);
    void addCommandListRow(int nClass, const QString &key, const QString &label, const QJsonArray &commands);
    void addKeyListRow(int nClass, const QString &key, const QString &label, const QJsonArray &keys);
    void addGridLayoutRow(int nClass, const QString &key, const QString &label, const QJsonArray &layouts);
    void registerRow(int nClass, int row);

    // Appends a whole page: its head, then its rows, runs spliced in.
    void buildPage(const PropertyPageDesc &page);

    QWidget *currentControl() const { return m_currentControl; }
    // The kind whose rows are on view, -1 when idle.
    int shownClass() const { return m_currentControl ? m_currentClass : -1; }
    QTableWidget *tableWidget() const { return m_tableWidget; }
    bool hasPage(int nClass) const { return m_pageRows.contains(nClass); }
    QVector<int> pageRows(int nClass) const { return m_pageRows.value(nClass); }
    // The first row of nClass's page with that key, or -1.
    int rowOf(int nClass, const QString &key) const;
    // The editor recorded on a row's label item, or null.
    QWidget *editorAt(int row) const;
    // The colour the colour dialog of a key opens on.
    QString rememberedColour(const QString &key) const;

signals:
    // Declared for the mediator to connect; never emitted, since every edit
    // goes to the control on view through applyToCurrentControl.
    void signalUiWidgetDataChange(int nClass, void *pControl, QString key, QJsonValue value);

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void onNumberEditLineFinished();
    void onDoubelEditLineFinished();
    void onNumberEditRefused();
    void onTextEditLineFinished();
    void onComboBoxChanged(int index);
    void onComboBoxGridSettinngChanged(int index);
    void onBtnColorClicked();
    void onColorSelected(const QColor &colour);
    void onBtnClearColorClicked();
    void onBtnImgClicked();
    void onBtnClearImgClicked();
    void onBtnCustomLayoutClicked();
    void onBtnFeedBackClicked();
    void onBtnMoreCmdClicked();
    void onBtnMouseKeyClicked();

private:
    // How a row is filled and what its editor is; the label item carries the
    // same for the slots.
    struct RowRecord {
        PropertyRowOp op;
        QString key;
        QWidget *editor; // null on header and type rows
        // What the panel last put into a line or text editor: the row holds
        // typing, and commits, only while its editor shows something else.
        QString filled;
        bool switchCaption = false; // shows switchOnCaption() in place of "text"
    };

    // The page or control on view when a dialog row's button was pressed:
    // what its dialog returns goes there, whatever is on view by then.
    struct DialogTarget {
        QPointer<QWidget> control;
        int nClass;
    };

    // The page builders, one per kind that has a page; each builds the
    // page that its kind's description holds.
#define PROPERTY_DECLARE_BUILDER(nClass, builder) void builder();
    PROPERTY_PAGE_BUILDERS(PROPERTY_DECLARE_BUILDER)
#undef PROPERTY_DECLARE_BUILDER
    void buildKind(int nClass);

    void setupUi();
    // The edit of applyToCurrentControl, for a given page or control.
    void applyToControl(QWidget *control, int controlClass, int nClass, const QJsonObject &values);
    static bool changesNothing(QWidget *target, const QJsonObject &values);
    QJsonObject shownAttributes() const;
    void commitNumber(QLineEdit *edit);
    void commitText(QTextEdit *edit);
    DialogTarget dialogTarget() const { return {m_currentControl, m_currentClass}; }
    // Commits to a dialog's target; false, committing nothing, when the target
    // has gone (closed, or taken off its page) or the row is another kind's.
    bool applyToTarget(const DialogTarget &target, int nClass, const QJsonObject &values);
    bool isOnView(const DialogTarget &target) const;
    // The command and key rows: `edit` runs its modal dialog on the row's
    // array and, when accepted, fills the result, which goes to the target.
    using ArrayEditor = std::function<bool(int nClass, const QJsonArray &array, QJsonArray *result)>;
    void editArrayRow(const ArrayEditor &edit);
    // The names of the layouts that have one, each item holding its index.
    static void fillLayoutNames(QComboBox *combo, const QJsonArray &layouts);
    void addRows(int nClass, const PropertyRowDesc *rows, int count);
    void addRow(int nClass, const PropertyRowDesc &row);
    // Steps shared by every row but the header: insert the row, put the
    // cell in column 1 and the label item in column 0, record and register it.
    int beginRow(int height);
    void finishRow(int nClass, int row, const QString &key, const QString &label, QWidget *cell, QWidget *editor,
                   int kind, PropertyRowOp op);
    QWidget *editorCell(QWidget *editor, bool spacer, QHBoxLayout **layout = nullptr);
    QWidget *buttonRow(int nClass, int row, const QString &key, const QString &caption, const QJsonObject &obj,
                       const QJsonArray &arr);
    void pickerRow(int nClass, const QString &key, const QString &label, const QString &text, PropertyRowOp op);
    void fillRow(int row, const QJsonObject &data);
    // The text a line or text editor shows; no other editor is typed into.
    static QString editorText(const QWidget *editor);
    bool holdsTyping(int row) const;
    void showRow(int row, bool shown);
    void hideAllRows();
    // Takes the keyboard focus from an editor of the table, so that the edit
    // it ends finds no control on view and commits nothing.
    void dropEditorFocus();
    // The text edit of a colour or image row, by the record of a button.
    QWidget *rowTextEdit(int row) const;
    QString &colourMemory(const QString &key);
    QString translated(const char *text) const;

    QVBoxLayout *m_verticalLayout = nullptr;
    QTableWidget *m_tableWidget = nullptr;
    QPointer<QWidget> m_currentControl;
    int m_currentClass = -1;
    QMap<int, QVector<int>> m_pageRows;
    QVector<RowRecord> m_rows;
    // Which rows are shown, so hiding costs the rows on view, not the table.
    QVector<bool> m_rowShown;
    QVector<int> m_shownRows;
    QString m_lastNormalBkColor;
    QString m_lastNormalColor;
    QString m_lastPressBkColor;
    QString m_lastPressColor;
    QString m_lastOtherColor;
};
