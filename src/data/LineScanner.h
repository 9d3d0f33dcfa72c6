#pragma once

#include <QByteArrayView>

#include <vector>

namespace data {

// Where the lines of a text lie. Lines end at CR LF, a lone LF or a lone CR; a
// NUL byte ends the text; a line end at the very end adds no empty line.
struct LineIndex {
    qsizetype textEnd = 0; // first NUL, or the size
    qsizetype lineCount = 0;
    std::vector<qsizetype> groupStarts; // byte offset of line 0, n, 2n, ...
};

// One pass over the bytes; allocates only the group index, never per line.
LineIndex indexLines(QByteArrayView bytes, int linesPerGroup);

struct LineSpan {
    qsizetype end = 0;       // offset just past the line's last character
    qsizetype nextStart = 0; // offset of the following line (past its line end)
};

// The line starting at `start` in `text` (text already cut at its NUL).
LineSpan nextLine(QByteArrayView text, qsizetype start);

} // namespace data
