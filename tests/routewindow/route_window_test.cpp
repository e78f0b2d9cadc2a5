// SPDX-License-Identifier: GPL-3.0-or-later
// The route window driven by the keyboard and the clipboard: pasting lines
// from a spreadsheet and a text, editing, undoing and redoing, marking a
// refused cell, adding, moving and deleting waypoints, dead reckoning, and
// an accessible name on every control.
#include "routewindow/print_preview.h"
#include "widgets/refusal_mark.h"
#include "routewindow/route_window.h"
#include "routewindow/waypoint_clipboard.h"
#include "routewindow/waypoint_table_model.h"
#include "widgets/application_setup.h"
#include "widgets/prompt.h"
#include "tests/alt_letters.h"
#include "tests/external_tool.h"
#include "tests/short_name.h"

#include "nav/entry.h"

#include <QAbstractButton>
#include <QAction>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QProcess>
#include <QScrollArea>
#include <QScrollBar>
#include <QRadioButton>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <optional>

using namespace Qt::StringLiterals;
using tarnquil::RouteWindow;
using Column = tarnquil::WaypointTableModel::Column;
using tarnquil::WaypointText;

// A waypoint as a list, for comparing: name, latitude, longitude, method.
QStringList textsOf(const WaypointText& waypoint)
{
    return {waypoint.name, waypoint.latitude, waypoint.longitude,
            waypoint.method == nav::Method::GreatCircle ? u"GC"_s : u"RL"_s};
}

namespace {

// 长江口 → 济州岛南 → 关门海峡: a tab-separated line with a name, a whole
// position, and a line whose longitude has a stray letter.
const QString pastedRoute = u"长江口\t31°03′N\t122°20′E\r\n"
                            u"\r\n"
                            u"N32°50′ E126°30′\r\n"
                            u"关门海峡\t3357N\t13057x\r\n"_s;

class Driver
{
public:
    Driver()
    {
        window_.setPrompt([this](const QString& message) { messages_ << message; });
        window_.show();
        QApplication::setActiveWindow(&window_);
        QVERIFY(QTest::qWaitForWindowActive(&window_));
        table()->setFocus();
    }

    RouteWindow& window() { return window_; }
    QTableView* table() { return window_.findChild<QTableView*>(u"waypointTable"_s); }
    tarnquil::WaypointTableModel& model() { return window_.model(); }

    QString shown(int row, int column) { return model().index(row, column).data().toString(); }
    QVariant role(int row, int column, int role) { return model().index(row, column).data(role); }

    void setCurrent(int row, int column)
    {
        table()->selectionModel()->setCurrentIndex(model().index(row, column),
                                                   QItemSelectionModel::ClearAndSelect);
    }

    void paste(const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(table(), Qt::Key_V, Qt::ControlModifier);
    }

    // Types into the cell as a user does: F2 opens the editor, Tab commits
    // the edit (Return would begin a row after the last cell), and the
    // table has the focus again, as after a click into it.
    void typeInto(int row, int column, const QString& text)
    {
        setCurrent(row, column);
        table()->setFocus();
        QTest::keyClick(table(), Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor != nullptr && table()->isAncestorOf(editor));
        editor->selectAll();
        editor->insert(text);
        QTest::keyClick(editor, Qt::Key_Tab);
        QTRY_VERIFY(table()->viewport()->findChild<QLineEdit*>() == nullptr);
        table()->setFocus();
    }

    void key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(table(), Qt::Key(key), modifiers);
    }

    QStringList names()
    {
        QStringList names;
        for (const tarnquil::WaypointText& waypoint : model().waypoints())
            names << waypoint.name;
        return names;
    }

    template <typename Control = QLineEdit>
    Control* control(const QString& name) { return window_.findChild<Control*>(name); }

    QPoint current() const
    {
        const QModelIndex index = window_.findChild<QTableView*>(u"waypointTable"_s)->currentIndex();
        return {index.column(), index.row()};
    }

    // The text of the cell being edited; none when no cell is.
    std::optional<QString> editing()
    {
        for (QLineEdit* editor : table()->viewport()->findChildren<QLineEdit*>()) {
            if (editor->isVisible())
                return editor->text();
        }
        return std::nullopt;
    }

    // Keys as the user presses them, to whatever has the focus: "Tab",
    // "Shift+Tab", "Return, 3, 1"; Enter's commit waits for the event loop.
    void press(const QString& keys)
    {
        for (const QString& key : keys.split(u", "_s)) {
            const QKeyCombination combination = QKeySequence::fromString(key)[0];
            QTest::keyClick(QApplication::focusWidget(), combination.key(),
                            combination.keyboardModifiers());
            QCoreApplication::processEvents();
        }
    }

    void typeText(const QString& text)
    {
        for (const QChar c : text)
            press(QString(c));
    }

    // Text from an input method, as Chinese is typed.
    void compose(const QString& text)
    {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(QApplication::focusWidget(), &event);
    }

    // The status bar as a screen reader reads it: its children's names.
    QString statusRead()
    {
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(window_.statusBar());
        QStringList names;
        for (int i = 0; i < bar->childCount(); ++i) {
            if (bar->child(i)->role() == QAccessible::StaticText)
                names << bar->child(i)->text(QAccessible::Name);
        }
        return names.join(QString());
    }

    const QStringList& messages() const { return messages_; }

private:
    RouteWindow window_;
    QStringList messages_;
};

bool isLegEmpty(Driver& driver, int row)
{
    for (const int column : {Column::Course, Column::Distance, Column::Cumulative}) {
        if (!driver.shown(row, column).isEmpty())
            return false;
    }
    return true;
}

}  // namespace

class RouteWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        tarnquil::prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()));
        // Qt's own file dialog, which a test can fill in, on every system:
        // Windows' dialog does not take a file chosen while it is open.
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }

    void pasteEditUndoRedo();
    void sameFixIsNotAddedTwice();
    void wholePositionFillsBothCells_data();
    void wholePositionFillsBothCells();
    void insertMoveDelete();
    void copiedTableReadsBack();
    void pastedLines_data();
    void pastedLines();
    void deleteAndCutSelectedRows();
    void settingsFields();
    void formSwitchKeepsPositions();
    void degreesOption();
    void openingAsksForDegrees();
    void questionBox();
    void opensGbkFile();
    void savesTheOpenedFile();
    void deadReckoningAppends();
    void deadReckoningOverThePole();
    void splitGreatCircleLeg();
    void everyControlHasAName();
    void altLettersAreTheirOwn();
    void resultFieldsAreNotEditable();
    void smallScreenLeavesRoomForFrame();
    void printPreview();
    void keysMoveThroughCells_data();
    void keysMoveThroughCells();
    void typingAPassage();
    void clearCells_data();
    void clearCells();
    void cellClipboard_data();
    void cellClipboard();
    void statusMessageGoes_data();
    void statusMessageGoes();
    void fitsTheScreen();
    void printsSearchablePdf();
    void exportTableNamesItsOwnFile_data();
    void exportTableNamesItsOwnFile();
    void zonesAndTotals_data();
    void zonesAndTotals();
    void reverseIsOneStep();
    void exportRefusedByTheRule_data();
    void exportRefusedByTheRule();
    void etaZoneSurvivesSaveAndReopen_data();
    void etaZoneSurvivesSaveAndReopen();
    void planSurvivesSaveAndReopen();
    void methodChosenByItsNumber_data();
    void methodChosenByItsNumber();
    void deadReckoningWithWindAndCurrent_data();
    void deadReckoningWithWindAndCurrent();
    void courseToSteerOnTheSelectedLeg_data();
    void courseToSteerOnTheSelectedLeg();
    void windAndCurrentRefused_data();
    void windAndCurrentRefused();
    void windAndCurrentSurviveSaveAndReopen_data();
    void windAndCurrentSurviveSaveAndReopen();
    void legCurrentTimesTheLeg_data();
    void legCurrentTimesTheLeg();
};

void RouteWindowTest::pasteEditUndoRedo()
{
    Driver driver;
    driver.paste(pastedRoute);

    QCOMPARE(driver.model().rowCount(), 3);
    QCOMPARE(driver.window().undoStack().undoText(), u"粘贴 3 个航点"_s);
    QCOMPARE(driver.names(), (QStringList{u"长江口"_s, QString(), u"关门海峡"_s}));
    QCOMPARE(driver.shown(1, Column::Latitude), u"32°50.00′N"_s);
    QCOMPARE(driver.shown(1, Column::Longitude), u"126°30.00′E"_s);
    QVERIFY(!isLegEmpty(driver, 1));

    // The refused cell: shown as typed, tinted, with a mark that is no colour
    // alone, its reason as tooltip and, once current, in the status bar.
    QCOMPARE(driver.shown(2, Column::Longitude), u"13057x"_s);
    QCOMPARE(driver.role(2, Column::Longitude, Qt::BackgroundRole).value<QColor>(),
             tarnquil::refusalTint);
    QVERIFY(!driver.role(2, Column::Longitude, Qt::DecorationRole).value<QIcon>().isNull());
    const QString reason = driver.role(2, Column::Longitude, Qt::ToolTipRole).toString();
    QVERIFY2(reason.contains(u"“x”"_s), qPrintable(reason));
    QVERIFY(driver.role(2, Column::Latitude, Qt::DecorationRole).isNull());
    driver.setCurrent(2, Column::Longitude);
    QCOMPARE(driver.window().statusBar()->currentMessage(), u"第 3 个航点的经度："_s + reason);
    QVERIFY(isLegEmpty(driver, 2));

    driver.typeInto(2, Column::Longitude, u"130°57′E"_s);
    QCOMPARE(driver.window().undoStack().undoText(), u"编辑经度"_s);
    QVERIFY(driver.role(2, Column::Longitude, Qt::BackgroundRole).isNull());
    QVERIFY(!isLegEmpty(driver, 2));
    const QString cumulative = driver.shown(2, Column::Cumulative);

    driver.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(driver.shown(2, Column::Longitude), u"13057x"_s);
    QVERIFY(isLegEmpty(driver, 2));
    driver.key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(driver.shown(2, Column::Cumulative), cumulative);
    driver.key(Qt::Key_Z, Qt::ControlModifier);
    driver.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(driver.model().rowCount(), 0);
    QVERIFY(driver.window().undoStack().isClean());
    QCOMPARE(driver.messages(), QStringList());
}

void RouteWindowTest::wholePositionFillsBothCells_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("longitude");

    QTest::newRow("typed into the latitude") << int(Column::Latitude) << u"33°57′N 130°57′E"_s
                                             << u"33°57′N"_s << u"130°57′E"_s;
    QTest::newRow("typed into the longitude, longitude first")
        << int(Column::Longitude) << u"E130°57′ / N33°57′"_s << u"N33°57′"_s << u"E130°57′"_s;
    QTest::newRow("NMEA") << int(Column::Latitude) << u"3357.0000,N,13057.0000,E"_s
                          << u"3357.0000,N"_s << u"13057.0000,E"_s;
    QTest::newRow("one coordinate stays in its cell")
        << int(Column::Latitude) << u"33°57′N"_s << u"33°57′N"_s << u"122°20′E"_s;
}

