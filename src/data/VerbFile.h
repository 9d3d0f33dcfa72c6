// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/LineIndexer.h"
#include "data/PayloadGatherer.h"
#include "data/RecordHeader.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <stdexcept>
#include <vector>

namespace data {

// Raised when the verb file cannot be opened or read; what() is the text the
// error box shows before its full stop ("Cannot open file Verb12Data.txt").
class VerbFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The verb file in memory, with an index of where each record starts. Lines
// are split only when read, so loading costs little more than reading the
// bytes once.
//
// It keeps either the whole lines, every byte as read (what the tools that
// check the file column by column need), or only what the trainer reads: each
// line's payload, about a sixth of a verb file's bytes. Either way each
// record's header (lines 0 to 2) is read once, as the file is read; headers
// and payloads are read the same way from either.
//
// Lines end at CR LF, a lone LF or a lone CR; a NUL byte ends the text; a line
// end at the very end adds no empty line.
class VerbFile {
public:
    static constexpr int LinesPerRecord = 395;
    static constexpr int PrefixLength = 30;
    static constexpr int HeaderLines = 3; // record lines 0 to 2 carry codes in their prefixes
    static constexpr const char *FileName = "Verb12Data.txt";

    // What a file keeps of each line: every byte, or the payload.
    enum class Keep { WholeLines, Payloads };

    VerbFile() = default;
    explicit VerbFile(QByteArray bytes); // keeps whole lines
    // A PayloadGatherer's, gathered in groups of 395 lines with HeaderLines coded.
    explicit VerbFile(PayloadText payloads);
    // Keeps the payloads of text that is already in memory.
    static VerbFile payloadsOf(QByteArrayView bytes);

    // Reads the named file whole, read-only; throws VerbFileError("Cannot open
    // file <path as given>") when it is missing, a directory, unreadable, fails
    // while being read or does not fit in memory. Keeping payloads, the file
    // passes through a small buffer and only they are ever held.
    static VerbFile read(const QString &path, Keep keep = Keep::WholeLines);

    qsizetype lineCount() const { return m_lineCount; }
    // Whole records only; a trailing part-record is not counted.
    qsizetype recordCount() const { return m_lineCount / LinesPerRecord; }
    bool lineCountIsWholeRecords() const { return m_lineCount % LinesPerRecord == 0; }

    // What the trainer reads; views stay valid as long as this VerbFile (or a
    // copy of it) lives. Out of range, or past the file's end: empty.
    // Record `record`'s header; a trailing part-record has one too (its missing
    // lines read as empty).
    const RecordHeader &header(qsizetype record) const;
    // Record line `lineInRecord`'s payload: character 31 onward, as in the file.
    QByteArrayView recordPayload(qsizetype record, int lineInRecord) const;
    // The payloads of `count` consecutive lines of one record from `firstLine`,
    // found in one scan; lines past the record's end are empty.
    std::vector<QByteArrayView> recordPayloads(qsizetype record, int firstLine, int count) const;

    // Whole lines, only in a file that keeps them (empty otherwise).
    // Line `index` (0-based) without its line end; empty when out of range.
    // Finding a line scans at most 394 lines from its record's start.
    QByteArrayView line(qsizetype index) const;
    // Record line `lineInRecord` (0 to 394) of record `record`; empty outside.
    QByteArrayView recordLine(qsizetype record, int lineInRecord) const;
    // `count` consecutive lines of one record from `firstLine`, found in one scan;
    // lines past the record's end or the file's end are empty.
    std::vector<QByteArrayView> recordLines(qsizetype record, int firstLine, int count) const;

private:
    void takeIndex(LineIndex index);
    // One per record begun, from its first HeaderLines lines: found in the
    // whole lines, or where the gatherer noted them.
    void readHeaders(const PayloadText *gathered = nullptr);
    // The kept text of `count` lines of one record from `firstLine`: whole lines,
    // or payloads. Line ends at CR LF, LF and CR serve both.
    std::vector<QByteArrayView> keptLines(qsizetype record, int firstLine, int count) const;

    Keep m_keep = Keep::WholeLines;
    QByteArray m_bytes;      // the file as read, or the payloads each followed by an LF
    qsizetype m_textEnd = 0; // first NUL, or the size
    qsizetype m_lineCount = 0;
    std::vector<qsizetype> m_recordStarts; // byte offset of line 395·k in m_bytes
    std::vector<RecordHeader> m_headers;   // viewing m_bytes
};

// A line's 30-character prefix is dropped before use; the record's header
// (RecordHeader) reads the codes of record lines 0 to 2 from it. The functions
// named ...Bytes give the file's own bytes, those named ...Text decoded text.
QByteArrayView payloadBytes(QByteArrayView line);    // character 31 onward
QString payloadText(QByteArrayView line);            // character 31 onward, decoded
QString answerText(QByteArrayView line);             // payload trimmed of codes <= 32
QString answerTextOfPayload(QByteArrayView payload); // the same from payloadBytes()

// Single-byte Windows-1252 to text and back. Bytes the code page leaves
// undefined map to the control characters of the same value.
QString decodeWindows1252(QByteArrayView bytes);
QByteArray encodeWindows1252(const QString &text, bool *ok = nullptr);

} // namespace data
