// SPDX-License-Identifier: GPL-3.0-or-later
// The window at start-up: its controls, their places, fonts, colours, keyboard
// order and the state the user finds.
#include "calculator/help_text.h"
#include "window_driver.h"

#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QMenu>
#include <QMessageBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QColor windowColour(0xE2, 0xEC, 0xFD);

QRect twips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

// The controls of the window's layout: the widgets it names, which
// Qt's own parts of a control (a scroll bar, a viewport) are not.
QList<QWidget*> layoutControls(QWidget& window)
{
    QList<QWidget*> controls;
    for (QWidget* child : window.findChildren<QWidget*>()) {
        const QString name = child->objectName();
        static const QRegularExpression layoutName(u"^(Frame|Picture|Option|Label|Text|Command)\\d+$"_s);
        if (layoutName.match(name).hasMatch())
            controls.append(child);
    }
    return controls;
}

// Where a label's text is drawn, in its container's coordinates.
QRect inkOf(const QLabel* label)
{
    const QRect text = label->fontMetrics().boundingRect(label->contentsRect(),
                                                         int(label->alignment()), label->text());
    return text.translated(label->pos());
}

// The image-format plugins loaded into this process.
QStringList imageFormatPlugins()
{
    QFile maps(u"/proc/self/maps"_s);
    if (!maps.open(QIODevice::ReadOnly))
        qFatal("cannot read /proc/self/maps");
    QStringList plugins;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        if (line.contains("/imageformats/"))
            plugins << QString::fromLocal8Bit(line.mid(line.indexOf('/')));
    }
    plugins.removeDuplicates();
    return plugins;
}

}  // namespace

class WindowLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }

    void startsWithoutImagePlugins();
    void window();
    void controls_data();
    void controls();
    void layoutInvariants();
    void startState();
    void helpText();
    void fonts_data();
    void fonts();
    void colours_data();
    void colours();
    void accessibleNames_data();
    void accessibleNames();
    void keyboardOrder();
    void optionPairsAreIndependent();
    void outputFieldsRefuseEditing_data();
    void outputFieldsRefuseEditing();
    void doubleClickSelectsTheWholeResult_data();
    void doubleClickSelectsTheWholeResult();
    void entryFieldsTakeLongText();
    void commandChordsTypeNothing_data();
    void commandChordsTypeNothing();
    void altChordsReachShortcuts();
    void enterAndEscapePressNoButton_data();
    void enterAndEscapePressNoButton();
    void linkPointer();
    void qtTextsInChinese();
    void textsFitTheirBoxes();
    void optionsShowTheWindowColour();
    void commandFaces_data();
    void commandFaces();
    void linkShowsItsWholeCaptionUnderlined();
    void keyboardMovesAsOnTheDesktop_data();
    void keyboardMovesAsOnTheDesktop();
};

// The icon and the link pointer are PNGs, which Qt reads itself; asking every
// installed image-format plugin first would load them all, and their libraries,
// for nothing. Runs first, before another test can load a plugin.
void WindowLayoutTest::startsWithoutImagePlugins()
{
    if (!QFile::exists(u"/proc/self/maps"_s))
        QSKIP("this system does not list a process's mapped files");
    if (!imageFormatPlugins().isEmpty())
        QSKIP("an image-format plugin was loaded before the window was made");
    WindowDriver driver;
    QCOMPARE(imageFormatPlugins(), QStringList());
}

void WindowLayoutTest::window()
{
    WindowDriver driver;
    pdf& window = driver.window();
    QCOMPARE(window.windowTitle(), u"Vessoria—Tarnquil1.1"_s);
    QCOMPARE(window.size(), QSize(588, 408));
    QCOMPARE(window.minimumSize(), QSize(588, 408));
    QCOMPARE(window.maximumSize(), QSize(588, 408));
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!window.isMaximized() && !window.isMinimized());
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(window.windowIcon().pixmap(32, 32).deviceIndependentSize().toSize(), QSize(32, 32));
    // Exactly the sizes of assets/icons/sizes.txt, for the window system to
    // choose from.
    const auto bySide = [](QSize a, QSize b) { return a.width() < b.width(); };
    QList<QSize> iconSizes = window.windowIcon().availableSizes();
    std::sort(iconSizes.begin(), iconSizes.end(), bySide);
    QList<QSize> listed;
    for (const int side : {TARNQUIL_ICON_SIZES})
        listed << QSize(side, side);
    std::sort(listed.begin(), listed.end(), bySide);
    QCOMPARE(iconSizes, listed);
    QCOMPARE(QApplication::style()->name(), u"fusion"_s);

    // Centred; on a screen too small for it (as ctest's small_screen runs
    // it, 200 % on 1024 by 768), its title bar on the screen.
    const QRect screen = window.screen()->availableGeometry();
    if (window.frameGeometry().width() <= screen.width()
        && window.frameGeometry().height() <= screen.height()) {
        QVERIFY(qAbs(window.geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(window.geometry().center().y() - screen.center().y()) <= 1);
    } else {
        QVERIFY2(screen.contains(window.frameGeometry().topLeft()),
                 qPrintable(u"%1,%2"_s.arg(window.frameGeometry().left())
                                .arg(window.frameGeometry().top())));
    }
}

