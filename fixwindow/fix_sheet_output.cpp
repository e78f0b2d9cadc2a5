// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixwindow/fix_sheet_output.h"

#include "fixwindow/fix_print_preview.h"
#include "widgets/document_files.h"

#include "text/quoted_text.h"

#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QMainWindow>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace tarnquil {

FixSheetOutput::FixSheetOutput(QMainWindow* window, std::function<FixSheet()> sheet,
                               const QString& title, Prompt prompt)
    : QObject(window)
    , window_(window)
    , sheet_(std::move(sheet))
    , title_(title)
    , prompt_(std::move(prompt))
{
}

void FixSheetOutput::copyImage()
{
    QGuiApplication::clipboard()->setImage(fixSheetImage(sheet_(), QDate::currentDate()));
    window_->statusBar()->showMessage(u"已复制定位图。"_s);
}

void FixSheetOutput::exportTo(const QString& title, const QString& filter, const QString& suffix)
{
    const QString path =
        askForSaveFile(window_, title, QDir::home().filePath(title_ + u'.' + suffix), filter, suffix);
    if (path.isEmpty())
        return;
    const QString error = suffix == u"png"_s ? exportFixPng(path, sheet_()) : exportFixPdf(path, sheet_());
    if (!error.isEmpty()) {
        prompt_(error);
        return;
    }
    window_->statusBar()->showMessage(u"已导出到%1。"_s.arg(quotedPath(path)));
}

void FixSheetOutput::print()
{
    printFixSheet(window_, sheet_());
}

}  // namespace tarnquil
