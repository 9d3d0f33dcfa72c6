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

// The boxes a name stands for (at most the two Sie boxes); how many.
int namedBoxes(int tense, QStringView name, std::array<int, 2> &boxes)
{
    const qsizetype blank = name.lastIndexOf(u' ');
    bool isNumber = false;
    const int column = blank < 0 ? 0 : name.sliced(blank + 1).toInt(&isNumber);
    if (!isNumber || column < 1 || column > 4)
        return 0;
    const QStringView person = name.first(blank);
    int count = 0;
    const auto add = [&](GridPlace::Block block, int row, const QString &rowPerson) {
        const int box = boxAt(block, column, row);
        if (rowPerson == person && filledInTense(tense, box))
            boxes[count++] = box;
    };
    if (tenseGroup(tense) == TenseGroup::Imperative) {
        add(GridPlace::Imperative, 1, RowPersons[GridPlace::Imperative][column - 1]);
        return count;
    }
    for (GridPlace::Block block : {GridPlace::Left, GridPlace::Right}) {
        for (int row = 1; row <= 4; ++row)
            add(block, row, RowPersons[block][row - 1]);
    }
    return count;
}

// One line's fields, or what is wrong with them; views, no strings of their own.
std::optional<QString> parseFields(QStringView text, AlternativesLineView &line)
{
    const QString wrongCount =
        QStringLiteral("expected four fields, \"verb | tense | box | forms\"");
    std::array<QStringView, FieldCount> fields;
    int count = 0;
    for (QStringView field : text.tokenize(FieldSeparator)) {
        if (count == FieldCount)
            return wrongCount;
        fields[count++] = field.trimmed();
    }
    if (count != FieldCount)
        return wrongCount;
    line.verb = fields[0];
    if (line.verb.isEmpty())
        return QStringLiteral("no verb");
    line.tense = tenseOfCaption(fields[1]);
    if (line.tense < 0)
        return QStringLiteral("unknown tense \"%1\"").arg(fields[1]);
    line.boxName = fields[2];
    line.boxCount = namedBoxes(line.tense, line.boxName, line.boxes);
    if (line.boxCount == 0)
        return QStringLiteral("\"%1\" is no box of %2").arg(line.boxName, fields[1]);
    line.forms = fields[3];
    for (QStringView form : line.forms.tokenize(FormSeparator)) {
        if (form.trimmed().isEmpty())
            return QStringLiteral("an empty form");
    }
    return std::nullopt;
}

// The next line of `text` from `start`; `start` moves past its line end.
template <typename Text> Text nextLine(Text text, qsizetype &start)
{
    qsizetype end = start;
    while (end < text.size() && text[end] != '\n' && text[end] != '\r')
        ++end;
    const Text line = text.sliced(start, end - start);
    const bool crLf = end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n';
    start = crLf ? end + 2 : std::min(end + 1, text.size());
    return line;
}

// The line (from 1) of the first bytes that are not UTF-8.
int lineNotUtf8(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    qsizetype start = 0;
    for (int number = 1; start < bytes.size(); ++number) {
        const QString line = utf8.decode(nextLine(bytes, start));
        if (utf8.hasError())
            return number;
    }
    return 0;
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

std::optional<AlternativesFault>
scanAlternativesText(QByteArrayView bytes, QString &whole,
                     const std::function<void(const AlternativesLineView &)> &take)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    // Decoded and composed once, as a whole: lines are only views into it.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    whole = utf8.decode(bytes);
    if (utf8.hasError())
        return AlternativesFault{lineNotUtf8(bytes), QStringLiteral("not UTF-8 text")};
    if (!isAscii(bytes))
        whole = whole.normalized(QString::NormalizationForm_C);
    const QStringView text(whole);
    qsizetype start = 0;
    for (int number = 1; start < text.size(); ++number) {
        QStringView line = nextLine(text, start);
        const auto control = std::find_if(line.begin(), line.end(),
                                          [](QChar c) { return c.unicode() < 0x20 && c != '\t'; });
        if (control != line.end())
            return AlternativesFault{number, QStringLiteral("a control character (0x%1)")
                                                 .arg(control->unicode(), 2, 16, QLatin1Char('0'))};
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        AlternativesLineView parsed;
        parsed.line = number;
        if (const auto problem = parseFields(line, parsed))
            return AlternativesFault{number, *problem};
        take(parsed);
    }
    return std::nullopt;
}

QStringList alternativeForms(QStringView forms)
{
    QStringList list;
    for (QStringView form : forms.tokenize(FormSeparator))
        list << form.trimmed().toString();
    return list;
}

std::optional<AlternativesFault> parseAlternativesText(QByteArrayView bytes,
                                                       std::vector<AlternativesLine> &lines)
{
    QString text;
    return scanAlternativesText(bytes, text, [&](const AlternativesLineView &view) {
        lines.push_back({view.line, view.verb.toString(), view.tense, view.boxName.toString(),
                         std::vector<int>(view.boxes.begin(), view.boxes.begin() + view.boxCount),
                         alternativeForms(view.forms)});
    });
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
    std::array<int, 2> boxes{};
    const int count = namedBoxes(tense, name, boxes);
    return std::vector<int>(boxes.begin(), boxes.begin() + count);
}

QString alternativesLineText(const QString &verb, int tense, const QString &boxName,
                             const QStringList &forms)
{
    return QStringLiteral("%1 | %2 | %3 | %4")
        .arg(verb, tenseCaptions()[tense], boxName, forms.join(QStringLiteral(", ")));
}

} // namespace data
