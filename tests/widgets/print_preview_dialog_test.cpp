// SPDX-License-Identifier: GPL-3.0-or-later
// The print preview printed from without the mouse: it opens with the focus
// on its 打印 button, Space on it or Ctrl+P anywhere in the preview opens
// the print dialog, and Tab reaches the toolbar's buttons.
//
// On Windows the print dialog is the system's own, outside Qt's widgets and
// run on a thread of its own, so no test can see or close it: there the
// test sees the preview's 打印 action triggered, with the system's dialog
// taken off it.
#include "widgets/print_preview_dialog.h"

#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Waits for a modal dialog of type Dialog to be the active one.
template <typename Dialog>
Dialog* waitForModal()
{
    for (int waited = 0; waited < 5000; waited += 20) {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            dialog != nullptr && QApplication::activeWindow() == dialog)
            return dialog;
        QTest::qWait(20);
    }
    return nullptr;
}

// What the keyboard did in the preview, seen from inside it.
struct Seen {
    bool preview = false;
    QString focused;        // the text of the focused button's action
    bool printDialog = false;
    int pagesPainted = 0;
};

const QString printText() { return QCoreApplication::translate("QPrintPreviewDialog", "Print"); }

// Where the print dialog is the system's (see above), the preview's 打印
// action is taken off it and noted in `seen` when triggered.
void noteSystemPrintDialog([[maybe_unused]] QPrintPreviewDialog& preview,
                           [[maybe_unused]] Seen& seen)
{
#ifdef Q_OS_WIN
    for (QAction* action : preview.findChildren<QAction*>()) {
        if (action->text() != printText())
            continue;
        QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
        QObject::connect(action, &QAction::triggered, &preview,
                         [&seen] { seen.printDialog = true; });
    }
#endif
}

// Opens the preview of a one-page document, does `keys` in it once it has
// the focus, and closes what they opened.
Seen previewWith(const std::function<void(QPrintPreviewDialog&)>& keys)
{
    Seen seen;
    QTimer::singleShot(0, [&] {
        QPrintPreviewDialog* preview = waitForModal<QPrintPreviewDialog>();
        if (preview == nullptr)
            return;
        seen.preview = true;
        QTest::qWait(50);  // the focus goes to the button after the dialog is shown
        if (auto* button = qobject_cast<QToolButton*>(QApplication::focusWidget());
            button != nullptr && button->defaultAction() != nullptr)
            seen.focused = button->defaultAction()->text();
        noteSystemPrintDialog(*preview, seen);
        QTimer::singleShot(0, [&] {
            if (QPrintDialog* dialog = waitForModal<QPrintDialog>()) {
                seen.printDialog = true;
                dialog->reject();
            }
        });
        keys(*preview);
        preview->reject();
    });
    tarnquil::previewAndPrint(nullptr, {u"航线"_s, QPageLayout(), [&seen](QPrinter& printer) {
                                            QPainter painter(&printer);
                                            painter.drawText(100, 100, u"航线"_s);
                                            ++seen.pagesPainted;
                                        }});
    return seen;
}

}  // namespace

class PrintPreviewDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void printedFromTheKeyboard_data();
    void printedFromTheKeyboard();
    void tabReachesTheToolbar();
};

void PrintPreviewDialogTest::printedFromTheKeyboard_data()
{
    QTest::addColumn<bool>("onPages");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");

    QTest::newRow("Space on the focused 打印") << false << int(Qt::Key_Space)
                                               << Qt::KeyboardModifiers(Qt::NoModifier);
    QTest::newRow("Ctrl+P on the pages") << true << int(Qt::Key_P)
                                         << Qt::KeyboardModifiers(Qt::ControlModifier);
}

void PrintPreviewDialogTest::printedFromTheKeyboard()
{
    QFETCH(bool, onPages);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    const Seen seen = previewWith([&](QPrintPreviewDialog& preview) {
        QWidget* target = QApplication::focusWidget();
        if (onPages) {
            target = preview.findChild<QPrintPreviewWidget*>();
            target->setFocus();
        }
        QTest::keyClick(target, Qt::Key(key), modifiers);
    });
    QVERIFY(seen.preview);
    QCOMPARE(seen.focused, printText());
    QVERIFY(seen.printDialog);
    QVERIFY(seen.pagesPainted > 0);
}

// From the pages, Tab and Shift+Tab go to the toolbar's buttons too, which
// Qt's preview leaves to the mouse.
void PrintPreviewDialogTest::tabReachesTheToolbar()
{
    QStringList reached;
    QStringList buttons;  // the toolbar's, each that can be pressed
    const Seen seen = previewWith([&](QPrintPreviewDialog& preview) {
        for (QToolButton* button : preview.findChildren<QToolButton*>()) {
            if (button->isVisible() && button->isEnabled() && button->defaultAction() != nullptr)
                buttons << button->defaultAction()->text();
        }
        preview.findChild<QPrintPreviewWidget*>()->setFocus();
        for (int press = 0; press < 40; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (auto* button = qobject_cast<QToolButton*>(QApplication::focusWidget());
                button != nullptr && button->defaultAction() != nullptr
                && !reached.contains(button->defaultAction()->text()))
                reached << button->defaultAction()->text();
        }
    });
    QVERIFY(seen.preview);
    QVERIFY2(reached.contains(printText()), qPrintable(reached.join(u", "_s)));
    // Every button, however many the platform shows (no 页面设置 without a
    // printer under Wine).
    QVERIFY2(buttons.size() > 5, qPrintable(buttons.join(u", "_s)));
    for (const QString& button : std::as_const(buttons))
        QVERIFY2(reached.contains(button), qPrintable(button + u" not reached: "_s + reached.join(u", "_s)));
}

QTEST_MAIN(PrintPreviewDialogTest)
#include "print_preview_dialog_test.moc"