void WindowLayoutTest::controls_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");

    // A few rows of the window's defined layout, one of each kind and depth;
    // the invariants below hold for every control.
    const auto row = [](const char* name, const char* className, const char* container,
                        const QString& text, QRect geometry) {
        QTest::newRow(name) << QString::fromLatin1(className) << QString::fromLatin1(container)
                            << text << geometry;
    };
    row("Frame2", "QGroupBox", "", u"点Ⅱ"_s, twips(2880, 240, 3015, 1695));
    row("Option6", "QRadioButton", "Picture4", u"秒"_s, twips(960, 0, 495, 255));
    row("Text3", "QLineEdit", "Frame2", {}, twips(960, 600, 1695, 375));
    row("Command4", "QPushButton", "Picture1", u"计算三点夹角"_s, twips(600, 720, 1575, 375));
    row("Text10", "QPlainTextEdit", "", tarnquil::helpText(), twips(120, 3840, 8535, 1695));
    row("Label11", "QLabel", "", u"vessoria.example"_s, twips(4800, 5640, 1815, 255));
}

void WindowLayoutTest::controls()
{
    QFETCH(QString, className);
    QFETCH(QString, container);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);

    WindowDriver driver;
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QWidget* control = driver.control(name);
    QVERIFY2(control->inherits(className.toLatin1()), control->metaObject()->className());
    QWidget* expectedContainer = container.isEmpty() ? &driver.window() : driver.control(container);
    QCOMPARE(control->parentWidget(), expectedContainer);
    QCOMPARE(control->geometry(), geometry);

    if (auto* frame = qobject_cast<QGroupBox*>(control))
        QCOMPARE(frame->title(), text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        QCOMPARE(label->text(), text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        QCOMPARE(button->text(), text);
    else if (auto* field = qobject_cast<QLineEdit*>(control))
        QCOMPARE(field->text(), text);
    else if (auto* box = qobject_cast<QPlainTextEdit*>(control))
        QCOMPARE(box->toPlainText(), QString(text).replace(u"\r\n"_s, u"\n"_s));
}

// Every control of the layout, visible and enabled, lies inside its
// container, and no two side by side overlap. Only a label's box may reach
// into a neighbour's (the field beside it by a pixel, the link line's into
// each other), as long as its text does not.
void WindowLayoutTest::layoutInvariants()
{
    WindowDriver driver;
    const QList<QWidget*> controls = layoutControls(driver.window());
    QCOMPARE(controls.size(), 41);
    for (QWidget* control : controls) {
        const QString name = control->objectName();
        QVERIFY2(control->isVisible() && control->isEnabled(), qPrintable(name));
        QVERIFY2(control->parentWidget()->rect().contains(control->geometry()), qPrintable(name));
    }
    for (QWidget* one : controls) {
        for (QWidget* other : controls) {
            if (one == other || one->parentWidget() != other->parentWidget()
                || !one->geometry().intersects(other->geometry()))
                continue;
            const auto* oneLabel = qobject_cast<QLabel*>(one);
            const auto* otherLabel = qobject_cast<QLabel*>(other);
            QVERIFY2(oneLabel || otherLabel,
                     qPrintable(one->objectName() + u" overlaps "_s + other->objectName()));
            const QRect oneInk = oneLabel ? inkOf(oneLabel) : one->geometry();
            const QRect otherInk = otherLabel ? inkOf(otherLabel) : other->geometry();
            QVERIFY2(!oneInk.intersects(otherInk),
                     qPrintable(one->objectName() + u"'s text reaches into "_s + other->objectName()));
        }
    }
}

void WindowLayoutTest::startState()
{
    WindowDriver driver;
    for (int i = 1; i <= 9; ++i)
        QVERIFY(driver.text(u"Text%1"_s.arg(i)).isEmpty());
    for (const char* name : {"Option1", "Option3", "Option5"})
        QVERIFY2(driver.control<QRadioButton>(QLatin1StringView(name))->isChecked(), name);
    for (const char* name : {"Option2", "Option4", "Option6"})
        QVERIFY2(!driver.control<QRadioButton>(QLatin1StringView(name))->isChecked(), name);
    QCOMPARE(QApplication::focusWidget(), driver.control("Text1"));

    auto* help = driver.control<QPlainTextEdit>("Text10");
    QCOMPARE(help->verticalScrollBar()->value(), 0);
    QVERIFY(help->verticalScrollBar()->isVisible());
    QVERIFY(help->verticalScrollBar()->maximum() > 0);
}

void WindowLayoutTest::helpText()
{
    const QString text = tarnquil::helpText();
    QVERIFY(text.endsWith(u"\r\n"_s));
    QStringList lines = text.split(u"\r\n"_s);
    QCOMPARE(lines.takeLast(), QString());
    QCOMPARE(lines.size(), 15);
    QVERIFY(!text.contains(QRegularExpression(u"[^\r]\n|\r[^\n]"_s)));
    QCOMPARE(lines[0], u"此软件可以计算出航图上任意两点之间的距离和任意三点所成夹角的角度。"_s);
    QCOMPARE(lines[1], u"    "_s);
    QCOMPARE(lines[2], u"使用说明："_s);
    for (int empty : {5, 9, 11})
        QVERIFY2(lines[empty].isEmpty(), qPrintable(lines[empty]));
    QVERIFY(lines[10].contains(u"4250.0；9338.80"_s));
    QVERIFY(lines[10].contains(u"421125；1021125"_s));
    QCOMPARE(lines[12], u"谢谢使用。"_s);
    QVERIFY(lines[13].isEmpty());
    QVERIFY(lines[14].contains(u"42°50.0′N"_s));
}

void WindowLayoutTest::fonts_data()
{
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("underline");
    for (int i = 1; i <= 9; ++i)
        QTest::addRow("Text%d", i) << 12.0 << false;
    QTest::newRow("Text10") << 9.75 << false;
    QTest::newRow("Label11") << 10.5 << true;
    // Controls without a font of their own take the window's: Song, 9 points.
    for (const char* name : {"Frame1", "Option2", "Label1", "Label10", "Label12", "Command4"})
        QTest::newRow(name) << 9.0 << false;
}

void WindowLayoutTest::fonts()
{
    QFETCH(qreal, pointSize);
    QFETCH(bool, underline);

    WindowDriver driver;
    const QFont font = driver.control(QString::fromLatin1(QTest::currentDataTag()))->font();
    QCOMPARE(font.families().value(0), u"宋体"_s);
    QVERIFY(font.families().contains(u"SimSun"_s));
    QVERIFY(font.families().contains(u"Noto Serif CJK SC"_s));
    QCOMPARE(font.pointSizeF(), pointSize);
    QCOMPARE(font.weight(), QFont::Normal);
    QCOMPARE(font.underline(), underline);
}

void WindowLayoutTest::colours_data()
{
    QTest::addColumn<QColor>("background");
    QTest::addColumn<bool>("ownSurface");

    const QColor system = QApplication::palette().color(QPalette::Base);
    QTest::newRow("window") << windowColour << true;
    for (const char* name : {"Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Frame6",
                             "Label1", "Label2", "Label3", "Label4", "Label5", "Label6",
                             "Label7", "Label8", "Label9", "Label10", "Option1", "Option2",
                             "Option3", "Option4", "Option5", "Option6", "Picture1",
                             "Picture2", "Picture3", "Picture4", "Command3", "Command4",
                             "Text7", "Text8", "Text9"})
        QTest::newRow(name) << windowColour << true;
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text10"})
        QTest::newRow(name) << system << true;
    // Transparent: they show the window's colour through.
    for (const char* name : {"Label11", "Label12", "Label13"})
        QTest::newRow(name) << windowColour << false;
}

void WindowLayoutTest::colours()
{
    QFETCH(QColor, background);
    QFETCH(bool, ownSurface);

    WindowDriver driver;
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QWidget* control = name == u"window"_s ? &driver.window() : driver.control(name);
    const bool textBox = qobject_cast<QLineEdit*>(control) || qobject_cast<QPlainTextEdit*>(control);
    const QPalette::ColorRole role = textBox ? QPalette::Base : QPalette::Window;
    QCOMPARE(control->palette().color(role), background);
    if (!textBox)
        QCOMPARE(control->autoFillBackground(), ownSurface);
    if (qobject_cast<QPushButton*>(control))
        QCOMPARE(control->palette().color(QPalette::Button), windowColour);

    // What the screen shows in the control's top-left corner area, away from
    // borders and text.
    const QImage image = driver.window().grab().toImage();
    if (!textBox && !qobject_cast<QAbstractButton*>(control) && !name.startsWith(u"Frame"_s)) {
        const QPoint inside = control->mapTo(&driver.window(), QPoint(1, control->height() - 1));
        QCOMPARE(QColor(image.pixel(inside)), background);
    }
}

void WindowLayoutTest::accessibleNames_data()
{
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("Text1") << u"点Ⅰ纬度"_s;
    QTest::newRow("Text2") << u"点Ⅰ经度"_s;
    QTest::newRow("Text3") << u"点Ⅱ纬度"_s;
    QTest::newRow("Text4") << u"点Ⅱ经度"_s;
    QTest::newRow("Text5") << u"参考点纬度"_s;
    QTest::newRow("Text6") << u"参考点经度"_s;
    QTest::newRow("Text7") << u"距离（公里）"_s;
    QTest::newRow("Text8") << u"距离（海里）"_s;
    QTest::newRow("Text9") << u"夹角（度）"_s;
    QTest::newRow("Text10") << u"使用说明"_s;
    QTest::newRow("Command3") << u"计算两点距离"_s;
    QTest::newRow("Command4") << u"计算三点夹角"_s;
    QTest::newRow("Option1") << u"点Ⅰ按分输入"_s;
    QTest::newRow("Option6") << u"参考点按秒输入"_s;
}

void WindowLayoutTest::accessibleNames()
{
    QFETCH(QString, accessibleName);
    WindowDriver driver;
    QCOMPARE(driver.control(QString::fromLatin1(QTest::currentDataTag()))->accessibleName(),
             accessibleName);
}

void WindowLayoutTest::keyboardOrder()
{
    WindowDriver driver;
    driver.click("Option4");  // the selected option of a pair takes the focus

    QStringList visited;
    QWidget* start = driver.control("Text1");
    start->setFocus();
    for (int i = 0; i < 16; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const QStringList expected = {u"Text1"_s, u"Text2"_s, u"Text3"_s, u"Text4"_s, u"Text5"_s,
                                  u"Text6"_s, u"Text7"_s, u"Text8"_s, u"Text9"_s, u"Text10"_s,
                                  u"Command3"_s, u"Command4"_s, u"Option1"_s, u"Option4"_s,
                                  u"Option5"_s, u"Text1"_s};
    QCOMPARE(visited, expected);

    for (QWidget* child : driver.window().findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(child) || qobject_cast<QGroupBox*>(child))
            QVERIFY2(child->focusPolicy() == Qt::NoFocus, qPrintable(child->objectName()));
    }
}

void WindowLayoutTest::optionPairsAreIndependent()
{
    WindowDriver driver;
    driver.click("Option4");
    QVERIFY(driver.control<QRadioButton>("Option4")->isChecked());
    QVERIFY(!driver.control<QRadioButton>("Option3")->isChecked());
    QVERIFY(driver.control<QRadioButton>("Option1")->isChecked());
    QVERIFY(driver.control<QRadioButton>("Option5")->isChecked());
    driver.click("Option6");
    QVERIFY(driver.control<QRadioButton>("Option4")->isChecked());
    QVERIFY(driver.control<QRadioButton>("Option6")->isChecked());
    QVERIFY(driver.control<QRadioButton>("Option1")->isChecked());
}

void WindowLayoutTest::outputFieldsRefuseEditing_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"Text7", "Text8", "Text9", "Text10"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void WindowLayoutTest::outputFieldsRefuseEditing()
{
    QFETCH(QString, name);
    WindowDriver driver;
    QWidget* control = driver.control(name);
    const auto content = [control] {
        if (auto* field = qobject_cast<QLineEdit*>(control))
            return field->text();
        return qobject_cast<QPlainTextEdit*>(control)->toPlainText();
    };
    if (auto* field = qobject_cast<QLineEdit*>(control))
        field->setText(u"1071.919"_s);
    const QString before = content();

    QApplication::clipboard()->setText(u"999"_s);
    control->setFocus();
    QTest::keyClicks(control, u"42"_s);
    QTest::keyClick(control, Qt::Key_Backspace);
    QTest::keyClick(control, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(control, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(content(), before);

    // Selecting and copying still works.
    QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(control, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), before);
}

void WindowLayoutTest::doubleClickSelectsTheWholeResult_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("clicked");  // the character double-clicked

    QTest::newRow("Text7 whole kilometres") << u"Text7"_s << u"1071.919"_s << 1;
    QTest::newRow("Text7 thousandths") << u"Text7"_s << u"1071.919"_s << 6;
    QTest::newRow("Text8 hundredths") << u"Text8"_s << u"578.79"_s << 5;
    QTest::newRow("Text9 no whole degrees") << u"Text9"_s << u".809"_s << 2;
}

// Word selection would stop at the point and copy half a number.
void WindowLayoutTest::doubleClickSelectsTheWholeResult()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(int, clicked);

    WindowDriver driver;
    QLineEdit* field = driver.field(name);
    field->setText(text);
    // Just left of the middle of the character, where the cursor would go
    // from before it to after it.
    int x = 0;
    while (x < field->width() && field->cursorPositionAt({x, field->height() / 2}) <= clicked)
        ++x;
    QTest::mouseDClick(field, Qt::LeftButton, {}, {x - 1, field->height() / 2});
    QCOMPARE(field->selectedText(), text);
}

