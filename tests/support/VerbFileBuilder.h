// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <map>

class QTemporaryDir;

// Building verb files for tests.
//
//     testdata::VerbRecordBuilder gehen('n', 'i');
//     gehen.verb("gehen").form(0, 1, "gehe").captions(0, "gehen, ging", "to go");
//     QTemporaryDir dir;
//     testdata::writeVerbFile(dir, {gehen});   // dir/Verb12Data.txt, CR LF, Windows-1252
//
// Every line gets a readable 30-character prefix ("  L057 t03 E1") so a dump of
// the file shows where each payload lands; character 1 of record lines 0 to 2
// carries the codes.
namespace testdata {

enum class LineEnd { CrLf, Lf, Cr };

class VerbRecordBuilder {
public:
    static constexpr int LineCount = 395;

    // Category letter, type letter and variants digit: character 1 of record
    // lines 0, 1, 2. Any byte may be given ('R', 'x'); '\0' makes that header
    // line wholly empty (no code and no payload).
    explicit VerbRecordBuilder(char category = 'n', char type = 'w', char variants = '1');

    VerbRecordBuilder &verb(const QString &text); // payload of line 0, untrimmed
    VerbRecordBuilder &captions(int tense, const QString &line1, const QString &line2);
    // The form of box 1..36 in tense 0..14; throws std::invalid_argument when the
    // category has no layout or the box lies outside that tense's block.
    VerbRecordBuilder &form(int tense, int box, const QString &text);
    // Every caption and answer line of every tense: sampleCaption / sampleForm.
    VerbRecordBuilder &fillEveryForm();
    // Payload of any record line 0..394, after the generated prefix.
    VerbRecordBuilder &payload(int lineInRecord, const QString &text);
    // A whole line, prefix included, exactly as given (codes are not added).
    VerbRecordBuilder &rawLine(int lineInRecord, const QByteArray &bytes);

    // The 395 lines in Windows-1252, without line ends; throws
    // std::invalid_argument for a text the code page cannot hold.
    QList<QByteArray> lines() const;

    static QString sampleForm(int tense, int box);            // "t3 E17"
    static QString sampleCaption(int tense, int captionLine); // "caption 2 of tense 3"

private:
    char m_category;
    std::array<char, 3> m_codes;
    std::array<QString, LineCount> m_payloads;
    std::map<int, QByteArray> m_rawLines;
};

// Lines joined with the chosen line end; the last line gets one too when
// finalLineEnd is set.
QByteArray joinLines(const QList<QByteArray> &lines, LineEnd lineEnd = LineEnd::CrLf,
                     bool finalLineEnd = true);
// All records' lines, in order, joined as above.
QByteArray verbFileBytes(const QList<VerbRecordBuilder> &records, LineEnd lineEnd = LineEnd::CrLf);

// Writes "Verb12Data.txt" into the directory and returns its path; throws
// std::runtime_error when the file cannot be written.
QString writeVerbFile(const QString &directory, const QByteArray &bytes);
QString writeVerbFile(const QString &directory, const QList<VerbRecordBuilder> &records,
                      LineEnd lineEnd = LineEnd::CrLf);
QString writeVerbFile(const QTemporaryDir &directory, const QList<VerbRecordBuilder> &records,
                      LineEnd lineEnd = LineEnd::CrLf);

} // namespace testdata
