#pragma once

#include <QListWidget>
#include <QString>
#include <QVector>

#include <cstdint>

class ExStatusButton;

// One wall of the demonstration wall list, in the panel's fixed-size layout.
struct WallRecord {
    std::int32_t id;
    std::int32_t flag;
    std::int32_t type;
    std::int32_t number;
    char name[64];   // UTF-8, NUL-terminated
};

// A paged row (or column) of wall buttons, one per demonstration wall. A
// click on a wall that is not the current one selects it and names it by
// signalsSelWall(); the buttons keep the look their own clicks gave them.
class ExScreenButtonGroup : public QListWidget
{
    Q_OBJECT

public:
    // The data of each row, counted from Qt's first user role.
    enum Role { ButtonRole = Qt::UserRole, WallIdRole, WallTypeRole, FlagRole, NumberRole, NameRole };

    // The demonstration walls: seven of type 1, then six of type 0.
    static constexpr int kWallCount = 13;

    explicit ExScreenButtonGroup(QWidget *parent = nullptr);
    ~ExScreenButtonGroup() override;

    // Fills the wall list and builds one button per wall at the group's
    // current size, as many a page as fit whole; the list mode is a panel's
    // and changes nothing here.
    void setWalls(int listMode, int itemsPerPage);
    void setButtonStyle(int fontSize, int bold, const QString &onTextColor, const QString &offTextColor,
                        const QString &onBkColor, const QString &offBkColor, const QString &onImage,
                        const QString &offImage);
    void setDirection(int direction);
    // For the buttons built after it.
    void setRadius(int radius) { m_radius = radius; }
    void setNamePrefix(const QString &prefix) { m_namePrefix = prefix; }
    // For the walls built after it: the first ones up to this count.
    void setRowLimit(int rows) { m_rowLimit = rows; }

    // The demonstration record of one wall.
    static WallRecord demoWall(int id, int type, const QString &prefix);
    const QVector<WallRecord> &walls() const { return m_walls; }
    ExStatusButton *buttonAt(int row) const;
    QListWidgetItem *selectedWall() const { return m_selectedItem; }
    int itemsPerPage() const { return m_itemsPerPage; }
    int pageCount() const { return m_pageCount; }
    int currentPage() const { return m_currentPage; }
    int direction() const { return m_direction; }
    int spacingSize() const { return m_spacing; }

signals:
    void signalsSelWall(int wallType, int id);

public slots:
    void slotOnItemClicked(QListWidgetItem *item);
    void onBtnClicked();
    void onPrevClicked();
    void onNextClicked();

private:
    void styleButton(ExStatusButton *button, int row);
    void showPage(int page);

    int m_direction = 0;
    int m_itemsPerPage = 5;
    int m_currentPage = 0;
    int m_pageCount = 0;
    int m_spacing = 5;
    int m_rowLimit = kWallCount;
    // Before a creator sets them: the status button's own look.
    int m_fontSize = 14;
    int m_bold = 0;
    int m_radius = 4;
    QString m_onTextColor;
    QString m_offTextColor;
    QString m_onBkColor;
    QString m_offBkColor;
    QString m_onImage;
    QString m_offImage;
    QString m_namePrefix = QStringLiteral("wall_");
    QVector<WallRecord> m_walls;
    QListWidgetItem *m_selectedItem = nullptr;
};
