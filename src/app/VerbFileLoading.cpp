// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/VerbFileLoading.h"

#include "board/Board.h"

#include <system_error>

namespace app {

LoadedVerbFile loadVerbFile()
{
    const QString verbFile = QString::fromLatin1(data::VerbFile::FileName);
    LoadedVerbFile loaded{data::VerbFile::read(verbFile, data::VerbFile::Keep::Payloads), {}, {}};
    loaded.verbListEntries = board::verbListEntries(loaded.verbList);
    loaded.alternatives = data::Alternatives::read(data::Alternatives::pathBeside(verbFile));
    return loaded;
}

std::future<LoadedVerbFile> startReadingVerbFile()
{
    try {
        return std::async(std::launch::async, loadVerbFile);
    } catch (const std::system_error &) {
        return std::async(std::launch::deferred, loadVerbFile); // no thread to spare
    }
}

} // namespace app
