// SPDX-License-Identifier: GPL-3.0-or-later
// What a navigator reads off one leg between two positions: the rhumb line
// steered and the great circle, each with its courses and distance.
#pragma once

namespace nav {

// How a leg is sailed. Rhumb, a constant course, is what is steered on
// short legs and the default; GreatCircle is the shortest way.
enum class Method { Rhumb, GreatCircle };

// Courses in degrees true, in [0, 360); distances in n mile.
struct RhumbLeg {
    double course = 0;
    double distance = 0;
};

struct GreatCircleLeg {
    double initialCourse = 0;  // at departure
    double finalCourse = 0;    // at arrival, still pointing onward along the track
    double distance = 0;
};

struct Leg {
    RhumbLeg rhumb;
    GreatCircleLeg greatCircle;

    double distance(Method method) const
    {
        return method == Method::GreatCircle ? greatCircle.distance : rhumb.distance;
    }
    // The course to steer at departure by the method.
    double course(Method method) const
    {
        return method == Method::GreatCircle ? greatCircle.initialCourse : rhumb.course;
    }
};

}  // namespace nav
