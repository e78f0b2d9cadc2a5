// SPDX-License-Identifier: GPL-3.0-or-later
// A whole position in one text, as tools and web pages write it and as a
// navigator pastes it: a latitude part and a longitude part.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "geo/angle.h"
#include "geo/coordinate_entry.h"
#include "geo/number_form.h"

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

// One text with a latitude part and a longitude part, in either order, each
// saying which it is with a hemisphere (N S 北 南 北纬 南纬, E W 东 西 东经 西经)
// or a label (Lat, 经度 and the like), separated by blanks, a comma, a
// semicolon, a slash or 、. Each part is read as readRouteCoordinate() reads
// a coordinate in `form`: every plain number follows the rule for plain
// numbers, and blanks between numbers separate degrees, minutes and seconds.
//   "30°10.2′N 122°05.3′E"   "N30°10.2′ E122°05.3′"   "3010.2N,12205.3E"
//   "4250.1234,N,09338.8000,W"   "北纬30°10.2′ 东经122°05.3′"
//   "30°10′12″N、122°05′18″E"   "30 10.2 N; 122 05.3 E"   "Lat 30°10′ Lon 122°05′"
//   度: "25.3N 128.7E"
// Blanks are ignored wherever they stand, so a text is read whatever its
// length; without its blanks and ignored characters it has at most 256.
// Refused with CoordinateError:
//   no separator, or only one part           (IncompletePosition)
//   "42.8333, -93.6467": no hemisphere, or two ways to read the text that
//   give different positions                 (AmbiguousPosition)
//   "30°10.2′N 122.5": a part that does not say which it is (MissingHemisphere)
//   "30°10,2′N 122°05.3′E" (DecimalComma)
//   more than 256 characters besides blanks  (PositionTooLong)
//   otherwise what refuses the part read furthest in the right order:
//   "25.3N 128.7E" in the 分 form (AmbiguousNumber).
PositionReading readPosition(std::string_view text, NumberForm form);

// The same in the classic entry form's number form.
PositionReading readPosition(std::string_view text, EntryMode mode);

// The parts of a text that reads as a whole position in any number form
// (分, 秒 or 度), for a paste to put into a latitude and a longitude field;
// nothing for any other text. Each field then reads its part by its own
// rules: "25.3N 128.7E" splits, and a 分 field refuses "25.3N" as ambiguous.
std::optional<PositionParts> splitPosition(std::string_view text);

}  // namespace geo
