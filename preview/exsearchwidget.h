#pragma once

#include <QString>
#include <QWidget>

class ExQButton;
class QLineEdit;

// A search box: a line edit with a clear action and a search button. The
// button searches; typing does not, but emptying the edit searches for all.
class ExSearchWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ExSearchWidget(QWidget *parent = nullptr);
    ~ExSearchWidget() override;

    // 0: button left of the edit, 1: edit left of the button; other values
    // lay nothing out.
    void setArrangement(int arrangement);
    // Above 0: the button's fixed width.
    void setButtonWidth(int width);
    void setButtonText(const QString &text, int fontSize, int bold, const QString &normalColor,
                       const QString &pressColor);
    void setButtonImages(const QString &normalBkColor, const QString &pressBkColor, const QString &normalImage,
                         const QString &pressImage, int unused);

    QLineEdit *edit() const { return m_edit; }
    ExQButton *button() const { return m_button; }
    QAction *clearAction() const { return m_clearAction; }
    int arrangement() const { return m_arrangement; }

signals:
    void signalSearch(QString text);

public slots:
    void slotTextChanged(QString text);
    void slotOperateActTrigged();
    void onSearchBtnClicked();

private:
    QLineEdit *m_edit = nullptr;
    ExQButton *m_button = nullptr;
    QAction *m_clearAction = nullptr;
    int m_arrangement = -1;
};
