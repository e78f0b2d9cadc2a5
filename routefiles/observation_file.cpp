// SPDX-License-Identifier: GPL-3.0-or-later
#include "routefiles/observation_file.h"

#include "routefiles/csv_records.h"
#include "routefiles/formula_guard.h"
#include "routefiles/gb18030_text.h"
#include "routefiles/save_file.h"

#include "text/current_words.h"
#include "text/file_messages.h"
#include "text/form_words.h"
#include "text/observation_kinds.h"
#include "text/option_words.h"
#include "text/quoted_text.h"

#include "nav/earth_model.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <iterator>
#include <span>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

constexpr QStringView settingsHeader[] = {u"设置", u"值", u"形式"};
constexpr QStringView observationsHeader[] = {u"类型",    u"物标",     u"物标2",    u"观测值",
                                              u"时间或航程", u"物标形式", u"物标2形式"};
constexpr QStringView modelSetting = u"地球模型";
constexpr QStringView formSetting = u"输入形式";

// The settings held as typed, in the order they are written: a text, and
// for a position the form it is read in.
// The settings of the sights and of 求流 are written only when one of
// their group holds a text, so that the file of a fix without them is what
// it was before they existed.
enum class Group { Fix, Sights, Current };

struct TextSetting {
    Group group;
    QString name;
    QString& (*text)(FixSettingTexts&);
    geo::NumberForm* (*form)(FixSettingTexts&) = nullptr;
};

const TextSetting textSettings[] = {
    {Group::Fix, u"罗经差"_s, [](FixSettingTexts& s) -> QString& { return s.compassError; }},
    {Group::Fix, u"推算船位"_s, [](FixSettingTexts& s) -> QString& { return s.near; },
     [](FixSettingTexts& s) { return &s.nearForm; }},
    {Group::Fix, u"航向"_s, [](FixSettingTexts& s) -> QString& { return s.course; }},
    {Group::Fix, u"航速"_s, [](FixSettingTexts& s) -> QString& { return s.speed; }},
    {Group::Sights, u"日期"_s, [](FixSettingTexts& s) -> QString& { return s.date; }},
    {Group::Sights, u"区时"_s, [](FixSettingTexts& s) -> QString& { return s.zone; }},
    {Group::Sights, u"眼高"_s, [](FixSettingTexts& s) -> QString& { return s.heightOfEye; }},
    {Group::Sights, u"指标差"_s, [](FixSettingTexts& s) -> QString& { return s.indexCorrection; }},
    {Group::Sights, u"温度"_s, [](FixSettingTexts& s) -> QString& { return s.temperature; }},
    {Group::Sights, u"气压"_s, [](FixSettingTexts& s) -> QString& { return s.pressure; }},
    {Group::Sights, u"DUT1"_s, [](FixSettingTexts& s) -> QString& { return s.dut1; }},
    {Group::Current, u"风压差"_s, [](FixSettingTexts& s) -> QString& { return s.leeway; }},
    {Group::Current, currentQuantityName(nav::Quantity::LogCorrection) + u"（%）"_s, [](FixSettingTexts& s) -> QString& { return s.logCorrection; }},
    {Group::Current, u"第一船位"_s, [](FixSettingTexts& s) -> QString& { return s.first.position; },
     [](FixSettingTexts& s) { return &s.first.form; }},
    {Group::Current, u"第一船位时间"_s, [](FixSettingTexts& s) -> QString& { return s.first.time; }},
    {Group::Current, u"第二船位"_s, [](FixSettingTexts& s) -> QString& { return s.second.position; },
     [](FixSettingTexts& s) { return &s.second.form; }},
    {Group::Current, u"第二船位时间"_s, [](FixSettingTexts& s) -> QString& { return s.second.time; }},
};

QString settingNames()
{
    QStringList names{modelSetting.toString(), formSetting.toString()};
    for (const TextSetting& setting : textSettings)
        names << setting.name;
    const QString last = names.takeLast();
    return names.join(u'、') + u"或"_s + last;
}

QString line(std::initializer_list<QString> fields)
{
    QStringList guardedFields;
    for (const QString& field : fields)
        guardedFields << formulaGuarded(field);
    return csvLine(guardedFields) + u"\r\n"_s;
}

QString headerLine(std::span<const QStringView> names)
{
    QStringList fields;
    for (const QStringView name : names)
        fields << name.toString();
    return csvLine(fields) + u"\r\n"_s;
}

struct Refusal {
    qint64 line;
    QString message;
};

[[noreturn]] void refuse(qint64 line, const QString& message)
{
    throw Refusal{line, message};
}

bool isHeader(const CsvRecord& record, std::span<const QStringView> names)
{
    if (record.fields.size() != qsizetype(names.size()))
        return false;
    for (qsizetype i = 0; i < record.fields.size(); ++i)
        if (record.fields[i].trimmed() != names[i])
            return false;
    return true;
}

QString field(const CsvRecord& record, qsizetype i)
{
    return formulaUnguarded(record.fields.value(i));
}

geo::NumberForm formIn(const CsvRecord& record, qsizetype i)
{
    const QString word = field(record, i).trimmed();
    if (word.isEmpty())
        return geo::NumberForm::Minutes;
    if (const std::optional<geo::NumberForm> form = readFormWord(word.toStdString()))
        return *form;
    refuse(record.line, u"形式%1无法识别：应为分、秒或度。"_s.arg(quotedText(word)));
}

// ",,," as a spreadsheet writes the empty line between the tables.
bool isBlank(const CsvRecord& record)
{
    return std::all_of(record.fields.cbegin(), record.fields.cend(),
                       [](const QString& field) { return field.trimmed().isEmpty(); });
}

