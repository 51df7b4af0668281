#pragma once

#include "hex_text.h"
#include "sound_attributes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvane {

struct GameSoundType
{
    std::string_view name;
    std::uint32_t code;
};

// The game's sound-type flag words, in the order the type list shows them. Codes are opaque:
// a combination of flags that is not listed shows as "undefined".
inline constexpr std::array<GameSoundType, 21> GameSoundTypes{{
    {"undefined", 0x00000000u},         {"anomaly_idle", 0x10000800u},
    {"item_dropping", 0x42000000u},     {"item_hiding", 0x41000000u},
    {"item_pickup", 0x44000000u},       {"item_taking", 0x40800000u},
    {"item_using", 0x40400000u},        {"NPC_attacking", 0x20002000u},
    {"NPC_dying", 0x20020000u},         {"NPC_eating", 0x20001000u},
    {"NPC_injuring", 0x20010000u},      {"NPC_step", 0x20008000u},
    {"NPC_talking", 0x20004000u},       {"object_breaking", 0x08000400u},
    {"object_colliding", 0x08000200u},  {"object_exploding", 0x08000100u},
    {"weapon_bullet_hit", 0x80080000u}, {"weapon_empty_click", 0x80100000u},
    {"weapon_recharging", 0x80040000u}, {"weapon_shooting", 0x80200000u},
    {"world_ambient", 0x08000080u},
}};

// The first index whose code equals `code`, or 0 ("undefined") when none does.
[[nodiscard]] constexpr std::size_t gameTypeIndex(std::uint32_t code)
{
    for (std::size_t i = 0; i < GameSoundTypes.size(); ++i) {
        if (GameSoundTypes[i].code == code)
            return i;
    }
    return 0;
}

// The listed name of `code`, or nothing when the table does not hold it.
[[nodiscard]] constexpr std::optional<std::string_view> gameTypeName(std::uint32_t code)
{
    const GameSoundType &type = GameSoundTypes[gameTypeIndex(code)];
    return type.code == code ? std::optional(type.name) : std::nullopt;
}

// The code at `index`; an index outside the table gives the code of "undefined".
[[nodiscard]] constexpr std::uint32_t gameTypeCode(std::size_t index)
{
    return index < GameSoundTypes.size() ? GameSoundTypes[index].code : 0u;
}

// "weapon_shooting (0x80200000)"; a code the table does not hold is "unlisted (0x...)".
[[nodiscard]] inline std::string gameTypeLabel(std::uint32_t code)
{
    return std::string(gameTypeName(code).value_or("unlisted")) + " (0x" + hexText(code) + ")";
}

// The values the stock sounds of a type usually hold, where they are known: a new sound of that
// type starts from them. Nothing for the others.
[[nodiscard]] constexpr std::optional<SoundAttributes> usualValues(std::uint32_t code)
{
    constexpr std::uint32_t v = kAttributeBlockVersion;
    switch (code) {
    case 0x00000000u: // undefined
        return defaultAttrs;
    case 0x80040000u: // weapon_recharging: reloads
    case 0x40800000u: // item_taking: drawing a weapon
        return SoundAttributes{v, 0.7f, 20.0f, 1.0f, code, 8.0f};
    case 0x80200000u: // weapon_shooting
        return SoundAttributes{v, 5.0f, 300.0f, 1.0f, code, 55.0f};
    case 0x08000080u: // world_ambient
        return SoundAttributes{v, 10.0f, 300.0f, 1.0f, code, 2.0f};
    default:
        return std::nullopt;
    }
}

} // namespace kelvane
