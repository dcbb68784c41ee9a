#include "exsearchwidget.h"

#include "preview/exqbutton.h"

#include <QAction>
#include <QDebug>
#include <QHBoxLayout>
#include <QLineEdit>

namespace {

const int kSpacing = 5;

} // namespace

ExSearchWidget::ExSearchWidget(QWidget *parent)
    : QWidget(parent)
    , m_edit(new QLineEdit(this))
    , m_button(new ExQButton(this))
{
    m_clearAction = m_edit->addAction(QIcon(QStringLiteral(":Resources/img/icon/close.png")),
                                      QLineEdit::TrailingPosition);
    connect(m_edit, SIGNAL(textChanged(const QString &)), this, SLOT(slotTextChanged(QString)));
    connect(m_clearAction, SIGNAL(triggered(bool)), this, SLOT(slotOperateActTrigged()));
    connect(m_button, SIGNAL(clicked()), this, SLOT(onSearchBtnClicked()));
}

ExSearchWidget::~ExSearchWidget()
{
    disconnect(m_button, SIGNAL(clicked()), this, SLOT(onSearchBtnClicked()));
}

void ExSearchWidget::setArrangement(int arrangement)
{
    m_arrangement = arrangement;
    if (arrangement != 0 && arrangement != 1)
        return;
    delete layout();
    auto *box = new QHBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(kSpacing);
    if (arrangement == 0) {
        box->addWidget(m_button);
        box->addWidget(m_edit);
    } else {
        box->addWidget(m_edit);
        box->addWidget(m_button);
    }
}

void ExSearchWidget::setButtonWidth(int width)
{
    if (width > 0)
        m_button->setFixedWidth(width);
}

void ExSearchWidget::setButtonText(const QString &text, int fontSize, int bold, const QString &normalColor,
                                   const QString &pressColor)
{
    m_button->setTextStyle(text, fontSize, bold, normalColor, pressColor);
}

void ExSearchWidget::setButtonImages(const QString &normalBkColor, const QString &pressBkColor,
                                     const QString &normalImage, const QString &pressImage, int unused)
{
    Q_UNUSED(unused)
    m_button->setImages(normalBkColor, pressBkColor, normalImage, pressImage);
}

void ExSearchWidget::slotTextChanged(QString text)
{
    if (!text.isEmpty())
        return;
    emit signalSearch(text);
    qDebug() << "slotTextChanged" << text;
}

void ExSearchWidget::slotOperateActTrigged()
{
    qDebug() << "slotOperateActTrigged";
    m_edit->clear();
    emit signalSearch(m_edit->text());
}

void ExSearchWidget::onSearchBtnClicked()
{
    emit signalSearch(m_edit->text());
}
