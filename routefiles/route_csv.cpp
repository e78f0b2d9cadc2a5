// SPDX-License-Identifier: GPL-3.0-or-later
#include "routefiles/route_csv.h"
#include "routefiles/csv_records.h"
#include "routefiles/exact_degrees.h"
#include "routefiles/formula_guard.h"
#include "routefiles/gb18030_text.h"

#include "text/file_messages.h"
#include "text/method_words.h"
#include "text/quantity_text.h"
#include "text/quoted_text.h"
#include "text/refusals.h"
#include "text/utf8_text.h"

#include "geo/coordinate_text.h"
#include "nav/display.h"
#include "nav/entry.h"
#include "nav/eta_zone.h"

#include <QFile>
#include <QLocale>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

enum class RouteField {
    Name, Latitude, Longitude, Method, LatitudeHemisphere, LongitudeHemisphere,
    Speed, Remark, Eta, RouteName, Model, Current, Leeway,
};
constexpr int routeFieldCount = 13;

struct HeaderWord {
    QStringView word;  // case-folded
    RouteField field;
};

constexpr std::array headerWords = {
    HeaderWord{u"名称", RouteField::Name},      HeaderWord{u"name", RouteField::Name},
    HeaderWord{u"纬度", RouteField::Latitude},  HeaderWord{u"lat", RouteField::Latitude},
    HeaderWord{u"latitude", RouteField::Latitude},
    HeaderWord{u"经度", RouteField::Longitude}, HeaderWord{u"lon", RouteField::Longitude},
    HeaderWord{u"longitude", RouteField::Longitude},
    HeaderWord{u"航法", RouteField::Method},    HeaderWord{u"method", RouteField::Method},
    HeaderWord{u"南北", RouteField::LatitudeHemisphere},
    HeaderWord{u"南/北", RouteField::LatitudeHemisphere},
    HeaderWord{u"ns", RouteField::LatitudeHemisphere},
    HeaderWord{u"n/s", RouteField::LatitudeHemisphere},
    HeaderWord{u"东西", RouteField::LongitudeHemisphere},
    HeaderWord{u"东/西", RouteField::LongitudeHemisphere},
    HeaderWord{u"ew", RouteField::LongitudeHemisphere},
    HeaderWord{u"e/w", RouteField::LongitudeHemisphere},
    HeaderWord{u"航速", RouteField::Speed},     HeaderWord{u"speed", RouteField::Speed},
    HeaderWord{u"备注", RouteField::Remark},    HeaderWord{u"remark", RouteField::Remark},
    HeaderWord{u"预计到达", RouteField::Eta},   HeaderWord{u"eta", RouteField::Eta},
    HeaderWord{u"航线名称", RouteField::RouteName}, HeaderWord{u"route", RouteField::RouteName},
    HeaderWord{u"地球模型", RouteField::Model}, HeaderWord{u"model", RouteField::Model},
    HeaderWord{u"流向/流速", RouteField::Current}, HeaderWord{u"current", RouteField::Current},
    HeaderWord{u"风压差", RouteField::Leeway},  HeaderWord{u"leeway", RouteField::Leeway},
};

// The columns a plan needs beyond the positions, in the order they are
// written; a file without one of them cannot hold what it holds.
constexpr std::array planFields = {RouteField::Method, RouteField::Speed, RouteField::Remark,
                                   RouteField::Eta, RouteField::RouteName, RouteField::Model};

// A hemisphere column that says not which coordinate it belongs to: that of
// the coordinate column beside it.
constexpr QStringView hemisphereWord = u"hemisphere";

// The route's own values, on lines of their own above the waypoint table.
enum class RouteSetting {
    RouteName, Model, Speed, Departure, Zone, EtaZone,
    Leeway, CurrentSet, CurrentRate, LogCorrection,
};

struct SettingName {
    QStringView name;
    RouteSetting setting;
};

constexpr QStringView settingsTitle = u"设置";
constexpr QStringView valueTitle = u"值";
constexpr std::array settingNames = {
    SettingName{u"航线名称", RouteSetting::RouteName}, SettingName{u"地球模型", RouteSetting::Model},
    SettingName{u"航速", RouteSetting::Speed},          SettingName{u"开航时间", RouteSetting::Departure},
    SettingName{u"区时", RouteSetting::Zone},          SettingName{u"预计到达按", RouteSetting::EtaZone},
    SettingName{u"推算风压差", RouteSetting::Leeway},  SettingName{u"推算流向", RouteSetting::CurrentSet},
    SettingName{u"推算流速", RouteSetting::CurrentRate}, SettingName{u"推算改正率", RouteSetting::LogCorrection},
};

