// SPDX-License-Identifier: GPL-3.0-or-later
// The words the windows and the command line share: each refusal with its
// field, verdict and rule; the leg methods as tables and files name them and
// as they are read back; the file messages. Qt Core only.
#include "text/file_messages.h"
#include "text/method_words.h"
#include "text/refusals.h"

#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::optional<nav::Method>)

class WordsTest : public QObject
{
    Q_OBJECT

private slots:
    void refusals_data();
    void refusals();
    void methodWords();
    void methodCells_data();
    void methodCells();
    void fileMessages_data();
    void fileMessages();
};

void WordsTest::refusals_data()
{
    using tarnquil::Verdict;
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");

    QTest::newRow("speed") << tarnquil::speedRefusal(u"12km"_s)
                           << u"航速“12km”无法识别：应为不小于 0.00000001 的节数，如 12、12.5 或 12kn。"_s;
    QTest::newRow("speed on the command line")
        << tarnquil::speedRefusal(u"0"_s, Verdict::OutOfRange, u"--speed")
        << u"航速（--speed）“0”超出范围：应为不小于 0.00000001 的节数，如 12、12.5 或 12kn。"_s;
    QTest::newRow("route index")
        << tarnquil::routeIndexRefusal(u"1e30"_s, Verdict::OutOfRange, u"--route-index")
        << u"航线序号（--route-index）“1e30”超出范围：应为从 1 起的整数，不超过文件中的航线数。"_s;
    QTest::newRow("departure")
        << tarnquil::departureRefusal(u"2025-3-1 8:00"_s)
        << u"开航时间“2025-3-1 8:00”无法识别：应写作 YYYY-MM-DD HH:MM，如 2025-06-01 08:00、2025/6/1 8:00。"_s;
    QTest::newRow("course unreadable")
        << tarnquil::courseRefusal(u"45kn"_s)
        << u"航向“45kn”无法识别：应是 0 到 360 之间的度数，如 45、045° 或 123.5。"_s;
    QTest::newRow("course beyond")
        << tarnquil::courseRefusal(u"361"_s, Verdict::OutOfRange)
        << u"航向“361”超出范围：应是 0 到 360 之间的度数，如 45、045° 或 123.5。"_s;
    QTest::newRow("distance unreadable")
        << tarnquil::distanceRefusal(u"3 km"_s)
        << u"航程“3 km”无法识别：应是 0 到 1000000 之间的海里数，如 120.5 或 120.5nm。"_s;
    QTest::newRow("distance beyond a run")
        << tarnquil::distanceRefusal(u"2000000"_s, Verdict::OutOfRange)
        << u"航程“2000000”超出范围：应是 0 到 1000000 之间的海里数，如 120.5 或 120.5nm。"_s;
    QTest::newRow("latitude beyond the pole")
        << tarnquil::positionRangeRefusal(u"位置"_s, u"9100N 12000E"_s, geo::Axis::Latitude)
        << u"位置“9100N 12000E”超出范围：纬度应在 -90° 到 90° 之间。"_s;
    QTest::newRow("longitude beyond 180")
        << tarnquil::positionRangeRefusal(u"起点"_s, u"3000N 18100E"_s, geo::Axis::Longitude)
        << u"起点“3000N 18100E”超出范围：经度应在 -180° 到 180° 之间。"_s;
    QTest::newRow("a long text quoted by its ends")
        << tarnquil::speedRefusal(QString(100, u'9'))
        << u"航速“9999999999999999…9999999999999999”无法识别：应为不小于 0.00000001 的节数，如 12、12.5 或 12kn。"_s;
    // A NUL and a line break in a quoted text are shown, not passed on: the
    // message is whole wherever it goes.
    QTest::newRow("control characters quoted visibly")
        << tarnquil::speedRefusal(u"1"_s + QChar(u'\0') + u"2\n"_s)
        << u"航速“1␀2␊”无法识别：应为不小于 0.00000001 的节数，如 12、12.5 或 12kn。"_s;
    QTest::newRow("pole run") << tarnquil::poleRunRefusal()
                              << u"沿恒向线按此航向航行会越过极点，推算不出船位；请改用大圆，或缩短航程。"_s;
}

void WordsTest::refusals()
{
    QFETCH(QString, message);
    QFETCH(QString, expected);
    QCOMPARE(message, expected);
}

void WordsTest::methodWords()
{
    QCOMPARE(tarnquil::methodCell(nav::Method::Rhumb), u"RL"_s);
    QCOMPARE(tarnquil::methodCell(nav::Method::GreatCircle), u"GC"_s);
    QCOMPARE(tarnquil::methodLabel(nav::Method::Rhumb), u"RL 恒向线"_s);
    QCOMPARE(tarnquil::methodLabel(nav::Method::GreatCircle), u"GC 大圆"_s);
    QCOMPARE(tarnquil::methodCodeChoices(), u"RL（恒向线）或 GC（大圆）"_s);
    QCOMPARE(tarnquil::methodWordChoices(), u"rl（恒向线）或 gc（大圆）"_s);
}

void WordsTest::methodCells_data()
{
    const std::optional<nav::Method> rhumb = nav::Method::Rhumb;
    const std::optional<nav::Method> greatCircle = nav::Method::GreatCircle;
    const std::optional<nav::Method> none;
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<nav::Method>>("cell");   // readMethodCell
    QTest::addColumn<std::optional<nav::Method>>("label");  // readMethodLabel

    QTest::newRow("code") << u"GC"_s << greatCircle << greatCircle;
    QTest::newRow("code in lower case, blanks around") << u" rl\t"_s << rhumb << rhumb;
    QTest::newRow("name, ideographic space around") << u"　大圆　"_s << greatCircle << greatCircle;
    QTest::newRow("label") << u"RL 恒向线"_s << none << rhumb;
    QTest::newRow("label in lower case") << u"gc 大圆"_s << none << none;
    QTest::newRow("empty") << QString() << none << none;
    QTest::newRow("full-width code") << u"ＧＣ"_s << none << none;
    QTest::newRow("other word") << u"XY"_s << none << none;
}

void WordsTest::methodCells()
{
    QFETCH(QString, text);
    QFETCH(std::optional<nav::Method>, cell);
    QFETCH(std::optional<nav::Method>, label);
    QVERIFY(tarnquil::readMethodCell(text) == cell);
    QVERIFY(tarnquil::readMethodLabel(text) == label);
}

void WordsTest::fileMessages_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");
    // Paths without a folder: a path is shown with the system's separators.
    QTest::newRow("open") << tarnquil::openFailure(u"航线.csv"_s, u"No such file or directory"_s)
                          << u"无法打开文件“航线.csv”：No such file or directory。"_s;
    QTest::newRow("read, Qt's full stop dropped")
        << tarnquil::readFailure(u"a.gpx"_s, u"Input/output error."_s)
        << u"无法读取文件“a.gpx”：Input/output error。"_s;
    QTest::newRow("save, our own reason")
        << tarnquil::saveFailure(u"a.pdf"_s, u"磁盘已满。"_s) << u"无法保存文件“a.pdf”：磁盘已满。"_s;
}

void WordsTest::fileMessages()
{
    QFETCH(QString, message);
    QFETCH(QString, expected);
    QCOMPARE(message, expected);
}

QTEST_GUILESS_MAIN(WordsTest)
#include "words_test.moc"
