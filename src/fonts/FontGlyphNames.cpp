// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fonts/FontGlyphNames.h"

#include <array>
#include <optional>

namespace fonts {

namespace {

const std::array<const char *, 10> DigitNames = {"zero", "one", "two",   "three", "four",
                                                 "five", "six", "seven", "eight", "nine"};

// Where the digits and the two alphabets stand in a standard list of glyph
// names: the CFF's standard strings, or the Macintosh order of the post table.
struct StandardNames {
    int firstDigit;
    int firstCapital;
    int firstSmall;
    int count;
};
constexpr StandardNames CffStandard{17, 34, 66, 391};
constexpr StandardNames MacintoshStandard{19, 36, 68, 258};

QString standardName(const StandardNames &names, int index)
{
    if (index >= names.firstDigit && index < names.firstDigit + 10)
        return QString::fromLatin1(DigitNames[index - names.firstDigit]);
    if (index >= names.firstCapital && index < names.firstCapital + 26)
        return QChar(u'A' + (index - names.firstCapital));
    if (index >= names.firstSmall && index < names.firstSmall + 26)
        return QChar(u'a' + (index - names.firstSmall));
    return QStringLiteral("#%1").arg(index);
}

// Big-endian reads that fail past the end of the table.
class Reader {
public:
    explicit Reader(const QByteArray &bytes) : m_bytes(bytes) {}

    std::optional<quint32> number(qsizetype at, int size) const
    {
        if (at < 0 || size < 1 || size > 4 || at + size > m_bytes.size())
            return std::nullopt;
        quint32 value = 0;
        for (int i = 0; i < size; ++i)
            value = (value << 8) | quint8(m_bytes.at(at + i));
        return value;
    }
    std::optional<quint32> card16(qsizetype at) const { return number(at, 2); }
    std::optional<quint32> card8(qsizetype at) const { return number(at, 1); }
    QByteArray bytes(qsizetype at, qsizetype size) const
    {
        return at >= 0 && size >= 0 && at + size <= m_bytes.size() ? m_bytes.mid(at, size)
                                                                   : QByteArray();
    }

private:
    const QByteArray &m_bytes;
};

// A CFF INDEX: `count` items, item i from start(i) to start(i + 1).
struct CffIndex {
    quint32 count = 0;
    qsizetype offsets = 0; // where the offsets begin
    int offsetSize = 0;
    qsizetype end = 0; // the first byte after the INDEX