// The dead reckoning's wind and current, kept as typed: the text each of
// their settings holds; none for the route's other settings.
QString ReckoningTexts::* reckoningText(RouteSetting setting)
{
    switch (setting) {
    case RouteSetting::Leeway:
        return &ReckoningTexts::leeway;
    case RouteSetting::CurrentSet:
        return &ReckoningTexts::currentSet;
    case RouteSetting::CurrentRate:
        return &ReckoningTexts::currentRate;
    case RouteSetting::LogCorrection:
        return &ReckoningTexts::logCorrection;
    default:
        return nullptr;
    }
}

const QByteArray byteOrderMark = "\xEF\xBB\xBF";
const QByteArray lineEnd = "\r\n";

QString fieldTitle(RouteField field)
{
    switch (field) {
    case RouteField::Name:
        return legColumnTitle(LegColumn::Name);
    case RouteField::Latitude:
        return legColumnTitle(LegColumn::Latitude);
    case RouteField::Longitude:
        return legColumnTitle(LegColumn::Longitude);
    case RouteField::Method:
        return legColumnTitle(LegColumn::Method);
    case RouteField::LatitudeHemisphere:
        return u"南北"_s;
    case RouteField::Speed:
        return legColumnTitle(LegColumn::Speed);
    case RouteField::Remark:
        return legColumnTitle(LegColumn::Remark);
    case RouteField::Eta:
        return legColumnTitle(LegColumn::Eta);
    case RouteField::RouteName:
        return u"航线名称"_s;
    case RouteField::Model:
        return u"地球模型"_s;
    case RouteField::Current:
        return legColumnTitle(LegColumn::Current);
    case RouteField::Leeway:
        return legColumnTitle(LegColumn::Leeway);
    case RouteField::LongitudeHemisphere:
        break;
    }
    return u"东西"_s;
}

// Thrown inside the reader, turned into the refusal at its door.
struct Refusal {
    QString message;
    qint64 line;
};

[[noreturn]] void refuse(qint64 line, const QString& reason)
{
    throw Refusal{u"第 %1 行："_s.arg(line) + reason, line};
}

// column from 0, as the header's
[[noreturn]] void refuseField(qint64 line, qsizetype column, const QString& reason)
{
    throw Refusal{u"第 %1 行第 %2 列"_s.arg(line).arg(column + 1) + reason, line};
}

// What the header says of the columns.
struct Header {
    std::array<qsizetype, routeFieldCount> columns;  // of each route field, from 0; -1 where absent
    QList<qsizetype> unnamed;                        // columns whose title is blank
    qsizetype width = 0;                             // the number of columns

    qsizetype column(RouteField field) const { return columns[std::size_t(field)]; }
};

std::optional<RouteField> headerField(const QString& title)
{
    const QString folded = title.trimmed().toCaseFolded();
    for (const HeaderWord& word : headerWords) {
        if (folded == word.word)
            return word.field;
    }
    return std::nullopt;
}

void claim(Header& header, const CsvRecord& record, qsizetype column, RouteField field)
{
    qsizetype& taken = header.columns[std::size_t(field)];
    if (taken >= 0)
        refuseField(record.line, column, u"：%1与第 %2 列重复，都是%3列。"_s.arg(
                                             quotedText(record.fields[column])).arg(taken + 1).arg(fieldTitle(field)));
    taken = column;
}

// The hemisphere field of the coordinate column at `column`, if it is one.
std::optional<RouteField> hemisphereOf(const Header& header, qsizetype column)
{
    if (column < 0)
        return std::nullopt;
    if (column == header.column(RouteField::Latitude))
        return RouteField::LatitudeHemisphere;
    if (column == header.column(RouteField::Longitude))
        return RouteField::LongitudeHemisphere;
    return std::nullopt;
}

// "Lat,Hemisphere,Lon,Hemisphere": each goes with the coordinate before it,
// as such files write it; failing that, with the one after it.
void pairHemispheres(Header& header, const CsvRecord& record, const QList<qsizetype>& hemispheres)
{
    for (const qsizetype column : hemispheres) {
        std::optional<RouteField> field = hemisphereOf(header, column - 1);
        if (!field || header.column(*field) >= 0)
            field = hemisphereOf(header, column + 1).value_or(field.value_or(RouteField::Name));
        if (field == RouteField::Name)
            refuseField(record.line, column, u"：%1的两旁都没有纬度或经度列，不知是哪一个的方位。"_s.arg(
                                                 quotedText(record.fields[column])));
        claim(header, record, column, *field);
    }
}

