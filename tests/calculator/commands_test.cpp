// SPDX-License-Identifier: GPL-3.0-or-later
// The distance and angle commands, driven through the window: typing into
// the fields, choosing the entry forms and clicking the buttons.
#include "window_driver.h"

#include "geo/distance.h"
#include "geo/errors.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QMessageBox>
#include <QMimeData>
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
    void pastePosition_data();
    void pastePosition();
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
    QTest::newRow("copied, labelled, dashed and NMEA texts read as the packed forms")
        << QStringList{u"\u00A039d54N\r"_s, u"Lon: 116:24E"_s, u"31-12N。"_s, u"12130.0000,E"_s}
        << false << false << u"1071.919"_s << u"578.79"_s;
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

    QTest::newRow("the first faulty field in order is reported")
        << u"Command4"_s << with({{3, u"12x233"_s}, {4, u"32800"_s}, {5, u"12a"_s}})
        << QList<bool>{true, false, false} << u"Text4"_s
        << u"点Ⅱ经度“12x233”无法识别：“x”既不是数字，也不是方位（N、S、E、W 或 北、南、东、西），也不是度分秒的符号。"_s;

    // One row for each rule that refuses a coordinate, with its message.
    const QString latitude1 = u"点Ⅰ纬度"_s;
    const struct {
        const char* rule;
        QString text;
        QString reason;
    } refusals[] = {
        {"NoNumber", u"   "_s, u"无法识别：其中没有数字。"_s},
        {"StrayCharacter", u"4x1125"_s,
         u"无法识别：“x”既不是数字，也不是方位（N、S、E、W 或 北、南、东、西），也不是度分秒的符号。"_s},
        {"StrayCharacter invisible", u"42\u202E50"_s,
         u"无法识别：不可见字符（U+202E RIGHT-TO-LEFT OVERRIDE）既不是数字，也不是方位（N、S、E、W 或 北、南、东、西），也不是度分秒的符号。"_s},
        {"StrayCharacter look-alike", u"42\u041550"_s,
         u"无法识别：“\u0415”（U+0415 CYRILLIC CAPITAL LETTER IE）既不是数字，也不是方位（N、S、E、W 或 北、南、东、西），也不是度分秒的符号。"_s},
        {"DecimalComma", u"4250,5"_s, u"无法识别：小数点应写作“.”，不能用逗号。"_s},
        {"TwoPoints", u"42.50.0"_s, u"无法识别：一个数里只能有一个小数点，“.”是多余的。"_s},
        {"MisplacedHemisphere", u"42N50"_s, u"无法识别：方位“N”只能写在最前面或最后面。"_s},
        {"TwoHemispheres", u"N4250S"_s, u"无法识别：方位只能写一个，“S”是第二个。"_s},
        {"WrongAxis", u"4250E"_s, u"无法识别：“E”属于经度，纬度只能用 N、S（北、南）。"_s},
        {"HemisphereAndMinus", u"-4250S"_s, u"无法识别：已用“S”表示方位，不能再加负号。"_s},
        {"MisplacedSign", u"4250+"_s, u"无法识别：正负号只能写在数字的最前面，“+”的位置不对。"_s},
        {"NoDegreeSign", u"4250′"_s,
         u"无法识别：分、秒的符号“′”前应先写度数和度的符号，如 42°50.0′。"_s},
        {"MissingNumber", u"42°′"_s, u"无法识别：“′”前缺少数字。"_s},
        {"MarksOutOfOrder", u"50′42°"_s,
         u"无法识别：度、分、秒应按先后顺序各写一次，“′”的位置不对。"_s},
        {"MixedNotation", u"42:50′"_s,
         u"无法识别：度分秒符号、冒号和短横线只能选用一种，“′”与前面的写法不同。"_s},
        {"ExtraNumber", u"42°50′30″5"_s, u"无法识别：度、分、秒都已写出，“5”是多余的。"_s},
        {"DetachedFraction", u"42°.5"_s,
         u"无法识别：“.5”是度还是分的小数？请写作 42.5° 或 42°00.5′。"_s},
        {"FractionNotLast", u"42.5°30′"_s,
         u"无法识别：只有最后一部分可以带小数，“42.5”之后不能再写分或秒。"_s},
        {"SixtyOrMore", u"42°60′"_s, u"无法识别：分和秒应小于60，“60”不行。"_s},
        {"DashNeedsHemisphere", u"38-52.3"_s,
         u"无法识别：“-”是负号还是分隔符？用短横线分隔度和分时，请加上方位 N 或 S，如 38-52.3N。"_s},
        {"OutOfRange with marks", u"4250.0°N"_s, u"超出范围：度数应在 -90 到 90 之间。"_s},
        {"OutOfRange packed", u"32800"_s, u"超出范围：度数应在 -327 到 327 之间。"_s},
    };
    for (const auto& refusal : refusals) {
        QTest::addRow("%s", refusal.rule)
            << u"Command3"_s << with({{0, refusal.text}}) << allMinutes << u"Text1"_s
            << latitude1 + u"“"_s + QString(refusal.text).remove(u'\u202E') + u"”"_s
                   + refusal.reason;
    }
    QTest::newRow("FractionInSeconds")
        << u"Command4"_s << with({{4, u"421125.5"_s}}) << QList<bool>{true, true, false}
        << u"Text5"_s
        << u"参考点纬度“421125.5”无法识别：秒格式的最后两位是秒，不能带小数点（带小数的秒可写作 42°11′25.5″）。"_s;
    QTest::newRow("WrongAxis in a longitude")
        << u"Command3"_s << with({{1, u"11624S"_s}}) << allMinutes << u"Text2"_s
        << u"点Ⅰ经度“11624S”无法识别：“S”属于纬度，经度只能用 E、W（东、西）。"_s;
    QTest::newRow("OutOfRange in the seconds form")
        << u"Command4"_s << with({{5, u"4000000000"_s}}) << QList<bool>{true, true, false}
        << u"Text6"_s << u"参考点经度“4000000000”超出范围：度数应在 -32768 到 32767 之间。"_s;
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