void WindowLayoutTest::entryFieldsTakeLongText()
{
    WindowDriver driver;
    const QString longText(40000, u'9');
    driver.field("Text1")->setText(longText);
    QCOMPARE(driver.text("Text1").size(), longText.size());
    driver.type("Text2", u"42 50 abc"_s);
    QCOMPARE(driver.text("Text2"), u"42 50 abc"_s);
}

void WindowLayoutTest::commandChordsTypeNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<char>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("text");

    // Alt+S typed an "s", which reads as south.
    QTest::newRow("Alt+S") << u"Text1"_s << 's' << Qt::KeyboardModifiers(Qt::AltModifier)
                           << u"4250"_s;
    QTest::newRow("Alt+1") << u"Text6"_s << '1' << Qt::KeyboardModifiers(Qt::AltModifier)
                           << u"4250"_s;
    QTest::newRow("Alt+minus") << u"Text3"_s << '-' << Qt::KeyboardModifiers(Qt::AltModifier)
                               << u"4250"_s;
    QTest::newRow("Meta+E") << u"Text4"_s << 'e' << Qt::KeyboardModifiers(Qt::MetaModifier)
                            << u"4250"_s;
    QTest::newRow("Meta+2") << u"Text5"_s << '2' << Qt::KeyboardModifiers(Qt::MetaModifier)
                            << u"4250"_s;
    QTest::newRow("plain S") << u"Text1"_s << 'S' << Qt::KeyboardModifiers() << u"4250S"_s;
    // AltGr arrives as Ctrl+Alt on Windows: German AltGr+Q types "@".
    QTest::newRow("Ctrl+Alt types as AltGr")
        << u"Text1"_s << '@' << (Qt::ControlModifier | Qt::AltModifier) << u"4250@"_s;
}