void RouteWindowTest::wholePositionFillsBothCells()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);

    Driver driver;
    driver.window().setWaypoints({{u"关门海峡"_s, u"3103N"_s, u"122°20′E"_s}});
    driver.typeInto(0, column, typed);

    QCOMPARE(driver.model().waypoints().at(0).latitude, latitude);
    QCOMPARE(driver.model().waypoints().at(0).longitude, longitude);
    QCOMPARE(driver.window().undoStack().count(), 1);
}

void RouteWindowTest::insertMoveDelete()
{
    Driver driver;
    driver.window().setWaypoints({{u"A"_s, u"3103N"_s, u"12220E"_s},
                                  {u"B"_s, u"3250N"_s, u"12630E"_s},
                                  {u"C"_s, u"3357N"_s, u"13057E"_s}});
    driver.setCurrent(0, Column::Name);

    driver.key(Qt::Key_Insert);
    QCOMPARE(driver.names(), (QStringList{u"A"_s, QString(), u"B"_s, u"C"_s}));
    QCOMPARE(driver.table()->currentIndex().row(), 1);
    QVERIFY(isLegEmpty(driver, 1));
    QVERIFY(isLegEmpty(driver, 2));

    driver.key(Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(driver.names(), (QStringList{u"A"_s, u"B"_s, QString(), u"C"_s}));
    QCOMPARE(driver.window().undoStack().undoText(), u"下移航点"_s);
    QVERIFY(!isLegEmpty(driver, 1));

    driver.key(Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(driver.names(), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
    QCOMPARE(driver.window().undoStack().undoText(), u"删除 1 个航点"_s);
    QVERIFY(!isLegEmpty(driver, 2));

    driver.setCurrent(2, Column::Name);
    driver.key(Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(driver.names(), (QStringList{u"A"_s, u"C"_s, u"B"_s}));
    for (int i = 0; i < 4; ++i)
        driver.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(driver.names(), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
    QVERIFY(driver.window().undoStack().isClean());
}

// The whole table copied with its titles, pasted into another window, gives
// the same waypoints as shown, each leg with its method.
void RouteWindowTest::copiedTableReadsBack()
{
    Driver source;
    QList<WaypointText> waypoints = {{u"长江口"_s, u"3103N"_s, u"12220E"_s},
                                     {u"济州岛南"_s, u"32-50N"_s, u"126-30E"_s, nav::Method::GreatCircle},
                                     {u"关门海峡"_s, u"33°57′N"_s, u"130°57′E"_s}};
    waypoints[1].speed = u"14"_s;
    waypoints[2].remark = u"引航站"_s;
    source.window().setWaypoints(waypoints);
    source.key(Qt::Key_A, Qt::ControlModifier);
    source.key(Qt::Key_C, Qt::ControlModifier);
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY2(copied.startsWith(u"序号\t名称\t纬度\t经度\t航法\t"_s), qPrintable(copied));

    Driver target;
    target.paste(copied);
    QCOMPARE(target.model().rowCount(), 3);
    QCOMPARE(target.names(), source.names());
    QCOMPARE(target.model().waypoints().at(1).method, nav::Method::GreatCircle);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < tarnquil::WaypointTableModel::columns; ++column)
            QCOMPARE(target.shown(row, column), source.shown(row, column));
    }
}

// Each line of a paste is one waypoint, whatever writes it.
void RouteWindowTest::pastedLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<QStringList>>("waypoints");

    QTest::newRow("spreadsheet: name, latitude, longitude, method")
        << u"长江口\t31°03′N\t122°20′E\tGC"_s
        << QList<QStringList>{{u"长江口"_s, u"31°03′N"_s, u"122°20′E"_s, u"GC"_s}};
    QTest::newRow("semicolons before the commas of NMEA")
        << u"吴淞口;3124.0000,N;12130.0000,E"_s
        << QList<QStringList>{{u"吴淞口"_s, u"3124.0000,N"_s, u"12130.0000,E"_s, u"RL"_s}};
    QTest::newRow("full-width commas, latitude and longitude")
        << u"3250N，12630E"_s << QList<QStringList>{{{}, u"3250N"_s, u"12630E"_s, u"RL"_s}};
    QTest::newRow("a name and a whole position")
        << u"济州岛南, 32°50′N 126°30′E"_s
        << QList<QStringList>{{u"济州岛南"_s, u"32°50′N"_s, u"126°30′E"_s, u"RL"_s}};
    QTest::newRow("a whole position with commas is not cut into cells")
        << u"3010.2N,12205.3E"_s << QList<QStringList>{{{}, u"3010.2N"_s, u"12205.3E"_s, u"RL"_s}};
    QTest::newRow("the table's own title line names the columns")
        << u"序号\t名称\t纬度\t经度\t航法\n1\tA\t3103N\t12220E\t\n2\tB\t3250N\t12630E\t大圆"_s
        << QList<QStringList>{{u"A"_s, u"3103N"_s, u"12220E"_s, u"RL"_s},
                              {u"B"_s, u"3250N"_s, u"12630E"_s, u"GC"_s}};
    QTest::newRow("the table's rows without their titles")
        << u"7\tC\t33°57.00′N\t130°57.00′E\tGC\t072.1\t233.3\t471.3\t37:42\t"_s
        << QList<QStringList>{{u"C"_s, u"33°57.00′N"_s, u"130°57.00′E"_s, u"GC"_s}};
    QTest::newRow("one coordinate alone is a latitude; blank lines are none")
        << u"\r\n  \r\n3103N\r\n"_s << QList<QStringList>{{{}, u"3103N"_s, {}, u"RL"_s}};
}

void RouteWindowTest::pastedLines()
{
    QFETCH(QString, text);
    QFETCH(QList<QStringList>, waypoints);

    QList<QStringList> read;
    for (const WaypointText& waypoint : tarnquil::waypointsFromText(text))
        read << textsOf(waypoint);
    QCOMPARE(read, waypoints);
}

// Rows selected apart from each other go as one step and come back in
// their places.
void RouteWindowTest::deleteAndCutSelectedRows()
{
    Driver driver;
    const QList<WaypointText> route = {{u"A"_s, u"3103N"_s, u"12220E"_s},
                                       {u"B"_s, u"3250N"_s, u"12630E"_s},
                                       {u"C"_s, u"3357N"_s, u"13057E"_s},
                                       {u"D"_s, u"3400N"_s, u"13100E"_s}};
    driver.window().setWaypoints(route);
    QItemSelectionModel* selection = driver.table()->selectionModel();
    const auto selectRows = [&](std::initializer_list<int> rows) {
        selection->clearSelection();
        for (int row : rows)
            selection->select(driver.model().index(row, Column::Name),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
    };
    selectRows({0, 2});
    driver.key(Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(driver.names(), (QStringList{u"B"_s, u"D"_s}));
    QCOMPARE(driver.window().undoStack().undoText(), u"删除 2 个航点"_s);
    driver.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(driver.names(), (QStringList{u"A"_s, u"B"_s, u"C"_s, u"D"_s}));

    selectRows({1, 3});
    driver.key(Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(driver.names(), (QStringList{u"A"_s, u"C"_s}));
    QCOMPARE(tarnquil::waypointsFromText(QGuiApplication::clipboard()->text()).size(), 2);
    driver.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(driver.model().waypoints().at(3).latitude, u"3400N"_s);
    QVERIFY(driver.window().undoStack().isClean());
}

// A refused speed or time is marked and gives no times; the model and the
// form change how the same texts are read and computed.
void RouteWindowTest::settingsFields()
{
    Driver driver;
    driver.window().setWaypoints({{u"A"_s, u"3103"_s, u"12220"_s},
                                  {u"B"_s, u"3250"_s, u"12630"_s, nav::Method::GreatCircle}});
    QLineEdit* speed = driver.control(u"speedEdit"_s);
    QLineEdit* departure = driver.control(u"departureEdit"_s);
    QTest::keyClicks(speed, u"12,5"_s);
    QVERIFY(!speed->toolTip().isEmpty());
    QVERIFY(driver.shown(1, Column::TimeUnderWay).isEmpty());
    speed->setText(u"10"_s);
    QVERIFY(speed->toolTip().isEmpty());
    QCOMPARE(driver.shown(1, Column::TimeUnderWay).isEmpty(), false);
    QTest::keyClicks(departure, u"2025-02-29 08:00"_s);
    QVERIFY(!departure->toolTip().isEmpty());
    QVERIFY(driver.shown(1, Column::Eta).isEmpty());
    departure->setText(u"2025-03-01 08:00"_s);
    QVERIFY(driver.shown(1, Column::Eta).startsWith(u"2025-03-0"_s));

    const QString onWgs84 = driver.shown(1, Column::Distance);
    auto* model = driver.control<QComboBox>(u"modelCombo"_s);
    model->setCurrentIndex(model->findData(int(nav::EarthModel::Sphere)));
    QVERIFY(driver.shown(1, Column::Distance) != onWgs84);
    QCOMPARE(driver.window().undoStack().count(), 0);
    QTest::keyClicks(speed, u"kn"_s);
    QCOMPARE(speed->text(), u"10kn"_s);
    QVERIFY2(speed->toolTip().isEmpty(), qPrintable(speed->toolTip()));
}

// The form is how the next text is read: 3103N and 12220E typed under 分,
// then 秒 chosen, keep their positions and the total; a text typed after it
// is read in 秒, and undo and redo bring back each text with its own form.
void RouteWindowTest::formSwitchKeepsPositions()
{
    Driver driver;
    driver.key(Qt::Key_Insert);
    driver.typeInto(0, Column::Latitude, u"3103N"_s);
    driver.typeInto(0, Column::Longitude, u"12220E"_s);
    driver.key(Qt::Key_Insert);
    driver.typeInto(1, Column::Latitude, u"3357N 13057E"_s);
    const QString total = driver.shown(1, Column::Cumulative);
    QCOMPARE(driver.shown(0, Column::Latitude), u"31°03.00′N"_s);
    QVERIFY(!total.isEmpty());
    const int edits = driver.window().undoStack().count();

    driver.control<QRadioButton>(u"secondsOption"_s)->click();
    QCOMPARE(driver.shown(0, Column::Latitude), u"31°03.00′N"_s);
    QCOMPARE(driver.shown(0, Column::Longitude), u"122°20.00′E"_s);
    QCOMPARE(driver.shown(1, Column::Cumulative), total);
    QCOMPARE(driver.window().undoStack().count(), edits);
    QVERIFY2(driver.window().statusBar()->currentMessage().contains(u"已输入的航点不变"_s),
             qPrintable(driver.window().statusBar()->currentMessage()));
    QCOMPARE(driver.role(0, Column::Latitude, Qt::EditRole).toString(), u"3103N"_s);
    QCOMPARE(driver.role(0, Column::Latitude, Qt::ToolTipRole).toString(), u"输入：3103N（按度分读）"_s);

    // Typed again, the same text is read in the form of the moment.
    driver.typeInto(0, Column::Latitude, u"3103N"_s);
    QCOMPARE(driver.shown(0, Column::Latitude), u"00°31.05′N"_s);
    QCOMPARE(driver.window().undoStack().count(), edits + 1);
    driver.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(driver.shown(0, Column::Latitude), u"31°03.00′N"_s);
    QCOMPARE(driver.shown(1, Column::Cumulative), total);
    driver.control<QRadioButton>(u"degreesOption"_s)->click();
    driver.key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(driver.shown(0, Column::Latitude), u"00°31.05′N"_s);

    // Pasted lines are read in the form of the moment too, and keep it.
    driver.setCurrent(1, Column::Name);
    driver.paste(u"B\t25.3N\t128.7E\r\n"_s);
    QCOMPARE(driver.shown(2, Column::Latitude), u"25°18.00′N"_s);
    driver.control<QRadioButton>(u"minutesOption"_s)->click();
    QCOMPARE(driver.shown(2, Column::Latitude), u"25°18.00′N"_s);
    driver.key(Qt::Key_Z, Qt::ControlModifier);
    driver.key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(driver.shown(2, Column::Latitude), u"25°18.00′N"_s);
    QCOMPARE(driver.messages(), QStringList());
}

// 度 beside 分 and 秒: reached with the keyboard as a group of options, named
// for screen readers, and plain numbers typed after it are degrees.
void RouteWindowTest::degreesOption()
{
    Driver driver;
    auto* minutes = driver.control<QRadioButton>(u"minutesOption"_s);
    auto* degrees = driver.control<QRadioButton>(u"degreesOption"_s);
    QVERIFY(degrees != nullptr);
    QCOMPARE(degrees->text(), u"度"_s);
    QCOMPARE(degrees->accessibleName(), u"数字按度读"_s);
    minutes->setFocus();
    QTest::keyClick(minutes, Qt::Key_Right);
    QTest::keyClick(driver.control<QRadioButton>(u"secondsOption"_s), Qt::Key_Right);
    QVERIFY(degrees->isChecked());
    QVERIFY(degrees->hasFocus());
    QCOMPARE(driver.model().settings().form, geo::NumberForm::Degrees);

    driver.table()->setFocus();
    driver.key(Qt::Key_Insert);
    driver.typeInto(0, Column::Latitude, u"25.3N 128.7E"_s);
    QCOMPARE(driver.shown(0, Column::Latitude), u"25°18.00′N"_s);
    QCOMPARE(driver.shown(0, Column::Longitude), u"128°42.00′E"_s);
    // The dead reckoning's position reads in the same form.
    QTest::keyClicks(driver.control(u"fromEdit"_s), u"25.3N 128.7E"_s);
    QTest::keyClicks(driver.control(u"courseEdit"_s), u"090°"_s);
    driver.control(u"runEdit"_s)->setText(u"0海里"_s);
    QCOMPARE(driver.control(u"reachedEdit"_s)->text(), u"25°18.00′N 128°42.00′E"_s);
}

// A file of plain degrees: the window asks once whether they are degrees,
// and reads them so when told yes; told no, they stay refused.
void RouteWindowTest::openingAsksForDegrees()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"degrees.csv"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("lat,NS,lon,EW\r\n31.4,N,121.5,E\r\n33.5,S,70.25,W\r\n");
    file.close();
    for (const bool yes : {true, false}) {
        Driver driver;
        QStringList questions;
        driver.window().setQuestion([&](const QString& question) {
            questions << question;
            return yes;
        });
        QVERIFY(driver.window().openRoute(path));
        QCOMPARE(questions.size(), 1);
        QVERIFY2(questions.front().contains(u"3 处"_s) && questions.front().contains(u"第 2 行纬度“31.4N”"_s),
                 qPrintable(questions.front()));
        QCOMPARE(driver.control<QRadioButton>(u"degreesOption"_s)->isChecked(), yes);
        QCOMPARE(driver.shown(0, Column::Latitude), yes ? u"31°24.00′N"_s : u"31.4N"_s);
        QCOMPARE(driver.shown(1, Column::Longitude), u"070°15.00′W"_s);
        QCOMPARE(driver.window().statusBar()->currentMessage().contains(u"按度读取"_s), yes);
        // Opened again in 度, nothing is asked.
        if (yes) {
            QVERIFY(driver.window().openRoute(path));
            QCOMPARE(questions.size(), 1);
        }
    }
}

// The question's box: 是 is the default, Escape answers 否.
void RouteWindowTest::questionBox()
{
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Escape)}) {
        QStringList buttons;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            for (QAbstractButton* button : box->buttons())
                buttons << button->text();
            QTest::keyClick(box, Qt::Key(key));
        });
        const bool answer = tarnquil::messageBoxQuestion(nullptr, u"航线计算"_s)(u"按度读取？"_s);
        QCOMPARE(answer, key == Qt::Key_Return);
        buttons.sort();
        QCOMPARE(buttons, (QStringList{u"否"_s, u"是"_s}));
    }
}

