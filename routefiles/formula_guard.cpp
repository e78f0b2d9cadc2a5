// SPDX-License-Identifier: GPL-3.0-or-later
#include "routefiles/formula_guard.h"

#include <QStringView>

namespace tarnquil {

namespace {

constexpr QChar guard = u'\'';

// What a spreadsheet starts a formula with, and the guard itself.
constexpr QStringView guardedStarts = u"=+-@\t\r'";

}  // namespace

bool needsFormulaGuard(const QString& text)
{
    return !text.isEmpty() && guardedStarts.contains(text.front());
}

QString formulaGuarded(const QString& text)
{
    return needsFormulaGuard(text) ? guard + text : text;
}

QString formulaUnguarded(const QString& cell)
{
    return cell.startsWith(guard) ? cell.sliced(1) : cell;
}

}  // namespace tarnquil
