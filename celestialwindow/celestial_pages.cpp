// SPDX-License-Identifier: GPL-3.0-or-later
// The celestial window's panels and pages as they are laid out: the shared
// 船位与时间 above, each page's fields beside one another over its report.
#include "celestialwindow/celestial_window.h"

#include "celestialwindow/field_row.h"
#include "celestialwindow/report_view.h"

#include "widgets/panel_area.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

QGroupBox* formPanel(const QString& title, QFormLayout*& form)
{
    auto* panel = new QGroupBox(title);
    form = new QFormLayout(panel);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return panel;
}

// Two choices of a method, side by side, the first chosen.
struct Choice {
    QString text;
    QString name;
};

QHBoxLayout* choicePair(QWidget* owner, QRadioButton*& first, const Choice& firstChoice,
                        QRadioButton*& second, const Choice& secondChoice)
{
    first = new QRadioButton(firstChoice.text);
    first->setObjectName(firstChoice.name);
    second = new QRadioButton(secondChoice.text);
    second->setObjectName(secondChoice.name);
    first->setChecked(true);
    auto* group = new QButtonGroup(owner);
    group->addButton(first);
    group->addButton(second);
    auto* row = new QHBoxLayout;
    row->addWidget(first);
    row->addWidget(second);
    row->addStretch();
    return row;
}

// A scrolled row of panels (widgets/panel_area.h).
PanelArea* panelArea(const QList<QWidget*>& panels)
{
    auto* area = new PanelArea;
    auto* content = new QWidget;
    auto* row = new QHBoxLayout(content);
    for (QWidget* panel : panels)
        row->addWidget(panel);
    row->addStretch();
    area->setWidget(content);
    return area;
}

}  // namespace

QLineEdit* CelestialWindow::addField(QFormLayout& form, CelestialField which, const QString& label,
                                     const QString& name, const QString& example)
{
    QLineEdit* edit = addFieldRow(form, label, name, example);
    // Wide enough for the example and a little more.
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(example + u"MMMM"_s));
    fields_.insert(which, edit);
    return edit;
}

QWidget* CelestialWindow::makeSharedPanel()
{
    QFormLayout* form = nullptr;
    QGroupBox* panel = formPanel(u"船位与时间"_s, form);
    panel->setObjectName(u"sharedPanel"_s);
    addField(*form, CelestialField::Position, u"推算船位(&P)"_s, u"positionEdit"_s,
             u"30°10.2′N 122°05.3′E"_s);
    addField(*form, CelestialField::HeightOfEye, u"眼高 米(&Y)"_s, u"heightEdit"_s, u"15（不填为 0）"_s);
    addField(*form, CelestialField::Dut1, u"DUT1 秒(&D)"_s, u"dut1Edit"_s, u"0.2（不填为 0）"_s);
    auto* area = panelArea({panel});
    area->setObjectName(u"sharedArea"_s);
    return area;
}

QWidget* CelestialWindow::makePage(const QString& title, const QList<QWidget*>& panel,
                                   ReportView*& report)
{
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->addWidget(panelArea(panel));
    report = new ReportView;
    report->setObjectName(title + u"Report"_s);
    reports_.append(report);
    column->addWidget(report, 1);
    return page;
}

QWidget* CelestialWindow::almanacPage()
{
    QFormLayout* form = nullptr;
    QGroupBox* panel = formPanel(u"天文历"_s, form);
    addField(*form, CelestialField::AlmanacTime, u"时间(&M)"_s, u"almanacTimeEdit"_s,
             u"2026-12-08 09:30:15 UTC+8"_s);
    ReportView* report = nullptr;
    QWidget* page = makePage(u"almanac"_s, {panel}, report);
    report->setAccessibleName(u"天文历：各天体的 GHA、赤纬、SHA、HP、SD"_s);
    return page;
}

