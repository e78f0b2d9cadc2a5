// SPDX-License-Identifier: GPL-3.0-or-later
// The distance and angle commands, driven through the window: typing into
// the fields, choosing the entry forms and clicking the buttons.
#include "window_driver.h"

#include "geo/distance.h"
#include "geo/errors.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QString incompleteMessage = u"请输入完整的经纬信息！"_s;

const QStringList distanceFields = {u"Text1"_s, u"Text2"_s, u"Text3"_s, u"Text4"_s};
const QStringList angleFields = {u"Text1"_s, u"Text2"_s, u"Text3"_s,
                                 u"Text4"_s, u"Text5"_s, u"Text6"_s};

// A window whose distance fails as it would on a non-finite value.
class FailingDistanceWindow : public pdf
{
public:
    double distance(double, double, double, double) const override
    {
        throw geo::ArithmeticError("non-finite distance");
    }
};

void typeAll(WindowDriver& driver, const QStringList& fields, const QStringList& texts)
{
    for (qsizetype i = 0; i < fields.size(); ++i)
        driver.type(fields[i], texts.value(i));
}

}  // namespace

class CommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }

    void distanceCommand_data();
    void distanceCommand();
    void angleCommand_data();
    void angleCommand();
    void emptyField_data();
    void emptyField();
    void conversionFailure_data();
    void conversionFailure();
    void angleLeavesDistanceAlone();
    void calculationFailure();
    void messageBox();
    void publicDistance();
};

void CommandsTest::distanceCommand_data()
{
    QTest::addColumn<QStringList>("texts");  // Text1 to Text4
    QTest::addColumn<bool>("point1Minutes");
    QTest::addColumn<bool>("point2Minutes");
    QTest::addColumn<QString>("kilometres");
    QTest::addColumn<QString>("nauticalMiles");

    QTest::newRow("Beijing to Shanghai")
        << QStringList{u"3954"_s, u"11624"_s, u"3112"_s, u"12130"_s} << true << true
        << u"1071.919"_s << u"578.79"_s;
    QTest::newRow("one degree of longitude on the equator")
        << QStringList{u"0"_s, u"0"_s, u"0"_s, u"100"_s} << true << true << u"111.195"_s
        << u"60.04"_s;
    QTest::newRow("pole to equator")
        << QStringList{u"9000"_s, u"0"_s, u"0"_s, u"0"_s} << true << true << u"10007.543"_s
        << u"5403.641"_s;
    QTest::newRow("point 1 in seconds, point 2 in minutes")
        << QStringList{u"421125"_s, u"1021125"_s, u"4250.0"_s, u"9338.80"_s} << false << true
        << u"704.197"_s << u"380.236"_s;
    QTest::newRow("identical points round to zero")
        << QStringList{u"3000"_s, u"12000"_s, u"3000"_s, u"12000"_s} << true << true << u"."_s
        << u"."_s;
    QTest::newRow("south and west are negative")
        << QStringList{u"-3327"_s, u"-7040"_s, u"5130"_s, u"-10"_s} << true << true
        << u"12097.341"_s << u"6532.042"_s;
    QTest::newRow("south and east")
        << QStringList{u"-3352"_s, u"15112"_s, u"3541"_s, u"13946"_s} << true << true
        << u"7824.676"_s << u"4224.987"_s;
    QTest::newRow("no matching angle gives the farthest distance")
        << QStringList{u"2233"_s, u"11410"_s, u"-2233"_s, u"-4343"_s} << true << true
        << u"20014.975"_s << u"10807.222"_s;
    QTest::newRow("hemispheres and degree signs read as the packed forms")
        << QStringList{u"39°54′N"_s, u"E11624"_s, u"北纬3112"_s, u"121度30分东"_s} << true
        << true << u"1071.919"_s << u"578.79"_s;
}

