#pragma once

#include <string_view>

#include <QString>

namespace kelvane {

// A text of the core (details, messages, warnings, reasons), in the window's language: the
// numbers in it are kept, the words around them translated. A text the translations do not know
// is shown as the core gave it.
[[nodiscard]] QString coreText(const QString &english);
[[nodiscard]] QString coreText(std::string_view english);

} // namespace kelvane