// Alt and Meta chords are commands, not text: only the keys themselves would
// be typed, silently changing the position.
void WindowLayoutTest::commandChordsTypeNothing()
{
    QFETCH(QString, name);
    QFETCH(char, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, text);

    WindowDriver driver;
    driver.type(name, u"4250"_s);
    QTest::keyClick(driver.field(name), key, modifiers);
    QCOMPARE(driver.text(name), text);
}

// A shortcut of the window still gets its Alt chord from an entry field.
void WindowLayoutTest::altChordsReachShortcuts()
{
    WindowDriver driver;
    QShortcut shortcut(QKeySequence(Qt::ALT | Qt::Key_S), &driver.window());
    QSignalSpy activated(&shortcut, &QShortcut::activated);
    driver.type(u"Text1"_s, u"4250"_s);
    QTest::keyClick(driver.field(u"Text1"_s), Qt::Key_S, Qt::AltModifier);
    QCOMPARE(activated.size(), 1);
    QCOMPARE(driver.text(u"Text1"_s), u"4250"_s);
}

void WindowLayoutTest::enterAndEscapePressNoButton_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");
    for (const char* name : {"Text1", "Text4", "Text6", "Text8", "Text10", "Option1"}) {
        QTest::addRow("%s Enter", name) << QString::fromLatin1(name) << int(Qt::Key_Return);
        QTest::addRow("%s Esc", name) << QString::fromLatin1(name) << int(Qt::Key_Escape);
    }
}

