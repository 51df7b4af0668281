#pragma once

#include <cstdint>
#include <span>
#include <string>

// The archive reader's promises for any bytes: it ends, every file it lists lies inside the
// archive and has a path that stays inside any folder, and the LZHuf decoder never gives more
// than it is allowed. Empty when they hold, else the one broken.
[[nodiscard]] std::string checkArchiveInvariants(std::span<const std::uint8_t> archive,
                                                 bool firstGame);
