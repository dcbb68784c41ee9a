#pragma once

#include "preview/expagehost.h"

// The host of a page shown as a pop-up over a page of the preview. It loads
// its page once, at the size its frame gives it, builds fewer kinds than the
// page host, emits nothing after its load and opens no pop-ups itself.
class ExPopPageWidget : public ExPageHost
{
    Q_OBJECT

public:
    explicit ExPopPageWidget(QWidget *parent = nullptr);
    ~ExPopPageWidget() override;

    static bool hasCreator(int typeId) { return ExPageHost::hasCreator(typeId, PopupHost); }

    void init(const QString &pageFile, int width, int height);

protected:
    void resizeEvent(QResizeEvent *event) override;
};