void WindowLayoutTest::enterAndEscapePressNoButton()
{
    QFETCH(QString, name);
    QFETCH(int, key);

    WindowDriver driver;
    // With every field empty, either command would complain at once.
    QWidget* control = driver.control(name);
    control->setFocus();
    QTest::keyClick(control, Qt::Key(key));
    QTest::keyClick(&driver.window(), Qt::Key(key));
    QVERIFY2(driver.messages().isEmpty(), qPrintable(driver.messages().join(u'|')));
    QVERIFY(driver.window().isVisible());
    for (const char* button : {"Command3", "Command4"}) {
        QVERIFY(!driver.control<QPushButton>(QLatin1StringView(button))->autoDefault());
        QVERIFY(!driver.control<QPushButton>(QLatin1StringView(button))->isDefault());
    }
}

void WindowLayoutTest::linkPointer()
{
    WindowDriver driver;
    const QCursor cursor = driver.control("Label11")->cursor();
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), QPoint(6, 0));
    QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
    QCOMPARE(driver.control("Label13")->cursor().shape(), Qt::ArrowCursor);

    // Two colours: the hand and its outline.
    const QImage image = cursor.pixmap().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                colours.insert(image.pixel(x, y));
    QCOMPARE(colours.size(), 2);
}

void WindowLayoutTest::qtTextsInChinese()
{
    const QString translations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(translations + u"/qtbase_zh_CN.qm"_s))
        QSKIP("qt6-translations-l10n is not installed");
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok);
    QCOMPARE(box.button(QMessageBox::Ok)->text(), u"确定"_s);

    // The fields' context menus.
    WindowDriver driver;
    std::unique_ptr<QMenu> menu(driver.field(u"Text1"_s)->createStandardContextMenu());
    QStringList entries;
    for (const QAction* action : menu->actions())
        entries << action->text();
    QVERIFY2(entries.join(u' ').contains(u"复制"_s), qPrintable(entries.join(u' ')));
}

