// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/file_messages.h"
#include "text/quoted_text.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

QString failure(const QString& what, const QString& path, const QString& reason)
{
    return u"无法%1文件%2：%3。"_s.arg(what, quotedPath(path), withoutFullStop(reason));
}

}  // namespace

QString openFailure(const QString& path, const QString& reason)
{
    return failure(u"打开"_s, path, reason);
}

QString readFailure(const QString& path, const QString& reason)
{
    return failure(u"读取"_s, path, reason);
}

QString saveFailure(const QString& path, const QString& reason)
{
    return failure(u"保存"_s, path, reason);
}

QString notRegularFileFailure(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return {};
    return u"文件%1不是普通文件，而是管道、设备或文件夹，未读取。"_s.arg(quotedPath(path));
}

QString tooLargeFailure(const QString& path, QStringView kind, qint64 limit)
{
    constexpr qint64 bytesPerMegabyte = 1024 * 1024;
    return u"文件%1大于 %2 MB，未读取：%3 航线文件不会这么大。"_s.arg(quotedPath(path))
        .arg(limit / bytesPerMegabyte)
        .arg(kind);
}

}  // namespace tarnquil
