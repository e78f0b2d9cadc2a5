// SPDX-License-Identifier: GPL-3.0-or-later
// Why a file could not be opened, read or written, in the one sentence of
// each kind that every reader and writer gives: the file's path quoted
// (quotedPath), then the reason, Qt's own (QFile::errorString()) or ours.
//   无法打开文件“/home/u/航线.csv”：No such file or directory。
//   无法读取文件“/media/u/航线.gpx”：Input/output error。
//   无法保存文件“/media/u/航线.pdf”：No space left on device。
#pragma once

#include <QString>
#include <QStringView>

namespace tarnquil {

QString openFailure(const QString& path, const QString& reason);
QString readFailure(const QString& path, const QString& reason);
QString saveFailure(const QString& path, const QString& reason);

// A route file that is no regular file (a named pipe, a device, a folder),
// which reading could wait on for ever: the refusal, checked before the file
// is opened; empty for a regular file, or one that does not exist (whose
// opening says why).
//   文件“/tmp/航线.csv”不是普通文件，而是管道、设备或文件夹，未读取。
QString notRegularFileFailure(const QString& path);

// A route file larger than `limit` bytes, of a kind ("CSV", "GPX"), left unread:
//   文件“/home/u/航迹.gpx”大于 50 MB，未读取：GPX 航线文件不会这么大。
QString tooLargeFailure(const QString& path, QStringView kind, qint64 limit);

}  // namespace tarnquil
