#include "hex_text.h"

#include <array>
#include <cstdio>

namespace kelvane {

std::string hexText(std::uint32_t value, int digits)
{
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%0*X", digits, static_cast<unsigned>(value));
    return text.data();
}

} // namespace kelvane
