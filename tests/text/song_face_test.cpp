// SPDX-License-Identifier: GPL-3.0-or-later
// Which of the Song face's families a window asks for, among the families a
// machine has: only those installed, in the face's own order; all of them
// when none is, so that the font system still finds the nearest face.
#include "text/song_face.h"

#include <QTest>

using namespace Qt::StringLiterals;

class SongFaceTest : public QObject
{
    Q_OBJECT

private slots:
    void installedFamiliesAskedFor_data();
    void installedFamiliesAskedFor();
};

void SongFaceTest::installedFamiliesAskedFor_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QStringList>("asked");

    const QStringList all{u"宋体"_s, u"SimSun"_s, u"Noto Serif CJK SC"_s};
    QTest::newRow("Debian with fonts-noto-cjk")
        << QStringList{u"DejaVu Sans"_s, u"Noto Sans CJK SC"_s, u"Noto Serif CJK SC"_s,
                       u"Noto Serif CJK TC"_s}
        << QStringList{u"Noto Serif CJK SC"_s};
    QTest::newRow("a Chinese Windows: 新宋体 is not 宋体")
        << QStringList{u"新宋体"_s, u"宋体"_s, u"微软雅黑"_s, u"Arial"_s} << QStringList{u"宋体"_s};
    QTest::newRow("an English Windows: NSimSun is not SimSun")
        << QStringList{u"Arial"_s, u"NSimSun"_s, u"SimSun"_s} << QStringList{u"SimSun"_s};
    QTest::newRow("both names of SimSun, in the face's order")
        << QStringList{u"SimSun"_s, u"宋体"_s} << QStringList{u"宋体"_s, u"SimSun"_s};
    QTest::newRow("SimSun and Noto, in the face's order")
        << QStringList{u"Noto Serif CJK SC"_s, u"SimSun"_s}
        << QStringList{u"SimSun"_s, u"Noto Serif CJK SC"_s};
    QTest::newRow("a name in another case")
        << QStringList{u"noto serif cjk sc"_s} << QStringList{u"Noto Serif CJK SC"_s};
    QTest::newRow("the sans-serif CJK face only: no Song face") << QStringList{u"Noto Sans CJK SC"_s}
                                                                << all;
    QTest::newRow("Latin faces only") << QStringList{u"DejaVu Sans"_s, u"DejaVu Serif"_s} << all;
    QTest::newRow("no font at all") << QStringList{} << all;
}

void SongFaceTest::installedFamiliesAskedFor()
{
    QFETCH(QStringList, installed);
    QFETCH(QStringList, asked);
    QCOMPARE(tarnquil::songFamiliesAmong(installed), asked);
}

QTEST_GUILESS_MAIN(SongFaceTest)
#include "song_face_test.moc"
