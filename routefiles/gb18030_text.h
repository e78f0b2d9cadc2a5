// SPDX-License-Identifier: GPL-3.0-or-later
// Text in GB18030, the Chinese national character set, which covers GBK and
// GB2312: what a spreadsheet on a Chinese Windows saves as "CSV (逗号分隔)".
//
// On Windows through the system's own converter (code page 54936, or 936,
// GBK, where the system lacks it, as Wine does), because the Qt the Windows
// build ships is built without ICU and knows no GB18030; elsewhere through
// Qt's converter, which ICU gives GB18030.
#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace tarnquil {

// The bytes decoded, or nothing when they are not GB18030 (a lone lead
// byte, a byte no sequence takes) or no converter for it is at hand.
//   "\xB3\xA4\xBD\xAD\xBF\xDA" -> 长江口      "31.4,121.5" -> 31.4,121.5
//   "\xCE"               -> nothing   "\xFF"       -> nothing
std::optional<QString> decodeGb18030(QByteArrayView bytes);

}  // namespace tarnquil
