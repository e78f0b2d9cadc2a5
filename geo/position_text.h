// SPDX-License-Identifier: GPL-3.0-or-later
// A whole position in one text, as tools and web pages write it and as a
// navigator pastes it: a latitude part and a longitude part.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "geo/angle.h"
#include "geo/coordinate_entry.h"

namespace geo {

// The two parts of a position text as written (UTF-8), without the
// separator between them.
struct PositionParts {
    std::string latitude;
    std::string longitude;
};

struct PositionReading {
    GeoPoint position;
    PositionParts parts;
};

// One text with a latitude part marked N or S (北 南 北纬 南纬) and a
// longitude part marked E or W (东 西 东经 西经), in either order, separated
// by blanks, a comma, a semicolon or a slash. Each part is read as
// readCoordinate() reads a coordinate, in `mode` where it is packed.
//   "30°10.2′N 122°05.3′E"   "N30°10.2′ E122°05.3′"   "3010.2N,12205.3E"
//   "4250.1234,N,09338.8000,W"   "北纬30°10.2′ 东经122°05.3′"
// Refused with CoordinateError:
//   no separator, or only one part          (IncompletePosition)
//   "42.8333, -93.6467": no hemisphere, or two ways to read the text that
//   give different positions                (AmbiguousPosition)
//   otherwise what refuses the part that could be read furthest.
PositionReading readPosition(std::string_view text, EntryMode mode);

// The parts of a text that reads as a whole position in either entry form,
// for a paste to put into a latitude and a longitude field; nothing for any
// other text.
std::optional<PositionParts> splitPosition(std::string_view text);

}  // namespace geo
