// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer entry of the lean target: any bytes as a verb file, the reader
// alone, built without sanitizers for many inputs a second.
#include "ReaderChecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    const QString findings = fuzzcheck::checkReaderBytes(
        QByteArrayView(reinterpret_cast<const char *>(bytes), qsizetype(size)));
    if (!findings.isEmpty()) {
        std::fprintf(stderr, "verb file reader check failed:\n%s", qPrintable(findings));
        std::abort();
    }
    return 0;
}
