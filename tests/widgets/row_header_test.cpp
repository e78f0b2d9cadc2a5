// SPDX-License-Identifier: GPL-3.0-or-later
// A table's row numbers fit in its row header, however many rows: the
// header measures them itself, in its own font.
#include "widgets/entry_table_view.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QStyle>
#include <QTest>

class RowHeaderTest : public QObject
{
    Q_OBJECT

private slots:
    void numbersFit_data();
    void numbersFit();
};

void RowHeaderTest::numbersFit_data()
{
    QTest::addColumn<int>("rows");
    QTest::newRow("one digit") << 9;
    QTest::newRow("two digits") << 10;
    QTest::newRow("three digits") << 100;
    QTest::newRow("four digits") << 1000;
}

void RowHeaderTest::numbersFit()
{
    QFETCH(int, rows);
    QStandardItemModel model(rows, 2);
    tarnquil::EntryTableView view;
    view.setModel(&model);
    view.resize(300, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QHeaderView* header = view.verticalHeader();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int widest = header->fontMetrics().horizontalAdvance(QString::number(rows));
    QVERIFY2(header->width() >= widest + 2 * margin,
             qPrintable(QStringLiteral("%1 px for %2 px of digits").arg(header->width()).arg(widest)));
    // The header is no wider than its widest number needs, beside the
    // style's own width of a section.
    QVERIFY(header->width() <= std::max(widest + 4 * margin, header->minimumSectionSize()) + 8);
}

QTEST_MAIN(RowHeaderTest)
#include "row_header_test.moc"
