// The command line's report of one sound: its attributes, details, range and JSON record.
#include "sound_report.h"

#include "attribute_fields.h"
#include "english_text.h"
#include "game_rules.h"
#include "game_sound_types.h"
#include "number_text.h"
#include "qt_text.h"
#include "sound_range.h"

#include <cmath>

#include <QJsonArray>

namespace kelvane {

QJsonObject blockJson(const SoundAttributes &a)
{
    QJsonObject block{{"version", static_cast<qint64>(a.version)},
                      {"gameType", static_cast<qint64>(a.gameType)},
                      {"gameTypeName", toQString(gameTypeName(a.gameType).value_or("unlisted"))}};
    for (const FieldRow &field : kNumberFields)
        block.insert(toQString(field.jsonKey), static_cast<double>(a.*field.number));
    return block;
}

namespace {

QString outcomeName(LoadOutcome outcome)
{
    switch (outcome) {
    case LoadOutcome::Clean:
        return QStringLiteral("clean");
    case LoadOutcome::BadChecksum:
        return QStringLiteral("badChecksum");
    case LoadOutcome::Inserted:
        return QStringLiteral("noBlock");
    case LoadOutcome::ViewOnly:
        return QStringLiteral("viewOnly");
    case LoadOutcome::Upgraded:
        return QStringLiteral("olderBlock");
    case LoadOutcome::Refused:
        break;
    }
    return QStringLiteral("refused");
}

// The boxes' seven decimals, unless they would read back as another value (0.099999994 as
// "0.1000000", which the game does not stop on): then every digit the value needs.
QString faithfulNumber(float value)
{
    const QChar point('.');
    const QString boxed = formatNumber(value, point);
    const auto back = parseNumber(boxed, point);
    return !std::isfinite(value) || (back && *back == value) ? boxed : shortestNumber(value, point);
}

QString metres(double distance)
{
    return QString::number(distance, 'f', 1) + QStringLiteral(" m");
}

// A distance the block holds, to a tenth where that is the value and with every digit it needs
// otherwise: an AI distance of 0.05 is never "0.1 m".
QString blockMetres(float distance)
{
    const QString tenths = metres(distance);
    return tenths.chopped(2).toFloat() == distance
               ? tenths
               : shortestNumber(distance, QLatin1Char('.')) + QStringLiteral(" m");
}

} // namespace

QStringList attributeLines(const SoundAttributes &attrs)
{
    return {QStringLiteral("Game sound type:     ") + toQString(gameTypeLabel(attrs.gameType)),
            QStringLiteral("Base sound volume:   ") + faithfulNumber(attrs.baseValue),
            QStringLiteral("Minimum distance:    ") + faithfulNumber(attrs.minDist),
            QStringLiteral("Maximum distance:    ") + faithfulNumber(attrs.maxDist),
            QStringLiteral("Maximum AI distance: ") + faithfulNumber(attrs.maxAIDist)};
}

std::vector<Message> detailLines(const Inspection &found)
{
    // Lines about the block inserted in memory describe no file on disk.
    return {found.infoLines.begin(), found.infoLines.end() - std::ptrdiff_t(found.insertionLines)};
}

std::optional<SoundAttributes> blockTheGameReads(const LoadResult &loaded)
{
    if (loaded.refused())
        return std::nullopt;
    const Inspection &found = loaded.inspection;
    if (found.outcome == LoadOutcome::Inserted)
        return olderBlock(found);
    return found.shownAttrs;
}

QStringList rangeLines(const SoundAttributes &attrs)
{
    if (const auto problem = rangeProblem(attrs))
        return {QStringLiteral("  Range: none: ") + english(problem->text)};
    QStringList lines;
    for (const double level : {kCutOffDecibels, kQuietDecibels}) {
        const auto distance = distanceAtLevel(attrs, level);
        lines << QStringLiteral("  Falls to %1 dB at: %2")
                     .arg(level)
                     .arg(distance
                              ? metres(*distance)
                              : QStringLiteral("never; cut off at ") + blockMetres(attrs.maxDist));
    }
    lines << QStringLiteral("  At the maximum distance (%1): %2 dB")
                 .arg(blockMetres(attrs.maxDist))
                 .arg(decibels(gainAt(attrs, attrs.maxDist)), 0, 'f', 1)
          << QStringLiteral("  NPCs hear it to: ") + blockMetres(attrs.maxAIDist);
    return lines;
}

QJsonObject rangeJson(const SoundAttributes &attrs)
{
    if (const auto problem = rangeProblem(attrs))
        return {{"minus20dB", QJsonValue()},         {"minus40dB", QJsonValue()},
                {"maxDistance", QJsonValue()},       {"dBAtMaxDistance", QJsonValue()},
                {"aiDistance", QJsonValue()},        {"problem", english(problem->text)},
                {"problemKey", keyOf(problem->text)}};
    const auto at = [&](double level) {
        const auto distance = distanceAtLevel(attrs, level);
        return distance ? QJsonValue(*distance) : QJsonValue();
    };
    const double atMost = decibels(gainAt(attrs, attrs.maxDist));
    return {{"minus20dB", at(kCutOffDecibels)},
            {"minus40dB", at(kQuietDecibels)},
            {"maxDistance", double(attrs.maxDist)},
            {"dBAtMaxDistance", std::isfinite(atMost) ? QJsonValue(atMost) : QJsonValue()},
            {"aiDistance", aiHearing(attrs)},
            {"problem", QJsonValue()},
            {"problemKey", QJsonValue()}};
}

QJsonObject soundJson(const QString &path, const LoadResult &loaded)
{
    // Every record has every key, null where the file gives nothing.
    QJsonObject json{{"file", path},
                     {"outcome", "refused"},
                     {"message", QJsonValue()},
                     {"messageKey", QJsonValue()},
                     {"details", QJsonArray()},
                     {"channels", QJsonValue()},
                     {"sampleRate", QJsonValue()},
                     {"fileSize", QJsonValue()},
                     {"durationSeconds", QJsonValue()},
                     {"storedChecksum", QJsonValue()},
                     {"computedChecksum", QJsonValue()},
                     {"block", QJsonValue()},
                     {"olderBlock", QJsonValue()}};
    if (!loaded.image) {
        json["message"] = english(loaded.failure);
        json["messageKey"] = keyOf(loaded.failure);
        return json;
    }
    const Inspection &found = loaded.inspection;
    json["outcome"] = outcomeName(found.outcome);
    if (found.outcome != LoadOutcome::Inserted && !found.attrStatus.empty()) {
        json["message"] = english(found.attrStatus);
        json["messageKey"] = keyOf(found.attrStatus);
    }
    json["details"] = QJsonArray::fromStringList(english(detailLines(found)));
    if (found.outcome == LoadOutcome::Refused && found.infoLines.empty())
        return json;
    json["channels"] = static_cast<qint64>(found.channels);
    json["sampleRate"] = static_cast<qint64>(found.sampleRate);
    // The size on disk: an insertion in memory has grown the image, not the file.
    json["fileSize"] = loaded.image->fileSize() - static_cast<qint64>(found.insertedBytes);
    if (loaded.seconds)
        json["durationSeconds"] = *loaded.seconds;
    json["storedChecksum"] = static_cast<qint64>(found.storedChecksum);
    if (found.computedChecksum)
        json["computedChecksum"] = static_cast<qint64>(*found.computedChecksum);
    if (found.shownAttrs && found.outcome != LoadOutcome::Inserted)
        json["block"] = blockJson(found.fileAttrs);
    if (const auto older = olderBlock(found))
        json["olderBlock"] = blockJson(*older);
    return json;
}

} // namespace kelvane
