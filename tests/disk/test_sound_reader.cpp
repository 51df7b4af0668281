#include "message_text.h"
#include "sound_fixtures.h"
#include "sound_reader.h"
#include "sound_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include "child_process.h"

#include <sys/stat.h>
#endif

using namespace kelvane;

namespace {

// A real sound padded (sparsely) to `size` bytes: the pages come first, zeros after.
QString paddedSound(const QString &folder, const QString &name, qint64 size)
{
    const QString path = fixtures::copySample(QStringLiteral("mono_block.ogg"), folder);
    const QString target = QDir(folder).filePath(name);
    QFile::rename(path, target);
    QFile file(target);
    if (!file.resize(size))
        return {};
    return target;
}

} // namespace

class TestSoundReader : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    // Exactly 10 MiB is read whole and can be saved; one byte more is read as headers only.
    void tenMebibyteBoundary()
    {
        const QString whole = paddedSound(dir_.path(), "whole.ogg", 10'485'760);
        LoadResult loaded = loadSoundFile(whole, "whole.ogg");
        QVERIFY(loaded.image);
        QVERIFY(!loaded.image->headersOnly());
        QCOMPARE(loaded.image->bytesRead(), std::size_t(10'485'760));
        QCOMPARE(loaded.inspection.outcome, LoadOutcome::Clean);
        QCOMPARE(text(loaded.inspection.statusLine), std::string(" Read 10485760 bytes. "));
        const SaveResult saved = saveSoundFile(*loaded.image, loaded.inspection.fileAttrs,
                                               {whole, "whole.ogg", Backup::None, loaded.identity});
        QVERIFY2(saved.ok, qPrintable(qtext(saved.failure)));
        QCOMPARE(saved.bytesWritten, 10'485'760);

        const QString large = paddedSound(dir_.path(), "large.ogg", 10'485'761);
        loaded = loadSoundFile(large, "large.ogg");
        QVERIFY(loaded.image);
        QVERIFY(loaded.image->headersOnly());
        QCOMPARE(loaded.image->bytesRead(), std::size_t(10'240));
        QCOMPARE(loaded.inspection.outcome, LoadOutcome::ViewOnly);
        QCOMPARE(text(loaded.inspection.attrStatus), textOf(MessageKind::LargeFile));
        QCOMPARE(text(loaded.inspection.statusLine), std::string(" Read 10240 bytes. "));
        QCOMPARE(text(loaded.inspection.infoLines.at(6)),
                 std::string("File size:                        10485761 bytes"));
        QVERIFY(!loaded.inspection.armed);
    }

    // Sizes are 64-bit: a file of 2 GiB and more is shown from its headers and never written.
    // A large file whose long text first comment reaches past the 10,240 bytes read is whole:
    // its comment is just not a block.
    void aLargeFileWithALongFirstComment()
    {
        QTemporaryDir dir;
        const QString file = fixtures::encodeTone(dir.path(), "long.ogg", 1, 0.5,
                                                  {fixtures::textCommentOfLength(20000)});
        QVERIFY(!file.isEmpty());
        QFile grow(file);
        QVERIFY(grow.open(QIODevice::Append));
        QVERIFY(grow.resize(11 * 1024 * 1024));
        grow.close();
        const LoadResult loaded = loadSoundFile(file, "long.ogg");
        QCOMPARE(
            qtext(loaded.whyRefused()),
            QString(" File size > 10485760 bytes; not a GSC sound - it cannot be viewed/edited."));
    }

    void filesOfTwoGibibytesAndMore_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::newRow("2 GiB") << (qint64(1) << 31);
        QTest::newRow("4 GiB + 5") << (qint64(1) << 32) + 5;
    }
    void filesOfTwoGibibytesAndMore()
    {
        QFETCH(qint64, size);
        const QString huge = paddedSound(dir_.path(), "huge.ogg", size);
        QVERIFY(!huge.isEmpty());
        LoadResult loaded = loadSoundFile(huge, "huge.ogg");
        QVERIFY(loaded.image);
        QVERIFY(loaded.image->headersOnly());
        QCOMPARE(text(loaded.inspection.infoLines.at(6)),
                 "File size:                        " + std::to_string(size) + " bytes");
        const SaveResult saved =
            saveSoundFile(*loaded.image, loaded.inspection.fileAttrs,
                          {huge, "huge.ogg", Backup::IfAbsent, loaded.identity});
        QVERIFY(!saved.ok);
        QCOMPARE(qtext(saved.failure), QString(" Problem creating/writing updated file huge.ogg"));
        QCOMPARE(QFileInfo(huge).size(), size);
        QVERIFY(!QFile::exists(huge + ".bak"));
        QFile::remove(huge);
    }

    void filesThatCannotBeRead()
    {
        const QDir dir(dir_.path());
        QCOMPARE(qtext(loadSoundFile(dir.filePath("missing.ogg"), "missing.ogg").failure),
                 QString::fromStdString(textOf(MessageKind::CouldNotOpen)));
        QVERIFY(!QFile::exists(dir.filePath("missing.ogg")));

        QVERIFY(dir.mkdir("folder.ogg"));
        QCOMPARE(qtext(loadSoundFile(dir.filePath("folder.ogg"), "folder.ogg").failure),
                 QString::fromStdString(textOf(MessageKind::CouldNotOpen)));

#ifdef Q_OS_LINUX
        // A pipe has no size and reading it could block the window for ever.
        const QString fifo = dir.filePath("pipe.ogg");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        QCOMPARE(qtext(loadSoundFile(fifo, "pipe.ogg").failure),
                 QString::fromStdString(textOf(MessageKind::CouldNotScan)));
#endif

        QVERIFY(loadSoundFile(fixtures::copySample("mono_block.ogg", dir_.path()), "mono_block.ogg")
                    .failure.empty());
    }

#ifdef Q_OS_LINUX
    // A file the user may not change, or not read at all, is refused before anything is shown
    // for it. Run as an ordinary user, since permissions do not bind root.
    void filesTheUserMayNotChange_data()
    {
        QTest::addColumn<int>("permissions");
        QTest::newRow("read-only") << int(QFile::ReadOwner | QFile::ReadOther);
        QTest::newRow("no permission at all") << 0;
    }
    void filesTheUserMayNotChange()
    {
        QFETCH(int, permissions);
        QTemporaryDir open;
        QFile::setPermissions(open.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ReadOther | QFile::ExeOther);
        const QString path = fixtures::copySample("mono_block.ogg", open.path());
        QFile::setPermissions(path, QFile::Permissions(permissions));
        const int status = runInChild({.asOrdinaryUser = true}, [&] {
            const LoadResult loaded = loadSoundFile(path, "mono_block.ogg");
            return qtext(loaded.failure) ==
                           QString::fromStdString(textOf(MessageKind::CouldNotOpen))
                       ? 0
                       : 1;
        });
        QCOMPARE(status, 0);
    }
#endif
};

QTEST_GUILESS_MAIN(TestSoundReader)
#include "test_sound_reader.moc"
