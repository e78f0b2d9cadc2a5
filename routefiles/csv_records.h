// SPDX-License-Identifier: GPL-3.0-or-later
// Comma-separated values as RFC 4180 writes them and spreadsheets save them.
//
// Read: fields separated by commas, records ended by CRLF, LF or a lone CR.
// A field that starts with a double quote runs to the next lone quote and
// may hold commas, line ends and doubled quotes:
//   名称,纬度,经度                     three fields
//   "长江口, 北槽",3124N,12130E         a comma inside quotes
//   "42°50'30""N"                      42°50'30"N
//   42°50'30"N                         also 42°50'30"N: a quote inside an
//                                      unquoted field stands for itself, as
//                                      spreadsheets and Python's csv read it
//   "吴淞口                            a line end inside quotes belongs to
//   锚地",3124N,12130E                  the field: one record on two lines
// Refused, with the line and the field of the fault:
//   "abc                               a quote that never closes
//   "abc"d,…                           anything but a comma or a line end
//                                      after a closing quote
// Lines holding nothing at all are passed over; fields are kept as written,
// blanks included.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tarnquil {

struct CsvRecord {
    QStringList fields;
    qint64 line = 0;  // where the record starts in the text, from 1
};

// All records of a text, or why it was refused: never both.
struct CsvReading {
    QList<CsvRecord> records;
    QString error;         // the refusal, a Chinese sentence naming the line and field
    qint64 errorLine = 0;  // the line it names
};

CsvReading readCsvRecords(QStringView text);

// One record as a line, without its line end: each field as it is, or
// between double quotes, with its quotes doubled, when it holds a comma, a
// quote or a line end.
//   {"1", "长江口, 北槽", "42°50'30\"N"}  ->  1,"长江口, 北槽","42°50'30""N"
QString csvLine(const QStringList& fields);

}  // namespace tarnquil
