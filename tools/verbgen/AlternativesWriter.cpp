// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AlternativesWriter.h"

#include "RecordWriter.h"

#include "data/AlternativesText.h"

namespace verbgen {

namespace {

const char *const Header =
    "# Verb12Alternatives.txt: the forms standard German accepts beside those the verb file\r\n"
    "# Verb12Data.txt beside it shows. Made by the project's data tools (tools/verbgen) from "
    "the\r\n"
    "# verb dictionary's forms and a reviewed list; shared, like Verb12Data.txt, under Creative\r\n"
    "# Commons Attribution-ShareAlike 4.0 (CC BY-SA 4.0).\r\n"
    "#\r\n"
    "# One line per verb, tense and box:   verb | tense | box | form, form\r\n"
    "#   verb   as the verb list shows it\r\n"
    "#   tense  as the caption above the board names it, Indikativ Präsens to Imperativ\r\n"
    "#   box    the row's person and the column, 1 to 4 from the left (du 2); Sie stands for "
    "both\r\n"
    "#          Sie rows; the imperative row's boxes are du 1, ihr 2, Sie 3 and Sie 4\r\n"
    "#   forms  the other forms right in that box, apart from the one the board shows\r\n"
    "# UTF-8 text; lines that start with # are comments.\r\n";

// The other Sie row's box of a Sie box, or 0: the file names both as "Sie".
int otherSieBox(int tense, int box)
{
    if (box > 32 || !data::alternativesBoxName(tense, box).startsWith(QLatin1String("Sie ")))
        return 0;
    return box > 16 ? box - 16 : box + 16;
}

} // namespace

QByteArray alternativesFileBytes(const QList<RecordText> &records)
{
    QByteArray bytes = Header;
    for (const RecordText &record : records) {
        for (const auto &[place, forms] : record.alternatives) {
            const auto [tense, box] = place;
            if (const int other = otherSieBox(tense, box)) {
                const auto found = record.alternatives.find({tense, other});
                if (found == record.alternatives.end() || found->second != forms)
                    throw EncodingError("the two Sie rows of \"" + record.listed.toStdString() +
                                        "\" have different alternatives");
                if (box > 16)
                    continue;
            }
            bytes += data::alternativesLineText(record.listed, tense,
                                                data::alternativesBoxName(tense, box), forms)
                         .toUtf8();
            bytes += "\r\n";
        }
    }
    return bytes;
}

} // namespace verbgen
