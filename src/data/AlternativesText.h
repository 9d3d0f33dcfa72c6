// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace data {

// The alternatives file beside the verb file: for a verb, tense and box, the
// other forms standard German accepts there. UTF-8 text, one line each:
//   verb | tense | box | form, form
// the verb as the verb list shows it, the tense by its German caption, the
// box by the row's person and the grid column (below). Lines end at CR LF, LF
// or CR; blank lines and lines starting with '#' are skipped, and so is a
// byte-order mark. Forms are Unicode NFC once read.

// Where a file is damaged: the line (from 1; 0 for the file as a whole) and
// what is wrong there.
struct AlternativesFault {
    int line = 0;
    QString problem;

    QString text() const; // "line 12: unknown tense \"Perfekt\""
};

// One line, as views into the file's decoded text.
struct AlternativesLineView {
    int line = 0; // from 1
    QStringView verb;
    int tense = 0;
    QStringView boxName;        // as written
    std::array<int, 2> boxes{}; // 1 to 36: the box, or both Sie boxes
    int boxCount = 0;
    QStringView forms; // the forms, separated by commas (alternativeForms)
};

// Decodes the file into `text` and hands each line to `take`, or stops at the
// first damage: bytes that are not UTF-8, a control character, a line without
// its four fields, an empty field or form, an unknown tense or a box the
// tense never shows. The views stay valid while `text` is unchanged.
std::optional<AlternativesFault>
scanAlternativesText(QByteArrayView bytes, QString &text,
                     const std::function<void(const AlternativesLineView &)> &take);
// The forms of a line, each trimmed.
QStringList alternativeForms(QStringView forms);

// The same lines as strings of their own, for the checker.
struct AlternativesLine {
    int line = 0; // from 1
    QString verb;
    int tense = 0;
    QString boxName;        // as written
    std::vector<int> boxes; // 1 to 36: the box, or both Sie boxes
    QStringList forms;
};
std::optional<AlternativesFault> parseAlternativesText(QByteArrayView bytes,
                                                       std::vector<AlternativesLine> &lines);

// The box names. In the person grid the row's person and the column, 1 to 4
// from the left: "ich 3", "er/sie/es 2"; "Sie 3" stands for both Sie rows,
// which always show the same form. In the imperative row "du 1", "ihr 2",
// "Sie 3" and "Sie 4", its boxes from the left.
QString alternativesBoxName(int tense, int box);
// The boxes a name stands for in a tense; none when it names no box that a
// tense block of some category fills.
std::vector<int> boxesNamed(int tense, QStringView name);

// A line as the file holds it, without its line end.
QString alternativesLineText(const QString &verb, int tense, const QString &boxName,
                             const QStringList &forms);

} // namespace data
