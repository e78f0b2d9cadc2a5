// SPDX-License-Identifier: GPL-3.0-or-later
// The split dialog answered from the keyboard: one Enter takes the text in
// its field, whether proposed or typed.
#include "routewindow/meridian_interval_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace Qt::StringLiterals;

class MeridianIntervalDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void oneEnterAnswers_data();
    void oneEnterAnswers();
    void refusedTextIsAskedAgain();
};

namespace {

// Once the dialog is up, types `typed` (after selecting what its field
// holds, unless empty) and presses Enter once; should the dialog still be
// open after that, notes its question in `labelSeen` and closes it.
void answerWhenShown(const QString& typed, QString* labelSeen = nullptr)
{
    QTimer::singleShot(0, [typed, labelSeen] {
        QWidget* dialog = nullptr;
        QTRY_VERIFY((dialog = QApplication::activeModalWidget()));
        QWidget* field = dialog->findChild<QComboBox*>()->lineEdit();
        if (!typed.isEmpty()) {
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(field, typed);
        }
        QTest::keyClick(field, Qt::Key_Return);
        QTimer::singleShot(0, [labelSeen, open = QPointer<QDialog>(qobject_cast<QDialog*>(dialog))] {
            if (open && open->isVisible()) {
                if (labelSeen)
                    *labelSeen = open->findChild<QLabel*>()->text();
                open->reject();
            }
        });
    });
}

}  // namespace

void MeridianIntervalDialogTest::oneEnterAnswers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("degrees");
    QTest::newRow("the proposed 10") << QString() << 10.0;
    QTest::newRow("5, one of the list") << u"5"_s << 5.0;
    QTest::newRow("2.5, not in the list") << u"2.5"_s << 2.5;
    QTest::newRow("with its unit") << u"15°"_s << 15.0;
}

void MeridianIntervalDialogTest::oneEnterAnswers()
{
    QFETCH(QString, typed);
    QFETCH(double, degrees);
    answerWhenShown(typed);
    const std::optional<double> answer = tarnquil::meridianIntervalDialog(nullptr)(u"A → B"_s);
    QVERIFY(answer.has_value());
    QCOMPARE(*answer, degrees);
}

void MeridianIntervalDialogTest::refusedTextIsAskedAgain()
{
    QString label;
    answerWhenShown(u"abc"_s, &label);
    QVERIFY(!tarnquil::meridianIntervalDialog(nullptr)(u"A → B"_s).has_value());
    QVERIFY2(label.contains(u"“abc”"_s), qPrintable(label));
}

QTEST_MAIN(MeridianIntervalDialogTest)
#include "meridian_interval_dialog_test.moc"
