// SPDX-License-Identifier: GPL-3.0-or-later
// The XML namespaces of GPX files, shared by the reader and the writer.
#pragma once

#include "routefiles/route_table.h"

#include <QStringView>

#include <array>

namespace tarnquil {

inline constexpr QStringView gpx10Namespace = u"http://www.topografix.com/GPX/1/0";
inline constexpr QStringView gpx11Namespace = u"http://www.topografix.com/GPX/1/1";
// Where GPX 1.1's schema is, for the xsi:schemaLocation validators look at.
inline constexpr QStringView gpx11Schema = u"http://www.topografix.com/GPX/1/1/gpx.xsd";
inline constexpr QStringView schemaInstanceNamespace = u"http://www.w3.org/2001/XMLSchema-instance";

// Tarnquil's own extension, for what GPX 1.1 has no element for; other
// programs pass its elements over, as GPX's <extensions> asks of them:
//   <rte> <extensions><tq:plan model="wgs84" speed="12"
//           departure="2025-03-01 08:00" zone="UTC+8" eta-zone="ship"
//           leeway="+3" current-set="120" current-rate="2"
//           log-correction="-2"/></extensions>
//   <rtept> <extensions><tq:leg method="GC" speed="10" current="120/1.5"
//             leeway="-2"/></extensions>
// plan: the Earth model by its command-line word, the route's speed in
// knots and the departure and its zone as the window shows them, each left
// out when the route has none (the zone always written), and the zone the
// arrival times are shown in by its command-line word (depart, utc, ship),
// and the dead reckoning's wind and current as typed (ReckoningTexts), each
// left out when empty.
// The plan is the route's, never a point's: removing or moving points keeps
// it. leg: the method of the leg arriving at the point, RL or GC, and its
// speed as typed, left out when it is the route's, and its current
// (流向/流速) and leeway as typed, each left out when none.
inline constexpr QStringView tarnquilNamespace = u"http://vessoria.example/xmlns/tarnquil-gpx/1";
inline constexpr QStringView tarnquilPrefix = u"tq";

// The plan's attributes for the dead reckoning's wind and current.
struct ReckoningAttribute {
    QStringView name;
    QString ReckoningTexts::*text;
};

inline const std::array reckoningAttributes = {
    ReckoningAttribute{u"leeway", &ReckoningTexts::leeway},
    ReckoningAttribute{u"current-set", &ReckoningTexts::currentSet},
    ReckoningAttribute{u"current-rate", &ReckoningTexts::currentRate},
    ReckoningAttribute{u"log-correction", &ReckoningTexts::logCorrection},
};

}  // namespace tarnquil
