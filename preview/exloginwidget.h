#pragma once

#include <QString>
#include <QWidget>

class ExQButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPaintEvent;

// The login form a panel would show: title, user name and password, server
// address and language, remember box and login button, on a rounded,
// semi-transparent background. In the preview it performs nothing.
class ExLoginWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ExLoginWidget(QWidget *parent = nullptr);
    ~ExLoginWidget() override;

    // Neither of these two repaints.
    void setRadius(int radius) { m_radius = radius; }
    void setWindowColor(const QString &colour, int opacity);
    void setTitle(int pointSize, int bold, const QString &title, const QString &colour);
    // Exactly 1 shows the title in a 100-pixel band; anything else leaves a
    // 60-pixel band empty.
    void setTitleVisible(int visible);
    // Empty texts give the default placeholders.
    void setPlaceholders(const QString &user, const QString &password);
    // The second picture shows while the button is held; the third has no effect.
    void setLoginButtonImages(const QString &normal, const QString &second, const QString &third);
    void setLoginButtonText(int fontSize, int bold, const QString &colour, const QString &pressColour);
    void setTagStyle(bool visible, int pointSize, const QString &colour);
    void setCheckBoxColor(const QString &colour);

    QLabel *titleLabel() const { return m_titleLabel; }
    QLineEdit *userEdit() const { return m_userEdit; }
    QLineEdit *passwordEdit() const { return m_passwordEdit; }
    QLabel *userLabel() const { return m_userLabel; }
    QLabel *passwordLabel() const { return m_passwordLabel; }
    QLabel *serverLabel() const { return m_serverLabel; }
    QLabel *languageLabel() const { return m_languageLabel; }
    ExQButton *loginButton() const { return m_loginButton; }
    QCheckBox *rememberBox() const { return m_rememberBox; }
    QString windowColor() const { return m_windowColor; }
    int opacity() const { return m_opacity; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildForm();

    ExQButton *m_loginButton = nullptr;
    QLineEdit *m_userEdit = nullptr;
    QLineEdit *m_passwordEdit = nullptr;
    QComboBox *m_serverBox = nullptr;
    QComboBox *m_languageBox = nullptr;
    QCheckBox *m_rememberBox = nullptr;
    QLabel *m_userLabel = nullptr;
    QLabel *m_passwordLabel = nullptr;
    QLabel *m_serverLabel = nullptr;
    QLabel *m_languageLabel = nullptr;
    QLabel *m_titleLabel = nullptr;
    QString m_windowColor;
    int m_opacity = 0;
    int m_radius = 0;
    QString m_title;
};
