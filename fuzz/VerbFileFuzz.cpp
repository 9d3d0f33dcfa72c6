// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer entry: any bytes as a verb file, read the way the window reads it.
#include "VerbFileChecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    const QString findings = fuzzcheck::checkVerbFileBytes(
        QByteArrayView(reinterpret_cast<const char *>(bytes), qsizetype(size)));
    if (!findings.isEmpty()) {
        std::fprintf(stderr, "verb file check failed:\n%s", qPrintable(findings));
        std::abort();
    }
    return 0;
}
