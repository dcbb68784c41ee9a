#pragma once

#include "preview/expagehost.h"

#include <QPointer>
#include <QSize>
#include <QVector>

class ExPopPageWidgetFrame;

// The run-time host of one saved page in a tab of the preview. It loads the
// page at every resize wider than the dialog's first width, and its page
// buttons open another page of the project over it as a pop-up, one at a time.
// The pop-up stays over its page while that moves, and closes when the page
// is resized or hidden, or on Escape.
class ExPageWidget : public ExPageHost
{
    Q_OBJECT

public:
    ExPageWidget(int listMode, const QString &pageFile, QWidget *parent = nullptr);
    ~ExPageWidget() override;

    static bool hasCreator(int typeId) { return ExPageHost::hasCreator(typeId, PageHost); }

    // The design size of a page file's page object; a size that is missing
    // or not a number leaves the outputs as they are.
    static void readPopPageSize(const QString &pageFile, int *width, int *height);
    // A pop-up of the target's design size, sized against 1920 x 1080 on a
    // host of the given size; an empty size when there is nothing to show.
    static QSize popPageSize(const QSize &host, int designWidth, int designHeight);
    // The target file of a page button in the page's folder, or an empty
    // text when it is not a bare file name or not there.
    QString popPageFile(const QString &gotoPage) const;

    // The open pop-up, or null.
    ExPopPageWidgetFrame *popFrame() const;

public slots:
    void slotOnFeatureButtonClick();
    void slotOnPageButtonClick() override;
    void slotOnPopPageWidgetFrameClose();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // While a pop-up is open, the page and the widgets it sits in are
    // watched for moves and for Escape.
    void watchAncestors(bool watch);

    bool m_popBusy = false;
    bool m_popClosing = false;
    // The frame is the host's child; it goes with the host or on its own close.
    QPointer<ExPopPageWidgetFrame> m_popFrame;
    QVector<QPointer<QWidget>> m_watched;
};
