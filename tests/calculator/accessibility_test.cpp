// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader learns of the window through Qt's accessibility
// interfaces: roles, names, descriptions, states and the results' text.
//
// Every check looks at the first window the process makes. Qt keeps the
// interface it first creates for a control, and a control can make it create
// one while it is being built, before a factory of ours is installed; later
// windows would hide that.
#include "window_driver.h"

#include <QAccessible>

#include <memory>

using namespace Qt::StringLiterals;

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareTestApplication();
        driver_ = std::make_unique<WindowDriver>();
    }

    void screenReaderView_data();
    void screenReaderView();
    void screenReaderReadsResults();

private:
    std::unique_ptr<WindowDriver> driver_;
};

void AccessibilityTest::screenReaderView_data()
{
    QTest::addColumn<int>("role");  // QAccessible::Role
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("focusable");

    // A window, not a bare client area: the screen reader hears of its
    // activation and names it by its title.
    QTest::newRow("window") << int(QAccessible::Window) << u"Vessoria—Tarnquil1.1"_s << QString()
                            << false << false << false;
    QTest::newRow("Label11") << int(QAccessible::Link) << u"官网链接"_s
                             << u"http://vessoria.example"_s << false << false << false;
    QTest::newRow("Text1") << int(QAccessible::EditableText) << u"点Ⅰ纬度"_s << QString() << true
                           << false << true;
    QTest::newRow("Text7") << int(QAccessible::EditableText) << u"距离（公里）"_s << QString()
                           << false << true << true;
    QTest::newRow("Text8") << int(QAccessible::EditableText) << u"距离（海里）"_s << QString()
                           << false << true << true;
    QTest::newRow("Text9") << int(QAccessible::EditableText) << u"夹角（度）"_s << QString()
                           << false << true << true;
    // Without names of their own the panels would repeat their frame's title.
    for (const char* panel : {"Picture2", "Picture3", "Picture4"})
        QTest::newRow(panel) << int(QAccessible::Client) << u"输入格式"_s << QString() << false
                             << false << false;
    QTest::newRow("Picture1") << int(QAccessible::Client) << u"计算命令"_s << QString() << false
                              << false << false;
}

void AccessibilityTest::screenReaderView()
{
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(bool, editable);
    QFETCH(bool, readOnly);
    QFETCH(bool, focusable);

    const QString control = QString::fromLatin1(QTest::currentDataTag());
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(
        control == u"window"_s ? &driver_->window() : driver_->control(control));
    QVERIFY(view != nullptr);
    QCOMPARE(int(view->role()), role);
    QCOMPARE(view->text(QAccessible::Name), name);
    QCOMPARE(view->text(QAccessible::Description), description);
    QCOMPARE(bool(view->state().editable), editable);
    QCOMPARE(bool(view->state().readOnly), readOnly);
    QCOMPARE(bool(view->state().focusable), focusable);
}

// A result field reads to a screen reader as its number, which it can
// select, and whose characters it finds where the field draws them.
void AccessibilityTest::screenReaderReadsResults()
{
    QLineEdit* field = driver_->field(u"Text7"_s);
    field->setText(u"1071.919"_s);
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(field);
    QAccessibleTextInterface* text = view->textInterface();
    QVERIFY(text != nullptr);
    QVERIFY(view->editableTextInterface() == nullptr);
    QCOMPARE(view->text(QAccessible::Value), u"1071.919"_s);
    QCOMPARE(text->characterCount(), 8);
    QCOMPARE(text->text(0, 8), u"1071.919"_s);
    QCOMPARE(text->text(5, 8), u"919"_s);

    text->setSelection(0, 5, 8);
    QCOMPARE(field->selectedText(), u"919"_s);
    QCOMPARE(text->selectionCount(), 1);
    int start = -1, end = -1;
    text->selection(0, &start, &end);
    QCOMPARE(std::pair(start, end), std::pair(5, 8));
    text->removeSelection(0);
    QCOMPARE(text->selectionCount(), 0);
    QCOMPARE(field->text(), u"1071.919"_s);

    int left = -1;
    for (int offset = 0; offset < 8; ++offset) {
        const QRect character = text->characterRect(offset);
        QVERIFY2(character.left() > left, qPrintable(QString::number(offset)));
        left = character.left();
        const QPoint inside(character.left() + 1, character.center().y());
        QCOMPARE(text->offsetAtPoint(inside), offset);
        QVERIFY(field->rect().contains(field->mapFromGlobal(character.center())));
    }
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
