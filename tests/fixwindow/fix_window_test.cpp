// SPDX-License-Identifier: GPL-3.0-or-later
// The fix window driven as a navigator drives it: observations typed into
// the table, a three-bearing fix with its cocked hat, a running fix by watch
// times, refusals shown where they are, 复制 pasted back into the other
// windows' readers, 加入航线, and a name on every control; and the rows'
// reading, row by row.
#include "fixwindow/fix_plot_view.h"
#include "fixwindow/fix_window.h"
#include "text/observation_rows.h"
#include "widgets/application_setup.h"
#include "widgets/refusal_mark.h"
#include "tests/alt_letters.h"

#include "geo/coordinate_text.h"
#include "geo/position_text.h"
#include "nav/display.h"

#include <QAbstractButton>
#include <QAction>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using tarnquil::FixWindow;
using tarnquil::ObservationColumn;
using tarnquil::ObservationRow;
using Kind = nav::ObservationKind;

Q_DECLARE_METATYPE(QList<ObservationRow>)
Q_DECLARE_METATYPE(std::vector<nav::Sighting>)

namespace {

// The three bearings of a cocked hat (the marks as 分 texts and as numbers).
const geo::GeoPoint markA{22.3, 113.95};
const geo::GeoPoint markB{22.18, 113.97};
const geo::GeoPoint markC{22.27, 113.8};
const QString textA = u"2218.0N 11357.0E"_s;
const QString textB = u"2210.8N 11358.2E"_s;
const QString textC = u"2216.2N 11348.0E"_s;

// Types each character into the widget with the focus, starting with
// `widget`: an ideograph as an input method commits it, a key with its text.
void typeInto(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : widget;
        QTest::sendKeyEvent(QTest::Press, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
        target = QApplication::focusWidget() ? QApplication::focusWidget() : widget;
        QTest::sendKeyEvent(QTest::Release, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

class Driver
{
public:
    Driver()
    {
        window_.setPrompt([this](const QString& message) { messages_ << message; });
        window_.document().setSaveQuestion([this](const QString& question) {
            questions_ << question;
            return saveChoice_;
        });
        window_.show();
        QApplication::setActiveWindow(&window_);
        QVERIFY(QTest::qWaitForWindowActive(&window_));
    }

    FixWindow& window() { return window_; }
    QTableView* table() { return window_.findChild<QTableView*>(u"observationTable"_s); }
    template <class Control = QWidget>
    Control* control(const QString& name) { return window_.findChild<Control*>(name); }
    QString fixText() { return control<QLineEdit>(u"fixEdit"_s)->text(); }
    QString figures() { return control<QPlainTextEdit>(u"figuresView"_s)->toPlainText(); }

    // Types a cell's text from the keyboard, as a navigator does: the
    // first key starts the edit, Enter commits it.
    void type(int row, ObservationColumn column, const QString& text)
    {
        table()->setFocus();
        table()->setCurrentIndex(window_.model().index(row, int(column)));
        typeInto(table(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        // The delegate commits what Enter ends in the next turn of the loop.
        QCoreApplication::processEvents();
    }
    void setKind(int row, Kind kind)
    {
        window_.model().setData(window_.model().index(row, int(ObservationColumn::Kind)), int(kind),
                                Qt::EditRole);
    }
    void setField(const QString& name, const QString& text)
    {
        QLineEdit* field = control<QLineEdit>(name);
        field->setFocus();
        field->selectAll();
        typeInto(field, text);
    }

    QStringList messages_;
    QStringList questions_;
    tarnquil::SaveChoice saveChoice_ = tarnquil::SaveChoice::Discard;

    // The three bearings of the cocked hat, typed; the fix they give.
    QString typeThreeBearings()
    {
        type(0, ObservationColumn::Mark, textA);
        type(0, ObservationColumn::Value, u"40.9"_s);
        type(1, ObservationColumn::Mark, textB);
        type(1, ObservationColumn::Value, u"135.0"_s);
        type(2, ObservationColumn::Mark, textC);
        type(2, ObservationColumn::Value, u"280.1"_s);
        return fixText();
    }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
        QCoreApplication::processEvents();
    }
    QStringList marks()
    {
        QStringList texts;
        for (const ObservationRow& row : window_.model().observationRows())
            texts << row.mark;
        return texts;
    }

private:
    FixWindow window_;
};

// The fix nav gives for the same sightings, as the window shows it.
QString expectedFix(const std::vector<nav::Sighting>& sightings, double compassError = 0)
{
    return QString::fromStdString(
        nav::formatPosition(nav::FixSolver().solve(sightings, compassError).position));
}

}  // namespace

class FixWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        tarnquil::prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    }

    void threeBearingsWithACockedHat();
    void tabGoesFromTheMarkToTheValue();
    void threeBearingsTypedWithKeysOnly();
    void formChangesNoMarkEntered();
    void everyEditIsUndone();
    void savedObservationsReopen();
    void currentBetweenTwoFixes();
    void closingAsksForUnsavedObservations();
    void keysGoToTheNextCellToFill_data();
    void keysGoToTheNextCellToFill();
    void theKindCarriesOverAndIsChangedByKeys();
    void theKindIsChosenByItsNumber_data();
    void theKindIsChosenByItsNumber();
    void switchedOffCellSaysSo_data();
    void switchedOffCellSaysSo();
    void runningFixByWatchTimes();
    void refusalsAreShownWhereTheyAre();
    void refusalIsReadToScreenReaders();
    void changedFixIsReadToScreenReaders();
    void noFixSaysWhy();
    void copiedFixPastesIntoBothWindows();
    void addToRouteSendsTheFix();
    void sentSightCrossesABearing();
    void plotZoomsFromTheKeyboard();
    void everyControlHasAName();
    void altLettersAreTheirOwn();
    void fitsTheScreen();
    void rowsRead_data();
    void rowsRead();
};

// Typed from the keyboard, the third row's Enter gives the least-squares
// fix, its cocked hat and the common compass error; the plot's text says
// the same.
// 3051.5N typed under 分 stays 30°51.5′N when 度 is chosen for what follows.
void FixWindowTest::formChangesNoMarkEntered()
{
    Driver driver;
    const QString fix = driver.typeThreeBearings();
    QVERIFY(!fix.isEmpty());
    driver.control<QAbstractButton>(u"degreesOption"_s)->click();
    QCOMPARE(driver.fixText(), fix);
    driver.control<QAbstractButton>(u"secondsOption"_s)->click();
    QCOMPARE(driver.fixText(), fix);
}

// Ctrl+A then Delete clears every cell in one step, Ctrl+Delete removes
// rows in one step, and Ctrl+Z brings each back.
void FixWindowTest::everyEditIsUndone()
{
    Driver driver;
    const QString fix = driver.typeThreeBearings();
    const QStringList marks = driver.marks();
    driver.table()->setFocus();
    driver.key(Qt::Key_A, Qt::ControlModifier);
    driver.key(Qt::Key_Delete);
    QCOMPARE(driver.fixText(), QString());
    QCOMPARE(driver.marks(), QStringList(3, QString()));
    driver.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(driver.marks(), marks);
    QCOMPARE(driver.fixText(), fix);
    driver.table()->selectionModel()->setCurrentIndex(
        driver.window().model().index(1, int(ObservationColumn::Mark)),
        QItemSelectionModel::ClearAndSelect);
    driver.key(Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(driver.marks(), (QStringList{textA, textC}));
    driver.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(driver.marks(), marks);
    QCOMPARE(driver.fixText(), fix);
    driver.window().findChild<QAction*>(u"redoAction"_s)->trigger();
    QCOMPARE(driver.marks(), (QStringList{textA, textC}));
}

// Saved, then opened in another window: the same marks in their forms, the
// settings and the fix.
void FixWindowTest::savedObservationsReopen()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"观测.csv"_s);
    QString fix;
    {
        Driver driver;
        driver.setField(u"compassErrorEdit"_s, u"-1.5"_s);
        fix = driver.typeThreeBearings();
        driver.control<QAbstractButton>(u"degreesOption"_s)->click();
        QVERIFY(driver.window().document().isModified());
        QVERIFY(driver.window().document().saveTo(path));
        QVERIFY(!driver.window().document().isModified());
        QVERIFY(driver.window().windowTitle().contains(u"观测.csv"_s));
    }
    Driver reopened;
    QVERIFY(reopened.window().document().openFile(path));
    QCOMPARE(reopened.fixText(), fix);
    QCOMPARE(reopened.control<QLineEdit>(u"compassErrorEdit"_s)->text(), u"-1.5"_s);
    QVERIFY(reopened.control<QAbstractButton>(u"degreesOption"_s)->isChecked());
    QVERIFY(!reopened.window().document().isModified());
    QVERIFY(!reopened.window().undoStack().canUndo());
}

// 求流: two fixes typed with their times give the current that set the
// ship between them (the figures as RhumbSolve gives them, in the text
// reading's test); 记入船位 moves the second fix to the first and asks for
// the new fix's time; all of it is saved and reopened, each fix in the form
// it was typed in.
void FixWindowTest::currentBetweenTwoFixes()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"求流.csv"_s);
    QString fix;
    {
        Driver driver;
        QVERIFY(!driver.control(u"currentBox"_s)->isVisible());
        driver.window().findChild<QAction*>(u"showCurrentAction"_s)->trigger();
        QCOMPARE(QApplication::focusWidget(), driver.control<QWidget>(u"firstFixEdit"_s));
        driver.control<QAbstractButton>(u"degreesOption"_s)->click();
        driver.setField(u"firstFixEdit"_s, u"30.0N 122.0E"_s);
        driver.control<QAbstractButton>(u"minutesOption"_s)->click();
        driver.setField(u"firstTimeEdit"_s, u"2026-12-08 08:00 +8"_s);
        driver.setField(u"secondFixEdit"_s, u"2954N 12248E"_s);
        driver.setField(u"secondTimeEdit"_s, u"2026-12-08 12:00 +8"_s);
        auto* current = driver.control<QLineEdit>(u"currentEdit"_s);
        QVERIFY2(current->text().contains(u"输入航向和航速"_s), qPrintable(current->text()));
        driver.setField(u"courseEdit"_s, u"090"_s);
        driver.setField(u"speedEdit"_s, u"10"_s);
        driver.setField(u"leewayEdit"_s, u"+3"_s);
        driver.setField(u"logCorrectionEdit"_s, u"-2"_s);
        QVERIFY2(current->text().startsWith(u"流向 147.1°，流速 1.2 节"_s), qPrintable(current->text()));

        auto* record = driver.control<QAbstractButton>(u"recordFixButton"_s);
        QVERIFY(!record->isEnabled());
        fix = driver.typeThreeBearings();
        QVERIFY(record->isEnabled());
        driver.key(Qt::Key_J, Qt::ControlModifier);  // from the table, where the fix was typed
        QCOMPARE(driver.control<QLineEdit>(u"firstFixEdit"_s)->text(), u"2954N 12248E"_s);
        QCOMPARE(driver.control<QLineEdit>(u"firstTimeEdit"_s)->text(), u"2026-12-08 12:00 +8"_s);
        QCOMPARE(driver.control<QLineEdit>(u"secondFixEdit"_s)->text(), fix);
        QCOMPARE(driver.control<QLineEdit>(u"secondTimeEdit"_s)->text(), QString());
        QCOMPARE(QApplication::focusWidget(), driver.control<QWidget>(u"secondTimeEdit"_s));
        QVERIFY2(current->text().contains(u"第二船位和定位的时间"_s), qPrintable(current->text()));
        // Back to the fixes typed, to be saved.
        driver.control<QAbstractButton>(u"degreesOption"_s)->click();
        driver.setField(u"firstFixEdit"_s, u"30.0N 122.0E"_s);
        driver.control<QAbstractButton>(u"minutesOption"_s)->click();
        driver.setField(u"firstTimeEdit"_s, u"2026-12-08 08:00 +8"_s);
        driver.setField(u"secondFixEdit"_s, u"2954N 12248E"_s);
        driver.setField(u"secondTimeEdit"_s, u"2026-12-08 12:00 +8"_s);
        QVERIFY(driver.window().document().saveTo(path));
        // The fix typed in degrees is not read again in minutes.
        QVERIFY2(current->text().startsWith(u"流向"_s), qPrintable(current->text()));
    }
    Driver reopened;
    QVERIFY(reopened.window().document().openFile(path));
    QVERIFY(reopened.control(u"currentBox"_s)->isVisible());
    QCOMPARE(reopened.control<QLineEdit>(u"firstFixEdit"_s)->text(), u"30.0N 122.0E"_s);
    QCOMPARE(reopened.control<QLineEdit>(u"leewayEdit"_s)->text(), u"+3"_s);
    QVERIFY2(reopened.control<QLineEdit>(u"currentEdit"_s)->text().startsWith(u"流向 147.1°，流速 1.2 节"_s),
             qPrintable(reopened.control<QLineEdit>(u"currentEdit"_s)->text()));
    QCOMPARE(reopened.fixText(), fix);
    QVERIFY(!reopened.window().document().isModified());
}

