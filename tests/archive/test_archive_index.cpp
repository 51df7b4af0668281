// Archives of the games built by the tests' own writer, read by the product: the LZHuf code,
// the first game's encrypted lists under both keys, headers, names in Windows-1251, shared
// offsets and precedence, and the archives that must be refused or whose entries are skipped.
#include "archive_index.h"
#include "archive_invariants.h"
#include "archive_writer.h"
#include "lzhuf_writer.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace kelvane;

namespace {

using Bytes = std::vector<std::uint8_t>;

// A list of the size the later games' archives have: a line per sound, as a list repeats itself.
Bytes longList(std::size_t lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines; ++i)
        text += "sounds\\weapons\\set" + std::to_string(i % 97) + "\\shot_" + std::to_string(i) +
                ".ogg\n";
    return {text.begin(), text.end()};
}

Bytes noise(std::size_t size, std::uint32_t seed)
{
    Bytes bytes(size);
    for (std::uint8_t &byte : bytes) {
        seed = seed * 1664525u + 1013904223u;
        byte = std::uint8_t(seed >> 24);
    }
    return bytes;
}

Bytes unpacked(const Bytes &packed)
{
    auto result = unpackLzHuf(packed, 64 << 20);
    return std::holds_alternative<Bytes>(result) ? std::get<Bytes>(result) : Bytes{0xEE};
}

std::variant<ArchiveIndex, ArchiveProblem> indexOf(const Bytes &archive, bool firstGame)
{
    return readArchiveIndex(std::span<const std::uint8_t>(archive), firstGame);
}

// The bytes an entry names in the archive.
Bytes dataOf(const Bytes &archive, const ArchiveEntry &entry)
{
    return {archive.begin() + std::ptrdiff_t(entry.offset),
            archive.begin() + std::ptrdiff_t(entry.offset + entry.size)};
}

} // namespace

class TestArchiveIndex : public QObject
{
    Q_OBJECT

private slots:
    // Text, noise, nothing, and a list of 1.2 MB (far past where the tree is rebuilt) unpack
    // to what was packed; a stream cut short, one with bytes left over and a prefix that says
    // too much are refused.
    void lzHufRoundTrips()
    {
        for (const Bytes &input :
             {Bytes{}, Bytes{'a'}, longList(40), noise(70'000, 7), longList(30'000)})
            QCOMPARE(unpacked(packLzHuf(input)), input);
        const Bytes packed = packLzHuf(longList(200));
        Bytes cut(packed.begin(), packed.end() - 40);
        QCOMPARE(std::get<UnpackProblem>(unpackLzHuf(cut, 1 << 20)), UnpackProblem::EndsEarly);
        Bytes longer = packed;
        longer.insert(longer.end(), {1, 2, 3});
        QCOMPARE(std::get<UnpackProblem>(unpackLzHuf(longer, 1 << 20)), UnpackProblem::LeftOver);
        QCOMPARE(std::get<UnpackProblem>(unpackLzHuf(packed, 100)), UnpackProblem::TooLarge);
    }