// A whole position pasted into either field of a point fills both of its
// fields with the parts as written; any other text is pasted as it is.
void CommandsTest::pastePosition_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("how");  // "keys", "shift-insert" or "drop"
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QStringList>("point");  // the point's two fields afterwards

    QTest::newRow("Ctrl+V into a latitude")
        << u"Text1"_s << u"keys"_s << u"30°10.2′N 122°05.3′E"_s
        << QStringList{u"30°10.2′N"_s, u"122°05.3′E"_s};
    QTest::newRow("Shift+Insert into a longitude, longitude written first")
        << u"Text4"_s << u"shift-insert"_s << u"E122°05.3′ / N30°10.2′"_s
        << QStringList{u"N30°10.2′"_s, u"E122°05.3′"_s};
    QTest::newRow("dropped NMEA fields")
        << u"Text6"_s << u"drop"_s << u"4250.1234,N,09338.8000,W"_s
        << QStringList{u"4250.1234,N"_s, u"09338.8000,W"_s};
    QTest::newRow("one coordinate is pasted as it is")
        << u"Text1"_s << u"keys"_s << u"30°10.2′N"_s << QStringList{u"x30°10.2′N"_s, u"y"_s};
    QTest::newRow("two bare numbers are pasted as they are")
        << u"Text2"_s << u"keys"_s << u"42.8333, -93.6467"_s
        << QStringList{u"x"_s, u"y42.8333, -93.6467"_s};
}

void CommandsTest::pastePosition()
{
    QFETCH(QString, field);
    QFETCH(QString, how);
    QFETCH(QString, pasted);
    QFETCH(QStringList, point);

    WindowDriver driver;
    const int index = field.mid(4).toInt();
    const QString latitude = u"Text%1"_s.arg(index % 2 == 1 ? index : index - 1);
    const QString longitude = u"Text%1"_s.arg(index % 2 == 1 ? index + 1 : index);
    driver.type(latitude, u"x"_s);
    driver.type(longitude, u"y"_s);
    QLineEdit* target = driver.field(field);
    target->setFocus();
    target->end(false);
    if (how == u"drop"_s) {
        QMimeData data;
        data.setText(pasted);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        // Straight to the field: the application delivers drops only while a
        // drag it started is under way.
        static_cast<QObject*>(target)->event(&drop);
        QVERIFY(drop.isAccepted());
    } else {
        QGuiApplication::clipboard()->setText(pasted);
        if (how == u"keys"_s)
            QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        else
            QTest::keyClick(target, Qt::Key_Insert, Qt::ShiftModifier);
    }
    QCOMPARE((QStringList{driver.text(latitude), driver.text(longitude)}), point);
    // The paste is undone as one.
    if (point.first() != u"x"_s) {
        QTest::keyClick(driver.field(latitude), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(driver.text(latitude), u"x"_s);
    }
}

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
