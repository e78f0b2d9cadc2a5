// SPDX-License-Identifier: GPL-3.0-or-later
// The navigator's celestial window (天文航海): the almanac, a sight's
// reduction or its latitude, the compass error, rising and setting, and the
// stars for a fix, each on a page of its own (天文历, 测天, 罗经差, 出没,
// 识星), under the ship's position, height of eye and DUT1, which all
// pages share. Every field is read as the command line reads the
// same text (text/celestial_answers.h), and each page's report, in the
// command line's words, is worked out again as the navigator types: a text
// that does not read is marked where it is (widgets/refusal_mark.h), the
// reason in the report's place; so is a question the almanac cannot answer.
//
// The window holds no document: what the navigator types stays as typed
// until the window closes, and nothing is saved. 文件 > 打印 and 导出 PDF
// print the page shown, with the settings it was worked out with.
// 工具 asks, by routeWindowRequested and fixWindowRequested, for whoever
// opened it to open the route and fix windows; the window knows no other.
// 送到陆标定位 (Ctrl+J, on the 测天 page once its sight reduces) asks, by
// sightSent, for the sight to become a line of the fix window's fix
// (text/sent_sight.h); showSightTaken says whether it did.
//
// Keys: Alt and the letter of a field's label goes to it; Ctrl+Tab and
// Ctrl+Shift+Tab (or Alt and the page's letter) change the page; Tab goes
// through the fields of the page in the order they stand, then its report,
// which is selected and copied with the keyboard (Ctrl+A, Ctrl+C).
#pragma once

#include "print/report_sheet.h"
#include "text/celestial_answers.h"
#include "widgets/prompt.h"
#include "widgets/tool_window.h"

#include <QList>
#include <QMap>

class QFormLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace tarnquil {

class ReportView;

class CelestialWindow : public ToolWindow
{
    Q_OBJECT

public:
    explicit CelestialWindow(QWidget* parent = nullptr);

    // The pages, in their order.
    enum class Page { Almanac, Sight, Compass, RiseSet, Stars };

    // The field of each of the window's texts.
    QLineEdit* field(CelestialField which) const { return fields_.value(which); }
    ReportView* report(Page page) const { return reports_.at(int(page)); }
    void showPage(Page page);
    void setCompassBy(CompassBy method);
    void setSightBy(SightBy method);
    // 送到陆标定位, enabled while the 测天 page's sight reduces.
    QAction* sendSightAction() const { return sendSight_; }

    // What the navigator typed.
    CelestialTexts texts() const;
    // The page shown, as it is printed and exported.
    ReportSheet currentSheet() const;

    // Replaces the message box through which the window reports a file
    // not written, for tests.
    void setPrompt(Prompt prompt) { prompt_ = std::move(prompt); }

signals:
    // 工具 > 航线计算, 陆标定位: app/ opens the window.
    void routeWindowRequested();
    void fixWindowRequested();
    // 送到陆标定位: the 测天 page's sight, for the fix window to take.
    void sightSent(const tarnquil::SentSight& sight);

public slots:
    // What the fix window said of the sight sent: empty when it took it.
    void showSightTaken(const QString& refusal);

protected:
    bool mayClose() override;

private:
    // The panels and pages as laid out (celestial_pages.cpp).
    QWidget* makeSharedPanel();
    QWidget* makePage(const QString& title, const QList<QWidget*>& panel, ReportView*& report);
    QWidget* almanacPage();
    QWidget* sightPage();
    QWidget* compassPage();
    QWidget* riseSetPage();
    QWidget* starsPage();
    void setUpMenus();
    void setTabOrders();
    void fillStartingTimes();
    QLineEdit* addField(QFormLayout& form, CelestialField which, const QString& label,
                        const QString& name, const QString& example);

    // CelestialField::None: every page.
    void recompute(CelestialField changed = CelestialField::None);
    void markRefusals();
    void printPage();
    void exportPage();

    QTabWidget* pages_ = nullptr;
    QMap<CelestialField, QLineEdit*> fields_;
    QList<ReportView*> reports_;
    QList<CelestialAnswer> answers_;  // each page's, in the pages' order
    QRadioButton* byAzimuth_ = nullptr;
    QRadioButton* byAmplitude_ = nullptr;
    QRadioButton* byReduction_ = nullptr;
    QRadioButton* byLatitude_ = nullptr;
    QAction* sendSight_ = nullptr;
    QPushButton* sendButton_ = nullptr;
    Prompt prompt_;
};

}  // namespace tarnquil
