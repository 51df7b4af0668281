#pragma once

#include <cstdint>
#include <optional>

#include <QString>

namespace kelvane::cli {

// --type: a game sound type by name (any letter case) or as 0xCODE. Sets `code`, or returns the
// problem, naming the closest name when there is none.
[[nodiscard]] std::optional<QString> parseType(const QString &text,
                                               std::optional<std::uint32_t> &code);

} // namespace kelvane::cli