Header readHeader(const CsvRecord& record)
{
    Header header;
    header.columns.fill(-1);
    header.width = record.fields.size();
    QList<qsizetype> hemispheres;
    for (qsizetype i = 0; i < record.fields.size(); ++i) {
        const QString& title = record.fields[i];
        if (title.trimmed().isEmpty())
            header.unnamed.append(i);
        else if (title.trimmed().toCaseFolded() == hemisphereWord)
            hemispheres.append(i);
        else if (const std::optional<RouteField> field = headerField(title))
            claim(header, record, i, *field);
    }
    if (header.column(RouteField::Latitude) < 0)
        refuse(record.line, u"表头中没有纬度列（写作 纬度、lat 或 latitude）。"_s);
    if (header.column(RouteField::Longitude) < 0)
        refuse(record.line, u"表头中没有经度列（写作 经度、lon 或 longitude）。"_s);
    pairHemispheres(header, record, hemispheres);
    return header;
}

QString fieldOf(const CsvRecord& record, const Header& header, RouteField field)
{
    const qsizetype column = header.column(field);
    return column < 0 ? QString() : record.fields.value(column);
}

// A cell of text as typed, its formula guard taken off.
QString textOf(const CsvRecord& record, const Header& header, RouteField field)
{
    return formulaUnguarded(fieldOf(record, header, field));
}

// An empty cell is the default, the rhumb line.
nav::Method readMethod(const CsvRecord& record, const Header& header)
{
    const QString text = fieldOf(record, header, RouteField::Method);
    if (text.trimmed().isEmpty())
        return nav::Method::Rhumb;
    if (const std::optional<nav::Method> method = readMethodCell(text))
        return *method;
    refuseField(record.line, header.column(RouteField::Method),
                u"（%1）：%2不是航法，应为 %3。"_s.arg(fieldTitle(RouteField::Method), quotedText(text),
                                                     methodCodeChoices()));
}

bool isBlank(const QString& field)
{
    return field.trimmed().isEmpty();
}

// Nothing may be lost: a value in a column the header does not name, or
// beyond its last column, has nowhere to go.
void checkFieldsHaveColumns(const CsvRecord& record, const Header& header)
{
    for (qsizetype i = header.width; i < record.fields.size(); ++i) {
        if (!isBlank(record.fields[i]))
            refuse(record.line, u"有 %1 个字段，表头只有 %2 列，多出的%3不知属于哪一列。"_s
                                    .arg(record.fields.size()).arg(header.width)
                                    .arg(quotedText(record.fields[i])));
    }
    for (const qsizetype column : header.unnamed) {
        const QString value = record.fields.value(column);
        if (!isBlank(value))
            refuseField(record.line, column, u"：表头中这一列没有名称，不知%1是什么；"
                                             u"请在表头写上列名，或删去这一列。"_s.arg(quotedText(value)));
    }
}

// The side a hemisphere column's value says, when it says one and nothing
// else: "S", "南", "s" and "南纬" do; "-", "S1" and "30′S" do not.
std::optional<geo::StatedSide> hemisphereSide(const QString& value, geo::Axis axis)
{
    const geo::StatedSide side = geo::statedSide(value.toStdString(), axis);
    if (side != geo::StatedSide::Positive && side != geo::StatedSide::Negative)
        return std::nullopt;
    try {
        // One degree on that side, and nothing more: the value adds no number.
        const double degrees = geo::readRouteCoordinate((u"1°"_s + value).toStdString(),
                                                        geo::NumberForm::Degrees, axis);
        if (std::fabs(degrees) == 1)
            return side;
    } catch (const geo::CoordinateError&) {
    }
    return std::nullopt;
}

