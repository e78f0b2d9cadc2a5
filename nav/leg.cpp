// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/leg.h"

#include <algorithm>
#include <array>

namespace nav {

namespace {

struct MethodTexts {
    Method method;
    std::string_view code;
    std::string_view name;
    std::string_view word;
};

constexpr std::array<MethodTexts, 2> kMethods = {{
    {Method::Rhumb, "RL", "恒向线", "rl"},
    {Method::GreatCircle, "GC", "大圆", "gc"},
}};

const MethodTexts& textsOf(Method method)
{
    for (const MethodTexts& texts : kMethods) {
        if (texts.method == method)
            return texts;
    }
    return kMethods.front();
}

// ASCII letters only: the codes are ASCII, and no other character may stand
// for one of their letters.
bool equalIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&lower](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

std::string_view methodCode(Method method)
{
    return textsOf(method).code;
}

std::string_view methodName(Method method)
{
    return textsOf(method).name;
}

std::string_view methodWord(Method method)
{
    return textsOf(method).word;
}

std::optional<Method> readMethodText(std::string_view text)
{
    for (const MethodTexts& texts : kMethods) {
        if (equalIgnoringAsciiCase(text, texts.code) || text == texts.name)
            return texts.method;
    }
    return std::nullopt;
}

std::optional<Method> readMethodWord(std::string_view word)
{
    for (const MethodTexts& texts : kMethods) {
        if (word == texts.word)
            return texts.method;
    }
    return std::nullopt;
}

}  // namespace nav
