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
    const FieldRow &row = fieldRow(field);
    const float value = row.number ? attrs.*row.number : 0.0f;
    if (row.rule == FieldRule::NotBelowMinimum)
        return {row.breach, {number(value), number(attrs.minDist)}};
    return {row.breach, {number(value)}};
}

Message ruleText(AttributeField field)
{
    switch (fieldRow(field).rule) {
    case FieldRule::ZeroToTwo:
        return {MessageKind::RuleVolume, {"0.0", "2.0"}};
    case FieldRule::NotBelowMinimum:
        return MessageKind::RuleMaxDist;
    case FieldRule::None: // chosen from a list: no number to refuse
    case FieldRule::AtLeastZero:
        break;
    }
    return {MessageKind::RuleAtLeast, {"0.0"}};
}

bool breaksRule(AttributeField field, float value, float minDist)
{
    // Written so that a NaN breaks every rule.
    switch (fieldRow(field).rule) {
    case FieldRule::ZeroToTwo:
        return !(value >= 0.0f && value <= 2.0f);
    case FieldRule::NotBelowMinimum:
        return !(value >= minDist);
    case FieldRule::AtLeastZero:
        return !(value >= 0.0f);
    case FieldRule::None:
        break;
    }
    return false;
}

std::optional<AttributeField> firstRuleBroken(const SoundAttributes &attrs)
{
    for (const FieldRow &row : kNumberFields)
        if (breaksRule(row.field, attrs.*row.number, attrs.minDist))
            return row.field;
    return std::nullopt;
}

} // namespace kelvane