// The latitude or longitude of a record with the hemisphere of its own
// column, if the header has one: "31.4" and "S" give "31.4S".
QString coordinateText(const CsvRecord& record, const Header& header, geo::Axis axis)
{
    const bool latitude = axis == geo::Axis::Latitude;
    const RouteField coordinateField = latitude ? RouteField::Latitude : RouteField::Longitude;
    const RouteField hemisphereField =
        latitude ? RouteField::LatitudeHemisphere : RouteField::LongitudeHemisphere;
    const QString text = textOf(record, header, coordinateField);
    const QString hemisphere = fieldOf(record, header, hemisphereField).trimmed();
    if (hemisphere.isEmpty() || isBlank(text))
        return text;
    const qsizetype column = header.column(hemisphereField);
    const std::optional<geo::StatedSide> side = hemisphereSide(hemisphere, axis);
    if (!side)
        refuseField(record.line, column, u"（%1）：%2不是%3的方位，应为 %4。"_s.arg(
                                             fieldTitle(hemisphereField), quotedText(hemisphere),
                                             fieldTitle(coordinateField),
                                             latitude ? u"N 或 S（北、南）"_s : u"E 或 W（东、西）"_s));
    const geo::StatedSide own = geo::statedSide(text.toStdString(), axis);
    if (own == geo::StatedSide::Unstated) {
        const bool negative = *side == geo::StatedSide::Negative;
        return text.trimmed() + (latitude ? (negative ? u'S' : u'N') : (negative ? u'W' : u'E'));
    }
    // A hemisphere of the other axis is the table's to refuse, by name.
    if (own != geo::StatedSide::OtherAxis && own != *side)
        refuseField(record.line, column, u"（%1）：方位%2与第 %3 列%4%5的方位不一致。"_s.arg(
                                             fieldTitle(hemisphereField), quotedText(hemisphere))
                                             .arg(header.column(coordinateField) + 1)
                                             .arg(fieldTitle(coordinateField), quotedText(text)));
    return text;
}

// The line of the first bytes that are not UTF-8, for the message.
qint64 firstMalformedLine(const QByteArray& bytes)
{
    qint64 line = 1;
    for (QByteArrayView rest = bytes; !rest.isEmpty(); ++line) {
        const qsizetype end = rest.indexOf('\n');
        const QByteArrayView piece = end < 0 ? rest : rest.first(end);
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString ignored = decoder.decode(piece);
        if (decoder.hasError())
            return line;
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
    }
    return line;
}

struct DecodedText {
    QString text;
    QString encoding;
};

// UTF-8 first (the decoder passes over a byte-order mark at the start):
// Chinese in GB18030 is almost never also UTF-8, while ASCII is both. A file
// that starts with the byte-order mark says it is UTF-8, and bytes that are
// not are damage, not another encoding.
DecodedText decode(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (!decoder.hasError())
        return {std::move(text), utf8Encoding.toString()};
    if (bytes.startsWith(byteOrderMark))
        refuse(firstMalformedLine(bytes),
               u"文件以 UTF-8 的字节顺序标记开头，这一行却有不是 UTF-8 的字节。"_s);
    if (std::optional<QString> gb18030 = decodeGb18030(bytes))
        return {std::move(*gb18030), gb18030Encoding.toString()};
    refuse(firstMalformedLine(bytes),
           u"文件既不是 UTF-8 编码，也不是 GB18030（GBK）编码，请另存为“CSV UTF-8”。"_s);
}

bool isEmptyRecord(const CsvRecord& record)
{
    return std::all_of(record.fields.cbegin(), record.fields.cend(), isBlank);
}

std::optional<nav::EarthModel> readModelText(const QString& text)
{
    const std::string utf8 = text.trimmed().toStdString();
    for (const nav::EarthModel model : nav::kEarthModels) {
        if (utf8 == nav::modelName(model) || text.trimmed().toLower().toStdString() == nav::modelWord(model))
            return model;
    }
    return std::nullopt;
}

constexpr std::array etaZones = {nav::EtaZone::Departure, nav::EtaZone::Utc, nav::EtaZone::Ship};

// The zone by its name in the window (开航区时, UTC, 船时) or its word on
// the command line (depart, utc, ship).
std::optional<nav::EtaZone> readEtaZoneText(const QString& text)
{
    for (const nav::EtaZone zone : etaZones) {
        if (text == fromUtf8(nav::etaZoneName(zone)))
            return zone;
    }
    return nav::readEtaZoneWord(text.toStdString());
}

QString etaZoneChoices()
{
    QStringList names;
    for (const nav::EtaZone zone : etaZones)
        names << fromUtf8(nav::etaZoneName(zone));
    return names.join(u'、');
}

// Where a value of the route stands, for its refusal: a cell of the first
// waypoint's row, or the value of a settings line.
struct ValuePlace {
    qint64 line;
    qsizetype column;  // from 0
    QString title;
};

