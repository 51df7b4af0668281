#pragma once

#include "attribute_rules.h"
#include "sound_reader.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace kelvane {

// "weapon_shooting (0x80200000)"; a code the table does not hold is "unlisted (0x...)".
[[nodiscard]] QString typeText(std::uint32_t code);

// The five attributes, one line each, numbers as the window writes them (with ".").
[[nodiscard]] QStringList attributeLines(const SoundAttributes &attrs);

// A refused value named with the field and the values: "maximum distance 50 is below minimum
// distance 120".
[[nodiscard]] Message breachText(AttributeField field, const SoundAttributes &attrs);

// The details as loading read them from the file, without what an insertion in memory added.
[[nodiscard]] std::vector<Message> detailLines(const Inspection &found);

// The older block of version 1 or 2 in the first comment, when that is what it holds.
[[nodiscard]] std::optional<SoundAttributes> olderBlock(const Inspection &found);

// The values the game takes from the file: its block, or the older block it holds instead;
// nothing for a file without either, or one that could not be read.
[[nodiscard]] std::optional<SoundAttributes> blockTheGameReads(const LoadResult &loaded);

// How far the game lets the sound carry, as `show --range` prints it: where it falls to -20 and
// -40 dB, its level at the maximum distance, how far NPCs hear it.
[[nodiscard]] QStringList rangeLines(const SoundAttributes &attrs);
[[nodiscard]] QJsonObject rangeJson(const SoundAttributes &attrs);

// Everything `show` knows of a file, with raw values as numbers, for scripts.
[[nodiscard]] QJsonObject soundJson(const QString &path, const LoadResult &loaded);

// A word or two for `show --table`: "ok", "bad checksum", "no block", "refused: ...", with
// ", stops the game" after it (or "stops the game" for "ok") when the game would stop on the
// sound as it is on disk: a value it refuses, or a file its decoder cannot open.
[[nodiscard]] Message stateText(const LoadResult &loaded);

} // namespace kelvane
