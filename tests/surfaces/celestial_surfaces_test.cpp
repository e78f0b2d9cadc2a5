// SPDX-License-Identifier: GPL-3.0-or-later
// The celestial window and the celestial commands given the same texts:
// each row types its fields into the window and gives the same texts to
// `tarnquil` as arguments. Both answer with the same report, line for line,
// or both refuse in the same words, the window at the field the row names
// (the command line adds only the option, "天体（--compass-error）“Mercury”…").
#include "celestialwindow/celestial_window.h"
#include "celestialwindow/report_view.h"
#include "widgets/application_setup.h"
#include "tests/cli/program_run.h"

#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include <utility>

using namespace Qt::StringLiterals;
using tarnquil::CelestialField;
using tarnquil::CelestialWindow;
using Page = CelestialWindow::Page;
using Fields = QList<std::pair<CelestialField, QString>>;

Q_DECLARE_METATYPE(Fields)

namespace {

// Types the text into the widget key by key; QTest::keyClicks takes
// Latin-1 only, and the navigator types ° ′ and 太阳 too.
void typeInto(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

const QString ship = u"30°10.2′N 122°05.3′E"_s;

// The command line's refusal as the window words it: without "tarnquil: "
// and the option named in brackets.
QString withoutOption(QString message)
{
    static const QRegularExpression option(u"（--[^）]*）"_s);
    return message.trimmed().remove(0, QStringLiteral("tarnquil: ").size()).remove(option);
}

}  // namespace

class CelestialSurfacesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { tarnquil::prepareApplication(*qApp); }
    void sameTextsSameAnswers_data();
    void sameTextsSameAnswers();
};

