#include "ogg_judge.h"
#include "sound_fixtures.h"
#include "sound_reader.h"
#include "sound_writer.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvane;

// The catalogue in tests/data/hostile: each file gives the message its manifest names, may be
// written only where the manifest says so, and when written comes out a valid Ogg file.
class TestHostileFiles : public QObject
{
    Q_OBJECT

private slots:
    void catalogue_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("writable");
        const QString manifest = fixtures::readFile(KELVANE_HOSTILE_DIR "/MANIFEST.tsv");
        QVERIFY(!manifest.isEmpty());
        int rows = 0;
        for (const QString &line : manifest.split('\n', Qt::SkipEmptyParts)) {
            if (line.startsWith('#'))
                continue;
            const QStringList cells = line.split('\t');
            QTest::newRow(qPrintable(cells.at(0)))
                << cells.at(0) << cells.at(1) << (cells.at(2) == "writable");
            ++rows;
        }
        QVERIFY(rows >= 25);
    }
    void catalogue()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(bool, writable);
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath(name);
        QVERIFY(QFile::copy(KELVANE_HOSTILE_DIR "/" + name, path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        const QByteArray before = fixtures::readFile(path);

        LoadResult loaded = loadSoundFile(path, name);
        const QString shown =
            loaded.image ? QString::fromStdString(loaded.inspection.attrStatus) : loaded.failure;
        QCOMPARE(shown, message);
        const bool mayWrite = loaded.image && loaded.image->writable();
        QCOMPARE(mayWrite, writable);
        QVERIFY(!loaded.inspection.armed || mayWrite);

        const SaveResult saved = saveSoundFile(*loaded.image, defaultAttrs,
                                               {path, name, Backup::IfAbsent, loaded.identity});
        QCOMPARE(saved.ok, writable);
        if (!writable) {
            QCOMPARE(fixtures::readFile(path), before);
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{name});
            return;
        }
        QCOMPARE(fixtures::readFile(path + ".bak"), before);
        const OggVerdict verdict = judgeOgg(fixtures::readFile(path));
        QVERIFY2(verdict.valid, qPrintable(verdict.problem));
        const LoadResult again = loadSoundFile(path, name);
        QCOMPARE(again.inspection.outcome, LoadOutcome::Clean);
        QVERIFY(SameAttributes(again.inspection.fileAttrs, defaultAttrs));
    }
};

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "test_hostile_files.moc"
