// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/printed_route.h"

#include "nav/display.h"
#include "nav/eta_zone.h"
#include "text/method_words.h"
#include "text/song_face.h"
#include "text/utf8_text.h"

#include <QAbstractTextDocumentLayout>
#include <QLocale>
#include <QPaintDevice>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

constexpr qreal titlePoints = 15;
constexpr qreal textPoints = 10;
constexpr qreal tablePoints = printedTablePoints;

// Lengths of the document's formats are in pixels of 1/96 inch, which the
// layout scales to the device.
constexpr qreal paragraphGap = 6;

const QString notGiven = u"未设定"_s;

QString speedText(const std::optional<double>& knots)
{
    return knots ? QString::number(*knots, 'g', QLocale::FloatingPointShortest) + u" 节"_s
                 : notGiven;
}

QTextCharFormat textFormat(qreal points, bool bold = false)
{
    QTextCharFormat format;
    format.setFont(printFont(points, bold));
    return format;
}

QTextBlockFormat paragraph(qreal gapBefore, qreal gapAfter)
{
    QTextBlockFormat block;
    block.setTopMargin(gapBefore);
    block.setBottomMargin(gapAfter);
    return block;
}

// Writes a paragraph into the empty block the cursor is in.
void fillParagraph(QTextCursor& cursor, const QString& text, const QTextCharFormat& format,
                   const QTextBlockFormat& block)
{
    cursor.setBlockFormat(block);
    cursor.setBlockCharFormat(format);
    cursor.insertText(text, format);
}

void addParagraph(QTextCursor& cursor, const QString& text, const QTextCharFormat& format,
                  qreal gapAfter = paragraphGap)
{
    cursor.insertBlock();
    fillParagraph(cursor, text, format, paragraph(0, gapAfter));
}

void addTitle(QTextCursor& cursor, const RouteDocument& route)
{
    const RouteSettings& settings = route.settings;
    fillParagraph(cursor, routeTitle(route), textFormat(titlePoints, true),
                  paragraph(0, paragraphGap));
    const QString departure =
        settings.departure
            ? fromUtf8(nav::formatZonedTime({*settings.departure, settings.departureZone}))
            : notGiven;
    addParagraph(cursor,
                 u"地球模型：%1　　航速：%2　　开航时间：%3　　预计到达按%4"_s.arg(
                     fromUtf8(nav::modelName(settings.model)), speedText(settings.speed), departure,
                     fromUtf8(nav::etaZoneName(settings.etaZone))),
                 textFormat(textPoints), 2);
    QStringList methods;
    for (const nav::Method method : {nav::Method::Rhumb, nav::Method::GreatCircle})
        methods << methodCell(method) + u" 为"_s + fromUtf8(nav::methodName(method));
    addParagraph(cursor,
                 u"航向为真航向（度），航程单位为海里，航速单位为节（空为航线航速）；"
                 u"航法 %1，粗体为各航段所用航法的航向与航程。"_s.arg(
                     methods.join(u"，"_s)),
                 textFormat(tablePoints));
}

void addTotals(QTextCursor& cursor, const RouteDocument& route)
{
    fillParagraph(cursor, totalsText(route.rows, route.settings.etaZone), textFormat(textPoints),
                  paragraph(0, paragraphGap));
}

void addRefusals(QTextCursor& cursor, const QList<RouteTableRow>& rows)
{
    bool first = true;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        for (const CellRefusal& refusal : rows[r].refusals) {
            if (std::exchange(first, false))
                addParagraph(cursor, u"未能读出位置的航点："_s, textFormat(tablePoints), 2);
            addParagraph(cursor,
                         u"第 %1 行%2：%3"_s.arg(QString::number(r + 1),
                                                legColumnTitle(refusal.column), refusal.message),
                         textFormat(tablePoints), 2);
        }
    }
}

}  // namespace

QString routeTitle(const RouteDocument& route)
{
    return route.name.isEmpty() ? u"航线计算表"_s : u"航线计算表："_s + route.name;
}

QFont printFont(qreal points, bool bold)
{
    QFont font;
    font.setFamilies(songFamilies());
    font.setPointSizeF(points);
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

qreal pixelsPerUnit(const QPaintDevice& device)
{
    return device.logicalDpiX() / qreal(96);
}

// An empty document made ready for the device, as wide as its page.
void prepare(QTextDocument& document, QPaintDevice& device)
{
    document.documentLayout()->setPaintDevice(&device);
    document.setTextWidth(device.width());
    document.setDocumentMargin(0);
    document.setDefaultFont(printFont(tablePoints));
}

void addRouteHead(QTextDocument& document, const RouteDocument& route, QPaintDevice& device)
{
    prepare(document, device);
    QTextCursor cursor(&document);
    addTitle(cursor, route);
}

void addRouteTail(QTextDocument& document, const RouteDocument& route, QPaintDevice& device)
{
    prepare(document, device);
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    addTotals(cursor, route);
    addRefusals(cursor, route.rows);
    cursor.endEditBlock();
}

qreal tableGap(const QPaintDevice& device)
{
    return paragraphGap * device.logicalDpiY() / qreal(96);
}

}  // namespace tarnquil
