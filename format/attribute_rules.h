#pragma once

#include "attribute_fields.h"
#include "message.h"
#include "sound_attributes.h"

#include <optional>
#include <string_view>

namespace kelvane {

// The text a refused value of each number field is reported with, whether it is out of range or no
// number at all: the same in the window and on the command line.
[[nodiscard]] Message ruleText(AttributeField field);

// A refused value named with the field and the values: "maximum distance 50 is below minimum
// distance 120".
[[nodiscard]] Message ruleBreach(AttributeField field, const SoundAttributes &attrs);

// Whether `value` breaks its field's rule; `minDist` is the minimum distance, which the maximum
// must not be below.
[[nodiscard]] bool breaksRule(AttributeField field, float value, float minDist);

// The first field whose value breaks its rule, in the fields' order: volume 0.0 to 2.0,
// distances not negative, the maximum not below the minimum. No upper limit for distances.
[[nodiscard]] std::optional<AttributeField> firstRuleBroken(const SoundAttributes &attrs);

} // namespace kelvane
