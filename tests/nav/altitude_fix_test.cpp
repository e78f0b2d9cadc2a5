// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/fix.h"

#include <gtest/gtest.h>

#include <GeographicLib/Geodesic.hpp>

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <vector>

#include "nav/almanac.h"
#include "nav/earth_model.h"
#include "nav/errors.h"

#include "row_name.h"

namespace {

using enum nav::EarthModel;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// The fix comes back within a tenth of a mile: the almanac's places agree
// with pyephem's to 0.03′, and the lines are solved exactly.
constexpr double kFixMiles = 0.1;

// The ship's true position in every row, 30°20′N 123°10′E.
constexpr geo::GeoPoint kShip{30 + 20.0 / 60, 123 + 10.0 / 60};
// Its dead reckoning, 30°28′N 123°00′E, some 11 n mile off.
constexpr geo::GeoPoint kDr{30 + 28.0 / 60, 123.0};

// A sight of `body` at `time` whose Ho is the altitude an independent
// reference gives at the ship's true position; its geographical position is
// the almanac's.
nav::Sighting Sight(const char* body, nav::UtcTime time, double ho)
{
    const nav::BodyPlace place = nav::Almanac(nav::Instant::fromUtc(time)).place(nav::body(body));
    return nav::altitudeObservation(place.gha, place.declination, ho);
}

nav::Sighting Bearing(geo::GeoPoint mark, double degrees)
{
    return nav::bearingObservation(mark, degrees);
}

nav::Sighting Ran(double course, double miles)
{
    return nav::Run{course, miles};
}

template <class Row>
    requires requires(const Row& row) { row.name; }
void PrintTo(const Row& row, std::ostream* out)
{
    *out << row.name;
}

double milesBetween(nav::EarthModel model, geo::GeoPoint a, geo::GeoPoint b)
{
    const GeographicLib::Geodesic geodesic =
        model == Wgs84 ? GeographicLib::Geodesic::WGS84() : GeographicLib::Geodesic(nav::kSphereRadius, 0);
    double metres = 0;
    geodesic.Inverse(a.latitude, a.longitude, b.latitude, b.longitude, metres);
    return metres / 1852;
}

// The star altitudes: pyephem 4.1.4 (python3-ephem), airless apparent
// altitude at the ship,
//   o = ephem.Observer(); o.lat, o.lon = '30:20', '123:10'; o.pressure = 0
//   o.date = '2026/03/20 10:30:00'; s = ephem.star('Sirius'); s.compute(o)
//   math.degrees(s.alt)
// The Sun's: the geocentric altitude of its centre, as Ho is, from pyephem's
// apparent geocentric place and local apparent sidereal time at the ship,
//   s = ephem.Sun(o); lha = o.sidereal_time() - s.g_ra
//   asin(sin(phi) sin(s.g_dec) + cos(phi) cos(s.g_dec) cos(lha))
// The morning sight's position, 40 n mile back on 225 from the ship at noon:
//   echo "30.333333333333333 123.16666666666667 225 74080" | RhumbSolve -p 12
//     29.860798007104513 122.623233738897625  (WGS-84; -e 6366707.019493707 0
//     for the sphere: 29.861928812542299 122.621796213939163)
// The headland 30°28′N 123°02′E from the ship:
//   echo "30.333333333333333 123.16666666666667 30.466666666666667 123.03333333333333" |
//     GeodSolve -i -p 12            azimuth -40.886274269972674
constexpr nav::UtcTime kTwilight{2026, 3, 20, 10, 30, 0};
constexpr nav::UtcTime kForenoon{2026, 3, 20, 2, 0, 0};
constexpr nav::UtcTime kMorning{2026, 3, 20, 0, 30, 0};
constexpr nav::UtcTime kNoon{2026, 3, 20, 3, 50, 0};
constexpr double kRegulus = 37.043373869213;  // Zn 098
constexpr double kSirius = 42.826546265882;   // Zn 176
constexpr double kDubhe = 36.867452101856;    // Zn 033
constexpr double kHamal = 31.180486334741;    // Zn 281
constexpr double kSunForenoon = 49.028963688528;  // Zn 133
constexpr double kSunNoon = 59.464676458797;      // Zn 178
constexpr double kSunMorningWgs84 = 32.317071333584;   // Zn 112
constexpr double kSunMorningSphere = 32.315495520763;
constexpr geo::GeoPoint kHeadland{30 + 28.0 / 60, 123 + 2.0 / 60};
constexpr double kHeadlandBearing = 360 - 40.886274269972674;

struct AltitudeFixRow {
    const char* name;
    nav::EarthModel model;
    std::vector<nav::Sighting> sightings;
};

class AltitudeFix : public ::testing::TestWithParam<AltitudeFixRow> {};

TEST_P(AltitudeFix, FindsTheShip)
{
    const AltitudeFixRow& row = GetParam();
    const nav::Fix fix = nav::FixSolver(row.model).solve(row.sightings, 0, kDr);
    EXPECT_LT(milesBetween(row.model, fix.position, kShip), kFixMiles);
}

INSTANTIATE_TEST_SUITE_P(Table, AltitudeFix, ::testing::Values(
    AltitudeFixRow{"TwoStarsWgs84", Wgs84,
                   {Sight("Regulus", kTwilight, kRegulus), Sight("Sirius", kTwilight, kSirius)}},
    AltitudeFixRow{"TwoStarsSphere", Sphere,
                   {Sight("Regulus", kTwilight, kRegulus), Sight("Sirius", kTwilight, kSirius)}},
    AltitudeFixRow{"ThreeStarsWgs84", Wgs84,
                   {Sight("Dubhe", kTwilight, kDubhe), Sight("Sirius", kTwilight, kSirius),
                    Sight("Hamal", kTwilight, kHamal)}},
    AltitudeFixRow{"ThreeStarsSphere", Sphere,
                   {Sight("Dubhe", kTwilight, kDubhe), Sight("Sirius", kTwilight, kSirius),
                    Sight("Hamal", kTwilight, kHamal)}},
    AltitudeFixRow{"SunAndHeadland", Wgs84,
                   {Sight("Sun", kForenoon, kSunForenoon), Bearing(kHeadland, kHeadlandBearing)}},
    AltitudeFixRow{"HeadlandAndSun", Wgs84,
                   {Bearing(kHeadland, kHeadlandBearing), Sight("Sun", kForenoon, kSunForenoon)}},
    AltitudeFixRow{"SunRunSunWgs84", Wgs84,
                   {Sight("Sun", kMorning, kSunMorningWgs84), Ran(45, 40),
                    Sight("Sun", kNoon, kSunNoon)}},
    AltitudeFixRow{"SunRunSunSphere", Sphere,
                   {Sight("Sun", kMorning, kSunMorningSphere), Ran(45, 40),
                    Sight("Sun", kNoon, kSunNoon)}},
    AltitudeFixRow{"StarsAndHeadland", Wgs84,
                   {Sight("Dubhe", kTwilight, kDubhe), Bearing(kHeadland, 319.1137257300273),
                    Sight("Sirius", kTwilight, kSirius)}}
), geo::testing::RowName{});

// From the DR, pyephem's altitude and azimuth there (as above, with
// o.lat, o.lon = '30:28', '123:00'): Regulus 36.881935518 at 098.271266,
// Sirius 42.683648463 at 175.955058.
struct InterceptRow {
    const char* name;
    nav::Sighting sighting;
    double intercept;  // n mile, toward positive
    double zn;
};

class InterceptFromDr : public ::testing::TestWithParam<InterceptRow> {};

TEST_P(InterceptFromDr, IsHoMinusHcAtTheDr)
{
    const InterceptRow& row = GetParam();
    const nav::Sighting bearing = Bearing(kHeadland, kHeadlandBearing);
    const nav::Fix fix = nav::FixSolver().solve({bearing, row.sighting}, 0, kDr);
    ASSERT_EQ(fix.intercepts.size(), 1u);
    EXPECT_EQ(fix.intercepts[0].observation, 1u);
    EXPECT_NEAR(fix.intercepts[0].intercept, row.intercept, 0.05);
    EXPECT_NEAR(fix.intercepts[0].zn, row.zn, 0.05);
}

INSTANTIATE_TEST_SUITE_P(Table, InterceptFromDr, ::testing::Values(
    InterceptRow{"Regulus", Sight("Regulus", kTwilight, kRegulus),
                 (kRegulus - 36.881935518) * 60, 98.271266},
    InterceptRow{"Sirius", Sight("Sirius", kTwilight, kSirius),
                 (kSirius - 42.683648463) * 60, 175.955058}
), geo::testing::RowName{});

// A running fix's first sight was taken where the DR, run back, was: its
// intercept is from there. A sight 12′ higher than the DR's altitude is
// 12 n mile toward, whether or not a run follows it.
TEST(InterceptOfACarriedSight, IsFromTheDrRunBack)
{
    const nav::BodyPlace sun = nav::Almanac(nav::Instant::fromUtc(kMorning)).place(nav::body("Sun"));
    // RhumbSolve as above, from the DR: 40 n mile back on 225.
    //   echo "30.466666666666667 123 225 74080" | RhumbSolve -p 12
    const geo::GeoPoint drThen{29.994140950957956, 122.455835267439667};
    const nav::Fix fix = nav::FixSolver().solve(
        {nav::altitudeObservation(sun.gha, sun.declination, kSunMorningWgs84), Ran(45, 40),
         Sight("Sun", kNoon, kSunNoon)},
        0, kDr);
    ASSERT_EQ(fix.intercepts.size(), 2u);
    EXPECT_NEAR(fix.intercepts[0].assumed.latitude, drThen.latitude, 1e-9);
    EXPECT_NEAR(fix.intercepts[0].assumed.longitude, drThen.longitude, 1e-9);
}

struct RefusedRow {
    const char* name;
    std::vector<nav::Sighting> sightings;
    std::optional<geo::GeoPoint> near;
    std::optional<nav::NoFixReason> reason;  // else a RangeError of Ho
};

class AltitudeRefused : public ::testing::TestWithParam<RefusedRow> {};

TEST_P(AltitudeRefused, WithItsReason)
{
    const RefusedRow& row = GetParam();
    try {
        (void)nav::FixSolver().solve(row.sightings, 0, row.near);
        ADD_FAILURE() << "no refusal";
    } catch (const nav::NoFixError& error) {
        ASSERT_TRUE(row.reason);
        EXPECT_EQ(error.reason(), *row.reason);
    } catch (const nav::RangeError& error) {
        EXPECT_FALSE(row.reason);
        EXPECT_EQ(error.quantity(), nav::Quantity::ObservedAltitude);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, AltitudeRefused, ::testing::Values(
    RefusedRow{"WithoutDr",
               {Sight("Regulus", kTwilight, kRegulus), Sight("Sirius", kTwilight, kSirius)},
               std::nullopt, nav::NoFixReason::NoAssumedPosition},
    RefusedRow{"SunAndHeadlandWithoutDr",
               {Bearing(kHeadland, kHeadlandBearing), Sight("Sun", kForenoon, kSunForenoon)},
               std::nullopt, nav::NoFixReason::NoAssumedPosition},
    RefusedRow{"HoBelowTheLowest", {Sight("Sun", kForenoon, -2), Sight("Sirius", kTwilight, kSirius)},
               kDr, std::nullopt},
    RefusedRow{"HoAboveTheZenith", {Sight("Sun", kForenoon, 90.5), Sight("Sirius", kTwilight, kSirius)},
               kDr, std::nullopt},
    RefusedRow{"HoNaN", {Sight("Sun", kForenoon, kNaN), Sight("Sirius", kTwilight, kSirius)},
               kDr, std::nullopt}
), geo::testing::RowName{});

}  // namespace
