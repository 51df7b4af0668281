// Archives on disk, opened where they lie: real sounds (the samples) read back byte for byte
// from their places, their blocks read from those bytes; a cut archive refused.
#include "archive_file.h"
#include "archive_writer.h"
#include "file_image.h"
#include "load_report.h"
#include "sound_fixtures.h"

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
