// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tarnquil {

// A text as a message quotes it, between “ and ”: without direction controls,
// control characters shown as the symbols that picture them (so that a NUL
// cannot end the message, nor a line break break it), and a long text cut to
// its first and last 16 characters around an ellipsis, so that the message
// stays readable and its box fits the screen.
//   quotedText(u"42112a"_s)      → “42112a”
//   quotedText(u"42"_s + QChar(0) + u"50N"_s)  → “42␀50N”
//   quotedText(a 1 MB paste)     → “4211254444444444…4444444444444444”
QString quotedText(const QString& text);

// A file's path as a message names it: whole, however long, with the
// system's separators and without direction controls, between “ and ”.
//   quotedPath(u"/home/李/航线.gpx"_s)  → “/home/李/航线.gpx”
QString quotedPath(const QString& path);

// A sentence of Qt's, such as QFile::errorString(), without its full stop, to
// stand inside a message of ours.
//   withoutFullStop(u"No such file or directory."_s)  → No such file or directory
QString withoutFullStop(QString text);

}  // namespace tarnquil
