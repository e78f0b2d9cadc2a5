// SPDX-License-Identifier: GPL-3.0-or-later
#include "celestialwindow/celestial_window.h"

#include "celestialwindow/field_row.h"
#include "celestialwindow/report_view.h"

#include "print/report_sheet.h"
#include "text/quoted_text.h"
#include "widgets/document_files.h"
#include "widgets/panel_area.h"
#include "widgets/print_preview_dialog.h"
#include "widgets/prompt.h"
#include "widgets/refusal_mark.h"
#include "widgets/status_line.h"

#include <QButtonGroup>
#include <QDateTime>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

const QString windowName = u"天文航海"_s;

// Ctrl+J: as the fix window records its fix, the sight goes to the fix.
constexpr QKeyCombination sendSightKey = Qt::CTRL | Qt::Key_J;
constexpr QSize startingSize(900, 680);

// Each page's name, its tab's text and the fields its report reads.
struct PageShape {
    QString name;
    QString tab;
    QList<CelestialField> fields;
    CelestialAnswer (*answer)(const CelestialTexts&);
};

const QList<PageShape>& pageShapes()
{
    using F = CelestialField;
    static const QList<PageShape> shapes{
        {u"天文历"_s, u"天文历(&L)"_s, {F::AlmanacTime, F::Dut1}, almanacAnswer},
        {u"测天"_s, u"测天(&T)"_s,
         {F::Position, F::SightBody, F::Limb, F::SightTime, F::Hs, F::IndexCorrection, F::HeightOfEye,
          F::Temperature, F::Pressure, F::Dut1},
         sightAnswer},
        {u"罗经差"_s, u"罗经差(&C)"_s,
         {F::Position, F::CompassBody, F::CompassTime, F::Bearing, F::Variation, F::Dut1}, compassAnswer},
        {u"出没"_s, u"出没(&R)"_s, {F::Position, F::Date, F::Zone, F::HeightOfEye, F::Dut1}, riseSetAnswer},
        {u"识星"_s, u"识星/选星(&S)"_s, {F::Position, F::StarsTime, F::Altitude, F::Azimuth, F::Dut1},
         starsAnswer},
    };
    return shapes;
}

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

CelestialWindow::CelestialWindow(QWidget* parent)
    : ToolWindow(windowName, parent)
    , prompt_(messageBoxPrompt(this, QMessageBox::Warning, windowName))
{
    new StatusLine(statusBar());
    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    column->addWidget(makeSharedPanel());
    pages_ = new QTabWidget;
    pages_->setObjectName(u"pages"_s);
    pages_->setAccessibleName(u"天文航海的页"_s);
    pages_->addTab(almanacPage(), pageShapes()[int(Page::Almanac)].tab);
    pages_->addTab(sightPage(), pageShapes()[int(Page::Sight)].tab);
    pages_->addTab(compassPage(), pageShapes()[int(Page::Compass)].tab);
    pages_->addTab(riseSetPage(), pageShapes()[int(Page::RiseSet)].tab);
    pages_->addTab(starsPage(), pageShapes()[int(Page::Stars)].tab);
    column->addWidget(pages_, 1);
    setCentralWidget(central);
    menuBar()->setAccessibleName(u"菜单栏"_s);
    setUpMenus();
    setTabOrders();
    for (auto it = fields_.cbegin(); it != fields_.cend(); ++it)
        connect(it.value(), &QLineEdit::textChanged, this, [this, which = it.key()] { recompute(which); });
    // A method is read with the body's field.
    connect(byAmplitude_, &QRadioButton::toggled, this, [this] { recompute(CelestialField::CompassBody); });
    connect(byLatitude_, &QRadioButton::toggled, this, [this] { recompute(CelestialField::SightBody); });
    showTitle({}, false);
    answers_.resize(pageShapes().size());
    fillStartingTimes();
    recompute();
    // Wide enough for the almanac's table, high enough for a page of it.
    resize(startingSize);
    fitScreen();
    field(CelestialField::Position)->setFocus();
}

bool CelestialWindow::mayClose()
{
    // No document: nothing to lose but what is typed, which the navigator sees.
    return true;
}

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

