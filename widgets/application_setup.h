// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

namespace tarnquil {

// Gives the application the Fusion style and Qt's own texts in Simplified
// Chinese (qtbase_zh_CN from Qt's translations folder, when it is installed).
void prepareApplication(QApplication& application);

}  // namespace tarnquil
