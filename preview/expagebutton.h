#pragma once

#include "preview/exqbutton.h"

// A button that opens another page of the project over its page.
class ExPageButton : public ExQButton
{
    Q_OBJECT

public:
    explicit ExPageButton(QWidget *parent = nullptr);
    ~ExPageButton() override;

    int functionType() const { return m_functionType; }
    void setFunctionType(int functionType) { m_functionType = functionType; }
    QString gotoPage() const { return m_gotoPage; }
    void setGotoPage(const QString &page) { m_gotoPage = page; }

    // The page file a control's "goto" names: for function types 0 and 1
    // ".json" is added unless the name already ends so (letter case counts).
    static QString targetPage(int functionType, const QString &gotoPage);

public slots:
    void onClicked();

private:
    int m_functionType = 0;
    QString m_gotoPage;
};
