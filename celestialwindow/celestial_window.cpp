// SPDX-License-Identifier: GPL-3.0-or-later
#include "celestialwindow/celestial_window.h"

#include "celestialwindow/report_view.h"

#include "print/report_sheet.h"
#include "text/quoted_text.h"
#include "widgets/document_files.h"
#include "widgets/print_preview_dialog.h"
#include "widgets/prompt.h"
#include "widgets/refusal_mark.h"
#include "widgets/status_line.h"

#include <QDateTime>
#include <QDir>
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
                  u"由天体求罗经差、日月的出没和晨昏蒙影、选星和识星，与命令行的 --almanac、--sight、"
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
