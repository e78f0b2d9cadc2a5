// SPDX-License-Identifier: GPL-3.0-or-later
// The fix window's settings beside its table: the earth model, the form the
// next text is read in, the compass error, the DR position, the course and
// speed a line is run with, the sights' settings (日期, 区时, 眼高, 指标差,
// 温度, 气压, DUT1) and 求流, the current found between the last two fixes
// recorded (记入船位).
//
// Each position keeps the form it was typed in: switching 分/秒/度 reads the
// next text typed, never one already entered; one the window writes (a
// file's, a fix recorded) keeps its own.
//
// The sights' box is shown with a 天体高度 row or once one of its texts is
// typed, 求流 once asked for (视图 > 求流, 记入船位) or holding a text;
// neither hides under the keyboard.
#pragma once

#include "text/fix_reading.h"

#include "geo/number_form.h"

#include <QObject>
#include <QStringList>

namespace Ui {
class FixWindow;
}

namespace tarnquil {

class FixSettingsPanel : public QObject
{
    Q_OBJECT

public:
    // Fills the model list and watches the fields of the window's form.
    FixSettingsPanel(Ui::FixWindow* ui, QObject* parent);

    // The settings as typed, with the form of each position.
    FixSettingTexts texts() const;
    // A file's settings as they were saved.
    void showTexts(const FixSettingTexts& settings);
    // The settings a sight brought: the fields that differ are set.
    void takeTexts(const FixSettingTexts& settings);

    // After every reading: the panels wanted, 求流's figures or why not.
    // Returns 求流's line for the answer, empty when there is no current.
    QString showReading(const FixTexts& texts, const FixReading& read);
    // The settings as the sheet lists them beside the plot.
    const QStringList& lines() const { return lines_; }

    // 记入船位: the fix, as its text, becomes the second fix of 求流 and the
    // second the first; the keyboard goes to its time.
    void recordFix(const QString& position);
    // 视图 > 求流.
    void showCurrent(bool shown);

signals:
    // A text, the model or a recorded fix changed: the fix is read again.
    void edited();
    // The form the next text is read in.
    void formChosen(geo::NumberForm form);

private:
    geo::NumberForm form() const;
    void showRecordedFixes(const RecordedFixTexts& first, const RecordedFixTexts& second);
    QStringList settingsLines(const FixSettingTexts& settings, const FixReading& read) const;
    void showPanels();

    Ui::FixWindow* ui_;
    geo::NumberForm nearForm_ = geo::NumberForm::Minutes;  // of the DR position as typed
    geo::NumberForm firstForm_ = geo::NumberForm::Minutes;   // of 求流's fixes
    geo::NumberForm secondForm_ = geo::NumberForm::Minutes;
    bool hasSights_ = false;        // a 天体高度 row, or a sight's setting typed
    bool hasCurrentTexts_ = false;  // a text of 求流 typed
    bool currentShown_ = false;     // 求流 asked for
    QStringList lines_;
};

}  // namespace tarnquil
