// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/fixed_header_view.h"

#include <QStyle>

namespace tarnquil {

QSize FixedHeaderView::sectionSizeFromContents(int logicalIndex) const
{
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    return {sectionSize(logicalIndex), fontMetrics().height() + 2 * margin};
}

}  // namespace tarnquil