void FixWindowTest::closingAsksForUnsavedObservations()
{
    Driver driver;
    QVERIFY(driver.window().close());  // nothing entered: no question
    QVERIFY(driver.questions_.isEmpty());
    driver.window().show();
    QApplication::setActiveWindow(&driver.window());
    QVERIFY(QTest::qWaitForWindowActive(&driver.window()));
    driver.typeThreeBearings();
    driver.saveChoice_ = tarnquil::SaveChoice::Cancel;
    QVERIFY(!driver.window().close());
    QCOMPARE(driver.questions_.size(), 1);
    QVERIFY(driver.questions_.front().contains(u"是否保存"_s));
    QVERIFY(driver.window().isVisible());
    driver.saveChoice_ = tarnquil::SaveChoice::Discard;
    QVERIFY(driver.window().close());
}

void FixWindowTest::threeBearingsWithACockedHat()
{
    Driver driver;
    driver.type(0, ObservationColumn::Mark, u"青洲 "_s + textA);
    driver.type(0, ObservationColumn::Value, u"40.93533205044109"_s);
    driver.type(1, ObservationColumn::Mark, textB);
    driver.type(1, ObservationColumn::Value, u"135.029576715846"_s);
    driver.type(2, ObservationColumn::Mark, textC);
    QVERIFY(driver.fixText().isEmpty());
    driver.type(2, ObservationColumn::Value, u"280.14542947709924"_s);
    const std::vector<nav::Sighting> sightings{nav::bearingObservation(markA, 40.93533205044109),
                                               nav::bearingObservation(markB, 135.029576715846),
                                               nav::bearingObservation(markC, 280.14542947709924)};
    QCOMPARE(driver.fixText(), expectedFix(sightings));
    const QString figures = driver.figures();
    QVERIFY2(figures.contains(u"误差三角形：(1,2) "_s), qPrintable(figures));
    QVERIFY2(figures.contains(u"系统误差：已输入罗经差之外剩余 +2.0°，总罗经差 +2.0°，船位 22°15.00′N 113°54.00′E"_s),
             qPrintable(figures));
    QVERIFY2(figures.contains(u"物标 青洲（22°18.00′N 113°57.00′E）"_s), qPrintable(figures));
    const auto* plot = driver.control<tarnquil::FixPlotView>(u"plotView"_s);
    QVERIFY(plot->accessibleDescription().contains(driver.fixText()));
    QVERIFY(plot->accessibleDescription().contains(u"误差三角形"_s));
    QVERIFY(plot->drawing().fix.has_value());
    QCOMPARE(plot->drawing().fix->cockedHat.has_value(), true);
    QVERIFY(driver.control<QAbstractButton>(u"copyButton"_s)->isEnabled());
    // Entered, the error is no longer offered to be applied again.
    driver.setField(u"compassErrorEdit"_s, u"2"_s);
    QVERIFY2(driver.figures().contains(u"系统误差：已输入罗经差之外剩余 0.0°，总罗经差 +2.0°"_s),
             qPrintable(driver.figures()));
}

