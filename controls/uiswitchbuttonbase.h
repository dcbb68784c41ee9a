#pragma once

#include "controls/uibase.h"

#include <QPainterPath>
#include <QString>

// The two kinds drawn as a slide switch: a capsule track, a round knob and a
// short caption beside the knob. On the canvas the switch always shows its
// unchecked state; only the colours and captions follow the attributes.
class UISwitchButtonBase : public UIBase
{
    Q_OBJECT
public:
    // Loads the eight switch strings from the attribute object; a missing one
    // becomes empty (no caption, an invalid colour).
    void initSwitch();
    // Takes over those of the eight keys the object holds as strings.
    void applySwitchAttributes(const QJsonObject &applied);

    // The factory's set-up step and the page's update after an edit.
    void buildLayout() override;
    void applyAttributes(const QJsonObject &applied) override;

    int space() const { return m_space; }
    bool isChecked() const { return m_checked; }
    int knobX() const { return m_knobX; }
    QString bgOnColor() const { return m_bgOnColor; }
    QString bgOffColor() const { return m_bgOffColor; }
    QString sliderOnColor() const { return m_sliderOnColor; }
    QString sliderOffColor() const { return m_sliderOffColor; }
    QString textOnColor() const { return m_textOnColor; }
    QString textOffColor() const { return m_textOffColor; }
    QString onText() const { return m_onText; }
    QString offText() const { return m_offText; }

    // Geometry of the drawing, in the widget's pixels.
    QPainterPath trackPath() const;
    QRect captionRect() const;
    QRect knobRect() const;

public slots:
    void setSpace(int space);
    void setChecked(bool checked);

protected:
    UISwitchButtonBase(QWidget *parent, bool framesSelection);
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_framesSelection;

    int m_space = 2;
    bool m_checked = false;
    QString m_bgOnColor = QStringLiteral("#159C77");
    QString m_bgOffColor = QStringLiteral("#6F7A7E");
    QString m_sliderOnColor = QStringLiteral("#FFFFFF");
    QString m_sliderOffColor = QStringLiteral("#FFFFFF");
    QString m_textOnColor = QStringLiteral("#FFFFFF");
    QString m_textOffColor = QStringLiteral("#FFFFFF");
    QString m_onText = QStringLiteral("on");
    QString m_offText = QStringLiteral("off");
    int m_knobX = 0;

    friend struct SwitchKeyTable;
};
