#include "exscenelistframe.h"

#include "core/textutils.h"
#include "preview/exqbutton.h"
#include "preview/exqlabel.h"

#include <QDebug>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>

#include <cstring>

ExSceneListFrame::ExSceneListFrame(QWidget *parent)
    : ExTileListFrame(parent)
{
    m_itemsPerPage = 8;
    connect(m_list, SIGNAL(itemClicked(QListWidgetItem *)), this, SLOT(onItemClicked(QListWidgetItem *)));
    connect(m_prevButton, SIGNAL(clicked()), this, SLOT(onPrevBtnClicked()));
    connect(m_nextButton, SIGNAL(clicked()), this, SLOT(onNextBtnClicked()));
    // Anything that leaves the rows otherwise than a fill does makes the
    // next fill build them again.
    connect(m_list, &QListWidget::currentItemChanged, this, &ExSceneListFrame::markTouched);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &ExSceneListFrame::markTouched);
    for (QScrollBar *bar : {m_list->horizontalScrollBar(), m_list->verticalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, &ExSceneListFrame::markTouched);
}

ExSceneListFrame::~ExSceneListFrame() = default;

SceneRecord ExSceneListFrame::demoScene(int id, const QString &word)
{
    SceneRecord record;
    std::memset(&record, 0, sizeof record);
    record.id = id;
    // A long translation of the word is cut on a character boundary.
    copyCString(record.name, int(sizeof record.name), (word + QString::number(id)).toUtf8().constData());
    record.flag = 1;
    record.enabled = 1;
    return record;
}

void ExSceneListFrame::setItemStyle(const QString &nameColor, const QString &pressNameColor, const QString &bkColor,
                                    const QString &pressBkColor, const QString &image, const QString &pressImage,
                                    int fontSize, int bold)
{
    m_nameColor = nameColor;
    m_pressNameColor = pressNameColor;
    m_pictureBkColor = bkColor;
    m_pressPictureBkColor = pressBkColor;
    m_picture = image;
    m_pressPicture = pressImage;
    m_fontSize = fontSize;
    m_bold = bold;
}

void ExSceneListFrame::setBackgroundColor(const QString &color)
{
    m_bkColor = color;
    update();
}

void ExSceneListFrame::setItemsPerPage(int n)
{
    if (n < 1)
        return;
    m_itemsPerPage = n;
    const int reserve = m_layoutSpacing + m_margin + m_pageButtonSize;
    if (m_orientation == 1)
        fitTiles(n, m_frameHeight + 2 * m_border, reserve);
    else
        fitTiles(n, m_frameWidth + 2 * m_border, reserve);
    fillDemoScenes(n);
}

void ExSceneListFrame::updateItemSize()
{
    setItemsPerPage(m_itemsPerPage);
}

QString ExSceneListFrame::fillKey() const
{
    return QStringList{tr("场景"), QString::number(m_rowLimit), QString::number(m_tileWidth),
                       QString::number(m_tileHeight), QString::number(m_captionHeight), m_pictureBkColor,
                       m_pressPictureBkColor, m_picture, m_pressPicture, m_nameColor, m_pressNameColor,
                       QString::number(m_fontSize), QString::number(m_bold)}
        .join(QLatin1Char('\n'));
}

void ExSceneListFrame::fillDemoScenes(int n)
{
    Q_UNUSED(n)
    // The page host changes the wall right after it built the page: rows
    // untouched since a fill of the same make would only be made again.
    const QString key = fillKey();
    if (key == m_lastFill && m_list->count() == m_scenes.size()) {
        m_currentPage = 0;
        m_pageCount = pagesOf(m_scenes.size());
        return;
    }
    m_scenes.clear();
    const QString word = tr("场景");
    for (int i = 0; i < qMin(kSceneCount, m_rowLimit); ++i)
        m_scenes.append(demoScene(i, word));

    m_list->clear();
    for (const SceneRecord &scene : qAsConst(m_scenes)) {
        auto *picture = new ExQLabel(m_list);
        picture->setBackground(m_pictureBkColor, m_pressPictureBkColor, m_picture, m_pressPicture);
        picture->setFixedHeight(qMax(0, m_tileHeight - m_captionHeight));
        auto *name = new ExQLabel(m_list);
        name->setTextStyle(QString::fromUtf8(scene.name), m_fontSize, m_bold, m_nameColor, m_pressNameColor);
        QListWidgetItem *item = appendRow(picture, Qt::Alignment(), name);
        item->setData(Qt::UserRole, scene.id);
    }
    // Every row stays in the list until the first page change.
    m_currentPage = 0;
    m_pageCount = pagesOf(m_scenes.size());
    m_lastFill = key;
}

void ExSceneListFrame::showPage(int page)
{
    markTouched();
    m_currentPage = page;
    for (int i = 0; i < m_list->count(); ++i)
        m_list->item(i)->setHidden(i < page * m_itemsPerPage || i >= (page + 1) * m_itemsPerPage);
}

void ExSceneListFrame::onNextBtnClicked()
{
    if (m_currentPage < m_pageCount - 1)
        showPage(m_currentPage + 1);
}

void ExSceneListFrame::onPrevBtnClicked()
{
    if (m_currentPage > 0)
        showPage(m_currentPage - 1);
}

void ExSceneListFrame::onItemClicked(QListWidgetItem *item)
{
    if (!item)
        return;
    const int scene = item->data(Qt::UserRole).toInt();
    emit signalScenePrevewShow(m_wallId, scene);
    qDebug() << "ExSceneListFrame::onItemClicked: " << scene;
}

void ExSceneListFrame::slotOnItemClicked() {}

void ExSceneListFrame::onScreenChange(int wallType, int wallID)
{
    m_wallId = wallID;
    m_wallType = wallType;
    updateItemSize();
}

void ExSceneListFrame::onUpdateScene()
{
    updateItemSize();
}

void ExSceneListFrame::onSearch(QString text)
{
    m_searchText = text;
}

// Nothing sends a search here (the page's scene search only stores its
// text); were it called, the names would be filtered as the sources are.
void ExSceneListFrame::searchText(QString text)
{
    markTouched();
    filterByCaption(text);
}

void ExSceneListFrame::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    if (m_bkColor.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(rect(), QColor(m_bkColor));
}
