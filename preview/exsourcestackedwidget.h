#pragma once

#include <QStackedWidget>
#include <QString>

class QPaintEvent;

// A source view: the source tiles on page 0 and the source tree on page 1.
// A search reaches the page shown; a source page-turn button switches pages.
class ExSourceStackedWidget : public QStackedWidget
{
    Q_OBJECT

public:
    explicit ExSourceStackedWidget(QWidget *parent = nullptr);
    ~ExSourceStackedWidget() override;

    void setBackgroundColor(const QString &color);
    QString backgroundColor() const { return m_bkColor; }

public slots:
    void onSearch(QString text);
    // An index that names no page changes nothing.
    void onChnageIndex(int index);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_bkColor;
};
