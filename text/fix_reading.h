// SPDX-License-Identifier: GPL-3.0-or-later
// A fix as the navigator typed it, and what it reads as: the observations'
// rows (observation_rows.h) and the settings they are read with. The fix
// window shows this reading, and an observations file opened on the command
// line (`tarnquil --fix FILE.csv`) gives the same fix from the same texts.
//
// Settings, each a text as typed; an empty text is no value and no fault:
//   罗经差   compassError  the compass error applied to the bearings,
//                          readCompassErrorText: "-2.5", "+1°"
//   推算船位 near          the DR position a fix of two solutions is chosen
//                          near: a whole position, in nearForm
//   航向、航速 course, speed the course and speed between watch times
//                          ("09:30" in 时间或航程), and the ship's head
//                          and the log's speed of 求流
//   风压差   leeway        α of 求流, readLeewayText: "+3", "-2.5°"
//   计程仪改正率 logCorrection ΔL of 求流, readLogCorrectionText: "-2"
//   日期、区时 date, zone    the day and zone of the 天体高度 rows' watch
//                          times: readDateText "2026-12-08", a zone
//                          "+8" "UTC+8" "-5:30" (empty: UTC)
//   眼高、指标差、温度、气压、DUT1  heightOfEye, indexCorrection (Hs + i,
//                          arc-minutes), temperature, pressure, dut1: the
//                          sights' conditions as --sight reads them
//                          (celestial_text.h); empty: 0 m, 0′, 10 °C,
//                          1010 hPa, 0 s
//   第一船位、第二船位 first, second  the two fixes of 求流, each a whole
//                          position in its own form and the time it was
//                          taken, readTimeText: "2026-12-08 08:00 +8"
//                          (found_current_reading.h)
// The Earth model is chosen, not typed; `form` is how the next text typed
// is read, and changes no text already typed.
//
// The command line gives the same texts as options (`tarnquil --fix
// --bearing "花鸟山 3051.5N 12240.0E" 045 --run 090 3.5 …`), read by the
// same readers (observation_reading.h), the first text refused naming its
// option: 方位（--bearing）“400”超出范围：…
#pragma once

#include "text/observation_rows.h"

#include "geo/angle.h"
#include "geo/number_form.h"
#include "nav/earth_model.h"
#include "nav/fix.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

namespace tarnquil {

// A fix recorded for 求流: its position as typed or taken, and its time.
struct RecordedFixTexts {
    QString position;
    geo::NumberForm form = geo::NumberForm::Minutes;
    QString time;

    friend bool operator==(const RecordedFixTexts&, const RecordedFixTexts&) = default;
};

struct FixSettingTexts {
    nav::EarthModel model = nav::EarthModel::Wgs84;
    geo::NumberForm form = geo::NumberForm::Minutes;
    QString compassError;
    QString near;
    geo::NumberForm nearForm = geo::NumberForm::Minutes;
    QString course;
    QString speed;
    QString date;
    QString zone;
    QString heightOfEye;
    QString indexCorrection;
    QString temperature;
    QString pressure;
    QString dut1;
    QString leeway;
    QString logCorrection;
    RecordedFixTexts first;
    RecordedFixTexts second;

    friend bool operator==(const FixSettingTexts&, const FixSettingTexts&) = default;
};

// Every text of a fix: what is saved and reopened.
struct FixTexts {
    QList<ObservationRow> rows;
    FixSettingTexts settings;
};

struct FixReading {
    ReadRows rows;
    std::optional<double> compassError;
    std::optional<geo::GeoPoint> near;
    bool linesKnown = false;  // every setting the lines depend on reads
    std::optional<nav::Fix> fix;
    // Why there is no fix, each text that does not read with its reason (the
    // settings first, then "第 2 行：…" for the rows), or what to enter next.
    QStringList problems;
    bool hintOnly = false;  // the problems only say what to enter next
};

// Reads every text and fixes the ship when all of them read and there are
// at least two observations.
FixReading readFix(const FixTexts& texts);

// An observation or a run as the command line gives it: its option and
// the texts after it, the marks and then the value (an option that names
// no kind of observation_kinds.h: a run, its course and its distance).
struct OptionTexts {
    QStringView option;  // --bearing, --run
    QStringList values;
};

// What `tarnquil --fix` gives besides its observations: the texts of
// --compass-error and --near when given, and the form and the model chosen.
// Whether `option` gives an observed altitude (--altitude): its texts are
// the body, the time, Hs and, when --limb follows it, the limb.
bool isAltitudeOption(QStringView option);

// A sight option of the altitudes (--index-correction, --height,
// --temperature, --pressure, --dut1), read as --sight reads it; its text
// when given.
struct SightOptionText {
    QStringView option;
    std::optional<QString> text;
};

struct FixOptions {
    std::optional<QString> compassError;
    std::optional<QString> near;  // the DR, and every altitude's assumed position
    geo::NumberForm form = geo::NumberForm::Minutes;
    nav::EarthModel model = nav::EarthModel::Wgs84;
    std::array<SightOptionText, 5> sight = {{{u"--index-correction", {}},
                                             {u"--height", {}},
                                             {u"--temperature", {}},
                                             {u"--pressure", {}},
                                             {u"--dut1", {}}}};
};

struct FixOptionsReading {
    std::optional<nav::Fix> fix;
    // Why there is no fix: the first text refused, in the order the
    // sight options, the observations, --compass-error, --near (with
    // altitudes --near first), naming its option; or the
    // solver's reason (noFixMessage, fix_words.h).
    QString refusal;
    std::vector<nav::Observation> observations;  // the observations read, in order
    QList<MarkName> names;                       // the marks given a name
};

// Reads the observations and runs, in the order observed, and the options,
// and fixes the ship.
FixOptionsReading readFixOptions(const std::vector<OptionTexts>& observations,
                                 const FixOptions& options);

}  // namespace tarnquil