// Tab follows the layout: the shared fields, the pages' tabs, then the page
// shown, its fields from the top and its report last.
void CelestialWindow::setTabOrders()
{
    using F = CelestialField;
    // The tab widget hands its focus to its tabs, and stands in the chain
    // beside them, or Tab would come back to the tabs from the last report.
    const QList<CelestialField> shared{F::Position, F::HeightOfEye, F::Dut1};
    QList<QWidget*> chain;
    for (const CelestialField which : shared)
        chain << field(which);
    chain << pages_ << pages_->tabBar();
    for (const PageShape& shape : pageShapes()) {
        const auto page = Page(&shape - pageShapes().data());
        for (const CelestialField which : shape.fields) {
            if (!shared.contains(which))
                chain << field(which);
            // The method and the command after the sight, before its corrections.
            if (page == Page::Sight && which == F::Hs)
                chain << byReduction_ << byLatitude_ << sendButton_;
        }
        if (page == Page::Compass)
            chain << byAzimuth_ << byAmplitude_;
        chain << reports_.at(int(page));
    }
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void CelestialWindow::setUpMenus()
{
    QMenu* file = menuBar()->addMenu(u"文件(&F)"_s);
    file->setAccessibleName(u"文件菜单"_s);
    QAction* print = file->addAction(u"打印(&P)…"_s, this, &CelestialWindow::printPage);
    print->setShortcut(QKeySequence::Print);
    file->addAction(u"导出 PDF(&E)…"_s, this, &CelestialWindow::exportPage);
    file->addSeparator();
    QAction* close = file->addAction(u"关闭(&C)"_s, this, &QWidget::close);
    close->setShortcut(QKeySequence::Close);
    QMenu* tools = menuBar()->addMenu(u"工具(&O)"_s);
    tools->setAccessibleName(u"工具菜单"_s);
    tools->addAction(u"航线计算(&R)…"_s, this, &CelestialWindow::routeWindowRequested);
    tools->addAction(u"陆标定位(&F)…"_s, this, &CelestialWindow::fixWindowRequested);
    tools->addSeparator();
    sendSight_ = tools->addAction(u"测天送到陆标定位(&S)"_s, this,
                                  [this] { emit sightSent(sightToSend(texts())); });
    sendSight_->setShortcut(sendSightKey);
    QMenu* help = menuBar()->addMenu(u"帮助(&H)"_s);
    help->setAccessibleName(u"帮助菜单"_s);
    help->addAction(u"关于(&A)…"_s, this, [this] {
        showAbout(u"天文历（各天体的格林时角、赤纬等）、测天（高度差法、中天和北极星求纬度）、"
                  u"由天体求罗经差、日月出没和晨昏蒙影、选星和识星，与命令行的 --almanac、--sight、"
                  u"--latitude、--compass-error、--rise-set、--stars、--identify 算法和用语相同。"_s);
    });
}

// The time fields start at the present minute and the date at today, in
// UTC, so that the almanac shows at once; a time typed is never changed.
void CelestialWindow::fillStartingTimes()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QString time = now.toString(u"yyyy-MM-dd HH:mm"_s);
    for (const CelestialField which :
         {CelestialField::AlmanacTime, CelestialField::SightTime, CelestialField::CompassTime,
          CelestialField::StarsTime}) {
        // Worked out once, after.
        const QSignalBlocker quiet(field(which));
        field(which)->setText(time);
    }
    const QSignalBlocker quiet(field(CelestialField::Date));
    field(CelestialField::Date)->setText(now.toString(u"yyyy-MM-dd"_s));
}

void CelestialWindow::showPage(Page page)
{
    pages_->setCurrentIndex(int(page));
}

void CelestialWindow::setCompassBy(CompassBy method)
{
    (method == CompassBy::Amplitude ? byAmplitude_ : byAzimuth_)->setChecked(true);
}

void CelestialWindow::setSightBy(SightBy method)
{
    (method == SightBy::Latitude ? byLatitude_ : byReduction_)->setChecked(true);
}

void CelestialWindow::showSightTaken(const QString& refusal)
{
    if (refusal.isEmpty())
        statusBar()->showMessage(u"已送到陆标定位。"_s);
    else
        prompt_(refusal);
}

