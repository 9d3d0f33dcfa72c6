// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/Alternatives.h"
#include "data/VerbFile.h"

#include <QStringList>

#include <future>

namespace app {

// The verb file as start-up loads it, and the verb list's entries made from it.
struct LoadedVerbFile {
    data::VerbFile verbList;
    QStringList verbListEntries;
    // The accepted alternatives beside it: none when there is no such file, and
    // none with a fault when it is damaged.
    data::Alternatives::Reading alternatives;
};

// Reads the verb file ("Verb12Data.txt" in the working directory), keeping what
// the trainer reads of it, and makes the verb list's entries; throws the
// data::VerbFileError of a file that cannot be read. The alternatives file
// beside it is read after it.
LoadedVerbFile loadVerbFile();
// Starts loadVerbFile() on a second thread: how the program starts, TForm1
// form(startReadingVerbFile()), so that reading the file and building the
// window overlap. Should no thread be available, the window's get() loads it.
std::future<LoadedVerbFile> startReadingVerbFile();

} // namespace app
