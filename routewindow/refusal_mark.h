// SPDX-License-Identifier: GPL-3.0-or-later
// How the route window marks a text it cannot read: a red tint and an icon,
// a disc with an exclamation mark, so that the mark does not rest on colour
// alone, and the reason as the tooltip.
#pragma once

#include <QColor>
#include <QIcon>

class QLineEdit;

namespace tarnquil {

// The tint behind a refused text.
inline const QColor refusalTint(0xFF, 0xD4, 0xD4);

// The mark beside a refused text, painted rather than read from an image
// file, in sharp pixels also on a screen scaled by two.
QIcon refusalIcon();

// Marks a field whose text is refused: tint, icon at its end, the reason as
// its tooltip and accessible description.
void markRefused(QLineEdit* field, const QString& reason);
// Takes the mark away again; a field without one is left as it is.
void clearRefusal(QLineEdit* field);

}  // namespace tarnquil
