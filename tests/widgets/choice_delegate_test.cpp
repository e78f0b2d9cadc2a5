// SPDX-License-Identifier: GPL-3.0-or-later
// A cell of choices typed into from the keyboard: a digit chooses the n-th
// choice in the cell or in its open list; any other digit changes nothing.
#include "widgets/choice_delegate.h"

#include <QApplication>
#include <QComboBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Values unlike the choices' places, so that a place taken for a value shows.
const QList<tarnquil::Choice> choices{{u"方位"_s, 10}, {u"距离"_s, 20}, {u"水平角"_s, 30}};
constexpr int untouched = 99;

}  // namespace

class ChoiceDelegateTest : public QObject
{
    Q_OBJECT

private slots:
    void digitChoosesTheNthChoice_data();
    void digitChoosesTheNthChoice();
    void listNamedForScreenReaders();
};

void ChoiceDelegateTest::digitChoosesTheNthChoice_data()
{
    QTest::addColumn<bool>("listOpen");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("value");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("1 in the cell") << false << true << int(Qt::Key_1) << none << 10;
    QTest::newRow("2 in the cell") << false << true << int(Qt::Key_2) << none << 20;
    QTest::newRow("3 in the cell, the last") << false << true << int(Qt::Key_3) << none << 30;
    QTest::newRow("2 on the keypad") << false << true << int(Qt::Key_2)
                                     << Qt::KeyboardModifiers(Qt::KeypadModifier) << 20;
    QTest::newRow("4, beyond the list") << false << true << int(Qt::Key_4) << none << untouched;
    QTest::newRow("0") << false << true << int(Qt::Key_0) << none << untouched;
    QTest::newRow("Ctrl+2 is no digit typed") << false << true << int(Qt::Key_2)
                                              << Qt::KeyboardModifiers(Qt::ControlModifier)
                                              << untouched;
    QTest::newRow("2 in a cell that cannot be edited") << false << false << int(Qt::Key_2) << none
                                                       << untouched;
    QTest::newRow("2 in the open list") << true << true << int(Qt::Key_2) << none << 20;
    QTest::newRow("3 in the open list") << true << true << int(Qt::Key_3) << none << 30;
}

// In the cell the digit is the edit; in the open list it is the choice,
// committed, and the list closes. Neither leaves a list open.
void ChoiceDelegateTest::digitChoosesTheNthChoice()
{
    QFETCH(bool, listOpen);
    QFETCH(bool, editable);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, value);

    QStandardItemModel model(1, 1);
    auto* item = new QStandardItem;
    item->setData(untouched, Qt::EditRole);
    item->setEditable(editable);
    model.setItem(0, 0, item);
    QTableView view;
    view.setModel(&model);
    view.setItemDelegateForColumn(0, new tarnquil::ChoiceDelegate(choices, u"观测类型"_s, &view));
    view.show();
    QApplication::setActiveWindow(&view);
    QVERIFY(QTest::qWaitForWindowActive(&view));
    view.setFocus();
    view.setCurrentIndex(model.index(0, 0));
    if (listOpen) {
        QTest::keyClick(&view, Qt::Key_F2);
        QVERIFY(qobject_cast<QComboBox*>(QApplication::focusWidget()) != nullptr);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    QCoreApplication::processEvents();  // the view closes an editor later
    QCOMPARE(model.index(0, 0).data(Qt::EditRole).toInt(), value);
    QCOMPARE(QApplication::focusWidget(), &view);
    for (const QComboBox* list : view.findChildren<QComboBox*>())
        QVERIFY(!list->isVisible());
}

void ChoiceDelegateTest::listNamedForScreenReaders()
{
    QStandardItemModel model(1, 1);
    model.setData(model.index(0, 0), 20, Qt::EditRole);
    QTableView view;
    view.setModel(&model);
    view.setItemDelegateForColumn(0, new tarnquil::ChoiceDelegate(choices, u"观测类型"_s, &view));
    view.show();
    view.edit(model.index(0, 0));
    auto* list = view.findChild<QComboBox*>();
    QVERIFY(list != nullptr);
    QCOMPARE(list->accessibleName(), u"观测类型"_s);
    QCOMPARE(list->count(), choices.size());
    QCOMPARE(list->currentText(), u"距离"_s);
}

QTEST_MAIN(ChoiceDelegateTest)
#include "choice_delegate_test.moc"
