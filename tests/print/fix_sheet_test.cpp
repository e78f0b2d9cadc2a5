// SPDX-License-Identifier: GPL-3.0-or-later
// The plot of a fix and its sheet: the plot draws each figure where nav's
// plot puts it, north up; the PNG is the A4 page at 150 pixels per inch;
// the PDF's text (pdftotext, registered only where CMake found it) holds
// the fix and the Chinese words as written.
#include "print/fix_plot_painter.h"
#include "print/fix_sheet.h"

#include "nav/display.h"
#include "tests/external_tool.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDate printed(2025, 3, 1);

// The three bearings of a cocked hat, 2° of compass error apart.
tarnquil::FixDrawing threeBearings()
{
    tarnquil::FixDrawing drawing;
    drawing.sightings = {nav::bearingObservation({22.3, 113.95}, 40.93533205044109),
                         nav::bearingObservation({22.18, 113.97}, 135.029576715846),
                         nav::bearingObservation({22.27, 113.8}, 280.14542947709924)};
    drawing.fix = nav::FixSolver().solve(drawing.sightings);
    drawing.markNames = {{{22.3, 113.95}, u"青洲"_s}};
    return drawing;
}

tarnquil::FixSheet sheetOf(const tarnquil::FixDrawing& drawing)
{
    tarnquil::FixSheet sheet;
    sheet.drawing = drawing;
    sheet.answer = QStringList{QString::fromStdString(nav::formatPosition(drawing.fix->position))}
                   + tarnquil::fixFigures(*drawing.fix, drawing.markNames);
    sheet.observations = {u"1 方位 青洲 040.9"_s};
    sheet.settings = {u"地球模型：WGS-84"_s};
    return sheet;
}

}  // namespace

class FixSheetTest : public QObject
{
    Q_OBJECT

private slots:
    void plotDrawsWhereNavPlots();
    void pngIsThePage();
    void pdfText();
};

// A plot painted on a 600 × 400 image at 96 pixels per inch, and the colour
// at a point of the plot, y pointing down.
struct Painted {
    nav::FixPlot plot;
    QImage image;

    explicit Painted(const tarnquil::FixDrawing& drawing) : image(600, 400, QImage::Format_RGB32)
    {
        plot = tarnquil::plotFor(drawing, image.size());
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        QPainter painter(&image);
        tarnquil::paintFixPlot(painter, QRectF(QPointF(), image.size()), plot, drawing.markNames);
    }
    QColor at(nav::PlotPoint p) const
    {
        const double scale = image.width() / (plot.extent.right - plot.extent.left);
        return image.pixelColor(int(std::floor((p.x - plot.extent.left) * scale)),
                                int(std::floor((plot.extent.top - p.y) * scale)));
    }
};

// The fix's red dot and the marks' black triangles stand where the plot's
// points map to; zoomed in, the cocked hat is shaded between the fix and
// its corners.
void FixSheetTest::plotDrawsWhereNavPlots()
{
    tarnquil::FixDrawing drawing = threeBearings();
    const Painted whole(drawing);
    QVERIFY(whole.plot.fix);
    const QColor fix = whole.at(*whole.plot.fix);
    QVERIFY2(fix.red() > 150 && fix.green() < 80 && fix.blue() < 80, qPrintable(fix.name()));
    QCOMPARE(whole.plot.marks.size(), std::size_t(3));
    for (const nav::PlottedMark& mark : whole.plot.marks)
        QVERIFY2(whole.at(mark.at).lightness() < 60, qPrintable(whole.at(mark.at).name()));

    drawing.zoom = 8;
    const Painted near(drawing);
    QCOMPARE(near.plot.cockedHat.size(), std::size_t(3));
    for (const nav::PlotPoint& corner : near.plot.cockedHat) {
        const nav::PlotPoint between{(near.plot.fix->x + corner.x) / 2, (near.plot.fix->y + corner.y) / 2};
        const QColor hat = near.at(between);
        QVERIFY2(hat.red() > 230 && hat.green() > 150 && hat.blue() < 200, qPrintable(hat.name()));
    }
}

void FixSheetTest::pngIsThePage()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"定位.png"_s);
    QCOMPARE(tarnquil::exportFixPng(path, sheetOf(threeBearings()), printed), QString());
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage image = reader.read();
    QCOMPARE(image.size(), QSize(1754, 1240));  // A4 landscape at 150 pixels per inch
    if (qEnvironmentVariableIsSet("TARNQUIL_KEEP_SHEET"))
        image.save(qEnvironmentVariable("TARNQUIL_KEEP_SHEET"));
}

void FixSheetTest::pdfText()
{
    const QString pdftotext = testing_external_tool::path("TARNQUIL_PDFTOTEXT");
    if (pdftotext.isEmpty())
        SKIP_WITHOUT_TOOL("pdftotext");
    const tarnquil::FixSheet sheet = sheetOf(threeBearings());
    QTemporaryDir folder;
    const QString path = folder.filePath(u"定位.pdf"_s);
    QCOMPARE(tarnquil::exportFixPdf(path, sheet, printed), QString());
    QProcess process;
    process.start(pdftotext, {path, u"-"_s});
    QVERIFY(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const QString& expected : {sheet.answer.front(), u"陆标定位"_s, u"误差三角形"_s,
                                    u"青洲"_s, u"2025-03-01"_s})
        QVERIFY2(text.contains(expected), qPrintable(expected + u" not in:\n"_s + text));
}

QTEST_MAIN(FixSheetTest)
#include "fix_sheet_test.moc"
