#pragma once

#include "preview/exmybasewidget.h"

#include <QString>

#include <limits>

class ExQButton;
class ExQLabel;
class QListWidget;
class QListWidgetItem;

// What the source tiles and the scene list share: a row (or column) of tiles,
// each a picture above its caption, between a previous-page and a next-page
// button, sized so that one page of tiles fills the list.
class ExTileListFrame : public ExMyBaseWidget
{
    Q_OBJECT

public:
    // The list role that holds a row's caption label.
    static const int CaptionRole;

    explicit ExTileListFrame(QWidget *parent = nullptr);
    ~ExTileListFrame() override;

    void setFrameSize(int w, int h);
    void initLayout(int direction);
    void setPageButtonSize(int size) { m_pageButtonSize = size; }
    // For the rows built after it: at most this many.
    void setRowLimit(int rows) { m_rowLimit = rows; }
    // The page buttons show colours and pictures only: the text is not used.
    void setPrevButtonText(const QString &text, const QString &normalColor, const QString &pressColor);
    void setNextButtonText(const QString &text, const QString &normalColor, const QString &pressColor);
    void setPrevButtonImages(const QString &normalBkColor, const QString &pressBkColor, const QString &normalImage,
                             const QString &pressImage);
    void setNextButtonImages(const QString &normalBkColor, const QString &pressBkColor, const QString &normalImage,
                             const QString &pressImage);

    QListWidget *list() const { return m_list; }
    ExQButton *prevButton() const { return m_prevButton; }
    ExQButton *nextButton() const { return m_nextButton; }
    ExQLabel *captionOf(int row) const;
    int itemsPerPage() const { return m_itemsPerPage; }
    int pageCount() const { return m_pageCount; }
    int currentPage() const { return m_currentPage; }
    int orientation() const { return m_orientation; }
    int tileWidth() const { return m_tileWidth; }
    int tileHeight() const { return m_tileHeight; }
    int pageButtonSize() const { return m_pageButtonSize; }

protected:
    // Gives the list the frame's length along the flow less `reserve` at
    // either end, and cuts that into n tiles with a pixel to spare each.
    void fitTiles(int n, int length, int reserve);
    // A row of the list: the tile above its caption in one cell.
    QListWidgetItem *appendRow(QWidget *tile, Qt::Alignment tileAlignment, ExQLabel *caption);
    // Shows every row when the text is empty, else only the rows whose
    // caption holds it, whatever the letter case.
    void filterByCaption(const QString &text);
    // The page count of `count` rows at `perPage` rows a page, the current
    // rows per page unless given.
    int pagesOf(int count, int perPage = 0) const;

    QListWidget *m_list = nullptr;
    ExQButton *m_prevButton = nullptr;
    ExQButton *m_nextButton = nullptr;
    int m_itemsPerPage = 0;
    int m_pageCount = 0;
    int m_currentPage = 0;
    int m_frameWidth = 0;
    int m_frameHeight = 0;
    int m_tileWidth = 0;
    int m_tileHeight = 0;
    int m_listSpacing = 20;
    int m_captionHeight = 24;
    int m_orientation = 1;
    int m_margin = 5;
    int m_pageButtonSize = 30;
    int m_layoutSpacing = 5;
    int m_rowLimit = std::numeric_limits<int>::max();
};