class Reader {
public:
    FixTexts read(const QList<CsvRecord>& records)
    {
        qsizetype i = 0;
        if (records.isEmpty() || !isHeader(records[0], settingsHeader))
            refuse(records.isEmpty() ? 1 : records[0].line,
                   u"不是陆标定位观测文件：第一行应为“设置,值,形式”。"_s);
        for (i = 1; i < records.size() && !isHeader(records[i], observationsHeader); ++i)
            if (!isBlank(records[i]))
                readSetting(records[i]);
        for (++i; i < records.size(); ++i)
            if (!isBlank(records[i]))
                readObservation(records[i]);
        return texts_;
    }

private:
    void readSetting(const CsvRecord& record)
    {
        if (record.fields.size() > 3)
            refuse(record.line, u"这一行的值多于表头的 3 列。"_s);
        const QString name = record.fields.value(0).trimmed();
        if (seen_.contains(name))
            refuse(record.line, u"设置%1重复。"_s.arg(quotedText(name)));
        seen_ << name;
        FixSettingTexts& settings = texts_.settings;
        const QString value = field(record, 1);
        if (name == modelSetting) {
            const std::optional<nav::EarthModel> model =
                nav::readModelWord(value.trimmed().toStdString());
            if (!model)
                refuse(record.line, u"地球模型%1无法识别：应为 %2。"_s.arg(quotedText(value),
                                                                           modelWordChoices()));
            settings.model = *model;
        } else if (name == formSetting) {
            settings.form = formIn(record, 1);
        } else if (const TextSetting* setting = textSettingNamed(name)) {
            setting->text(settings) = value;
            if (setting->form)
                *setting->form(settings) = formIn(record, 2);
        } else {
            refuse(record.line, u"没有设置%1：设置应为%2；观测表之前应有表头“%3”。"_s.arg(
                                    quotedText(name), settingNames(),
                                    headerLine(observationsHeader).trimmed()));
        }
    }

    static const TextSetting* textSettingNamed(const QString& name)
    {
        for (const TextSetting& setting : textSettings)
            if (setting.name == name)
                return &setting;
        return nullptr;
    }

    void readObservation(const CsvRecord& record)
    {
        if (record.fields.size() > qsizetype(std::size(observationsHeader)))
            refuse(record.line, u"这一行的值多于表头的 %1 列。"_s.arg(std::size(observationsHeader)));
        const QString name = field(record, 0).trimmed();
        const ObservationDescriptor* kind = observationKindNamed(name);
        if (kind == nullptr)
            refuse(record.line, u"类型%1无法识别：应为%2。"_s.arg(quotedText(name), observationKindNames()));
        ObservationRow row;
        row.kind = kind->kind;
        row.mark = field(record, 1);
        row.mark2 = field(record, 2);
        row.value = field(record, 3);
        row.when = field(record, 4);
        row.forms = {formIn(record, 5), formIn(record, 6)};
        texts_.rows << row;
    }

    FixTexts texts_;
    QStringList seen_;
};

std::optional<QString> decoded(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (!decoder.hasError())
        return text;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return std::nullopt;
    return decodeGb18030(bytes);
}

}  // namespace

QByteArray observationFileBytes(const FixTexts& texts)
{
    const FixSettingTexts& settings = texts.settings;
    QString text = headerLine(settingsHeader);
    text += line({modelSetting.toString(), QString::fromUtf8(nav::modelWord(settings.model))});
    text += line({formSetting.toString(), formWord(settings.form)});
    FixSettingTexts written = settings;
    const auto held = [&](Group group) {
        return group == Group::Fix
            || std::any_of(std::begin(textSettings), std::end(textSettings), [&](const TextSetting& setting) {
                   return setting.group == group && !setting.text(written).isEmpty();
               });
    };
    for (const TextSetting& setting : textSettings) {
        if (!held(setting.group))
            continue;
        if (setting.form)
            text += line({setting.name, setting.text(written), formWord(*setting.form(written))});
        else
            text += line({setting.name, setting.text(written)});
    }
    text += u"\r\n"_s + headerLine(observationsHeader);
    for (const ObservationRow& row : texts.rows) {
        if (row.isEmpty())
            continue;
        text += line({describe(row.kind).name.toString(), row.mark, row.mark2, row.value, row.when,
                      formWord(row.forms.mark), formWord(row.forms.mark2)});
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}

ObservationFileReading readObservationBytes(const QByteArray& bytes)
{
    const std::optional<QString> text = decoded(bytes);
    if (!text)
        return {{}, u"文件既不是 UTF-8 编码，也不是 GB18030（GBK）编码。"_s};
    const CsvReading csv = readCsvRecords(*text);
    if (!csv.error.isEmpty())
        return {{}, csv.error};
    try {
        return {Reader().read(csv.records), {}};
    } catch (const Refusal& refusal) {
        return {{}, u"第 %1 行：%2"_s.arg(refusal.line).arg(refusal.message)};
    }
}

ObservationFileReading readObservationFile(const QString& path)
{
    if (const QString failure = notRegularFileFailure(path); !failure.isEmpty())
        return {{}, failure};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, openFailure(path, file.errorString())};
    const QByteArray bytes = file.read(maximumObservationFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, readFailure(path, file.errorString())};
    if (bytes.size() > maximumObservationFileBytes)
        return {{}, tooLargeFailure(path, u"观测", maximumObservationFileBytes)};
    ObservationFileReading reading = readObservationBytes(bytes);
    if (!reading.error.isEmpty())
        reading.error = quotedPath(path) + reading.error;
    return reading;
}

QString writeObservationFile(const QString& path, const FixTexts& texts)
{
    return saveFile(path, observationFileBytes(texts));
}

}  // namespace tarnquil
