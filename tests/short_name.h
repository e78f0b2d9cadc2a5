// SPDX-License-Identifier: GPL-3.0-or-later
// The short 8.3 name Windows gives a path (C:\PROGRA~1\...), as a program
// started with one may be given it; empty on other systems and where the
// volume makes no short names.
#pragma once

#include <QDir>
#include <QString>

#ifdef Q_OS_WIN
#include <windows.h>

#include <string>
#endif

namespace testing_short_name {

inline QString shortName(const QString& path)
{
#ifdef Q_OS_WIN
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    wchar_t buffer[MAX_PATH];
    const DWORD length = GetShortPathNameW(native.c_str(), buffer, MAX_PATH);
    const QString name = QString::fromWCharArray(buffer, int(length));
    return length > 0 && length < MAX_PATH && name != QDir::toNativeSeparators(path) ? name : QString();
#else
    Q_UNUSED(path);
    return {};
#endif
}

}  // namespace testing_short_name
