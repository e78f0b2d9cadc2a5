// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/fixed_header_view.h"

#include <QAbstractItemModel>
#include <QStyle>

namespace tarnquil {

QSize FixedHeaderView::sectionSizeFromContents(int logicalIndex) const
{
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    if (orientation() == Qt::Horizontal)
        return {sectionSize(logicalIndex), fontMetrics().height() + 2 * margin};
    // A row's number, in the weight it is drawn in (ProgramStyle underlines
    // the current row's rather than making it bold).
    const QString title = model() != nullptr ? model()->headerData(logicalIndex, Qt::Vertical).toString()
                                             : QString();
    return {fontMetrics().horizontalAdvance(title) + 2 * margin, sectionSize(logicalIndex)};
}

}  // namespace tarnquil