// Tab from a bearing's mark leads to its value, passing the second mark only
// a horizontal angle has; on an angle's row it stops there.
void FixWindowTest::tabGoesFromTheMarkToTheValue()
{
    Driver driver;
    QTableView* table = driver.table();
    const auto& model = driver.window().model();
    // Typing opens the cell's editor; Tab commits it and moves on.
    const auto typeMarkAndTab = [&](int row) {
        table->setFocus();
        table->setCurrentIndex(model.index(row, int(ObservationColumn::Mark)));
        typeInto(table, textA);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCoreApplication::processEvents();
    };
    typeMarkAndTab(0);
    QCOMPARE(table->currentIndex(), model.index(0, int(ObservationColumn::Value)));
    driver.setKind(1, Kind::HorizontalAngle);
    typeMarkAndTab(1);
    QCOMPARE(table->currentIndex(), model.index(1, int(ObservationColumn::Mark2)));
}

// A three-bearing fix typed as a navigator types it, from the cell the
// window starts in and with keys only: mark, Enter, value, Enter, Enter past
// the empty 时间或航程, and the next mark.
void FixWindowTest::threeBearingsTypedWithKeysOnly()
{
    Driver driver;
    const QStringList keys{u"3000.0N 12200.0E"_s, u"45"_s, {}, u"2952.0N 12206.0E"_s, u"120"_s, {},
                           u"3003.0N 12206.0E"_s, u"10"_s};
    for (const QString& text : keys) {
        typeInto(driver.table(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    const std::vector<nav::Sighting> sightings{nav::bearingObservation({30.0, 122.0}, 45),
                                               nav::bearingObservation({29.0 + 52.0 / 60, 122.1}, 120),
                                               nav::bearingObservation({30.05, 122.1}, 10)};
    QCOMPARE(driver.fixText(), expectedFix(sightings));
    QCOMPARE(driver.window().model().observationRows().size(), 3);
}

// Where Enter, Tab, Shift+Tab and Home lead from a cell of the table with
// one bearing typed (row 0) and the empty row after it (row 1); column -1
// is out of the table.
void FixWindowTest::keysGoToTheNextCellToFill_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("toRow");
    QTest::addColumn<int>("toColumn");

    const int value = int(ObservationColumn::Value);
    const int when = int(ObservationColumn::When);
    const int mark = int(ObservationColumn::Mark);
    QTest::newRow("Enter from the value goes to the time, not stays")
        << 0 << value << int(Qt::Key_Return) << 0 << 0 << when;
    QTest::newRow("Tab from the value stays in the table")
        << 0 << value << int(Qt::Key_Tab) << 0 << 0 << when;
    QTest::newRow("Enter from the time goes to the next mark, past the kind")
        << 0 << when << int(Qt::Key_Return) << 0 << 1 << mark;
    QTest::newRow("Tab from the time goes to the next mark, past the kind")
        << 0 << when << int(Qt::Key_Tab) << 0 << 1 << mark;
    QTest::newRow("Shift+Tab from a mark goes back to the row before's time")
        << 1 << mark << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << 0 << when;
    QTest::newRow("Home goes to the row's mark") << 1 << when << int(Qt::Key_Home) << 0 << 1 << mark;
    QTest::newRow("Tab past the last cell leaves the table")
        << 1 << when << int(Qt::Key_Tab) << 0 << -1 << -1;
}

void FixWindowTest::keysGoToTheNextCellToFill()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, toRow);
    QFETCH(int, toColumn);
    Driver driver;
    driver.type(0, ObservationColumn::Mark, textA);
    QTableView* table = driver.table();
    table->setFocus();
    table->setCurrentIndex(driver.window().model().index(row, column));
    QTest::keyClick(table, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCoreApplication::processEvents();
    if (toColumn < 0) {
        QVERIFY(!table->hasFocus());
        return;
    }
    QVERIFY(table->hasFocus());
    QCOMPARE(table->currentIndex(), driver.window().model().index(toRow, toColumn));
}

// A series of ranges is typed without choosing the kind on every row: the
// next row is of the kind of the row before. The kind is reached with the
// arrow keys and chosen from its list with F2, the arrows and Enter, which
// goes on to the mark.
void FixWindowTest::theKindCarriesOverAndIsChangedByKeys()
{
    Driver driver;
    QTableView* table = driver.table();
    const auto& model = driver.window().model();
    table->setFocus();
    table->setCurrentIndex(model.index(0, int(ObservationColumn::Mark)));
    QTest::keyClick(table, Qt::Key_Left);
    QCOMPARE(table->currentIndex(), model.index(0, int(ObservationColumn::Kind)));
    QTest::keyClick(table, Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(model.index(0, int(ObservationColumn::Kind)).data(Qt::EditRole).toInt(), int(Kind::Range));
    QCOMPARE(table->currentIndex(), model.index(0, int(ObservationColumn::Mark)));
    driver.type(0, ObservationColumn::Mark, textA);
    QCOMPARE(model.index(1, int(ObservationColumn::Kind)).data(Qt::EditRole).toInt(), int(Kind::Range));
}

// The 类型 cell takes the number of a kind in its list (方位, 距离, 水平角)
// as typed, without opening the list; the next row carries the kind over.
void FixWindowTest::theKindIsChosenByItsNumber_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("kind");

    QTest::newRow("1: 方位") << int(Qt::Key_1) << int(Kind::Bearing);
    QTest::newRow("2: 距离") << int(Qt::Key_2) << int(Kind::Range);
    QTest::newRow("3: 水平角") << int(Qt::Key_3) << int(Kind::HorizontalAngle);
    QTest::newRow("4: 天体高度") << int(Qt::Key_4) << int(Kind::Altitude);
    QTest::newRow("5: no such kind, 方位 stays") << int(Qt::Key_5) << int(Kind::Bearing);
}

void FixWindowTest::theKindIsChosenByItsNumber()
{
    QFETCH(int, key);
    QFETCH(int, kind);
    Driver driver;
    QTableView* table = driver.table();
    const auto& model = driver.window().model();
    table->setFocus();
    table->setCurrentIndex(model.index(0, int(ObservationColumn::Mark)));
    QTest::keyClick(table, Qt::Key_Left);
    QTest::keyClick(table, Qt::Key(key));
    QCoreApplication::processEvents();
    QCOMPARE(model.index(0, int(ObservationColumn::Kind)).data(Qt::EditRole).toInt(), kind);
    QCOMPARE(QApplication::focusWidget(), table);
    QCOMPARE(table->currentIndex(), model.index(0, int(ObservationColumn::Kind)));
    QTest::keyClick(table, Qt::Key_Right);
    driver.type(0, ObservationColumn::Mark, textA);
    QCOMPARE(model.index(1, int(ObservationColumn::Kind)).data(Qt::EditRole).toInt(), kind);
}

// Qt gives a screen reader every cell as enabled, whatever the model's
// flags: the second mark's cell of a row that is no horizontal angle says
// in words that it is not used.
void FixWindowTest::switchedOffCellSaysSo_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("off");

    QTest::newRow("a bearing: off") << int(Kind::Bearing) << true;
    QTest::newRow("a range: off") << int(Kind::Range) << true;
    QTest::newRow("a horizontal angle: on") << int(Kind::HorizontalAngle) << false;
}