void CommandsTest::distanceCommand()
{
    QFETCH(QStringList, texts);
    QFETCH(bool, point1Minutes);
    QFETCH(bool, point2Minutes);
    QFETCH(QString, kilometres);
    QFETCH(QString, nauticalMiles);

    WindowDriver driver;
    driver.selectMinutes(1, point1Minutes);
    driver.selectMinutes(2, point2Minutes);
    // The reference point plays no part: an unreadable text there is ignored.
    driver.selectMinutes(3, false);
    driver.type(u"Text5"_s, u"42112a"_s);
    typeAll(driver, distanceFields, texts);
    driver.click(u"Command3"_s);

    QCOMPARE(driver.messages(), QStringList());
    QCOMPARE(driver.text(u"Text7"_s), kilometres);
    QCOMPARE(driver.text(u"Text8"_s), nauticalMiles);
    QCOMPARE(driver.text(u"Text9"_s), QString());
}

void CommandsTest::angleCommand_data()
{
    QTest::addColumn<QStringList>("texts");  // Text1 to Text6, all in minutes
    QTest::addColumn<QString>("degrees");

    QTest::newRow("latitudes 10 and 20 seen from the equator")
        << QStringList{u"1000"_s, u"0"_s, u"2000"_s, u"0"_s, u"0"_s, u"0"_s} << u"5.064"_s;
    QTest::newRow("reference between two points on a meridian")
        << QStringList{u"2000"_s, u"0"_s, u"0"_s, u"0"_s, u"1000"_s, u"0"_s} << u"170.032"_s;
    QTest::newRow("first candidate passes")
        << QStringList{u"100"_s, u"0"_s, u"0"_s, u"0"_s, u"30"_s, u"0"_s} << u"179.999"_s;
    QTest::newRow("three equal points")
        << QStringList{u"3000"_s, u"3000"_s, u"3000"_s, u"3000"_s, u"3000"_s, u"3000"_s}
        << u"60.005"_s;
    QTest::newRow("reference equal to point 1")
        << QStringList{u"3000"_s, u"12000"_s, u"3100"_s, u"12100"_s, u"3000"_s, u"12000"_s}
        << u"90.004"_s;
    QTest::newRow("point 1 equal to point 2")
        << QStringList{u"3000"_s, u"12000"_s, u"3000"_s, u"12000"_s, u"3100"_s, u"12100"_s}
        << u".809"_s;
}

void CommandsTest::angleCommand()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, degrees);

    WindowDriver driver;
    typeAll(driver, angleFields, texts);
    driver.click(u"Command4"_s);

    QCOMPARE(driver.messages(), QStringList());
    QCOMPARE(driver.text(u"Text9"_s), degrees);
}

void CommandsTest::emptyField_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("emptied");
    QTest::addColumn<QString>("focus");  // the first empty field of the command

    for (const QString& field : distanceFields)
        QTest::addRow("Command3 %s", qPrintable(field)) << u"Command3"_s << QStringList{field} << field;
    for (const QString& field : angleFields)
        QTest::addRow("Command4 %s", qPrintable(field)) << u"Command4"_s << QStringList{field} << field;
    QTest::newRow("Command3 Text4 and Text2")
        << u"Command3"_s << QStringList{u"Text4"_s, u"Text2"_s} << u"Text2"_s;
    QTest::newRow("Command3 Text5 and Text3")
        << u"Command3"_s << QStringList{u"Text5"_s, u"Text3"_s} << u"Text3"_s;
    QTest::newRow("Command4 Text6 and Text5")
        << u"Command4"_s << QStringList{u"Text6"_s, u"Text5"_s} << u"Text5"_s;
}