void WindowLayoutTest::textsFitTheirBoxes()
{
    WindowDriver driver;
    // One line each: the labels but the note, the buttons' captions, the
    // frames' titles, the options with their circles.
    for (QWidget* control : layoutControls(driver.window())) {
        const QString name = control->objectName();
        QString text;
        int room = control->width();
        if (auto* label = qobject_cast<QLabel*>(control); label && !label->wordWrap()) {
            text = label->text();
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            text = button->text();
            room -= 4;  // inside the two-pixel bevel on each side
        } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            text = frame->title();
        } else if (auto* option = qobject_cast<QRadioButton*>(control)) {
            QStyleOptionButton box;
            box.initFrom(option);
            text = option->text();
            room = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &box, option).width();
        }
        QVERIFY2(control->fontMetrics().horizontalAdvance(text) <= room, qPrintable(name));
    }
    auto* link = driver.control<QLabel>(u"Label11"_s);
    QVERIFY(QFontMetrics(link->font()).horizontalAdvance(link->text()) <= link->width());

    // The note wraps to two lines, and both lie inside its box: drawn in a
    // taller box, nothing appears below the original height.
    auto* note = driver.control<QLabel>(u"Label10"_s);
    const int height = note->height();
    QVERIFY(QFontMetrics(note->font()).horizontalAdvance(note->text()) > note->width());
    note->resize(note->width(), 3 * height);
    const QImage image = note->grab().toImage();
    const auto inkInRows = [&image](int from, int to) {
        int ink = 0;
        for (int y = from; y < to; ++y)
            for (int x = 0; x < image.width(); ++x)
                ink += qGray(image.pixel(x, y)) < 128;
        return ink;
    };
    QVERIFY(inkInRows(0, height / 2) > 0);
    QVERIFY(inkInRows(height / 2, height) > 0);
    QCOMPARE(inkInRows(height, image.height()), 0);
}