    std::optional<qsizetype> start(const Reader &cff, quint32 item) const
    {
        const auto offset = cff.number(offsets + qsizetype(item) * offsetSize, offsetSize);
        const qsizetype dataBefore = offsets + qsizetype(count + 1) * offsetSize - 1;
        return offset ? std::optional(dataBefore + *offset) : std::nullopt;
    }
};

std::optional<CffIndex> readIndex(const Reader &cff, qsizetype at)
{
    const auto count = cff.card16(at);
    if (!count)
        return std::nullopt;
    if (*count == 0)
        return CffIndex{0, at + 2, 1, at + 2};
    const auto offsetSize = cff.card8(at + 2);
    if (!offsetSize || *offsetSize < 1 || *offsetSize > 4)
        return std::nullopt;
    CffIndex index{*count, at + 3, int(*offsetSize), 0};
    const auto end = index.start(cff, *count);
    if (!end)
        return std::nullopt;
    index.end = *end;
    return index;
}

// The operands of the Top DICT's operators that matter here: charset (15),
// CharStrings (17), and whether ROS (12 30) makes the font CID-keyed.
struct TopDict {
    qsizetype charset = 0;
    std::optional<qsizetype> charStrings;
    bool cidKeyed = false;
};

std::optional<TopDict> readTopDict(const QByteArray &dict)
{
    TopDict top;
    std::optional<qint64> last; // the operand before the operator
    for (qsizetype at = 0; at < dict.size();) {
        const int b0 = quint8(dict.at(at));
        const auto next = [&](int i) { return at + i < dict.size() ? quint8(dict.at(at + i)) : 0; };
        if (b0 == 12) { // two-byte operator
            top.cidKeyed = top.cidKeyed || next(1) == 30;
            last.reset();
            at += 2;
        } else if (b0 <= 21) {
            if (b0 == 15 && last)
                top.charset = *last;
            if (b0 == 17 && last)
                top.charStrings = *last;
            last.reset();
            at += 1;
        } else if (b0 == 28) {
            last = qint16(next(1) << 8 | next(2));
            at += 3;
        } else if (b0 == 29) {
            last = qint32(quint32(next(1)) << 24 | next(2) << 16 | next(3) << 8 | next(4));
            at += 5;
        } else if (b0 == 30) { // a real number: nibbles up to an end nibble
            for (++at; at < dict.size(); ++at) {
                const int b = quint8(dict.at(at));
                if ((b & 0x0f) == 0x0f || (b >> 4) == 0x0f)
                    break;
            }
            ++at;
            last = 0;
        } else if (b0 >= 32 && b0 <= 246) {
            last = b0 - 139;
            at += 1;
        } else if (b0 >= 247 && b0 <= 250) {
            last = (b0 - 247) * 256 + next(1) + 108;
            at += 2;
        } else if (b0 >= 251 && b0 <= 254) {
            last = -(b0 - 251) * 256 - next(1) - 108;
            at += 2;
        } else {
            return std::nullopt;
        }
    }
    return top;
}

// The string id of glyph `glyph` by the charset at `at` (glyph 0 is .notdef).
std::optional<quint32> charsetSid(const Reader &cff, qsizetype at, quint32 glyph)
{
    const auto format = cff.card8(at);
    if (!format)
        return std::nullopt;
    if (*format == 0)
        return cff.card16(at + 1 + 2 * (qsizetype(glyph) - 1));
    if (*format != 1 && *format != 2)
        return std::nullopt;
    const int leftSize = *format == 1 ? 1 : 2;
    quint32 first = 1; // the glyph the range starts at
    for (qsizetype range = at + 1;; range += 2 + leftSize) {
        const auto sid = cff.card16(range);
        const auto left = cff.number(range + 2, leftSize);
        if (!sid || !left)
            return std::nullopt;
        if (glyph <= first + *left)
            return *sid + (glyph - first);
        first += *left + 1;
    }
}

} // namespace

QString cffGlyphName(const QByteArray &table, quint32 glyph)
{
    const Reader cff(table);
    const auto headerSize = cff.card8(2);
    const auto names = headerSize ? readIndex(cff, *headerSize) : std::nullopt;
    const auto topDicts = names ? readIndex(cff, names->end) : std::nullopt;
    const auto strings = topDicts ? readIndex(cff, topDicts->end) : std::nullopt;
    if (!strings || topDicts->count == 0)
        return {};
    const auto dictStart = topDicts->start(cff, 0);
    const auto dictEnd = topDicts->start(cff, 1);
    const auto top = dictStart && dictEnd
                         ? readTopDict(cff.bytes(*dictStart, *dictEnd - *dictStart))
                         : std::nullopt;
    if (!top || top->cidKeyed || !top->charStrings)
        return {};
    const auto glyphs = readIndex(cff, *top->charStrings);
    if (!glyphs || glyph >= glyphs->count)
        return {};
    if (glyph == 0)
        return QStringLiteral(".notdef");
    std::optional<quint32> sid;
    if (top->charset == 0) // the ISOAdobe charset: glyph n has string id n
        sid = glyph;
    else if (top->charset > 2) // 1 and 2 are the expert charsets: no letters
        sid = charsetSid(cff, top->charset, glyph);
    if (!sid)
        return top->charset <= 2 ? QStringLiteral("#expert") : QString();
    if (*sid < quint32(CffStandard.count))
        return standardName(CffStandard, int(*sid));
    const quint32 custom = *sid - CffStandard.count;
    const auto from = custom < strings->count ? strings->start(cff, custom) : std::nullopt;
    const auto to = from ? strings->start(cff, custom + 1) : std::nullopt;
    return to ? QString::fromLatin1(cff.bytes(*from, *to - *from)) : QString();
}

QString postGlyphName(const QByteArray &table, quint32 glyph)
{
    const Reader post(table);
    const auto version = post.number(0, 4);
    if (version == 0x00010000u)
        return glyph < quint32(MacintoshStandard.count)
                   ? standardName(MacintoshStandard, int(glyph))
                   : QString();
    if (version != 0x00020000u)
        return {};
    constexpr qsizetype GlyphCountAt = 32;
    const auto glyphs = post.card16(GlyphCountAt);
    if (!glyphs || glyph >= *glyphs)
        return {};
    const auto index = post.card16(GlyphCountAt + 2 + 2 * qsizetype(glyph));
    if (!index)
        return {};
    if (*index < quint32(MacintoshStandard.count))
        return standardName(MacintoshStandard, int(*index));
    // The names of their own follow the indexes, each a length byte and its letters.
    qsizetype at = GlyphCountAt + 2 + 2 * qsizetype(*glyphs);
    for (quint32 skip = *index - MacintoshStandard.count; skip > 0; --skip) {
        const auto length = post.card8(at);
        if (!length)
            return {};
        at += 1 + *length;
    }
    const auto length = post.card8(at);
    return length ? QString::fromLatin1(post.bytes(at + 1, *length)) : QString();
}

bool glyphNameDraws(const QString &name, QChar character)
{
    const QString base = name.section(QLatin1Char('.'), 0, 0);
    if (base.isEmpty())
        return false;
    const char16_t code = character.unicode();
    if (code >= u'0' && code <= u'9' && base == QLatin1String(DigitNames[code - u'0']))
        return true;
    const QString hex = QStringLiteral("%1").arg(int(code), 4, 16, QLatin1Char('0')).toUpper();
    return base == QString(character) || base == QStringLiteral("uni") + hex ||
           base == QStringLiteral("u") + hex;
}

} // namespace fonts
