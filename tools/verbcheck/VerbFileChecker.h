// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/RecordLayout.h"
#include "data/VerbFile.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace verbcheck {

// One structural fault. Lines and records are counted from 0 as the file
// format counts them; fileLine is -1 for faults of the file as a whole.
struct Fault {
    qsizetype fileLine = -1;
    qsizetype record = -1;
    int recordLine = -1;
    QString message;
};

// "line 4786 (record 12 "gehen", record line 45): message", the file line
// counted from 1 as editors show it.
QString describe(const Fault &fault, const data::VerbFile &file);

// Every fault an author should fix: the line count, unknown codes, forms on
// lines the category never reads, missing forms and captions the data's
// conventions require, characters outside Windows-1252 (and text that looks
// like UTF-8), and verb names out of German collation order. `bytes` are the
// file's raw bytes (a NUL byte ends the text the trainer reads).
QList<Fault> checkVerbFile(const QByteArray &bytes);

// A record's layout category, or none when its line 0 holds an unknown code.
std::optional<data::Category> recordCategory(const data::VerbFile &file, qsizetype record);

// Calls `visit(record, block)` for each tense block of each record whose
// category is known.
template <typename Visit> void forEachTenseBlock(const data::VerbFile &file, Visit visit)
{
    for (qsizetype record = 0; record < file.recordCount(); ++record) {
        if (const auto category = recordCategory(file, record)) {
            for (int tense = 0; tense < data::TenseCount; ++tense)
                visit(record, data::tenseBlock(*category, tense));
        }
    }
}

// The distinct words of every form the boxes can show, for the spelling gate.
QStringList formWords(const data::VerbFile &file);

// A reviewed list (the meaning, spelling and reference exceptions): its
// lines, trimmed, but empty ones and "# reason" comments that group them.
QSet<QString> parseReviewedList(const QString &text);

// A word list of the verbs a file should hold (tools/verbs/a1-b1-verbs.txt):
// one verb a line as the verb list shows it; "verb | reason" for one left out
// on purpose; "#" starts a comment line, and the headings "# A1", "# A2" and
// "# B1" the verbs of each level.
struct WantedVerbs {
    QStringList verbs;
    QMap<QString, QString> leftOut; // verb -> why
    QMap<QString, QString> levels;  // verb -> the first level it stands under: A1, A2, B1
};
WantedVerbs parseWantedVerbs(const QString &text);
// The list's verbs the file lacks, then those left out on purpose that it holds.
QStringList wantedVerbFaults(const data::VerbFile &file, const WantedVerbs &wanted);

// How many records have each category letter and each type letter.
struct Tally {
    QMap<QString, int> categories;
    QMap<QString, int> types;
};
Tally tally(const data::VerbFile &file);

} // namespace verbcheck
