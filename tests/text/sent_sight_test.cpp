// SPDX-License-Identifier: GPL-3.0-or-later
// A sight sent to the fix window: taken as a 天体高度 row with the texts
// typed, the fix window's empty conditions filled, or refused with nothing
// changed when the two would correct the altitude differently.
#include "text/sent_sight.h"

#include "text/fix_reading.h"

#include <QTest>

#include <utility>

using namespace Qt::StringLiterals;
using tarnquil::FixSettingTexts;
using tarnquil::FixTexts;
using tarnquil::SentSight;

namespace {

SentSight sunSight()
{
    SentSight sight;
    sight.row = {u" 太阳 "_s, u"下边"_s, u"2026-12-08 11:44 +8"_s, u"37°02.0′"_s};
    sight.position = u"30°10.2′N 122°05.3′E"_s;
    sight.heightOfEye = u"15"_s;
    sight.indexCorrection = u"-1.5"_s;
    return sight;
}

// One condition of the fix window typed, and one of the sight.
struct Typed {
    QString FixSettingTexts::*fixText = nullptr;
    QString fix;
    QString SentSight::*sightText = nullptr;
    QString sight;
};

// The fix window with the sun sight's height of eye and an index correction
// written as `index`, then the row's condition typed on both sides.
std::pair<FixTexts, SentSight> typedOnBothSides(const Typed& typed, const QString& index)
{
    FixTexts fix;
    fix.settings.heightOfEye = u"15"_s;
    fix.settings.indexCorrection = index;
    fix.settings.*typed.fixText = typed.fix;
    SentSight sight = sunSight();
    sight.*typed.sightText = typed.sight;
    return {fix, sight};
}

}  // namespace

Q_DECLARE_METATYPE(Typed)

class SentSightTest : public QObject
{
    Q_OBJECT

private slots:
    void sameCorrectionTaken_data();
    void sameCorrectionTaken();
    void otherCorrectionRefused_data();
    void otherCorrectionRefused();
    void emptyWindowTakesEverything();
    void typedDrStays();
};

void SentSightTest::sameCorrectionTaken_data()
{
    QTest::addColumn<Typed>("typed");
    QTest::addColumn<QString>("kept");  // the fix window's text afterwards
    QTest::newRow("height with its unit") << Typed{&FixSettingTexts::heightOfEye, u"15 米"_s,
                                                   &SentSight::heightOfEye, u"15"_s}
                                          << u"15 米"_s;
    QTest::newRow("temperature typed as its default")
        << Typed{&FixSettingTexts::temperature, u"10"_s, &SentSight::temperature, {}} << u"10"_s;
    QTest::newRow("pressure empty, filled as sent")
        << Typed{&FixSettingTexts::pressure, {}, &SentSight::pressure, u"1010 hPa"_s} << u"1010 hPa"_s;
    QTest::newRow("DUT1 0 and blank") << Typed{&FixSettingTexts::dut1, u"0"_s, &SentSight::dut1, {}} << u"0"_s;
}

void SentSightTest::sameCorrectionTaken()
{
    QFETCH(Typed, typed);
    QFETCH(QString, kept);
    const auto [fix, sight] = typedOnBothSides(typed, u"-1.5′"_s);
    const tarnquil::TakenSight taken = tarnquil::takeSight(fix, sight);
    QVERIFY2(taken.refusal.isEmpty(), qPrintable(taken.refusal));
    QCOMPARE(taken.texts.settings.*typed.fixText, kept);
    QCOMPARE(taken.texts.settings.indexCorrection, u"-1.5′"_s);
    QCOMPARE(taken.texts.rows.size(), 1);
}

void SentSightTest::otherCorrectionRefused_data()
{
    QTest::addColumn<Typed>("typed");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("another height of eye")
        << Typed{&FixSettingTexts::heightOfEye, u"12"_s, &SentSight::heightOfEye, u"15"_s}
        << u"陆标定位的眼高为“12”，此观测的为“15”：定位中的天体高度都用同一眼高改正，请先改为一致，未送出。"_s;
    QTest::newRow("an index correction against none used")
        << Typed{&FixSettingTexts::indexCorrection, {}, &SentSight::indexCorrection, u"-1.5"_s}
        << u"陆标定位的指标差为空（即 0），此观测的为“-1.5”：定位中的天体高度都用同一指标差改正，请先改为一致，未送出。"_s;
    QTest::newRow("a pressure the fix window cannot read")
        << Typed{&FixSettingTexts::pressure, u"101.3"_s, &SentSight::pressure, {}}
        << u"陆标定位的气压为“101.3”，此观测的为空（即 1010）：定位中的天体高度都用同一气压改正，请先改为一致，未送出。"_s;
}

void SentSightTest::otherCorrectionRefused()
{
    QFETCH(Typed, typed);
    QFETCH(QString, refusal);
    auto [fix, sight] = typedOnBothSides(typed, u"-1.5"_s);
    fix.settings.near = u"3010N 12205E"_s;
    // A sight already there, corrected with the fix window's conditions.
    fix.rows.append({nav::ObservationKind::Altitude, u"Sun"_s, {}, u"36°10′"_s, u"2026-12-08 11:30 +8"_s, {}});
    const tarnquil::TakenSight taken = tarnquil::takeSight(fix, sight);
    QCOMPARE(taken.refusal, refusal);
    QVERIFY(taken.texts.rows == fix.rows);
    QVERIFY(taken.texts.settings == fix.settings);
}

void SentSightTest::emptyWindowTakesEverything()
{
    const tarnquil::TakenSight taken = tarnquil::takeSight({}, sunSight());
    QVERIFY2(taken.refusal.isEmpty(), qPrintable(taken.refusal));
    const FixSettingTexts& settings = taken.texts.settings;
    QCOMPARE(settings.heightOfEye, u"15"_s);
    QCOMPARE(settings.indexCorrection, u"-1.5"_s);
    QCOMPARE(settings.near, u"30°10.2′N 122°05.3′E"_s);
    QVERIFY(settings.temperature.isEmpty());
    QCOMPARE(taken.texts.rows.size(), 1);
    const tarnquil::ObservationRow& row = taken.texts.rows.front();
    QCOMPARE(row.kind, nav::ObservationKind::Altitude);
    QCOMPARE(row.mark, u"太阳"_s);
    QCOMPARE(row.mark2, u"下边"_s);
    QCOMPARE(row.value, u"37°02.0′"_s);
    QCOMPARE(row.when, u"2026-12-08 11:44 +8"_s);
}

// The DR typed in the fix window is every altitude's assumed position:
// it stays, in the form it was typed in.
void SentSightTest::typedDrStays()
{
    FixTexts fix;
    fix.settings.near = u"301012N 1220518E"_s;
    fix.settings.nearForm = geo::NumberForm::Seconds;
    fix.settings.heightOfEye = u"15"_s;
    fix.settings.indexCorrection = u"-1.5"_s;
    fix.rows.append({nav::ObservationKind::Bearing, u"3020N 12200E"_s, {}, u"010"_s, {}, {}});
    const tarnquil::TakenSight taken = tarnquil::takeSight(fix, sunSight());
    QVERIFY2(taken.refusal.isEmpty(), qPrintable(taken.refusal));
    QCOMPARE(taken.texts.settings.near, fix.settings.near);
    QCOMPARE(taken.texts.settings.nearForm, geo::NumberForm::Seconds);
    QCOMPARE(taken.texts.rows.size(), 2);
    QCOMPARE(taken.texts.rows.front(), fix.rows.front());
}

QTEST_APPLESS_MAIN(SentSightTest)
#include "sent_sight_test.moc"
