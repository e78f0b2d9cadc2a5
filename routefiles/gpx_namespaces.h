// SPDX-License-Identifier: GPL-3.0-or-later
// The XML namespaces of GPX files, shared by the reader and the writer.
#pragma once

#include <QStringView>

namespace tarnquil {

inline constexpr QStringView gpx10Namespace = u"http://www.topografix.com/GPX/1/0";
inline constexpr QStringView gpx11Namespace = u"http://www.topografix.com/GPX/1/1";
// Where GPX 1.1's schema is, for the xsi:schemaLocation validators look at.
inline constexpr QStringView gpx11Schema = u"http://www.topografix.com/GPX/1/1/gpx.xsd";
inline constexpr QStringView schemaInstanceNamespace = u"http://www.w3.org/2001/XMLSchema-instance";

}  // namespace tarnquil
