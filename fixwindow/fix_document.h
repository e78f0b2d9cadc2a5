// SPDX-License-Identifier: GPL-3.0-or-later
// The fix window's observations as a document: the file they were opened
// from or saved to (routefiles/observation_file.h), whether they changed
// since, and the questions before they are closed or replaced. The window
// gives it two functions, one that reads every text of the window and one
// that shows texts in it, so that this unit knows no control.
#pragma once

#include "text/fix_reading.h"
#include "widgets/prompt.h"

#include <QString>
#include <QWidget>

#include <functional>

namespace tarnquil {

class FixDocument
{
public:
    FixDocument(QWidget* window, std::function<FixTexts()> current,
                std::function<void(const FixTexts&)> show);

    // For tests: the failures and the question "是否保存？" answered.
    void setPrompt(Prompt prompt) { prompt_ = std::move(prompt); }
    void setSaveQuestion(SaveQuestion question) { saveQuestion_ = std::move(question); }

    // Whether the window's texts differ from those last opened or saved
    // (nothing, for a new window).
    bool isModified() const;
    // Called once a file is opened or saved, as the window's title names it.
    void setFileChanged(std::function<void()> changed) { fileChanged_ = std::move(changed); }
    const QString& path() const { return path_; }

    // 打开 and 另存为 ask for the file; 保存 asks only for a first name.
    // Each returns whether it was done; a failure is prompted.
    bool open();
    bool save();
    bool saveAs();
    bool openFile(const QString& path);
    bool saveTo(const QString& path);

    // Asked before the window closes or its observations are replaced: true
    // when nothing changed, or the changes were saved or given up.
    bool mayDiscardChanges();

private:
    QWidget* window_;
    std::function<FixTexts()> current_;
    std::function<void(const FixTexts&)> show_;
    Prompt prompt_;
    SaveQuestion saveQuestion_;
    std::function<void()> fileChanged_;
    QString path_;
    FixTexts saved_;
};

}  // namespace tarnquil
