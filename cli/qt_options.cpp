// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/qt_options.h"

#include <array>

namespace tarnquil {
namespace {

struct QtOption {
    QStringView name;
    bool takesValue;
};

// As Qt 6's QGuiApplication and QApplication documentation lists them, with
// the X11 platform's own (-display, -geometry, -name, -title, -icon, -visual).
constexpr std::array qtOptions = {
    QtOption{u"-platform", true},      QtOption{u"-platformpluginpath", true},
    QtOption{u"-platformtheme", true}, QtOption{u"-plugin", true},
    QtOption{u"-qmljsdebugger", true}, QtOption{u"-qwindowgeometry", true},
    QtOption{u"-qwindowicon", true},   QtOption{u"-qwindowtitle", true},
    QtOption{u"-session", true},       QtOption{u"-display", true},
    QtOption{u"-geometry", true},      QtOption{u"-name", true},
    QtOption{u"-title", true},         QtOption{u"-icon", true},
    QtOption{u"-visual", true},        QtOption{u"-style", true},
    QtOption{u"-stylesheet", true},    QtOption{u"-reverse", false},
    QtOption{u"-widgetcount", false},  QtOption{u"-nograb", false},
    QtOption{u"-dograb", false},       QtOption{u"-sync", false},
};

}  // namespace

std::optional<bool> qtOptionTakesValue(QStringView name)
{
    for (const QtOption& option : qtOptions) {
        if (option.name == name)
            return option.takesValue;
    }
    return std::nullopt;
}

}  // namespace tarnquil
