#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

// Every message box and question of the program goes through here, so that a
// headless test can answer them; a user sees exactly the same boxes.
class Notifier
{
public:
    enum Kind { Information, Warning, Critical, Question, TextInput };

    struct Prompt {
        Kind kind;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        QString proposal = QString();   // the text offered by a text question
    };

    using Responder = std::function<QMessageBox::StandardButton(const Prompt &)>;
    // Answers a text question: false for Cancel, else the answer in *text.
    using TextResponder = std::function<bool(const Prompt &, QString *text)>;

    static void information(QWidget *parent, const QString &title, const QString &text);
    static void warning(QWidget *parent, const QString &title, const QString &text);
    static void critical(QWidget *parent, const QString &title, const QString &text);
    // Says the problem, unless there is none, in an information box titled
    // 提示: true when it said one, and what it is about is refused.
    static bool sayProblem(QWidget *parent, const QString &problem);
    static QMessageBox::StandardButton question(
        QWidget *parent, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // A question in a warning box, for answers that can lose work.
    static QMessageBox::StandardButton warningQuestion(
        QWidget *parent, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // One line of text asked for, in a normal-echo input dialog. *text holds
    // the proposal going in and the answer coming out; false when cancelled.
    static bool getText(QWidget *parent, const QString &title, const QString &label, QString *text);

    // Takes back the open question of this text when events have settled it:
    // its box ends as though answered so. False when no such box is open.
    static bool withdraw(const QString &text, QMessageBox::StandardButton answer);

    // Test seam: while a responder is set no box is shown and the responder answers.
    static void setResponder(Responder responder);
    // The same for text questions; without one, the button responder decides
    // between OK (keeping the proposal) and Cancel.
    static void setTextResponder(TextResponder responder);

private:
    static QMessageBox::StandardButton ask(QWidget *parent, const Prompt &prompt,
                                           QMessageBox::StandardButton defaultButton);
};
