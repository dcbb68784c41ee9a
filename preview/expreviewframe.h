#pragma once

#include "preview/extilelistframe.h"

#include <QSize>
#include <QString>
#include <QVector>

#include <cstdint>

class QListWidgetItem;

// One demonstration source, in the panel's fixed-size layout.
struct SourceRecord {
    char ip[20];
    char address[256];   // shown as the tile's caption
    char id[40];         // MD5 of the main stream address
    std::int32_t flag;
    char mainStream[256];
    char subStream[256];
    std::int32_t reserved;
    std::int32_t enabled;
    std::int32_t number;
    std::int32_t group;
};

// Page 0 of a source view: the demonstration sources as blue tiles with
// their addresses as captions, one page at a time. The rows are built once,
// one per tile of a page; paging relabels them.
class ExPreviewFrame : public ExTileListFrame
{
    Q_OBJECT

public:
    static const int kFirstSource = 10;
    static const int kLastSource = 20;
    static constexpr int kSourceCount = kLastSource - kFirstSource + 1;
    // The room between the list and each page button of a row, whatever the
    // buttons' own width.
    static const int kButtonReserve = 30;

    explicit ExPreviewFrame(QWidget *parent = nullptr);
    ~ExPreviewFrame() override;

    // Only the first colour is used, on the captions.
    void setCaptionStyle(const QString &color, const QString &secondColor, int fontSize, int bold);
    // Sizes the tiles for n per page and fills the frame; n below 1 does nothing.
    void setItemsPerPage(int n);
    void searchText(QString text) override;

    // The demonstration record of source number k.
    static SourceRecord demoSource(int number);
    const QVector<SourceRecord> &sources() const { return m_sources; }
    int selectedIndex() const { return m_selectedIndex; }

signals:
    void dragStart(char *buffer, int size, QSize);
    void dragEnd(char *, int);

public slots:
    void onItemClicked(QListWidgetItem *item);
    void onItemDoubleClicked(QListWidgetItem *item);
    void onPrevBtnClicked();
    void onNextBtnClicked();
    void onTimerOut();

private:
    void fillDemoSources(int n);
    // Row i shows source j: caption, tile text and host.
    void showSource(int row, int source);
    // The tile's and caption's look names for the style sheet.
    void markRow(int row, bool tile, int source);

    QListWidgetItem *m_lastItem = nullptr;
    bool m_busy = false;
    int m_selectedIndex = -1;
    QVector<SourceRecord> m_sources;
    QString m_captionColor;
    QString m_secondCaptionColor;
    int m_captionFontSize = 0;
    int m_captionBold = 0;
};