// The sight (天体, 边, 时间, Hs) beside its corrections; the method below.
QWidget* CelestialWindow::sightPage()
{
    QFormLayout* form = nullptr;
    QGroupBox* panel = formPanel(u"测天"_s, form);
    addField(*form, CelestialField::SightBody, u"天体(&J)"_s, u"sightBodyEdit"_s, u"太阳 或 Sirius"_s);
    addField(*form, CelestialField::Limb, u"边"_s, u"limbEdit"_s, u"下边 或 上边"_s);
    addField(*form, CelestialField::SightTime, u"时间"_s, u"sightTimeEdit"_s, u"2026-12-08 09:30:15 +8"_s);
    addField(*form, CelestialField::Hs, u"六分仪高度 Hs(&W)"_s, u"hsEdit"_s, u"32°14.6′"_s);
    form->addRow(u"方法"_s, choicePair(panel, byReduction_, {u"高度差法"_s, u"byReduction"_s}, byLatitude_,
                                      {u"求纬度"_s, u"byLatitude"_s}));
    byLatitude_->setToolTip(u"由中天高度或北极星高度求纬度"_s);
    sendButton_ = new QPushButton(u"送到陆标定位(&X)"_s);
    sendButton_->setObjectName(u"sendSightButton"_s);
    sendButton_->setToolTip(u"把这次观测作为天体高度加入陆标定位的观测（Ctrl+J）"_s);
    connect(sendButton_, &QPushButton::clicked, this, [this] { sendSight_->trigger(); });
    form->addRow(QString(), sendButton_);
    QFormLayout* corrections = nullptr;
    QGroupBox* correctionPanel = formPanel(u"高度改正"_s, corrections);
    addField(*corrections, CelestialField::IndexCorrection, u"指标差 ′（Hs + i）"_s, u"indexCorrectionEdit"_s,
             u"-1.5（不填为 0）"_s);
    addField(*corrections, CelestialField::Temperature, u"温度 °C"_s, u"temperatureEdit"_s, u"10（不填为 10）"_s);
    addField(*corrections, CelestialField::Pressure, u"气压 hPa"_s, u"pressureEdit"_s, u"1010（不填为 1010）"_s);
    ReportView* report = nullptr;
    QWidget* page = makePage(u"sight"_s, {panel, correctionPanel}, report);
    report->setAccessibleName(u"测天：高度改正、高度差法或求纬度的各步"_s);
    return page;
}

QWidget* CelestialWindow::compassPage()
{
    QFormLayout* form = nullptr;
    QGroupBox* panel = formPanel(u"罗经差"_s, form);
    addField(*form, CelestialField::CompassBody, u"天体(&B)"_s, u"compassBodyEdit"_s, u"太阳 或 Sun"_s);
    addField(*form, CelestialField::CompassTime, u"时间(&I)"_s, u"compassTimeEdit"_s,
             u"2026-12-08 06:45:20 +8"_s);
    addField(*form, CelestialField::Bearing, u"罗经方位(&G)"_s, u"bearingEdit"_s, u"118.5"_s);
    addField(*form, CelestialField::Variation, u"磁差(&V)"_s, u"variationEdit"_s, u"3.5W（可不填）"_s);
    form->addRow(u"方法"_s, choicePair(panel, byAzimuth_, {u"方位法(&N)"_s, u"byAzimuth"_s}, byAmplitude_,
                                      {u"出没方位法(&U)"_s, u"byAmplitude"_s}));
    ReportView* report = nullptr;
    QWidget* page = makePage(u"compass"_s, {panel}, report);
    report->setAccessibleName(u"罗经差的计算"_s);
    return page;
}

QWidget* CelestialWindow::riseSetPage()
{
    QFormLayout* form = nullptr;
    QGroupBox* panel = formPanel(u"出没"_s, form);
    addField(*form, CelestialField::Date, u"日期(&E)"_s, u"dateEdit"_s, u"2026-12-08"_s);
    addField(*form, CelestialField::Zone, u"区时(&Q)"_s, u"zoneEdit"_s, u"+8（不填为船位的时区）"_s);
    ReportView* report = nullptr;
    QWidget* page = makePage(u"riseSet"_s, {panel}, report);
    report->setAccessibleName(u"日月出没和晨昏蒙影"_s);
    return page;
}

QWidget* CelestialWindow::starsPage()
{
    QFormLayout* form = nullptr;
    QGroupBox* panel = formPanel(u"识星/选星"_s, form);
    addField(*form, CelestialField::StarsTime, u"时间(&K)"_s, u"starsTimeEdit"_s,
             u"2026-12-08 18:10 +8"_s);
    addField(*form, CelestialField::Altitude, u"观测高度(&A)"_s, u"altitudeEdit"_s, u"识星时填，如 35°20′"_s);
    addField(*form, CelestialField::Azimuth, u"真方位(&Z)"_s, u"azimuthEdit"_s, u"识星时填，如 245"_s);
    ReportView* report = nullptr;
    QWidget* page = makePage(u"stars"_s, {panel}, report);
    report->setAccessibleName(u"可观测的航用星和行星，及所识的天体"_s);
    return page;
}

}  // namespace tarnquil
