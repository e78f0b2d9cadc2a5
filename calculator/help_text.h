// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace tarnquil {

// The captions of the two command buttons, which the guide names.
inline constexpr QStringView distanceCommandCaption = u"计算两点距离";
inline constexpr QStringView angleCommandCaption = u"计算三点夹角";

// The user guide shown in the window: fifteen lines, each ended by CR LF; the
// last two are an empty line and the notations beyond the packed forms.
QString helpText();

}  // namespace tarnquil