// A spreadsheet's GBK file opens, and the status bar says how it was read.
void RouteWindowTest::opensGbkFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"东海.csv"_s);
    QVERIFY(QFile::copy(u":/csv_samples/spreadsheet-gbk.csv"_s, path));
    Driver driver;
    QVERIFY(driver.window().openRoute(path));
    QCOMPARE(driver.names(), (QStringList{u"长江口"_s, u"济州岛南"_s, u"关门海峡"_s}));
    QVERIFY2(driver.window().statusBar()->currentMessage().contains(u"按 GB18030 编码读取"_s),
             qPrintable(driver.window().statusBar()->currentMessage()));
}

// Ctrl+S writes the waypoint list back to the CSV file it came from, as
// typed, and the title loses its modified mark.
void RouteWindowTest::savesTheOpenedFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"长江口.csv"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("名称,纬度,经度,航法\r\n长江口,3103N,12220E,\r\n济州岛南,3250N,12630E,GC\r\n");
    file.close();

    Driver driver;
    QVERIFY(driver.window().openRoute(path));
    QCOMPARE(driver.window().windowTitle(), u"航线计算 — 长江口.csv[*]"_s);
    driver.typeInto(1, Column::Latitude, u"32-50N"_s);
    QVERIFY(driver.window().isWindowModified());
    driver.control<QRadioButton>(u"secondsOption"_s)->click();
    // A file of another tool: the window says what it lacks before it
    // rewrites it as a leg table.
    QStringList questions;
    driver.window().setQuestion([&](const QString& question) {
        questions << question;
        return true;
    });
    driver.key(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(questions.size(), 1);
    QVERIFY2(questions.first().contains(u"没有航速、备注、预计到达、航线名称、地球模型列"_s),
             qPrintable(questions.first()));
    QVERIFY(!driver.window().isWindowModified());
    driver.typeInto(1, Column::Remark, u"领航"_s);
    driver.key(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(questions.size(), 1);  // the file is a leg table now
    // What reads alike in every form is kept as typed; a packed number as the
    // position it was read as, so that the file opens to the same positions
    // whatever the form then.
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString saved = QString::fromUtf8(file.readAll());
    QVERIFY2(saved.contains(u"1,长江口,31.05°N,122.33333333333333°E,,"_s)
                 && saved.contains(u"2,济州岛南,32.833333333333336°N,126.5°E,GC,"_s),
             qPrintable(saved));
    file.close();
    QCOMPARE(driver.role(1, Column::Longitude, Qt::EditRole).toString(), u"12630E"_s);
    Driver reopened;
    QVERIFY(reopened.window().openRoute(path));
    for (int row = 0; row < 2; ++row) {
        for (const int column : {Column::Latitude, Column::Longitude, Column::Distance})
            QCOMPARE(reopened.shown(row, column), driver.shown(row, column));
    }

    QVERIFY(!driver.window().openRoute(folder.filePath(u"没有.csv"_s)));
    QCOMPARE(driver.messages().size(), 1);
    QVERIFY2(driver.messages().first().contains(u"没有.csv"_s), qPrintable(driver.messages().first()));
    QCOMPARE(driver.model().rowCount(), 2);
}

// The position reached goes after the waypoint it was reckoned from, named
// 推算点 and numbered when there is one; Enter in a field adds it too.
void RouteWindowTest::deadReckoningAppends()
{
    Driver driver;
    driver.window().setWaypoints({{u"长江口"_s, u"3103N"_s, u"12220E"_s},
                                  {u"关门海峡"_s, u"3357N"_s, u"13057E"_s}});
    driver.setCurrent(0, Column::Name);
    auto* course = driver.window().findChild<QLineEdit*>(u"courseEdit"_s);
    auto* run = driver.window().findChild<QLineEdit*>(u"runEdit"_s);
    auto* reached = driver.window().findChild<QLineEdit*>(u"reachedEdit"_s);
    auto* append = driver.window().findChild<QAbstractButton*>(u"appendButton"_s);
    QTest::keyClicks(course, u"90"_s);
    QTest::keyClicks(run, u"x"_s);
    QVERIFY(!append->isEnabled());
    QVERIFY(!run->toolTip().isEmpty());
    QTest::keyClick(run, Qt::Key_Backspace);
    QTest::keyClicks(run, u"60"_s);
    QVERIFY(run->toolTip().isEmpty());
    // From the selected waypoint: 60 n mile due east stays on its parallel.
    QVERIFY2(reached->text().startsWith(u"31°03.00′N 123°"_s), qPrintable(reached->text()));

    QTest::mouseClick(append, Qt::LeftButton);
    QCOMPARE(driver.names(), (QStringList{u"长江口"_s, u"推算点"_s, u"关门海峡"_s}));
    QCOMPARE(driver.shown(1, Column::Latitude), u"31°03.00′N"_s);
    QCOMPARE(driver.window().undoStack().undoText(), u"添加推算船位"_s);
    QTest::keyClick(run, Qt::Key_Return);
    QCOMPARE(driver.names(), (QStringList{u"长江口"_s, u"推算点"_s, u"推算点 2"_s, u"关门海峡"_s}));
    QVERIFY(driver.shown(2, Column::Longitude) > driver.shown(1, Column::Longitude));
    driver.window().undoStack().undo();
    QCOMPARE(driver.model().rowCount(), 3);
}

// A fix added twice would make a leg of no length at 30°45′N, whose vertex
// read "无（沿赤道）"; one typed so has no vertex text.
void RouteWindowTest::sameFixIsNotAddedTwice()
{
    Driver driver;
    const tarnquil::WaypointText fix{u"船位 09:30"_s, u"30°45.00′N"_s, u"122°30.00′E"_s};
    QVERIFY(driver.window().appendWaypoint(fix));
    QVERIFY(!driver.window().appendWaypoint(fix));
    QCOMPARE(driver.model().waypoints().size(), 1);
    driver.window().setWaypoints({{u"A"_s, u"3045N"_s, u"12230E"_s},
                                  {u"B"_s, u"3045N"_s, u"12230E"_s, nav::Method::GreatCircle}});
    driver.setCurrent(1, Column::Name);
    QCOMPARE(driver.control(u"vertex"_s)->text(), QString());
}

// 横滨 → 旧金山 by great circle: the panel shows its vertex; split every 10
// degrees, the ten crossings come in as RL waypoints before 旧金山, whose
// leg becomes RL, and one undo takes all of it back.
void RouteWindowTest::splitGreatCircleLeg()
{
    Driver driver;
    driver.window().setWaypoints({{u"横滨"_s, u"3527N"_s, u"13939E"_s},
                                  {u"旧金山"_s, u"3748N"_s, u"12225.2W"_s, nav::Method::GreatCircle}});
    QStringList asked;
    driver.window().setMeridianIntervalAsker([&asked](const QString& leg) {
        asked << leg;
        return std::optional<double>(10);
    });
    auto* split = driver.window().findChild<QAction*>(u"splitLegAction"_s);
    driver.setCurrent(0, Column::Name);
    QVERIFY(!split->isEnabled());
    driver.setCurrent(1, Column::Name);
    QVERIFY(split->isEnabled());
    // GeodSolve: 48.634566435732 -169.261438017980.
    QCOMPARE(driver.control(u"vertex"_s)->text(), u"48°38.07′N 169°15.69′W"_s);

    split->trigger();
    QCOMPARE(asked, QStringList{u"横滨 → 旧金山"_s});
    QCOMPARE(driver.model().rowCount(), 12);
    QCOMPARE(driver.names().mid(1, 2), (QStringList{u"大圆分点 1"_s, u"大圆分点 2"_s}));
    QCOMPARE(driver.shown(1, Column::Longitude), u"140°00.00′E"_s);
    QCOMPARE(driver.shown(10, Column::Longitude), u"130°00.00′W"_s);
    QCOMPARE(driver.model().waypoints().at(11).method, nav::Method::Rhumb);
    QCOMPARE(driver.window().undoStack().undoText(), u"大圆分段（10 个分点）"_s);

    driver.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(driver.names(), (QStringList{u"横滨"_s, u"旧金山"_s}));
    QCOMPARE(driver.model().waypoints().at(1).method, nav::Method::GreatCircle);
    QVERIFY(driver.window().undoStack().isClean());
    // A rhumb-line leg is not split.
    QCOMPARE(driver.window().splitGreatCircleLeg(0, 10), 0);
}

// A rhumb line that would run over the pole is refused with a message;
// the great circle goes over it.
void RouteWindowTest::deadReckoningOverThePole()
{
    Driver driver;
    QTest::keyClicks(driver.control(u"fromEdit"_s), u"89°N 0°E"_s);
    QTest::keyClicks(driver.control(u"courseEdit"_s), u"10"_s);
    QTest::keyClicks(driver.control(u"runEdit"_s), u"600"_s);
    QVERIFY(driver.control(u"reachedEdit"_s)->text().isEmpty());
    QVERIFY(driver.control(u"runEdit"_s)->toolTip().contains(u"极点"_s));
    QCOMPARE(driver.window().statusBar()->currentMessage(), driver.control(u"runEdit"_s)->toolTip());
    auto* method = driver.control<QComboBox>(u"runMethodCombo"_s);
    method->setCurrentIndex(method->findData(int(nav::Method::GreatCircle)));
    QVERIFY(driver.control(u"runEdit"_s)->toolTip().isEmpty());
    QVERIFY(!driver.control(u"reachedEdit"_s)->text().isEmpty());
}

// Every control the keyboard reaches, and every menu, has a name that a
// screen reader can say.
// Each Alt letter reaches one control or menu: 工具 and 开航时间 had T both.
void RouteWindowTest::altLettersAreTheirOwn()
{
    Driver driver;
    const QStringList repeated = testing_alt_letters::repeatedAltLetters(&driver.window());
    QVERIFY2(repeated.isEmpty(), qPrintable(repeated.join(QStringLiteral("; "))));
}

void RouteWindowTest::everyControlHasAName()
{
    Driver driver;
    QStringList unnamed;
    for (QWidget* widget : driver.window().findChildren<QWidget*>()) {
        const bool control = widget->focusPolicy() != Qt::NoFocus
            || qobject_cast<QMenu*>(widget) != nullptr || qobject_cast<QMenuBar*>(widget) != nullptr;
        if (!control || widget->parentWidget() == driver.table()->viewport())
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (accessible == nullptr || accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << widget->objectName() + u" ("_s + widget->metaObject()->className()
                    + u" in "_s + widget->parentWidget()->objectName() + u')';
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", "_s)));
}

