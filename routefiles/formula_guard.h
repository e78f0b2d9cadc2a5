// SPDX-License-Identifier: GPL-3.0-or-later
// Text cells of a CSV file that a spreadsheet opens as text, never as a
// formula, and that read back as they were typed.
//
// A spreadsheet takes a cell for a formula when it starts with =, +, -, @,
// a tab or a carriage return. Such a text is written after an apostrophe,
// which spreadsheets take as "this cell is text"; a text that itself starts
// with an apostrophe gets one more, so that reading takes off exactly one:
//   =1+1 -> '=1+1     +2 kn 海流 -> '+2 kn 海流     - -> '-     @x -> '@x
//   \t锚地 -> '\t锚地   'quoted -> ''quoted        长江口 -> 长江口 (unchanged)
// formulaUnguarded(formulaGuarded(t)) == t for every text t. Only cells of
// text are guarded: names, remarks, the route's name, texts typed in a
// setting. A position written in degrees ("31.05°N") never starts with one
// of these characters and is written as it is.
#pragma once

#include <QString>

namespace tarnquil {

// Whether a spreadsheet would take text for a formula, or text starts with
// the apostrophe the guard is written with.
bool needsFormulaGuard(const QString& text);

// The text as a CSV file holds it.
QString formulaGuarded(const QString& text);

// A cell of a CSV file as the text it holds: one leading apostrophe taken off.
QString formulaUnguarded(const QString& cell);

}  // namespace tarnquil
