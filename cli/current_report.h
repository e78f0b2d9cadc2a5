// SPDX-License-Identifier: GPL-3.0-or-later
// What the commands of leeway and current print (current_commands.h): as
// text, the working the textbook's way with its names (TC, α, CA, β, CG,
// γ, VG), or with --json as one JSON object for another program.
//
// The text rounds as the route window does: courses to 0.1° (nav::formatCourse),
// α, β and γ to 0.1° with their signs, α and β with the side (左舷受风,
// 右舷受流 …), speeds and distances computed to 0.1, positions to 0.01′;
// what the navigator typed (the log's speed, the current's rate, ΔL, the
// hours) is written back in its shortest form.
//
// JSON, as the other commands write it: numbers are the shortest texts that
// read back as the same double; angles in degrees (courses 0 up to 360, α,
// β and γ signed), speeds in knots, distances in n mile, positions {lat,
// lon} in decimal degrees, north and east positive; `model` is the word
// --model takes. A member that does not apply is left out, not null.
//   --dead-reckoning      model, ca, cg, groundSpeed, alpha, beta, gamma,
//                         speed (V through the water), distance (over the
//                         ground), position; cg, beta and gamma are left out
//                         when the current holds the ship still (VG 0)
//   --course-to-steer     tc, ca, groundSpeed, alpha, beta, gamma, speed
//   --current-from-fixes  model, set, drift, dr, hours (between the fixes),
//                         distance (the DR to fix 2)
#pragma once

#include "cli/celestial_report.h"

#include "nav/earth_model.h"
#include "nav/leeway_and_current.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace tarnquil {

struct ReckoningQuestion {
    geo::GeoPoint from;
    nav::Steering steering;
    nav::LogSpeed log;
    std::optional<nav::Current> current;  // none given: still water
    double hours = 0;
    nav::EarthModel model = nav::EarthModel::Wgs84;
};

QString reckoningText(const ReckoningQuestion& question, const nav::CurrentReckoning& reckoning);
QByteArray reckoningJson(const ReckoningQuestion& question, const nav::CurrentReckoning& reckoning);

struct SteeringQuestion {
    double track = 0;  // CG to be made good
    nav::LogSpeed log;
    double leeway = 0;
    nav::Current current;
};

QString steeringText(const SteeringQuestion& question, const nav::CourseToSteer& steer);
QByteArray steeringJson(const SteeringQuestion& question, const nav::CourseToSteer& steer);

struct FixesQuestion {
    geo::GeoPoint fix1;
    GivenTime time1;
    geo::GeoPoint fix2;
    GivenTime time2;
    nav::Steering steering;
    nav::LogSpeed log;
    nav::EarthModel model = nav::EarthModel::Wgs84;
};

QString foundCurrentText(const FixesQuestion& question, const nav::FoundCurrent& found);
QByteArray foundCurrentJson(const FixesQuestion& question, const nav::FoundCurrent& found);

}  // namespace tarnquil
