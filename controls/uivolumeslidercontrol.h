#pragma once

#include "controls/audiovolume.h"
#include "controls/uibase.h"

#include <QPointer>
#include <QString>

// What the slider keys of a control's attribute object say, in the units the
// slider takes: sizes already at the edit zoom, pictures as file paths.
struct SliderSettings {
    int direction = 0;
    int minimum = 0;
    int maximum = 100;
    int step = 1;
    int labelWidth = 24;
    int labelHeight = 12;
    int grooveMarginLeft = 0;
    int grooveMarginTop = 0;
    int grooveMarginRight = 0;
    int grooveMarginBottom = 2;
    int thumbWidth = 20;
    int thumbHeight = 20;
    int pressThumbWidth = 20;
    int pressThumbHeight = 20;
    QString normalGroovePicture;
    QString activeGroovePicture;
    QString normalThumbPicture;
    QString activeThumbPicture;
};

// The kinds that show one volume slider filling the control (the audio
// volume, the command slider and the media progress): one build and one
// update for all three.
class UIVolumeSliderControl : public UIBase
{
    Q_OBJECT
public:
    // Creates the slider from the attribute object and lays it out.
    void buildLayout() override;
    void applyAttributes(const QJsonObject &applied) override;

    // Reads the slider keys of an attribute object over the values that
    // settings hold on entry; sizes and pictures are taken as stored.
    static void initSlider(const QJsonObject &attributes, SliderSettings &settings);
    // Pushes the edited slider keys into the slider; each edited key brings
    // the rest of its group along from the attribute object.
    void applySliderAttributes(const QJsonObject &applied);

    AudioVolume *slider() const { return m_slider; }

protected:
    explicit UIVolumeSliderControl(QWidget *parent);

private:
    // Sizes at the edit zoom, picture names resolved against the file folder.
    void toScreen(SliderSettings &settings) const;

    QPointer<AudioVolume> m_slider;
};
