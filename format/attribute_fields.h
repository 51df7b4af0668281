#pragma once

#include "attribute_edits.h"
#include "message.h"
#include "sound_attributes.h"
#include "text_mark.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace kelvane {

// The fields of the block a user sets, in the order every list of them keeps.
enum class AttributeField
{
    Type,
    Volume,
    MinDist,
    MaxDist,
    MaxAIDist
};

// What a number field's value must be; a NaN breaks every rule.
enum class FieldRule
{
    None,            // the type: chosen from a list
    ZeroToTwo,       // 0.0 to 2.0
    AtLeastZero,     // not negative, no upper limit
    NotBelowMinimum, // not below the minimum distance
};

// One field: the sound table's columns, the boxes, the command line's options and output, diff
// and the stock comparison all read this table, so a field is added here and in the block.
struct FieldRow
{
    AttributeField field;
    std::string_view key;     // as the command line's --option, its table and diff name it
    std::string_view jsonKey; // in the block's JSON
    // The number the block holds and the edit that sets it; null for the type, a code.
    float SoundAttributes::*number = nullptr;
    std::optional<float> AttributeEdits::*edit = nullptr;
    FieldRule rule = FieldRule::None;
    MessageKind breach = MessageKind::BreachVolume; // what a value breaking the rule is told by
    // In English, translated by the window ("FieldText"): the box's label, the table's heading,
    // and the command line's help of --key (the type's is its own).
    const char *label = "";
    const char *heading = "";
    const char *option = "";
};

inline constexpr std::array<FieldRow, 5> kAttributeFields{{
    {AttributeField::Type, "type", "gameType", nullptr, nullptr, FieldRule::None,
     MessageKind::BreachVolume, KELVANE_TEXT("FieldText", "Game Sound Type"),
     KELVANE_TEXT("FieldText", "Type"), ""},
    {AttributeField::Volume, "volume", "baseValue", &SoundAttributes::baseValue,
     &AttributeEdits::volume, FieldRule::ZeroToTwo, MessageKind::BreachVolume,
     KELVANE_TEXT("FieldText", "Base Sound Volume"), KELVANE_TEXT("FieldText", "Volume"),
     "Base sound volume, 0.0 to 2.0."},
    {AttributeField::MinDist, "min", "minDist", &SoundAttributes::minDist, &AttributeEdits::minDist,
     FieldRule::AtLeastZero, MessageKind::BreachMinDist,
     KELVANE_TEXT("FieldText", "Minimum Distance"), KELVANE_TEXT("FieldText", "Min"),
     "Minimum distance: full volume up to here (0 or more)."},
    {AttributeField::MaxDist, "max", "maxDist", &SoundAttributes::maxDist, &AttributeEdits::maxDist,
     FieldRule::NotBelowMinimum, MessageKind::BreachMaxBelowMin,
     KELVANE_TEXT("FieldText", "Maximum Distance"), KELVANE_TEXT("FieldText", "Max"),
     "Maximum distance: heard up to here (not below the minimum)."},
    {AttributeField::MaxAIDist, "ai", "maxAIDist", &SoundAttributes::maxAIDist,
     &AttributeEdits::maxAIDist, FieldRule::AtLeastZero, MessageKind::BreachMaxAIDist,
     KELVANE_TEXT("FieldText", "Maximum AI Distance"), KELVANE_TEXT("FieldText", "AI"),
     "Maximum AI distance: heard by the game's characters up to here."},
}};

// The fields that hold a number: every one but the type.
inline constexpr std::span<const FieldRow> kNumberFields = std::span(kAttributeFields).subspan(1);

[[nodiscard]] constexpr const FieldRow &fieldRow(AttributeField field)
{
    return kAttributeFields[static_cast<std::size_t>(field)];
}

// Whether the game reads the field alike in both blocks: numbers bit for bit, as stored.
[[nodiscard]] bool sameField(const FieldRow &row, const SoundAttributes &a,
                             const SoundAttributes &b);

// The fields the game reads otherwise in `b` than in `a`, in the table's order: what diff and
// the stock comparison report.
[[nodiscard]] std::vector<AttributeField> differingFields(const SoundAttributes &a,
                                                          const SoundAttributes &b);

// Whether the edits set the field.
[[nodiscard]] bool isEdited(const FieldRow &row, const AttributeEdits &edits);

} // namespace kelvane
