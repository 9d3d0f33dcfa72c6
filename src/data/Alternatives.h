// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/AlternativesText.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace data {

// The forms standard German accepts beside the board's, by verb, tense and
// box, as the alternatives file beside the verb file lists them (format in
// AlternativesText.h). No file means no alternatives; a damaged file is
// read as none at all, with a fault that says what and where.
class Alternatives {
public:
    static constexpr const char *FileName = "Verb12Alternatives.txt";
    // Larger than this is no alternatives file (the bundled one is about 200 KB).
    static constexpr qsizetype MaxFileSize = 64 * 1024 * 1024;

    struct Reading;

    static Reading fromText(QByteArrayView bytes);
    // A missing file, or a folder of that name, gives no alternatives and no
    // fault; one that cannot be read or is too large, a fault of line 0.
    static Reading read(const QString &path);
    // Where the alternatives of a verb file lie: beside it, under FileName.
    static QString pathBeside(const QString &verbFilePath);

    // The alternatives of a verb (as the verb list shows it; blanks around it
    // do not count), tense 0 to 14 and box 1 to 36; empty for none.
    QStringList of(const QString &verb, int tense, int box) const;
    bool isEmpty() const { return m_boxes.empty(); }
    qsizetype verbCount() const;

private:
    // One box's line: views into the text, which the object keeps. Reading
    // makes no string per line or form; a look-up makes the list it returns.
    struct BoxLine {
        QStringView verb;
        int key; // tense * 64 + box
        QStringView forms;
    };

    QString m_text;
    std::vector<BoxLine> m_boxes; // by verb and key, lines of one box in file order
};

struct Alternatives::Reading {
    Alternatives alternatives;              // empty when damaged
    std::optional<AlternativesFault> fault; // set when the file is damaged and ignored
};

} // namespace data
