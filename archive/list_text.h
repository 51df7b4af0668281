#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvane {

// A name as an archive's file list holds it (Windows-1251 bytes, backslashes between folders)
// as UTF-8 with '/' between folders. Nothing when a byte is no Windows-1251 character.
[[nodiscard]] std::optional<std::string> nameFromWindows1251(std::string_view bytes);

// The name with its ASCII letters lowered, as the game compares names: in any letter case, and
// whatever the locale of the machine.
[[nodiscard]] std::string lowerAscii(std::string_view name);

// Whether a path inside an archive stays inside any folder it is written below: not absolute
// (no leading separator, no drive), no ".." and no empty part.
[[nodiscard]] bool staysInside(std::string_view path);

} // namespace kelvane
