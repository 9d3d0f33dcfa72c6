// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/AlternativesText.h"

#include "data/RecordLayout.h"
#include "data/TenseCaptions.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace data {

namespace {

constexpr QLatin1Char FieldSeparator('|');
constexpr QLatin1Char FormSeparator(',');
constexpr int FieldCount = 4;

// The persons of the grid's rows (left block, right block) and of the
// imperative row's boxes, as the window labels them.
const std::array<std::array<QString, 4>, 3> RowPersons = {{
    {QStringLiteral("ich"), QStringLiteral("du"), QStringLiteral("Sie"),
     QStringLiteral("er/sie/es")},
    {QStringLiteral("wir"), QStringLiteral("ihr"), QStringLiteral("Sie"), QStringLiteral("sie")},
    {QStringLiteral("du"), QStringLiteral("ihr"), QStringLiteral("Sie"), QStringLiteral("Sie")},
}};

// Whether a tense block of some category fills the box: the names a file may use.
bool filledInTense(int tense, int box)
{
    static const auto filled = [] {
        std::array<std::array<bool, BoxCount + 1>, TenseCount> table{};
        for (Category category :
             {Category::Reflexive, Category::Separable, Category::Normal, Category::TwoWord}) {
            for (int t = 0; t < TenseCount; ++t) {
                const TenseBlock block = tenseBlock(category, t);
                for (int j = 0; j < block.answerCount; ++j)
                    table[t][block.boxes[j]] = true;
            }
        }
        return table;
    }();
    return tense >= 0 && tense < TenseCount && box >= 1 && box <= BoxCount && filled[tense][box];
}

int boxAt(GridPlace::Block block, int column, int row)
{
    if (block == GridPlace::Imperative)
        return 2 * 16 + column;
    return (block == GridPlace::Right ? 16 : 0) + 4 * (column - 1) + row;
}

// One line's fields, or what is wrong with them.
std::optional<QString> parseFields(const QString &text, AlternativesLine &line)
{
    const QStringList fields = text.split(FieldSeparator);
    if (fields.size() != FieldCount)
        return QStringLiteral("expected four fields, \"verb | tense | box | forms\"");
    line.verb = fields[0].trimmed();
    if (line.verb.isEmpty())
        return QStringLiteral("no verb");
    const QString tense = fields[1].trimmed();
    line.tense = tenseOfCaption(tense);
    if (line.tense < 0)
        return QStringLiteral("unknown tense \"%1\"").arg(tense);
    line.boxName = fields[2].trimmed();
    line.boxes = boxesNamed(line.tense, line.boxName);
    if (line.boxes.empty())
        return QStringLiteral("\"%1\" is no box of %2").arg(line.boxName, tense);
    for (const QString &form : fields[3].split(FormSeparator)) {
        line.forms << form.trimmed();
        if (line.forms.last().isEmpty())
            return QStringLiteral("an empty form");
    }
    return std::nullopt;
}

// The next line of `bytes` from `start`; `start` moves past its line end.
QByteArrayView nextLine(QByteArrayView bytes, qsizetype &start)
{
    qsizetype end = start;
    while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
        ++end;
    const QByteArrayView line = bytes.sliced(start, end - start);
    const bool crLf = end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n';
    start = crLf ? end + 2 : std::min(end + 1, bytes.size());
    return line;
}

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

QString AlternativesFault::text() const
{
    return line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(problem) : problem;
}

std::optional<AlternativesFault> parseAlternativesText(QByteArrayView bytes,
                                                       std::vector<AlternativesLine> &lines)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    qsizetype start = 0;
    for (int number = 1; start < bytes.size(); ++number) {
        const QByteArrayView raw = nextLine(bytes, start);
        QString text = utf8.decode(raw);
        if (utf8.hasError())
            return AlternativesFault{number, QStringLiteral("not UTF-8 text")};
        const auto control = std::find_if(text.cbegin(), text.cend(),
                                          [](QChar c) { return c.unicode() < 0x20 && c != '\t'; });
        if (control != text.cend())
            return AlternativesFault{number, QStringLiteral("a control character (0x%1)")
                                                 .arg(control->unicode(), 2, 16, QLatin1Char('0'))};
        text = text.trimmed();
        if (text.isEmpty() || text.startsWith(u'#'))
            continue;
        if (!isAscii(raw))
            text = text.normalized(QString::NormalizationForm_C);
        AlternativesLine line;
        line.line = number;
        if (const auto problem = parseFields(text, line))
            return AlternativesFault{number, *problem};
        lines.push_back(std::move(line));
    }
    return std::nullopt;
}

QString alternativesBoxName(int tense, int box)
{
    const GridPlace place = gridPlace(box);
    const bool imperative = tenseGroup(tense) == TenseGroup::Imperative;
    if ((place.block == GridPlace::Imperative) != imperative)
        return {};
    const int index = imperative ? place.column - 1 : place.row - 1;
    return RowPersons[place.block][index] + QLatin1Char(' ') + QString::number(place.column);
}

std::vector<int> boxesNamed(int tense, QStringView name)
{
    const qsizetype blank = name.lastIndexOf(u' ');
    bool isNumber = false;
    const int column = blank < 0 ? 0 : name.sliced(blank + 1).toInt(&isNumber);
    if (!isNumber || column < 1 || column > 4)
        return {};
    const QStringView person = name.first(blank);
    std::vector<int> boxes;
    const auto add = [&](GridPlace::Block block, int row, const QString &rowPerson) {
        const int box = boxAt(block, column, row);
        if (rowPerson == person && filledInTense(tense, box))
            boxes.push_back(box);
    };
    if (tenseGroup(tense) == TenseGroup::Imperative) {
        add(GridPlace::Imperative, 1, RowPersons[GridPlace::Imperative][column - 1]);
        return boxes;
    }
    for (GridPlace::Block block : {GridPlace::Left, GridPlace::Right}) {
        for (int row = 1; row <= 4; ++row)
            add(block, row, RowPersons[block][row - 1]);
    }
    return boxes;
}

QString alternativesLineText(const QString &verb, int tense, const QString &boxName,
                             const QStringList &forms)
{
    return QStringLiteral("%1 | %2 | %3 | %4")
        .arg(verb, tenseCaptions()[tense], boxName, forms.join(QStringLiteral(", ")));
}

} // namespace data
