#pragma once

#include "message.h"

#include <vector>

#include <QString>
#include <QStringList>

namespace kelvane {

// A message of the core (a detail, what loading or saving found, a warning, a reason) in the
// window's language: its English text translated, then its numbers and names put in.
[[nodiscard]] QString translated(const Message &message);
[[nodiscard]] QStringList translated(const std::vector<Message> &messages);

// " Floating point value is not valid.": a typed number that is none, in a box or a cell.
[[nodiscard]] QString notValidNumberText();

} // namespace kelvane
