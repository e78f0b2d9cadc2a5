// SPDX-License-Identifier: GPL-3.0-or-later
// Where the fix window's sheet (print/fix_sheet.h: the plot with the
// settings, observations and answer beside it) goes: copied as an image,
// exported as PNG or PDF under a name the navigator chooses (陆标定位.png
// proposed, in the home folder), or printed after its preview. The status
// bar says what was done; a file not written is prompted.
#pragma once

#include "print/fix_sheet.h"
#include "widgets/prompt.h"

#include <QObject>
#include <QString>

#include <functional>

class QMainWindow;

namespace tarnquil {

class FixSheetOutput : public QObject
{
    Q_OBJECT

public:
    // `sheet` gives the sheet as the window shows it now; files are named
    // after `title`, the window's, and failures told by `prompt`.
    FixSheetOutput(QMainWindow* window, std::function<FixSheet()> sheet, const QString& title,
                   Prompt prompt);

    void setPrompt(Prompt prompt) { prompt_ = std::move(prompt); }

    void copyImage();
    // `suffix` says how: "png" or "pdf".
    void exportTo(const QString& title, const QString& filter, const QString& suffix);
    void print();

private:
    QMainWindow* window_;
    std::function<FixSheet()> sheet_;
    QString title_;
    Prompt prompt_;
};

}  // namespace tarnquil
