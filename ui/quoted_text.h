// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tarnquil {

// A text as a message quotes it, between “ and ”: without direction controls,
// and a long text cut to its first and last 16 characters around an ellipsis,
// so that the message stays readable and its box fits the screen.
//   quotedText(u"42112a"_s)      → “42112a”
//   quotedText(a 1 MB paste)     → “4211254444444444…4444444444444444”
QString quotedText(const QString& text);

}  // namespace tarnquil
