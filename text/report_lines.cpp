// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/report_lines.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tarnquil {

qsizetype columns(const QString& text)
{
    constexpr char16_t firstWide = u'\u1100';
    qsizetype width = 0;
    for (const QChar c : text)
        width += c.unicode() >= firstWide && c != u'°' && c != u'′' && c != u'−' ? 2 : 1;
    return width;
}

QString padded(const QString& text, qsizetype width)
{
    return text + QString(std::max<qsizetype>(0, width - columns(text)), u' ');
}

QString leftPadded(const QString& text, qsizetype width)
{
    return QString(std::max<qsizetype>(0, width - columns(text)), u' ') + text;
}

QStringList stepLines(const QList<Step>& steps)
{
    qsizetype width = 0;
    for (const Step& step : steps)
        width = std::max(width, columns(step.first));
    QStringList lines;
    for (const Step& step : steps)
        lines << u"  "_s + padded(step.first, width + 2) + step.second;
    return lines;
}

QStringList table(const QList<QStringList>& rows)
{
    QList<qsizetype> widths;
    for (const QStringList& row : rows)
        for (qsizetype c = 0; c < row.size(); ++c) {
            if (widths.size() <= c)
                widths << 0;
            widths[c] = std::max(widths[c], columns(row[c]));
        }
    QStringList lines;
    for (const QStringList& row : rows) {
        QString line = u"  "_s;
        for (qsizetype c = 0; c < row.size(); ++c)
            line += c == 0 ? padded(row[c], widths[c]) : u"  "_s + leftPadded(row[c], widths[c]);
        // No blanks at the end of a line whose last cells are empty.
        while (line.endsWith(u' '))
            line.chop(1);
        lines << line;
    }
    return lines;
}

QString joined(const QStringList& lines)
{
    return lines.join(u'\n') + u'\n';
}

}  // namespace tarnquil
