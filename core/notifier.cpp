#include "notifier.h"

#include "core/reportbox.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QPointer>
#include <QVector>

namespace {

// Beyond this a message is cut: nobody reads further, and laying out
// millions of characters would stall the designer.
const int kShownLength = 20000;
// A message box neither scrolls nor breaks a long word: a text with more
// lines, or a longer line, goes into a box that scrolls.
const int kPlainBoxLines = 20;
const int kPlainBoxLineLength = 120;

QString shownText(const QString &text)
{
    if (text.size() <= kShownLength)
        return text;
    int length = kShownLength;
    if (text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length) + QStringLiteral("\n\n")
           + QCoreApplication::translate("Notifier", "(内容过长，只显示了前 %1 个字符)").arg(length);
}

bool needsScrolling(const QString &text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > kPlainBoxLines)
        return true;
    for (const QString &line : lines) {
        if (line.size() > kPlainBoxLineLength)
            return true;
    }
    return false;
}

Notifier::Responder &responder()
{
    static Notifier::Responder r;
    return r;
}

Notifier::TextResponder &textResponder()
{
    static Notifier::TextResponder r;
    return r;
}

// The boxes open now, innermost last.
QVector<QPointer<QMessageBox>> &openBoxes()
{
    static QVector<QPointer<QMessageBox>> boxes;
    return boxes;
}
}

void Notifier::setResponder(Responder r)
{
    responder() = std::move(r);
}

void Notifier::setTextResponder(TextResponder r)
{
    textResponder() = std::move(r);
}

bool Notifier::getText(QWidget *parent, const QString &title, const QString &label, QString *text)
{
    const Prompt prompt{TextInput, title, label, QMessageBox::Ok | QMessageBox::Cancel, *text};
    if (textResponder())
        return textResponder()(prompt, text);
    if (responder())
        return responder()(prompt) == QMessageBox::Ok;
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, title, label, QLineEdit::Normal, *text, &ok);
    if (ok)
        *text = answer;
    return ok;
}

QMessageBox::StandardButton Notifier::ask(QWidget *parent, const Prompt &asked,
                                          QMessageBox::StandardButton defaultButton)
{
    Prompt prompt = asked;
    prompt.text = shownText(asked.text);
    if (responder())
        return responder()(prompt);

    QMessageBox::Icon icon = QMessageBox::Information;
    switch (prompt.kind) {
    case Information: icon = QMessageBox::Information; break;
    case Warning: icon = QMessageBox::Warning; break;
    case Critical: icon = QMessageBox::Critical; break;
    case Question:
    case TextInput: icon = QMessageBox::Question; break;
    }
    if (prompt.buttons == QMessageBox::Ok && needsScrolling(prompt.text)) {
        ReportBox box(icon, prompt.title, prompt.text, parent);
        box.exec();
        return QMessageBox::Ok;
    }
    QMessageBox box(icon, prompt.title, prompt.text, prompt.buttons, parent);
    // Texts carry names, paths and script output: never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    openBoxes().append(&box);
    const int answer = box.exec();
    openBoxes().removeAll(&box);
    return static_cast<QMessageBox::StandardButton>(answer);
}

bool Notifier::withdraw(const QString &text, QMessageBox::StandardButton answer)
{
    for (const QPointer<QMessageBox> &box : openBoxes()) {
        if (box && box->text() == shownText(text)) {
            box->done(answer);
            return true;
        }
    }
    return false;
}

void Notifier::information(QWidget *parent, const QString &title, const QString &text)
{
    ask(parent, {Information, title, text, QMessageBox::Ok}, QMessageBox::Ok);
}

bool Notifier::sayProblem(QWidget *parent, const QString &problem)
{
    if (problem.isEmpty())
        return false;
    information(parent, QCoreApplication::translate("Notifier", "提示"), problem);
    return true;
}

void Notifier::warning(QWidget *parent, const QString &title, const QString &text)
{
    ask(parent, {Warning, title, text, QMessageBox::Ok}, QMessageBox::Ok);
}

void Notifier::critical(QWidget *parent, const QString &title, const QString &text)
{
    ask(parent, {Critical, title, text, QMessageBox::Ok}, QMessageBox::Ok);
}

QMessageBox::StandardButton Notifier::question(QWidget *parent, const QString &title,
                                               const QString &text,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton)
{
    return ask(parent, {Question, title, text, buttons}, defaultButton);
}

QMessageBox::StandardButton Notifier::warningQuestion(QWidget *parent, const QString &title,
                                                      const QString &text,
                                                      QMessageBox::StandardButtons buttons,
                                                      QMessageBox::StandardButton defaultButton)
{
    return ask(parent, {Warning, title, text, buttons}, defaultButton);
}