// The fields the window writes its results into are read-only text to a
// screen reader: Qt reports every line edit as editable, read-only or not.
void RouteWindowTest::resultFieldsAreNotEditable()
{
    Driver driver;
    QStringList editable;
    for (QLineEdit* field : driver.window().findChildren<QLineEdit*>()) {
        if (!field->isReadOnly())
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(field);
        if (accessible == nullptr || accessible->state().editable || !accessible->state().readOnly)
            editable << field->objectName();
    }
    QVERIFY2(editable.isEmpty(), qPrintable(editable.join(u", "_s)));
}

// On a screen smaller than the form (the offscreen screen is 800 by 800
// pixels) the window leaves room for the frame the window manager adds:
// one the screen's size had its status bar below the screen's edge.
void RouteWindowTest::smallScreenLeavesRoomForFrame()
{
    Driver driver;
    const QSize room = driver.window().screen()->availableGeometry().size();
    QVERIFY2(driver.window().width() < room.width() && driver.window().height() < room.height(),
             qPrintable(u"%1x%2 on %3x%4"_s.arg(driver.window().width()).arg(driver.window().height())
                            .arg(room.width()).arg(room.height())));
}

// The preview paints the route: as many pages as the printed table has, 45
// waypoints on two A4 pages.
void RouteWindowTest::printPreview()
{
    QList<WaypointText> waypoints;
    for (int i = 0; i < 45; ++i)
        waypoints.append({u"航点%1"_s.arg(i + 1), u"%1°%2′N"_s.arg(20 + i / 60).arg(i % 60),
                          u"120°00′E"_s, nav::Method::Rhumb});
    tarnquil::RouteSettings settings;
    settings.speed = 10;
    const tarnquil::RouteDocument route{u"沿岸"_s, waypoints, settings,
                                        tarnquil::makeRouteTable(waypoints, settings)};
    int pages = 0;
    QString title;
    QTimer::singleShot(0, this, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (!preview)
            return;
        title = preview->windowTitle();
        if (auto* view = preview->findChild<QPrintPreviewWidget*>())
            pages = view->pageCount();
        preview->reject();
    });
    tarnquil::printRoute(nullptr, route);
    QCOMPARE(title, u"打印预览 — 航线计算表：沿岸"_s);
    QCOMPARE(pages, 2);
}

// A route of three waypoints, the second and third with legs; the first
// row has no method to choose.
const QList<WaypointText> threeWaypoints = {{u"A"_s, u"3103N"_s, u"12220E"_s},
                                            {u"B"_s, u"3250N"_s, u"12630E"_s, nav::Method::GreatCircle},
                                            {u"C"_s, u"3357N"_s, u"13057E"_s}};

// Tab, Enter and Home go to the cells a navigator fills in; Tab leaves the
// table only past its last cell or before its first.
void RouteWindowTest::keysMoveThroughCells_data()
{
    QTest::addColumn<QPoint>("from");  // column, row
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<bool>("leaves");

    QTest::newRow("Tab: the next cell across")
        << QPoint(Column::Name, 0) << u"Tab"_s << QPoint(Column::Latitude, 0) << false;
    QTest::newRow("Tab: past the first row's computed cells to its remark")
        << QPoint(Column::Longitude, 0) << u"Tab"_s << QPoint(Column::Remark, 0) << false;
    QTest::newRow("Tab: from a remark to the next name")
        << QPoint(Column::Remark, 0) << u"Tab"_s << QPoint(Column::Name, 1) << false;
    QTest::newRow("Tab: from a leg's method to its speed")
        << QPoint(Column::Method, 1) << u"Tab"_s << QPoint(Column::Speed, 1) << false;
    QTest::newRow("Tab: from the last cell out of the table")
        << QPoint(Column::Remark, 2) << u"Tab"_s << QPoint(Column::Remark, 2) << true;
    QTest::newRow("Shift+Tab: back to the row before")
        << QPoint(Column::Name, 1) << u"Shift+Tab"_s << QPoint(Column::Remark, 0) << false;
    QTest::newRow("Shift+Tab: from the first cell out of the table")
        << QPoint(Column::Name, 0) << u"Shift+Tab"_s << QPoint(Column::Name, 0) << true;
    QTest::newRow("Home: the row's name, not its number")
        << QPoint(Column::Distance, 1) << u"Home"_s << QPoint(Column::Name, 1) << false;
    QTest::newRow("Ctrl+Home: the first name")
        << QPoint(Column::Eta, 2) << u"Ctrl+Home"_s << QPoint(Column::Name, 0) << false;
    QTest::newRow("Enter: the next cell across")
        << QPoint(Column::Name, 0) << u"Return"_s << QPoint(Column::Latitude, 0) << false;
    QTest::newRow("Enter: from a computed cell to the remark")
        << QPoint(Column::Eta, 1) << u"Return"_s << QPoint(Column::Remark, 1) << false;
    QTest::newRow("Enter: from the remark to the next row")
        << QPoint(Column::Remark, 1) << u"Return"_s << QPoint(Column::Name, 2) << false;
    QTest::newRow("Tab in a cell being edited commits it and moves on")
        << QPoint(Column::Name, 1) << u"F2, End, X, Tab"_s << QPoint(Column::Latitude, 1) << false;
}

