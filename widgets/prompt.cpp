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

Question messageBoxQuestion(QWidget* window, const QString& title)
{
    return [window, title](const QString& question) {
        QMessageBox box(QMessageBox::Question, title, question, QMessageBox::Yes | QMessageBox::No,
                        window);
        box.button(QMessageBox::Yes)->setText(u"是"_s);
        box.button(QMessageBox::No)->setText(u"否"_s);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        box.setTextFormat(Qt::PlainText);
        return box.exec() == QMessageBox::Yes;
    };
}

SaveQuestion messageBoxSaveQuestion(QWidget* window, const QString& title)
{
    return [window, title](const QString& question) {
        QMessageBox box(QMessageBox::Question, title, question,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window);
        box.button(QMessageBox::Save)->setText(u"保存"_s);
        box.button(QMessageBox::Discard)->setText(u"不保存"_s);
        box.button(QMessageBox::Cancel)->setText(u"取消"_s);
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        box.setTextFormat(Qt::PlainText);
        switch (box.exec()) {
        case QMessageBox::Save:
            return SaveChoice::Save;
        case QMessageBox::Discard:
            return SaveChoice::Discard;
        default:
            return SaveChoice::Cancel;
        }
    };
}

}  // namespace tarnquil
