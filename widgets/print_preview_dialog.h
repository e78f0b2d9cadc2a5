// SPDX-License-Identifier: GPL-3.0-or-later
// The print preview every window prints through: Qt's preview of the pages
// on a high-resolution printer, titled 打印预览 — and the document's name,
// whose toolbar prints through Qt's print dialog.
//
// Printing is reached from the keyboard: the preview opens with the focus
// on its 打印 button, first in the toolbar so that no screen is too narrow
// for it (Space presses it); Ctrl+P (the desktop's Print key) prints from
// anywhere in it, and Tab reaches every button of its toolbar, which Qt
// leaves to the mouse. It opens wide enough for its whole toolbar and as
// high as the screen, within nine tenths of the screen.
//
// Nothing of it is made before a window first prints: neither the printer
// nor the dialog.
#pragma once

#include <QPageLayout>
#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace tarnquil {

struct PrintedDocument {
    QString name;        // the printer's document name and the preview's title
    QPageLayout layout;  // the page the preview starts with
    // Paints every page on the printer given: the preview's, or the one
    // the print dialog prints on.
    std::function<void(QPrinter& printer)> paint;
};

// Shows the preview over parent and returns when it is closed.
void previewAndPrint(QWidget* parent, const PrintedDocument& document);

}  // namespace tarnquil
