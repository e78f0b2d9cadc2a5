// SPDX-License-Identifier: GPL-3.0-or-later
// A table's cell being typed into is named for screen readers by its column
// and row, and carries the reason of a refused text.
#include "widgets/entry_table_view.h"

#include <QApplication>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTest>

using namespace Qt::StringLiterals;

class NamedCellDelegateTest : public QObject
{
    Q_OBJECT

private slots:
    void editorIsNamed_data();
    void editorIsNamed();
};

void NamedCellDelegateTest::editorIsNamed_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::newRow("first cell") << 0 << 0 << u"物标，第 1 行"_s << QString();
    // A title broken over two lines in the header is said on one.
    QTest::newRow("two-line title") << 2 << 1 << u"观测值 （度），第 3 行"_s << QString();
    QTest::newRow("refused") << 1 << 1 << u"观测值 （度），第 2 行"_s
                             << u"方位“400”超出范围"_s;
}

void NamedCellDelegateTest::editorIsNamed()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QStandardItemModel model(3, 2);
    model.setHorizontalHeaderLabels({u"物标"_s, u"观测值\n（度）"_s});
    model.setData(model.index(1, 1), u"方位“400”超出范围"_s, Qt::AccessibleDescriptionRole);
    tarnquil::EntryTableView view;
    view.setModel(&model);
    view.show();
    view.edit(model.index(row, column));
    auto* editor = view.viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    QCOMPARE(editor->accessibleName(), name);
    QCOMPARE(editor->accessibleDescription(), description);
}

QTEST_MAIN(NamedCellDelegateTest)
#include "named_cell_delegate_test.moc"