void CelestialSurfacesTest::sameTextsSameAnswers_data()
{
    using F = CelestialField;
    QTest::addColumn<int>("page");
    QTest::addColumn<Fields>("fields");
    QTest::addColumn<bool>("amplitude");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("answered");
    QTest::addColumn<int>("refused");  // the field refused; None for a question refused whole
    QTest::addColumn<bool>("latitude");  // 测天 by 求纬度

    const QString time = u"2026-12-08 06:39 +8"_s;
    QTest::newRow("almanac") << int(Page::Almanac)
                             << Fields{{F::AlmanacTime, u"2026-12-08 09:30:15"_s}, {F::Dut1, u"0.2"_s}}
                             << false
                             << QStringList{u"--almanac"_s, u"2026-12-08 09:30:15"_s, u"--dut1"_s, u"0.2"_s}
                             << true << int(F::None) << false;
    QTest::newRow("compass by amplitude")
        << int(Page::Compass)
        << Fields{{F::Position, ship}, {F::CompassBody, u"太阳"_s}, {F::CompassTime, time},
                  {F::Bearing, u"118.5"_s}, {F::Variation, u"5.5W"_s}}
        << true
        << QStringList{u"--compass-error"_s, u"太阳"_s, time, u"--at"_s, ship, u"--bearing"_s,
                       u"118.5"_s, u"--amplitude"_s, u"--variation"_s, u"5.5W"_s}
        << true << int(F::None) << false;
    QTest::newRow("compass by azimuth, Sirius")
        << int(Page::Compass)
        << Fields{{F::Position, ship}, {F::CompassBody, u"Sirius"_s},
                  {F::CompassTime, u"2026-12-08 21:00 +8"_s}, {F::Bearing, u"135"_s}}
        << false
        << QStringList{u"--compass-error"_s, u"Sirius"_s, u"2026-12-08 21:00 +8"_s, u"--at"_s, ship,
                       u"--bearing"_s, u"135"_s}
        << true << int(F::None) << false;
    QTest::newRow("amplitude of the Sun high up")
        << int(Page::Compass)
        << Fields{{F::Position, ship}, {F::CompassBody, u"Sun"_s},
                  {F::CompassTime, u"2026-12-08 12:00 +8"_s}, {F::Bearing, u"180"_s}}
        << true
        << QStringList{u"--compass-error"_s, u"Sun"_s, u"2026-12-08 12:00 +8"_s, u"--at"_s, ship,
                       u"--bearing"_s, u"180"_s, u"--amplitude"_s}
        << false << int(F::None) << false;
    QTest::newRow("rise and set, zone and height")
        << int(Page::RiseSet)
        << Fields{{F::Position, ship}, {F::Date, u"2026-12-08"_s}, {F::Zone, u"+9"_s},
                  {F::HeightOfEye, u"15 米"_s}}
        << false
        << QStringList{u"--rise-set"_s, u"2026-12-08"_s, u"--at"_s, ship, u"--zone"_s, u"+9"_s,
                       u"--height"_s, u"15 米"_s}
        << true << int(F::None) << false;
    QTest::newRow("rise and set beyond the arctic circle")
        << int(Page::RiseSet)
        << Fields{{F::Position, u"78°13′N 15°38′E"_s}, {F::Date, u"2026-12-21"_s}}
        << false
        << QStringList{u"--rise-set"_s, u"2026-12-21"_s, u"--at"_s, u"78°13′N 15°38′E"_s}
        << true << int(F::None) << false;
    QTest::newRow("stars at dusk")
        << int(Page::Stars) << Fields{{F::Position, ship}, {F::StarsTime, u"2026-12-08 17:30 +8"_s}}
        << false << QStringList{u"--stars"_s, u"2026-12-08 17:30 +8"_s, u"--at"_s, ship}
        << true << int(F::None) << false;

    // A sight, reduced or for the latitude.
    const QString noon = u"2026-12-08 11:44 +8"_s;
    QTest::newRow("sun line at noon, corrected")
        << int(Page::Sight)
        << Fields{{F::Position, ship}, {F::SightBody, u"太阳"_s}, {F::SightTime, noon},
                  {F::Hs, u"37°00.6′"_s}, {F::IndexCorrection, u"-1.5"_s}, {F::HeightOfEye, u"15"_s}}
        << false
        << QStringList{u"--sight"_s, u"太阳"_s, noon, u"37°00.6′"_s, u"--at"_s, ship,
                       u"--index-correction"_s, u"-1.5"_s, u"--height"_s, u"15"_s}
        << true << int(F::None) << false;
    QTest::newRow("the Moon's upper limb on a cold day")
        << int(Page::Sight)
        << Fields{{F::Position, ship}, {F::SightBody, u"Moon"_s}, {F::Limb, u"上边"_s},
                  {F::SightTime, u"2026-12-08 10:00 +8"_s}, {F::Hs, u"40°12′"_s},
                  {F::Temperature, u"-5°C"_s}, {F::Pressure, u"1030 hPa"_s}}
        << false
        << QStringList{u"--sight"_s, u"Moon"_s, u"2026-12-08 10:00 +8"_s, u"40°12′"_s, u"--at"_s, ship,
                       u"--limb"_s, u"upper"_s, u"--temperature"_s, u"-5°C"_s, u"--pressure"_s,
                       u"1030 hPa"_s}
        << true << int(F::None) << false;
    QTest::newRow("noon latitude")
        << int(Page::Sight)
        << Fields{{F::Position, ship}, {F::SightBody, u"Sun"_s}, {F::SightTime, u"2026-12-08 11:43 +8"_s},
                  {F::Hs, u"37°00.6′"_s}, {F::HeightOfEye, u"15"_s}}
        << false
        << QStringList{u"--latitude"_s, u"Sun"_s, u"2026-12-08 11:43 +8"_s, u"37°00.6′"_s, u"--at"_s,
                       ship, u"--height"_s, u"15"_s}
        << true << int(F::None) << true;
    QTest::newRow("Polaris latitude")
        << int(Page::Sight)
        << Fields{{F::Position, ship}, {F::SightBody, u"北极星"_s}, {F::SightTime, u"2026-12-08 20:00 +8"_s},
                  {F::Hs, u"30°30′"_s}, {F::HeightOfEye, u"15"_s}}
        << false
        << QStringList{u"--latitude"_s, u"北极星"_s, u"2026-12-08 20:00 +8"_s, u"30°30′"_s, u"--at"_s,
                       ship, u"--height"_s, u"15"_s}
        << true << int(F::None) << true;
    QTest::newRow("an altitude over 90")
        << int(Page::Sight)
        << Fields{{F::Position, ship}, {F::SightBody, u"Sun"_s}, {F::SightTime, noon}, {F::Hs, u"95"_s}}
        << false << QStringList{u"--sight"_s, u"Sun"_s, noon, u"95"_s, u"--at"_s, ship}
        << false << int(F::Hs) << false;
    QTest::newRow("a temperature in kelvin")
        << int(Page::Sight)
        << Fields{{F::Position, ship}, {F::SightBody, u"Sun"_s}, {F::SightTime, noon}, {F::Hs, u"37"_s},
                  {F::Temperature, u"300K"_s}}
        << false
        << QStringList{u"--sight"_s, u"Sun"_s, noon, u"37"_s, u"--at"_s, ship, u"--temperature"_s, u"300K"_s}
        << false << int(F::Temperature) << false;
    QTest::newRow("Sirius below the horizon at noon")
        << int(Page::Sight)
        << Fields{{F::Position, ship}, {F::SightBody, u"Sirius"_s}, {F::SightTime, noon}, {F::Hs, u"20"_s}}
        << false << QStringList{u"--sight"_s, u"Sirius"_s, noon, u"20"_s, u"--at"_s, ship}
        << false << int(F::None) << false;
    QTest::newRow("a noon latitude 47 minutes late")
        << int(Page::Sight)
        << Fields{{F::Position, ship}, {F::SightBody, u"Sun"_s}, {F::SightTime, u"2026-12-08 12:30 +8"_s},
                  {F::Hs, u"37°00.6′"_s}}
        << false
        << QStringList{u"--latitude"_s, u"Sun"_s, u"2026-12-08 12:30 +8"_s, u"37°00.6′"_s, u"--at"_s, ship}
        << false << int(F::None) << true;

    // Refused, each at its field.
    QTest::newRow("no such body")
        << int(Page::Compass)
        << Fields{{F::Position, ship}, {F::CompassBody, u"Mercury"_s}, {F::CompassTime, time},
                  {F::Bearing, u"118.5"_s}}
        << false
        << QStringList{u"--compass-error"_s, u"Mercury"_s, time, u"--at"_s, ship, u"--bearing"_s,
                       u"118.5"_s}
        << false << int(F::CompassBody) << false;
    QTest::newRow("a time written 9.30")
        << int(Page::Almanac) << Fields{{F::AlmanacTime, u"2026-12-08 9.30"_s}} << false
        << QStringList{u"--almanac"_s, u"2026-12-08 9.30"_s} << false << int(F::AlmanacTime) << false;
    QTest::newRow("no 29 February 2025")
        << int(Page::Stars) << Fields{{F::Position, ship}, {F::StarsTime, u"2025-02-29 10:00"_s}}
        << false << QStringList{u"--stars"_s, u"2025-02-29 10:00"_s, u"--at"_s, ship}
        << false << int(F::StarsTime) << false;
    QTest::newRow("a year before the almanac's")
        << int(Page::Almanac) << Fields{{F::AlmanacTime, u"1969-07-20 20:17"_s}} << false
        << QStringList{u"--almanac"_s, u"1969-07-20 20:17"_s} << false << int(F::AlmanacTime) << false;
    QTest::newRow("a negative height of eye")
        << int(Page::RiseSet)
        << Fields{{F::Position, ship}, {F::Date, u"2026-12-08"_s}, {F::HeightOfEye, u"-1"_s}}
        << false
        << QStringList{u"--rise-set"_s, u"2026-12-08"_s, u"--at"_s, ship, u"--height"_s, u"-1"_s}
        << false << int(F::HeightOfEye) << false;
    QTest::newRow("no 30 February")
        << int(Page::RiseSet) << Fields{{F::Position, ship}, {F::Date, u"2026-02-30"_s}} << false
        << QStringList{u"--rise-set"_s, u"2026-02-30"_s, u"--at"_s, ship} << false << int(F::Date) << false;
    QTest::newRow("a zone beyond 14 hours")
        << int(Page::RiseSet)
        << Fields{{F::Position, ship}, {F::Date, u"2026-12-08"_s}, {F::Zone, u"+15"_s}} << false
        << QStringList{u"--rise-set"_s, u"2026-12-08"_s, u"--at"_s, ship, u"--zone"_s, u"+15"_s}
        << false << int(F::Zone) << false;
    QTest::newRow("a bearing over 360")
        << int(Page::Compass)
        << Fields{{F::Position, ship}, {F::CompassBody, u"Sun"_s}, {F::CompassTime, time},
                  {F::Bearing, u"400"_s}}
        << false
        << QStringList{u"--compass-error"_s, u"Sun"_s, time, u"--at"_s, ship, u"--bearing"_s, u"400"_s}
        << false << int(F::Bearing) << false;
    QTest::newRow("a variation with a sign and a side")
        << int(Page::Compass)
        << Fields{{F::Position, ship}, {F::CompassBody, u"Sun"_s}, {F::CompassTime, time},
                  {F::Bearing, u"118.5"_s}, {F::Variation, u"-2W"_s}}
        << false
        << QStringList{u"--compass-error"_s, u"Sun"_s, time, u"--at"_s, ship, u"--bearing"_s,
                       u"118.5"_s, u"--variation"_s, u"-2W"_s}
        << false << int(F::Variation) << false;
    QTest::newRow("DUT1 beyond 0.9 s")
        << int(Page::Almanac)
        << Fields{{F::AlmanacTime, u"2026-12-08 09:30"_s}, {F::Dut1, u"1.5"_s}} << false
        << QStringList{u"--almanac"_s, u"2026-12-08 09:30"_s, u"--dut1"_s, u"1.5"_s} << false << int(F::Dut1) << false;
    QTest::newRow("a position with a letter")
        << int(Page::Stars)
        << Fields{{F::Position, u"30°10.2′N 122°05.3′X"_s}, {F::StarsTime, u"2026-12-08 17:30 +8"_s}}
        << false
        << QStringList{u"--stars"_s, u"2026-12-08 17:30 +8"_s, u"--at"_s, u"30°10.2′N 122°05.3′X"_s}
        << false << int(F::Position) << false;
    QTest::newRow("a latitude over 90")
        << int(Page::Stars)
        << Fields{{F::Position, u"91°00′N 122°00′E"_s}, {F::StarsTime, u"2026-12-08 17:30 +8"_s}}
        << false
        << QStringList{u"--stars"_s, u"2026-12-08 17:30 +8"_s, u"--at"_s, u"91°00′N 122°00′E"_s}
        << false << int(F::Position) << false;
}

