// SPDX-License-Identifier: GPL-3.0-or-later
// What the kind of a route file, told by its name, makes the route window
// do: ask which route to open of a file that may hold several, and write
// again with 保存 only the waypoint list it writes.
#include "routefiles/route_file.h"

#include <QTest>

using namespace Qt::StringLiterals;

class RouteFileKindsTest : public QObject
{
    Q_OBJECT

private slots:
    void kindByName_data();
    void kindByName();
};

void RouteFileKindsTest::kindByName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("read");
    QTest::addColumn<bool>("severalRoutes");
    QTest::addColumn<bool>("waypointFile");

    QTest::newRow("a GPX file") << u"/tmp/航线.gpx"_s << true << true << false;
    QTest::newRow("a GPX file named in capitals") << u"航线.GPX"_s << true << true << false;
    QTest::newRow("a CSV file") << u"航线.csv"_s << true << false << true;
    QTest::newRow("a CSV file named in capitals") << u"C:\\航线\\A.CSV"_s << true << false << true;
    QTest::newRow("a GPX file kept as a CSV") << u"航线.gpx.csv"_s << true << false << true;
    QTest::newRow("a text file") << u"航线.txt"_s << false << false << false;
    QTest::newRow("no extension") << u"gpx"_s << false << false << false;
}

void RouteFileKindsTest::kindByName()
{
    QFETCH(QString, path);
    QFETCH(bool, read);
    QFETCH(bool, severalRoutes);
    QFETCH(bool, waypointFile);
    QCOMPARE(tarnquil::isRouteFileName(path), read);
    QCOMPARE(tarnquil::holdsSeveralRoutes(path), severalRoutes);
    QCOMPARE(tarnquil::isWaypointFile(path), waypointFile);
}

QTEST_GUILESS_MAIN(RouteFileKindsTest)
#include "route_file_kinds_test.moc"
