// SPDX-License-Identifier: GPL-3.0-or-later
// The route window driven by the keyboard and the clipboard: pasting lines
// from a spreadsheet and a text, editing, undoing and redoing, marking a
// refused cell, adding, moving and deleting waypoints, dead reckoning, and
// an accessible name on every control.
#include "routewindow/print_preview.h"
#include "routewindow/refusal_mark.h"
#include "routewindow/route_window.h"
#include "routewindow/waypoint_clipboard.h"
#include "routewindow/waypoint_table_model.h"
#include "widgets/application_setup.h"
#include "widgets/prompt.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QRadioButton>
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
        table()->setCurrentIndex(model().index(row, column));
    }

    void paste(const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(table(), Qt::Key_V, Qt::ControlModifier);
    }

    // Types into the cell as a user does: the first key opens the editor,
    // Return commits the edit.
    void typeInto(int row, int column, const QString& text)
    {
        setCurrent(row, column);
        QTest::keyClick(table(), Qt::Key_F2);
        auto* editor = table()->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor != nullptr);
        editor->selectAll();
        editor->insert(text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate commits once the editor has handled the key.
        QTRY_VERIFY(table()->viewport()->findChild<QLineEdit*>() == nullptr);
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
    }

    void pasteEditUndoRedo();
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
    void resultFieldsAreNotEditable();
    void smallScreenLeavesRoomForFrame();
    void printPreview();
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

    driver.key(Qt::Key_Delete);
    QCOMPARE(driver.names(), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
    QCOMPARE(driver.window().undoStack().undoText(), u"删除航点"_s);
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
    source.window().setWaypoints({{u"长江口"_s, u"3103N"_s, u"12220E"_s},
                                  {u"济州岛南"_s, u"32-50N"_s, u"126-30E"_s, nav::Method::GreatCircle},
                                  {u"关门海峡"_s, u"33°57′N"_s, u"130°57′E"_s}});
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
    driver.key(Qt::Key_Delete);
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
    driver.key(Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!driver.window().isWindowModified());
    // What reads alike in every form is kept as typed; a packed number as the
    // position it was read as, so that the file opens to the same positions
    // whatever the form then.
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString saved = QString::fromUtf8(file.readAll());
    QVERIFY2(saved.contains(u"长江口,31.05°N,122.33333333333333°E,RL\r\n济州岛南,32-50N,126.5°E,GC"_s),
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

void RouteWindowTest::deadReckoningAppends()
{
    Driver driver;
    driver.window().setWaypoints({{u"长江口"_s, u"3103N"_s, u"12220E"_s}});
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
    QCOMPARE(driver.model().rowCount(), 2);
    QCOMPARE(driver.shown(1, Column::Latitude), u"31°03.00′N"_s);
    QCOMPARE(driver.window().undoStack().undoText(), u"添加推算船位"_s);
    driver.window().undoStack().undo();
    QCOMPARE(driver.model().rowCount(), 1);
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

QTEST_MAIN(RouteWindowTest)
#include "route_window_test.moc"
