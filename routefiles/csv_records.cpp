// SPDX-License-Identifier: GPL-3.0-or-later
#include "routefiles/csv_records.h"

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

constexpr QChar quote = u'"';
constexpr QChar comma = u',';

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// Walks a text once, field by field, counting its lines.
class CsvParser {
public:
    explicit CsvParser(QStringView text) : text_(text) {}

    CsvReading read();

private:
    bool atEnd() const { return at_ >= text_.size(); }
    QChar current() const { return text_[at_]; }
    void skipLineEnd();
    QString unquotedField();
    bool quotedField(QString& field, qsizetype column);
    bool readRecord(CsvRecord& record);
    void refuse(qint64 line, qsizetype column, const QString& reason);

    QStringView text_;
    qsizetype at_ = 0;
    qint64 line_ = 1;
    CsvReading reading_;
};

// CRLF is one line end, and so are LF and a lone CR.
void CsvParser::skipLineEnd()
{
    if (current() == u'\r' && at_ + 1 < text_.size() && text_[at_ + 1] == u'\n')
        ++at_;
    ++at_;
    ++line_;
}

QString CsvParser::unquotedField()
{
    const qsizetype start = at_;
    while (!atEnd() && current() != comma && !isLineEnd(current()))
        ++at_;
    return text_.sliced(start, at_ - start).toString();
}

// From the opening quote to the comma or line end after the closing one.
bool CsvParser::quotedField(QString& field, qsizetype column)
{
    const qint64 openedOn = line_;
    ++at_;
    for (;;) {
        if (atEnd()) {
            refuse(openedOn, column, u"引号没有结束，直到文件末尾也没有与之配对的引号。"_s);
            return false;
        }
        const QChar c = current();
        if (c == quote) {
            if (at_ + 1 < text_.size() && text_[at_ + 1] == quote) {
                field += quote;
                at_ += 2;
                continue;
            }
            ++at_;
            return true;
        }
        if (c == u'\n' || (c == u'\r' && !(at_ + 1 < text_.size() && text_[at_ + 1] == u'\n')))
            ++line_;
        field += c;
        ++at_;
    }
}

bool CsvParser::readRecord(CsvRecord& record)
{
    record.line = line_;
    for (;;) {
        QString field;
        if (!atEnd() && current() == quote) {
            if (!quotedField(field, record.fields.size() + 1))
                return false;
            if (!atEnd() && current() != comma && !isLineEnd(current())) {
                refuse(line_, record.fields.size() + 1,
                       u"右引号后应是逗号或行尾，不能是“%1”；字段中的引号要写成两个（\"\"）。"_s.arg(current()));
                return false;
            }
        } else {
            field = unquotedField();
        }
        record.fields.append(field);
        if (atEnd())
            return true;
        if (isLineEnd(current())) {
            skipLineEnd();
            return true;
        }
        ++at_;  // the comma
    }
}

void CsvParser::refuse(qint64 line, qsizetype column, const QString& reason)
{
    reading_.error = u"第 %1 行第 %2 列：%3"_s.arg(line).arg(column).arg(reason);
    reading_.errorLine = line;
}

CsvReading CsvParser::read()
{
    while (!atEnd()) {
        if (isLineEnd(current())) {
            skipLineEnd();
            continue;
        }
        CsvRecord record;
        if (!readRecord(record))
            return {{}, reading_.error, reading_.errorLine};
        reading_.records.append(std::move(record));
    }
    return std::move(reading_);
}

bool needsQuotes(const QString& field)
{
    return field.contains(comma) || field.contains(quote) || field.contains(u'\n')
        || field.contains(u'\r');
}

}  // namespace

CsvReading readCsvRecords(QStringView text)
{
    return CsvParser(text).read();
}

QString csvLine(const QStringList& fields)
{
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += comma;
        if (needsQuotes(fields[i]))
            line += quote + QString(fields[i]).replace(quote, u"\"\""_s) + quote;
        else
            line += fields[i];
    }
    return line;
}

}  // namespace tarnquil
