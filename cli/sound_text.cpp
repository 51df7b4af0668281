#include "sound_text.h"

#include "game_sound_types.h"
#include "hex_text.h"
#include "legacy_block.h"
#include "number_text.h"
#include "qt_text.h"

#include <QJsonArray>

namespace kelvane::cli {

namespace {

QJsonObject blockJson(const TSoundAttributes &a)
{
    return {{"version", static_cast<qint64>(a.version)},
            {"gameType", static_cast<qint64>(a.gameType)},
            {"gameTypeName", toQString(gameTypeName(a.gameType).value_or("unlisted"))},
            {"baseValue", static_cast<double>(a.baseValue)},
            {"minDist", static_cast<double>(a.minDist)},
            {"maxDist", static_cast<double>(a.maxDist)},
            {"maxAIDist", static_cast<double>(a.maxAIDist)}};
}

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

} // namespace

QString typeText(std::uint32_t code)
{
    return toQString(gameTypeName(code).value_or("unlisted")) + QStringLiteral(" (0x") +
           toQString(hexText(code)) + QLatin1Char(')');
}

QStringList attributeLines(const TSoundAttributes &attrs)
{
    const QChar point('.');
    return {QStringLiteral("Game sound type:     ") + typeText(attrs.gameType),
            QStringLiteral("Base sound volume:   ") + formatNumber(attrs.baseValue, point),
            QStringLiteral("Minimum distance:    ") + formatNumber(attrs.minDist, point),
            QStringLiteral("Maximum distance:    ") + formatNumber(attrs.maxDist, point),
            QStringLiteral("Maximum AI distance: ") + formatNumber(attrs.maxAIDist, point)};
}

QStringList detailLines(const Inspection &found)
{
    // Lines about the block inserted in memory describe no file on disk.
    QStringList lines;
    for (std::size_t i = 0; i + found.insertionLines < found.infoLines.size(); ++i)
        lines << toQString(found.infoLines[i]);
    return lines;
}

std::optional<TSoundAttributes> olderBlock(const Inspection &found)
{
    if (!found.firstComment)
        return std::nullopt;
    return readLegacyBlock(*found.firstComment);
}

QJsonObject soundJson(const QString &path, const LoadResult &loaded)
{
    QJsonObject json{{"file", path}};
    if (!loaded.image) {
        json.insert("outcome", "refused");
        json.insert("message", loaded.failure);
        return json;
    }
    const Inspection &found = loaded.inspection;
    json.insert("outcome", outcomeName(found.outcome));
    json.insert("message",
                found.outcome == LoadOutcome::Inserted ? QString() : toQString(found.attrStatus));
    json.insert("details", QJsonArray::fromStringList(detailLines(found)));
    if (found.outcome == LoadOutcome::Refused && found.infoLines.empty())
        return json;
    json.insert("channels", static_cast<qint64>(found.channels));
    json.insert("sampleRate", static_cast<qint64>(found.sampleRate));
    // The size on disk: an insertion in memory has grown the image, not the file.
    json.insert("fileSize", loaded.image->fileSize() - static_cast<qint64>(found.insertedBytes));
    json.insert("storedChecksum", static_cast<qint64>(found.storedChecksum));
    json.insert("computedChecksum", found.computedChecksum
                                        ? QJsonValue(static_cast<qint64>(*found.computedChecksum))
                                        : QJsonValue());
    const bool hasBlock = found.shownAttrs && found.outcome != LoadOutcome::Inserted;
    json.insert("block", hasBlock ? QJsonValue(blockJson(found.fileAttrs)) : QJsonValue());
    const auto older = olderBlock(found);
    json.insert("olderBlock", older ? QJsonValue(blockJson(*older)) : QJsonValue());
    return json;
}

} // namespace kelvane::cli
