// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tool_window.h"

#include "widgets/song_font.h"

#include "text/version.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// The windows' font size: 10.5 points, the 五号 of Chinese documents and forms.
constexpr qreal pointSize = 10.5;

}  // namespace

QFont ToolWindow::windowFont()
{
    QFont font = installedSongFont(pointSize);
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void ToolWindow::prepareApplication()
{
    QApplication::setFont(windowFont());
}

// Menus, dialogs and tooltips are windows of their own, which take the
// window's font only when told to.
ToolWindow::ToolWindow(const QString& name, QWidget* parent)
    : QMainWindow(parent)
    , name_(name)
{
    setAttribute(Qt::WA_WindowPropagation);
    setFont(windowFont());
}

// The form's size, or nine tenths of the screen's on a small or strongly
// scaled screen: the frame the window manager adds is not known before
// the window is shown, and a window the size of the screen put its
// bottom rows and status bar below the screen's edge.
void ToolWindow::fitScreen()
{
    constexpr qreal screenShare = 0.9;
    resize(size().boundedTo(screen()->availableGeometry().size() * screenShare));
}

void ToolWindow::showTitle(const QStringList& parts, bool modified)
{
    setWindowTitle((QStringList{name_} + parts).join(u" — "_s) + u"[*]"_s);
    setWindowModified(modified);
}

void ToolWindow::connectUndoActions(QUndoStack* stack, QAction* undo, QAction* redo, QChar redoKey)
{
    const QString undoText = u"撤销%1(&U)"_s;
    const QString redoText = u"重做%1(&"_s + redoKey + u')';
    connect(undo, &QAction::triggered, stack, &QUndoStack::undo);
    connect(redo, &QAction::triggered, stack, &QUndoStack::redo);
    connect(stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(stack, &QUndoStack::undoTextChanged, undo,
            [undo, undoText](const QString& text) { undo->setText(undoText.arg(text)); });
    connect(stack, &QUndoStack::redoTextChanged, redo,
            [redo, redoText](const QString& text) { redo->setText(redoText.arg(text)); });
}

void ToolWindow::showAbout(const QString& description)
{
    QMessageBox::about(this, u"关于"_s + name_,
                       u"Tarnquil %1 %2\n\n"_s.arg(name_, QStringView(programVersion)) + description
                           + u"\n\n© Vessoria 版权所有"_s);
}

// The menu of the menus that do not fit beside each other, which the menu
// bar makes once it is laid out, is named for screen readers.
void ToolWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
        if (menu->accessibleName().isEmpty())
            menu->setAccessibleName(u"更多菜单"_s);
    }
}

void ToolWindow::closeEvent(QCloseEvent* event)
{
    if (mayClose())
        event->accept();
    else
        event->ignore();
}

}  // namespace tarnquil
