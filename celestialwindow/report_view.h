// SPDX-License-Identifier: GPL-3.0-or-later
// Where the 天文航海 window shows a report: read-only text the navigator
// selects and copies by mouse or keyboard, in the fixed-pitch face the
// report is printed in, so that its columns stand as the command line
// prints them (text/report_lines.h). A report's long lines do not wrap: the
// view scrolls sideways instead; a reason in its place wraps. Tab leaves it
// for the next control.
#pragma once

#include <QPlainTextEdit>

namespace tarnquil {

class ReportView : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit ReportView(QWidget* parent = nullptr);

    // Replaces the text, keeping the place scrolled to when the lines stay
    // as many: a figure retyped keeps the row the navigator reads in view.
    void showReport(const QString& text);
    // Shows why there is no report, wrapped to the view's width: a
    // sentence, not a table.
    void showReason(const QString& text);

    // The lines of the report, as printed.
    QStringList lines() const;

    // No more than its least height: the panels above it get theirs first,
    // and the report all the height that is left.
    QSize sizeHint() const override;
};

}  // namespace tarnquil
