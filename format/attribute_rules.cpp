#include "attribute_rules.h"

#include <cstdio>
#include <string>
#include <utility>

namespace kelvane {

Message ruleBreach(AttributeField field, const SoundAttributes &attrs)
{
    // Seven significant digits: what a float holds, without the noise of its binary form.
    const auto number = [](float value) {
        char text[32];
        std::snprintf(text, sizeof text, "%.7g", double(value));
        return std::string(text);
    };
    switch (field) {
    case AttributeField::Volume:
        return {MessageKind::BreachVolume, {number(attrs.baseValue)}};
    case AttributeField::MinDist:
        return {MessageKind::BreachMinDist, {number(attrs.minDist)}};
    case AttributeField::MaxDist:
        return {MessageKind::BreachMaxBelowMin, {number(attrs.maxDist), number(attrs.minDist)}};
    case AttributeField::Type: // chosen from a list: never breaks a rule
    case AttributeField::MaxAIDist:
        break;
    }
    return {MessageKind::BreachMaxAIDist, {number(attrs.maxAIDist)}};
}

Message ruleText(AttributeField field)
{
    switch (field) {
    case AttributeField::Volume:
        return {MessageKind::RuleVolume, {"0.0", "2.0"}};
    case AttributeField::MaxDist:
        return MessageKind::RuleMaxDist;
    case AttributeField::Type: // chosen from a list: no number to refuse
    case AttributeField::MinDist:
    case AttributeField::MaxAIDist:
        break;
    }
    return {MessageKind::RuleAtLeast, {"0.0"}};
}

bool breaksRule(AttributeField field, float value, float minDist)
{
    // Written so that a NaN breaks every rule.
    switch (field) {
    case AttributeField::Volume:
        return !(value >= 0.0f && value <= 2.0f);
    case AttributeField::MaxDist:
        return !(value >= minDist);
    case AttributeField::Type:
        return false;
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
