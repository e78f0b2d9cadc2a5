// SPDX-License-Identifier: GPL-3.0-or-later
// What `tarnquil --great-circle "FROM" "TO"` prints: a great-circle leg as
// it is steered (nav/great_circle.h), as text for the navigator or, with
// --json, as one JSON object for another program.
//
// The text, courses and distances rounded as the route window shows them:
//   大圆始航向 054.3°，大圆航程 4485.2 海里，地球模型 WGS-84
//   顶点 48°38.07′N 169°15.69′W，在航段上
//   每 10° 经度的分点，及各点到下一点的恒向线航向、航程：
//     起点         35°27.00′N 139°39.00′E  054.4°       21.1 海里
//     大圆分点 1   35°39.30′N 140°00.00′E  057.5°      560.7 海里
//     …
//     终点         37°48.00′N 122°25.20′W
//   按恒向线分段航行共 4487.9 海里，比大圆多 2.7 海里
//
// The JSON object, every number in decimal degrees or nautical miles at
// full precision (the shortest text that reads back as the same double),
// courses in degrees true from 0 up to 360, longitudes in [-180, 180]:
//   model          "wgs84" or "sphere" (the words --model takes)
//   every          the interval between the meridians, degrees
//   from, to       {lat, lon} of the departure and the arrival; `from`
//                  also with rhumbCourse and rhumbDistance, the rhumb line
//                  to the first point (or to the arrival when there is none)
//   initialCourse  the great circle's course at the departure
//   finalCourse    its course at the arrival
//   distance       its length
//   vertex         {lat, lon, onLeg}, or null when there is none (a leg on
//                  the equator, or between coincident points); onLeg says
//                  whether the vertex lies between the ends of the leg
//   points         the meridian crossings in the order sailed, each
//                  {lat, lon, rhumbCourse, rhumbDistance}, the rhumb line
//                  from it to the next point or, from the last, to `to`
//   rhumbDistance  the sum of the rhumb lines: the distance steered
#pragma once

#include "nav/earth_model.h"
#include "nav/great_circle.h"

#include <QByteArray>
#include <QString>

namespace tarnquil {

// The interval between the meridians when --every is not given, degrees.
inline constexpr double kDefaultMeridianInterval = 10;

struct GreatCircleQuestion {
    geo::GeoPoint from;
    geo::GeoPoint to;
    double every = kDefaultMeridianInterval;
    nav::EarthModel model = nav::EarthModel::Wgs84;
};

QString greatCircleText(const GreatCircleQuestion& question, const nav::GreatCircleSailing& sailing);
QByteArray greatCircleJson(const GreatCircleQuestion& question, const nav::GreatCircleSailing& sailing);

}  // namespace tarnquil
