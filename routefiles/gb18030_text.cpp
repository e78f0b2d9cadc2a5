// SPDX-License-Identifier: GPL-3.0-or-later
#include "routefiles/gb18030_text.h"

#ifdef Q_OS_WIN
#include <windows.h>

#include <limits>
#else
#include <QStringDecoder>
#endif

namespace tarnquil {

#ifdef Q_OS_WIN

namespace {

constexpr UINT gb18030CodePage = 54936;
constexpr UINT gbkCodePage = 936;

// GB18030 where the system has it (every Windows since Vista); else GBK,
// which is what a Chinese Windows's spreadsheet writes: Wine, under which
// the Windows build is tested, has no code page 54936.
UINT codePage()
{
    return IsValidCodePage(gb18030CodePage) ? gb18030CodePage : gbkCodePage;
}

}  // namespace

std::optional<QString> decodeGb18030(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    if (bytes.size() > std::numeric_limits<int>::max())
        return std::nullopt;
    const int size = int(bytes.size());
    // MB_ERR_INVALID_CHARS: a byte no sequence takes fails the whole call
    // instead of becoming U+FFFD.
    const UINT page = codePage();
    const int length = MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    QString text(length, Qt::Uninitialized);
    if (MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data(), size,
                            reinterpret_cast<wchar_t*>(text.data()), length) != length)
        return std::nullopt;
    return text;
}

#else

std::optional<QString> decodeGb18030(QByteArrayView bytes)
{
    QStringDecoder decoder("GB18030", QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

#endif

}  // namespace tarnquil
