// SPDX-License-Identifier: GPL-3.0-or-later
// The area of a window's panels at rest once it is laid out: a row of
// panels that fits stands side by side, one that does not stands one under
// another, and neither asks for its layout again and again while the window
// is open, which kept the processor busy as long as the window was shown.
#include "widgets/panel_area.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Counts the layout requests the panels' content is sent.
class LayoutRequests : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::LayoutRequest)
            ++count;
        return false;
    }
};

}  // namespace

class PanelAreaTest : public QObject
{
    Q_OBJECT

private slots:
    void restsOnceLaidOut_data();
    void restsOnceLaidOut();
};

void PanelAreaTest::restsOnceLaidOut_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("sideBySide");
    QTest::newRow("wide enough") << 900 << true;
    QTest::newRow("too narrow") << 260 << false;
}

void PanelAreaTest::restsOnceLaidOut()
{
    QFETCH(int, width);
    QFETCH(bool, sideBySide);
    QWidget window;
    auto* column = new QVBoxLayout(&window);
    auto* area = new tarnquil::PanelArea;
    auto* content = new QWidget;
    auto* row = new QHBoxLayout(content);
    for (const QString& title : {u"第一"_s, u"第二"_s}) {
        auto* panel = new QGroupBox(title);
        auto* field = new QLineEdit;
        field->setMinimumWidth(200);
        (new QVBoxLayout(panel))->addWidget(field);
        row->addWidget(panel);
    }
    row->addStretch();
    area->setWidget(content);
    column->addWidget(area);
    window.resize(width, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(50);
    QCOMPARE(row->direction() == QBoxLayout::LeftToRight, sideBySide);
    LayoutRequests requests;
    content->installEventFilter(&requests);
    QTest::qWait(200);
    QCOMPARE(requests.count, 0);
}

QTEST_MAIN(PanelAreaTest)
#include "panel_area_test.moc"
