// SPDX-License-Identifier: GPL-3.0-or-later
// The kinds of observation a fix is made from (nav::ObservationKind), each
// described once: its words, the texts it is typed as, the unit and reader
// of its value, its option on the command line and its key in JSON. The fix
// window's kind column, its list and its tooltips, the printed sheet,
// `tarnquil --fix` and its --help and --json all read the kinds from here.
//
//   方位    --bearing "MARK" DEG          bearing   物标, 观测值 in degrees
//   距离    --range "MARK" NM             range     物标, 观测值 in n mile
//   水平角  --angle "MARK1" "MARK2" DEG   horizontal_angle
//                                                   物标, 物标2, 观测值 in degrees
//   天体高度 --altitude BODY TIME HS      altitude  物标 the body, 物标2 its limb,
//                                                   观测值 Hs in degrees, 时间或航程
//                                                   the sight's time (altitude_reading.h)
//
// A new kind is one entry of the table in observation_kinds.cpp, with its
// geometry in nav: its enumerator, its value's range (checkObservationValue,
// nav/observation.h) and its position line (nav/position_line.h).
#pragma once

#include "text/quantity_text.h"

#include "nav/errors.h"
#include "nav/observation.h"

#include <QString>
#include <QStringView>

#include <span>

namespace tarnquil {

// The texts of an observation, in the order the fix window's columns show
// them; the command line takes the marks and then the value, in this order.
//   类型  the kind, by its name
//   物标  the mark (物标2: a second mark, for the kinds that take one)
//   观测值 the value
//   时间或航程 when it was observed: the window's only
enum class ObservationColumn { Kind, Mark, Mark2, Value, When };
inline constexpr int observationColumns = 5;

// The unit of an observation's value: the units its text may end in
// (quantity_text.h) and the word that asks for it (请输入方位（度）。).
enum class ValueUnit { Degrees, NauticalMiles };

struct ObservationDescriptor {
    nav::ObservationKind kind;
    QStringView name;       // 方位: the 类型 cell and its list, the sheet, the messages
    QStringView option;     // --bearing
    QStringView arguments;  // what follows the option, as --help names it: "物标" 方位
    QString (*help)();      // what --help says of it
    QStringView jsonKey;    // "bearing", in --json's observations
    bool secondMark;        // whether it has 物标2, the second mark
    // A body's altitude: its 物标 names the body, its 物标2 the limb, its
    // 时间 is the sight's time, and it is reduced with the sights'
    // settings (日期, 区时, 眼高, 指标差, 温度, 气压, DUT1) from the DR.
    bool sight;
    nav::Quantity quantity;  // of its value: the refusal's words (refusals.h)
    ValueUnit unit;
    // Reads its value: a number in its unit, within the kind's range.
    QuantityReading (*readValue)(const ObservationDescriptor& kind, const QString& text,
                                 QStringView option);

    // Whether its row's 物标2 cell takes a text: the second mark, or an
    // altitude's limb.
    constexpr bool hasMark2Cell() const
    {
        return secondMark || sight;
    }

    // How many texts follow its option on the command line: the marks, the
    // value; an altitude's body, time and Hs.
    constexpr int values() const
    {
        return secondMark || sight ? 3 : 2;
    }
};

// Every kind, in the order of nav::ObservationKind and of the window's list.
std::span<const ObservationDescriptor> observationKinds();

const ObservationDescriptor& describe(nav::ObservationKind kind);

// The kind of a body's altitude, the one whose `sight` holds.
const ObservationDescriptor& sightKind();

// The kind a text of the 类型 cell names: its name, the name's first
// character or its number in the list from 1 ("水平角", "水", "3"), blanks
// around it ignored; nullptr for any other text.
const ObservationDescriptor* observationKindNamed(QStringView text);

// The kind a command-line option gives (--bearing); nullptr for another option.
const ObservationDescriptor* observationKindOfOption(QStringView option);

// The value of an observation of `kind`: empty ("请输入方位（度）。"), a
// number in the kind's unit within its range, or refused as fixValueRefusal
// refuses it. The reader of every kind whose value is a plain number.
QuantityReading readObservationNumber(const ObservationDescriptor& kind, const QString& text,
                                      QStringView option = {});

// The words the kinds make together, for the window's tooltips and the
// command line's messages:
//   observationKindNames()      方位、距离、水平角或天体高度
//   secondMarkKindNames()       水平角或天体高度  (the kinds whose 物标2 takes a text)
//   observationValueHint()      方位、水平角为度数（0 到 360），距离为海里数，
//                               天体高度为六分仪高度（0 到 90 度）
//   observationOptions()        --bearing、--range、--angle 或 --altitude
QString observationKindNames();
QString secondMarkKindNames();
QString observationValueHint();
QString observationOptions();

}  // namespace tarnquil
