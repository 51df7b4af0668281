// Archives on disk, opened where they lie: real sounds (the samples) read back byte for byte
// from their places, their blocks read from those bytes; a cut archive refused.
#include "archive_file.h"
#include "archive_writer.h"
#include "file_image.h"
#include "load_report.h"
#include "sound_fixtures.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvane;

class TestArchiveFile : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

    QString write(const QString &name, const std::vector<std::uint8_t> &bytes)
    {
        const QString path = dir_.filePath(name);
        fixtures::writeFile(path, QByteArray(reinterpret_cast<const char *>(bytes.data()),
                                             qsizetype(bytes.size())));
        return path;
    }
    static std::vector<std::uint8_t> sample(const QString &name)
    {
        const QByteArray bytes = fixtures::readFile(fixtures::samplePath(name));
        return {bytes.begin(), bytes.end()};
    }

private slots:
    // The first game's gamedata.db0 (encrypted list, Russian key) and a later game's .xdb:
    // each sound read from its place is the sample, and its block reads from those bytes.
    void soundsAreReadWhereTheyLie()
    {
        ArchiveLayout layout;
        layout.files = {{"sounds\\weapons\\mono_block.ogg", sample("mono_block.ogg")},
                        {"sounds\\stereo_block.ogg", sample("stereo_block.ogg")}};
        for (const auto &[name, key] :
             {std::pair<QString, std::optional<ListKey>>{"gamedata.db0", kRussianKey},
              {"patch.xdb1", std::nullopt}}) {
            layout.key = key;
            layout.header = key ? std::nullopt : std::optional<std::string>("[header]\n");
            auto opened = ArchiveFile::open(write(name, buildArchive(layout)));
            QVERIFY(std::holds_alternative<std::unique_ptr<ArchiveFile>>(opened));
            const ArchiveFile &archive = *std::get<std::unique_ptr<ArchiveFile>>(opened);
            QCOMPARE(archive.index().files.size(), std::size_t(2));
            int error = 0;
            const auto bytes = archive.read(archive.index().files[0], error);
            QVERIFY(bytes);
            QCOMPARE(*bytes, sample("mono_block.ogg"));
            const auto image = fixtures::imageOf(QByteArray(
                reinterpret_cast<const char *>(bytes->data()), qsizetype(bytes->size())));
            QCOMPARE(inspectImage(*image).outcome, LoadOutcome::Clean);
        }
    }

    // An archive past 4 GiB (its file list lies beyond): found and read with 64-bit places.
    // Sparse, so it takes no room on the disk.
    void anArchiveLargerThan4GiB()
    {
        const std::vector<std::uint8_t> sound = sample("mono_block.ogg");
        const std::uint32_t filesSize = 0xFFFFFFF0u;
        QFile file(dir_.filePath("big.xdb0"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const auto put32 = [](QByteArray &out, std::uint32_t v) {
            for (int i = 0; i < 4; ++i)
                out.append(char((v >> (8 * i)) & 0xFF));
        };
        QByteArray head;
        put32(head, 0);
        put32(head, filesSize);
        head.append(reinterpret_cast<const char *>(sound.data()), qsizetype(sound.size()));
        QVERIFY(file.write(head) == head.size());
        QVERIFY(file.resize(8 + qint64(filesSize)));
        const QByteArray name("sounds\\a.ogg");
        QByteArray list;
        list.append(char(name.size() + 16)).append(char(0));
        put32(list, std::uint32_t(sound.size()));
        put32(list, std::uint32_t(sound.size()));
        put32(list, 0);
        list.append(name);
        put32(list, 8);
        QByteArray chunk;
        put32(chunk, 1);
        put32(chunk, std::uint32_t(list.size()));
        QVERIFY(file.seek(8 + qint64(filesSize)));
        QVERIFY(file.write(chunk + list) == chunk.size() + list.size());
        file.close();
        QVERIFY(QFileInfo(file.fileName()).size() > (qint64(1) << 32));

        auto opened = ArchiveFile::open(file.fileName());
        QVERIFY(std::holds_alternative<std::unique_ptr<ArchiveFile>>(opened));
        const ArchiveFile &archive = *std::get<std::unique_ptr<ArchiveFile>>(opened);
        const ArchiveEntry *entry = archive.find("SOUNDS/A.ogg"); // any letter case
        QVERIFY(entry);
        int error = 0;
        QCOMPARE(archive.read(*entry, error), std::optional(sound));
    }

    // A cut archive and a missing one say why.
    void archivesThatCannotBeOpened()
    {
        ArchiveLayout layout;
        layout.files = {{"a.ogg", sample("mono_block.ogg")}};
        auto bytes = buildArchive(layout);
        bytes.resize(bytes.size() / 2);
        const auto cut = ArchiveFile::open(write("cut.db", bytes));
        QCOMPARE(std::get<ArchiveOpenFailure>(cut).problem, ArchiveProblem::ChunkPastEnd);
        const auto missing = ArchiveFile::open(dir_.filePath("none.db"));
        QVERIFY(std::get<ArchiveOpenFailure>(missing).error != 0);
    }
};

QTEST_GUILESS_MAIN(TestArchiveFile)
#include "test_archive_file.moc"
