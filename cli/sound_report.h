#pragma once

#include "sound_reader.h"

#include <optional>
#include <vector>

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace kelvane {

// A block's values as numbers, with its type's name, for scripts.
[[nodiscard]] QJsonObject blockJson(const SoundAttributes &attrs);

// The five attributes, one line each, numbers as the window writes them (with ".").
[[nodiscard]] QStringList attributeLines(const SoundAttributes &attrs);

// The details as loading read them from the file, without what an insertion in memory added.
[[nodiscard]] std::vector<Message> detailLines(const Inspection &found);

// The values the game takes from the file: its block, or the older block it holds instead;
// nothing for a file without either, or one that could not be read.
[[nodiscard]] std::optional<SoundAttributes> blockTheGameReads(const LoadResult &loaded);

// How far the game lets the sound carry, as `show --range` prints it: where it falls to -20 and
// -40 dB, its level at the maximum distance, how far NPCs hear it.
[[nodiscard]] QStringList rangeLines(const SoundAttributes &attrs);
[[nodiscard]] QJsonObject rangeJson(const SoundAttributes &attrs);

// Everything `show` knows of a file, with raw values as numbers, for scripts.
[[nodiscard]] QJsonObject soundJson(const QString &path, const LoadResult &loaded);

} // namespace kelvane
