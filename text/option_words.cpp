// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/option_words.h"
#include "text/form_words.h"
#include "text/quoted_text.h"
#include "text/utf8_text.h"

#include "nav/earth_model.h"

#include <QStringList>

#include <array>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

struct FormWords {
    geo::NumberForm form;
    std::string_view english;
};

constexpr std::array formWords = {
    FormWords{geo::NumberForm::Minutes, "minutes"},
    FormWords{geo::NumberForm::Seconds, "seconds"},
    FormWords{geo::NumberForm::Degrees, "degrees"},
};

// "a、b 或 c"
QString oneOf(const QStringList& words)
{
    return words.size() < 2 ? words.join(QString())
                            : words.first(words.size() - 1).join(u'、') + u" 或 "_s + words.last();
}

}  // namespace

std::optional<geo::NumberForm> readFormWord(std::string_view word)
{
    for (const FormWords& words : formWords) {
        if (word == formWord(words.form).toStdString() || word == words.english)
            return words.form;
    }
    return std::nullopt;
}

QString formWordChoices()
{
    QStringList words;
    for (const FormWords& form : formWords)
        words << formWord(form.form);
    for (const FormWords& form : formWords)
        words << fromUtf8(form.english);
    return oneOf(words);
}

QString modelWordChoices()
{
    QStringList words;
    for (const nav::EarthModel model : nav::kEarthModels)
        words << fromUtf8(nav::modelWord(model));
    return oneOf(words);
}

QString choiceRefusal(QStringView option, const QString& choices, const QString& word)
{
    return u"%1 应为 %2，不能是%3。"_s.arg(option, choices, quotedText(word));
}

}  // namespace tarnquil
