// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/leeway_and_current.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <limits>

#include "nav/errors.h"

#include "row_name.h"

namespace {

using enum nav::EarthModel;
using nav::CurrentRefusal;
using nav::Quantity;

constexpr double kTolerance = 1e-9;  // degrees, knots and n mile
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// ---- 推算: wind first, then current ----

struct ReckonRow {
    const char* name;
    nav::EarthModel model;
    geo::GeoPoint from;
    double tc, logKnots, correction, leeway, set, rate, hours;
    double ca, cg, groundSpeed, beta, gamma, distance;
    geo::GeoPoint position;
};

class ReckonWithCurrent : public ::testing::TestWithParam<ReckonRow> {};

TEST_P(ReckonWithCurrent, MatchesTheCurrentTriangleAndRhumbSolve)
{
    const ReckonRow& row = GetParam();
    const nav::CurrentReckoning dr = nav::reckonWithCurrent(
        nav::Earth(row.model), row.from, {row.tc, row.leeway}, {row.logKnots, row.correction},
        {row.set, row.rate}, row.hours);
    ASSERT_TRUE(dr.cg && dr.beta && dr.gamma);
    EXPECT_EQ(dr.alpha, row.leeway);
    const double got[] = {dr.ca, *dr.cg, dr.groundSpeed, *dr.beta, *dr.gamma, dr.distance,
                          dr.position.latitude, dr.position.longitude};
    const double want[] = {row.ca, row.cg, row.groundSpeed, row.beta, row.gamma, row.distance,
                           row.position.latitude, row.position.longitude};
    const char* const names[] = {"CA", "CG", "VG", "β", "γ", "distance", "lat", "lon"};
    for (std::size_t i = 0; i < std::size(got); ++i)
        EXPECT_NEAR(got[i], want[i], kTolerance) << names[i];
}

// Worked by hand as the current triangle (python3, trigonometry in radians):
//   V = log × (1 + ΔL/100); CA = (TC + α) mod 360;
//   e = V sin CA + rate sin set, n = V cos CA + rate cos set;
//   CG = atan2(e, n) mod 360, VG = hypot(e, n), β = CG − CA in (−180, 180],
//   γ = α + β, distance = VG × hours; printed to 12 digits;
// the position by GeographicLib 2.1.2's tool, in the series form nav uses,
// from the row's start, CG and distance (the sphere adds
// -e 6366707.019493707 0):
//   RhumbSolve -s -p 9 : lat lon CG distance×1852 -> lat lon
// Every row with both wind and current fails if the current is added to TC
// before the leeway, or the leeway to CG after it.
INSTANTIATE_TEST_SUITE_P(Table, ReckonWithCurrent, ::testing::Values(
    ReckonRow{"WindOnPortCurrentFromPort", Wgs84, {30, 122}, 30, 12, -2, 3, 120, 2, 2,
              33, 42.5553936398, 12.031603525, 9.55539363984, 12.5553936398, 24.0632070499,
              {30.29613189959, 122.3128365573}},
    ReckonRow{"WindOnStarboardCurrentFromStarboard", Wgs84, {30, 122}, 30, 12, 0, -4, 300, 2.5, 3,
              26, 14.4231845941, 12.4272035641, -11.5768154059, -15.5768154059, 37.2816106924,
              {30.6032011262, 122.1787873237}},
    ReckonRow{"WindOnPortCurrentFromStarboard", Wgs84, {-12.5, 45.25}, 200, 15, 0, 5, 100, 1.5, 6,
              205, 199.337119116, 14.6834308992, -5.66288088436, -0.662880884362, 88.100585395,
              {-13.89161775285, 44.75157597246}},
    ReckonRow{"WindOnStarboardCurrentFromPort", Wgs84, {52, 3}, 135, 8, 1.5, -6, 200, 1.8, 2.5,
              129, 140.061209026, 8.87081779156, 11.0612090264, 5.06120902642, 22.1770444789,
              {51.71697145055, 3.382716169644}},
    ReckonRow{"LeewayCarriesTrackPastNorth", Wgs84, {40, -70}, 355, 10, 0, 8, 45, 0.5, 1,
              3, 4.84760171859, 10.3769671993, 1.84760171859, 9.84760171859, 10.3769671993,
              {40.17246073164, -69.98095774566}},
    ReckonRow{"LeewayAloneWrapsPastNorth", Wgs84, {30, 122}, 358, 12, 0, 5, 0, 0, 3,
              3, 3, 12, 0, 5, 36,
              {30.60059638674, 122.0362741257}},
    ReckonRow{"CurrentCarriesTrackBackPastNorth", Wgs84, {40, -70}, 5, 10, 0, -2, 270, 2, 1,
              3, 351.588811653, 10.0948779958, -11.4111883473, -13.4111883473, 10.0948779958,
              {40.16656381782, -70.03206401266}},
    ReckonRow{"CurrentAsternStrongerTurnsTrackAbout", Wgs84, {10, 100}, 60, 2, 0, 0, 240, 5, 2,
              60, 240, 3, 180, 180, 6,
              {9.949768369809, 99.91223465511}},
    ReckonRow{"CurrentAsternWithLeewayWrapsGamma", Wgs84, {10, 100}, 50, 2, 0, 10, 235, 5, 2,
              60, 231.683030549, 3.01265763706, 171.683030549, -178.316969451, 6.02531527413,
              {9.937448798986, 99.92015327375}},
    ReckonRow{"CurrentAsternTurnsTrackAboutFromTheOtherSide", Wgs84, {10, 100}, 240, 2, 0, 0,
              60, 5, 2, 240, 60, 3, 180, 180, 6, {10.05023147891, 100.0877788252}},
    ReckonRow{"SphereWindAndCurrent", Sphere, {30, 122}, 30, 12, -2, 3, 120, 2, 2,
              33, 42.5553936398, 12.031603525, 9.55539363984, 12.5553936398, 24.0632070499,
              {30.2954255293, 122.3136619952}},
    ReckonRow{"AcrossAntimeridian", Wgs84, {35, 179.5}, 80, 14, 3, -5, 10, 3, 10,
              75, 65.1675167774, 15.921725158, -9.83248322263, -14.8324832226, 159.21725158,
              {36.11613140876, -177.5482778677}}),
    geo::testing::RowName());

// With neither current nor leeway the position is today's dead reckoning
// along TC to the bit, whatever the set of a current of rate 0.
struct StillWaterRow {
    const char* name;
    nav::EarthModel model;
    geo::GeoPoint from;
    double tc, knots, hours, set;
};

class StillWater : public ::testing::TestWithParam<StillWaterRow> {};

TEST_P(StillWater, IsTodaysDeadReckoningBitForBit)
{
    const StillWaterRow& row = GetParam();
    const nav::Earth earth(row.model);
    const nav::CurrentReckoning dr = nav::reckonWithCurrent(
        earth, row.from, {row.tc, 0}, {row.knots, 0}, {row.set, 0}, row.hours);
    const double run = row.knots * row.hours;
    const geo::GeoPoint today = earth.deadReckoning(row.from, row.tc, run, nav::Method::Rhumb);
    EXPECT_EQ(dr.position.latitude, today.latitude);
    EXPECT_EQ(dr.position.longitude, today.longitude);
    EXPECT_EQ(dr.distance, run);
    EXPECT_EQ(dr.groundSpeed, row.knots);
    EXPECT_EQ(dr.cg, dr.ca);
    EXPECT_EQ(dr.beta, 0.0);
}

INSTANTIATE_TEST_SUITE_P(Table, StillWater, ::testing::Values(
    StillWaterRow{"NorthEast", Wgs84, {30.17, 122.0883}, 45, 12, 2.5, 0},
    StillWaterRow{"WestOfSouthWithASet", Wgs84, {-33.9, 151.3}, 268.3, 11.7, 7.25, 135},
    StillWaterRow{"CourseWrittenAs360", Wgs84, {10, 20}, 360, 12, 10, 0},
    StillWaterRow{"AcrossAntimeridian", Wgs84, {35, 170}, 80, 15, 60, 0},
    StillWaterRow{"AcrossEquatorSphere", Sphere, {5, 100}, 200, 20, 30, 90},
    StillWaterRow{"NoTime", Wgs84, {31.2, 121.5}, 135, 12, 0, 0}),
    geo::testing::RowName());

TEST(ReckonWithCurrent, AShipStemmingAnEqualCurrentMakesNoWayAndHasNoTrack)
{
    // Heading 090 at 3 kn into a current setting 270 at 3 kn.
    const nav::Earth earth;
    const nav::CurrentReckoning dr =
        nav::reckonWithCurrent(earth, {30, 122}, {90, 0}, {3, 0}, {270, 3}, 2);
    EXPECT_EQ(dr.groundSpeed, 0);
    EXPECT_FALSE(dr.cg || dr.beta || dr.gamma);
    const geo::GeoPoint stays = earth.deadReckoning({30, 122}, 90, 0, nav::Method::Rhumb);
    EXPECT_EQ(dr.position.latitude, stays.latitude);
    EXPECT_EQ(dr.position.longitude, stays.longitude);
}

TEST(ReckonWithCurrent, ARunThroughThePoleIsAPoleError)
{
    EXPECT_THROW(nav::reckonWithCurrent(nav::Earth(), {80, 0}, {0, 0}, {20, 0}, {0, 2}, 100),
                 nav::PoleError);
}

// ---- 预配: current first, then wind ----

struct SteerRow {
    const char* name;
    double track, logKnots, correction, leeway, set, rate;
    double tc, ca, groundSpeed, beta, gamma;
};

class CourseToSteer : public ::testing::TestWithParam<SteerRow> {};

TEST_P(CourseToSteer, MatchesTheTextbookFormula)
{
    const SteerRow& row = GetParam();
    const nav::CourseToSteer steer = nav::courseToSteer(
        row.track, {row.logKnots, row.correction}, row.leeway, {row.set, row.rate});
    EXPECT_NEAR(steer.tc, row.tc, kTolerance);
    EXPECT_NEAR(steer.ca, row.ca, kTolerance);
    EXPECT_NEAR(steer.groundSpeed, row.groundSpeed, kTolerance);
    EXPECT_EQ(steer.alpha, row.leeway);
    EXPECT_NEAR(steer.beta, row.beta, kTolerance);
    EXPECT_NEAR(steer.gamma, row.gamma, kTolerance);
}

// Steering the course found, 推算 makes good the intended track at the
// ground speed found: one triangle worked both ways.
TEST_P(CourseToSteer, SteeredBackMakesGoodTheTrack)
{
    const SteerRow& row = GetParam();
    const nav::CurrentReckoning dr = nav::reckonWithCurrent(
        nav::Earth(), {0, 0}, {row.tc, row.leeway}, {row.logKnots, row.correction},
        {row.set, row.rate}, 1);
    ASSERT_TRUE(dr.cg);
    EXPECT_NEAR(std::remainder(*dr.cg - row.track, 360.0), 0, kTolerance);
    EXPECT_NEAR(dr.groundSpeed, row.groundSpeed, kTolerance);
}

// Worked by hand (python3, trigonometry in radians) by the textbook's
// formula itself, asin and all, printed to 12 digits:
//   V = log × (1 + ΔL/100); CA = CG − asin(rate sin(set − CG) / V);
//   VG = V cos(CA − CG) + rate cos(set − CG); TC = CA − α; β = CG − CA;
//   γ = α + β; courses mod 360;
// each checked there by adding V along CA to the current: its direction
// came back to CG within 1e-14 degrees and its length to VG.
INSTANTIATE_TEST_SUITE_P(Table, CourseToSteer, ::testing::Values(
    SteerRow{"CurrentFromPortWindOnStarboard", 45, 10, 0, -2, 135, 3,
             29.5423968763, 27.5423968763, 9.53939201417, 17.4576031237, 15.4576031237},
    SteerRow{"CurrentFromStarboardWindOnPort", 45, 10, 0, 4, 330, 2.5,
             54.9739936292, 58.9739936292, 10.3511019517, -13.9739936292, -9.97399362922},
    SteerRow{"SteerPastNorthIntoCurrent", 2, 12, 0, 0, 90, 3,
             347.531499558, 347.531499558, 11.7241202388, 14.4685004425, 14.4685004425},
    SteerRow{"HeadWrapsBelowNorthWithLeeway", 358, 12, 0, 5, 270, 1,
             357.777273115, 2.77727311452, 11.9932111658, -4.77727311452, 0.222726885485},
    SteerRow{"TrackWrittenAs360", 360, 12, 0, 0, 90, 3,
             345.522487814, 345.522487814, 11.6189500386, 14.4775121859, 14.4775121859},
    SteerRow{"LogUnderReads", 200, 9, 5, -3, 280, 2,
             190.969935437, 187.969935437, 9.589758947, 12.0300645631, 9.03006456313},
    SteerRow{"CurrentAbeamJustSlowerThanShip", 90, 10, 0, 0, 0, 9.99,
             177.437441267, 177.437441267, 0.447101778122, -87.4374412669, -87.4374412669},
    SteerRow{"CurrentFasterThanShipButAstern", 30, 5, 0, 0, 50, 8,
             356.822661239, 356.822661239, 11.7024450488, 33.1773387615, 33.1773387615}),
    geo::testing::RowName());

struct UnheldRow {
    const char* name;
    double track, logKnots, correction, set, rate;
    CurrentRefusal reason;
};

class TrackNotHeld : public ::testing::TestWithParam<UnheldRow> {};

TEST_P(TrackNotHeld, IsRefusedWithTheReason)
{
    const UnheldRow& row = GetParam();
    try {
        nav::courseToSteer(row.track, {row.logKnots, row.correction}, 0, {row.set, row.rate});
        ADD_FAILURE() << "accepted";
    } catch (const nav::CurrentError& error) {
        EXPECT_EQ(error.reason(), row.reason);
    }
}

// rate sin(set − CG) against V, and V cos(CA − CG) + rate cos(set − CG):
//   across 10.5 > 10; abeam 10 = V: VG 0 + 0 (from either side); ahead 10
//   and 12 against 10; on the bow 15 sin 200 = −5.13 held, but VG
//   √(100 − 26.3) + 15 cos 200 = 8.58 − 14.10 < 0; ΔL −5 % makes V 9.5 < 9.8.
INSTANTIATE_TEST_SUITE_P(Table, TrackNotHeld, ::testing::Values(
    UnheldRow{"CurrentAcrossFasterThanShip", 90, 10, 0, 0, 10.5, CurrentRefusal::TrackNotHeld},
    UnheldRow{"AbeamAsFastFromPort", 90, 10, 0, 180, 10, CurrentRefusal::NoWayMadeGood},
    UnheldRow{"AbeamAsFastFromStarboard", 45, 10, 0, 315, 10, CurrentRefusal::NoWayMadeGood},
    UnheldRow{"DeadAheadAsFast", 120, 10, 0, 300, 10, CurrentRefusal::NoWayMadeGood},
    UnheldRow{"DeadAheadFaster", 120, 10, 0, 300, 12, CurrentRefusal::NoWayMadeGood},
    UnheldRow{"OnTheBowFaster", 0, 10, 0, 200, 15, CurrentRefusal::NoWayMadeGood},
    UnheldRow{"LogCorrectionLeavesShipTooSlow", 90, 10, -5, 0, 9.8, CurrentRefusal::TrackNotHeld}),
    geo::testing::RowName());

// ---- 求流: the current from two fixes ----

struct FixesRow {
    const char* name;
    nav::EarthModel model;
    geo::GeoPoint fix1, fix2;
    double hours, tc, leeway, logKnots, correction;
    geo::GeoPoint dr;
    double set, drift;
};

class CurrentFromFixes : public ::testing::TestWithParam<FixesRow> {};

TEST_P(CurrentFromFixes, IsTheRhumbLineFromTheDrToTheSecondFix)
{
    const FixesRow& row = GetParam();
    const nav::FoundCurrent found =
        nav::currentFromFixes(nav::Earth(row.model), row.fix1, row.fix2, row.hours,
                              {row.tc, row.leeway}, {row.logKnots, row.correction});
    EXPECT_NEAR(found.dr.latitude, row.dr.latitude, kTolerance);
    EXPECT_NEAR(found.dr.longitude, row.dr.longitude, kTolerance);
    EXPECT_NEAR(found.set, row.set, kTolerance);
    EXPECT_NEAR(found.drift, row.drift, kTolerance);
}

// Working 推算 again from fix 1 with the current found comes back to fix 2
// to within tens of metres, not to the nanometre: 推算 adds the current as a
// plane vector, 求流 measures it along the Earth. Over the rows' runs of 15
// to 40 n mile with 1.6 to 7.3 n mile of current the miss was 7.6 to
// 37.8 m; a set or drift gone wrong misses by miles.
TEST_P(CurrentFromFixes, ReckonedAgainComesBackNearTheSecondFix)
{
    const FixesRow& row = GetParam();
    const nav::Earth earth(row.model);
    const nav::FoundCurrent found = nav::currentFromFixes(
        earth, row.fix1, row.fix2, row.hours, {row.tc, row.leeway}, {row.logKnots, row.correction});
    const nav::CurrentReckoning dr =
        nav::reckonWithCurrent(earth, row.fix1, {row.tc, row.leeway},
                               {row.logKnots, row.correction}, {found.set, found.drift}, row.hours);
    EXPECT_LT(earth.leg(dr.position, row.fix2).rhumb.distance * nav::kMetresPerNauticalMile, 40);
}

// Worked by GeographicLib 2.1.2's tool alone (the sphere adds
// -e 6366707.019493707 0): the DR from fix 1 along CA = TC + α for
// V × hours, V = log × (1 + ΔL/100),
//   RhumbSolve -s -p 9 : lat1 lon1 CA V×hours×1852 -> DR
// then the line from the DR to fix 2,
//   RhumbSolve -s -p 9 -i : DR lat2 lon2 -> azi12 s12
// the set azi12 (plus 360 where negative), the drift s12 / 1852 / hours;
// printed to 12 digits.
INSTANTIATE_TEST_SUITE_P(Table, CurrentFromFixes, ::testing::Values(
    FixesRow{"SetSouthEastWgs84", Wgs84, {30, 122}, {29.9, 122.8}, 4, 90, 0, 10, 0,
             {30, 122.7677775515}, 164.325473013, 1.55417356893},
    FixesRow{"SetSouthEastSphere", Sphere, {30, 122}, {29.9, 122.8}, 4, 90, 0, 10, 0,
             {30, 122.7698003589}, 165.336292649, 1.55050250932},
    FixesRow{"WindOnStarboard", Wgs84, {30, 122}, {30.5, 122.3}, 3, 20, -5, 11, 0,
             {30.53251983709, 122.1643818362}, 105.480564704, 2.43107517473},
    FixesRow{"WindOnPort", Wgs84, {30, 122}, {30.5, 122.3}, 3, 20, 5, 11, 0,
             {30.49965336477, 122.2683695499}, 89.2749331239, 0.546569082354},
    FixesRow{"LogOverReads", Wgs84, {-20, -40}, {-20.6, -40.3}, 2.5, 200, 0, 14, -3,
             {-20.53368988501, -40.20584695401}, 233.210609087, 2.64761539168},
    FixesRow{"AcrossAntimeridianSphere", Sphere, {50, 179.8}, {50.1, -179.6}, 2, 80, 2, 12, 1.5,
             {50.05650427899, -179.5741550981}, 339.127222312, 1.39651983383},
    FixesRow{"NorthAcrossNorth", Wgs84, {40, -70}, {40.25, -70.05}, 1.5, 358, 4, 10, 0,
             {40.25003438573, -69.98862583861}, 269.95810552, 1.8797024416}),
    geo::testing::RowName());

TEST(CurrentFromFixes, NoCurrentWhenTheDrIsTheSecondFix)
{
    const nav::Earth earth;
    const geo::GeoPoint dr = earth.deadReckoning({30, 122}, 45, 40, nav::Method::Rhumb);
    const nav::FoundCurrent found =
        nav::currentFromFixes(earth, {30, 122}, dr, 4, {45, 0}, {10, 0});
    EXPECT_EQ(found.drift, 0);
    EXPECT_EQ(found.set, 0);
}

// By clock times: 23:30 to 02:15 the next day is 2.75 h; the same time or
// an earlier one is refused, by clock as by hours.
TEST(CurrentFromFixes, ClockTimesGoForwardOrAreRefused)
{
    using namespace std::chrono;
    const nav::Earth earth;
    const nav::ClockTime first = local_days{2025y / March / 1} + 23h + 30min;
    const auto byClock = [&](minutes later) {
        return nav::currentFromFixes(earth, {30, 122}, first, {29.9, 122.8}, first + later,
                                     {90, 0}, {10, 0});
    };
    const auto byHours = [&](double hours) {
        return nav::currentFromFixes(earth, {30, 122}, {29.9, 122.8}, hours, {90, 0}, {10, 0});
    };
    EXPECT_EQ(byClock(165min).drift, byHours(2.75).drift);
    for (const minutes later : {0min, -1min, -1440min}) {
        const std::function<void()> both[] = {[&] { byClock(later); },
                                               [&] { byHours(later.count() / 60.0); }};
        for (const std::function<void()>& refused : both) {
            try {
                refused();
                ADD_FAILURE() << later.count() << " min accepted";
            } catch (const nav::CurrentError& error) {
                EXPECT_EQ(error.reason(), CurrentRefusal::TimeNotForward);
            }
        }
    }
}

// By the almanac's instants, as the fixes' times are read with their
// zones: SI seconds, so an hour across the leap second at the end of 2016
// is 3601 s. The same instant or an earlier one is refused.
TEST(CurrentFromFixes, InstantsCountSecondsAndGoForward)
{
    const nav::Earth earth;
    const auto at = [](int year, int month, int day, int hour) {
        return nav::Instant::fromUtc({year, month, day, hour, 0, 0});
    };
    const auto byInstants = [&](const nav::Instant& time1, const nav::Instant& time2) {
        return nav::currentFromFixes(earth, {30, 122}, time1, {29.9, 122.8}, time2, {90, 0}, {10, 0});
    };
    const nav::FoundCurrent watch = byInstants(at(2026, 12, 8, 0), at(2026, 12, 8, 4));
    EXPECT_NEAR(watch.hours, 4, 1e-12);
    // 164.325473013, 1.55417356893: as SetSouthEastWgs84 above, by RhumbSolve.
    EXPECT_NEAR(watch.set, 164.325473013, kTolerance);
    EXPECT_NEAR(watch.drift, 1.55417356893, kTolerance);
    EXPECT_EQ(watch.ca, 90);
    EXPECT_NEAR(watch.distance, watch.drift * watch.hours, kTolerance);
    EXPECT_NEAR(byInstants(at(2016, 12, 31, 23), at(2017, 1, 1, 0)).hours, 3601.0 / 3600, 1e-12);
    for (const nav::Instant& second : {at(2026, 12, 8, 0), at(2026, 12, 7, 23)}) {
        try {
            byInstants(at(2026, 12, 8, 0), second);
            ADD_FAILURE() << "a second fix not later accepted";
        } catch (const nav::CurrentError& error) {
            EXPECT_EQ(error.reason(), CurrentRefusal::TimeNotForward);
        }
    }
}

// CA = TC + α, the track the DR is run on, as a course past north.
TEST(CurrentFromFixes, GivesTheWaterTrackOfTheDr)
{
    const nav::FoundCurrent found = nav::currentFromFixes(nav::Earth(), {30, 122}, {30.5, 122.3}, 3,
                                                          {358, 5}, {11, 0});
    EXPECT_EQ(found.ca, 3);
}

// ---- What is refused, and as which quantity ----

struct RefusedRow {
    const char* name;
    double tc, leeway, logKnots, correction, set, rate, hours;
    Quantity quantity;
};

class CurrentOutOfRange : public ::testing::TestWithParam<RefusedRow> {};

// 推算 refuses every row; 预配 (the course as its track) all but its hours
// and runs, which it has not; 求流 all but the current's, which it finds.
TEST_P(CurrentOutOfRange, IsARangeErrorNamingTheQuantity)
{
    const RefusedRow& row = GetParam();
    const nav::Earth earth;
    const auto expectRefused = [&](const std::function<void()>& problem, const char* which) {
        try {
            problem();
            ADD_FAILURE() << which << " accepted";
        } catch (const nav::RangeError& error) {
            EXPECT_EQ(error.quantity(), row.quantity) << which;
        }
    };
    expectRefused([&] {
        nav::reckonWithCurrent(earth, {30, 122}, {row.tc, row.leeway},
                               {row.logKnots, row.correction}, {row.set, row.rate}, row.hours);
    }, "推算");
    if (row.quantity != Quantity::Hours && row.quantity != Quantity::Distance)
        expectRefused([&] {
            nav::courseToSteer(row.tc, {row.logKnots, row.correction}, row.leeway,
                               {row.set, row.rate});
        }, "预配");
    if (row.quantity != Quantity::CurrentSet && row.quantity != Quantity::CurrentRate &&
        row.hours > 0)
        expectRefused([&] {
            nav::currentFromFixes(earth, {30, 122}, {30.1, 122.1}, row.hours, {row.tc, row.leeway},
                                  {row.logKnots, row.correction});
        }, "求流");
}

// The last row runs 50 kn (40 through the water and 10 with the current) or
// 40 kn for 30000 h: beyond the longest run of 1e6 n mile.
INSTANTIATE_TEST_SUITE_P(Table, CurrentOutOfRange, ::testing::Values(
    RefusedRow{"LeewayPast45ToPort", 90, 45.5, 10, 0, 0, 1, 1, Quantity::Leeway},
    RefusedRow{"LeewayPast45ToStarboard", 90, -50, 10, 0, 0, 1, 1, Quantity::Leeway},
    RefusedRow{"LeewayNaN", 90, kNaN, 10, 0, 0, 1, 1, Quantity::Leeway},
    RefusedRow{"NegativeRate", 90, 0, 10, 0, 0, -0.5, 1, Quantity::CurrentRate},
    RefusedRow{"InfiniteRate", 90, 0, 10, 0, 0, kInf, 1, Quantity::CurrentRate},
    RefusedRow{"SetPast360", 90, 0, 10, 0, 361, 1, 1, Quantity::CurrentSet},
    RefusedRow{"NegativeSet", 90, 0, 10, 0, -1, 1, 1, Quantity::CurrentSet},
    RefusedRow{"LogCorrectionPastMinus50", 90, 0, 10, -50.5, 0, 1, 1, Quantity::LogCorrection},
    RefusedRow{"LogCorrectionPast50", 90, 0, 10, 60, 0, 1, 1, Quantity::LogCorrection},
    RefusedRow{"NoSpeed", 90, 0, 0, 0, 0, 1, 1, Quantity::Speed},
    RefusedRow{"NegativeSpeed", 90, 0, -3, 0, 0, 1, 1, Quantity::Speed},
    RefusedRow{"SpeedOverflowingWhenCorrected", 90, 0, 1.7e308, 10, 0, 1, 1, Quantity::Speed},
    RefusedRow{"CoursePast360", 360.5, 0, 10, 0, 0, 1, 1, Quantity::Course},
    RefusedRow{"NegativeCourse", -0.1, 0, 10, 0, 0, 1, 1, Quantity::Course},
    RefusedRow{"NegativeHours", 90, 0, 10, 0, 0, 1, -1, Quantity::Hours},
    RefusedRow{"InfiniteHours", 90, 0, 10, 0, 0, 1, kInf, Quantity::Hours},
    RefusedRow{"RunBeyondTheLongest", 90, 0, 40, 0, 90, 10, 30000, Quantity::Distance}),
    geo::testing::RowName());

TEST(CurrentOutOfRange, TheLimitsThemselvesAreAccepted)
{
    for (const double leeway : {-45.0, 45.0})
        for (const double correction : {-50.0, 50.0})
            EXPECT_NO_THROW(nav::reckonWithCurrent(nav::Earth(), {30, 122}, {360, leeway},
                                                   {10, correction}, {360, 0}, 0));
}

TEST(ThroughWater, CorrectsAReadingByItsPerCent)
{
    EXPECT_EQ(nav::throughWater(12.3, 0), 12.3);
    EXPECT_NEAR(nav::throughWater(20, -2), 19.6, 1e-12);
    EXPECT_NEAR(nav::throughWater(20, 3.5), 20.7, 1e-12);
}

// ---- A leg of a route against its current ----

TEST(LegUnderCurrent, TimesTheLegByTheGroundSpeedOrNamesWhyNot)
{
    // The first row of the course to steer: VG 9.53939201417 kn.
    const nav::LegUnderCurrent sailed = nav::legUnderCurrent({45, 40}, {10, 0}, {{135, 3}, -2});
    ASSERT_TRUE(sailed.steer && sailed.hours);
    EXPECT_FALSE(sailed.refusal);
    EXPECT_NEAR(sailed.steer->tc, 29.5423968763, kTolerance);
    EXPECT_NEAR(*sailed.hours, 40 / 9.53939201417, kTolerance);

    const nav::LegUnderCurrent still = nav::legUnderCurrent({250, 37}, {11, 0}, {});
    EXPECT_EQ(*still.hours, 37.0 / 11);

    const nav::LegUnderCurrent across = nav::legUnderCurrent({45, 40}, {10, 0}, {{135, 12}, 0});
    EXPECT_FALSE(across.steer || across.hours);
    EXPECT_EQ(across.refusal, CurrentRefusal::TrackNotHeld);
    EXPECT_EQ(nav::legUnderCurrent({45, 40}, {10, 0}, {{225, 10}, 0}).refusal,
              CurrentRefusal::NoWayMadeGood);
    EXPECT_THROW(nav::legUnderCurrent({45, -1}, {10, 0}, {}), nav::RangeError);
}

}  // namespace