void CommandsTest::emptyField()
{
    QFETCH(QString, command);
    QFETCH(QStringList, emptied);
    QFETCH(QString, focus);

    WindowDriver driver;
    typeAll(driver, angleFields,
            {u"3954"_s, u"11624"_s, u"3112"_s, u"12130"_s, u"0"_s, u"0"_s});
    driver.click(u"Command3"_s);
    driver.click(u"Command4"_s);
    const QStringList before = {driver.text(u"Text7"_s), driver.text(u"Text8"_s),
                                driver.text(u"Text9"_s)};
    QCOMPARE(before, (QStringList{u"1071.919"_s, u"578.79"_s, u"4.584"_s}));
    for (const QString& field : emptied)
        driver.type(field, QString());
    driver.click(command);

    QCOMPARE(driver.messages(), QStringList{incompleteMessage});
    const QStringList after = {driver.text(u"Text7"_s), driver.text(u"Text8"_s),
                               driver.text(u"Text9"_s)};
    QCOMPARE(after, before);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

void CommandsTest::conversionFailure_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("texts");  // Text1 to Text6
    QTest::addColumn<QList<bool>>("minutes");  // per point
    QTest::addColumn<QString>("failingField");
    QTest::addColumn<QString>("message");

    const QStringList good = {u"3954"_s, u"11624"_s, u"3112"_s, u"12130"_s, u"0"_s, u"0"_s};
    const auto with = [&good](std::initializer_list<std::pair<int, QString>> changes) {
        QStringList texts = good;
        for (const auto& [index, text] : changes)
            texts[index] = text;
        return texts;
    };
    const QList<bool> allMinutes = {true, true, true};

    QTest::newRow("seconds digits of point 2 latitude")
        << u"Command4"_s << with({{2, u"42112a"_s}, {4, u"x"_s}}) << QList<bool>{true, false, false}
        << u"Text3"_s
        << u"点Ⅱ纬度“42112a”无法识别：“a”既不是数字，也不是方位（N、S、E、W 或 北、南、东、西）。"_s;
    QTest::newRow("minutes digits of point 1 longitude")
        << u"Command3"_s << with({{0, u"421125"_s}, {1, u"42x125"_s}})
        << QList<bool>{false, true, true} << u"Text2"_s
        << u"点Ⅰ经度“42x125”无法识别：“x”既不是数字，也不是方位（N、S、E、W 或 北、南、东、西）。"_s;
    QTest::newRow("blank text in the seconds form")
        << u"Command3"_s << with({{0, u"421125"_s}, {1, u" "_s}})
        << QList<bool>{false, true, true} << u"Text2"_s << u"点Ⅰ经度“ ”无法识别：其中没有数字。"_s;
    QTest::newRow("blanks only in the minutes form")
        << u"Command4"_s << with({{4, u"   "_s}}) << allMinutes << u"Text5"_s
        << u"参考点纬度“   ”无法识别：其中没有数字。"_s;
    QTest::newRow("south in a longitude")
        << u"Command3"_s << with({{1, u"11624S"_s}}) << allMinutes << u"Text2"_s
        << u"点Ⅰ经度“11624S”无法识别：“S”是纬度的方位，经度只能用 E、W（东、西）。"_s;
    QTest::newRow("minutes form beyond 327 degrees")
        << u"Command3"_s << with({{0, u"32800"_s}}) << allMinutes << u"Text1"_s
        << u"点Ⅰ纬度“32800”超出范围：分格式的度数应在 -327 到 327 之间。"_s;
    QTest::newRow("minutes form beyond 16-bit degrees")
        << u"Command4"_s << with({{3, u"99999999"_s}}) << allMinutes << u"Text4"_s
        << u"点Ⅱ经度“99999999”超出范围：分格式的度数应在 -327 到 327 之间。"_s;
    QTest::newRow("seconds form beyond 16-bit degrees")
        << u"Command4"_s << with({{5, u"4000000000"_s}}) << QList<bool>{true, true, false}
        << u"Text6"_s << u"参考点经度“4000000000”超出范围：度数应在 -32768 到 32767 之间。"_s;
    QTest::newRow("the first faulty field in order is reported")
        << u"Command4"_s << with({{3, u"12x233"_s}, {4, u"32800"_s}, {5, u"12a"_s}})
        << QList<bool>{true, false, false} << u"Text4"_s
        << u"点Ⅱ经度“12x233”无法识别：“x”既不是数字，也不是方位（N、S、E、W 或 北、南、东、西）。"_s;
}

