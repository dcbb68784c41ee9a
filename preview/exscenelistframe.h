#pragma once

#include "preview/extilelistframe.h"

#include <QString>
#include <QVector>

#include <cstdint>

class QListWidgetItem;
class QPaintEvent;

// One demonstration scene, in the panel's fixed-size layout.
struct SceneRecord {
    std::int32_t id;
    char name[64];   // UTF-8, NUL-terminated
    std::int32_t flag;
    std::int32_t enabled;
};

// The scene list of the current video wall: twelve demonstration scenes as
// tiles between a previous-page and a next-page button. A wall change
// refills it from the first page; a click names the scene and the wall.
class ExSceneListFrame : public ExTileListFrame
{
    Q_OBJECT

public:
    static constexpr int kSceneCount = 12;

    explicit ExSceneListFrame(QWidget *parent = nullptr);
    ~ExSceneListFrame() override;

    void setItemStyle(const QString &nameColor, const QString &pressNameColor, const QString &bkColor,
                      const QString &pressBkColor, const QString &image, const QString &pressImage, int fontSize,
                      int bold);
    void setBackgroundColor(const QString &color);
    // Sizes the tiles for n per page and refills the list; n below 1 does nothing.
    void setItemsPerPage(int n);
    void updateItemSize();
    void searchText(QString text) override;

    // The demonstration record of scene i, named by the word for a scene.
    static SceneRecord demoScene(int id, const QString &word);
    const QVector<SceneRecord> &scenes() const { return m_scenes; }
    int wallId() const { return m_wallId; }
    int wallType() const { return m_wallType; }
    QString searchedText() const { return m_searchText; }
    QString backgroundColor() const { return m_bkColor; }

signals:
    void signalScenePrevewShow(int wall_id, int scene_id);

public slots:
    void onSearch(QString text);
    void onScreenChange(int wallType, int wallID);
    void slotOnItemClicked();
    void onItemClicked(QListWidgetItem *item);
    void onPrevBtnClicked();
    void onNextBtnClicked();
    void onUpdateScene();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fillDemoScenes(int n);
    void showPage(int page);
    // What the rows of a fill are made of; a fill with the same over rows
    // nobody has touched since would make them again as they are.
    QString fillKey() const;
    void markTouched() { m_lastFill.clear(); }

    QString m_searchText;
    QVector<SceneRecord> m_scenes;
    int m_border = 1;
    // Until the first wall change: the wall the page host starts on.
    int m_wallId = 0;
    int m_wallType = 1;
    QString m_bkColor;
    QString m_nameColor;
    QString m_pressNameColor;
    QString m_pictureBkColor;
    QString m_pressPictureBkColor;
    QString m_picture;
    QString m_pressPicture;
    int m_fontSize = 14;
    int m_bold = 0;
    // The key of the fill the rows show, empty once they were paged,
    // searched, scrolled or chosen from.
    QString m_lastFill;
};
