// SPDX-License-Identifier: GPL-3.0-or-later
// The Song font of the route and fix windows, asking only for the families
// installed, gives the face, size and advances that asking for all the Song
// face's families gives, at each size the windows write in: the windows
// look the same however the families are asked for.
#include "widgets/song_font.h"

#include "text/song_face.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Ideographs, digits, Latin letters and the signs of a position.
const QString sample = u"航速 12.5 节，起点 31°03.25′N 122°20′E，WGS-84"_s;

}  // namespace

class SongFontTest : public QObject
{
    Q_OBJECT

private slots:
    void sameFaceAsAllFamilies_data();
    void sameFaceAsAllFamilies();
};

void SongFontTest::sameFaceAsAllFamilies_data()
{
    QTest::addColumn<qreal>("pointSize");
    QTest::newRow("9 pt, the calculator's controls") << 9.0;
    QTest::newRow("9.75 pt, the calculator's guide") << 9.75;
    QTest::newRow("10.5 pt, the route and fix windows") << 10.5;
    QTest::newRow("12 pt, the calculator's fields") << 12.0;
}

void SongFontTest::sameFaceAsAllFamilies()
{
    QFETCH(qreal, pointSize);
    QFont all;
    all.setFamilies(tarnquil::songFamilies());
    all.setPointSizeF(pointSize);
    all.setWeight(QFont::Normal);
    const QFont font = tarnquil::installedSongFont(pointSize);

    const QFontInfo expected(all);
    const QFontInfo actual(font);
    QCOMPARE(actual.family(), expected.family());
    QCOMPARE(actual.styleName(), expected.styleName());
    QCOMPARE(actual.pixelSize(), expected.pixelSize());
    QCOMPARE(actual.weight(), expected.weight());
    QCOMPARE(QFontMetricsF(font).horizontalAdvance(sample),
             QFontMetricsF(all).horizontalAdvance(sample));
    QCOMPARE(QFontMetricsF(font).height(), QFontMetricsF(all).height());
}

QTEST_MAIN(SongFontTest)
#include "song_font_test.moc"
