#pragma once

#include <cstdint>
#include <span>
#include <string>

// What the core promises for any bytes at all, checked from the outside: inspection reads only
// what is there, an image it lets be written is whole and its page 2 is a valid Ogg page, an
// insertion changes page 2 only and keeps the old comments, and a prepared image carries a
// checksum that libogg computes the same. Returns what broke, or nothing.
// `upgradeOlder` turns an older block into a version 3 block instead of inserting one.
std::string checkCoreInvariants(std::span<const std::uint8_t> file, bool headersOnly,
                                bool upgradeOlder = false);
