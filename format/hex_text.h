#pragma once

#include <cstdint>
#include <string>

namespace kelvane {

// `value` in upper-case hexadecimal, at least `digits` digits with leading zeros: "0A",
// "80040000".
[[nodiscard]] std::string hexText(std::uint32_t value, int digits = 8);

} // namespace kelvane
