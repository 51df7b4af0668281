#pragma once

#include <string_view>

#include <QString>

namespace kelvane {

// The core reports in UTF-8 standard strings; the front ends show QStrings.
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace kelvane