void FixWindowTest::switchedOffCellSaysSo()
{
    QFETCH(int, kind);
    QFETCH(bool, off);
    Driver driver;
    driver.setKind(0, Kind(kind));
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(driver.table());
    QVERIFY(table != nullptr && table->tableInterface() != nullptr);
    QAccessibleInterface* cell = table->tableInterface()->cellAt(0, int(ObservationColumn::Mark2));
    QVERIFY(cell != nullptr);
    const QString description = cell->text(QAccessible::Description);
    QCOMPARE(description.contains(u"不适用"_s), off);
    QCOMPARE(cell->state().focusable, !off);
}

// Two bearings of one mark half an hour apart at 12 knots on 070: a run of
// 6 n mile between them. At 30° and 60° on the bow, the mark is as far at
// the second bearing as the ship ran (doubling the angle on the bow).
void FixWindowTest::runningFixByWatchTimes()
{
    Driver driver;
    driver.setField(u"courseEdit"_s, u"070"_s);
    driver.setField(u"speedEdit"_s, u"12"_s);
    driver.type(0, ObservationColumn::Mark, u"A 3606.0N 12036.0E"_s);
    driver.type(0, ObservationColumn::Value, u"40"_s);
    driver.type(0, ObservationColumn::When, u"09:00"_s);
    driver.type(1, ObservationColumn::Mark, u"A"_s);
    driver.type(1, ObservationColumn::Value, u"10"_s);
    driver.type(1, ObservationColumn::When, u"09:30"_s);
    const geo::GeoPoint mark{36.1, 120.6};
    const nav::Fix fix = nav::FixSolver().solve(
        {nav::bearingObservation(mark, 40), nav::Run{70, 6}, nav::bearingObservation(mark, 10)});
    QCOMPARE(driver.fixText(), QString::fromStdString(nav::formatPosition(fix.position)));
    QVERIFY2(driver.figures().contains(u"方位 010.0°，距离 6.0 海里"_s), qPrintable(driver.figures()));
    // The transferred line is drawn beside the line as observed.
    const nav::FixPlot plot = tarnquil::plotFor(
        driver.control<tarnquil::FixPlotView>(u"plotView"_s)->drawing(), QSizeF(400, 400));
    QCOMPARE(std::count_if(plot.lines.begin(), plot.lines.end(),
                           [](const nav::PlottedLine& line) { return line.transferred; }),
             1);
    QCOMPARE(plot.track.size(), std::size_t(2));
}

