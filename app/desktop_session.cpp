// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktop_session.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QtGlobal>

#include <cstring>

using namespace Qt::StringLiterals;

namespace tarnquil {

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
namespace {

bool isSet(const char* variable)
{
    return !qEnvironmentVariableIsEmpty(variable);
}

// The platforms asked for, as Qt reads them: the value of -platform (or
// --platform), else QT_QPA_PLATFORM, a list separated by semicolons whose
// entries may carry options after a colon ("xcb:foo"); empty for Qt's default.
QList<QByteArray> chosenPlatforms(int argc, char** argv)
{
    QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            chosen = argv[i + 1];
    }
    QList<QByteArray> platforms;
    for (const QByteArray& entry : chosen.split(';')) {
        const QByteArray name = entry.split(':').value(0).trimmed();
        if (!name.isEmpty())
            platforms.append(name);
    }
    return platforms;
}

bool canShowWindows(const QByteArray& platform)
{
    if (platform == "xcb")
        return isSet("DISPLAY");
    if (platform.startsWith("wayland"))
        return isSet("WAYLAND_DISPLAY");
    return true;
}

}  // namespace
#endif

bool hasDesktopSession(int argc, char** argv)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    const QList<QByteArray> platforms = chosenPlatforms(argc, argv);
    if (platforms.isEmpty())
        return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
    for (const QByteArray& platform : platforms) {
        if (canShowWindows(platform))
            return true;
    }
    return false;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true;
#endif
}

QString noDesktopMessage()
{
    return u"tarnquil: 打开窗口需要桌面会话（没有找到 DISPLAY 或 WAYLAND_DISPLAY）；"
           u"不打开窗口能做的事见 tarnquil --help。\n"_s;
}

}  // namespace tarnquil
