// SPDX-License-Identifier: GPL-3.0-or-later
// Whether two paths name one file, which keeps an export from writing over
// the waypoint file: one file however its path is spelt, as the system
// finds it; two files, or a file and a name not yet written, never.
#include "routefiles/same_file.h"
#include "tests/short_name.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using testing_short_name::shortName;

class SameFileTest : public QObject
{
    Q_OBJECT

private slots:
    void spellings_data();
    void spellings();
    void shortNameIsTheLongOne();
};

// %1 in a path is the test's folder, which holds the folder 航线 and the
// files written; the paths may be relative to the folder.
void SameFileTest::spellings_data()
{
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("same");

    const QStringList one{u"长江口.csv"_s};
    QTest::newRow("one path") << one << u"%1/长江口.csv"_s << u"%1/长江口.csv"_s << true;
    QTest::newRow("through ./") << one << u"%1/长江口.csv"_s << u"%1/./长江口.csv"_s << true;
    QTest::newRow("through a folder and ..") << one << u"%1/长江口.csv"_s << u"%1/航线/../长江口.csv"_s << true;
    QTest::newRow("a doubled separator") << one << u"%1//长江口.csv"_s << u"%1/长江口.csv"_s << true;
    QTest::newRow("relative") << one << u"长江口.csv"_s << u"%1/长江口.csv"_s << true;
    QTest::newRow("two files") << QStringList{u"长江口.csv"_s, u"航线/长江口.csv"_s}
                               << u"%1/长江口.csv"_s << u"%1/航线/长江口.csv"_s << false;
    QTest::newRow("a file and a name not written")
        << one << u"%1/长江口.csv"_s << u"%1/长江口-航段表.csv"_s << false;
    QTest::newRow("neither written, two names")
        << QStringList{} << u"%1/长江口.csv"_s << u"%1/长江口-航段表.csv"_s << false;
    QTest::newRow("neither written, one name") << QStringList{} << u"%1/长江口.csv"_s
                                               << u"%1/航线/../长江口.csv"_s << true;
#ifdef Q_OS_WIN
    const QStringList latin{u"Route.csv"_s};
    QTest::newRow("another letter case") << latin << u"%1/Route.csv"_s << u"%1/ROUTE.CSV"_s << true;
    QTest::newRow("backslashes") << latin << u"%1/Route.csv"_s << u"%1\\Route.csv"_s << true;
    QTest::newRow("neither written, another letter case")
        << QStringList{} << u"%1/Route.csv"_s << u"%1/route.CSV"_s << true;
#else
    QTest::newRow("two files in other letter case") << QStringList{u"Route.csv"_s, u"route.csv"_s}
                                                    << u"%1/Route.csv"_s << u"%1/route.csv"_s << false;
    QTest::newRow("through a symbolic link") << QStringList{u"航线/长江口.csv"_s}
                                             << u"%1/航线/长江口.csv"_s << u"%1/链接/长江口.csv"_s << true;
#endif
}

void SameFileTest::spellings()
{
    QFETCH(QStringList, written);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, same);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QDir dir(folder.path());
    QVERIFY(dir.mkdir(u"航线"_s));
#ifndef Q_OS_WIN
    QVERIFY(QFile::link(dir.filePath(u"航线"_s), dir.filePath(u"链接"_s)));
#endif
    for (const QString& name : written) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("名称,纬度,经度\r\n");
    }
    const auto in = [&folder](QString path) { return path.replace(u"%1"_s, folder.path()); };
    const QString current = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));
    const bool result = tarnquil::sameFile(in(first), in(second));
    const bool reversed = tarnquil::sameFile(in(second), in(first));
    QDir::setCurrent(current);
    QCOMPARE(result, same);
    QCOMPARE(reversed, same);
}

// A file named by its short 8.3 name on Windows (C:\PROGRA~1\...) is the
// file of the long name; where there are no short names, nothing to try.
void SameFileTest::shortNameIsTheLongOne()
{
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(u"Passage plans"_s));
    const QString path = folder.filePath(u"Passage plans/Changjiang estuary.csv"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString shortPath = shortName(path);
    if (shortPath.isEmpty())
        QSKIP("this system gives the file no short 8.3 name");
    QVERIFY2(tarnquil::sameFile(path, shortPath), qPrintable(shortPath));
    QVERIFY(!tarnquil::sameFile(folder.filePath(u"other.csv"_s), shortPath));
}

QTEST_GUILESS_MAIN(SameFileTest)
#include "same_file_test.moc"
