// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' open and save dialogs fit the screen, their buttons on it:
// also as ctest's small_screen runs them, at 200 % on a 1024 by 768 screen,
// where Qt's file dialog asks for more than the screen has.
#include "widgets/document_files.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;

class FileDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void fitsTheScreen_data();
    void fitsTheScreen();
};

void FileDialogTest::fitsTheScreen_data()
{
    QTest::addColumn<bool>("save");
    QTest::newRow("save") << true;
    QTest::newRow("open") << false;
}

void FileDialogTest::fitsTheScreen()
{
    QFETCH(bool, save);
    QTemporaryDir folder;
    QWidget window;
    window.show();
    QRect dialogFrame;
    QRect screen;
    QStringList buttonsOff;
    bool systemDialog = false;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        // Windows' own dialog, which Qt shows there and has no widgets of
        // Qt's: the system sizes and places it.
        if (dialog->findChild<QDialogButtonBox*>() == nullptr) {
            systemDialog = true;
            dialog->reject();
            return;
        }
        // What is inside the frame, and the frame's top (its title bar).
        dialogFrame = dialog->geometry();
        dialogFrame.setTop(dialog->frameGeometry().top());
        screen = dialog->screen()->availableGeometry();
        for (QPushButton* button : dialog->findChild<QDialogButtonBox*>()->findChildren<QPushButton*>()) {
            const QRect onScreen(button->mapToGlobal(QPoint(0, 0)), button->size());
            if (!screen.contains(onScreen) || button->visibleRegion().isEmpty())
                buttonsOff << button->text();
        }
        dialog->reject();
    });
    const QString chosen = save
        ? tarnquil::askForSaveFile(&window, u"保存观测"_s, folder.filePath(u"观测.csv"_s),
                                   u"CSV 文件 (*.csv)"_s, u"csv"_s)
        : tarnquil::askForOpenFile(&window, u"打开航线"_s, folder.path(), u"CSV 文件 (*.csv)"_s);
    // Closed from here, the system's dialog may still answer with the name
    // it proposed: what it answers is not this test's.
    if (systemDialog)
        QSKIP("the system's own file dialog, which the system places on the screen");
    QVERIFY(chosen.isEmpty());
    QVERIFY(!dialogFrame.isNull());
    QVERIFY2(screen.contains(dialogFrame),
             qPrintable(u"%1x%2 at %3,%4"_s.arg(dialogFrame.width()).arg(dialogFrame.height())
                            .arg(dialogFrame.left()).arg(dialogFrame.top())));
    QVERIFY2(buttonsOff.isEmpty(), qPrintable(buttonsOff.join(u", "_s)));
}

QTEST_MAIN(FileDialogTest)
#include "file_dialog_test.moc"
