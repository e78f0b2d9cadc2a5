// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/console_text.h"

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#endif

using namespace Qt::StringLiterals;

namespace tarnquil {

#ifdef Q_OS_WIN
namespace {

// The console the stream writes to, or null when it is a file or pipe.
HANDLE consoleOf(std::FILE* stream)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) ? handle : nullptr;
}

}  // namespace
#endif

void writeText(std::FILE* stream, const QString& text)
{
    std::fflush(stream);
#ifdef Q_OS_WIN
    if (const HANDLE console = consoleOf(stream)) {
        // CR LF, as the C library ends the lines of text it writes there.
        const QString lines = QString(text).replace(u'\n', u"\r\n"_s);
        DWORD written = 0;
        WriteConsoleW(console, lines.utf16(), static_cast<DWORD>(lines.size()), &written, nullptr);
        return;
    }
#endif
    // By its length: a NUL inside the text does not end it.
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, std::size_t(utf8.size()), stream);
    std::fflush(stream);
}

}  // namespace tarnquil
