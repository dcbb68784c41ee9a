#pragma once

#include <QString>
#include <QWidget>

class ExQButton;
class ExScreenButtonGroup;
class QPaintEvent;

// A wall-button group between a previous-page and a next-page button, the
// play list with a refresh button in front. The three list kinds differ only
// in their wall names and that button.
class ExButtonListFrame : public QWidget
{
    Q_OBJECT

public:
    ~ExButtonListFrame() override;

    void setButtonRadius(int radius);
    void setItemStyle(int fontSize, int bold, const QString &onTextColor, const QString &offTextColor,
                      const QString &onBkColor, const QString &offBkColor, const QString &onImage,
                      const QString &offImage);
    // The page buttons are drawn at size 14, not bold.
    void setPrevButtonText(const QString &text, const QString &normalColor, const QString &pressColor);
    void setNextButtonText(const QString &text, const QString &normalColor, const QString &pressColor);
    void setRefreshButtonText(const QString &text, const QString &normalColor, const QString &pressColor);
    void setPrevButtonImages(const QString &normalBkColor, const QString &pressBkColor, const QString &normalImage,
                             const QString &pressImage);
    void setNextButtonImages(const QString &normalBkColor, const QString &pressBkColor, const QString &normalImage,
                             const QString &pressImage);
    void setRefreshButtonImages(const QString &normalBkColor, const QString &pressBkColor,
                                const QString &normalImage, const QString &pressImage);
    void setBackgroundColor(const QString &color);
    // Lays the buttons and the group out in a row (0) or a column; once.
    void setDirection(int direction);
    // For the walls built after it: the first ones up to this count.
    void setRowLimit(int rows);
    // Fixes the group's size to what the buttons leave and builds the walls.
    void setItems(int listMode, int itemsPerPage);
    // Kept as the panel keeps it: the buttons are always 20 pixels thick.
    void setPageTurnHeight(int height) { m_pageTurnHeight = height; }

    ExScreenButtonGroup *group() const { return m_group; }
    ExQButton *prevButton() const { return m_prevButton; }
    ExQButton *nextButton() const { return m_nextButton; }
    // Null but in the play list.
    ExQButton *refreshButton() const { return m_refreshButton; }
    int vertical() const { return m_vertical; }
    int pageTurnHeight() const { return m_pageTurnHeight; }

signals:
    void signalsSelWall(int, int);
    void prevClicked(int);
    void nextClicked(int);

protected:
    ExButtonListFrame(QWidget *parent, const QString &namePrefix, bool refreshButton);
    void paintEvent(QPaintEvent *event) override;

private:
    // Refresh (when there is one), previous and next, in layout order.
    QList<ExQButton *> buttons() const;

    ExQButton *m_refreshButton = nullptr;
    ExQButton *m_prevButton = nullptr;
    ExQButton *m_nextButton = nullptr;
    ExScreenButtonGroup *m_group = nullptr;
    int m_vertical = 0;
    int m_spacing = 0;
    QString m_bkColor;
    int m_pageTurnHeight = 30;
};

// The list of video walls whose choice the page follows.
class ExScreenButtonListFrame : public ExButtonListFrame
{
    Q_OBJECT
public:
    explicit ExScreenButtonListFrame(QWidget *parent = nullptr);
};

// The list of presentation screens.
class ExPPTButtonListFrame : public ExButtonListFrame
{
    Q_OBJECT
public:
    explicit ExPPTButtonListFrame(QWidget *parent = nullptr);
};

// The list of video players, with a refresh button.
class ExPlayButtonListFrame : public ExButtonListFrame
{
    Q_OBJECT
public:
    explicit ExPlayButtonListFrame(QWidget *parent = nullptr);
};
