// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AlternativesCheck.h"

#include "FormCorrections.h"
#include "FormDictionary.h"
#include "ReviewedAlternatives.h"

namespace verbcheck {

// The forms that vouch for an alternative: the verb dictionary's for the base
// verb (in today's spelling), and the reviewed list's for the verb and its
// base verb. The three must outlive the result.
KnownForms knownForms(const verbgen::FormDictionary &dictionary,
                      const verbgen::SpellingReplacements &spelling,
                      const verbgen::ReviewedAlternatives &reviewed);

} // namespace verbcheck
