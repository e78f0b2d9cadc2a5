// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHeaderView>

namespace tarnquil {

// A header whose height comes from its font alone. QHeaderView measures
// every title, in bold, to find its height: a second face of the Chinese
// font and the shaping of every title before the first paint. The titles
// here are one line, and the widths are set by the window. Across rows
// (Qt::Vertical) it is as wide as the numbers of the rows, measured in the
// header's own font.
class FixedHeaderView : public QHeaderView
{
    Q_OBJECT

public:
    using QHeaderView::QHeaderView;

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override;
};

}  // namespace tarnquil
