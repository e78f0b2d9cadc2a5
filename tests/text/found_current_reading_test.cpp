// SPDX-License-Identifier: GPL-3.0-or-later
// 求流 as the fix window reads it: the current between two fixes, worked
// with the ship's head, the log, α and ΔL, against GeographicLib's
// RhumbSolve; and what is asked for, or refused, when the texts do not
// give it.
#include "text/found_current_reading.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using tarnquil::FixSettingTexts;

namespace {

constexpr double metresPerMile = 1852;

// From 30N 122E at 08:00 +8, TC 090, α +3 (CA 093), log 10 kn with ΔL −2
// for 4 h: 39.2 n mile = 72598.4 m. The DR:
//   echo "30 122 93 72598.4" | RhumbSolve -p 9
//   29.96572455692017 122.75126180081404
// and from it to the second fix, 29.9N 122.8E:
//   echo "29.96572455692017 122.75126180081404 29.9 122.8" | RhumbSolve -i -p 9
//   147.14199451624455 8673.213530176
constexpr double drLatitude = 29.96572455692017;
constexpr double drLongitude = 122.75126180081404;
constexpr double setToward = 147.14199451624455;
constexpr double currentMetres = 8673.213530176;

FixSettingTexts worked()
{
    FixSettingTexts settings;
    settings.course = u"090"_s;
    settings.speed = u"10"_s;
    settings.leeway = u"+3"_s;
    settings.logCorrection = u"-2"_s;
    settings.first = {u"3000N 12200E"_s, geo::NumberForm::Minutes, u"2026-12-08 08:00 +8"_s};
    settings.second = {u"2954N 12248E"_s, geo::NumberForm::Minutes, u"2026-12-08 12:00 +8"_s};
    return settings;
}

}  // namespace

Q_DECLARE_METATYPE(FixSettingTexts)

class FoundCurrentReadingTest : public QObject
{
    Q_OBJECT

private slots:
    void currentFound_data();
    void currentFound();
    void notFound_data();
    void notFound();
    void nothingTyped();
};

void FoundCurrentReadingTest::currentFound_data()
{
    QTest::addColumn<FixSettingTexts>("settings");
    FixSettingTexts settings = worked();
    QTest::newRow("wind on the port side, log reading high") << settings;
    settings.second.time = u"2026-12-08 04:00 UTC"_s;
    QTest::newRow("the second time in another zone") << settings;
    settings = worked();
    settings.second = {u"29.9N 122.8E"_s, geo::NumberForm::Degrees, u"2026-12-08 12:00 +8"_s};
    QTest::newRow("the second fix in degrees") << settings;
    settings = worked();
    settings.first.position = u"30°00.00′N 122°00.00′E"_s;
    QTest::newRow("a fix as the window shows one") << settings;
}

void FoundCurrentReadingTest::currentFound()
{
    QFETCH(FixSettingTexts, settings);
    const tarnquil::FoundCurrentReading read = tarnquil::readFoundCurrent(settings);
    QVERIFY2(read.current, qPrintable(read.problem));
    QCOMPARE(read.problem, QString());
    QVERIFY(std::abs(read.current->dr.latitude - drLatitude) < 1e-9);
    QVERIFY(std::abs(read.current->dr.longitude - drLongitude) < 1e-9);
    QVERIFY(std::abs(read.current->set - setToward) < 1e-7);
    QVERIFY(std::abs(read.current->drift - currentMetres / metresPerMile / 4) < 1e-7);
    QCOMPARE(read.current->hours, 4.0);
    QCOMPARE(tarnquil::foundCurrentLine(*read.current),
             u"流向 147.1°，流速 1.2 节（两次定位相隔 4:00，推算船位 29°57.94′N 122°45.08′E）"_s);
}

void FoundCurrentReadingTest::notFound_data()
{
    QTest::addColumn<FixSettingTexts>("settings");
    QTest::addColumn<bool>("hintOnly");
    QTest::addColumn<QString>("says");
    FixSettingTexts settings = worked();
    settings.first = {};
    QTest::newRow("only the second fix") << settings << true << u"输入第一船位和定位的时间"_s;
    settings = worked();
    settings.second.time.clear();
    QTest::newRow("a fix recorded, its time not yet typed") << settings << true << u"第二船位和定位的时间"_s;
    settings = worked();
    settings.speed.clear();
    QTest::newRow("no log speed") << settings << true << u"输入航向和航速"_s;
    settings = worked();
    settings.second.time = u"2026-12-08 07:00 +8"_s;
    QTest::newRow("the second fix taken first") << settings << false
                                                << u"后一次定位的时间要晚于前一次"_s;
    settings.second.time = u"2026-12-08 08:00 +8"_s;
    QTest::newRow("both fixes at one time") << settings << false << u"不晚于第一船位的时间"_s;
    settings = worked();
    settings.second.time = u"2026-02-30 12:00 +8"_s;
    QTest::newRow("a day that does not exist") << settings << false << u"第二船位的时间"_s;
    settings = worked();
    settings.first.position = u"9100N 12200E"_s;
    QTest::newRow("a latitude beyond the pole") << settings << false << u"第一船位"_s;
    settings = worked();
    settings.leeway = u"50"_s;
    QTest::newRow("a leeway beyond 45°") << settings << false << u"风压差"_s;
    settings = worked();
    settings.logCorrection = u"-2‰"_s;
    QTest::newRow("a log correction per mille") << settings << false << u"计程仪改正率"_s;
}

void FoundCurrentReadingTest::notFound()
{
    QFETCH(FixSettingTexts, settings);
    QFETCH(bool, hintOnly);
    QFETCH(QString, says);
    const tarnquil::FoundCurrentReading read = tarnquil::readFoundCurrent(settings);
    QVERIFY(!read.current);
    QCOMPARE(read.hintOnly, hintOnly);
    QVERIFY2(read.problem.contains(says), qPrintable(read.problem));
}

void FoundCurrentReadingTest::nothingTyped()
{
    FixSettingTexts settings = worked();
    settings.first = {};
    settings.second = {};
    const tarnquil::FoundCurrentReading read = tarnquil::readFoundCurrent(settings);
    QVERIFY(!read.current);
    QVERIFY(read.problem.isEmpty());
}

QTEST_GUILESS_MAIN(FoundCurrentReadingTest)
#include "found_current_reading_test.moc"