void RouteWindowTest::keysMoveThroughCells()
{
    QFETCH(QPoint, from);
    QFETCH(QString, keys);
    QFETCH(QPoint, to);
    QFETCH(bool, leaves);

    Driver driver;
    driver.window().setWaypoints(threeWaypoints);
    driver.setCurrent(from.y(), from.x());
    driver.press(keys);
    QCOMPARE(driver.current(), to);
    QWidget* focus = QApplication::focusWidget();
    QCOMPARE(focus != driver.table() && !driver.table()->isAncestorOf(focus), leaves);
    QCOMPARE(driver.editing(), std::optional<QString>());
    QCOMPARE(driver.model().rowCount(), 3);
    if (keys.contains(u"X"_s))
        QCOMPARE(driver.names().at(1), u"Bx"_s);
}

// A passage typed in one run, as a navigator types it: into the empty
// table, Enter after each cell, a new row after the last one, Esc to take
// back a row begun by mistake. A new row is not marked as refused until it
// is left.
void RouteWindowTest::typingAPassage()
{
    Driver driver;
    driver.compose(u"长江口"_s);
    QCOMPARE(driver.model().rowCount(), 1);
    QCOMPARE(driver.editing(), std::optional(u"长江口"_s));
    driver.press(u"Return"_s);
    QCOMPARE(driver.names(), QStringList{u"长江口"_s});
    QCOMPARE(driver.current(), QPoint(Column::Latitude, 0));
    driver.typeText(u"3103N"_s);
    driver.press(u"Return"_s);
    driver.typeText(u"12220E"_s);
    driver.press(u"Return"_s);
    QCOMPARE(driver.current(), QPoint(Column::Remark, 0));
    driver.press(u"Return"_s);
    QCOMPARE(driver.model().rowCount(), 2);
    QCOMPARE(driver.current(), QPoint(Column::Name, 1));
    QCOMPARE(driver.editing(), std::optional(QString()));
    QVERIFY(driver.role(1, Column::Latitude, Qt::BackgroundRole).isNull());
    QCOMPARE(driver.statusRead(), QString());

    driver.compose(u"济州岛南"_s);
    driver.press(u"Return"_s);
    QVERIFY(driver.role(1, Column::Latitude, Qt::DecorationRole).isNull());
    driver.typeText(u"3250N"_s);
    driver.press(u"Return"_s);
    driver.typeText(u"12630E"_s);
    driver.press(u"Return"_s);
    QCOMPARE(driver.current(), QPoint(Column::Method, 1));
    QCOMPARE(driver.shown(1, Column::Latitude), u"32°50.00′N"_s);
    QVERIFY(!isLegEmpty(driver, 1));
    driver.press(u"Return"_s);
    driver.typeText(u"14"_s);
    driver.press(u"Return"_s);
    QCOMPARE(driver.shown(1, Column::Speed), u"14"_s);
    QCOMPARE(driver.current(), QPoint(Column::Remark, 1));
    driver.typeText(u"vts"_s);
    driver.press(u"Return"_s);
    QCOMPARE(driver.model().waypoints().at(1).remark, u"vts"_s);
    QCOMPARE(driver.model().rowCount(), 3);
    driver.press(u"Esc"_s);
    QCOMPARE(driver.model().rowCount(), 2);
    QCOMPARE(driver.window().undoStack().undoText(), u"编辑备注"_s);

    // Insert begins a row at its name; the row is marked once it is left.
    driver.setCurrent(1, Column::Latitude);
    driver.press(u"Ins"_s);
    QCOMPARE(driver.current(), QPoint(Column::Name, 2));
    QCOMPARE(driver.editing(), std::optional(QString()));
    driver.typeText(u"X"_s);
    driver.press(u"Return"_s);
    QVERIFY(driver.role(2, Column::Latitude, Qt::BackgroundRole).isNull());
    driver.press(u"Up"_s);
    QCOMPARE(driver.role(2, Column::Latitude, Qt::BackgroundRole).value<QColor>(),
             tarnquil::refusalTint);
}

// Delete clears the selected cells that are typed, as one step; the
// computed cells and the rows stay.
void RouteWindowTest::clearCells_data()
{
    QTest::addColumn<QRect>("cells");  // columns across, rows down
    QTest::addColumn<QString>("step");
    QTest::addColumn<QList<QStringList>>("waypoints");

    QTest::newRow("a name") << QRect(QPoint(Column::Name, 1), QPoint(Column::Name, 1))
                            << u"清除名称"_s
                            << QList<QStringList>{{u"A"_s, u"3103N"_s, u"12220E"_s, u"RL"_s},
                                                  {{}, u"3250N"_s, u"12630E"_s, u"GC"_s}};
    QTest::newRow("a latitude") << QRect(QPoint(Column::Latitude, 0), QPoint(Column::Latitude, 0))
                                << u"清除纬度"_s
                                << QList<QStringList>{{u"A"_s, {}, u"12220E"_s, u"RL"_s},
                                                      {u"B"_s, u"3250N"_s, u"12630E"_s, u"GC"_s}};
    QTest::newRow("a block, as one step")
        << QRect(QPoint(Column::Latitude, 0), QPoint(Column::Longitude, 1)) << u"清除 4 个单元格"_s
        << QList<QStringList>{{u"A"_s, {}, {}, u"RL"_s}, {u"B"_s, {}, {}, u"GC"_s}};
    QTest::newRow("computed cells: nothing")
        << QRect(QPoint(Column::Course, 1), QPoint(Column::Eta, 1)) << QString()
        << QList<QStringList>{{u"A"_s, u"3103N"_s, u"12220E"_s, u"RL"_s},
                              {u"B"_s, u"3250N"_s, u"12630E"_s, u"GC"_s}};
}

void RouteWindowTest::clearCells()
{
    QFETCH(QRect, cells);
    QFETCH(QString, step);
    QFETCH(QList<QStringList>, waypoints);

    Driver driver;
    driver.window().setWaypoints(threeWaypoints.first(2));
    const QList<WaypointText> before = driver.model().waypoints();
    driver.setCurrent(cells.top(), cells.left());
    driver.table()->selectionModel()->select(
        QItemSelection(driver.model().index(cells.top(), cells.left()),
                       driver.model().index(cells.bottom(), cells.right())),
        QItemSelectionModel::ClearAndSelect);
    driver.press(u"Del"_s);
    QList<QStringList> texts;
    for (const WaypointText& waypoint : driver.model().waypoints())
        texts << textsOf(waypoint);
    QCOMPARE(texts, waypoints);
    QCOMPARE(driver.window().undoStack().count(), step.isEmpty() ? 0 : 1);
    QCOMPARE(driver.window().undoStack().undoText(), step);
    driver.press(u"Ctrl+Z"_s);
    QCOMPARE(driver.model().waypoints(), before);
    driver.press(u"Ctrl+Y"_s);
    QCOMPARE(driver.window().undoStack().undoText(), step);
}

// One cell copies or cuts its text as shown; Ctrl+X clears it as Delete
// does. Rows copy as whole rows (copiedTableReadsBack).
void RouteWindowTest::cellClipboard_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("left");  // the cell's text afterwards

    QTest::newRow("Ctrl+C copies the cell") << u"Ctrl+C"_s << QString() << u"32°50.00′N"_s;
    QTest::newRow("Ctrl+X cuts the cell") << u"Ctrl+X"_s << u"剪切纬度"_s << QString();
}

void RouteWindowTest::cellClipboard()
{
    QFETCH(QString, key);
    QFETCH(QString, step);
    QFETCH(QString, left);

    Driver driver;
    driver.window().setWaypoints(threeWaypoints);
    driver.setCurrent(1, Column::Latitude);
    QGuiApplication::clipboard()->clear();
    driver.press(key);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"32°50.00′N"_s);
    QCOMPARE(driver.model().rowCount(), 3);
    QCOMPARE(driver.shown(1, Column::Latitude), left);
    QCOMPARE(driver.window().undoStack().undoText(), step);
}

// A message about a field goes from the status bar once the field reads,
// and a screen reader reads the status bar's message.
void RouteWindowTest::statusMessageGoes_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("refused");
    QTest::addColumn<QString>("fixed");

    QTest::newRow("departure") << u"departureEdit"_s << u"2025-03-01 08:0"_s << u"2025-03-01 08:00"_s;
    QTest::newRow("speed") << u"speedEdit"_s << u"12,5"_s << u"12.5"_s;
    QTest::newRow("dead reckoning course") << u"courseEdit"_s << u"9o"_s << u"90"_s;
}

void RouteWindowTest::statusMessageGoes()
{
    QFETCH(QString, field);
    QFETCH(QString, refused);
    QFETCH(QString, fixed);

    Driver driver;
    driver.window().setWaypoints(threeWaypoints);
    QLineEdit* edit = driver.control(field);
    QTest::keyClicks(edit, refused);
    QVERIFY2(driver.statusRead().contains(u"“%1”"_s.arg(refused)), qPrintable(driver.statusRead()));
    edit->setText(fixed);
    QCOMPARE(driver.statusRead(), QString());

    // A message that still holds comes back when a later one goes.
    QTest::keyClicks(driver.control(u"speedEdit"_s), u"x"_s);
    const QString speed = driver.statusRead();
    QTest::keyClicks(edit, u"y"_s);
    QVERIFY(driver.statusRead() != speed);
    edit->setText(fixed);
    QCOMPARE(driver.statusRead(), field == u"speedEdit"_s ? QString() : speed);

    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(driver.window().statusBar());
    QCOMPARE(bar->role(), QAccessible::StatusBar);
    QCOMPARE(bar->text(QAccessible::Name), u"状态栏"_s);
    QTest::keyClicks(edit, u"z"_s);
    QVERIFY(bar->text(QAccessible::Description).contains(u"z”"_s));
    QCOMPARE(bar->text(QAccessible::Description), driver.statusRead());
    edit->setText(fixed);
    QCOMPARE(bar->text(QAccessible::Description), driver.statusRead());
    for (int i = 0; i < bar->childCount(); ++i) {
        QVERIFY2(bar->child(i)->role() == QAccessible::StaticText
                     || !bar->child(i)->text(QAccessible::Name).isEmpty(),
                 "every other part of the status bar has a name");
    }
}