void CommandsTest::conversionFailure()
{
    QFETCH(QString, command);
    QFETCH(QStringList, texts);
    QFETCH(QList<bool>, minutes);
    QFETCH(QString, failingField);
    QFETCH(QString, message);

    WindowDriver driver;
    driver.field(u"Text7"_s)->setText(u"1.5"_s);
    driver.field(u"Text8"_s)->setText(u"2.5"_s);
    driver.field(u"Text9"_s)->setText(u"3.5"_s);
    for (int point = 1; point <= 3; ++point)
        driver.selectMinutes(point, minutes[point - 1]);
    typeAll(driver, angleFields, texts);
    driver.control(u"Text1"_s)->setFocus();

    driver.click(command);

    QCOMPARE(driver.messages(), QStringList{message});
    QCOMPARE(driver.text(u"Text7"_s), u"1.5"_s);
    QCOMPARE(driver.text(u"Text8"_s), u"2.5"_s);
    QCOMPARE(driver.text(u"Text9"_s), u"3.5"_s);
    QLineEdit* field = driver.field(failingField);
    QCOMPARE(QApplication::focusWidget(), field);
    QCOMPARE(field->selectedText(), field->text());
}

void CommandsTest::angleLeavesDistanceAlone()
{
    WindowDriver driver;
    driver.field(u"Text7"_s)->setText(u"1.5"_s);
    driver.field(u"Text8"_s)->setText(u"2.5"_s);
    typeAll(driver, angleFields, {u"1000"_s, u"0"_s, u"2000"_s, u"0"_s, u"0"_s, u"0"_s});
    driver.click(u"Command4"_s);
    QCOMPARE(driver.text(u"Text9"_s), u"5.064"_s);
    QCOMPARE(driver.text(u"Text7"_s), u"1.5"_s);
    QCOMPARE(driver.text(u"Text8"_s), u"2.5"_s);
}

// No readable text gives degrees that fail the calculation, so the
// calculation itself fails here.
void CommandsTest::calculationFailure()
{
    WindowDriver driver(std::make_unique<FailingDistanceWindow>());
    driver.field(u"Text7"_s)->setText(u"1.5"_s);
    driver.field(u"Text8"_s)->setText(u"2.5"_s);
    typeAll(driver, distanceFields, {u"3954"_s, u"11624"_s, u"3112"_s, u"12130"_s});
    driver.click(u"Command3"_s);

    QCOMPARE(driver.messages(),
             QStringList{u"无法完成计算：输入的数值超出了可计算的范围。"_s});
    QCOMPARE(driver.text(u"Text7"_s), u"1.5"_s);
    QCOMPARE(driver.text(u"Text8"_s), u"2.5"_s);
}

// The window's own prompt: a modal box titled "提示" with one OK button
// that reads "确定" and no icon.
void CommandsTest::messageBox()
{
    pdf window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QString title, text, buttonText;
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::Information;
    QTimer::singleShot(0, &window, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->buttons().size();
        buttonText = box->buttons().value(0)->text();
        box->accept();
    });
    auto* command = window.findChild<QPushButton*>(u"Command3"_s);
    QTest::mouseClick(command, Qt::LeftButton, {}, command->rect().center());

    QCOMPARE(title, u"提示"_s);
    QCOMPARE(text, incompleteMessage);
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, 1);
    QCOMPARE(buttonText, u"确定"_s);
}

void CommandsTest::publicDistance()
{
    pdf window;
    QCOMPARE(window.distance(39.9, 116.4, 31.2, 121.5), geo::distance(39.9, 116.4, 31.2, 121.5));
    QCOMPARE(window.distance(0, 0, 0, 1), geo::distance(0, 0, 0, 1));
}

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
