#pragma once

#include <cstdint>
#include <span>
#include <string>

// What decoding promises for any bytes: the window decodes every whole file it loads, audio
// packets included, which loading never parses. A result either failed with a reason and holds
// no samples, or holds whole frames of a sane channel count and rate, within the cap; its
// waveform has one column per pixel per channel, every peak from 0 to 1; the length read from
// the last page is never negative. Returns what broke, or nothing.
std::string checkDecoderInvariants(std::span<const std::uint8_t> file);