// The window fits the screen with room for a frame, the table takes the
// spare height and the panels never more than they need: also as ctest's
// small_screen runs it, at 200 % on a 1024 by 768 screen.
void RouteWindowTest::fitsTheScreen()
{
    Driver driver;
    driver.window().setWaypoints(threeWaypoints);
    RouteWindow& window = driver.window();
    const QRect screen = window.screen()->availableGeometry();
    QVERIFY2(screen.contains(window.frameGeometry()) && window.height() < screen.height(),
             qPrintable(u"%1x%2 on %3x%4"_s.arg(window.width()).arg(window.height())
                            .arg(screen.width()).arg(screen.height())));
    const int rowHeight = driver.table()->verticalHeader()->defaultSectionSize();
    QVERIFY2(driver.table()->viewport()->height() >= 5 * rowHeight,
             qPrintable(QString::number(driver.table()->viewport()->height())));

    // Every panel shows whole, or scrolls to what it cannot show.
    const QStringList panels{u"conditionsBox"_s, u"legBox"_s, u"deadReckoningBox"_s};
    for (const QString& name : panels) {
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

    // Once the panels show whole, a taller window gives every pixel to the
    // table.
    window.resize(window.width(), window.sizeHint().height());
    QCoreApplication::processEvents();
    const int table = driver.table()->height();
    QList<int> heights;
    for (const QString& name : panels)
        heights << window.findChild<QGroupBox*>(name)->height();
    window.resize(window.width(), window.height() + 120);
    QCoreApplication::processEvents();
    QCOMPARE(driver.table()->height(), table + 120);
    for (const QString& name : panels)
        QCOMPARE(window.findChild<QGroupBox*>(name)->height(), heights.takeFirst());
}

// The print dialog's PDF file holds the text as the exported PDF does:
// 长江口, not ⻓江⼝. The preview, painted first, writes no file.
void RouteWindowTest::printsSearchablePdf()
{
    const QString pdftotext = testing_external_tool::path("TARNQUIL_PDFTOTEXT");
    if (pdftotext.isEmpty())
        SKIP_WITHOUT_TOOL("pdftotext");
    QTemporaryDir folder;
    const QString path = folder.filePath(u"打印.pdf"_s);
    const QList<WaypointText> waypoints{{u"长江口"_s, u"3103N"_s, u"12220E"_s},
                                        {u"关门海峡"_s, u"3357N"_s, u"13057E"_s}};
    const tarnquil::RouteDocument route{u"长江口—关门海峡"_s, waypoints, {},
                                        tarnquil::makeRouteTable(waypoints, {})};
    QTimer::singleShot(0, this, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (!preview)
            return;
        QVERIFY(!QFile::exists(path));
        preview->printer()->setOutputFileName(path);  // as the print dialog's 打印到文件 sets it
        preview->findChild<QPrintPreviewWidget*>()->print();
        preview->accept();
    });
    tarnquil::printRoute(nullptr, route);
    QProcess process;
    process.start(pdftotext, {path, u"-"_s});
    QVERIFY(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const QString& name : {u"长江口"_s, u"关门海峡"_s})
        QVERIFY2(text.contains(name), qPrintable(text));
}

// 导出航线表 proposes a file of its own beside the waypoint file, and does
// not write over the waypoint file even when told to, however the route
// was named when it was opened.
void RouteWindowTest::exportTableNamesItsOwnFile_data()
{
    QTest::addColumn<QString>("opened");  // %1: the folder, as the dialog names it

    QTest::newRow("as the dialog names it") << u"%1/长江口.csv"_s;
    QTest::newRow("through ./") << u"%1/./长江口.csv"_s;
    QTest::newRow("through a folder and ..") << u"%1/航线/../长江口.csv"_s;
    QTest::newRow("doubled separators") << u"%1//长江口.csv"_s;
#ifdef Q_OS_WIN
    // The folder in capitals, the extension too: one file for Windows.
    QTest::newRow("in capitals") << u"%1/长江口.CSV"_s;
    QTest::newRow("backslashes") << u"%1\\长江口.csv"_s;
    QTest::newRow("the folder by its short 8.3 name") << u"%1/长江口.csv"_s;
#endif
}

void RouteWindowTest::exportTableNamesItsOwnFile()
{
    QFETCH(QString, opened);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(u"航线"_s));
    const QString path = folder.filePath(u"长江口.csv"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("名称,纬度,经度,航法\r\n长江口,3103N,12220E,\r\n济州岛南,3250N,12630E,GC\r\n");
    file.close();
    const QByteArray saved = [&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }();

    Driver driver;
    QString spelling = folder.path();
    if (opened.endsWith(u".CSV"_s))
        spelling = spelling.toUpper();
    if (opened.contains(u'\\'))
        spelling = QDir::toNativeSeparators(spelling);
    if (QByteArray(QTest::currentDataTag()).contains("8.3")) {
        spelling = testing_short_name::shortName(folder.path());
        if (spelling.isEmpty())
            QSKIP("this system gives the folder no short 8.3 name");
    }
    QVERIFY(driver.window().openRoute(opened.replace(u"%1"_s, spelling)));
    QString proposed;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        proposed = dialog->selectedFiles().value(0);
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();  // public as QDialog's
    });
    driver.window().findChild<QAction*>(u"exportTableAction"_s)->trigger();
    QCOMPARE(QFileInfo(proposed).fileName(), u"长江口-航段表.csv"_s);
    QVERIFY2(std::filesystem::equivalent(QFileInfo(proposed).filesystemAbsolutePath(),
                                         QFileInfo(folder.path()).filesystemAbsoluteFilePath()),
             qPrintable(proposed));
    QCOMPARE(driver.messages().size(), 1);
    QFile after(path);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), saved);
}

// The zone typed beside the departure and the zone chosen for arrivals: the
// table and the totals line show the times the route table gives for them;
// a zone that does not read gives no time at all.
void RouteWindowTest::zonesAndTotals_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<int>("etaZone");       // nav::EtaZone
    QTest::addColumn<QString>("arrivalZone");  // how the last arrival ends; empty: none

    const int departure = int(nav::EtaZone::Departure);
    QTest::newRow("default zone") << u"UTC+8"_s << departure << u" UTC+8"_s;
    QTest::newRow("typed without UTC") << u"-5"_s << departure << u" UTC-5"_s;
    QTest::newRow("half hour, arrivals in UTC") << u"+5:30"_s << int(nav::EtaZone::Utc) << u" UTC"_s;
    // 130°57′E keeps the clock of 135°E.
    QTest::newRow("ship's time") << u"UTC-5"_s << int(nav::EtaZone::Ship) << u" UTC+9"_s;
    QTest::newRow("a zone that does not read") << u"+15"_s << departure << QString();
}

void RouteWindowTest::zonesAndTotals()
{
    QFETCH(QString, zone);
    QFETCH(int, etaZone);
    QFETCH(QString, arrivalZone);

    Driver driver;
    driver.window().setWaypoints(threeWaypoints);
    driver.control(u"speedEdit"_s)->setText(u"12"_s);
    driver.control(u"departureEdit"_s)->setText(u"2025-03-01 08:00"_s);
    auto* zoneBox = driver.control<QComboBox>(u"zoneCombo"_s);
    zoneBox->setCurrentText(zone);
    auto* etaBox = driver.control<QComboBox>(u"etaZoneCombo"_s);
    etaBox->setCurrentIndex(etaBox->findData(etaZone));

    tarnquil::RouteSettings settings;
    settings.speed = 12;
    settings.departure = nav::readClockTime("2025-03-01 08:00");
    settings.departureZone = nav::readTimeZone(zone.toStdString()).value_or(nav::kUtc);
    settings.etaZone = nav::EtaZone(etaZone);
    const QList<tarnquil::RouteTableRow> rows = tarnquil::makeRouteTable(threeWaypoints, settings);
    const QString totals = driver.control<QLabel>(u"totalsLabel"_s)->text();
    if (arrivalZone.isEmpty()) {
        QVERIFY(!zoneBox->lineEdit()->toolTip().isEmpty());
        QCOMPARE(driver.shown(2, Column::Eta), QString());
        QVERIFY2(totals.contains(u"到达 —"_s), qPrintable(totals));
        return;
    }
    const QString arrival = rows[2].texts[qsizetype(tarnquil::LegColumn::Eta)];
    QVERIFY2(arrival.endsWith(arrivalZone), qPrintable(arrival));
    QCOMPARE(driver.shown(2, Column::Eta), arrival);
    QCOMPARE(driver.shown(0, Column::Eta), rows[0].texts[qsizetype(tarnquil::LegColumn::Eta)]);
    QCOMPARE(totals, tarnquil::totalsText(rows, settings.etaZone));
    // A screen reader reads the label's name, 合计, and its description.
    QCOMPARE(driver.control<QLabel>(u"totalsLabel"_s)->accessibleDescription(), totals);
    QVERIFY(driver.window().isWindowModified());
}

// 反转航线: one step to undo, each leg keeping its method and speed.
void RouteWindowTest::reverseIsOneStep()
{
    Driver driver;
    QList<WaypointText> waypoints = threeWaypoints;
    waypoints[2].speed = u"9"_s;
    driver.window().setWaypoints(waypoints);
    const QString total = driver.shown(2, Column::Cumulative);
    driver.window().findChild<QAction*>(u"reverseAction"_s)->trigger();
    QCOMPARE(driver.names(), (QStringList{u"C"_s, u"B"_s, u"A"_s}));
    QCOMPARE(driver.shown(1, Column::Speed), u"9"_s);
    QCOMPARE(driver.shown(2, Column::Method), u"GC"_s);
    QCOMPARE(driver.shown(2, Column::Cumulative), total);
    QCOMPARE(driver.window().undoStack().count(), 1);
    QCOMPARE(driver.window().undoStack().undoText(), u"反转航线"_s);
    driver.press(u"Ctrl+Z"_s);
    QCOMPARE(driver.names(), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
    QCOMPARE(driver.model().waypoints().at(2).speed, u"9"_s);
}

// A plan saved by the window opens again whole: speeds, remarks, the route's
// name, the departure with its zone, the model; a setting changed marks the
// route modified as an edit does.
void RouteWindowTest::planSurvivesSaveAndReopen()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"横渡.csv"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("名称,纬度,经度,航法,航速,备注\r\n长江口,3103N,12220E,,,引航站\r\n"
               "济州岛南,3250N,12630E,GC,14,\r\n");
    file.close();

    Driver driver;
    driver.window().setQuestion([](const QString&) { return true; });
    QVERIFY(driver.window().openRoute(path));
    driver.control(u"speedEdit"_s)->setText(u"12.5"_s);
    driver.control(u"departureEdit"_s)->setText(u"2025/3/1 8:00"_s);
    driver.control<QComboBox>(u"zoneCombo"_s)->setCurrentText(u"+9"_s);
    driver.control(u"routeNameEdit"_s)->setText(u"东海横渡"_s);
    auto* model = driver.control<QComboBox>(u"modelCombo"_s);
    model->setCurrentIndex(model->findData(int(nav::EarthModel::Sphere)));
    QVERIFY(driver.window().isWindowModified());
    QCOMPARE(driver.window().windowTitle(), u"航线计算 — 东海横渡 — 横渡.csv[*]"_s);
    driver.key(Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!driver.window().isWindowModified());

    Driver reopened;
    QVERIFY(reopened.window().openRoute(path));
    QCOMPARE(reopened.model().waypoints().at(0).remark, u"引航站"_s);
    QCOMPARE(reopened.model().waypoints().at(1).speed, u"14"_s);
    QCOMPARE(reopened.control(u"speedEdit"_s)->text(), u"12.5"_s);
    QCOMPARE(reopened.control(u"departureEdit"_s)->text(), u"2025-03-01 08:00"_s);
    QCOMPARE(reopened.control<QComboBox>(u"zoneCombo"_s)->currentText(), u"UTC+9"_s);
    QCOMPARE(reopened.control(u"routeNameEdit"_s)->text(), u"东海横渡"_s);
    QCOMPARE(reopened.control<QComboBox>(u"modelCombo"_s)->currentData().toInt(),
             int(nav::EarthModel::Sphere));
    QVERIFY(!reopened.window().isWindowModified());
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < Column::Remark + 1; ++column)
            QCOMPARE(reopened.shown(row, column), driver.shown(row, column));
    }
}

