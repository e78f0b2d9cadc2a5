// SPDX-License-Identifier: GPL-3.0-or-later
// The website link: its colour as the pointer moves, and the click.
#include "window_driver.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

const QColor red(255, 0, 0);

QColor menuText() { return QApplication::palette("QMenu").color(QPalette::Text); }
QColor buttonText() { return QApplication::palette("QPushButton").color(QPalette::ButtonText); }

}  // namespace

// Receives the addresses that QDesktopServices hands to the http handler.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

class LinkLabelTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startColours();
    void pointerMoves_data();
    void pointerMoves();
    void clickOpensWebsite();
    void screenReaderOpensWebsite();
    void failureToOpenIsReported();
    void failingHandlerIsReported();

private:
    // Moves the pointer to a place: "link", "surface" (bare window), "Frame1",
    // "Label13", "Label12" or "Text1"; "held" in front presses the left
    // button first and releases it away from the link, so that nothing is
    // clicked.
    static void moveTo(WindowDriver& driver, const QString& place);
    QTemporaryDir noPrograms_;

    static QColor linkColour(WindowDriver& driver)
    {
        return driver.control("Label11")->palette().color(QPalette::WindowText);
    }
};

void LinkLabelTest::initTestCase()
{
    prepareTestApplication();
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    // No xdg-open: a desktop's handler would open a browser during the tests.
    // (Elsewhere the PATH also finds the libraries the tests load.)
    QVERIFY(noPrograms_.isValid());
    qputenv("PATH", QFile::encodeName(noPrograms_.path()));
#endif
    // Distinct system colours, so that every change can be seen.
    QPalette menu = QApplication::palette("QMenu");
    menu.setColor(QPalette::Text, QColor(0, 0, 128));
    QApplication::setPalette(menu, "QMenu");
    QPalette button = QApplication::palette("QPushButton");
    button.setColor(QPalette::ButtonText, QColor(0, 100, 0));
    QApplication::setPalette(button, "QPushButton");
    QCOMPARE(menuText(), QColor(0, 0, 128));
    QCOMPARE(buttonText(), QColor(0, 100, 0));
}

void LinkLabelTest::startColours()
{
    WindowDriver driver;
    QCOMPARE(linkColour(driver), menuText());
    QCOMPARE(driver.control("Label12")->palette().color(QPalette::WindowText), menuText());
    QVERIFY(driver.control("Label11")->hasMouseTracking());
}

void LinkLabelTest::moveTo(WindowDriver& driver, const QString& place)
{
    pdf& window = driver.window();
    const bool held = place.startsWith(u"held "_s);
    const QString target = held ? place.mid(5) : place;
    QWidget* widget = nullptr;
    QPoint point;
    if (target == u"surface"_s) {
        // Between the frames and the help text, left of the link line.
        widget = &window;
        point = QPoint(100, 390);
        QVERIFY(window.childAt(point) == nullptr);
    } else {
        widget = driver.control(target == u"link"_s ? u"Label11"_s : target);
        point = QPoint(3, widget->height() - 3);
    }
    if (held)
        QTest::mousePress(widget, Qt::LeftButton, {}, point);
    QTest::mouseMove(widget, point);
    QTest::mouseMove(widget, point + QPoint(1, 0));
    // Without a button held QTest moves the system's pointer, and a window
    // system may report that move a little later (Wine does); offscreen it
    // arrives at once.
    if (!held && QGuiApplication::platformName() != u"offscreen"_s)
        QTest::qWait(250);
    if (held)
        QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(-200, -200));
}

void LinkLabelTest::pointerMoves_data()
{
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<QString>("colour");  // "menu", "red" or "button"

    QTest::newRow("over the link") << QStringList{u"link"_s} << u"red"_s;
    QTest::newRow("over bare surface") << QStringList{u"surface"_s} << u"button"_s;
    QTest::newRow("over a frame only") << QStringList{u"Frame1"_s} << u"menu"_s;
    QTest::newRow("over the caption only") << QStringList{u"Label13"_s} << u"menu"_s;
    QTest::newRow("link then surface") << QStringList{u"link"_s, u"surface"_s} << u"button"_s;
    QTest::newRow("link then left neighbour stays red")
        << QStringList{u"link"_s, u"Label13"_s} << u"red"_s;
    QTest::newRow("link then right neighbour stays red")
        << QStringList{u"link"_s, u"Label12"_s} << u"red"_s;
    QTest::newRow("link then frame and field stays red")
        << QStringList{u"link"_s, u"Frame1"_s, u"Text1"_s} << u"red"_s;
    QTest::newRow("surface then frame keeps button text")
        << QStringList{u"surface"_s, u"Frame1"_s} << u"button"_s;
    QTest::newRow("back to the link")
        << QStringList{u"link"_s, u"surface"_s, u"link"_s} << u"red"_s;
    QTest::newRow("button held over the link") << QStringList{u"held link"_s} << u"red"_s;
    QTest::newRow("button held over surface")
        << QStringList{u"link"_s, u"held surface"_s} << u"button"_s;
    QTest::newRow("button held over the caption")
        << QStringList{u"link"_s, u"held Label13"_s} << u"red"_s;
    QTest::newRow("button held over a frame")
        << QStringList{u"surface"_s, u"held Frame1"_s} << u"button"_s;
}