CelestialTexts CelestialWindow::texts() const
{
    const auto text = [this](CelestialField which) { return field(which)->text(); };
    CelestialTexts texts;
    texts.position = text(CelestialField::Position);
    texts.dut1 = text(CelestialField::Dut1);
    texts.almanacTime = text(CelestialField::AlmanacTime);
    texts.compassBody = text(CelestialField::CompassBody);
    texts.compassTime = text(CelestialField::CompassTime);
    texts.bearing = text(CelestialField::Bearing);
    texts.variation = text(CelestialField::Variation);
    texts.compassBy = byAmplitude_->isChecked() ? CompassBy::Amplitude : CompassBy::Azimuth;
    texts.date = text(CelestialField::Date);
    texts.zone = text(CelestialField::Zone);
    texts.heightOfEye = text(CelestialField::HeightOfEye);
    texts.starsTime = text(CelestialField::StarsTime);
    texts.altitude = text(CelestialField::Altitude);
    texts.azimuth = text(CelestialField::Azimuth);
    texts.sightBody = text(CelestialField::SightBody);
    texts.limb = text(CelestialField::Limb);
    texts.sightTime = text(CelestialField::SightTime);
    texts.hs = text(CelestialField::Hs);
    texts.indexCorrection = text(CelestialField::IndexCorrection);
    texts.temperature = text(CelestialField::Temperature);
    texts.pressure = text(CelestialField::Pressure);
    texts.sightBy = byLatitude_->isChecked() ? SightBy::Latitude : SightBy::Reduction;
    return texts;
}

// The pages that read the field, again; or every page. A field that does
// not read is marked; one left blank waits for its text.
void CelestialWindow::recompute(CelestialField changed)
{
    const CelestialTexts typed = texts();
    for (const PageShape& shape : pageShapes()) {
        if (changed != CelestialField::None && !shape.fields.contains(changed))
            continue;
        const auto page = Page(&shape - pageShapes().data());
        CelestialAnswer& answer = answers_[int(page)];
        answer = shape.answer(typed);
        if (!answer.report.isEmpty())
            report(page)->showReport(answer.report);
        else
            report(page)->showReason(answer.refusal);
    }
    sendSight_->setEnabled(!answers_[int(Page::Sight)].report.isEmpty());
    sendButton_->setEnabled(sendSight_->isEnabled());
    markRefusals();
}

// The reason is the field's tooltip and description, which screen readers
// read, and the report's text; the status bar, whose long lines would take
// the page's height, stays for what the menus do. A shared field is marked
// with the first page's reason.
void CelestialWindow::markRefusals()
{
    QMap<CelestialField, QString> refusals;
    for (const CelestialAnswer& answer : std::as_const(answers_))
        if (answer.refused != CelestialField::None && !answer.blank && !refusals.contains(answer.refused))
            refusals.insert(answer.refused, answer.refusal);
    for (auto it = fields_.cbegin(); it != fields_.cend(); ++it) {
        const QString refusal = refusals.value(it.key());
        if (refusal.isEmpty())
            clearRefusal(it.value());
        else
            markRefused(it.value(), refusal);
    }
}

// The page shown on paper: its fields as typed, then its report.
ReportSheet CelestialWindow::currentSheet() const
{
    const PageShape& shape = pageShapes()[pages_->currentIndex()];
    QStringList settings;
    for (const CelestialField which : shape.fields)
        if (!field(which)->text().trimmed().isEmpty())
            settings << field(which)->accessibleName() + u"："_s + field(which)->text().trimmed();
    if (pages_->currentIndex() == int(Page::Compass))
        settings << u"方法："_s + (byAmplitude_->isChecked() ? u"出没方位法"_s : u"方位法"_s);
    if (pages_->currentIndex() == int(Page::Sight))
        settings << u"方法："_s + (byLatitude_->isChecked() ? u"求纬度"_s : u"高度差法"_s);
    return {windowName + u" — "_s + shape.name, settings, reports_.at(pages_->currentIndex())->lines()};
}

void CelestialWindow::printPage()
{
    const ReportSheet sheet = currentSheet();
    previewAndPrint(this, {sheet.title, reportPageLayout(), [sheet](QPrinter& printer) {
                               paintReportSheet(printer, sheet, QDate::currentDate());
                           }});
}

void CelestialWindow::exportPage()
{
    const ReportSheet sheet = currentSheet();
    const QString path = askForSaveFile(this, u"导出 PDF"_s,
                                        QDir::home().filePath(sheet.title + u".pdf"_s),
                                        u"PDF 文件 (*.pdf)"_s, u"pdf"_s);
    if (path.isEmpty())
        return;
    if (const QString error = exportReportPdf(path, sheet); !error.isEmpty()) {
        prompt_(error);
        return;
    }
    statusBar()->showMessage(u"已导出到%1。"_s.arg(quotedPath(path)));
}

}  // namespace tarnquil