// The zone the arrivals are shown in is the plan's too: choosing it marks
// the route modified, and the file saved opens with it, from 船时 to UTC and
// back.
void RouteWindowTest::etaZoneSurvivesSaveAndReopen_data()
{
    QTest::addColumn<int>("saved");   // nav::EtaZone the file holds first
    QTest::addColumn<int>("chosen");  // nav::EtaZone chosen after reopening
    QTest::newRow("船时, then UTC") << int(nav::EtaZone::Ship) << int(nav::EtaZone::Utc);
    QTest::newRow("UTC, then 船时") << int(nav::EtaZone::Utc) << int(nav::EtaZone::Ship);
    QTest::newRow("船时, then the departure's zone") << int(nav::EtaZone::Ship) << int(nav::EtaZone::Departure);
}

void RouteWindowTest::etaZoneSurvivesSaveAndReopen()
{
    QFETCH(int, saved);
    QFETCH(int, chosen);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"横渡.csv"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("名称,纬度,经度,航法,航速,备注\r\n长江口,3103N,12220E,,,\r\n济州岛南,3250N,12630E,GC,14,\r\n");
    file.close();
    const auto choose = [](Driver& driver, int zone) {
        auto* box = driver.control<QComboBox>(u"etaZoneCombo"_s);
        box->setCurrentIndex(box->findData(zone));
    };
    const auto shownZone = [](Driver& driver) {
        return driver.control<QComboBox>(u"etaZoneCombo"_s)->currentData().toInt();
    };

    Driver first;
    first.window().setQuestion([](const QString&) { return true; });
    QVERIFY(first.window().openRoute(path));
    QVERIFY(!first.window().isWindowModified());
    choose(first, saved);
    QVERIFY(first.window().isWindowModified());
    QCOMPARE(first.window().windowTitle(), u"航线计算 — 横渡.csv[*]"_s);
    first.key(Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!first.window().isWindowModified());

    Driver second;
    QVERIFY(second.window().openRoute(path));
    QCOMPARE(shownZone(second), saved);
    QVERIFY(!second.window().isWindowModified());
    choose(second, chosen);
    QVERIFY(second.window().isWindowModified());
    second.key(Qt::Key_S, Qt::ControlModifier);

    Driver third;
    QVERIFY(third.window().openRoute(path));
    QCOMPARE(shownZone(third), chosen);
    QCOMPARE(third.model().settings().etaZone, nav::EtaZone(chosen));
}

// 导出航线表, 导出 GPX and 导出 PDF refuse what the command line refuses, in
// its words, before any dialog opens, with the refused cell made current.
void RouteWindowTest::exportRefusedByTheRule_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("speed");     // of the second waypoint's leg
    QTest::addColumn<QString>("latitude");  // of the second waypoint
    QTest::addColumn<int>("column");        // made current
    QTest::addColumn<QString>("message");
    const QString badSpeed = u"第 2 个航点的航速无法读取：航速“fast”无法识别：应为不小于 0.00000001 的节数，"
                             u"如 12、12.5 或 12kn。请改正后再导出。"_s;
    QTest::newRow("CSV, a leg's speed") << u"exportTableAction"_s << u"fast"_s << u"3250N"_s
                                        << int(Column::Speed) << badSpeed;
    QTest::newRow("GPX, a leg's speed") << u"exportGpxAction"_s << u"fast"_s << u"3250N"_s
                                        << int(Column::Speed) << badSpeed;
    QTest::newRow("PDF, a leg's speed") << u"exportPdfAction"_s << u"fast"_s << u"3250N"_s
                                        << int(Column::Speed) << badSpeed;
    QTest::newRow("GPX, a latitude") << u"exportGpxAction"_s << QString() << u"4250E"_s << int(Column::Latitude)
        << u"第 2 个航点的纬度“4250E”无法读取：“E”属于经度，纬度只能用 N、S（北、南）。请改正后再导出。"_s;
}

void RouteWindowTest::exportRefusedByTheRule()
{
    QFETCH(QString, action);
    QFETCH(QString, speed);
    QFETCH(QString, latitude);
    QFETCH(int, column);
    QFETCH(QString, message);
    Driver driver;
    WaypointText second{u"B"_s, latitude, u"12630E"_s, nav::Method::Rhumb};
    second.speed = speed;
    driver.window().setWaypoints({{u"A"_s, u"3103N"_s, u"12220E"_s, nav::Method::Rhumb}, second});
    bool dialogOpened = false;
    QTimer::singleShot(0, this, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialogOpened = true;
            dialog->close();
        }
    });
    driver.window().findChild<QAction*>(action)->trigger();
    QVERIFY(!dialogOpened);
    QCOMPARE(driver.messages(), QStringList{message});
    const QModelIndex current = driver.window().findChild<QTableView*>(u"waypointTable"_s)->currentIndex();
    QCOMPARE(current.row(), 1);
    QCOMPARE(current.column(), column);
}

QTEST_MAIN(RouteWindowTest)
// The 航法 cell takes the number of a method in its list (恒向线, 大圆) as
// typed, as one step to undo; a number beyond the list, or the first
// waypoint's cell, where no leg arrives, changes nothing.
void RouteWindowTest::methodChosenByItsNumber_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("methods");
    QTest::addColumn<int>("steps");

    QTest::newRow("2: 大圆") << 1 << int(Qt::Key_2) << u"RL GC RL"_s << 1;
    QTest::newRow("1: 恒向线, as it was") << 1 << int(Qt::Key_1) << u"RL RL RL"_s << 0;
    QTest::newRow("3: no such method") << 1 << int(Qt::Key_3) << u"RL RL RL"_s << 0;
    QTest::newRow("2 at the first waypoint") << 0 << int(Qt::Key_2) << u"RL RL RL"_s << 0;
}

void RouteWindowTest::methodChosenByItsNumber()
{
    QFETCH(int, row);
    QFETCH(int, key);
    QFETCH(QString, methods);
    QFETCH(int, steps);
    Driver driver;
    driver.window().setWaypoints({{u"A"_s, u"3000N"_s, u"12200E"_s},
                                  {u"B"_s, u"3100N"_s, u"12400E"_s},
                                  {u"C"_s, u"3200N"_s, u"12600E"_s}});
    driver.setCurrent(row, Column::Method);
    driver.key(key);
    QCoreApplication::processEvents();
    QStringList shown;
    for (const WaypointText& waypoint : driver.model().waypoints())
        shown << textsOf(waypoint).last();
    QCOMPARE(shown.join(u' '), methods);
    QCOMPARE(driver.window().undoStack().count(), steps);
    QCOMPARE(QApplication::focusWidget(), driver.table());
}

// 推算 with wind and current gives what --dead-reckoning gives, for each
// sign of α and of β. The expected texts are the command's, on WGS-84:
//   tarnquil --dead-reckoning "30°N 122°E" --course 030 --speed 12 --hours 2
//            --leeway A --set S --drift R [--log-correction -2]
// (one command line).
void RouteWindowTest::deadReckoningWithWindAndCurrent_data()
{
    QTest::addColumn<QString>("leeway");
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("correction");
    QTest::addColumn<QStringList>("shown");  // CA, CG, VG, β, γ, the DR

    QTest::newRow("α +, β +, ΔL -2") << u"+3"_s << u"120"_s << u"2"_s << u"-2"_s
        << QStringList{u"033.0°"_s, u"042.6°"_s, u"12.0 节"_s, u"+9.6°（左舷受流）"_s, u"+12.6°"_s,
                       u"30°17.77′N 122°18.77′E"_s};
    QTest::newRow("α -, β -") << u"-4"_s << u"300"_s << u"1.5"_s << QString()
        << QStringList{u"026.0°"_s, u"019.0°"_s, u"12.2 节"_s, u"-7.0°（右舷受流）"_s, u"-11.0°"_s,
                       u"30°23.13′N 122°09.14′E"_s};
    QTest::newRow("α +, β -") << u"3"_s << u"300"_s << u"1.5"_s << QString()
        << QStringList{u"033.0°"_s, u"025.8°"_s, u"12.0 节"_s, u"-7.2°（右舷受流）"_s, u"-4.2°"_s,
                       u"30°21.68′N 122°12.08′E"_s};
    QTest::newRow("α -, β +") << u"-4°"_s << u"120°"_s << u"2kn"_s << QString()
        << QStringList{u"026.0°"_s, u"035.5°"_s, u"12.0 节"_s, u"+9.5°（左舷受流）"_s, u"+5.5°"_s,
                       u"30°19.62′N 122°16.13′E"_s};
}

void RouteWindowTest::deadReckoningWithWindAndCurrent()
{
    QFETCH(QString, leeway);
    QFETCH(QString, set);
    QFETCH(QString, rate);
    QFETCH(QString, correction);
    QFETCH(QStringList, shown);
    Driver driver;
    driver.control(u"fromEdit"_s)->insert(u"30°N 122°E"_s);
    driver.control(u"courseEdit"_s)->insert(u"030"_s);
    driver.control(u"logSpeedEdit"_s)->insert(u"12"_s);
    driver.control(u"hoursEdit"_s)->insert(u"2"_s);
    driver.control(u"leewayEdit"_s)->insert(leeway);
    driver.control(u"setEdit"_s)->insert(set);
    driver.control(u"rateEdit"_s)->insert(rate);
    driver.control(u"logCorrectionEdit"_s)->insert(correction);
    QStringList results;
    for (const QString& name : {u"caEdit"_s, u"cgEdit"_s, u"groundSpeedEdit"_s, u"betaEdit"_s,
                                u"gammaEdit"_s, u"reachedEdit"_s})
        results << driver.control(name)->text();
    QCOMPARE(results, shown);
    // Run on a rhumb line whatever the list says, and so appended.
    QVERIFY(!driver.control<QComboBox>(u"runMethodCombo"_s)->isEnabled());
    QTest::keyClick(driver.control(u"hoursEdit"_s), Qt::Key_Return);
    QCOMPARE(driver.model().waypoints().size(), 1);
    QCOMPARE(driver.model().waypoints().at(0).method, nav::Method::Rhumb);
}