// A refused cell is marked as the route window marks one: the same tint,
// the icon beside its text, so that colour is not all that tells, and the
// reason is what a screen reader reads as the cell's description.
void FixWindowTest::refusalIsReadToScreenReaders()
{
    Driver driver;
    driver.type(0, ObservationColumn::Mark, textA);
    driver.type(0, ObservationColumn::Value, u"400"_s);
    const QString why = tarnquil::fixValueRefusal(nav::Quantity::Bearing, u"400"_s,
                                                  tarnquil::Verdict::OutOfRange);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(driver.table());
    QVERIFY(table != nullptr && table->tableInterface() != nullptr);
    const auto description = [&](ObservationColumn column) {
        QAccessibleInterface* cell = table->tableInterface()->cellAt(0, int(column));
        return cell != nullptr ? cell->text(QAccessible::Description) : u"(no cell)"_s;
    };
    QCOMPARE(description(ObservationColumn::Value), why);
    QCOMPARE(description(ObservationColumn::Mark), QString());
    const QModelIndex value = driver.window().model().index(0, int(ObservationColumn::Value));
    QCOMPARE(value.data(Qt::BackgroundRole).value<QColor>(), tarnquil::refusalTint);
    QVERIFY(!value.data(Qt::DecorationRole).value<QIcon>().isNull());
    driver.type(0, ObservationColumn::Value, u"40"_s);
    QCOMPARE(description(ObservationColumn::Value), QString());
    QVERIFY(!value.data(Qt::DecorationRole).isValid());
}

// A fix found, and each change of it, is said in the status bar, whose
// label and description screen readers read (widgets/status_line.h),
// while the focus stays in the table being typed in.
void FixWindowTest::changedFixIsReadToScreenReaders()
{
    Driver driver;
    QStatusBar* bar = driver.window().statusBar();
    auto* label = bar->findChild<QLabel*>(u"statusMessage"_s);
    QVERIFY(label != nullptr);
    QStringList told;
    connect(bar, &QStatusBar::messageChanged, bar,
            [&told](const QString& message) { told << message; });
    driver.type(0, ObservationColumn::Mark, textA);
    driver.type(0, ObservationColumn::Value, u"40.9"_s);
    driver.type(1, ObservationColumn::Mark, textB);
    driver.type(1, ObservationColumn::Value, u"135.0"_s);
    const QString first = driver.fixText();
    driver.type(1, ObservationColumn::Value, u"136.0"_s);
    const QString second = driver.fixText();
    QVERIFY(!first.isEmpty() && second != first);
    QVERIFY2(told.contains(u"船位："_s + first), qPrintable(told.join(u" | "_s)));
    QCOMPARE(label->text(), u"船位："_s + second);
    QCOMPARE(bar->accessibleDescription(), u"船位："_s + second);
    QVERIFY(QApplication::focusWidget() == driver.table()
            || driver.table()->isAncestorOf(QApplication::focusWidget()));
}

// A value out of range is tinted, says why in its tooltip and the status
// bar, and no fix is shown from the other rows; mending it gives the fix.
void FixWindowTest::refusalsAreShownWhereTheyAre()
{
    Driver driver;
    driver.type(0, ObservationColumn::Mark, textA);
    driver.type(0, ObservationColumn::Value, u"400"_s);
    driver.type(1, ObservationColumn::Mark, textB);
    driver.type(1, ObservationColumn::Value, u"135"_s);
    const QModelIndex value = driver.window().model().index(0, int(ObservationColumn::Value));
    const QString why = tarnquil::fixValueRefusal(nav::Quantity::Bearing, u"400"_s,
                                                  tarnquil::Verdict::OutOfRange);
    QCOMPARE(value.data(Qt::ToolTipRole).toString(), why);
    QVERIFY(value.data(Qt::BackgroundRole).isValid());
    QVERIFY(!driver.window().model().index(1, int(ObservationColumn::Value))
                 .data(Qt::BackgroundRole).isValid());
    QVERIFY(driver.fixText().isEmpty());
    QCOMPARE(driver.window().statusBar()->currentMessage(), u"第 1 行："_s + why);
    QVERIFY(!driver.control<QAbstractButton>(u"copyButton"_s)->isEnabled());
    driver.type(0, ObservationColumn::Value, u"40"_s);
    QVERIFY(!value.data(Qt::BackgroundRole).isValid());
    QVERIFY(!driver.fixText().isEmpty());
}

void FixWindowTest::noFixSaysWhy()
{
    Driver driver;
    driver.type(0, ObservationColumn::Mark, textA);
    driver.type(0, ObservationColumn::Value, u"45"_s);
    driver.type(1, ObservationColumn::Mark, u"2218.0N 11400.0E"_s);
    driver.type(1, ObservationColumn::Value, u"45"_s);
    QVERIFY(driver.fixText().isEmpty());
    QCOMPARE(driver.figures(), tarnquil::noFixMessage(nav::NoFixReason::ParallelBearings));
    QCOMPARE(driver.figures(), u"两方位线平行，无交点。"_s);
}

