#pragma once

#include "game_sound_types.h"
#include "hex_text.h"
#include "qt_text.h"
#include "sound_scan.h"

#include <optional>

#include <QString>

// What the sound table's cells and its order both read of a row.
namespace kelvane::table {

inline std::optional<float> field(const ScannedSound &row, float SoundAttributes::*member)
{
    return row.attrs ? std::optional<float>((*row.attrs).*member) : std::nullopt;
}

// The type's name, or its code when the list does not hold it.
inline std::optional<QString> typeName(const ScannedSound &row)
{
    if (!row.attrs)
        return std::nullopt;
    if (const auto name = gameTypeName(row.attrs->gameType))
        return toQString(*name);
    return QStringLiteral("0x") + toQString(hexText(row.attrs->gameType));
}

inline bool hasWarnings(const ScannedSound &row)
{
    return !row.warnings.empty() || row.state == SoundState::Refused;
}

// What the warnings column sorts by: the warnings' English, the same in every language.
inline QString warningKey(const ScannedSound &row)
{
    QString key;
    for (const Message &warning : row.warnings)
        key += QString::fromStdString(englishText(warning)) + QLatin1Char('\n');
    return key;
}

} // namespace kelvane::table
