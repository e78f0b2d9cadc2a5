// SPDX-License-Identifier: GPL-3.0-or-later
// A row of the 天文航海 window's panels: a label with its Alt letter
// ("时间(&M)") and the line edit it names, whose accessible name is the
// label's words ("时间") and whose placeholder shows an example of what it
// reads ("2026-12-08 06:45 +8"), as the reader's manual in
// text/celestial_text.h writes them.
#pragma once

#include <QString>

class QFormLayout;
class QLineEdit;

namespace tarnquil {

QLineEdit* addFieldRow(QFormLayout& form, const QString& label, const QString& objectName,
                       const QString& example);

// "时间(&M)" -> "时间".
QString withoutAltLetter(const QString& label);

}  // namespace tarnquil
