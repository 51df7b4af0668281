// diff: two sounds, or two folder trees paired by path, compared as the game reads them.
#include "at_once.h"
#include "commands.h"
#include "english_text.h"
#include "qt_text.h"
#include "sound_collection.h"
#include "sound_reader.h"
#include "sound_summary.h"

#include <algorithm>
#include <bit>
#include <map>

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace kelvane::cli {

namespace {

constexpr std::size_t kSlicePairs = 512;

struct Pair
{
    QString relative;
    QString a; // empty: only in B
    QString b; // empty: only in A
    QStringList differences;
    QJsonObject aJson;
    QJsonObject bJson;
    QString trouble = {}; // why the two could not be compared
};

// The sounds under `root` by their path below it.
std::map<QString, QString> byRelativePath(const SoundCollection &found, const QString &root)
{
    const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    std::map<QString, QString> sounds;
    for (const QString &file : found.files)
        sounds.emplace(file.startsWith(prefix) ? file.mid(prefix.size()) : file, file);
    return sounds;
}

QString numberText(float value, float other)
{
    // Seven digits tell most values apart; two that differ further down get all nine.
    const QString text = QString::number(value, 'g', 7);
    return text == QString::number(other, 'g', 7) ? QString::number(value, 'g', 9) : text;
}

// "field: A -> B" for each field of the two that differs.
QStringList differences(const LoadResult &a, const LoadResult &b)
{
    QStringList found;
    const QString stateA = english(stateText(a));
    const QString stateB = english(stateText(b));
    if (stateA != stateB)
        found << QStringLiteral("state: %1 -> %2").arg(stateA, stateB);
    const auto blockA = blockTheGameReads(a);
    const auto blockB = blockTheGameReads(b);
    if (!blockA || !blockB)
        return found; // the state says which has no block
    if (blockA->gameType != blockB->gameType)
        found << QStringLiteral("type: %1 -> %2")
                     .arg(typeText(blockA->gameType), typeText(blockB->gameType));
    const std::pair<const char *, float TSoundAttributes::*> numbers[] = {
        {"volume", &TSoundAttributes::baseValue},
        {"min", &TSoundAttributes::minDist},
        {"max", &TSoundAttributes::maxDist},
        {"ai", &TSoundAttributes::maxAIDist}};
    for (const auto &[name, field] : numbers) {
        const float x = (*blockA).*field;
        const float y = (*blockB).*field;
        // Bit for bit: what the game reads is the stored number, not one close to it.
        if (std::bit_cast<std::uint32_t>(x) != std::bit_cast<std::uint32_t>(y))
            found << QStringLiteral("%1: %2 -> %3")
                         .arg(QLatin1String(name), numberText(x, y), numberText(y, x));
    }
    return found;
}

void compare(Pair &pair, bool json)
{
    const auto load = [](const QString &path) {
        return loadSoundFile(path, path, MissingBlock::InsertDefault, Access::FirstPages);
    };
    if (pair.a.isEmpty() || pair.b.isEmpty()) {
        pair.differences << (pair.a.isEmpty() ? QStringLiteral("only in B")
                                              : QStringLiteral("only in A"));
        if (json) {
            const QString &there = pair.a.isEmpty() ? pair.b : pair.a;
            (pair.a.isEmpty() ? pair.bJson : pair.aJson) = soundJson(there, load(there));
        }
        return;
    }
    const LoadResult a = load(pair.a);
    const LoadResult b = load(pair.b);
    // A file that could not be read is never the same as anything.
    for (const LoadResult *side : {&a, &b})
        if (!side->image && pair.trouble.isEmpty())
            pair.trouble = QStringLiteral("not compared: %1 %2")
                               .arg(side == &a ? "A" : "B", english(side->whyRefused()));
    if (pair.trouble.isEmpty())
        pair.differences = differences(a, b);
    if (json) {
        pair.aJson = soundJson(pair.a, a);
        pair.bJson = soundJson(pair.b, b);
    }
}

QString pairJson(const Pair &pair)
{
    const auto side = [](const QJsonObject &sound) {
        return sound.isEmpty() ? QJsonValue() : QJsonValue(sound);
    };
    const QJsonObject record{{"file", pair.relative},
                             {"same", pair.differences.isEmpty() && pair.trouble.isEmpty()},
                             {"error", pair.trouble.isEmpty() ? QJsonValue() : pair.trouble},
                             {"differences", QJsonArray::fromStringList(pair.differences)},
                             {"a", side(pair.aJson)},
                             {"b", side(pair.bJson)}};
    return QString::fromUtf8(QJsonDocument(record).toJson(QJsonDocument::Compact)) +
           QLatin1Char('\n');
}

bool hasSubFolders(const QString &root)
{
    return QFileInfo(root).isDir() &&
           !QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty();
}

} // namespace

int Runner::diff(const Options &options)
{
    const QString &rootA = options.paths.at(0);
    const QString &rootB = options.paths.at(1);
    const SoundCollection foundA = collectSounds({rootA}, options.recursive);
    const SoundCollection foundB = collectSounds({rootB}, options.recursive);
    reportUnread(foundA);
    reportUnread(foundB);
    if (!foundA.missing.isEmpty() || !foundB.missing.isEmpty())
        return 2;

    std::vector<Pair> pairs;
    if (!QFileInfo(rootA).isDir()) {
        pairs.push_back({QFileInfo(rootA).fileName(), rootA, rootB, {}, {}, {}});
    } else {
        const auto soundsA = byRelativePath(foundA, rootA);
        auto soundsB = byRelativePath(foundB, rootB);
        for (const auto &[relative, file] : soundsA) {
            const auto other = soundsB.find(relative);
            pairs.push_back(
                {relative, file, other == soundsB.end() ? QString() : other->second, {}, {}, {}});
            if (other != soundsB.end())
                soundsB.erase(other);
        }
        for (const auto &[relative, file] : soundsB)
            pairs.push_back({relative, QString(), file, {}, {}, {}});
        // As the other commands list a folder's sounds.
        std::stable_sort(pairs.begin(), pairs.end(), [](const Pair &x, const Pair &y) {
            return x.relative.compare(y.relative, Qt::CaseInsensitive) < 0;
        });
    }

    // Sounds or folders that could not be read make the comparison incomplete: trouble, as
    // diff(1) says it, whatever the pairs show.
    const auto unread = foundA.undecodable.size() + foundA.unreadable.size() +
                        foundB.undecodable.size() + foundB.unreadable.size();
    qsizetype troubles = 0; // pairs not compared
    int differing = 0;
    int onlyA = 0;
    int onlyB = 0;
    for (std::size_t done = 0; done < pairs.size();) {
        const std::size_t end = std::min(pairs.size(), done + kSlicePairs);
        kelvane::runAtOnce(
            end - done, options.jobs,
            [&](std::size_t i) { compare(pairs[done + i], options.json); }, stopAsked);
        if (stopAsked())
            return kInterrupted;
        for (std::size_t i = done; i < end; ++i) {
            const Pair &pair = pairs[i];
            if (!pair.trouble.isEmpty()) {
                ++troubles;
                if (options.json)
                    out_ << pairJson(pair);
                else
                    err_ << pair.relative << ": " << pair.trouble << Qt::endl;
                continue;
            }
            const bool same = pair.differences.isEmpty();
            differing += same ? 0 : 1;
            onlyA += pair.b.isEmpty() ? 1 : 0;
            onlyB += pair.a.isEmpty() ? 1 : 0;
            if (same && !options.all)
                continue;
            if (options.json)
                out_ << pairJson(pair);
            else
                out_ << pair.relative << ": "
                     << (same ? QStringLiteral("same")
                              : pair.differences.join(QStringLiteral("; ")))
                     << '\n';
        }
        done = end;
    }
    if (!options.json) {
        const qsizetype compared = qsizetype(pairs.size()) - troubles;
        out_ << QStringLiteral("%1 %2 compared, %3 differ (%4 only in A, %5 only in B)")
                    .arg(compared)
                    .arg(compared == 1 ? "pair" : "pairs")
                    .arg(differing)
                    .arg(onlyA)
                    .arg(onlyB);
        if (troubles > 0)
            out_ << QStringLiteral(", %1 could not be compared").arg(troubles);
        if (!options.recursive && (hasSubFolders(rootA) || hasSubFolders(rootB)))
            out_ << QStringLiteral("; sub-folders were not compared (-r compares them)");
        out_ << Qt::endl;
    }
    out_.flush();
    return troubles + unread > 0 ? 2 : differing > 0 ? 1 : 0;
}

} // namespace kelvane::cli
