#pragma once

#include "kelvane_version.h"

#include <QString>

namespace kelvane {

// The message as the error display shows it: a "." is added when the last character's code is
// above that of "." (a letter, a digit, "?"), not after ".", "!" or ")".
[[nodiscard]] QString withFinalPeriod(const QString &message);

// The standard error display: a modal box with a stop icon, OK and the application title.
void showErrorDisplay(const QString &message);

} // namespace kelvane
