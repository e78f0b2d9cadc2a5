// SPDX-License-Identifier: GPL-3.0-or-later
// The fix window and `tarnquil --fix` take the same texts: each row types
// its observations into the window's table from the keyboard and gives the
// same texts to the program as options. Both accept it, with the same fix,
// or both refuse it in the same words, the window in the cell the row names
// (the command line adds only the option, "方位（--bearing）“400”…").
// Watch times have no option: those rows go to the program as the
// observations file the window saves.
//
// The marks were placed with GeodSolve -E from the ship at 30°00′N 122°00′E:
//   A  30°05′N 122°00′E, due north (azimuth 0 on its meridian)
//   B  the geodesic of azimuth 90° and 6482 m (3.5 n mile) from the ship:
//      29.999982859459010N 122.067180528055587E
// so that A bearing 000, B bearing 090, B at 3.5 n mile and the angle 90
// from A to B each put the ship there; a run of 3.5 n mile due north keeps
// a bearing of A on the meridian.
#include "fixwindow/fix_window.h"
#include "routefiles/observation_file.h"
#include "text/observation_kinds.h"
#include "widgets/application_setup.h"
#include "tests/cli/program_run.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using tarnquil::ObservationColumn;
using Kind = nav::ObservationKind;

namespace {

// The ship's position, as both surfaces write a fix there.
const QString atTheShip = u"30°00.00′N 122°00.00′E"_s;

const QString markA = u"3005.0N 12200.0E"_s;
// B in each form, every digit of GeodSolve's.
const QString markB = u"2959.998971567541N 12204.030831683335E"_s;
const QString markBSeconds = u"29°59′59.938294052436″N 122°04′01.849901000113″E"_s;
const QString markBDegrees = u"29.999982859459010N 122.067180528055587E"_s;

// One observation as the window's cells hold it; `run` is what --run takes
// for a `when` that is a run, empty for none or a watch time.
struct Sight {
    Kind kind = Kind::Bearing;
    QString mark;
    QString mark2;
    QString value;
    QString when;
    QStringList run;
};

Sight bearing(const QString& mark, const QString& value) { return {Kind::Bearing, mark, {}, value, {}, {}}; }
Sight range(const QString& mark, const QString& value) { return {Kind::Range, mark, {}, value, {}, {}}; }
Sight angle(const QString& mark, const QString& mark2, const QString& value)
{
    return {Kind::HorizontalAngle, mark, mark2, value, {}, {}};
}
// A sight as the window's cells hold it: the body, its limb, Hs, the time.
Sight altitude(const QString& body, const QString& hs, const QString& time, const QString& limb = {})
{
    return {Kind::Altitude, body, limb, hs, time, {}};
}
Sight after(Sight sight, const QString& when, const QStringList& run = {})
{
    sight.when = when;
    sight.run = run;
    return sight;
}

// What both surfaces are to do with a row.
struct Outcome {
    QString fix;     // accepted: the fix expected, or empty where only the two must agree
    int refusedRow = -1;  // refused: the window's row and cell
    ObservationColumn refusedColumn = ObservationColumn::Mark;
};
Outcome accepted(const QString& fix = {}) { return {fix}; }
Outcome refused(int row, ObservationColumn column) { return {{}, row, column}; }

struct Settings {
    geo::NumberForm form = geo::NumberForm::Minutes;
    QString course;  // for watch times
    QString speed;
    QString near;    // the DR: the altitudes' assumed position
    QString height;  // of eye, for the altitudes
};

void typeInto(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : widget;
        QTest::sendKeyEvent(QTest::Press, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
        target = QApplication::focusWidget() ? QApplication::focusWidget() : widget;
        QTest::sendKeyEvent(QTest::Release, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// What the window shows for the row's texts typed into it.
struct WindowAnswer {
    QString fix;
    QString refusal;  // of the cell the row names
};

const char* formButton(geo::NumberForm form)
{
    switch (form) {
    case geo::NumberForm::Seconds:
        return "secondsOption";
    case geo::NumberForm::Degrees:
        return "degreesOption";
    case geo::NumberForm::Minutes:
        break;
    }
    return "minutesOption";
}

WindowAnswer typeIntoTheWindow(const QList<Sight>& sights, const Settings& settings,
                               const Outcome& outcome)
{
    tarnquil::FixWindow window;
    window.setPrompt([](const QString&) {});
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window))
        return {};
    window.findChild<QAbstractButton*>(QString::fromLatin1(formButton(settings.form)))->click();
    window.findChild<QLineEdit*>(u"courseEdit"_s)->setText(settings.course);
    window.findChild<QLineEdit*>(u"speedEdit"_s)->setText(settings.speed);
    window.findChild<QLineEdit*>(u"nearEdit"_s)->setText(settings.near);
    window.findChild<QLineEdit*>(u"heightOfEyeEdit"_s)->setText(settings.height);
    auto* table = window.findChild<QTableView*>(u"observationTable"_s);
    tarnquil::ObservationTableModel& model = window.model();
    const auto type = [&](int row, ObservationColumn column, const QString& text) {
        if (text.isEmpty())
            return;
        table->setFocus();
        table->setCurrentIndex(model.index(row, int(column)));
        typeInto(table, text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
    };
    for (int row = 0; row < sights.size(); ++row) {
        const Sight& sight = sights[row];
        model.setData(model.index(row, int(ObservationColumn::Kind)), int(sight.kind), Qt::EditRole);
        type(row, ObservationColumn::Mark, sight.mark);
        type(row, ObservationColumn::Mark2, sight.mark2);
        type(row, ObservationColumn::Value, sight.value);
        type(row, ObservationColumn::When, sight.when);
    }
    WindowAnswer answer{window.findChild<QLineEdit*>(u"fixEdit"_s)->text(), {}};
    if (outcome.refusedRow >= 0)
        answer.refusal = model.refusal(model.index(outcome.refusedRow, int(outcome.refusedColumn)));
    return answer;
}

// What the program writes: the fix on its first line, or the refusal.
struct CommandAnswer {
    int status = -1;
    QString fix;
    QString refusal;  // stderr's first line, after "tarnquil: "
};

CommandAnswer runTheProgram(const QStringList& arguments)
{
    const ProgramRun run = runProgram(QStringList{u"--fix"_s} + arguments);
    return {run.status, QString::fromUtf8(run.out).section(u'\n', 0, 0).trimmed(),
            run.err.section(u'\n', 0, 0).trimmed().remove(QRegularExpression(u"^tarnquil: "_s))};
}

QString formWord(geo::NumberForm form)
{
    switch (form) {
    case geo::NumberForm::Seconds:
        return u"秒"_s;
    case geo::NumberForm::Degrees:
        return u"度"_s;
    case geo::NumberForm::Minutes:
        break;
    }
    return u"分"_s;
}

// The row as options: each observation after its run, in the order observed.
QStringList options(const QList<Sight>& sights, const Settings& settings)
{
    QStringList arguments{u"--form"_s, formWord(settings.form)};
    if (!settings.near.isEmpty())
        arguments << u"--near"_s << settings.near;
    if (!settings.height.isEmpty())
        arguments << u"--height"_s << settings.height;
    for (const Sight& sight : sights) {
        if (!sight.run.isEmpty())
            arguments << u"--run"_s << sight.run;
        const tarnquil::ObservationDescriptor& kind = tarnquil::describe(sight.kind);
        if (sight.kind == Kind::Altitude) {
            arguments << kind.option.toString() << sight.mark << sight.when << sight.value;
            if (!sight.mark2.isEmpty())
                arguments << u"--limb"_s << sight.mark2;
            continue;
        }
        arguments << kind.option.toString() << sight.mark;
        if (kind.secondMark)
            arguments << sight.mark2;
        arguments << sight.value;
    }
    return arguments;
}

// The row as the observations file the window saves.
QString observationFile(const QTemporaryDir& folder, const QList<Sight>& sights,
                        const Settings& settings)
{
    tarnquil::FixTexts texts;
    texts.settings.form = settings.form;
    texts.settings.course = settings.course;
    texts.settings.speed = settings.speed;
    texts.settings.near = settings.near;
    texts.settings.heightOfEye = settings.height;
    for (const Sight& sight : sights)
        texts.rows << tarnquil::ObservationRow{sight.kind, sight.mark, sight.mark2, sight.value,
                                               sight.when, {settings.form, settings.form}};
    const QString path = folder.filePath(u"fix.csv"_s);
    return tarnquil::writeObservationFile(path, texts).isEmpty() ? path : QString();
}

}  // namespace

Q_DECLARE_METATYPE(QList<Sight>)
Q_DECLARE_METATYPE(Settings)
Q_DECLARE_METATYPE(Outcome)

class FixSurfacesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        tarnquil::prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    }
    void bothSurfacesAgree_data();
    void bothSurfacesAgree();
};

