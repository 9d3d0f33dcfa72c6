#pragma once

#include "data/LineScanner.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <future>
#include <stdexcept>
#include <vector>

namespace data {

// Raised when the verb file cannot be opened or read; what() is the text the
// error box shows before its full stop ("Cannot open file Verb12Data.txt").
class VerbFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The whole verb file held as its bytes, with an index of where each record
// starts. Lines are split only when read, so loading costs little more than
// reading the bytes once.
//
// Lines end at CR LF, a lone LF or a lone CR; a NUL byte ends the text; a line
// end at the very end adds no empty line.
class VerbFile {
public:
    static constexpr int LinesPerRecord = 395;
    static constexpr int PrefixLength = 30;
    static constexpr const char *FileName = "Verb12Data.txt";

    VerbFile() = default;
    explicit VerbFile(QByteArray bytes);

    // Reads the named file whole, read-only; throws VerbFileError("Cannot open
    // file <path as given>") when it is missing, a directory, unreadable, fails
    // while being read or does not fit in memory.
    static VerbFile read(const QString &path);
    // Starts read(path) on a second thread, so that the caller can do other work
    // meanwhile. get() on the result waits for the thread and returns the file or
    // throws the VerbFileError read() would; dropping the result unread waits for
    // the thread too. Should no thread be available, get() reads in its caller.
    static std::future<VerbFile> readInBackground(const QString &path);

    qsizetype lineCount() const { return m_lineCount; }
    // Whole records only; a trailing part-record is not counted.
    qsizetype recordCount() const { return m_lineCount / LinesPerRecord; }
    bool lineCountIsWholeRecords() const { return m_lineCount % LinesPerRecord == 0; }

    // Line `index` (0-based) without its line end; empty when out of range.
    // Views stay valid as long as this VerbFile (or a copy of it) lives.
    // Finding a line scans at most 394 lines from its record's start.
    QByteArrayView line(qsizetype index) const;
    // Record line `lineInRecord` (0 to 394) of record `record`; empty outside.
    QByteArrayView recordLine(qsizetype record, int lineInRecord) const;
    // `count` consecutive lines of one record from `firstLine`, found in one scan;
    // lines past the record's end or the file's end are empty.
    std::vector<QByteArrayView> recordLines(qsizetype record, int firstLine, int count) const;

private:
    void takeIndex(LineIndex index);

    QByteArray m_bytes;
    qsizetype m_textEnd = 0; // first NUL, or the size
    qsizetype m_lineCount = 0;
    std::vector<qsizetype> m_recordStarts; // byte offset of line 395·k
};

// A line's 30-character prefix is dropped before use, except for its first
// character, which carries the record header's codes on record lines 0 to 2.
char lineCode(QByteArrayView line);       // '\0' for an empty line
QString linePayload(QByteArrayView line); // character 31 onward, decoded
QString answerText(QByteArrayView line);  // payload trimmed of codes <= 32

// Single-byte Windows-1252 to text and back. Bytes the code page leaves
// undefined map to the control characters of the same value.
QString decodeWindows1252(QByteArrayView bytes);
QByteArray encodeWindows1252(const QString &text, bool *ok = nullptr);

} // namespace data