// 复制 puts the fix on the clipboard as one whole position: the calculator
// splits it into its two fields, each of which reads its half; the route
// window reads a line without a tab that is a whole position the same way;
// both to within 0.005′ of the fix.
void FixWindowTest::copiedFixPastesIntoBothWindows()
{
    Driver driver;
    driver.type(0, ObservationColumn::Mark, u"3000.0N 12200.0E"_s);
    driver.type(0, ObservationColumn::Value, u"45"_s);
    driver.type(1, ObservationColumn::Mark, u"2952.0N 12206.0E"_s);
    driver.type(1, ObservationColumn::Value, u"120"_s);
    QGuiApplication::clipboard()->clear();
    driver.control<QAbstractButton>(u"copyButton"_s)->click();
    const QString pasted = QGuiApplication::clipboard()->text();
    QCOMPARE(pasted, driver.fixText());
    const geo::GeoPoint fix = driver.window().fix()->position;
    const std::optional<geo::PositionParts> parts = geo::splitPosition(pasted.toStdString());
    QVERIFY(parts);
    for (const geo::EntryMode mode : {geo::EntryMode::Minutes, geo::EntryMode::Seconds}) {
        QVERIFY(std::fabs(geo::readCoordinate(parts->latitude, mode, geo::Axis::Latitude) -
                          fix.latitude) < 0.005 / 60);
        QVERIFY(std::fabs(geo::readCoordinate(parts->longitude, mode, geo::Axis::Longitude) -
                          fix.longitude) < 0.005 / 60);
    }
    const geo::GeoPoint route = geo::readPosition(pasted.toStdString(), geo::NumberForm::Degrees).position;
    QVERIFY(std::fabs(route.latitude - fix.latitude) < 0.005 / 60);
    QVERIFY(std::fabs(route.longitude - fix.longitude) < 0.005 / 60);
}

// The waypoint sent is named after the last watch time and reads back as
// the fix.
void FixWindowTest::addToRouteSendsTheFix()
{
    Driver driver;
    QSignalSpy sent(&driver.window(), &FixWindow::addToRouteRequested);
    driver.type(0, ObservationColumn::Mark, u"3000.0N 12200.0E"_s);
    driver.type(0, ObservationColumn::Value, u"45"_s);
    driver.type(1, ObservationColumn::Mark, u"2952.0N 12206.0E"_s);
    driver.type(1, ObservationColumn::Value, u"120"_s);
    driver.control<QAbstractButton>(u"addToRouteButton"_s)->click();
    QCOMPARE(sent.size(), 1);
    const auto waypoint = sent.front().front().value<tarnquil::WaypointText>();
    QCOMPARE(waypoint.name, u"船位"_s);
    QCOMPARE(waypoint.latitude + u' ' + waypoint.longitude, driver.fixText());
}

// The noon sun from the celestial window crossed with the bearing of a mark
// due north: the bearing puts the ship on the mark's meridian, and the sun
// line, whose Hs was chosen for an intercept of 0.0 n mile at the DR
// (tarnquil --sight 太阳 "2026-12-08 11:44 +8" 36°50′ --at "30°10.2′N
// 122°05.3′E" --height 15 --index-correction -1.5: 10.6 海里 背), through
// the DR's latitude. One undo step takes the row back; a sight corrected
// otherwise than the window's rows is refused, nothing changed.
void FixWindowTest::sentSightCrossesABearing()
{
    Driver driver;
    driver.type(0, ObservationColumn::Mark, u"3040.0N 12205.3E"_s);
    driver.type(0, ObservationColumn::Value, u"000"_s);
    tarnquil::SentSight sight;
    sight.row = {u"太阳"_s, {}, u"2026-12-08 11:44 +8"_s, u"37°00.6′"_s};
    sight.position = u"30°10.2′N 122°05.3′E"_s;
    sight.heightOfEye = u"15"_s;
    sight.indexCorrection = u"-1.5"_s;
    QCOMPARE(driver.window().takeSight(sight), QString());
    QCOMPARE(driver.window().model().observationRows().size(), 2);
    QCOMPARE(driver.control<QLineEdit>(u"heightOfEyeEdit"_s)->text(), u"15"_s);
    QCOMPARE(driver.control<QLineEdit>(u"nearEdit"_s)->text(), sight.position);
    QVERIFY2(driver.fixText().endsWith(u"122°05.30′E"_s), qPrintable(driver.fixText() + driver.figures()));
    const double latitude =
        geo::readPosition(driver.fixText().toStdString(), geo::NumberForm::Minutes).position.latitude;
    QVERIFY2(std::abs(latitude - (30 + 10.2 / 60)) < 0.1 / 60, qPrintable(driver.fixText()));
    QCOMPARE(driver.table()->currentIndex().row(), 1);

    sight.heightOfEye = u"12"_s;
    const QString refusal = driver.window().takeSight(sight);
    QVERIFY2(refusal.startsWith(u"陆标定位的眼高为“15”，此观测的为“12”"_s), qPrintable(refusal));
    QCOMPARE(driver.window().model().observationRows().size(), 2);

    driver.window().undoStack().undo();
    QCOMPARE(driver.window().model().observationRows().size(), 1);
}

// + and - zoom the plot when it has the focus (F6), 0 shows it whole.
void FixWindowTest::plotZoomsFromTheKeyboard()
{
    Driver driver;
    driver.type(0, ObservationColumn::Mark, u"3000.0N 12200.0E"_s);
    driver.type(0, ObservationColumn::Value, u"45"_s);
    driver.type(1, ObservationColumn::Mark, u"2952.0N 12206.0E"_s);
    driver.type(1, ObservationColumn::Value, u"120"_s);
    auto* plot = driver.control<tarnquil::FixPlotView>(u"plotView"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), plot);
    QTest::keyClick(plot, Qt::Key_Plus);
    QTest::keyClick(plot, Qt::Key_Plus);
    QCOMPARE(plot->drawing().zoom, 4.0);
    QTest::keyClick(plot, Qt::Key_Minus);
    QCOMPARE(plot->drawing().zoom, 2.0);
    QTest::keyClick(plot, Qt::Key_0);
    QCOMPARE(plot->drawing().zoom, 1.0);
}

