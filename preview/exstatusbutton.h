#pragma once

#include <QPixmap>
#include <QPushButton>
#include <QString>

class QPaintEvent;

// A button with two states, on (1) and off (0), each with its own colour or
// picture and its own text. It paints itself entirely from the set of the
// state it shows; a click flips the state and tells the page.
class ExStatusButton : public QPushButton
{
    Q_OBJECT

public:
    explicit ExStatusButton(QWidget *parent = nullptr);
    ~ExStatusButton() override;

    void setStyles(const QString &onBkColor, const QString &offBkColor, const QString &onImage,
                   const QString &offImage);
    // Sizes of 0 or less become 14.
    void setOnText(const QString &text, int fontSize, int bold, const QString &color);
    void setOffText(const QString &text, int fontSize, int bold, const QString &color);
    // Shows the set of the state without telling anyone.
    void setStatus(int status);
    void setRadius(int radius) { m_radius = radius; }

    int status() const { return m_status; }
    int radius() const { return m_radius; }
    QString currentText() const { return m_currentText; }
    QString currentTextColor() const { return m_currentTextColor; }
    QString currentBkColor() const { return m_currentBkColor; }
    int currentFontSize() const { return m_currentFontSize; }
    const QPixmap &currentPicture() const { return m_currentPicture; }

signals:
    void signalStatusChange(int);

public slots:
    void onClicked();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The state's text, colours and picture become the current ones.
    void showStatus(int status);

    QString m_onBkColor = QStringLiteral("#ffffff");
    QString m_onImage;
    QString m_offBkColor = QStringLiteral("#ecf5ff");
    QString m_offImage;
    int m_onFontSize = 12;
    int m_onBold = 0;
    QString m_onTextColor = QStringLiteral("#606266");
    QString m_onText;
    int m_offFontSize = 12;
    int m_offBold = 0;
    QString m_offTextColor = QStringLiteral("#409eff");
    QString m_offText;
    QPixmap m_currentPicture;
    QString m_currentBkColor = QStringLiteral("#ffffff");
    QString m_currentTextColor;
    QString m_currentText;
    // Those of the on set until a state is shown.
    int m_currentBold = 0;
    int m_currentFontSize = 12;
    int m_status = 1;
    int m_radius = 4;
};