// Around their circles and captions the option buttons show the window colour,
// not a patch of the style's button colour.
void WindowLayoutTest::optionsShowTheWindowColour()
{
    WindowDriver driver;
    const QImage image = driver.window().grab().toImage();
    for (int i = 1; i <= 6; ++i) {
        QWidget* option = driver.control(u"Option%1"_s.arg(i));
        const QRect box = option->rect();
        for (const QPoint corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()}) {
            const QPoint at = option->mapTo(&driver.window(), corner);
            QVERIFY2(QColor(image.pixel(at)) == windowColour,
                     qPrintable(u"%1 at %2,%3: %4"_s.arg(option->objectName()).arg(corner.x())
                                    .arg(corner.y()).arg(QColor(image.pixel(at)).name())));
        }
    }
}

void WindowLayoutTest::commandFaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("down");
    QTest::addColumn<bool>("focused");
    QTest::newRow("Command3 raised") << u"Command3"_s << false << false;
    QTest::newRow("Command3 pressed") << u"Command3"_s << true << false;
    QTest::newRow("Command4 focused") << u"Command4"_s << false << true;
}

// The command buttons have a flat face in the window colour inside a 3-D
// bevel, raised or, while pressed, sunken; not the style's shaded face. A
// dotted rectangle inside the face shows the focus.
void WindowLayoutTest::commandFaces()
{
    QFETCH(QString, name);
    QFETCH(bool, down);
    QFETCH(bool, focused);

    WindowDriver driver;
    auto* button = driver.control<QPushButton>(name);
    if (focused)
        button->setFocus();
    button->setDown(down);
    QCOMPARE(button->hasFocus(), focused);
    const QImage image = button->grab().toImage();
    const QRect face = button->rect().adjusted(2, 2, -2, -2);
    const QRect caption = button->fontMetrics()
                              .boundingRect(face, Qt::AlignCenter, button->text())
                              .adjusted(-1, -1, 2, 2);
    const auto inset = [&face](QPoint p) {
        return std::min({p.x() - face.left(), face.right() - p.x(), p.y() - face.top(),
                         face.bottom() - p.y()});
    };
    int focusInk = 0;
    for (int y = face.top(); y <= face.bottom(); ++y) {
        for (int x = face.left(); x <= face.right(); ++x) {
            const QPoint p(x, y);
            const QColor colour(image.pixel(p));
            QVERIFY2(colour != QColor(Qt::white), qPrintable(u"white at %1,%2"_s.arg(x).arg(y)));
            if (caption.contains(p))
                continue;
            if (inset(p) == 1)
                focusInk += colour != windowColour;
            else
                QVERIFY2(colour == windowColour,
                         qPrintable(u"%1 at %2,%3"_s.arg(colour.name()).arg(x).arg(y)));
        }
    }
    QCOMPARE(focusInk > 0, focused);

    // The bevel: lighter than the face on the top and left, darker on the
    // bottom and right, or the other way round while pressed.
    const int middle = button->height() / 2;
    const auto gray = [&image](int x, int y) { return qGray(image.pixel(x, y)); };
    const int faceGray = qGray(windowColour.rgb());
    QCOMPARE(gray(0, middle) > faceGray, !down);
    QCOMPARE(gray(middle, 0) > faceGray, !down);
    QCOMPARE(gray(button->width() - 1, middle) > faceGray, down);
    QCOMPARE(gray(middle, button->height() - 1) > faceGray, down);
}

