// SPDX-License-Identifier: GPL-3.0-or-later
// Making the Chinese text of a PDF that Qt wrote read back as written.
//
// A PDF says which character each glyph of an embedded font stands for in
// the font's ToUnicode map, which text extraction, copying and searching
// read. Qt writes that map by giving each glyph the lowest code point the
// font maps to it. CJK fonts map the radicals (U+2E80 … U+2FDF) and a few
// other marks below the ideographs to the very glyphs of the ideographs they
// look like, so the map says ⻓ (U+2ED3) for 长 and ⼝ (U+2F1D) for 口, and
// nobody finds 长江口 in the file.
#pragma once

#include <QByteArray>
#include <QList>

class QFont;

namespace tarnquil {

// Rewrites, in every ToUnicode map of the PDF, each code point below the
// ideographs that one of the fonts maps to the glyph of a CJK unified
// ideograph as that ideograph:
//   <0001> <0003> [<2ED3> <6C5F> <2F1D>]  →  <0001> <0003> [<957F> <6C5F> <53E3>]
// Each code keeps its length, so the file's cross-reference offsets stay
// right. A run written as consecutive code points (<0010> <0013> <2F00>)
// is left as it is: its characters cannot be written in its place.
void mapSharedGlyphsToIdeographs(QByteArray& pdf, const QList<QFont>& fonts);

}  // namespace tarnquil
