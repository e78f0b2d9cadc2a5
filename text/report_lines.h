// SPDX-License-Identifier: GPL-3.0-or-later
// How the reports lay out their text, for a terminal and for the 天文航海
// window's fixed-pitch fields alike: a report's working as steps, label and
// value, the values in one column, and tables whose columns are as wide as
// their widest cell, counted in the columns a terminal gives a character
// (two for an ideograph or a full-width form, one for the rest the reports
// print, ° ′ and − among them).
//   stepLines({{"真航向 TC", "030.0°"}, {"风压差 α", "+3.0°"}})
//     -> "  真航向 TC  030.0°", "  风压差 α   +3.0°"
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace tarnquil {

qsizetype columns(const QString& text);

// The text and blanks after it (before it: leftPadded) to `width` columns.
QString padded(const QString& text, qsizetype width);
QString leftPadded(const QString& text, qsizetype width);

using Step = std::pair<QString, QString>;

// Each step indented by two blanks, its value after the longest label and two blanks.
QStringList stepLines(const QList<Step>& steps);

// Rows of cells, each column as wide as its widest cell; the first left,
// the others right, two blanks between; indented by two blanks.
QStringList table(const QList<QStringList>& rows);

// The lines, each ended by a line feed.
QString joined(const QStringList& lines);

}  // namespace tarnquil
