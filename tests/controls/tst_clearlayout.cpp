#include "controls/layoutclearing.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QtTest>

class TestClearLayout : public QObject
{
    Q_OBJECT

private slots:
    void nullLayoutIsLeftAlone();
    void layoutWidgetsGoOthersStayAndANewLayoutFits();
    void nestedLayoutsAreClearedAndDeleted();
};

void TestClearLayout::nullLayoutIsLeftAlone()
{
    QWidget owner;
    auto *child = new QLabel(QStringLiteral("kept"), &owner);
    clearLayout(nullptr);
    QCOMPARE(owner.children().size(), 1);
    QCOMPARE(child->parent(), &owner);
}

void TestClearLayout::layoutWidgetsGoOthersStayAndANewLayoutFits()
{
    QWidget owner;
    owner.resize(200, 100);
    auto *row = new QHBoxLayout(&owner);
    QPointer<QLabel> first = new QLabel(QStringLiteral("a"), &owner);
    QPointer<QLabel> second = new QLabel(QStringLiteral("b"), &owner);
    row->addWidget(first);
    row->addStretch();
    row->addWidget(second);
    QPointer<QLayout> layout = row;
    QPointer<QLabel> floating = new QLabel(QStringLiteral("out"), &owner);

    clearLayout(owner.layout());

    QVERIFY(first.isNull());
    QVERIFY(second.isNull());
    QVERIFY(layout.isNull());
    QCOMPARE(owner.layout(), nullptr);
    // A widget outside the layout is not the layout's to delete.
    QVERIFY(!floating.isNull());
    QCOMPARE(owner.findChildren<QWidget *>(), QList<QWidget *>({floating.data()}));

    // A rebuild installs a fresh layout on the same widget.
    auto *fresh = new QVBoxLayout;
    auto *label = new QLabel(QStringLiteral("new"), &owner);
    fresh->addWidget(label);
    owner.setLayout(fresh);
    QCOMPARE(owner.layout(), fresh);
    fresh->activate();
    QVERIFY(label->width() > 0);
}

void TestClearLayout::nestedLayoutsAreClearedAndDeleted()
{
    QWidget owner;
    auto *outer = new QVBoxLayout(&owner);
    QVector<QPointer<QWidget>> widgets;
    QVector<QPointer<QLayout>> layouts;
    for (int r = 0; r < 3; ++r) {
        auto *row = new QHBoxLayout;
        layouts.append(row);
        for (int c = 0; c < 3; ++c) {
            auto *cell = new QLabel(QString::number(r * 3 + c), &owner);
            widgets.append(cell);
            row->addWidget(cell);
        }
        auto *grid = new QGridLayout;
        layouts.append(grid);
        auto *deep = new QLabel(QStringLiteral("deep"), &owner);
        widgets.append(deep);
        grid->addWidget(deep, 1, 1);
        row->addLayout(grid);
        outer->addLayout(row);
    }
    // A widget with a layout and children of its own goes as a whole.
    auto *panel = new QWidget(&owner);
    auto *panelLayout = new QVBoxLayout(panel);
    QPointer<QLabel> inPanel = new QLabel(QStringLiteral("inner"), panel);
    panelLayout->addWidget(inPanel);
    widgets.append(panel);
    outer->addWidget(panel);

    clearLayout(outer);

    for (const QPointer<QWidget> &widget : widgets)
        QVERIFY(widget.isNull());
    for (const QPointer<QLayout> &layout : layouts)
        QVERIFY(layout.isNull());
    QVERIFY(inPanel.isNull());
    QCOMPARE(owner.layout(), nullptr);
    QVERIFY(owner.children().isEmpty());
}

QTEST_MAIN(TestClearLayout)
#include "tst_clearlayout.moc"
