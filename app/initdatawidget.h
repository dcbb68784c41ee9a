#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

// The panel of the start dialog: the language choice and the two buttons.
class InitDataWidget : public QWidget
{
    Q_OBJECT

public:
    explicit InitDataWidget(QWidget *parent = nullptr);
    ~InitDataWidget() override;

    // "进入系统": what Enter in the start dialog presses.
    QPushButton *enterButton() const { return m_initDataBtn; }

signals:
    void enter();
    void exit();

public slots:
    void onInitData();
    void onLanguageChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void retranslateUi();

    QLabel *m_label = nullptr;
    QComboBox *m_comboBox = nullptr;
    QPushButton *m_initDataBtn = nullptr;
    QPushButton *m_pushButton = nullptr;
};