[[noreturn]] void refuseValue(const ValuePlace& place, const QString& reason)
{
    refuseField(place.line, place.column, u"（%1）：%2"_s.arg(place.title, reason));
}

// The route's speed; empty text for none.
std::optional<double> readRouteSpeed(const QString& text, const ValuePlace& place)
{
    if (text.isEmpty())
        return std::nullopt;
    const QuantityReading speed = readSpeedText(text);
    if (!speed.value)
        refuseValue(place, speed.refusal);
    return speed.value;
}

nav::EarthModel readRouteModel(const QString& text, const ValuePlace& place)
{
    if (const std::optional<nav::EarthModel> model = readModelText(text))
        return *model;
    refuseValue(place, u"%1不是地球模型，应为 %2 或 %3。"_s.arg(
                           quotedText(text), fromUtf8(nav::modelName(nav::EarthModel::Wgs84)),
                           fromUtf8(nav::modelName(nav::EarthModel::Sphere))));
}

// The old layout: the route's own values stand in the first waypoint's row:
// its 航速 (no leg arrives there) is the route's speed, its 预计到达 the
// departure with its zone, and the name and model columns hold a value there
// only.
void readRouteValues(const CsvRecord& record, const Header& header, RouteCsvReading& reading)
{
    const auto cell = [&](RouteField field) { return textOf(record, header, field).trimmed(); };
    const auto place = [&](RouteField field) {
        return ValuePlace{record.line, header.column(field), fieldTitle(field)};
    };
    if (header.column(RouteField::Speed) >= 0)
        reading.saved.speed = readRouteSpeed(cell(RouteField::Speed), place(RouteField::Speed));
    if (header.column(RouteField::Eta) >= 0) {
        reading.saved.departure = std::optional<nav::ClockTime>();
        // A zone alone: no departure, but the zone it is to be given in.
        if (const QString text = cell(RouteField::Eta); !text.isEmpty()) {
            const std::optional<nav::ZonedTime> departure = nav::readZonedTime(text.toStdString());
            reading.saved.departureZone = departure ? std::optional(departure->zone)
                                                    : nav::readTimeZone(text.toStdString());
            if (!reading.saved.departureZone)
                refuseValue(place(RouteField::Eta), departureRefusal(text));
            if (departure)
                reading.saved.departure = departure->clock;
        }
    }
    if (header.column(RouteField::Model) >= 0) {
        if (const QString text = cell(RouteField::Model); !text.isEmpty())
            reading.saved.model = readRouteModel(text, place(RouteField::Model));
    }
    if (header.column(RouteField::RouteName) >= 0)
        reading.routeName = textOf(record, header, RouteField::RouteName);
}

// The name and the model are the route's: a later row that says another
// would be lost.
void checkRouteValuesOnce(const CsvRecord& record, const Header& header, const CsvRecord& first)
{
    for (const RouteField field : {RouteField::RouteName, RouteField::Model}) {
        const QString text = fieldOf(record, header, field);
        if (!isBlank(text) && text != fieldOf(first, header, field))
            refuseField(record.line, header.column(field),
                        u"（%1）：%2与第一个航点所在行的%1不同；一条航线只有一个%1，写在第一个航点的行中。"_s
                            .arg(fieldTitle(field), quotedText(text)));
    }
}

// A record of fields, the first `names`, the rest blank: spreadsheets pad
// every line to the widest.
bool startsWith(const CsvRecord& record, std::initializer_list<QStringView> names)
{
    qsizetype i = 0;
    for (const QStringView name : names) {
        if (record.fields.value(i++).trimmed() != name)
            return false;
    }
    return std::all_of(record.fields.cbegin() + std::min(i, record.fields.size()), record.fields.cend(),
                       isBlank);
}

bool isSettingsHeader(const CsvRecord& record)
{
    return startsWith(record, {settingsTitle, valueTitle});
}

// Whether a record is the waypoint table's header, which a spreadsheet may
// have moved up to the settings by deleting the line between.
bool isTableHeader(const CsvRecord& record)
{
    return std::any_of(record.fields.cbegin(), record.fields.cend(), [](const QString& title) {
        return headerField(title) == RouteField::Latitude;
    });
}

// One settings line: a name of settingNames and its value.
class SettingsReader {
public:
    explicit SettingsReader(RouteCsvReading& reading) : reading_(reading) {}

