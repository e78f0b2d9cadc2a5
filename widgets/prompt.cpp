// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/prompt.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace tarnquil {

Prompt messageBoxPrompt(QWidget* window, QMessageBox::Icon icon, const QString& title)
{
    return [window, icon, title](const QString& message) {
        QMessageBox box(icon, title, message, QMessageBox::Ok, window);
        box.button(QMessageBox::Ok)->setText(u"确定"_s);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    };
}

}  // namespace tarnquil