// The link shows its whole caption at its normal width, underlined, inside its
// box: drawn in a box three times as tall, nothing appears below the box's own
// height, and one row inside it is inked across the caption.
void WindowLayoutTest::linkShowsItsWholeCaptionUnderlined()
{
    WindowDriver driver;
    auto* link = driver.control<QLabel>(u"Label11"_s);
    const QFont font = link->font();
    QVERIFY2(font.stretch() == QFont::AnyStretch || font.stretch() == QFont::Unstretched,
             qPrintable(QString::number(font.stretch())));
    const int captionWidth = QFontMetrics(font).horizontalAdvance(link->text());
    QVERIFY(captionWidth <= link->width());

    const int height = link->height();
    link->resize(link->width(), 3 * height);
    const QImage image = link->grab().toImage();
    const auto inkInRow = [&image, captionWidth](int y) {
        int ink = 0;
        for (int x = 0; x < captionWidth; ++x)
            ink += qGray(image.pixel(x, y)) < 128;
        return ink;
    };
    int below = 0;
    for (int y = height; y < image.height(); ++y)
        below += inkInRow(y);
    QCOMPARE(below, 0);
    int widestRow = 0;
    for (int y = 0; y < height; ++y)
        widestRow = std::max(widestRow, inkInRow(y));
    QVERIFY2(widestRow >= captionWidth * 9 / 10,
             qPrintable(u"%1 of %2 pixels"_s.arg(widestRow).arg(captionWidth)));
}

void WindowLayoutTest::keyboardMovesAsOnTheDesktop_data()
{
    QTest::addColumn<bool>("active");
    QTest::newRow("active window") << true;
    QTest::newRow("inactive window") << false;
}

// A pair of options is one tab stop, its selected option, both ways; the
// arrow keys move the selection within the pair; Return and Enter press a
// command button that has the focus. All of this also while another window is
// active, as when keys arrive from an input method or a test tool.
void WindowLayoutTest::keyboardMovesAsOnTheDesktop()
{
    QFETCH(bool, active);

    WindowDriver driver;
    pdf& window = driver.window();
    QWidget other;
    if (!active) {
        other.show();
        QApplication::setActiveWindow(&other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!window.isActiveWindow());
    }
    const auto press = [&window](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window.focusWidget(), key, modifiers);
        return window.focusWidget()->objectName();
    };
    const auto walk = [&press](int steps, Qt::KeyboardModifiers modifiers) {
        QStringList visited;
        for (int i = 0; i < steps; ++i)
            visited << press(Qt::Key_Tab, modifiers);
        return visited;
    };
    const auto selected = [&driver] {
        QStringList names;
        for (int i = 1; i <= 6; ++i) {
            if (driver.control<QRadioButton>(u"Option%1"_s.arg(i))->isChecked())
                names << u"Option%1"_s.arg(i);
        }
        return names;
    };

    QCOMPARE(window.focusWidget()->objectName(), u"Text1"_s);
    QCOMPARE(walk(5, Qt::ShiftModifier),
             (QStringList{u"Option5"_s, u"Option3"_s, u"Option1"_s, u"Command4"_s, u"Command3"_s}));
    QCOMPARE(walk(5, {}),
             (QStringList{u"Command4"_s, u"Option1"_s, u"Option3"_s, u"Option5"_s, u"Text1"_s}));

    walk(2, Qt::ShiftModifier);  // back to Option3
    QCOMPARE(press(Qt::Key_Right), u"Option4"_s);
    QCOMPARE(selected(), (QStringList{u"Option1"_s, u"Option4"_s, u"Option5"_s}));
    QCOMPARE(press(Qt::Key_Left), u"Option3"_s);
    QCOMPARE(press(Qt::Key_Down), u"Option4"_s);
    QCOMPARE(selected(), (QStringList{u"Option1"_s, u"Option4"_s, u"Option5"_s}));
    QCOMPARE(walk(2, {}), (QStringList{u"Option5"_s, u"Text1"_s}));
    QCOMPARE(walk(3, Qt::ShiftModifier),
             (QStringList{u"Option5"_s, u"Option4"_s, u"Option1"_s}));

    // With every field empty, a pressed command complains at once and puts
    // the cursor in the first field.
    QCOMPARE(walk(2, Qt::ShiftModifier), (QStringList{u"Command4"_s, u"Command3"_s}));
    QCOMPARE(press(Qt::Key_Return), u"Text1"_s);
    QCOMPARE(driver.messages(), QStringList{u"请输入完整的经纬信息！"_s});
    QCOMPARE(walk(4, Qt::ShiftModifier),
             (QStringList{u"Option5"_s, u"Option4"_s, u"Option1"_s, u"Command4"_s}));
    QCOMPARE(press(Qt::Key_Enter), u"Text1"_s);
    QCOMPARE(driver.messages().size(), 2);
}

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
