// SPDX-License-Identifier: GPL-3.0-or-later
// A celestial report on paper: as many pages as its lines need, the title on
// each, every line on one of them in the order given, and nothing written
// where the file cannot be; the PDF's text (pdftotext, given where CMake
// found it) holds the Chinese words and the figures as written.
#include "print/report_sheet.h"

#include "tests/external_tool.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDate printed(2026, 12, 8);

// The almanac's length and more: 70 bodies, numbered so that each line is
// its own, and a heading line of Chinese words.
tarnquil::ReportSheet longSheet(int lines)
{
    tarnquil::ReportSheet sheet{u"天文航海 — 天文历"_s, {u"时间：2026-12-08 09:30:15"_s}, {}};
    sheet.lines << u"春分点 GHA 219°43.3′"_s;
    for (int i = 1; i <= lines; ++i)
        sheet.lines << u"  天体%1  324°36.3′  S22°44.0′"_s.arg(i, 3, 10, QChar(u'0'));
    return sheet;
}

QString pdfText(const QString& pdftotext, const QString& path)
{
    QProcess process;
    process.start(pdftotext, {u"-layout"_s, path, u"-"_s});
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class ReportSheetTest : public QObject
{
    Q_OBJECT

private slots:
    void everyLineInOrderOnItsPages();
    void failedWriteSaysWhy();
};

void ReportSheetTest::everyLineInOrderOnItsPages()
{
    const QString pdftotext = testing_external_tool::path("TARNQUIL_PDFTOTEXT");
    if (pdftotext.isEmpty())
        SKIP_WITHOUT_TOOL("pdftotext");
    // More lines than one A4 page holds at 9 points (some 70).
    const tarnquil::ReportSheet sheet = longSheet(150);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"天文历.pdf"_s);
    QCOMPARE(tarnquil::exportReportPdf(path, sheet, printed), QString());
    const QString text = pdfText(pdftotext, path);
    // pdftotext ends each page with a form feed.
    const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
    QVERIFY2(pages.size() >= 2 && pages.size() <= 4, qPrintable(QString::number(pages.size())));
    for (const QString& page : pages)
        QVERIFY2(page.contains(sheet.title) && page.contains(u"打印日期：2026-12-08"_s), qPrintable(page));
    // The columns as pdftotext spaces them: each run of blanks one blank.
    const QString words = text.simplified();
    qsizetype from = 0;
    for (const QString& line : QStringList{sheet.settings.front()} + sheet.lines) {
        const qsizetype at = words.indexOf(line.simplified(), from);
        QVERIFY2(at >= 0, qPrintable(line + u" not after offset "_s + QString::number(from)));
        from = at + line.simplified().size();
    }
}

void ReportSheetTest::failedWriteSaysWhy()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"no such folder/天文历.pdf"_s);
    const QString error = tarnquil::exportReportPdf(path, longSheet(3), printed);
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(ReportSheetTest)
#include "report_sheet_test.moc"