void FixSurfacesTest::bothSurfacesAgree_data()
{
    QTest::addColumn<QList<Sight>>("sights");
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<Outcome>("outcome");

    using enum ObservationColumn;
    const Settings minutes;
    const Settings seconds{geo::NumberForm::Seconds, {}, {}, {}, {}};
    const Settings degrees{geo::NumberForm::Degrees, {}, {}, {}, {}};
    const Sight north = bearing(markA, u"000"_s);
    const auto two = [&](const Sight& second) { return QList<Sight>{north, second}; };
    const auto row = [](const char* name) -> QTestData& { return QTest::newRow(name); };

    // Marks, each form of a position.
    row("packed 分 marks") << two(bearing(markB, u"090"_s)) << minutes << accepted(atTheShip);
    row("秒 marks") << QList<Sight>{bearing(u"300500N 1220000E"_s, u"000"_s),
                                    bearing(markBSeconds, u"090"_s)}
                    << seconds << accepted(atTheShip);
    row("a 分 mark in the 秒 form") << two(bearing(markBSeconds, u"090"_s)) << seconds
                                    << refused(0, Mark);
    row("度 marks") << QList<Sight>{bearing(u"30.0833333333333333N 122E"_s, u"000"_s),
                                    bearing(markBDegrees, u"090"_s)}
                    << degrees << accepted(atTheShip);
    row("degree and minute signs") << two(bearing(u"29°59.998971567541′N 122°04.030831683335′E"_s,
                                                  u"090"_s))
                                   << minutes << accepted(atTheShip);
    row("a named mark") << two(bearing(u"花鸟山 "_s + markB, u"090"_s)) << minutes
                        << accepted(atTheShip);
    row("a name given in another observation")
        << QList<Sight>{bearing(u"花鸟山 "_s + markB, u"090"_s), range(u"花鸟山"_s, u"3.5"_s)}
        << minutes << accepted(atTheShip);
    row("a full-width mark") << two(bearing(u"２９５９.９９８９７１５６７５４１Ｎ　"
                                            u"１２２０４.０３０８３１６８３３３５Ｅ"_s,
                                            u"090"_s))
                             << minutes << accepted(atTheShip);

    // Values: bearings, ranges and angles in each way they are written.
    row("a bearing with its sign") << two(bearing(markB, u"090°"_s)) << minutes << accepted(atTheShip);
    row("a bearing without its zero") << two(bearing(markB, u"90"_s)) << minutes << accepted(atTheShip);
    row("a bearing in 度") << two(bearing(markB, u"90.0度"_s)) << minutes << accepted(atTheShip);
    row("a bearing with a decimal") << two(bearing(markB, u"090.5"_s)) << minutes << accepted();
    row("full-width bearing digits") << two(bearing(markB, u"０９０"_s)) << minutes
                                     << accepted(atTheShip);
    row("a plain range") << two(range(markB, u"3.5"_s)) << minutes << accepted(atTheShip);
    row("a range in nm") << two(range(markB, u"3.5 nm"_s)) << minutes << accepted(atTheShip);
    row("a range in 海里") << two(range(markB, u"3.5海里"_s)) << minutes << accepted(atTheShip);
    row("full-width range digits") << two(range(markB, u"３.５ｎｍ"_s)) << minutes
                                   << accepted(atTheShip);
    row("a horizontal angle") << two(angle(markA, markB, u"90"_s)) << minutes << accepted(atTheShip);
    row("an angle with its sign") << two(angle(markA, markB, u"90°"_s)) << minutes
                                  << accepted(atTheShip);

    // Runs between the observations.
    const Sight southOfTheShip = bearing(markA, u"000"_s);
    row("a run as course/distance")
        << QList<Sight>{southOfTheShip,
                        after(bearing(markB, u"090"_s), u"000/3.5 nm"_s, {u"000"_s, u"3.5 nm"_s})}
        << minutes << accepted(atTheShip);
    row("a run with its unit after a blank")
        << QList<Sight>{southOfTheShip,
                        after(bearing(markB, u"090"_s), u"000 3.5海里"_s, {u"000"_s, u"3.5海里"_s})}
        << minutes << accepted(atTheShip);
    row("a run with a blank between")
        << QList<Sight>{southOfTheShip,
                        after(bearing(markB, u"090"_s), u"045 2"_s, {u"045"_s, u"2"_s})}
        << minutes << accepted();
    row("a run by watch times")
        << QList<Sight>{after(southOfTheShip, u"09:00"_s), after(bearing(markB, u"090"_s), u"09:30"_s)}
        << Settings{geo::NumberForm::Minutes, u"000"_s, u"7"_s, {}, {}} << accepted(atTheShip);

    // Refused texts: each in its cell, in the same words.
    row("a bearing beyond a circle") << two(bearing(markB, u"400"_s)) << minutes << refused(1, Value);
    row("a negative bearing") << two(bearing(markB, u"-5"_s)) << minutes << refused(1, Value);
    row("a distance unit on a bearing") << two(bearing(markB, u"90nm"_s)) << minutes
                                        << refused(1, Value);
    row("a range of nothing") << two(range(markB, u"0"_s)) << minutes << refused(1, Value);
    row("a range beyond sight") << two(range(markB, u"101"_s)) << minutes << refused(1, Value);
    row("a degree sign on a range") << two(range(markB, u"3.5°"_s)) << minutes << refused(1, Value);
    row("an angle beyond a circle") << two(angle(markA, markB, u"361"_s)) << minutes
                                    << refused(1, Value);
    row("an empty value") << two(bearing(markB, QString())) << minutes << refused(1, Value);
    row("an empty mark") << two(bearing(QString(), u"090"_s)) << minutes << refused(1, Mark);
    row("an empty second mark") << two(angle(markA, QString(), u"90"_s)) << minutes
                                << refused(1, Mark2);
    row("a latitude beyond the pole") << two(bearing(u"9100.0N 12200.0E"_s, u"090"_s)) << minutes
                                      << refused(1, Mark);
    row("a longitude counted to 360") << two(bearing(u"3000.0N 359.5"_s, u"090"_s)) << minutes
                                      << refused(1, Mark);
    row("a 0 to 360 longitude with its hemisphere")
        << two(bearing(u"3000.0N 3595E"_s, u"090"_s)) << minutes << refused(1, Mark);
    row("a 度 position in the 分 form") << two(bearing(u"29.99N 122.07E"_s, u"090"_s)) << minutes
                                        << refused(1, Mark);
    row("a mark with one coordinate") << two(bearing(u"3000.0N"_s, u"090"_s)) << minutes
                                      << refused(1, Mark);
    row("a name never placed") << two(bearing(u"灯塔"_s, u"090"_s)) << minutes << refused(1, Mark);
    row("garbage for a mark") << two(bearing(u"xyz"_s, u"090"_s)) << minutes << refused(1, Mark);
    row("garbage for a value") << two(bearing(markB, u"east"_s)) << minutes << refused(1, Value);
    row("a run's course beyond a circle")
        << QList<Sight>{southOfTheShip,
                        after(bearing(markB, u"090"_s), u"400/3.5"_s, {u"400"_s, u"3.5"_s})}
        << minutes << refused(1, When);
    row("a run's distance in degrees")
        << QList<Sight>{southOfTheShip,
                        after(bearing(markB, u"090"_s), u"000/3.5°"_s, {u"000"_s, u"3.5°"_s})}
        << minutes << refused(1, When);
    row("a watch time after none")
        << QList<Sight>{southOfTheShip, after(bearing(markB, u"090"_s), u"09:30"_s)}
        << Settings{geo::NumberForm::Minutes, u"000"_s, u"7"_s, {}, {}} << refused(1, When);
    row("a watch time that is none")
        << QList<Sight>{after(southOfTheShip, u"09:00"_s), after(bearing(markB, u"090"_s), u"25:30"_s)}
        << Settings{geo::NumberForm::Minutes, u"000"_s, u"7"_s, {}, {}} << refused(1, When);

    // Altitudes, from the DR at 30°N 122°E at 20:00 ship's time; the stars'
    // altitudes about as pyephem puts them there (Capella 41.0° in 053,
    // Deneb 35.2° in 307, Aldebaran 42.4° in 095, Sirius −1.9°):
    //   o = ephem.Observer(); o.lat = '30'; o.lon = '122'
    //   o.date = '2026/12/8 12:00:00'; s = ephem.star('Capella'); s.compute(o)
    const QString dusk = u"2026-12-08 20:00:00 +8"_s;
    Settings dr;
    dr.near = u"3000N 12200E"_s;
    dr.height = u"12"_s;
    const Sight capella = altitude(u"Capella"_s, u"41°03.0′"_s, dusk);
    row("three stars at dusk")
        << QList<Sight>{capella, altitude(u"天津四"_s, u"35°15.0′"_s, dusk),
                        altitude(u"毕宿五"_s, u"42°27.0′"_s, dusk)}
        << dr << accepted();
    row("a star and a bearing") << QList<Sight>{capella, bearing(markA, u"000"_s)} << dr << accepted();
    row("a body of no almanac") << QList<Sight>{capella, altitude(u"Nibiru"_s, u"30"_s, dusk)} << dr
                                << refused(1, Mark);
    row("an altitude past the zenith") << QList<Sight>{capella, altitude(u"Deneb"_s, u"95"_s, dusk)}
                                       << dr << refused(1, Value);
    row("a day that does not exist")
        << QList<Sight>{capella, altitude(u"Deneb"_s, u"35°15.0′"_s, u"2026-02-30 20:00 +8"_s)} << dr
        << refused(1, When);
    row("a star below the horizon") << QList<Sight>{capella, altitude(u"Sirius"_s, u"1"_s, dusk)} << dr
                                    << refused(1, Value);
}

