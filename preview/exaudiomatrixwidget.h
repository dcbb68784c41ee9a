#pragma once

#include <QVector>
#include <QWidget>

class ExQButton;
class QLayout;
class QTableWidget;

// The preview's audio routing matrix: a fixed grid of 5 inputs by 5 outputs
// whose crosspoints are toggle buttons, a header cell per input and output
// with its three port kinds, and a corner cell. It only changes its look.
class ExAudioMatrixWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ExAudioMatrixWidget(QWidget *parent = nullptr);
    ~ExAudioMatrixWidget() override;

    // Tears the layout and its widgets down (see controls/layoutclearing.h).
    static void clearLayout(QLayout *layout);

    // The second picture has no effect.
    void setButtonImages(const QString &normalImage, const QString &second, const QString &pressImage);
    void setButtonText(const QString &text, int fontSize, int bold, const QString &color,
                       const QString &pressColor);
    void setCornerStyle(int pixelSize, const QString &image, const QString &color);
    // The third argument has no effect.
    void setHeaderStyle(int fontSize, const QString &image, const QString &third, const QString &color);

    // The style sheet every header cell gets.
    static QString headerStyleSheet(int fontSize, const QString &image, const QString &color);

    QTableWidget *table() const { return m_table; }
    const QVector<ExQButton *> &crosspoints() const { return m_buttons; }

public slots:
    void onToggleBtnClicked();

private:
    void buildTable();
    QWidget *createOutputHeader(int output);
    QWidget *createInputHeader(int input);
    QWidget *createHeader(const QString &caption);

    QTableWidget *m_table = nullptr;
    QVector<ExQButton *> m_buttons;
    int m_columnCount = 6;
    int m_rowCount = 6;
};
