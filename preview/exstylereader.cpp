#include "exstylereader.h"

#include "core/fileutils.h"
#include "core/jsonutils.h"
#include "preview/exscale.h"

namespace {

void readDouble(const QJsonObject &record, const char *key, double *value)
{
    const QJsonValue found = record.value(QLatin1String(key));
    if (found.isDouble())
        *value = found.toDouble();
}

} // namespace

ExStyleReader::ExStyleReader(double scaleX, double scaleY, double fontFactor, const QString &basePath,
                             bool readsPressText)
    : m_scaleX(scaleX)
    , m_scaleY(scaleY)
    , m_fontFactor(fontFactor)
    , m_basePath(basePath)
    , m_readsPressText(readsPressText)
{
}

QString ExStyleReader::resolveImagePath(const QString &basePath, const QString &name)
{
    const QString file = fileNameOfPath(name);
    if (file.isEmpty())
        return QString();
    return basePath + QLatin1Char('/') + file;
}

void ExStyleReader::readButtonStyle(const QJsonObject &record, ExButtonStyle *style) const
{
    jsonStrings(record, {{"name", &style->name}, {"text", &style->text}});
    if (m_readsPressText)
        jsonString(record, QStringLiteral("pressText"), &style->pressText);
    jsonStrings(record, {{"normalColor", &style->normalColor},
                         {"pressColor", &style->pressColor},
                         {"normalBkColor", &style->normalBkColor},
                         {"pressBkColor", &style->pressBkColor},
                         {"normal_image_path", &style->normalImage},
                         {"press_image_path", &style->pressImage}});
    jsonInts(record, {{"x", &style->x},
                      {"y", &style->y},
                      {"w", &style->w},
                      {"h", &style->h},
                      {"fontsize", &style->fontSize},
                      {"bold", &style->bold},
                      {"direction", &style->direction}});
    style->normalImage = resolveImagePath(style->normalImage);
    style->pressImage = resolveImagePath(style->pressImage);
    style->x = scaledInt(style->x, m_scaleX);
    style->y = scaledInt(style->y, m_scaleY);
    style->w = scaledInt(style->w, m_scaleX);
    style->h = scaledInt(style->h, m_scaleY);
    style->fontSize = scaledInt(style->fontSize, m_fontFactor);
}

void ExStyleReader::readTextLayout(const QJsonObject &record, ExTextLayout *layout) const
{
    jsonInt(record, QStringLiteral("text_position"), &layout->position);
    readDouble(record, "text_radio", &layout->textRatio);
    readDouble(record, "bg_radio", &layout->pictureRatio);
}

void ExStyleReader::readColourSet(const QJsonObject &record, const QString &prefix, ExColourSet *set) const
{
    jsonString(record, prefix + QLatin1String("normalColor"), &set->normalColor);
    jsonString(record, prefix + QLatin1String("pressColor"), &set->pressColor);
    jsonString(record, prefix + QLatin1String("normalBkColor"), &set->normalBkColor);
    jsonString(record, prefix + QLatin1String("pressBkColor"), &set->pressBkColor);
    jsonString(record, prefix + QLatin1String("normal_image_path"), &set->normalImage);
    jsonString(record, prefix + QLatin1String("press_image_path"), &set->pressImage);
    set->normalImage = resolveImagePath(set->normalImage);
    set->pressImage = resolveImagePath(set->pressImage);
}

void ExStyleReader::readItemStyle(const QJsonObject &record, ExColourSet *set) const
{
    readColourSet(record, QStringLiteral("item_"), set);
}

void ExStyleReader::readNextButtonStyle(const QJsonObject &record, ExColourSet *set) const
{
    readColourSet(record, QStringLiteral("next_button_"), set);
}

void ExStyleReader::readPrevButtonStyle(const QJsonObject &record, ExColourSet *set) const
{
    readColourSet(record, QStringLiteral("prev_button_"), set);
}

void ExStyleReader::readRefreshButtonStyle(const QJsonObject &record, ExColourSet *set) const
{
    readColourSet(record, QStringLiteral("refresh_button_"), set);
}

void ExStyleReader::readListButtonStyle(const QJsonObject &record, ExListButtonStyle *style) const
{
    jsonInts(record, {{"layoutDirection", &style->layoutDirection}, {"btn_w", &style->width}});
    style->width = widgetLength(style->width);
    jsonStrings(record, {{"ref", &style->ref}, {"btn_text", &style->text}});
    readColourSet(record, QStringLiteral("btn_"), &style->colours);
}

void ExStyleReader::readSliderStyle(const QJsonObject &record, ExSliderStyle *style) const
{
    jsonInts(record, {{"label_w", &style->labelWidth},
                      {"label_h", &style->labelHeight},
                      {"min", &style->minimum},
                      {"max", &style->maximum},
                      {"step", &style->step},
                      {"direction", &style->direction},
                      {"thumb_w", &style->thumbWidth},
                      {"thumb_h", &style->thumbHeight},
                      {"groove_margin_left", &style->grooveLeft},
                      {"groove_margin_top", &style->grooveTop},
                      {"groove_margin_right", &style->grooveRight},
                      {"groove_margin_bottom", &style->grooveBottom},
                      {"thumb_press_w", &style->thumbPressWidth},
                      {"thumb_press_h", &style->thumbPressHeight}});
    jsonStrings(record, {{"normal_groove_pic", &style->normalGroove},
                         {"active_groove_pic", &style->activeGroove},
                         {"normal_thumb_pic", &style->normalThumb},
                         {"active_thumb_pic", &style->activeThumb}});
    style->labelWidth = widgetLength(style->labelWidth);
    style->labelHeight = widgetLength(style->labelHeight);
    for (QString *picture : {&style->normalGroove, &style->activeGroove, &style->normalThumb, &style->activeThumb})
        *picture = resolveImagePath(*picture);
    for (int *horizontal : {&style->grooveLeft, &style->grooveRight, &style->thumbWidth, &style->thumbPressWidth})
        *horizontal = scaledInt(*horizontal, m_scaleX);
    for (int *vertical : {&style->grooveTop, &style->grooveBottom, &style->thumbHeight, &style->thumbPressHeight})
        *vertical = scaledInt(*vertical, m_scaleY);
}

void ExStyleReader::readWallGrid(const QJsonObject &record, ExWallGrid *grid) const
{
    grid->standard = 1;
    const QJsonValue layout = record.value(QLatin1String("grid_layout"));
    if (!layout.isObject())
        return;
    const QJsonObject object = layout.toObject();
    jsonInts(object, {{"standard", &grid->standard},
                      {"gridmode", &grid->gridMode},
                      {"row", &grid->rows},
                      {"col", &grid->cols},
                      {"tw", &grid->totalWidth},
                      {"th", &grid->totalHeight},
                      {"walltype", &grid->wallType}});
    jsonRect(object, QStringLiteral("rect"), &grid->rects);
}
