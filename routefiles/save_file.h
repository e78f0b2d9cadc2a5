// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace tarnquil {

// Writes bytes to the file at path through a temporary file beside it,
// renamed into place only when every byte is written: a failed write leaves
// an existing file as it was, and no temporary file behind. Returns an empty
// string, or why nothing was written (saveFailure, text/file_messages.h):
//   无法保存文件“/media/u/航线.csv”：No space left on device。
QString saveFile(const QString& path, const QByteArray& bytes);

}  // namespace tarnquil
