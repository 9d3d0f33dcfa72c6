#pragma once

#include <QStringList>

namespace editing {

// The help panel's text, one entry a line, exactly as the learner reads it.
const QStringList &helpLines();

} // namespace editing
