#include "attribute_fields.h"

#include <bit>
#include <cstdint>

namespace kelvane {

bool sameField(const FieldRow &row, const SoundAttributes &a, const SoundAttributes &b)
{
    if (!row.number)
        return a.gameType == b.gameType;
    // What the game reads is the stored number, not one close to it.
    return std::bit_cast<std::uint32_t>(a.*row.number) ==
           std::bit_cast<std::uint32_t>(b.*row.number);
}

std::vector<AttributeField> differingFields(const SoundAttributes &a, const SoundAttributes &b)
{
    std::vector<AttributeField> found;
    for (const FieldRow &row : kAttributeFields)
        if (!sameField(row, a, b))
            found.push_back(row.field);
    return found;
}

bool isEdited(const FieldRow &row, const AttributeEdits &edits)
{
    return row.edit ? (edits.*row.edit).has_value() : edits.gameType.has_value();
}

} // namespace kelvane
