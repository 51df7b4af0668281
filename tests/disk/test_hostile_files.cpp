#include "message_text.h"
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
    void catalogue_data() { fixtures::addHostileCatalogueRows(); }
    void catalogue()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(bool, writable);
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath(name);
        QVERIFY(QFile::copy(fixtures::hostilePath(name), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        const QByteArray before = fixtures::readFile(path);

        LoadResult loaded = loadSoundFile(path, name);
        QCOMPARE(qtext(loaded.whyRefused()), message);
        QVERIFY2(loaded.image, "every file of the catalogue can be read");
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
        QVERIFY(sameAttributes(again.inspection.fileAttrs, defaultAttrs));
    }
};

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "test_hostile_files.moc"