    void read(const CsvRecord& record)
    {
        const QString name = record.fields.value(0).trimmed();
        const auto known = std::find_if(settingNames.cbegin(), settingNames.cend(),
                                        [&](const SettingName& s) { return s.name == name; });
        if (known == settingNames.cend())
            refuse(record.line, u"没有设置%1：设置应为%2；设置与航点表之间应空一行。"_s.arg(
                                    quotedText(name), routeSettingNames()));
        if (seen_.contains(name))
            refuse(record.line, u"设置%1重复。"_s.arg(quotedText(name)));
        seen_ << name;
        for (qsizetype i = 2; i < record.fields.size(); ++i) {
            if (!isBlank(record.fields[i]))
                refuseField(record.line, i, u"：设置%1只有一个值，不知多出的%2是什么。"_s.arg(
                                                quotedText(name), quotedText(record.fields[i])));
        }
        readValue(known->setting, formulaUnguarded(record.fields.value(1)), {record.line, 1, name});
    }

private:
    void readValue(RouteSetting setting, const QString& value, const ValuePlace& place)
    {
        const QString text = value.trimmed();
        SavedSettings& saved = reading_.saved;
        if (QString ReckoningTexts::*member = reckoningText(setting)) {
            if (!saved.reckoning)
                saved.reckoning.emplace();
            (*saved.reckoning).*member = text;
            return;
        }
        switch (setting) {
        case RouteSetting::RouteName:
            reading_.routeName = value;
            return;
        case RouteSetting::Model:
            saved.model = readRouteModel(text, place);
            return;
        case RouteSetting::Speed:
            saved.speed = readRouteSpeed(text, place);
            return;
        case RouteSetting::Departure:
            saved.departure = std::optional<nav::ClockTime>();
            if (!text.isEmpty()) {
                saved.departure = nav::readClockTime(text.toStdString());
                if (!*saved.departure)
                    refuseValue(place, departureRefusal(text));
            }
            return;
        case RouteSetting::Zone:
            saved.departureZone = nav::readTimeZone(text.toStdString());
            if (!saved.departureZone)
                refuseValue(place, timeZoneRefusal(text));
            return;
        case RouteSetting::EtaZone:
            saved.etaZone = readEtaZoneText(text);
            if (!saved.etaZone)
                refuseValue(place, u"%1不是预计到达所用的区时，应为 %2。"_s.arg(quotedText(text), etaZoneChoices()));
            return;
        default:
            return;
        }
    }

    RouteCsvReading& reading_;
    QStringList seen_;
};

// The settings lines after the settings header at `first`, up to a blank
// line or the table's header; returns where the table begins.
qsizetype readSettingLines(const QList<CsvRecord>& records, qsizetype first, RouteCsvReading& reading)
{
    SettingsReader settings(reading);
    qsizetype i = first + 1;
    for (; i < records.size() && !isEmptyRecord(records[i]) && !isTableHeader(records[i]); ++i)
        settings.read(records[i]);
    return i;
}

// The columns of a plan a header lacks; the settings lines, when there are
// some, hold the departure, the route's name and its model.
QStringList absentColumns(const Header& header, bool settingLines)
{
    QStringList absent;
    for (const RouteField field : planFields) {
        const bool setting =
            field == RouteField::Eta || field == RouteField::RouteName || field == RouteField::Model;
        if (header.column(field) < 0 && !(settingLines && setting))
            absent.append(fieldTitle(field));
    }
    return absent;
}

// A row of the table; the speed of the first row of the old layout is the
// route's, not the waypoint's.
WaypointText waypointOf(const CsvRecord& record, const Header& header, bool ownSpeed)
{
    WaypointText waypoint{textOf(record, header, RouteField::Name),
                          coordinateText(record, header, geo::Axis::Latitude),
                          coordinateText(record, header, geo::Axis::Longitude),
                          readMethod(record, header)};
    if (ownSpeed)
        waypoint.speed = textOf(record, header, RouteField::Speed).trimmed();
    waypoint.remark = textOf(record, header, RouteField::Remark);
    waypoint.current = textOf(record, header, RouteField::Current).trimmed();
    waypoint.leeway = textOf(record, header, RouteField::Leeway).trimmed();
    return waypoint;
}

// The waypoint table, its header first; without settings lines, the first
// row holds the route's values too.
void readTable(const QList<CsvRecord>& records, bool settingLines, RouteCsvReading& reading)
{
    const Header header = readHeader(records.front());
    reading.absentColumns = absentColumns(header, settingLines);
    for (qsizetype i = 1; i < records.size(); ++i) {
        const CsvRecord& record = records[i];
        checkFieldsHaveColumns(record, header);
        const bool routeRow = !settingLines && i == 1;
        if (routeRow)
            readRouteValues(record, header, reading);
        else if (!settingLines)
            checkRouteValuesOnce(record, header, records[1]);
        reading.waypoints.append(waypointOf(record, header, !routeRow));
        reading.lines.append(record.line);
    }
}

