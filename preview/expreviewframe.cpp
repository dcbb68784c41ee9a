#include "expreviewframe.h"

#include "core/textutils.h"
#include "preview/expreviewitemwidget.h"
#include "preview/exqbutton.h"
#include "preview/exqlabel.h"

#include <QDebug>
#include <QListWidget>
#include <QStyle>

#include <cstring>

namespace {

const int kCaptionFontSize = 12;
const int kTileRole = Qt::UserRole;

const QString kTileSelected = QStringLiteral("previewListWidgetItemSel");
const QString kTileUnselected = QStringLiteral("previewListWidgetItemUnSel");
const QString kCaptionSelected = QStringLiteral("signalNameTextSel");
const QString kCaptionUnselected = QStringLiteral("signalNameTextUnSel");

template <int N>
void fillField(char (&field)[N], const QString &text)
{
    copyCString(field, N, text.toUtf8().constData());
}

// A new look name takes effect only once the style has polished the widget again.
void restyle(QWidget *widget, const QString &name)
{
    if (!widget)
        return;
    widget->setObjectName(name);
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

} // namespace

ExPreviewFrame::ExPreviewFrame(QWidget *parent)
    : ExTileListFrame(parent)
{
    connect(m_list, SIGNAL(itemPressed(QListWidgetItem *)), this, SLOT(onItemClicked(QListWidgetItem *)));
    connect(m_list, SIGNAL(itemDoubleClicked(QListWidgetItem *)), this, SLOT(onItemDoubleClicked(QListWidgetItem *)));
    connect(m_prevButton, SIGNAL(clicked()), this, SLOT(onPrevBtnClicked()));
    connect(m_nextButton, SIGNAL(clicked()), this, SLOT(onNextBtnClicked()));
}

ExPreviewFrame::~ExPreviewFrame() = default;

SourceRecord ExPreviewFrame::demoSource(int number)
{
    SourceRecord record;
    std::memset(&record, 0, sizeof record);
    const QString address = QStringLiteral("192.168.1.%1").arg(number);
    const QString stream = QStringLiteral("rtsp://192.168.2.%1:9705/live?channel=0&stream=%2");
    fillField(record.ip, address);
    fillField(record.address, address);
    fillField(record.mainStream, stream.arg(number).arg(0));
    fillField(record.subStream, stream.arg(number).arg(1));
    fillField(record.id, md5Hex(QString::fromUtf8(record.mainStream)));
    record.flag = 1;
    record.reserved = 0;
    record.enabled = 1;
    record.number = number;
    record.group = 1;
    return record;
}

void ExPreviewFrame::setCaptionStyle(const QString &color, const QString &secondColor, int fontSize, int bold)
{
    m_captionColor = color;
    m_secondCaptionColor = secondColor;
    m_captionFontSize = fontSize;
    m_captionBold = bold;
}

void ExPreviewFrame::setItemsPerPage(int n)
{
    if (n < 1)
        return;
    m_itemsPerPage = n;
    const int s = m_layoutSpacing + m_margin;
    if (m_orientation == 1)
        fitTiles(n, m_frameHeight, s + m_pageButtonSize);
    else
        fitTiles(n, m_frameWidth, s + kButtonReserve);
    fillDemoSources(n);
}

void ExPreviewFrame::fillDemoSources(int n)
{
    // The same made-up sources for every view: made once, shared by all.
    static const QVector<SourceRecord> demo = [] {
        QVector<SourceRecord> sources;
        for (int number = kFirstSource; number <= kLastSource; ++number)
            sources.append(demoSource(number));
        return sources;
    }();
    m_sources = demo;

    const int rows = qMin(qMin(n, m_rowLimit), int(m_sources.size()));
    for (int i = 0; i < rows; ++i) {
        const QString address = QString::fromUtf8(m_sources.at(i).address);
        auto *tile = new ExPreviewItemWidget(QString(), m_list);
        tile->setObjectName(QStringLiteral("signalPreview"));
        tile->setFixedWidth(m_tileWidth);
        tile->setText(address);
        auto *caption = new ExQLabel(m_list);
        caption->setTextStyle(address, kCaptionFontSize, 0, m_captionColor, m_secondCaptionColor);
        QListWidgetItem *item = appendRow(tile, Qt::AlignHCenter, caption);
        item->setData(kTileRole, QVariant::fromValue<QObject *>(tile));
        qDebug() << "widgetLayout->geometry(): " << m_tileHeight << "; itemsize: " << item->sizeHint();
    }
    // Paging relabels the rows built, however many the page's budget allowed.
    m_pageCount = pagesOf(m_sources.size(), rows);
    m_currentPage = 0;
    m_selectedIndex = -1;
}

void ExPreviewFrame::showSource(int row, int source)
{
    if (source < 0 || source >= m_sources.size())
        return;
    const SourceRecord &record = m_sources.at(source);
    if (ExQLabel *caption = captionOf(row)) {
        caption->setText(QString::fromUtf8(record.address));
        caption->update();
    }
    auto *tile = qobject_cast<ExPreviewItemWidget *>(m_list->item(row)->data(kTileRole).value<QObject *>());
    if (tile) {
        tile->setHost(QString::fromUtf8(record.ip));
        tile->setText(QString::fromUtf8(record.address));
    }
}

void ExPreviewFrame::markRow(int row, bool tile, int source)
{
    const bool selected = m_selectedIndex == source;
    if (tile)
        restyle(qobject_cast<QWidget *>(m_list->item(row)->data(kTileRole).value<QObject *>()),
                selected ? kTileSelected : kTileUnselected);
    restyle(captionOf(row), selected ? kCaptionSelected : kCaptionUnselected);
}

void ExPreviewFrame::onNextBtnClicked()
{
    if (m_currentPage >= m_pageCount - 1)
        return;
    const int p = ++m_currentPage;
    const int rows = m_list->count();
    const int count = m_sources.size();
    const int shown = rows * (p + 1) < count ? rows : count - rows * p;
    for (int i = 0; i < rows; ++i) {
        QListWidgetItem *item = m_list->item(i);
        if (i < shown) {
            const int source = rows * p + i;
            item->setHidden(false);
            markRow(i, true, source);
            showSource(i, source);
            continue;
        }
        item->setHidden(true);
        if (auto *tile = qobject_cast<ExPreviewItemWidget *>(item->data(kTileRole).value<QObject *>()))
            tile->fillImage(tile->host(), QImage());
    }
}

void ExPreviewFrame::onPrevBtnClicked()
{
    if (m_currentPage <= 0)
        return;
    const int p = --m_currentPage;
    qDebug() << "ExPreviewFrame::onPrevBtnClicked" << p;
    const int rows = m_list->count();
    for (int i = 0; i < rows; ++i) {
        const int source = rows * p + i;
        m_list->item(i)->setHidden(false);
        markRow(i, false, source);
        showSource(i, source);
    }
}

void ExPreviewFrame::onItemClicked(QListWidgetItem *item)
{
    if (m_busy)
        return;
    m_busy = true;
    if (item) {
        const int row = m_list->row(item);
        ExQLabel *caption = captionOf(row);
        restyle(caption, kCaptionSelected);
        m_selectedIndex = row + m_list->count() * m_currentPage;
        // The same row pressed again on another page holds another source:
        // its caption stays marked.
        if (m_lastItem && m_lastItem != item)
            restyle(captionOf(m_list->row(m_lastItem)), kCaptionUnselected);
        m_lastItem = item;
    }
    m_busy = false;
}

void ExPreviewFrame::onItemDoubleClicked(QListWidgetItem *item)
{
    Q_UNUSED(item)
}

void ExPreviewFrame::onTimerOut() {}

void ExPreviewFrame::searchText(QString text)
{
    qDebug() << "ExPreviewFrame::searchText " << text;
    filterByCaption(text);
}