void FixWindowTest::everyControlHasAName()
{
    Driver driver;
    QStringList unnamed;
    for (QWidget* widget : driver.window().findChildren<QWidget*>()) {
        const bool control = widget->focusPolicy() != Qt::NoFocus ||
                             qobject_cast<QMenu*>(widget) != nullptr ||
                             qobject_cast<QMenuBar*>(widget) != nullptr;
        if (!control || widget->parentWidget() == driver.table()->viewport())
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (accessible == nullptr || accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << widget->objectName() + u" ("_s + widget->metaObject()->className() + u')';
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", "_s)));
}

namespace {

ObservationRow row(Kind kind, const QString& mark, const QString& value, const QString& when = {},
                   const QString& mark2 = {})
{
    return {kind, mark, mark2, value, when, {}};
}

}  // namespace

// Rows as typed, the settings, and what they read as: the sightings in
// order, or the first refusal's row, column and message.
// Each Alt letter reaches one control or menu.
void FixWindowTest::altLettersAreTheirOwn()
{
    Driver driver;
    const QStringList repeated = testing_alt_letters::repeatedAltLetters(&driver.window());
    QVERIFY2(repeated.isEmpty(), qPrintable(repeated.join(QStringLiteral("; "))));
}

// The window fits the screen, the table shows its header and five rows,
// the fix shows, every panel shows whole or scrolls, and every control Tab
// reaches comes into view: also as ctest's small_screen runs it, at 200 %
// on a 1024 by 768 screen.
void FixWindowTest::fitsTheScreen()
{
    Driver driver;
    driver.window().model().setObservationRows(
        {row(Kind::Bearing, textA, u"40.9"_s), row(Kind::Bearing, textB, u"135.0"_s),
         row(Kind::Bearing, textC, u"280.1"_s)});
    QCoreApplication::processEvents();
    FixWindow& window = driver.window();
    const QRect screen = window.screen()->availableGeometry();
    QVERIFY2(screen.contains(window.frameGeometry()) && window.height() < screen.height(),
             qPrintable(u"%1x%2 on %3x%4"_s.arg(window.width()).arg(window.height())
                            .arg(screen.width()).arg(screen.height())));
    QTableView* table = driver.table();
    QVERIFY(table->horizontalHeader()->isVisible() && table->horizontalHeader()->height() > 0);
    const int rowHeight = table->verticalHeader()->defaultSectionSize();
    QVERIFY2(table->viewport()->height() >= 5 * rowHeight,
             qPrintable(QString::number(table->viewport()->height())));
    // The fix in view, however low its panel.
    auto* fix = driver.control<QLineEdit>(u"fixEdit"_s);
    QVERIFY(!fix->text().isEmpty());
    QCOMPARE(fix->visibleRegion().boundingRect().height(), fix->height());

    for (const QString& name : {u"settingsBox"_s, u"resultBox"_s}) {
        auto* panel = window.findChild<QGroupBox*>(name);
        const QSize needed = panel->minimumSizeHint();
        QVERIFY2(panel->width() >= needed.width() && panel->height() >= needed.height(),
                 qPrintable(name));
        QScrollArea* area = nullptr;
        for (QWidget* parent = panel->parentWidget(); parent != nullptr && area == nullptr;
             parent = parent->parentWidget())
            area = qobject_cast<QScrollArea*>(parent);
        const bool whole = panel->visibleRegion().boundingRect().size() == panel->size();
        QVERIFY2(whole || (area != nullptr && (area->horizontalScrollBar()->isVisible()
                                               || area->verticalScrollBar()->isVisible())),
                 qPrintable(name + u" cut off"_s));
    }

    // Tab goes round every control once, and each comes into view.
    driver.control(u"modelCombo"_s)->setFocus(Qt::TabFocusReason);
    QWidget* first = QApplication::focusWidget();
    QStringList hidden;
    for (int stops = 0; stops < 60; ++stops) {
        QWidget* current = QApplication::focusWidget();
        QCoreApplication::processEvents();
        if (current->visibleRegion().isEmpty())
            hidden << current->objectName();
        QTest::keyClick(current, Qt::Key_Tab);
        if (QApplication::focusWidget() == first)
            break;
    }
    QCOMPARE(QApplication::focusWidget(), first);
    QVERIFY2(hidden.isEmpty(), qPrintable(hidden.join(u", "_s)));
}

