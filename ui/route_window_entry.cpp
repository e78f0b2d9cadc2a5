// SPDX-License-Identifier: GPL-3.0-or-later
// Until the route window is merged: says so, so that `tarnquil --route`
// does something visible. The route window's own file replaces this one.
#include "route_window_entry.h"

#include <QApplication>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace tarnquil {

int runRouteWindow(QApplication&, const RouteOptions&)
{
    QMessageBox::information(nullptr, u"航线计算"_s, u"航线计算窗口尚未完成。"_s);
    return 0;
}

}  // namespace tarnquil