RouteCsvReading readWaypoints(const QByteArray& bytes)
{
    DecodedText decoded = decode(bytes);
    CsvReading csv = readCsvRecords(decoded.text);
    if (!csv.error.isEmpty())
        throw Refusal{csv.error, csv.errorLine};
    RouteCsvReading reading;
    reading.encoding = decoded.encoding;
    const auto first = std::find_if_not(csv.records.cbegin(), csv.records.cend(), isEmptyRecord);
    const bool settingLines = first != csv.records.cend() && isSettingsHeader(*first);
    const qint64 settingsLine = settingLines ? first->line : 0;
    if (settingLines)
        csv.records.remove(0, readSettingLines(csv.records, first - csv.records.cbegin(), reading));
    csv.records.removeIf(isEmptyRecord);
    if (csv.records.isEmpty() && settingLines)
        refuse(settingsLine, u"设置之后没有航点表，应在空一行后以表头开始，如 名称,纬度,经度,航法。"_s);
    if (csv.records.isEmpty())
        refuse(1, u"文件是空的，应以表头开始，如 名称,纬度,经度,航法。"_s);
    readTable(csv.records, settingLines, reading);
    return reading;
}

QByteArray csvFile(const QStringList& header, const QList<QStringList>& rows)
{
    QByteArray bytes = byteOrderMark + csvLine(header).toUtf8() + lineEnd;
    for (const QStringList& row : rows)
        bytes += csvLine(row).toUtf8() + lineEnd;
    return bytes;
}

QString plainNumber(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString settingValue(RouteSetting setting, const RouteDocument& document)
{
    const RouteSettings& settings = document.settings;
    if (QString ReckoningTexts::*member = reckoningText(setting))
        return settings.reckoning.*member;
    switch (setting) {
    case RouteSetting::RouteName:
        return document.name;
    case RouteSetting::Model:
        return fromUtf8(nav::modelName(settings.model));
    case RouteSetting::Speed:
        return settings.speed ? plainNumber(*settings.speed) : QString();
    case RouteSetting::Departure:
        return settings.departure ? fromUtf8(nav::formatClockTime(*settings.departure)) : QString();
    case RouteSetting::Zone:
        return fromUtf8(nav::formatTimeZone(settings.departureZone));
    default:
        break;
    }
    return fromUtf8(nav::etaZoneName(settings.etaZone));
}

// The settings header and a line for each setting, then the blank line
// before the table.
QByteArray settingLines(const RouteDocument& document)
{
    QByteArray bytes = csvLine({settingsTitle.toString(), valueTitle.toString()}).toUtf8() + lineEnd;
    for (const SettingName& name : settingNames) {
        // A route without wind and current is written as before them.
        if (reckoningText(name.setting) && document.settings.reckoning.isEmpty())
            continue;
        bytes += csvLine({name.name.toString(), formulaGuarded(settingValue(name.setting, document))})
                     .toUtf8()
            + lineEnd;
    }
    return bytes + lineEnd;
}

// A coordinate as a file keeps it (lastingCoordinateText), never a text a
// spreadsheet takes for a formula: one that reads and starts with a sign
// ("-73.9857", "+30°30′N") in degrees ("73.9857°W"), one that gives no
// position guarded.
QString positionCell(const QString& text, geo::NumberForm form, geo::Axis axis)
{
    const QString kept = lastingCoordinateText(text, form, axis);
    if (!needsFormulaGuard(kept))
        return kept;
    try {
        return exactDegreesText(geo::readRouteCoordinate(kept.toStdString(), form, axis), axis);
    } catch (const geo::CoordinateError&) {
        return formulaGuarded(kept);
    }
}

// The cells of a row that hold what the navigator typed as text.
void guardTexts(QStringList& cells)
{
    for (const LegColumn column : {LegColumn::Name, LegColumn::Speed, LegColumn::Remark}) {
        QString& cell = cells[qsizetype(column)];
        cell = formulaGuarded(cell);
    }
}

}  // namespace

QString routeSettingNames()
{
    QStringList names;
    for (const SettingName& name : settingNames)
        names << name.name.toString();
    return names.join(u'、');
}

