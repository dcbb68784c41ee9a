#include "expagewidget.h"

#include "core/jsonutils.h"
#include "preview/exaudiolabel.h"
#include "preview/exbuttonkinds.h"
#include "preview/eximglabel.h"
#include "preview/exlistbuilder.h"
#include "preview/expagebutton.h"
#include "preview/exqlabel.h"

#include <QDebug>

namespace {

// What sets one kind of plain run-time button apart from the others.
struct ExButtonKind {
    enum Option {
        SelfLocking = 0x01,   // "self_locking", and "m_group_id" only when that is 0
        Group = 0x02,         // "m_group_id" whatever else
        WordWrap = 0x04,      // "direction" above 0 stacks the text
        NoTextLayout = 0x08,  // text and picture always over the whole button
        PressText = 0x10,     // a pressed text of its own
        PageTarget = 0x20,    // "func_type" and "goto"
        HomeName = 0x40,      // object name "homebutton" whatever its "name"
        LogPicture = 0x80,    // the resolved picture goes to the debug stream
    };
    int typeId;
    ExQButton *(*make)(QWidget *parent);
    int defaultFontSize;      // what a missing "fontsize" counts as
    int options;
    const char *clickSlot;    // the host slot its click reaches, or none
    Qt::ConnectionType connection;
};

template <typename Button>
ExQButton *makeButton(QWidget *parent)
{
    return new Button(parent);
}

using K = ExButtonKind;

const ExButtonKind *buttonKind(int typeId)
{
    static const ExButtonKind kinds[] = {
        {6, &makeButton<ExCmdButton>, 14, K::SelfLocking | K::PressText, SLOT(slotCmdButtonSelect()),
         Qt::AutoConnection},
        {8, &makeButton<ExCmdPressButton>, 14, K::SelfLocking | K::PressText, nullptr, Qt::AutoConnection},
        {19, &makeButton<ExPageButton>, 14, K::PageTarget | K::LogPicture, SLOT(slotOnPageButtonClick()),
         Qt::AutoConnection},
        {21, &makeButton<ExOpenUrlButton>, 14, K::LogPicture, nullptr, Qt::AutoConnection},
        {22, &makeButton<ExOpenProcessButton>, 14, K::LogPicture, nullptr, Qt::AutoConnection},
        {55, &makeButton<ExPtzButton>, 0, 0, SLOT(slotOnPtzButtonClick()), Qt::AutoConnection},
        {58, &makeButton<ExKvmButton>, 0, K::WordWrap, nullptr, Qt::AutoConnection},
        {66, &makeButton<ExMeetingButton>, 14, K::Group | K::WordWrap | K::NoTextLayout, nullptr,
         Qt::AutoConnection},
        {61, &makeButton<ExMuxFeatureButton>, 14, K::Group | K::WordWrap, nullptr, Qt::AutoConnection},
        // The feature group's selection runs after the click has been handled.
        {20, &makeButton<ExFeatureButton>, 14, K::Group | K::WordWrap, SLOT(slotOnFeatureButtonClick()),
         Qt::QueuedConnection},
        {57, &makeButton<ExFeatureButton>, 14, K::Group | K::WordWrap, nullptr, Qt::AutoConnection},
        {5, &makeButton<ExHomeButton>, 0, K::HomeName, SLOT(slotOnHomeButtonClick()), Qt::AutoConnection},
        {23, &makeButton<ExToTopButton>, 0, 0, nullptr, Qt::AutoConnection},
        {25, &makeButton<ExBackgroundImageButton>, 14, K::LogPicture, nullptr, Qt::AutoConnection},
        {54, &makeButton<ExFilePageTurnButton>, 0, 0, SLOT(slotOnFilePageTurnButtonClick()),
         Qt::AutoConnection},
    };
    for (const ExButtonKind &kind : kinds) {
        if (kind.typeId == typeId)
            return &kind;
    }
    return nullptr;
}

} // namespace

ExPageWidget::Creator ExPageWidget::creatorOf(int typeId)
{
    struct Row {
        int typeId;
        Creator create;
    };
    // One row per kind this host builds besides the buttons of the button
    // table; a kind in neither is skipped.
    static const Row rows[] = {
        {1, &ExPageWidget::createImageLabel},
        {2, &ExPageWidget::createLabel},
        {4, &ExPageWidget::createAudioLabel},
    };
    if (buttonKind(typeId))
        return &ExPageWidget::createButton;
    if (ExListBuilder::builds(typeId, false))
        return &ExPageWidget::createListView;
    for (const Row &row : rows) {
        if (row.typeId == typeId)
            return row.create;
    }
    return nullptr;
}

bool ExPageWidget::hasCreator(int typeId)
{
    return creatorOf(typeId) != nullptr;
}

bool ExPageWidget::wire(const QObject *sender, const char *signal, const char *method, Qt::ConnectionType type)
{
    if (connect(sender, signal, this, method, type))
        return true;
    ++m_connectFailures;
    qWarning() << "ExPageWidget: connection refused" << sender->objectName() << signal << method;
    return false;
}

