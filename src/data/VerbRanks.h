// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

namespace data {

// The level of the word lists at which a learner first meets a verb.
enum class VerbLevel { None, A1, A2, B1 };

// The verb file's companion, "Verb12Ranks.txt" beside it: the verbs in
// frequency order, most frequent first, each with its level. UTF-8, one verb a
// line, "LEVEL<TAB>verb" with LEVEL one of A1, A2, B1 or "-" and the verb as
// the verb list shows it, trimmed ("sich freuen", "Rad fahren"); lines that
// start with '#' and empty lines are skipped.
//
// Read against the verb list's names: a verb the list lacks is skipped (it
// has left the verb file), one the ranks do not name follows the ranked ones
// in the verb file's order, without a level. A missing file gives the verb
// file's order and no levels; so does a damaged one, and says what and where.
class VerbRanks {
public:
    static constexpr const char *FileName = "Verb12Ranks.txt";
    // Larger than any ranks file of a verb file the trainer can hold.
    static constexpr qsizetype MaxBytes = 4 * 1024 * 1024;

    enum class Status { Read, Missing, Damaged };

    // `verbNames` are the verb list's entries, trimmed, in the verb file's order.
    static VerbRanks parse(QByteArrayView utf8, const QStringList &verbNames);
    // Reads the file at `path`: Missing when there is none.
    static VerbRanks read(const QString &path, const QStringList &verbNames);
    // Where the ranks of the verb file at `verbFilePath` are.
    static QString pathBeside(const QString &verbFilePath);

    Status status() const { return m_status; }
    // What is wrong and where, when Damaged: "line 7: unknown level \"C1\"".
    const QString &damage() const { return m_damage; }
    // Every verb of the list once, as its index there, most frequent first.
    const QList<qsizetype> &order() const { return m_order; }
    // The level of the verb at `index` of the verb list.
    VerbLevel level(qsizetype index) const;
    // Verbs the file names that the verb list lacks, skipped.
    const QStringList &skipped() const { return m_skipped; }

private:
    static VerbRanks unranked(qsizetype verbCount, Status status, const QString &damage = {});

    Status m_status = Status::Missing;
    QString m_damage;
    QList<qsizetype> m_order;
    QList<VerbLevel> m_levels; // by verb list index
    QStringList m_skipped;
};

} // namespace data
