#include "uivolumeslidercontrol.h"

#include "controls/audiovolume.h"
#include "controls/uicompositehelpers.h"
#include "core/jsonutils.h"

#include <QDebug>
#include <QJsonDocument>
#include <QVBoxLayout>

namespace {

// Keys whose edits are pushed into the slider together.
enum class SliderGroup { Direction, Range, Step, Label, Margins, Thumb, PressedThumb, Groove, ThumbPictures };

struct SliderKey {
    const char *key;
    SliderGroup group;
    int SliderSettings::*number;
    QString SliderSettings::*picture;
};

const SliderKey kSliderKeys[] = {
    {"direction", SliderGroup::Direction, &SliderSettings::direction, nullptr},
    {"min", SliderGroup::Range, &SliderSettings::minimum, nullptr},
    {"max", SliderGroup::Range, &SliderSettings::maximum, nullptr},
    {"step", SliderGroup::Step, &SliderSettings::step, nullptr},
    {"label_w", SliderGroup::Label, &SliderSettings::labelWidth, nullptr},
    {"label_h", SliderGroup::Label, &SliderSettings::labelHeight, nullptr},
    {"groove_margin_left", SliderGroup::Margins, &SliderSettings::grooveMarginLeft, nullptr},
    {"groove_margin_top", SliderGroup::Margins, &SliderSettings::grooveMarginTop, nullptr},
    {"groove_margin_right", SliderGroup::Margins, &SliderSettings::grooveMarginRight, nullptr},
    {"groove_margin_bottom", SliderGroup::Margins, &SliderSettings::grooveMarginBottom, nullptr},
    {"thumb_w", SliderGroup::Thumb, &SliderSettings::thumbWidth, nullptr},
    {"thumb_h", SliderGroup::Thumb, &SliderSettings::thumbHeight, nullptr},
    {"thumb_press_w", SliderGroup::PressedThumb, &SliderSettings::pressThumbWidth, nullptr},
    {"thumb_press_h", SliderGroup::PressedThumb, &SliderSettings::pressThumbHeight, nullptr},
    {"normal_groove_pic", SliderGroup::Groove, nullptr, &SliderSettings::normalGroovePicture},
    {"active_groove_pic", SliderGroup::Groove, nullptr, &SliderSettings::activeGroovePicture},
    {"normal_thumb_pic", SliderGroup::ThumbPictures, nullptr, &SliderSettings::normalThumbPicture},
    {"active_thumb_pic", SliderGroup::ThumbPictures, nullptr, &SliderSettings::activeThumbPicture},
};

// A missing key or one of the wrong type keeps what settings hold.
void readKey(const SliderKey &entry, const QJsonObject &source, SliderSettings &settings)
{
    const QString key = QLatin1String(entry.key);
    if (entry.number)
        jsonInt(source, key, &(settings.*entry.number));
    else
        jsonString(source, key, &(settings.*entry.picture));
}

const SliderKey *findKey(const QString &key)
{
    for (const SliderKey &entry : kSliderKeys) {
        if (key == QLatin1String(entry.key))
            return &entry;
    }
    return nullptr;
}

} // namespace

UIVolumeSliderControl::UIVolumeSliderControl(QWidget *parent)
    : UIBase(parent)
{
}

void UIVolumeSliderControl::initSlider(const QJsonObject &attributes, SliderSettings &settings)
{
    for (const SliderKey &entry : kSliderKeys)
        readKey(entry, attributes, settings);
}

void UIVolumeSliderControl::toScreen(SliderSettings &s) const
{
    for (int *margin : {&s.grooveMarginLeft, &s.grooveMarginTop, &s.grooveMarginRight, &s.grooveMarginBottom})
        *margin = scaledLength(*margin, m_zoomScale);
    // A negative size would only make the label widget complain.
    for (int *size : {&s.labelWidth, &s.labelHeight, &s.thumbWidth, &s.thumbHeight, &s.pressThumbWidth,
                      &s.pressThumbHeight})
        *size = qMax(0, scaledLength(*size, m_zoomScale));
    // Only the file name of a stored picture counts.
    for (QString *picture : {&s.normalGroovePicture, &s.activeGroovePicture, &s.normalThumbPicture,
                             &s.activeThumbPicture})
        *picture = imageFilePath(*picture);
}

void UIVolumeSliderControl::buildLayout()
{
    // Built once; a second call would leave a slider behind under the new one.
    if (m_slider)
        return;

    auto *column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    SliderSettings s;
    s.direction = m_direction;
    initSlider(m_attributes, s);
    toScreen(s);

    m_slider = new AudioVolume(this);
    m_slider->setMaximum(s.maximum);
    m_slider->setMinimum(s.minimum);
    m_slider->setStep(s.step);
    m_slider->setDirection(s.direction);
    m_slider->setLabelSize(s.labelWidth, s.labelHeight);
    m_slider->setThumbSize(s.thumbWidth, s.thumbHeight);
    m_slider->setPressedThumbSize(s.pressThumbWidth, s.pressThumbHeight);
    m_slider->setGrooveMargins(s.grooveMarginLeft, s.grooveMarginTop, s.grooveMarginRight, s.grooveMarginBottom);
    m_slider->setGroovePixmaps(s.normalGroovePicture, s.activeGroovePicture);
    m_slider->setThumbPixmaps(s.normalThumbPicture, s.activeThumbPicture);

    column->addWidget(m_slider);
    setLayout(column);
}

void UIVolumeSliderControl::applyAttributes(const QJsonObject &applied)
{
    applySliderAttributes(applied);
}

void UIVolumeSliderControl::applySliderAttributes(const QJsonObject &applied)
{
    qWarning().noquote() << QString::fromUtf8(QJsonDocument(applied).toJson(QJsonDocument::Compact));
    if (applied.isEmpty() || !m_slider)
        return;

    for (auto it = applied.constBegin(); it != applied.constEnd(); ++it) {
        const SliderKey *edited = findKey(it.key());
        if (!edited)
            continue;

        // The rest of the group from the stored object; the edited key only
        // from the edit itself, so a value of the wrong type there falls back
        // to the default rather than to its normalised copy.
        SliderSettings s;
        for (const SliderKey &entry : kSliderKeys) {
            if (entry.group == edited->group && &entry != edited)
                readKey(entry, m_attributes, s);
        }
        readKey(*edited, applied, s);
        toScreen(s);

        switch (edited->group) {
        case SliderGroup::Direction:
            m_slider->setDirection(s.direction);
            m_slider->update();
            break;
        case SliderGroup::Range:
            m_slider->setMaximum(s.maximum);
            m_slider->setMinimum(s.minimum);
            break;
        case SliderGroup::Step:
            m_slider->setStep(s.step);
            break;
        case SliderGroup::Label:
            m_slider->setLabelSize(s.labelWidth, s.labelHeight);
            break;
        case SliderGroup::Margins:
            m_slider->setGrooveMargins(s.grooveMarginLeft, s.grooveMarginTop, s.grooveMarginRight,
                                       s.grooveMarginBottom);
            break;
        case SliderGroup::Thumb:
            m_slider->setThumbSize(s.thumbWidth, s.thumbHeight);
            break;
        case SliderGroup::PressedThumb:
            m_slider->setPressedThumbSize(s.pressThumbWidth, s.pressThumbHeight);
            break;
        case SliderGroup::Groove:
            m_slider->setGroovePixmaps(s.normalGroovePicture, s.activeGroovePicture);
            break;
        case SliderGroup::ThumbPictures:
            m_slider->setThumbPixmaps(s.normalThumbPicture, s.activeThumbPicture);
            break;
        }
    }
    m_slider->update();
}