RouteCsvReading readRouteCsv(const QByteArray& bytes)
{
    try {
        return readWaypoints(bytes);
    } catch (const Refusal& refusal) {
        RouteCsvReading refused;
        refused.error = refusal.message;
        refused.errorLine = refusal.line;
        return refused;
    }
}

RouteCsvReading readRouteCsvFile(const QString& path)
{
    QFile file(path);
    const auto refused = [](const QString& message) {
        RouteCsvReading reading;
        reading.error = message;
        return reading;
    };
    // A pipe or a device may never open or never end.
    if (const QString failure = notRegularFileFailure(path); !failure.isEmpty())
        return refused(failure);
    if (!file.open(QIODevice::ReadOnly))
        return refused(openFailure(path, file.errorString()));
    const QByteArray bytes = file.read(maximumRouteCsvBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(readFailure(path, file.errorString()));
    if (bytes.size() > maximumRouteCsvBytes)
        return refused(tooLargeFailure(path, u"CSV", maximumRouteCsvBytes));
    return readRouteCsv(bytes);
}

QString lastingCoordinateText(const QString& text, geo::NumberForm form, geo::Axis axis)
{
    const std::string utf8 = text.toStdString();
    double degrees = 0;
    try {
        degrees = geo::readRouteCoordinate(utf8, form, axis);
    } catch (const geo::CoordinateError&) {
        return text;  // no position to keep
    }
    for (const geo::NumberForm other :
         {geo::NumberForm::Minutes, geo::NumberForm::Seconds, geo::NumberForm::Degrees}) {
        try {
            if (geo::readRouteCoordinate(utf8, other, axis) != degrees)
                return exactDegreesText(degrees, axis);
        } catch (const geo::CoordinateError&) {
            return exactDegreesText(degrees, axis);
        }
    }
    return text;
}

QByteArray routeCsv(const QList<WaypointText>& waypoints, geo::NumberForm routeForm)
{
    QList<QStringList> rows;
    rows.reserve(waypoints.size());
    for (const WaypointText& waypoint : waypoints)
        rows.append({formulaGuarded(waypoint.name),
                     positionCell(waypoint.latitude, waypoint.latitudeForm.value_or(routeForm),
                                  geo::Axis::Latitude),
                     positionCell(waypoint.longitude, waypoint.longitudeForm.value_or(routeForm),
                                  geo::Axis::Longitude),
                     methodCell(waypoint.method)});
    return csvFile({fieldTitle(RouteField::Name), fieldTitle(RouteField::Latitude),
                    fieldTitle(RouteField::Longitude), fieldTitle(RouteField::Method)},
                   rows);
}

QByteArray legTableCsv(const RouteDocument& document)
{
    const RouteSettings& settings = document.settings;
    // A route without currents is written as before them.
    const bool withCurrents = hasLegCurrents(document.waypoints);
    QList<QStringList> texts;
    texts.reserve(document.rows.size());
    for (qsizetype i = 0; i < document.rows.size(); ++i) {
        const RouteTableRow& row = document.rows[i];
        QStringList cells = row.texts;
        QString& latitude = cells[qsizetype(LegColumn::Latitude)];
        QString& longitude = cells[qsizetype(LegColumn::Longitude)];
        if (row.position) {
            latitude = exactDegreesText(row.position->latitude, geo::Axis::Latitude);
            longitude = exactDegreesText(row.position->longitude, geo::Axis::Longitude);
        } else if (i < document.waypoints.size()) {
            // The half that reads, as a waypoint list keeps it; the other as typed.
            const WaypointText& waypoint = document.waypoints[i];
            latitude = positionCell(waypoint.latitude, waypoint.latitudeForm.value_or(settings.form),
                                    geo::Axis::Latitude);
            longitude = positionCell(waypoint.longitude, waypoint.longitudeForm.value_or(settings.form),
                                     geo::Axis::Longitude);
        }
        guardTexts(cells);
        if (withCurrents) {
            // The current and leeway as typed ("+3" a formula to a spreadsheet).
            for (const QString& text : row.currentTexts)
                cells.append(formulaGuarded(text));
        }
        texts.append(cells);
    }
    const QByteArray table =
        csvFile(withCurrents ? legColumnTitles() + currentColumnTitles() : legColumnTitles(), texts);
    return byteOrderMark + settingLines(document) + table.sliced(byteOrderMark.size());
}

}  // namespace tarnquil
