#include "board/Board.h"

namespace board {

namespace {

constexpr int HeaderLines = 3; // category, type and variants codes

} // namespace

BoardContent readBoard(const data::VerbFile &file, qsizetype record, int tense)
{
    BoardContent content;
    const std::vector<QByteArrayView> header = file.recordLines(record, 0, HeaderLines);
    const std::optional<data::Category> category =
        data::categoryFromCode(data::lineCode(header[0]));
    if (!category)
        return content;
    content.layoutFound = true;
    content.category = category;

    const QString typeName = typeNameFromCode(data::lineCode(header[1]));
    if (!typeName.isEmpty())
        content.typeName = typeName;
    content.variantsDigit = variantsDigitFromCode(data::lineCode(header[2]));

    if (tense < 0 || tense >= data::TenseCount)
        return content;
    const data::TenseBlock block = data::tenseBlock(*category, tense);
    const std::vector<QByteArrayView> lines =
        file.recordLines(record, block.firstLine, 2 + block.answerCount);
    content.caption1 = data::linePayload(lines[0]);
    content.caption2 = data::linePayload(lines[1]);
    for (int j = 0; j < block.answerCount; ++j)
        content.answers[block.boxes[j] - 1] = data::answerText(lines[2 + j]);
    return content;
}

QString typeNameFromCode(char code)
{
    switch (code) {
    case 'w':
        return QStringLiteral("Weak");
    case 's':
        return QStringLiteral("Strong");
    case 'm':
        return QStringLiteral("Mixed");
    case 'i':
        return QStringLiteral("Irreg");
    case 'd':
        return QStringLiteral("Modal");
    default:
        return {};
    }
}

QString variantsDigitFromCode(char code)
{
    if (code == '2' || code == '3' || code == '4')
        return QString(QChar::fromLatin1(code));
    return QStringLiteral("1");
}

const std::array<QString, data::TenseCount> &tenseListItems()
{
    // The ninth item's trailing blank belongs to the list as learners have always seen it.
    static const std::array<QString, data::TenseCount> items = {
        QStringLiteral(" present"),
        QStringLiteral(" past"),
        QStringLiteral(" future"),
        QStringLiteral(" present perfect"),
        QStringLiteral(" past perfect"),
        QStringLiteral(" future perfect"),
        QStringLiteral(" present subjunctive I"),
        QStringLiteral(" present subjunctive II"),
        QStringLiteral(" past subjunctive I "),
        QStringLiteral(" past subjunctive II"),
        QStringLiteral(" future subjunctive I"),
        QStringLiteral(" future subjunctive II"),
        QStringLiteral(" future perfect subjunctive I"),
        QStringLiteral(" future perfect subjunctive II"),
        QStringLiteral(" (imperative mood)"),
    };
    return items;
}

const std::array<QString, data::TenseCount> &tenseCaptions()
{
    static const std::array<QString, data::TenseCount> captions = {
        QStringLiteral("Indikativ Präsens"),
        QStringLiteral("Indikativ Präteritum"),
        QStringLiteral("Indikativ Futur I"),
        QStringLiteral("Indikativ Perfekt"),
        QStringLiteral("Indikativ Plusquamperfekt"),
        QStringLiteral("Indikativ Futur II"),
        QStringLiteral("Konjunktiv I Präsens"),
        QStringLiteral("Konjunktiv II Präteritum"),
        QStringLiteral("Konjunktiv I Perfekt"),
        QStringLiteral("Konjunktiv II Plusquamperfekt"),
        QStringLiteral("Konjunktiv I Futur I"),
        QStringLiteral("Konjunktiv II Futur I"),
        QStringLiteral("Konjunktiv I Futur II"),
        QStringLiteral("Konjunktiv II Futur II"),
        QStringLiteral("Imperativ"),
    };
    return captions;
}

} // namespace board
