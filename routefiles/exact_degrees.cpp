// SPDX-License-Identifier: GPL-3.0-or-later
#include "routefiles/exact_degrees.h"

#include <QLocale>

#include <cmath>

using namespace Qt::StringLiterals;

namespace tarnquil {

QString exactDegreesText(double degrees, geo::Axis axis)
{
    const bool latitude = axis == geo::Axis::Latitude;
    // A zero of either sign is N or E, as the display writes it.
    const QChar hemisphere = std::signbit(degrees) && degrees != 0 ? (latitude ? u'S' : u'W')
                                                                   : (latitude ? u'N' : u'E');
    // 'f': the reader takes no exponent; the magnitude's digits, because a
    // hemisphere excludes a sign.
    return QString::number(std::fabs(degrees), 'f', QLocale::FloatingPointShortest) + u"°"_s
        + hemisphere;
}

}  // namespace tarnquil