// 预配 on the leg arriving at the selected waypoint, 30°N 122°E to 31°N
// 122°E, whose rhumb-line course is 000: what --course-to-steer gives, its
// refusals in its words:
//   tarnquil --course-to-steer --track 000 --speed 10 --leeway A --set S --drift R
void RouteWindowTest::courseToSteerOnTheSelectedLeg_data()
{
    QTest::addColumn<QString>("leeway");
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("steer");       // TC
    QTest::addColumn<QString>("groundSpeed"); // VG
    QTest::addColumn<QString>("refusal");     // the command's standard error

    QTest::newRow("α -, β +") << u"-2"_s << u"090"_s << u"3"_s << u"344.5°"_s << u"9.5 节"_s << QString();
    QTest::newRow("α +, β -") << u"3"_s << u"270"_s << u"3"_s << u"014.5°"_s << u"9.5 节"_s << QString();
    QTest::newRow("no current: TC = CG − α") << u"3"_s << QString() << QString() << u"357.0°"_s
                                              << u"10.0 节"_s << QString();
    QTest::newRow("abeam faster than the ship") << QString() << u"090"_s << u"12"_s << QString() << QString()
        << u"计划航迹向 000.0° 保持不住：流垂直于航迹的分量大于船速，无论向哪一舷修正航向，都会被流压离航迹。"_s;
    QTest::newRow("ahead faster than the ship") << QString() << u"180"_s << u"12"_s << QString() << QString()
        << u"沿计划航迹向 000.0° 驶不出去：船在航迹上的速度抵不过逆航迹的流，对地航速为零或负。"_s;
}

void RouteWindowTest::courseToSteerOnTheSelectedLeg()
{
    QFETCH(QString, leeway);
    QFETCH(QString, set);
    QFETCH(QString, rate);
    QFETCH(QString, steer);
    QFETCH(QString, groundSpeed);
    QFETCH(QString, refusal);
    Driver driver;
    driver.window().setWaypoints({{u"A"_s, u"3000N"_s, u"12200E"_s}, {u"B"_s, u"3100N"_s, u"12200E"_s}});
    driver.setCurrent(1, Column::Name);
    driver.control(u"logSpeedEdit"_s)->insert(u"10"_s);
    driver.control(u"leewayEdit"_s)->insert(leeway);
    driver.control(u"setEdit"_s)->insert(set);
    driver.control(u"rateEdit"_s)->insert(rate);
    QCOMPARE(driver.control(u"steerEdit"_s)->text(), steer);
    QCOMPARE(driver.control(u"steerSpeedEdit"_s)->text(), groundSpeed);
    QCOMPARE(driver.control(u"steerEdit"_s)->toolTip(), refusal);
    if (!refusal.isEmpty())
        QCOMPARE(driver.window().statusBar()->currentMessage(), refusal);
    // The first waypoint has no leg to make good.
    driver.setCurrent(0, Column::Name);
    QVERIFY(driver.control(u"steerEdit"_s)->text().isEmpty());
    QVERIFY(driver.control(u"steerEdit"_s)->toolTip().isEmpty());
}

// What the panel refuses, marked on the field at fault with the reason.
void RouteWindowTest::windAndCurrentRefused_data()
{
    QTest::addColumn<QStringList>("typed");  // field, text, field, text …
    QTest::addColumn<QString>("field");      // the one marked
    QTest::addColumn<QString>("reason");     // a part of its reason

    QTest::newRow("a set without a rate") << QStringList{u"setEdit"_s, u"120"_s} << u"rateEdit"_s
                                          << u"流向与流速要一起给出"_s;
    QTest::newRow("a rate without a set") << QStringList{u"rateEdit"_s, u"2"_s} << u"setEdit"_s
                                          << u"流向与流速要一起给出"_s;
    QTest::newRow("the run and the hours") << QStringList{u"runEdit"_s, u"20"_s, u"hoursEdit"_s, u"2"_s}
                                           << u"runEdit"_s << u"请清空航程"_s;
    QTest::newRow("leeway beyond 45°") << QStringList{u"leewayEdit"_s, u"46"_s} << u"leewayEdit"_s
                                       << u"风压差"_s;
    QTest::newRow("a side instead of a sign") << QStringList{u"leewayEdit"_s, u"3 左"_s} << u"leewayEdit"_s
                                              << u"风压差"_s;
    QTest::newRow("a log correction in ‰") << QStringList{u"logCorrectionEdit"_s, u"-2‰"_s}
                                            << u"logCorrectionEdit"_s << u"计程仪改正率"_s;
    QTest::newRow("a set beyond 360") << QStringList{u"setEdit"_s, u"361"_s, u"rateEdit"_s, u"2"_s}
                                      << u"setEdit"_s << u"流向"_s;
    QTest::newRow("a run over the ground too long")
        << QStringList{u"logSpeedEdit"_s, u"12"_s, u"hoursEdit"_s, u"100000"_s} << u"hoursEdit"_s
        << u"对地航程超出范围"_s;
}

void RouteWindowTest::windAndCurrentRefused()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, field);
    QFETCH(QString, reason);
    Driver driver;
    driver.control(u"fromEdit"_s)->insert(u"30°N 122°E"_s);
    driver.control(u"courseEdit"_s)->insert(u"030"_s);
    driver.control(u"logSpeedEdit"_s)->insert(u"12"_s);
    driver.control(u"hoursEdit"_s)->insert(u"2"_s);
    driver.control(u"logSpeedEdit"_s)->clear();
    driver.control(u"hoursEdit"_s)->clear();
    for (qsizetype i = 0; i + 1 < typed.size(); i += 2)
        driver.control(typed[i])->insert(typed[i + 1]);
    const QString tip = driver.control(field)->toolTip();
    QVERIFY2(tip.contains(reason), qPrintable(tip));
    QVERIFY(driver.control(u"reachedEdit"_s)->text().isEmpty());
    QVERIFY(!driver.control<QAbstractButton>(u"appendButton"_s)->isEnabled());
}

// α, the set, the rate and ΔL are kept with the route: typing them marks it
// modified, and the CSV file saved and the GPX file exported open with
// them; a route opened without them clears them.
void RouteWindowTest::windAndCurrentSurviveSaveAndReopen_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("CSV") << u"横渡.csv"_s;
    QTest::newRow("GPX") << u"横渡.gpx"_s;
}

void RouteWindowTest::windAndCurrentSurviveSaveAndReopen()
{
    QFETCH(QString, fileName);
    QTemporaryDir folder;
    const QString plain = folder.filePath(u"无风流.csv"_s);
    QFile file(plain);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("名称,纬度,经度,航法,航速,备注\r\n长江口,3103N,12220E,,,\r\n济州岛南,3250N,12630E,GC,14,\r\n");
    file.close();
    const QStringList fields{u"leewayEdit"_s, u"setEdit"_s, u"rateEdit"_s, u"logCorrectionEdit"_s};
    const QStringList typed{u"+3"_s, u"120°"_s, u"2.5kn"_s, u"-2%"_s};
    const auto shown = [&fields](Driver& driver) {
        QStringList texts;
        for (const QString& name : fields)
            texts << driver.control(name)->text();
        return texts;
    };

    const QString path = folder.filePath(fileName);
    const bool csv = fileName.endsWith(u".csv"_s);
    Driver first;
    first.window().setQuestion([](const QString&) { return true; });
    if (csv)
        QVERIFY(QFile::copy(plain, path));
    QVERIFY(first.window().openRoute(csv ? path : plain));
    for (qsizetype i = 0; i < fields.size(); ++i)
        first.control(fields[i])->insert(typed[i]);
    QVERIFY(first.window().isWindowModified());
    if (csv) {
        first.key(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!first.window().isWindowModified());
    } else {
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();
        });
        first.window().findChild<QAction*>(u"exportGpxAction"_s)->trigger();
    }

    Driver second;
    QVERIFY(second.window().openRoute(path));
    QCOMPARE(shown(second), typed);
    QVERIFY(!second.window().isWindowModified());
    QCOMPARE(second.model().settings().reckoning.leeway, u"+3"_s);
    QVERIFY(second.window().openRoute(plain));
    QCOMPARE(shown(second), (QStringList{QString(), QString(), QString(), QString()}));
}

// A current typed into a leg's cell times it by its ground speed and shows
// the course to steer; one too strong to hold refuses 应驶航向 with the
// reason and leaves the arrivals from there empty. The arrivals are the hand
// computation of tests/nav/route_test.cpp (RhumbSolve's distances).
void RouteWindowTest::legCurrentTimesTheLeg_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QStringList>("shown");  // B's 应驶航向, 对地航速, C's 预计到达
    QTest::addColumn<QString>("refusal");    // B's 应驶航向's reason

    QTest::newRow("abeam from port") << u"180/2"_s
        << QStringList{u"078.5"_s, u"9.8"_s, u"2026-12-20 19:18 UTC+8"_s} << QString();
    QTest::newRow("abeam too strong") << u"180/12"_s << QStringList{QString(), QString(), QString()}
        << u"计划航迹向 090.0° 保持不住：流垂直于航迹的分量大于船速，无论向哪一舷修正航向，都会被流压离航迹。"_s;
    QTest::newRow("no slash") << u"180"_s << QStringList{QString(), QString(), QString()} << QString();
}

void RouteWindowTest::legCurrentTimesTheLeg()
{
    QFETCH(QString, current);
    QFETCH(QStringList, shown);
    QFETCH(QString, refusal);
    Driver driver;
    driver.window().setWaypoints({{u"A"_s, u"3000N"_s, u"12200E"_s}, {u"B"_s, u"3000N"_s, u"12300E"_s},
                                  {u"C"_s, u"3100N"_s, u"12300E"_s}});
    driver.control(u"speedEdit"_s)->setText(u"10"_s);
    driver.control(u"departureEdit"_s)->setText(u"2026-12-20 08:00"_s);
    driver.control<QComboBox>(u"zoneCombo"_s)->setCurrentText(u"UTC+8"_s);
    driver.typeInto(1, Column::Current, current);
    QCOMPARE(driver.model().waypoints().at(1).current, current);
    QCOMPARE(driver.window().undoStack().undoText(), u"编辑流向/流速"_s);
    QCOMPARE((QStringList{driver.shown(1, Column::CourseToSteer), driver.shown(1, Column::GroundSpeed),
                          driver.shown(2, Column::Eta)}),
             shown);
    QCOMPARE(driver.model().refusal(driver.model().index(1, Column::CourseToSteer)), refusal);
    // A current that does not read is marked in its own cell.
    const QString own = driver.model().refusal(driver.model().index(1, Column::Current));
    QCOMPARE(own.isEmpty(), !current.endsWith(u"180"_s));
    driver.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(driver.shown(2, Column::Eta), u"2026-12-20 19:12 UTC+8"_s);
}

#include "route_window_test.moc"
