#pragma once

#include "controls/baseitem.h"
#include "controls/cellbudget.h"
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

    ~UIListWidgetBase() override;

    void buildLayout() override;
    void applyAttributes(const QJsonObject &applied) override;

    // The number of cells the attributes ask for ("show_item_num", else 5).
    int itemCount() const;
    // How many of them the list can draw: one pixel for each cell and button
    // along its length inside the margins (at full size, within the page and
    // the widest page the designer makes), and never fewer than one. The
    // page's cell budget may grant fewer.
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

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void tearDown();
    BaseItem *newCell(const QJsonObject &style);
    QJsonObject cellStyle() const;
    QJsonObject captionStyle() const;
    void restyleCaptions(const QString &key, const QJsonValue &value);
    void restyleCells(const QString &key, const QJsonValue &value);
    // Narrows the spacing where the list is too short for it, so that every
    // entry keeps its pixel.
    void fitSpacing();
    // Pixels a cell needs along the list: a caption under it adds its gap.
    int cellLength() const;

    const ListTraits &m_traits;
    QList<QPointer<BaseItem>> m_cells;
    QList<QPointer<UILabel>> m_captions;
    QPointer<BaseItem> m_prevButton;
    QPointer<BaseItem> m_nextButton;
    QPointer<BaseItem> m_refreshButton;
    QPointer<CellBudget> m_budget;
    int m_cellsTaken = 0;
    int m_cellsWanted = 0;
};

// The cell style objects of a list control: every "item_", "prev_button_",
// "next_button_" or "refresh_button_" look key under its bare cell key.
void listItemStyle(const UIBase *control, QJsonObject &style);
void listPrevButtonStyle(const UIBase *control, QJsonObject &style);
void listNextButtonStyle(const UIBase *control, QJsonObject &style);
void listRefreshButtonStyle(const UIBase *control, QJsonObject &style);
