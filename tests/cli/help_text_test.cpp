// SPDX-License-Identifier: GPL-3.0-or-later
// What `tarnquil --help` says against the manual page and the user's manual:
// the same options in all three, and every line of the help within the 80
// columns of a terminal, an ideograph or a full-width form taking two.
#include "cli/command_line_help.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype kTerminalColumns = 80;

// The options a text names: "--compass-error", "--json"; "-h" and the
// arguments of Qt are no such option.
QSet<QString> optionsIn(const QString& text)
{
    static const QRegularExpression option(u"(?<![\\w-])--[a-z][a-z0-9]*(?:-[a-z0-9]+)*"_s);
    QSet<QString> options;
    for (const QRegularExpressionMatch& match : option.globalMatch(text))
        options.insert(match.captured());
    return options;
}

// A terminal's columns for a character, as wcwidth gives them in a Chinese
// locale's narrow default: two for the East Asian wide and full-width ones
// (Hangul Jamo, CJK punctuation, ideographs, Hangul, full-width forms), one
// for the rest (° ′ − “ ” are narrow there).
qsizetype columnsOf(char32_t c)
{
    const auto within = [c](char32_t first, char32_t last) { return c >= first && c <= last; };
    const bool wide = within(0x1100, 0x115F) || within(0x2E80, 0x303E) || within(0x3041, 0x33FF)
                      || within(0x3400, 0x4DBF) || within(0x4E00, 0x9FFF) || within(0xA000, 0xA4CF)
                      || within(0xAC00, 0xD7A3) || within(0xF900, 0xFAFF) || within(0xFE30, 0xFE4F)
                      || within(0xFF00, 0xFF60) || within(0xFFE0, 0xFFE6);
    return wide ? 2 : 1;
}

qsizetype columnsOf(const QString& line)
{
    qsizetype columns = 0;
    for (const char32_t c : line.toUcs4())
        columns += columnsOf(c);
    return columns;
}

QString fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString sorted(const QSet<QString>& options)
{
    QStringList list = options.values();
    list.sort();
    return list.join(u' ');
}

}  // namespace

class HelpTextTest : public QObject
{
    Q_OBJECT

private slots:
    void everyOptionIsDocumented_data();
    void everyOptionIsDocumented();
    void everyLineFitsATerminal();
};

void HelpTextTest::everyOptionIsDocumented_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("escapedDash");  // how the file writes a "-"

    // The manual page left out --save when --fix learnt it.
    QTest::newRow("the manual page") << QStringLiteral(TARNQUIL_MAN_PAGE) << u"\\-"_s;
    QTest::newRow("the user's manual") << QStringLiteral(TARNQUIL_MANUAL) << u"-"_s;
}

void HelpTextTest::everyOptionIsDocumented()
{
    QFETCH(QString, path);
    QFETCH(QString, escapedDash);
    const QString text = fileText(path).replace(escapedDash, u"-"_s);
    QVERIFY2(!text.isEmpty(), qPrintable(path));
    const QSet<QString> help = optionsIn(tarnquil::commandLineHelp());
    const QSet<QString> documented = optionsIn(text);
    QCOMPARE(sorted(QSet(help).subtract(documented)), QString());
    QCOMPARE(sorted(QSet(documented).subtract(help)), QString());
}

// An overlong line wraps in an 80-column terminal, its hanging indent lost.
void HelpTextTest::everyLineFitsATerminal()
{
    QStringList overlong;
    const QStringList lines = tarnquil::commandLineHelp().split(u'\n');
    for (qsizetype k = 0; k < lines.size(); ++k)
        if (columnsOf(lines[k]) > kTerminalColumns)
            overlong << u"%1 (%2 columns): %3"_s.arg(k + 1).arg(columnsOf(lines[k])).arg(lines[k]);
    QVERIFY2(overlong.isEmpty(), qPrintable(overlong.join(u'\n')));
}

QTEST_GUILESS_MAIN(HelpTextTest)
#include "help_text_test.moc"
