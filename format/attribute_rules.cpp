#include "attribute_rules.h"

#include <utility>

namespace kelvane {

std::string_view ruleText(AttributeField field)
{
    switch (field) {
    case AttributeField::Volume:
        return " Must be valid floating point value from 0.0 to 2.0";
    case AttributeField::MaxDist:
        return " Number value must be equal to or greater than minimum";
    case AttributeField::MinDist:
    case AttributeField::MaxAIDist:
        break;
    }
    return " Number value must be equal to or greater than 0.0";
}

bool breaksRule(AttributeField field, float value, float minDist)
{
    // Written so that a NaN breaks every rule.
    switch (field) {
    case AttributeField::Volume:
        return !(value >= 0.0f && value <= 2.0f);
    case AttributeField::MaxDist:
        return !(value >= minDist);
    case AttributeField::MinDist:
    case AttributeField::MaxAIDist:
        break;
    }
    return !(value >= 0.0f);
}

std::optional<AttributeField> firstRuleBroken(float volume, float minDist, float maxDist,
                                              float maxAIDist)
{
    const std::pair<AttributeField, float> fields[] = {{AttributeField::Volume, volume},
                                                       {AttributeField::MinDist, minDist},
                                                       {AttributeField::MaxDist, maxDist},
                                                       {AttributeField::MaxAIDist, maxAIDist}};
    for (const auto &[field, value] : fields) {
        if (breaksRule(field, value, minDist))
            return field;
    }
    return std::nullopt;
}

} // namespace kelvane
