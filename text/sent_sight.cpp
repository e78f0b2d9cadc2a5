// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/sent_sight.h"

#include "text/celestial_text.h"
#include "text/observation_kinds.h"
#include "text/quoted_text.h"

#include "nav/sight_reduction.h"

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// One condition every 天体高度 row of a fix is read with.
struct Condition {
    QString words;
    QuantityReading (*reader)(const QString&, QStringView);
    double blank;  // what an empty text reads as
    QString FixSettingTexts::*fixText;
    QString SentSight::*sightText;
};

const Condition conditions[] = {
    {u"眼高"_s, readHeightOfEyeText, 0, &FixSettingTexts::heightOfEye, &SentSight::heightOfEye},
    {u"指标差"_s, readIndexCorrectionText, 0, &FixSettingTexts::indexCorrection,
     &SentSight::indexCorrection},
    {u"温度"_s, readTemperatureText, nav::kDefaultTemperature, &FixSettingTexts::temperature,
     &SentSight::temperature},
    {u"气压"_s, readPressureText, nav::kDefaultPressure, &FixSettingTexts::pressure, &SentSight::pressure},
    {u"DUT1"_s, readDut1Text, 0, &FixSettingTexts::dut1, &SentSight::dut1},
};

std::optional<double> valueOf(const Condition& condition, const QString& text)
{
    if (text.trimmed().isEmpty())
        return condition.blank;
    return condition.reader(text, {}).value;
}

// "“12”" or, for an empty text, what it reads as: "空（即 0）".
QString shownText(const Condition& condition, const QString& text)
{
    if (text.trimmed().isEmpty())
        return u"空（即 %1）"_s.arg(condition.blank);
    return quotedText(text.trimmed());
}

}  // namespace

TakenSight takeSight(const FixTexts& fix, const SentSight& sight)
{
    TakenSight taken{fix, {}};
    FixSettingTexts& settings = taken.texts.settings;
    const bool altitudes = std::any_of(fix.rows.cbegin(), fix.rows.cend(), [](const ObservationRow& row) {
        return describe(row.kind).sight;
    });
    for (const Condition& condition : conditions) {
        const QString& ours = settings.*condition.fixText;
        const QString& sent = sight.*condition.sightText;
        if (ours.trimmed().isEmpty() && !altitudes) {
            settings.*condition.fixText = sent.trimmed();
            continue;
        }
        const std::optional<double> fixValue = valueOf(condition, ours);
        if (!fixValue || fixValue != valueOf(condition, sent)) {
            taken.texts = fix;
            taken.refusal =
                u"陆标定位的%1为%2，此观测的为%3：定位中的天体高度都用同一%1改正，请先改为一致，未送出。"_s
                    .arg(condition.words, shownText(condition, ours), shownText(condition, sent));
            return taken;
        }
    }
    if (settings.near.trimmed().isEmpty()) {
        settings.near = sight.position.trimmed();
        settings.nearForm = geo::NumberForm::Minutes;
    }
    ObservationRow row;
    row.kind = sightKind().kind;
    row.mark = sight.row.body.trimmed();
    row.mark2 = sight.row.limb.trimmed();
    row.value = sight.row.hs.trimmed();
    row.when = sight.row.time.trimmed();
    taken.texts.rows.append(row);
    return taken;
}

}  // namespace tarnquil