void CelestialSurfacesTest::sameTextsSameAnswers()
{
    QFETCH(int, page);
    QFETCH(Fields, fields);
    QFETCH(bool, amplitude);
    QFETCH(QStringList, arguments);
    QFETCH(bool, answered);
    QFETCH(int, refused);
    QFETCH(bool, latitude);

    CelestialWindow window;
    window.show();
    window.showPage(Page(page));
    window.setCompassBy(amplitude ? tarnquil::CompassBy::Amplitude : tarnquil::CompassBy::Azimuth);
    window.setSightBy(latitude ? tarnquil::SightBy::Latitude : tarnquil::SightBy::Reduction);
    for (const auto& [which, text] : fields) {
        QLineEdit* field = window.field(which);
        field->setFocus();
        field->selectAll();
        typeInto(field, text);
        QCOMPARE(field->text(), text);
    }
    const ProgramRun run = runProgram(arguments);
    const QString report = window.report(Page(page))->toPlainText();
    if (answered) {
        QCOMPARE(run.status, 0);
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
        // The command ends its last line; the window shows no empty line.
        // On Windows the console's lines end in CR LF.
        QCOMPARE(report + u'\n', QString::fromUtf8(run.out).remove(u'\r'));
        return;
    }
    QCOMPARE(run.status, 1);
    QVERIFY(run.out.isEmpty());
    const QString words = withoutOption(run.err);
    QCOMPARE(report, words);
    if (CelestialField(refused) != CelestialField::None)
        QCOMPARE(window.field(CelestialField(refused))->toolTip(), words);
}

QTEST_MAIN(CelestialSurfacesTest)
#include "celestial_surfaces_test.moc"
