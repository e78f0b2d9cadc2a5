// SPDX-License-Identifier: GPL-3.0-or-later
// What every window of the program's tools (航线计算, 陆标定位) has alike:
//   its texts in the Song face at 五号 (10.5 points), the size of Chinese
//   documents and forms, its menus, tooltips and dialogs too;
//   its form's size, or nine tenths of the screen's on a small screen;
//   a title of the tool's name and its document's ("陆标定位 — 观测.csv"),
//   with * while the document has unsaved changes;
//   撤销 and 重做 following the window's undo stack;
//   关于, the tool's name, the program's version and what the tool does;
//   the menu of the menus that do not fit beside each other named for
//   screen readers (更多菜单);
//   a question before it closes, which the window asks (mayClose).
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>

class QAction;
class QUndoStack;

namespace tarnquil {

class ToolWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Gives the application, already prepared by prepareApplication
    // (widgets/application_setup.h), the windows' font for menus, tooltips
    // and dialogs too, before a window is made.
    static void prepareApplication();
    // The windows' font: the Song face at 10.5 points, its text laid out
    // without OpenType shaping, which Chinese, digits and Latin letters do
    // not need (no kerning or ligatures), and its glyphs fully hinted, so
    // placed on whole pixels: each glyph is drawn once, not once for each
    // fraction of a pixel it falls on. Each took a twentieth of the
    // instructions before the first frame.
    static QFont windowFont();

protected:
    // `name` is the tool's (航线计算). The font is set before the window's
    // form makes its controls, which take it as they are made.
    ToolWindow(const QString& name, QWidget* parent);

    // Once the form is set up: its size, bounded by the screen's.
    void fitScreen();
    // The title: the tool's name, then `parts` ("横渡北太平洋", "航线.csv"),
    // each after a dash.
    void showTitle(const QStringList& parts, bool modified);
    // 撤销 and 重做 undo and redo `stack`, enabled when they can; their texts
    // say what ("撤销删除航点(&U)"). 撤销 is Alt+U in every window; 重做 takes
    // `redoKey`, a letter its menu leaves free (R, or T beside 加入航线(&R)).
    void connectUndoActions(QUndoStack* stack, QAction* undo, QAction* redo, QChar redoKey);
    // 关于: `description` says what the tool does.
    void showAbout(const QString& description);

    // Whether the window may close now; a document with changes asks first.
    virtual bool mayClose() = 0;

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QString name_;
};

}  // namespace tarnquil
