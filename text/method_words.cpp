// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/method_words.h"
#include "text/utf8_text.h"

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

constexpr nav::Method methods[] = {nav::Method::Rhumb, nav::Method::GreatCircle};

// "RL（恒向线）或 GC（大圆）", each method by `word`.
QString choices(std::string_view (*word)(nav::Method))
{
    const auto choice = [word](nav::Method method) {
        return fromUtf8(word(method)) + u"（"_s + fromUtf8(nav::methodName(method)) + u"）"_s;
    };
    return choice(methods[0]) + u"或 "_s + choice(methods[1]);
}

}  // namespace

QString methodCell(nav::Method method)
{
    return fromUtf8(nav::methodCode(method));
}

QString methodLabel(nav::Method method)
{
    return methodCell(method) + u' ' + fromUtf8(nav::methodName(method));
}

std::optional<nav::Method> readMethodCell(const QString& text)
{
    return nav::readMethodText(text.trimmed().toStdString());
}

std::optional<nav::Method> readMethodLabel(const QString& text)
{
    const QString word = text.trimmed();
    for (const nav::Method method : methods) {
        if (word == methodLabel(method))
            return method;
    }
    return readMethodCell(word);
}

QString methodCodeChoices()
{
    return choices(nav::methodCode);
}

QString methodWordChoices()
{
    return choices(nav::methodWord);
}

}  // namespace tarnquil