void LinkLabelTest::pointerMoves()
{
    QFETCH(QStringList, moves);
    QFETCH(QString, colour);

    WindowDriver driver;
    for (const QString& place : moves)
        moveTo(driver, place);
    const QColor expected = colour == u"red"_s ? red : colour == u"button"_s ? buttonText() : menuText();
    QCOMPARE(linkColour(driver), expected);
    QCOMPARE(driver.messages(), QStringList());
}

void LinkLabelTest::clickOpensWebsite()
{
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(u"http"_s, &recorder, "open");
    WindowDriver driver;
    moveTo(driver, u"link"_s);
    driver.click(u"Label11"_s);
    QDesktopServices::unsetUrlHandler(u"http"_s);

    QCOMPARE(recorder.opened, QList<QUrl>{QUrl(u"http://vessoria.example"_s)});
    QCOMPARE(recorder.opened.value(0).host(), driver.control<QLabel>("Label11")->text());
    QCOMPARE(driver.messages(), QStringList());
    QCOMPARE(linkColour(driver), red);

    // A press that is released elsewhere is no click.
    QDesktopServices::setUrlHandler(u"http"_s, &recorder, "open");
    QWidget* link = driver.control("Label11");
    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-20, 3));
    QTest::mouseClick(link, Qt::RightButton, {}, QPoint(3, 3));
    QDesktopServices::unsetUrlHandler(u"http"_s);
    QCOMPARE(recorder.opened.size(), 1);
}

// A screen reader opens the link through its one action, as a click does,
// once its call has returned: a failure's modal prompt would hold the call
// until the user closes it. The link never takes the keyboard focus.
void LinkLabelTest::screenReaderOpensWebsite()
{
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(u"http"_s, &recorder, "open");
    const auto unsetHandler = qScopeGuard([] { QDesktopServices::unsetUrlHandler(u"http"_s); });
    WindowDriver driver;
    QWidget* link = driver.control(u"Label11"_s);
    QAccessibleActionInterface* actions
        = QAccessible::queryAccessibleInterface(link)->actionInterface();
    QVERIFY(actions != nullptr);
    QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    actions->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(recorder.opened.isEmpty());

    QTRY_COMPARE(recorder.opened, QList<QUrl>{QUrl(u"http://vessoria.example"_s)});
    QCOMPARE(driver.messages(), QStringList());
    QCOMPARE(link->focusPolicy(), Qt::NoFocus);
}

void LinkLabelTest::failureToOpenIsReported()
{
    // A handler that cannot be called makes QDesktopServices report failure.
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(u"http"_s, &recorder, "noSuchSlot");
    WindowDriver driver;
    driver.click(u"Label11"_s);
    QDesktopServices::unsetUrlHandler(u"http"_s);

    QCOMPARE(driver.messages(),
             QStringList{u"无法打开网址“http://vessoria.example”，请确认系统已设置默认浏览器。"_s});
    QVERIFY(recorder.opened.isEmpty());
}

// On a freedesktop.org desktop the address goes to xdg-open, which may start
// and then fail (no browser, say). The click does not wait for it: the
// handler here waits until the test lets it go on, which a click that waited
// for it would never do, and when it gives up the user gets the same message
// as when nothing can open addresses.
void LinkLabelTest::failingHandlerIsReported()
{
#if !defined(Q_OS_UNIX) || defined(Q_OS_DARWIN) || defined(Q_OS_ANDROID)
    QSKIP("addresses go to xdg-open on freedesktop.org systems only");
#else
    const QString sleep = QStandardPaths::findExecutable(u"sleep"_s, {u"/bin"_s, u"/usr/bin"_s});
    QVERIFY(!sleep.isEmpty());
    QTemporaryDir handlerDir;
    QVERIFY(handlerDir.isValid());
    const QString handler = handlerDir.filePath(u"xdg-open"_s);
    const QString record = handlerDir.filePath(u"called"_s);
    const QString release = handlerDir.filePath(u"release"_s);
    const QString finished = handlerDir.filePath(u"finished"_s);
    // It gives up after ten seconds at the most, so that a click that waited
    // for it would return with the handler finished.
    QFile script(handler);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(u"#!/bin/sh\necho \"$1\" > '%1'\n"
                 u"i=0\nwhile [ ! -e '%2' ] && [ $i -lt 100 ]; do '%3' 0.1; i=$((i + 1)); done\n"
                 u": > '%4'\nexit 3\n"_s.arg(record, release, sleep, finished)
                     .toUtf8());
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    const QByteArray path = qgetenv("PATH");
    const auto restorePath = qScopeGuard([&path] { qputenv("PATH", path); });
    qputenv("PATH", QFile::encodeName(handlerDir.path()));
    WindowDriver driver;
    driver.click(u"Label11"_s);
    QVERIFY2(!QFile::exists(finished), "the click waited for the handler to finish");
    QCOMPARE(driver.messages(), QStringList());
    QFile released(release);
    QVERIFY(released.open(QIODevice::WriteOnly));
    released.close();
    QTRY_VERIFY_WITH_TIMEOUT(!driver.messages().isEmpty(), 10000);

    QCOMPARE(driver.messages(),
             QStringList{u"无法打开网址“http://vessoria.example”，请确认系统已设置默认浏览器。"_s});
    QFile called(record);
    QVERIFY(called.open(QIODevice::ReadOnly));
    QCOMPARE(called.readAll(), QByteArray("http://vessoria.example\n"));
#endif
}

QTEST_MAIN(LinkLabelTest)
#include "link_label_test.moc"
