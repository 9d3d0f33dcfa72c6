// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace reviewdialogs {

// Asks, naming the folder, whether the learner's progress may be kept there. No is the default:
// nothing is written without a yes.
bool askToKeepProgress(QWidget *parent, const QString &question);

enum class FaultAnswer { StartFresh, WithoutSaving, Cancel };

// Says what is wrong with the progress file and asks how to go on: a new file (only when the old
// one can be kept aside, `canStartFresh`), this review without saving, or no review.
FaultAnswer askAboutProgressFault(QWidget *parent, const QString &message, bool canStartFresh);

} // namespace reviewdialogs
