// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/pdf_text_map.h"

#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QString>

#include <array>
#include <cctype>

namespace tarnquil {

namespace {

struct CodeRange {
    char16_t first;
    char16_t last;
};

// The unified ideographs of the Basic Multilingual Plane, the only plane
// Qt's maps reach: Extension A, then the main block.
constexpr std::array<CodeRange, 2> ideographs{{{0x3400, 0x4DBF}, {0x4E00, 0x9FFF}}};

// Everything CJK below them that a font may draw with an ideograph's glyph:
// radicals, Kangxi radicals, strokes, kanbun and enclosed forms.
constexpr CodeRange sharing{0x2E80, 0x33FF};

QString charactersOf(CodeRange range)
{
    QString text;
    text.reserve(range.last - range.first + 1);
    for (char32_t code = range.first; code <= range.last; ++code)
        text += QChar(char16_t(code));
    return text;
}

// For each code point below the ideographs that one of the fonts maps to an
// ideograph's glyph, the ideograph.
QHash<char16_t, char16_t> ideographsOfSharedGlyphs(const QList<QFont>& fonts)
{
    QHash<char16_t, char16_t> ideographOf;
    for (const QFont& font : fonts) {
        const QRawFont face = QRawFont::fromFont(font);
        QHash<quint32, char16_t> ideographOfGlyph;
        for (const CodeRange& range : ideographs) {
            const QList<quint32> glyphs = face.glyphIndexesForString(charactersOf(range));
            for (qsizetype i = 0; i < glyphs.size(); ++i) {
                if (glyphs[i] != 0 && !ideographOfGlyph.contains(glyphs[i]))
                    ideographOfGlyph.insert(glyphs[i], char16_t(range.first + i));
            }
        }
        const QList<quint32> glyphs = face.glyphIndexesForString(charactersOf(sharing));
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const auto code = char16_t(sharing.first + i);
            const auto found = ideographOfGlyph.constFind(glyphs[i]);
            if (glyphs[i] != 0 && found != ideographOfGlyph.cend() && !ideographOf.contains(code))
                ideographOf.insert(code, *found);
        }
    }
    return ideographOf;
}

constexpr qsizetype codeLength = 6;  // <XXXX>

bool isCode(QByteArrayView text)
{
    if (text.size() != codeLength || text.front() != '<' || text.back() != '>')
        return false;
    for (char c : text.sliced(1, 4)) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

// One line of a bfrange block, "<first> <last> <code>" or
// "<first> <last> [<code> …]": rewrites its destination codes.
void mendLine(QByteArray& pdf, qsizetype start, qsizetype end,
              const QHash<char16_t, char16_t>& ideographOf)
{
    constexpr qsizetype sources = 2 * (codeLength + 1);
    const QByteArrayView line(pdf.constData() + start, end - start);
    if (line.size() < sources + codeLength || !isCode(line.first(codeLength))
        || !isCode(line.sliced(codeLength + 1, codeLength)))
        return;
    const bool oneCode = line[sources] == '<';
    if (oneCode && line.first(codeLength) != line.sliced(codeLength + 1, codeLength))
        return;  // consecutive code points from one code on
    for (qsizetype at = start + sources; at + codeLength <= end; ++at) {
        if (!isCode(QByteArrayView(pdf.constData() + at, codeLength)))
            continue;
        const auto code = char16_t(pdf.mid(at + 1, 4).toUShort(nullptr, 16));
        if (const auto found = ideographOf.constFind(code); found != ideographOf.cend())
            pdf.replace(at + 1, 4, QByteArray::number(uint(*found), 16).toUpper());
        at += codeLength - 1;
    }
}

}  // namespace

void mapSharedGlyphsToIdeographs(QByteArray& pdf, const QList<QFont>& fonts)
{
    const QHash<char16_t, char16_t> ideographOf = ideographsOfSharedGlyphs(fonts);
    const QByteArray begin = "beginbfrange\n";
    for (qsizetype block = pdf.indexOf(begin); block >= 0; block = pdf.indexOf(begin, block)) {
        block += begin.size();
        const qsizetype blockEnd = pdf.indexOf("endbfrange", block);
        if (blockEnd < 0)
            return;
        for (qsizetype line = block; line < blockEnd;) {
            qsizetype lineEnd = pdf.indexOf('\n', line);
            if (lineEnd < 0 || lineEnd > blockEnd)
                lineEnd = blockEnd;
            mendLine(pdf, line, lineEnd, ideographOf);
            line = lineEnd + 1;
        }
    }
}

}  // namespace tarnquil