void ExPageWidget::registerElement(QWidget *widget, int typeId, const QString &name, const QString &ref)
{
    CtrlElement element;
    element.widget = widget;
    element.elementType = typeId;
    element.hostName = objectName();
    element.ref = ref;
    element.name = name;
    addElement(element);
    widget->show();
}

void ExPageWidget::createButton(const QJsonObject &record, int typeId)
{
    const ExButtonKind *kind = buttonKind(typeId);
    const ExStyleReader styles = reader();
    ExButtonStyle style;
    style.fontSize = kind->defaultFontSize;
    styles.readButtonStyle(record, &style);

    int selfLocking = 0;
    int groupId = 0;
    int radius = 0;
    if (kind->options & K::SelfLocking) {
        jsonInt(record, QStringLiteral("self_locking"), &selfLocking);
        if (selfLocking == 0)
            jsonInt(record, QStringLiteral("m_group_id"), &groupId);
    }
    if (kind->options & K::Group)
        jsonInt(record, QStringLiteral("m_group_id"), &groupId);
    jsonInt(record, QStringLiteral("borderRadius"), &radius);
    ExTextLayout layout;
    if (!(kind->options & K::NoTextLayout))
        styles.readTextLayout(record, &layout);

    ExQButton *button = kind->make(this);
    button->setDirection(layout.position, layout.textRatio, layout.pictureRatio);
    button->setObjectName((kind->options & K::HomeName) ? QStringLiteral("homebutton") : style.name);
    if (selfLocking > 0)
        button->setSelfLocking(selfLocking);
    else
        button->setGroupId(groupId);
    button->setImages(style.normalBkColor, style.pressBkColor, style.normalImage, style.pressImage);
    button->setTextStyle(style.text, style.fontSize, style.bold, style.normalColor, style.pressColor);
    if (kind->options & K::PressText)
        button->setPressText(style.pressText);
    if (kind->options & K::WordWrap)
        button->setWordWrap(style.direction);
    button->setRadius(radius);
    button->setGeometry(style.x, style.y, style.w, style.h);
    if (kind->options & K::PageTarget) {
        int functionType = 0;
        QString gotoPage;
        jsonInt(record, QStringLiteral("func_type"), &functionType);
        jsonString(record, QStringLiteral("goto"), &gotoPage);
        auto *pageButton = static_cast<ExPageButton *>(button);
        pageButton->setFunctionType(functionType);
        pageButton->setGotoPage(ExPageButton::targetPage(functionType, gotoPage));
    }
    if (kind->options & K::LogPicture)
        qDebug() << "normal_image_path: " << style.normalImage;
    if (kind->clickSlot)
        wire(button, SIGNAL(clicked()), kind->clickSlot, kind->connection);
    registerElement(button, typeId, style.name);
}

void ExPageWidget::createLabel(const QJsonObject &record, int typeId)
{
    const ExStyleReader styles = reader();
    ExButtonStyle style;
    styles.readButtonStyle(record, &style);
    int radius = 0;
    jsonInt(record, QStringLiteral("borderRadius"), &radius);
    ExTextLayout layout;
    styles.readTextLayout(record, &layout);

    auto *label = new ExQLabel(this);
    label->setDirection(layout.position, layout.textRatio, layout.pictureRatio);
    label->setObjectName(style.name);
    label->setBackground(style.normalBkColor, style.pressBkColor, style.normalImage, style.pressImage);
    label->setTextStyle(style.text, style.fontSize, style.bold, style.normalColor, style.pressColor);
    label->setRadius(radius);
    label->setGeometry(style.x, style.y, style.w, style.h);
    registerElement(label, typeId, style.name);
}

void ExPageWidget::createAudioLabel(const QJsonObject &record, int typeId)
{
    ExButtonStyle style;
    reader().readButtonStyle(record, &style);
    int radius = 0;
    jsonInt(record, QStringLiteral("borderRadius"), &radius);

    auto *label = new ExAudioLabel(this);
    label->setObjectName(style.name);
    label->setBackground(style.normalBkColor, style.pressBkColor, style.normalImage, style.pressImage);
    label->setTextStyle(style.text, style.fontSize, style.bold, style.normalColor, style.pressColor);
    label->setGeometry(style.x, style.y, style.w, style.h);
    label->setRadius(radius);
    registerElement(label, typeId, style.name);
}

void ExPageWidget::createImageLabel(const QJsonObject &record, int typeId)
{
    ExButtonStyle style;
    style.fontSize = 0;
    reader().readButtonStyle(record, &style);
    int radius = 0;
    jsonInt(record, QStringLiteral("borderRadius"), &radius);

    auto *label = new ExImgLabel(this);
    label->setObjectName(style.name);
    label->setGeometry(style.x, style.y, style.w, style.h);
    label->setImages(style.normalBkColor, style.pressBkColor, style.normalImage, style.pressImage, 0);
    label->setRadius(radius);
    registerElement(label, typeId, style.name);
}
