// SPDX-License-Identifier: GPL-3.0-or-later
#include "routefiles/same_file.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace tarnquil {

namespace {

// How the system compares the names of files.
#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kFileNames = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kFileNames = Qt::CaseSensitive;
#endif

}  // namespace

// Not QFileInfo's ==: it compares canonical paths, which on Windows keep a
// short 8.3 name as it is (so C:/PROGRA~1/a.csv and C:/Program Files/a.csv
// came out as two files), and it takes two paths where no file is yet for
// one file.
bool sameFile(const QString& first, const QString& second)
{
    std::error_code error;
    const bool same = std::filesystem::equivalent(QFileInfo(first).filesystemAbsoluteFilePath(),
                                                  QFileInfo(second).filesystemAbsoluteFilePath(), error);
    if (!error)
        return same;
    // Neither file exists (or neither can be looked at): the places named.
    return QDir::cleanPath(QFileInfo(first).absoluteFilePath())
               .compare(QDir::cleanPath(QFileInfo(second).absoluteFilePath()), kFileNames)
        == 0;
}

}  // namespace tarnquil
