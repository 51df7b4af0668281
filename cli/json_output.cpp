// The commands' results as JSON lines for scripts: one object per file, every record with
// every key, and each message beside its stable key.
#include "english_text.h"
#include "game_sound_types.h"
#include "output.h"
#include "qt_text.h"
#include "sound_report.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>

namespace kelvane::cli {

namespace {

using Result = FileReport::Result;

QString line(const QJsonObject &record)
{
    return QString::fromUtf8(QJsonDocument(record).toJson(QJsonDocument::Compact)) +
           QLatin1Char('\n');
}

QJsonArray keysOf(const std::vector<Message> &messages)
{
    QJsonArray keys;
    for (const Message &message : messages)
        keys.append(keyOf(message));
    return keys;
}

class JsonOutput final : public Output
{
public:
    void shown(FileReport &run, const LoadResult &loaded, int) override
    {
        QJsonObject json = soundJson(run.shown, loaded);
        if (range_) {
            const auto block = blockTheGameReads(loaded);
            json.insert("range", block ? QJsonValue(rangeJson(*block)) : QJsonValue());
        }
        run.out += line(json);
        run.result = loaded.refused() ? Result::Failed : Result::Read;
    }

    void checked(FileReport &run, const CheckResult &result) override
    {
        const QStringList warnings = english(result.stopping) + english(result.notices);
        QJsonArray warningKeys = keysOf(result.stopping);
        for (const QJsonValue &key : keysOf(result.notices))
            warningKeys.append(key);
        run.out += line({{"file", run.shown},
                         {"status", result.failed        ? "failed"
                                    : warnings.isEmpty() ? "ok"
                                                         : "warnings"},
                         {"stopsGame", !result.stopping.empty() || !result.problems.isEmpty()},
                         {"problems", QJsonArray::fromStringList(result.problems)},
                         {"warnings", QJsonArray::fromStringList(warnings)},
                         {"warningKeys", warningKeys}});
        run.result = result.failed ? Result::Failed : Result::Read;
    }

    void restored(FileReport &run, const RestoreResult &done, bool dryRun) override
    {
        QJsonObject record{{"file", run.shown},
                           {"restored", done.outcome == RestoreResult::Restored && !dryRun},
                           {"backup", done.outcome == RestoreResult::NoBackup
                                          ? QJsonValue()
                                          : QJsonValue(done.backup)},
                           {"newer", done.newer.isEmpty() ? QJsonValue() : QJsonValue(done.newer)}};
        if (dryRun)
            record.insert("wouldRestore", done.outcome == RestoreResult::Restored);
        // Every record has every key: null where nothing failed.
        const bool failed = done.outcome == RestoreResult::Failed;
        record.insert("error", failed ? QJsonValue(english(withReason(done.failure, done.reason)))
                                      : QJsonValue());
        record.insert("errorKey", failed ? QJsonValue(keyOf(done.failure)) : QJsonValue());
        run.out += line(record);
        if (failed)
            run.fail(done.failure, done.reason);
        else
            run.result =
                done.outcome == RestoreResult::NoBackup ? Result::Skipped : Result::Changed;
    }

    void cleaned(FileReport &run, const CleanResult &done, bool dryRun) override
    {
        QJsonArray removed;
        QJsonArray kept;
        for (const CleanedFile &file : done.files) {
            if (file.removed)
                removed.append(QDir::toNativeSeparators(file.path));
            else
                kept.append(QJsonObject{{"file", QDir::toNativeSeparators(file.path)},
                                        {"why", english(file.why)},
                                        {"whyKey", keyOf(file.why)}});
        }
        const bool failed = !done.failure.empty() || !kept.isEmpty();
        run.out += line(
            {{"file", run.shown},
             {dryRun ? "wouldRemove" : "removed", removed},
             {"kept", kept},
             {"error", done.failure.empty() ? QJsonValue() : QJsonValue(english(done.failure))},
             {"skipped", done.skipped.empty() ? QJsonValue() : QJsonValue(english(done.skipped))}});
        run.result = failed              ? Result::Failed
                     : removed.isEmpty() ? Result::Skipped
                                         : Result::Changed;
    }