    // A list packed once and kept (tests/data/archive): the tree is rebuilt at the games' own
    // frequency, 0x4000, many times over its 1.2 MB; another frequency reads it wrong.
    void aKeptLongListStillUnpacks()
    {
        QFile kept(QStringLiteral(KELVANE_ARCHIVE_DATA "/long_list.lzh"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        const QByteArray bytes = kept.readAll();
        QCOMPARE(unpacked({bytes.begin(), bytes.end()}), longList(30'000));
    }

    // The later games' archives (a header, the list packed, not encrypted) and the first
    // game's under both keys: names in UTF-8 with '/', folders left out, one offset shared,
    // a later entry of one path winning, the header's words.
    void archivesOfEveryGame()
    {
        ArchiveLayout layout;
        layout.files = {{"sounds", {}, true},
                        {"sounds\\weapons\\ak74_shot.ogg", noise(500, 1)},
                        {"sounds\\\xEF\xF1\xE8.ogg", noise(300, 2)}, // "пси" in Windows-1251
                        {"sounds\\copy.ogg", {}, false, 1},
                        {"sounds\\weapons\\ak74_shot.ogg", noise(200, 3)}};
        for (const auto &[header, key] :
             std::vector<std::pair<std::optional<std::string>, std::optional<ListKey>>>{
                 {"[header]\nauto_load = false\nentry_point = $fs_root$\\gamedata\\\n",
                  std::nullopt},
                 {std::nullopt, kWorldwideKey},
                 {std::nullopt, kRussianKey}}) {
            layout.header = header;
            layout.key = key;
            const Bytes archive = buildArchive(layout);
            const auto read = indexOf(archive, true);
            QVERIFY(std::holds_alternative<ArchiveIndex>(read));
            const ArchiveIndex &index = std::get<ArchiveIndex>(read);
            QCOMPARE(index.hasHeader, header.has_value());
            QCOMPARE(index.key.has_value(), key.has_value());
            if (key)
                QCOMPARE(index.key->tableSeed, key->tableSeed);
            QCOMPARE(index.autoLoad, !header);
            QCOMPARE(index.files.size(), std::size_t(3));
            QCOMPARE(index.files[0].path, std::string("sounds/weapons/ak74_shot.ogg"));
            QCOMPARE(dataOf(archive, index.files[0]), noise(200, 3)); // the later one
            QCOMPARE(index.files[1].path, std::string("sounds/\u043f\u0441\u0438.ogg"));
            QCOMPARE(dataOf(archive, index.files[1]), noise(300, 2));
            QCOMPARE(dataOf(archive, index.files[2]), noise(500, 1)); // stored once
        }
        layout.header = "[header]\nentry_point = gamedata\n";
        layout.key.reset();
        const auto read = indexOf(buildArchive(layout), false);
        QCOMPARE(std::get<ArchiveIndex>(read).entryPoint, std::string("gamedata"));
        QVERIFY(std::get<ArchiveIndex>(read).autoLoad);
    }

    // The fuzzer's seeds keep the reader's promises (its findings are kept beside them).
    void fuzzSeedsKeepThePromises()
    {
        const QDir seeds(QStringLiteral(KELVANE_ARCHIVE_DATA "/seeds"));
        const QStringList names = seeds.entryList({"*"}, QDir::Files);
        QVERIFY(names.size() >= 4);
        for (const QString &name : names) {
            if (name.endsWith(".md"))
                continue;
            QFile file(seeds.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            const Bytes archive(bytes.begin() + 1, bytes.end());
            QCOMPARE(QString::fromStdString(checkArchiveInvariants(archive, bytes.at(0) & 1)),
                     QString());
            QVERIFY2(std::holds_alternative<ArchiveIndex>(indexOf(archive, bytes.at(0) & 1)),
                     qPrintable(name));
        }
    }

    // Archives refused whole, and entries skipped with the reason: a cut archive, a chunk past
    // the end, a list neither key opens; an entry past the end, a name that leaves the folder,
    // a byte that is no Windows-1251 character.
    void badArchivesAndEntries()
    {
        ArchiveLayout layout;
        layout.files = {{"a.ogg", noise(100, 1)}};
        const Bytes good = buildArchive(layout);
        const auto problem = [](const Bytes &archive, bool firstGame = false) {
            const auto read = indexOf(archive, firstGame);
            return std::holds_alternative<ArchiveProblem>(read) ? std::get<ArchiveProblem>(read)
                                                                : ArchiveProblem(-1);
        };
        QCOMPARE(problem({good.begin(), good.end() - 3}), ArchiveProblem::ChunkPastEnd);
        QCOMPARE(problem({good.begin(), good.begin() + 4}), ArchiveProblem::Truncated);
        QCOMPARE(problem(good, true), ArchiveProblem::NoKey); // the first game's, not encrypted
        layout.key = ListKey{512, 1, 2};
        QCOMPARE(problem(buildArchive(layout), true), ArchiveProblem::NoKey);

        layout.key.reset();
        layout.files = {{"..\\outside.ogg", noise(10, 1)},
                        {"\\root.ogg", noise(10, 2)},
                        {"bad\x98name.ogg", noise(10, 3)},
                        {"fine.ogg", noise(10, 4)}};
        Bytes archive = buildArchive(layout);
        const auto read = indexOf(archive, false);
        const ArchiveIndex &index = std::get<ArchiveIndex>(read);
        QCOMPARE(index.files.size(), std::size_t(1));
        QCOMPARE(index.skipped.size(), std::size_t(3));
        QCOMPARE(index.skipped[0].why, SkippedEntry::LeavesFolder);
        QCOMPARE(index.skipped[1].why, SkippedEntry::LeavesFolder);
        QCOMPARE(index.skipped[2].why, SkippedEntry::NameNotText);

        layout.packList = false;
        layout.files = {{"big.ogg", noise(10, 5)}};
        archive = buildArchive(layout);
        // The list's last bytes: the stored size, the crc, the name, the offset; the size's
        // highest byte raised, the entry runs past the archive's end.
        archive[archive.size() - 4 - 7 - 4 - 1] = 0x7F;
        QCOMPARE(std::get<ArchiveIndex>(indexOf(archive, false)).skipped.at(0).why,
                 SkippedEntry::PastTheEnd);
    }
};

QTEST_GUILESS_MAIN(TestArchiveIndex)
#include "test_archive_index.moc"
