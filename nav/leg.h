// SPDX-License-Identifier: GPL-3.0-or-later
// What a navigator reads off one leg between two positions: the rhumb line
// steered and the great circle, each with its courses and distance.
#pragma once

#include <optional>
#include <string_view>

namespace nav {

// How a leg is sailed. Rhumb, a constant course, is what is steered on
// short legs and the default; GreatCircle is the shortest way.
enum class Method { Rhumb, GreatCircle };

// The method's code in leg tables and route files: "RL", "GC".
std::string_view methodCode(Method method);

// Its name in Chinese: "恒向线", "大圆".
std::string_view methodName(Method method);

// The word that selects it on the command line: "rl", "gc".
std::string_view methodWord(Method method);

// The method a route file or a pasted table names: its code with the ASCII
// letters in any case ("RL", "rl", "Gc") or its name ("恒向线", "大圆").
// Nothing for any other text: "", " RL", "ＲＬ", "RL 恒向线", "rhumb".
std::optional<Method> readMethodText(std::string_view text);

// The method a command-line word selects: only the exact words of
// methodWord, "rl" and "gc"; "RL", "gc " and "" are not read.
std::optional<Method> readMethodWord(std::string_view word);

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