void FixWindowTest::rowsRead_data()
{
    QTest::addColumn<QList<ObservationRow>>("rows");
    QTest::addColumn<double>("speed");  // knots on 090 for the runs by watch times; 0: none set
    QTest::addColumn<std::vector<nav::Sighting>>("sightings");
    QTest::addColumn<int>("refusedRow");
    QTest::addColumn<int>("refusedColumn");
    QTest::addColumn<QString>("message");

    const geo::GeoPoint a{30, 122};
    const geo::GeoPoint b{29.9, 122.1};
    const QString textOfA = u"3000N 12200E"_s;
    const QString textOfB = u"2954N 12206E"_s;
    const auto none = QString();
    const int value = int(ObservationColumn::Value);
    const int when = int(ObservationColumn::When);
    const int mark = int(ObservationColumn::Mark);

    QTest::newRow("a name stands for its mark in another row, before or after")
        << QList{row(Kind::Range, u"B"_s, u"3"_s), row(Kind::Bearing, u"B "_s + textOfB, u"45"_s)}
        << 0.0
        << std::vector<nav::Sighting>{nav::rangeObservation(b, 3), nav::bearingObservation(b, 45)}
        << -1 << -1 << none;
    QTest::newRow("empty rows are skipped; a run as course/distance")
        << QList{row(Kind::Bearing, textOfA, u"10"_s), ObservationRow{},
                 row(Kind::Bearing, textOfA, u"80"_s, u"090/3.5"_s)}
        << 0.0
        << std::vector<nav::Sighting>{nav::bearingObservation(a, 10), nav::Run{90, 3.5},
                                      nav::bearingObservation(a, 80)}
        << -1 << -1 << none;
    QTest::newRow("a horizontal angle from 物标 to 物标2")
        << QList{row(Kind::HorizontalAngle, textOfA, u"75.5"_s, none, textOfB)} << 0.0
        << std::vector<nav::Sighting>{nav::angleObservation(a, b, 75.5)} << -1 << -1 << none;
    QTest::newRow("watch times across midnight: 20 minutes at 12 knots")
        << QList{row(Kind::Bearing, textOfA, u"10"_s, u"23:50"_s),
                 row(Kind::Bearing, textOfA, u"80"_s, u"0:10"_s)}
        << 12.0
        << std::vector<nav::Sighting>{nav::bearingObservation(a, 10), nav::Run{90, 4},
                                      nav::bearingObservation(a, 80)}
        << -1 << -1 << none;
    QTest::newRow("watch times without a course and speed")
        << QList{row(Kind::Bearing, textOfA, u"10"_s, u"09:00"_s),
                 row(Kind::Bearing, textOfA, u"80"_s, u"09:30"_s)}
        << 0.0 << std::vector<nav::Sighting>{} << 1 << when
        << u"按时间推算航程需要航向和航速：请在设定中填写。"_s;
    QTest::newRow("a watch time after a row without one")
        << QList{row(Kind::Bearing, textOfA, u"10"_s), row(Kind::Bearing, textOfA, u"80"_s, u"09:30"_s)}
        << 12.0 << std::vector<nav::Sighting>{} << 1 << when
        << u"上一观测没有时间，算不出这段航程：请给上一观测也写上时间，或写航向/航程。"_s;
    QTest::newRow("a name without a position anywhere")
        << QList{row(Kind::Bearing, u"灯塔"_s, u"10"_s)} << 0.0 << std::vector<nav::Sighting>{}
        << 0 << mark
        << u"物标“灯塔”没有位置：请写作名称加位置，如 花鸟山 3051.5N 12240.0E，或在另一行给出它的位置。"_s;
    QTest::newRow("a range beyond sight")
        << QList{row(Kind::Range, textOfA, u"120"_s)} << 0.0 << std::vector<nav::Sighting>{}
        << 0 << value
        << tarnquil::fixValueRefusal(nav::Quantity::Range, u"120"_s, tarnquil::Verdict::OutOfRange);
    QTest::newRow("a bearing with a degree sign, a range in nm")
        << QList{row(Kind::Bearing, textOfA, u"45°"_s), row(Kind::Range, textOfB, u"3.5nm"_s)}
        << 0.0
        << std::vector<nav::Sighting>{nav::bearingObservation(a, 45), nav::rangeObservation(b, 3.5)}
        << -1 << -1 << none;
    QTest::newRow("a bearing in n mile")
        << QList{row(Kind::Bearing, textOfA, u"45nm"_s)} << 0.0 << std::vector<nav::Sighting>{}
        << 0 << value
        << tarnquil::fixValueRefusal(nav::Quantity::Bearing, u"45nm"_s, tarnquil::Verdict::Unreadable);
    // At a million knots, 23 hours 50 minutes run farther than any run may.
    QTest::newRow("watch times giving a run beyond the longest")
        << QList{row(Kind::Bearing, textOfA, u"10"_s, u"00:00"_s),
                 row(Kind::Bearing, textOfA, u"80"_s, u"23:50"_s)}
        << 1e6 << std::vector<nav::Sighting>{} << 1 << when
        << u"按航速推算的这段航程超出范围：应在 0 到 1000000 海里之间，请检查航速和观测时间。"_s;
    QTest::newRow("a run's course beyond the compass")
        << QList{row(Kind::Bearing, textOfA, u"10"_s), row(Kind::Bearing, textOfA, u"80"_s, u"400/3"_s)}
        << 0.0 << std::vector<nav::Sighting>{} << 1 << when
        << tarnquil::courseRefusal(u"400"_s, tarnquil::Verdict::OutOfRange);
}

void FixWindowTest::rowsRead()
{
    QFETCH(QList<ObservationRow>, rows);
    QFETCH(double, speed);
    QFETCH(std::vector<nav::Sighting>, sightings);
    QFETCH(int, refusedRow);
    QFETCH(int, refusedColumn);
    QFETCH(QString, message);
    tarnquil::RowSettings settings;
    if (speed > 0) {
        settings.course = 90;
        settings.speed = speed;
    }
    const tarnquil::ReadRows read = tarnquil::readObservationRows(rows, settings);
    if (refusedRow >= 0) {
        QVERIFY(!read.refusals.isEmpty());
        QCOMPARE(read.refusals.front().row, refusedRow);
        QCOMPARE(int(read.refusals.front().column), refusedColumn);
        QCOMPARE(read.refusals.front().message, message);
        return;
    }
    QVERIFY2(read.refusals.isEmpty(), qPrintable(read.refusals.value(0).message));
    QCOMPARE(read.sightings.size(), sightings.size());
    for (std::size_t k = 0; k < sightings.size(); ++k) {
        QCOMPARE(read.sightings[k].index(), sightings[k].index());
        if (const auto* run = std::get_if<nav::Run>(&sightings[k])) {
            QCOMPARE(std::get<nav::Run>(read.sightings[k]).course, run->course);
            QVERIFY(std::fabs(std::get<nav::Run>(read.sightings[k]).distance - run->distance) < 1e-12);
            continue;
        }
        const auto& expected = std::get<nav::Observation>(sightings[k]);
        const auto& actual = std::get<nav::Observation>(read.sightings[k]);
        QCOMPARE(int(actual.kind), int(expected.kind));
        QCOMPARE(actual.value, expected.value);
        QCOMPARE(actual.mark.latitude, expected.mark.latitude);
        QCOMPARE(actual.mark.longitude, expected.mark.longitude);
        QCOMPARE(actual.mark2.latitude, expected.mark2.latitude);
    }
}

QTEST_MAIN(FixWindowTest)
#include "fix_window_test.moc"
