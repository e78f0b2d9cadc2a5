// SPDX-License-Identifier: GPL-3.0-or-later
// How a window marks a text it cannot read, in a field or in a table's
// cell: a red tint and an icon, a disc with an exclamation mark, so that the
// mark does not rest on colour alone, and the reason as the tooltip and as
// the accessible description, which screen readers read.
#pragma once

#include <QColor>
#include <QIcon>
#include <QVariant>

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

// The mark of a table's refused cell, for a model's data(): what a role
// holds for a cell refused for `reason`: the tint (Qt::BackgroundRole), the
// icon (Qt::DecorationRole), the reason (Qt::ToolTipRole and
// Qt::AccessibleDescriptionRole); an invalid QVariant for any other role
// and for a cell not refused (an empty reason). The icon is painted when
// first asked for.
class CellRefusalMark
{
public:
    QVariant data(const QString& reason, int role) const;

private:
    mutable QIcon icon_;
};

}  // namespace tarnquil
