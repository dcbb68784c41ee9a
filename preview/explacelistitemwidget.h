#pragma once

#include <QWidget>

class ExQLabel;
class QLabel;

// One place tile of the preview's place list: a room picture above the
// place's name.
class ExPlaceListItemWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ExPlaceListItemWidget(QWidget *parent = nullptr);
    ~ExPlaceListItemWidget() override;

    void setPlaceId(int id) { m_placeId = id; }
    int placeId() const { return m_placeId; }
    // Replaces the white background by the picture (none for an empty path).
    void setImage(const QString &path);
    void setName(const QString &name);

    ExQLabel *pictureLabel() const { return m_pictureLabel; }
    QLabel *nameLabel() const { return m_nameLabel; }

private:
    void setupUi();

    int m_placeId = 0;
    ExQLabel *m_pictureLabel = nullptr;
    QLabel *m_nameLabel = nullptr;
};
