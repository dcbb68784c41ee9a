#include "exloginwidget.h"

#include "preview/exqbutton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace {

const int kTitleBand = 100;
const int kEmptyTitleBand = 60;
const int kTagWidth = 80;
const int kHiddenTagWidth = 70;

void setWindowTextColour(QWidget *widget, const QString &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::All, QPalette::WindowText, QColor(colour));
    widget->setPalette(palette);
}

// Qt refuses a point size below 1; the font keeps its default size then.
QFont fontOfPointSize(int pointSize)
{
    QFont font;
    if (pointSize > 0)
        font.setPointSize(pointSize);
    return font;
}

} // namespace

ExLoginWidget::ExLoginWidget(QWidget *parent)
    : QWidget(parent)
{
    buildForm();
}

ExLoginWidget::~ExLoginWidget() = default;

void ExLoginWidget::buildForm()
{
    m_loginButton = new ExQButton(this);
    m_loginButton->setTextStyle(tr("登录"), 14, 0, QStringLiteral("#606266"), QStringLiteral("#409eff"));
    m_userEdit = new QLineEdit(this);
    m_passwordEdit = new QLineEdit(this);
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    m_serverBox = new QComboBox(this);
    m_languageBox = new QComboBox(this);
    m_rememberBox = new QCheckBox(tr("记住密码"), this);
    m_userLabel = new QLabel(tr("用户名"), this);
    m_passwordLabel = new QLabel(tr("密码"), this);
    m_serverLabel = new QLabel(tr("通信ip"), this);
    m_languageLabel = new QLabel(tr("语言"), this);
    m_titleLabel = new QLabel(tr("欢迎登录分布式系统"), this);

    auto *form = new QVBoxLayout(this);
    form->setContentsMargins(6, 6, 6, 30);
    form->setSpacing(5);

    m_titleLabel->setFixedHeight(kTitleBand);
    m_titleLabel->setAlignment(Qt::AlignCenter);
    auto *titleRow = new QHBoxLayout;
    titleRow->addWidget(m_titleLabel);
    form->addLayout(titleRow);

    auto *grid = new QGridLayout;
    m_userLabel->setFixedWidth(kTagWidth);
    m_userLabel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    QLabel *labels[] = {m_userLabel, m_passwordLabel, m_serverLabel, m_languageLabel};
    QWidget *fields[] = {m_userEdit, m_passwordEdit, m_serverBox, m_languageBox, m_rememberBox, m_loginButton};
    for (int row = 0; row < 6; ++row) {
        if (row < 4) {
            labels[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(labels[row], row, 0);
        }
        fields[row]->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        grid->addWidget(fields[row], row, 1);
    }
    grid->addItem(new QSpacerItem(70, 20, QSizePolicy::Preferred, QSizePolicy::Minimum), 0, 2);
    form->addLayout(grid);
}

void ExLoginWidget::setWindowColor(const QString &colour, int opacity)
{
    m_windowColor = colour;
    m_opacity = opacity;
}

void ExLoginWidget::setTitle(int pointSize, int bold, const QString &title, const QString &colour)
{
    m_title = title;
    QFont font = fontOfPointSize(pointSize);
    font.setWeight(bold == 1 ? 75 : 50);
    m_titleLabel->setFont(font);
    m_titleLabel->setText(title);
    if (!colour.isEmpty())
        setWindowTextColour(m_titleLabel, colour);
}

void ExLoginWidget::setTitleVisible(int visible)
{
    if (visible == 1) {
        m_titleLabel->setText(m_title);
        m_titleLabel->setFixedHeight(kTitleBand);
    } else {
        m_titleLabel->clear();
        m_titleLabel->setFixedHeight(kEmptyTitleBand);
    }
}

void ExLoginWidget::setPlaceholders(const QString &user, const QString &password)
{
    m_userEdit->setPlaceholderText(user.isEmpty() ? tr("请输入用户名") : user);
    m_passwordEdit->setPlaceholderText(password.isEmpty() ? tr("请输入密码") : password);
}

void ExLoginWidget::setLoginButtonImages(const QString &normal, const QString &second, const QString &third)
{
    Q_UNUSED(third)
    m_loginButton->setImages(QString(), QString(), normal, second);
}

void ExLoginWidget::setLoginButtonText(int fontSize, int bold, const QString &colour, const QString &pressColour)
{
    m_loginButton->setTextStyle(tr("登录"), fontSize, bold, colour, pressColour);
}

void ExLoginWidget::setTagStyle(bool visible, int pointSize, const QString &colour)
{
    for (QLabel *label : {m_userLabel, m_passwordLabel, m_serverLabel, m_languageLabel}) {
        if (!label)
            continue;
        if (visible) {
            label->setFont(fontOfPointSize(pointSize));
            setWindowTextColour(label, colour);
        } else {
            label->clear();
        }
    }
    if (!visible && m_userLabel)
        m_userLabel->setFixedWidth(kHiddenTagWidth);
}

void ExLoginWidget::setCheckBoxColor(const QString &colour)
{
    setWindowTextColour(m_rememberBox, colour);
}

void ExLoginWidget::paintEvent(QPaintEvent *)
{
    if (m_windowColor.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    QColor colour(m_windowColor);
    // The designer allows opacities beyond a colour's alpha range.
    colour.setAlpha(qBound(0, m_opacity, 255));
    painter.setBrush(colour);
    // Half a pixel in, so that the thin outline falls whole on the widget.
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), m_radius, m_radius, Qt::AbsoluteSize);
}
