#include "cli_run.h"
#include "sound_fixtures.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

const QStringList kSamples{"mono_block.ogg",   "stereo_block.ogg", "no_comments.ogg",
                           "text_comment.ogg", "bad_checksum.ogg", "lacing_240.ogg"};
constexpr int kSounds = 200;
constexpr int kKills = 50;

// Every file under `folder` by its path relative to it.
QMap<QString, QByteArray> contents(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), fixtures::readFile(path));
    }
    return files;
}

void writeAll(const QString &folder, const QMap<QString, QByteArray> &files)
{
    QDir(folder).removeRecursively();
    for (auto it = files.begin(); it != files.end(); ++it) {
        QDir().mkpath(QFileInfo(QDir(folder).filePath(it.key())).absolutePath());
        fixtures::writeFile(QDir(folder).filePath(it.key()), it.value());
    }
}

const QStringList kSet{"set", "-r", "--volume", "0.5", "--ai", "12"};

} // namespace

class TestCliSoak : public QObject
{
    Q_OBJECT

private slots:
    // A batch killed at any moment leaves every sound either as it was or as the batch makes
    // it, whole, and every backup the sound as it was.
    void killedBatchesLeaveEverySoundWhole()
    {
        QTemporaryDir dir;
        QMap<QString, QByteArray> old;
        for (int i = 0; i < kSounds; ++i)
            old.insert(QStringLiteral("folder%1/sound%2.ogg").arg(i % 4).arg(i, 3, 10, QChar('0')),
                       fixtures::readFile(fixtures::samplePath(kSamples.at(i % kSamples.size()))));
        const QString work = dir.filePath("work");
        writeAll(work, old);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(cli(kSet + QStringList{work}).status, 0);
        const qint64 wholeRun = clock.nsecsElapsed() / 1000;
        QMap<QString, QByteArray> edited;
        for (const QString &name : old.keys())
            edited.insert(name, fixtures::readFile(QDir(work).filePath(name)));

        QRandomGenerator random(20261208);
        int cutMidway = 0;
        int temporariesLeft = 0;
        for (int kill = 0; kill < kKills; ++kill) {
            writeAll(work, old);
            QProcess batch;
            batch.start(QStringLiteral(KELVANE_CLI), kSet + QStringList{work});
            QVERIFY(batch.waitForStarted());
            QThread::usleep(random.bounded(static_cast<quint64>(wholeRun)));
            batch.kill();
            QVERIFY(batch.waitForFinished());

            int changed = 0;
            for (const auto &[name, bytes] : contents(work).asKeyValueRange()) {
                const QString sound = name.endsWith(".bak") ? name.chopped(4) : name;
                if (QFileInfo(name).fileName().startsWith('.')) {
                    ++temporariesLeft; // a new file that never replaced its sound
                } else if (name.endsWith(".bak")) {
                    QVERIFY2(bytes == old.value(sound), qPrintable(name));
                } else {
                    QVERIFY2(bytes == old.value(name) || bytes == edited.value(name),
                             qPrintable(name));
                    changed += bytes == edited.value(name) ? 1 : 0;
                }
            }
            QCOMPARE(contents(work).keys().filter(QRegularExpression("\\.ogg$")).size(), kSounds);
            cutMidway += changed > 0 && changed < kSounds ? 1 : 0;
        }
        qInfo("%d kills, %d in the middle of the batch, %d unfinished new files left behind",
              kKills, cutMidway, temporariesLeft);
        // Most kills must land inside the batch, or this proves little.
        QVERIFY(cutMidway >= kKills / 2);
    }
};

QTEST_GUILESS_MAIN(TestCliSoak)
#include "test_cli_soak.moc"
