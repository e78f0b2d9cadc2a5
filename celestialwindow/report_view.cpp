// SPDX-License-Identifier: GPL-3.0-or-later
#include "celestialwindow/report_view.h"

#include "print/report_sheet.h"

#include <QScrollBar>

namespace tarnquil {

namespace {

// The window's face is 五号, 10.5 points (widgets/tool_window.h).
constexpr qreal reportPoints = 10.5;
// The lines the view keeps on a screen too small for the panels above it,
// which scroll instead: a report is read a few rows at a time.
constexpr int leastLines = 5;

}  // namespace

ReportView::ReportView(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(reportFont(reportPoints));
    setMinimumHeight(leastLines * fontMetrics().lineSpacing() + 2 * frameWidth()
                     + int(document()->documentMargin() * 2));
}

void ReportView::showReport(const QString& text)
{
    // The reports end their last line with a line feed, which would show
    // as an empty line.
    const QString shown = text.endsWith(u'\n') ? text.chopped(1) : text;
    setLineWrapMode(QPlainTextEdit::NoWrap);
    if (shown == toPlainText())
        return;
    const bool sameLines = shown.count(u'\n') == toPlainText().count(u'\n');
    const int across = horizontalScrollBar()->value();
    const int down = verticalScrollBar()->value();
    setPlainText(shown);
    if (sameLines) {
        horizontalScrollBar()->setValue(across);
        verticalScrollBar()->setValue(down);
    }
}

void ReportView::showReason(const QString& text)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    if (text != toPlainText())
        setPlainText(text);
}

QSize ReportView::sizeHint() const
{
    return {QPlainTextEdit::sizeHint().width(), minimumHeight()};
}

QStringList ReportView::lines() const
{
    return toPlainText().split(u'\n');
}

}  // namespace tarnquil
