#include "sound_text.h"

#include "game_sound_types.h"
#include "legacy_block.h"
#include "messages.h"
#include "number_text.h"
#include "qt_text.h"

#include <QJsonArray>

namespace kelvane::cli {

namespace {

QJsonObject blockJson(const TSoundAttributes &a)
{
    return {{"version", static_cast<qint64>(a.version)},
            {"gameType", static_cast<qint64>(a.gameType)},
            {"gameTypeName", typeText(a.gameType).section(' ', 0, 0)},
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
    const std::size_t index = gameTypeIndex(code);
    const QString name = GameSoundTypes[index].code == code
                             ? QString::fromLatin1(GameSoundTypes[index].name.data(),
                                                   qsizetype(GameSoundTypes[index].name.size()))
                             : QStringLiteral("unlisted");
    const QString hex = QStringLiteral("%1").arg(code, 8, 16, QLatin1Char('0')).toUpper();
    return name + QStringLiteral(" (0x") + hex + QLatin1Char(')');
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
    QStringList lines;
    for (const std::string &line : found.infoLines) {
        const QString text = toQString(line);
        // Lines about the block inserted in memory describe no file on disk.
        if ((found.outcome == LoadOutcome::Inserted || found.outcome == LoadOutcome::Upgraded) &&
            (text.startsWith(QStringLiteral("New file size:")) ||
             text == toQString(msg::kInsertedLacingByte)))
            continue;
        lines << text;
    }
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
    const auto inserted =
        static_cast<qint64>(loaded.image->bytes().size() - loaded.image->bytesRead());
    json.insert("fileSize", loaded.image->fileSize() - inserted);
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
