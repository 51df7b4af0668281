#include "attribute_edits.h"

#include "attribute_fields.h"

namespace kelvane {

bool AttributeEdits::any() const
{
    for (const FieldRow &row : kAttributeFields)
        if (isEdited(row, *this))
            return true;
    return false;
}

AttributeEdits AttributeEdits::then(const AttributeEdits &later) const
{
    AttributeEdits both = *this;
    if (later.gameType)
        both.gameType = later.gameType;
    for (const FieldRow &row : kNumberFields)
        if (later.*row.edit)
            both.*row.edit = later.*row.edit;
    return both;
}

SoundAttributes AttributeEdits::over(SoundAttributes attrs) const
{
    if (gameType)
        attrs.gameType = *gameType;
    for (const FieldRow &row : kNumberFields)
        if (const std::optional<float> &value = this->*row.edit)
            attrs.*row.number = *value;
    return attrs;
}

} // namespace kelvane
