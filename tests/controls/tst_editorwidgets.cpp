#include "controls/mybasewidget.h"
#include "controls/mycolordialog.h"
#include "controls/mycombobox.h"
#include "controls/mynumberedit.h"
#include "controls/mytextedit.h"

#include <QIntValidator>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest/qtestspontaneevent.h>
#include <QWheelEvent>
#include <QtTest>

namespace {

// Records the wheel events that reach it, as a scroll area around a row would.
class WheelSink : public QWidget
{
public:
    int wheels = 0;

protected:
    void wheelEvent(QWheelEvent *event) override
    {
        ++wheels;
        event->accept();
    }
};

void turnWheel(QWidget *widget, int steps)
{
    const QPoint local = widget->rect().center();
    const QPoint global = widget->mapToGlobal(local);
    QWheelEvent event(local, global, QPoint(), QPoint(0, 120 * steps), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    // Delivered as the window system would, so Qt propagates it when ignored.
    QSpontaneKeyEvent::setSpontaneous(&event);
    qApp->notify(widget, &event);
}

}

class TestEditorWidgets : public QObject
{
    Q_OBJECT

private slots:
    void wheelOverComboScrollsParentNotItem();
    void textEditReportsFocusLossOnce();
    void numberEditAcceptsOnlyIntegersInRange_data();
    void numberEditAcceptsOnlyIntegersInRange();
    void numberEditNewRangeReplacesOld();
    void eachWidgetHasItsOwnMetaObject();
};

void TestEditorWidgets::wheelOverComboScrollsParentNotItem()
{
    WheelSink window;
    auto *layout = new QVBoxLayout(&window);
    auto *mine = new MyComboBox(&window);
    auto *plain = new QComboBox(&window);
    for (QComboBox *box : {static_cast<QComboBox *>(mine), plain}) {
        box->addItems({"a", "b", "c"});
        box->setCurrentIndex(1);
        layout->addWidget(box);
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QSignalSpy changed(mine, SIGNAL(currentIndexChanged(int)));
    for (int steps : {-1, 1, 1})
        turnWheel(mine, steps);
    QCOMPARE(mine->currentIndex(), 1);
    QCOMPARE(changed.count(), 0);
    // The scroll area around the row gets the turns instead.
    QCOMPARE(window.wheels, 3);

    // The same turn does move a plain box, so the events above were real.
    turnWheel(plain, -1);
    QVERIFY(plain->currentIndex() != 1);
}

void TestEditorWidgets::textEditReportsFocusLossOnce()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *edit = new MyTextEdit(&window);
    auto *other = new QLineEdit(&window);
    layout->addWidget(edit);
    layout->addWidget(other);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QString seenText;
    bool focusGoneWhenSignalled = false;
    connect(edit, &MyTextEdit::signalFocusOut, this, [&] {
        seenText = edit->toPlainText();
        focusGoneWhenSignalled = !edit->hasFocus();
    });
    QSignalSpy spy(edit, SIGNAL(signalFocusOut()));

    QTest::mouseClick(edit->viewport(), Qt::LeftButton);
    QTRY_VERIFY(edit->hasFocus());
    QTest::keyClicks(edit, QStringLiteral("row text"));
    QCOMPARE(spy.count(), 0);

    QTest::mouseClick(other, Qt::LeftButton);
    QTRY_VERIFY(other->hasFocus());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(seenText, QStringLiteral("row text"));
    QVERIFY(focusGoneWhenSignalled);

    // Typing elsewhere does not report again.
    QTest::keyClicks(other, QStringLiteral("x"));
    QCOMPARE(spy.count(), 1);
}

void TestEditorWidgets::numberEditAcceptsOnlyIntegersInRange_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("acceptable");

    QTest::newRow("digits in range") << 0 << 100 << "42" << "42" << true;
    QTest::newRow("letters dropped") << 0 << 100 << "4a2" << "42" << true;
    QTest::newRow("too many digits dropped") << 0 << 100 << "1234" << "123" << false;
    QTest::newRow("minus refused without negatives") << 0 << 100 << "-5" << "5" << true;
    QTest::newRow("negative allowed") << -50 << 50 << "-5" << "-5" << true;
    QTest::newRow("point dropped") << 0 << 1000 << "1.5" << "15" << true;
    QTest::newRow("large range") << -100000000 << 100000000 << "99999999" << "99999999" << true;
}

void TestEditorWidgets::numberEditAcceptsOnlyIntegersInRange()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(bool, acceptable);

    MyNumberEdit edit;
    edit.setRange(min, max);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QTest::keyClicks(&edit, typed);
    QCOMPARE(edit.text(), shown);
    QCOMPARE(edit.hasAcceptableInput(), acceptable);
}

void TestEditorWidgets::numberEditNewRangeReplacesOld()
{
    MyNumberEdit edit;
    edit.setRange(0, 10);
    edit.setRange(0, 1000);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QTest::keyClicks(&edit, QStringLiteral("500"));
    QCOMPARE(edit.text(), QStringLiteral("500"));
    QCOMPARE(edit.findChildren<QIntValidator *>().size(), 1);
    edit.setRange(0, 99);
    QVERIFY(!edit.hasAcceptableInput());
}

void TestEditorWidgets::eachWidgetHasItsOwnMetaObject()
{
    // Style sheets and the panels select these widgets by class name.
    QWidget host;
    const QList<QPair<QObject *, QString>> widgets = {
        {new MyBaseWidget(&host), "MyBaseWidget"},
        {new MyColorDialog(QColor(0x12, 0x34, 0x56), &host), "MyColorDialog"},
        {new MyComboBox(&host), "MyComboBox"},
        {new MyNumberEdit(&host), "MyNumberEdit"},
        {new MyTextEdit(&host), "MyTextEdit"},
    };
    for (const auto &entry : widgets)
        QCOMPARE(QString(entry.first->metaObject()->className()), entry.second);
}

QTEST_MAIN(TestEditorWidgets)
#include "tst_editorwidgets.moc"
