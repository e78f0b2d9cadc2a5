// SPDX-License-Identifier: GPL-3.0-or-later
// A fix's observations as a file (陆标定位观测, .csv): every text the
// navigator typed and the settings they are read with, so that the fix
// window and `tarnquil --fix FILE.csv` reopen the same observations and give
// the same fix. UTF-8 with a byte-order mark and CRLF, in the CSV of
// csv_records.h, written as saveFile writes. Two tables, the settings first,
// a line holding nothing between them, so that sorting or deleting the
// observations in a spreadsheet cannot take a setting with them:
//   设置,值,形式
//   地球模型,wgs84                (wgs84 or sphere)
//   输入形式,分                    the form the next text typed is read in
//   罗经差,-2.5
//   推算船位,3050N 12230E,分       the DR position, with its form
//   航向,090
//   航速,12
//   日期,2026-12-08                 the sights' settings, written only
//   区时,+8                          when one of them holds a text
//   眼高,15
//   指标差,-1.2
//   温度,10
//   气压,1010
//   DUT1,0.1
//   风压差,+3                       the settings of 求流, written only
//   计程仪改正率（%）,-2               when one of them holds a text
//   第一船位,3000N 12200E,分
//   第一船位时间,2026-12-08 08:00 +8
//   第二船位,30°00.00′N 122°46.07′E,分
//   第二船位时间,2026-12-08 12:00 +8
//
//   类型,物标,物标2,观测值,时间或航程,物标形式,物标2形式
//   方位,花鸟山 3051.5N 12240.0E,,045,09:30,分,分
//   距离,花鸟山,,3.2,,分,分
// Each text is as typed (fix_reading.h reads them); 类型 is a kind's name
// (observation_kinds.h); a form is 分, 秒 or 度. A settings line may be
// absent (its text is empty; the model wgs84, forms 分), the observations may
// be none. A text that a spreadsheet would take for a formula is written
// after an apostrophe, which is read back off (=1+1 is written '=1+1).
// Refused whole, naming the line: a first line other than the settings'
// header, a setting named twice or unknown, a model or form other than the
// words above, an observations header other than the one above, a kind no
// kind is named, a line with more fields than its header, bytes that are not
// UTF-8 or GB18030, a file over maximumObservationFileBytes, and what
// readCsvRecords refuses.
#pragma once

#include "text/fix_reading.h"

#include <QByteArray>
#include <QString>

namespace tarnquil {

// Far beyond any fix (a line is some 60 bytes): a file larger is no fix's.
inline constexpr qint64 maximumObservationFileBytes = 10 * 1024 * 1024;

struct ObservationFileReading {
    FixTexts texts;
    QString error;  // empty when read; else names the file and the line
};

QByteArray observationFileBytes(const FixTexts& texts);
ObservationFileReading readObservationBytes(const QByteArray& bytes);

ObservationFileReading readObservationFile(const QString& path);
// Writes the file; empty, or why it could not be written.
QString writeObservationFile(const QString& path, const FixTexts& texts);

}  // namespace tarnquil
