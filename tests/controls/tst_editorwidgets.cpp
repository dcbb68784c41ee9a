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
struct WheelSink : QWidget {
    int wheels = 0;
    void wheelEvent(QWheelEvent *event) override { ++wheels; event->accept(); }
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

    // Reported once, after the focus has gone, with the text typed.
    QStringList seen;
    connect(edit, &MyTextEdit::signalFocusOut, this,
            [&] { seen.append(edit->toPlainText() + (edit->hasFocus() ? "+focus" : "")); });
    QTest::mouseClick(edit->viewport(), Qt::LeftButton);
    QTRY_VERIFY(edit->hasFocus());
    QTest::keyClicks(edit, QStringLiteral("row text"));
    QTest::mouseClick(other, Qt::LeftButton);
    QTRY_VERIFY(other->hasFocus());
    QTest::keyClicks(other, QStringLiteral("x"));
    QCOMPARE(seen, QStringList("row text"));
}

void TestEditorWidgets::numberEditAcceptsOnlyIntegersInRange_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("acceptable");

    QTest::newRow("letters dropped") << 0 << 100 << "4a2" << "42" << true;
    QTest::newRow("too many digits dropped") << 0 << 100 << "1234" << "123" << false;
    QTest::newRow("minus refused without negatives") << 0 << 100 << "-5" << "5" << true;
    QTest::newRow("negative allowed") << -50 << 50 << "-5" << "-5" << true;
    QTest::newRow("new range replaces the old") << 0 << 1000 << "500" << "500" << true;
}

void TestEditorWidgets::numberEditAcceptsOnlyIntegersInRange()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(bool, acceptable);

    MyNumberEdit edit;
    edit.setRange(0, 10);
    edit.setRange(min, max);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QTest::keyClicks(&edit, typed);
    QCOMPARE(edit.text(), shown);
    QCOMPARE(edit.hasAcceptableInput(), acceptable);
    QCOMPARE(edit.findChildren<QIntValidator *>().size(), 1);
}

QTEST_MAIN(TestEditorWidgets)
#include "tst_editorwidgets.moc"
