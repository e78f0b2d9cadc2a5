// SPDX-License-Identifier: GPL-3.0-or-later
// A fix's observations file: what is written reads back to the same texts
// and the same fix, whatever a spreadsheet would make of them, and a file
// that is not one is refused naming its line.
#include "routefiles/observation_file.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using tarnquil::FixTexts;
using tarnquil::ObservationRow;
using Kind = nav::ObservationKind;
using Form = geo::NumberForm;

Q_DECLARE_METATYPE(FixTexts)

namespace {

ObservationRow row(Kind kind, const QString& mark, const QString& value, const QString& when = {},
                   const QString& mark2 = {}, tarnquil::MarkForms forms = {})
{
    return {kind, mark, mark2, value, when, forms};
}

bool sameRows(const QList<ObservationRow>& a, const QList<ObservationRow>& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const ObservationRow& x = a[i];
        const ObservationRow& y = b[i];
        if (x.kind != y.kind || x.mark != y.mark || x.mark2 != y.mark2 || x.value != y.value ||
            x.when != y.when || x.forms.mark != y.forms.mark || x.forms.mark2 != y.forms.mark2)
            return false;
    }
    return true;
}

}  // namespace

class ObservationFileTest : public QObject
{
    Q_OBJECT

private slots:
    void readsBackAsWritten_data();
    void readsBackAsWritten();
    void spreadsheetEdits_data();
    void spreadsheetEdits();
    void refused_data();
    void refused();
};

void ObservationFileTest::readsBackAsWritten_data()
{
    QTest::addColumn<FixTexts>("texts");
    FixTexts bearings;
    bearings.rows = {row(Kind::Bearing, u"花鸟山 3051.5N 12240.0E"_s, u"045"_s, u"09:30"_s),
                     row(Kind::Bearing, u"3045N 12245E"_s, u"100"_s, u"09:42"_s)};
    bearings.settings.compassError = u"-1"_s;
    bearings.settings.course = u"090"_s;
    bearings.settings.speed = u"10kn"_s;
    QTest::newRow("watch times, course and speed, a negative error") << bearings;
    FixTexts forms;
    forms.rows = {row(Kind::HorizontalAngle, u"3051.5N 12240.0E"_s, u"60"_s, {}, u"30.75N 122.75E"_s,
                      {Form::Minutes, Form::Degrees}),
                  row(Kind::Range, u"305130N 1224000E"_s, u"3.2"_s, u"090 2"_s, {},
                      {Form::Seconds, Form::Seconds})};
    forms.settings.model = nav::EarthModel::Sphere;
    forms.settings.form = Form::Degrees;
    forms.settings.near = u"30.8 122.6"_s;
    forms.settings.nearForm = Form::Degrees;
    QTest::newRow("each mark in its own form, the sphere") << forms;
    FixTexts formulas;
    formulas.rows = {row(Kind::Bearing, u"=1+1 3051.5N 12240.0E"_s, u"+45"_s),
                     row(Kind::Bearing, u"'灯塔 3045N 12245E"_s, u"@100"_s, u"\t09:30"_s),
                     row(Kind::Range, u"-4250N 12240E"_s, u"\r3"_s, {}, u"'"_s)};
    formulas.settings.near = u"-3050 12230"_s;
    QTest::newRow("texts a spreadsheet would take for formulas") << formulas;
    FixTexts quotes;
    quotes.rows = {row(Kind::Bearing, u"“长江口, 北槽” 3124N 12130E"_s, u"42°50'30\"N"_s, u"\"x\""_s)};
    QTest::newRow("commas, quotes and a line end") << quotes;
    FixTexts current = bearings;
    current.settings.leeway = u"+3"_s;
    current.settings.logCorrection = u"-2"_s;
    current.settings.first = {u"30.0 122.0"_s, Form::Degrees, u"2026-12-08 08:00 +8"_s};
    current.settings.second = {u"30°00.00′N 122°46.07′E"_s, Form::Minutes, u"2026-12-08 12:00 +8"_s};
    QTest::newRow("the two fixes of a current, each in its form") << current;
    FixTexts sights;
    sights.rows = {row(Kind::Altitude, u"太阳"_s, u"32°15.4′"_s, u"09:30:15"_s, u"上边"_s)};
    sights.settings.near = u"3000N 12200E"_s;
    sights.settings.date = u"2026-12-08"_s;
    sights.settings.zone = u"+8"_s;
    sights.settings.indexCorrection = u"-1.2"_s;
    sights.settings.dut1 = u"+0.1"_s;
    QTest::newRow("a sun sight and the sights' settings") << sights;
    FixTexts oneFix;
    oneFix.settings.second = {u"295400N 1224800E"_s, Form::Seconds, {}};
    QTest::newRow("a fix recorded, its time not yet typed") << oneFix;
    QTest::newRow("nothing entered") << FixTexts{};
}