void FixSurfacesTest::bothSurfacesAgree()
{
    QFETCH(QList<Sight>, sights);
    QFETCH(Settings, settings);
    QFETCH(Outcome, outcome);
    const WindowAnswer window = typeIntoTheWindow(sights, settings, outcome);
    const bool byWatchTimes = std::any_of(sights.begin(), sights.end(), [](const Sight& sight) {
        return sight.kind != Kind::Altitude && sight.when.contains(u':');
    });
    QTemporaryDir folder;
    const QStringList arguments = byWatchTimes ? QStringList{observationFile(folder, sights, settings)}
                                               : options(sights, settings);
    const CommandAnswer command = runTheProgram(arguments);
    if (outcome.refusedRow < 0) {
        QVERIFY2(command.status == 0, qPrintable(command.refusal));
        QCOMPARE(window.fix, command.fix);
        if (!outcome.fix.isEmpty())
            QCOMPARE(window.fix, outcome.fix);
        return;
    }
    QVERIFY2(!window.refusal.isEmpty(), qPrintable(window.fix));
    QCOMPARE(window.fix, QString());
    QCOMPARE(command.status, 1);
    // The command line names the option where the window has the cell,
    // and a file's row by its number.
    QString reason = command.refusal;
    reason.remove(QRegularExpression(u"（--[a-z-]+(?: 的 [^）]+)?）"_s));
    reason.remove(QRegularExpression(u"^第 \\d+ 行："_s));
    QCOMPARE(reason, window.refusal);
}

QTEST_MAIN(FixSurfacesTest)
#include "fix_surfaces_test.moc"
