#pragma once

#include <QPixmap>
#include <QPushButton>
#include <QRect>
#include <QString>

class QPaintEvent;

// The button of the run-time preview. It draws itself completely: a colour or
// a picture in its picture area and a text in its text area, placed by a
// layout code and two ratios. Pressing shows the pressed look; the page gives
// it the selected look through onSelect(). A button with a group keeps the
// pressed look after release until its page deselects it.
class ExQButton : public QPushButton
{
    Q_OBJECT

public:
    explicit ExQButton(QWidget *parent = nullptr);
    ~ExQButton() override;

    // A panel's buttons answer touches only. Inside the preview dialog a
    // clicked button would keep the focus and become its default button, so
    // that Enter or Space pressed it again.
    static void answerTouchesOnly(QPushButton *button);

    void setTextStyle(const QString &text, int fontSize, int bold, const QString &normalColor,
                      const QString &pressColor);
    void setImages(const QString &normalBkColor, const QString &pressBkColor, const QString &normalImage,
                   const QString &pressImage);
    // Takes effect only after setTextStyle, which resets the pressed text.
    void setPressText(const QString &text);
    // Ratios outside (0, 1] keep the previous ones.
    void setDirection(int code, double textRatio, double pictureRatio);
    void setRadius(int radius) { m_radius = radius; }
    void setGroupId(int groupId) { m_groupId = groupId; }
    void setSelfLocking(int selfLocking) { m_selfLocking = selfLocking; }
    // Above 0: the text is drawn one character per line.
    void setWordWrap(int value) { m_verticalText = value > 0 ? 1 : 0; }
    // False: the picture keeps its aspect ratio inside the picture area.
    void setStretchPicture(bool stretch) { m_stretchPicture = stretch; }

    int groupId() const { return m_groupId; }
    int selfLocking() const { return m_selfLocking; }
    bool isSelected() const { return m_selected; }
    int radius() const { return m_radius; }
    int verticalText() const { return m_verticalText; }
    int fontSize() const { return m_fontSize; }
    int bold() const { return m_bold; }
    int layoutCode() const { return m_layoutCode; }
    double textRatio() const { return m_textRatio; }
    double pictureRatio() const { return m_pictureRatio; }
    QString currentText() const { return m_currentText; }
    QString currentTextColor() const { return m_currentTextColor; }
    QString currentBkColor() const { return m_currentBkColor; }
    const QPixmap &currentPicture() const { return m_currentPicture; }
    // The font the text is painted in: the application font at the font
    // size times the screen's fit scale.
    QFont paintFont() const;

    // The picture and text areas for the current size and layout; layout
    // code 0 resets both ratios to 1.0.
    void layoutRects(QRect *picture, QRect *text);

signals:
    void signalOnPress();
    void signalOnRelease();

public slots:
    void onPress();
    void onRelease();
    void onSelect(bool bFlag);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The normal or the pressed colours and picture.
    void showLook(bool pressed);

    bool m_pressing = false;
    bool m_releasing = false;
    QPixmap m_currentPicture;
    QString m_normalBkColor = QStringLiteral("#ffffff");
    QString m_currentBkColor = m_normalBkColor;
    QString m_pressBkColor = QStringLiteral("#ecf5ff");
    QString m_normalImage;
    QString m_pressImage;
    int m_selfLocking = 0;
    int m_groupId = 0;
    int m_verticalText = 0;
    // Before setTextStyle: the size a size below 1 would become, plain
    // weight and the normal text colour.
    int m_fontSize = 14;
    int m_bold = 0;
    int m_radius = 0;
    bool m_stretchPicture = true;
    bool m_selected = false;
    QString m_normalTextColor = QStringLiteral("#606266");
    QString m_pressTextColor = QStringLiteral("#409eff");
    QString m_currentTextColor = m_normalTextColor;
    QString m_currentText;
    QString m_normalText;
    QString m_pressText;
    int m_layoutCode = 0;
    double m_textRatio = 1.0;
    double m_pictureRatio = 1.0;
};
