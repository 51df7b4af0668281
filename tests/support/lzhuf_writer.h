#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Packs bytes as the games' archives pack their file lists (the size prefix and the LZHuf
// code), for tests that build archives: matches found by a plain hash of three bytes, coded
// with the same adaptive tree the decoder keeps.
std::vector<std::uint8_t> packLzHuf(std::span<const std::uint8_t> bytes);
