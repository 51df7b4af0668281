#pragma once

#include <optional>

#include <QChar>
#include <QString>

namespace kelvane {

// The attribute boxes show a float with exactly seven decimals, rounded half away from zero on
// the float's exact value at its seventh significant digit or its seventh decimal, whichever is
// further left; values with more than seven integer digits are written in scientific form.
[[nodiscard]] QString formatNumber(float value, QChar decimalSeparator);

// The sound table's numbers: the fewest digits that read back as exactly this float ("0.7",
// "20", "1.0000001"), with the given decimal separator.
[[nodiscard]] QString shortestNumber(float value, QChar decimalSeparator);

// Reads a box back: blanks around, an optional sign, digits with an optional decimal separator
// (the user's, or "." whatever the user's is: people type both), an optional exponent. A text
// with no digit and no separator, any other character, or a value beyond the range of a 32-bit
// float does not convert.
[[nodiscard]] std::optional<float> parseNumber(const QString &text, QChar decimalSeparator);

// How long a sound plays: "1.500 s (0:01)", seconds to the millisecond and then minutes and
// whole seconds; `secondsUnit` in the window's language.
[[nodiscard]] QString lengthText(double seconds, QChar decimalSeparator,
                                 const QString &secondsUnit = QStringLiteral("s"));

// The user's decimal separator, "." when the locale gives none.
[[nodiscard]] QChar userDecimalSeparator();

} // namespace kelvane
