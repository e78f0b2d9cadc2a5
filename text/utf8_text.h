// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string_view>

namespace tarnquil {

// A text of geo or nav (UTF-8) as a QString.
inline QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace tarnquil
