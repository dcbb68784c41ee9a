#include "controls/mycombobox.h"
#include "controls/mynumberedit.h"

#include <QIntValidator>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest/qtestspontaneevent.h>
#include <QWheelEvent>
#include <QtTest>

namespace {

// Records the wheel events that reach it, as a scroll area around a row would.
struct WheelSink : QWidget {
    int wheels = 0;
    void wheelEvent(QWheelEvent *event) override { ++wheels; event->accept(); }
};

void turnWheel(QWidget *widget, int steps)
{
    const QPoint local = widget->rect().center();
    QWheelEvent event(local, widget->mapToGlobal(local), QPoint(), QPoint(0, 120 * steps), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
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
    void numberEditAcceptsOnlyIntegersInRange();
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

void TestEditorWidgets::numberEditAcceptsOnlyIntegersInRange()
{
    MyNumberEdit edit;
    edit.setRange(0, 10);
    edit.setRange(-50, 500);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QTest::keyClicks(&edit, "-4a2");
    QCOMPARE(edit.text(), QString("-42"));
    QVERIFY(edit.hasAcceptableInput());
    // Rows change their range many times; the validators do not pile up.
    QCOMPARE(edit.findChildren<QIntValidator *>().size(), 1);
}

QTEST_MAIN(TestEditorWidgets)
#include "tst_editorwidgets.moc"