void ObservationFileTest::readsBackAsWritten()
{
    QFETCH(FixTexts, texts);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"观测.csv"_s);
    QCOMPARE(tarnquil::writeObservationFile(path, texts), QString());
    const tarnquil::ObservationFileReading reading = tarnquil::readObservationFile(path);
    QCOMPARE(reading.error, QString());
    QVERIFY(sameRows(reading.texts.rows, texts.rows));
    QVERIFY(reading.texts.settings == texts.settings);
    // A spreadsheet shows a text after an apostrophe as it stands.
    const QString written = QString::fromUtf8(tarnquil::observationFileBytes(texts));
    for (const ObservationRow& row : texts.rows)
        for (const QString& text : {row.mark, row.value})
            if (!text.isEmpty() && QStringView(u"=+-@").contains(text.front()))
                QVERIFY2(written.contains(u'\'' + text), qPrintable(text));
    // A fix with no current's texts is written as before they existed.
    const tarnquil::FixSettingTexts& settings = texts.settings;
    const bool current = !(settings.leeway + settings.logCorrection + settings.first.position
                           + settings.first.time + settings.second.position + settings.second.time)
                              .isEmpty();
    QCOMPARE(written.contains(u"\r\n第一船位,"_s), current);
}

// What a spreadsheet leaves of the file: an empty line as commas, the rows
// sorted, no byte-order mark, GBK.
void ObservationFileTest::spreadsheetEdits_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("marks");
    QTest::addColumn<QString>("compassError");
    const QByteArray settings = "设置,值,形式\r\n罗经差,'-2\r\n";
    QTest::newRow("empty line as commas")
        << settings + ",,\r\n类型,物标,物标2,观测值,时间或航程,物标形式,物标2形式\r\n方位,3051.5N 12240.0E,,045,,分,分\r\n"
        << QStringList{u"3051.5N 12240.0E"_s} << u"-2"_s;
    QTest::newRow("rows sorted, settings kept")
        << settings + "\r\n类型,物标,物标2,观测值,时间或航程,物标形式,物标2形式\r\n距离,B,,3,,,\r\n方位,A,,045,,,\r\n"
        << QStringList{u"B"_s, u"A"_s} << u"-2"_s;
    QTest::newRow("a form left empty is 分, settings absent")
        << QByteArray("设置,值,形式\n类型,物标,物标2,观测值,时间或航程,物标形式,物标2形式\n方位,A,,1\n")
        << QStringList{u"A"_s} << QString();
    QTest::newRow("GBK without a byte-order mark")
        << QByteArray("\xc9\xe8\xd6\xc3,\xd6\xb5,\xd0\xce\xca\xbd\r\n") << QStringList{} << QString();
}

void ObservationFileTest::spreadsheetEdits()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, marks);
    QFETCH(QString, compassError);
    const tarnquil::ObservationFileReading reading = tarnquil::readObservationBytes(bytes);
    QCOMPARE(reading.error, QString());
    QStringList read;
    for (const ObservationRow& row : reading.texts.rows) {
        read << row.mark;
        QCOMPARE(row.forms.mark, Form::Minutes);
    }
    QCOMPARE(read, marks);
    QCOMPARE(reading.texts.settings.compassError, compassError);
}

void ObservationFileTest::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    const QByteArray head = "设置,值,形式\r\n";
    const QByteArray table = "类型,物标,物标2,观测值,时间或航程,物标形式,物标2形式\r\n";
    QTest::newRow("a route file") << QByteArray("名称,纬度,经度\r\nA,3000N,12200E\r\n")
                                  << u"第 1 行：不是陆标定位观测文件"_s;
    QTest::newRow("empty") << QByteArray() << u"第 1 行：不是陆标定位观测文件"_s;
    QTest::newRow("unknown setting") << head + "风向,045\r\n" << u"第 2 行：没有设置“风向”"_s;
    QTest::newRow("setting twice") << head + "罗经差,1\r\n罗经差,2\r\n" << u"第 3 行：设置“罗经差”重复"_s;
    QTest::newRow("model") << head + "地球模型,WGS84\r\n" << u"第 2 行：地球模型“WGS84”无法识别"_s;
    QTest::newRow("form") << head + "输入形式,十进制\r\n" << u"第 2 行：形式“十进制”无法识别"_s;
    QTest::newRow("kind") << head + table + "航向,A,,1,,分,分\r\n" << u"第 3 行：类型“航向”无法识别"_s;
    QTest::newRow("a field past the header") << head + table + "方位,A,,1,,分,分,x\r\n"
                                             << u"第 3 行：这一行的值多于表头的 7 列"_s;
    QTest::newRow("mark's form") << head + table + "方位,A,,1,,弧度,\r\n" << u"第 3 行：形式“弧度”无法识别"_s;
    QTest::newRow("neither UTF-8 nor GBK") << QByteArray("\xef\xbb\xbf\xff\xfe") << u"UTF-8"_s;
}

void ObservationFileTest::refused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    const tarnquil::ObservationFileReading reading = tarnquil::readObservationBytes(bytes);
    QVERIFY2(reading.error.contains(error), qPrintable(reading.error));
    QVERIFY(reading.texts.rows.isEmpty());
}

QTEST_GUILESS_MAIN(ObservationFileTest)
#include "observation_file_test.moc"