    void extracted(FileReport &run, const ExtractedSound &sound, bool dryRun) override
    {
        const bool written =
            sound.result == ExtractedSound::Written || sound.result == ExtractedSound::WouldWrite;
        const bool failed = sound.result == ExtractedSound::Failed;
        run.out += line({{"source", run.shown},
                         {"output", QDir::toNativeSeparators(sound.job.target)},
                         {dryRun ? "wouldWrite" : "written", written},
                         {"kept", sound.result == ExtractedSound::Kept},
                         {"bytes", written ? QJsonValue(sound.bytes) : QJsonValue()},
                         {"backupMade", sound.backupMade},
                         {"error", failed ? QJsonValue(english(sound.message)) : QJsonValue()},
                         {"errorKey", failed ? QJsonValue(keyOf(sound.message)) : QJsonValue()}});
        run.result = failed ? Result::Failed : written ? Result::Changed : Result::Skipped;
    }
    void made(FileReport &run, const MadeSound &sound, bool dryRun) override
    {
        const bool made =
            sound.result == MadeSound::Written || sound.result == MadeSound::WouldWrite;
        const auto known = [&](auto value) { return made ? QJsonValue(value) : QJsonValue(); };
        const bool failed = sound.result == MadeSound::Failed;
        run.out += line({{"source", run.shown},
                         {"output", QDir::toNativeSeparators(sound.job.target)},
                         {dryRun ? "wouldWrite" : "written", made},
                         {"kept", sound.result == MadeSound::Kept},
                         {"rateBefore", known(qint64(sound.sourceRate))},
                         {"channelsBefore", known(qint64(sound.sourceChannels))},
                         {"rate", known(qint64(44100))},
                         {"channels", known(qint64(sound.channels))},
                         {"seconds", known(double(sound.frames) / 44100.0)},
                         {"encodeSeconds", known(sound.seconds)},
                         {"bytes", known(sound.bytes)},
                         {"quality", known(double(sound.quality))},
                         {"block", made ? QJsonValue(blockJson(sound.block)) : QJsonValue()},
                         {"backupMade", sound.backupMade},
                         {"error", failed ? QJsonValue(english(sound.message)) : QJsonValue()},
                         {"errorKey", failed ? QJsonValue(keyOf(sound.message)) : QJsonValue()}});
        run.result = failed ? Result::Failed : made ? Result::Changed : Result::Skipped;
    }
    void typesListed(QTextStream &out) override
    {
        for (const GameSoundType &type : GameSoundTypes)
            out << line({{"name", toQString(type.name)}, {"code", qint64(type.code)}});
    }

    void compared(QTextStream &out, QTextStream &, const DiffPair &pair, bool) override
    {
        const auto side = [](const QJsonObject &sound) {
            return sound.isEmpty() ? QJsonValue() : QJsonValue(sound);
        };
        out << line({{"file", QDir::toNativeSeparators(pair.relative)},
                     {"same", pair.differences.isEmpty() && pair.trouble.isEmpty()},
                     {"error", pair.trouble.isEmpty() ? QJsonValue() : pair.trouble},
                     {"differences", QJsonArray::fromStringList(pair.differences)},
                     {"a", side(pair.aJson)},
                     {"b", side(pair.bJson)}});
    }

    void diffEnded(QTextStream &, const DiffSummary &) override {}

    [[nodiscard]] bool summarizes() const override { return false; }
    [[nodiscard]] bool describesSides() const override { return true; }
};

} // namespace

std::unique_ptr<Output> jsonOutput()
{
    return std::make_unique<JsonOutput>();
}

} // namespace kelvane::cli
