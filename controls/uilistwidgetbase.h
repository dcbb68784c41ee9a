#pragma once

#include "controls/baseitem.h"
#include "controls/plaincontrols.h"
#include "controls/uibase.h"

#include <QList>
#include <QPointer>

// The panel's paged lists on the canvas (play, PPT and screen-group buttons,
// source tabs, scenes): numbered placeholder cells between a previous-page
// and a next-page button, in a row or a column. The members differ only in
// the data of their ListTraits.
class UIListWidgetBase : public UIBase
{
    Q_OBJECT
public:
    // Where the cells take their look from.
    enum class CellStyle { ItemLook, ItemBackgroundOnly };
    // Where the captions under the cells take their colours from.
    enum class CaptionColours { None, ControlColours, ItemColours };

    struct ListTraits {
        const char *context;       // translation context of the texts below
        const char *cellText;      // prefix of the numbered cell texts; null for none
        bool cellTextTranslated;
        const char *captionText;   // prefix of the numbered captions; null for no captions
        bool refreshButton;
        int rowMargin;
        int rowSpacing;
        int columnMargin;
        int columnSpacing;
        CellStyle cellStyle;
        CaptionColours captionColours;
    };

    void buildLayout() override;
    void applyAttributes(const QJsonObject &applied) override;

    // The number of cells the attributes ask for ("show_item_num", else 5).
    int itemCount() const;
    // How many of them are built: no more than fit into the list's length
    // (within the page, and the widest page the designer makes) with at
    // least one pixel each, and never fewer than one.
    int cellsToBuild() const;

    QList<BaseItem *> cells() const;
    QList<UILabel *> captions() const;
    BaseItem *prevButton() const { return m_prevButton; }
    BaseItem *nextButton() const { return m_nextButton; }
    BaseItem *refreshButton() const { return m_refreshButton; }

protected:
    UIListWidgetBase(QWidget *parent, const ListTraits &traits);

    // Takes the children apart and forgets them all, then builds again.
    void rebuildLayout();

private:
    void tearDown();
    BaseItem *newCell(const QJsonObject &style);
    QJsonObject cellStyle() const;
    QJsonObject captionStyle() const;
    void restyleCaptions(const QString &key, const QJsonValue &value);
    void restyleCells(const QString &key, const QJsonValue &value);

    const ListTraits &m_traits;
    QList<QPointer<BaseItem>> m_cells;
    QList<QPointer<UILabel>> m_captions;
    QPointer<BaseItem> m_prevButton;
    QPointer<BaseItem> m_nextButton;
    QPointer<BaseItem> m_refreshButton;
};

// The cell style objects of a list control: every "item_", "prev_button_",
// "next_button_" or "refresh_button_" look key under its bare cell key.
void listItemStyle(const UIBase *control, QJsonObject &style);
void listPrevButtonStyle(const UIBase *control, QJsonObject &style);
void listNextButtonStyle(const UIBase *control, QJsonObject &style);
void listRefreshButtonStyle(const UIBase *control, QJsonObject &style);
