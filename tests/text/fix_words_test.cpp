// SPDX-License-Identifier: GPL-3.0-or-later
// The words of a fix: each reason for no fix its own sentence (two of them
// as navigators are taught them), warnings naming the observations from 1,
// and the figures' signs and names.
#include "text/fix_words.h"
#include "text/refusals.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(nav::FixWarning)

class FixWordsTest : public QObject
{
    Q_OBJECT

private slots:
    void everyReasonHasItsOwnSentence();
    void warnings_data();
    void warnings();
    void compassErrorSigns_data();
    void compassErrorSigns();
    void commonErrorWarningIsLabelled();
    void marksAreNamed();
    void rangeRefusalSaysTheLimit();
};

void FixWordsTest::everyReasonHasItsOwnSentence()
{
    using enum nav::NoFixReason;
    QSet<QString> said;
    for (const nav::NoFixReason reason : {TooFewObservations, CoincidentMarks, ParallelBearings,
                                          RangeCirclesApart, LinesApart, Indeterminate, TooFar})
        said.insert(tarnquil::noFixMessage(reason));
    QCOMPARE(said.size(), 7);
    QCOMPARE(tarnquil::noFixMessage(ParallelBearings), u"两方位线平行，无交点。"_s);
    QCOMPARE(tarnquil::noFixMessage(RangeCirclesApart), u"两距离圆不相交。"_s);
}

void FixWordsTest::warnings_data()
{
    QTest::addColumn<nav::FixWarning>("warning");
    QTest::addColumn<QString>("expected");
    QTest::newRow("poor cut of the first and third")
        << nav::FixWarning{nav::FixWarningKind::PoorCut, 0, 2, 25.26}
        << u"第 1、3 条船位线交角 25.3°，小于 30° 或大于 150°，船位误差大。"_s;
    QTest::newRow("danger circle")
        << nav::FixWarning{nav::FixWarningKind::DangerCircle, 1, 2, 4.0}
        << u"第 2、3 条船位线交角 4.0°，小于 30° 或大于 150°：船位接近三物标所在的圆（危险圆），船位不确定。"_s;
    QTest::newRow("a large cocked hat on the second line")
        << nav::FixWarning{nav::FixWarningKind::LargeCockedHat, 1, 1, 1.256}
        << u"误差三角形在第 2 条船位线上的边长 1.26 海里，超过 1 海里，请检查观测。"_s;
}

void FixWordsTest::warnings()
{
    QFETCH(nav::FixWarning, warning);
    QFETCH(QString, expected);
    QCOMPARE(tarnquil::fixWarningMessage(warning), expected);
}

void FixWordsTest::compassErrorSigns_data()
{
    QTest::addColumn<double>("total");
    QTest::addColumn<double>("remaining");
    QTest::addColumn<QString>("shown");
    QTest::newRow("east, none given") << 2.0 << 2.0 << u"剩余 +2.0°，总罗经差 +2.0°"_s;
    QTest::newRow("west") << -1.46 << -1.46 << u"剩余 -1.5°，总罗经差 -1.5°"_s;
    QTest::newRow("west rounding to nothing") << -0.04 << -0.04 << u"剩余 0.0°，总罗经差 0.0°"_s;
    QTest::newRow("zero") << 0.0 << 0.0 << u"剩余 0.0°，总罗经差 0.0°"_s;
    // 2.0 given: what the window would otherwise invite the navigator to add
    // again.
    QTest::newRow("given, half a degree left") << 2.5 << 0.5 << u"剩余 +0.5°，总罗经差 +2.5°"_s;
    QTest::newRow("given, all of it") << 2.0 << 0.0 << u"剩余 0.0°，总罗经差 +2.0°"_s;
}

void FixWordsTest::compassErrorSigns()
{
    QFETCH(double, total);
    QFETCH(double, remaining);
    QFETCH(QString, shown);
    nav::Fix fix;
    fix.commonError = nav::CommonErrorFix{total, remaining, {22.25, 113.9}, {}};
    const QStringList figures = tarnquil::fixFigures(fix);
    QCOMPARE(figures, QStringList{u"系统误差：已输入罗经差之外%1，船位 22°15.00′N 113°54.00′E"_s.arg(shown)});
}

// The common-error solution's warning says it is that solution's, after the
// fix's own.
void FixWordsTest::commonErrorWarningIsLabelled()
{
    nav::Fix fix;
    fix.warnings = {{nav::FixWarningKind::PoorCut, 0, 1, 25.3}};
    fix.commonError = nav::CommonErrorFix{2, 2, {22.25, 113.9},
                                          {{nav::FixWarningKind::DangerCircle, 0, 2, 165.3}}};
    const QStringList figures = tarnquil::fixFigures(fix);
    QCOMPARE(figures.size(), 3);
    QVERIFY(figures[1].startsWith(u"注意：第 1、2 条船位线交角 25.3°"_s));
    QCOMPARE(figures[2], u"注意（系统误差）：由第 1 至 3 条方位线的夹角求系统误差，两夹角的船位线交角 165.3°，"
                         u"小于 30° 或大于 150°：船位接近三物标所在的圆（危险圆），求得的罗经差不可靠。"_s);
}

void FixWordsTest::marksAreNamed()
{
    nav::Fix fix;
    fix.marks = {{{30, 122}, 45, 4.44}, {{29.9, 122.1}, 120, 6.05}};
    const QStringList figures = tarnquil::fixFigures(fix, {{{29.9, 122.1}, u"灯塔"_s}});
    QCOMPARE(figures, (QStringList{u"物标 30°00.00′N 122°00.00′E：方位 045.0°，距离 4.4 海里"_s,
                                   u"物标 灯塔（29°54.00′N 122°06.00′E）：方位 120.0°，距离 6.0 海里"_s}));
}

void FixWordsTest::rangeRefusalSaysTheLimit()
{
    QCOMPARE(tarnquil::fixValueRefusal(nav::Quantity::Range, u"120"_s, tarnquil::Verdict::OutOfRange),
             u"距离“120”超出范围：应是大于 0、不超过 100 的海里数，如 3.5 或 3.5nm。"_s);
    QCOMPARE(tarnquil::fixValueRefusal(nav::Quantity::CompassError, u"2E"_s, tarnquil::Verdict::Unreadable),
             u"罗经差“2E”无法识别：应是 -180 到 180 之间的度数，偏东为正，如 -2.5 或 3°。"_s);
}

QTEST_MAIN(FixWordsTest)
#include "fix_words_test.moc"
