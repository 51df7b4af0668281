#include "core_invariants.h"
#include "decoder_invariants.h"
#include "sound_fixtures.h"

#include <algorithm>

#include <QDir>
#include <QTest>

// Replays the fuzzer's promises over the samples, the hostile catalogue and every fuzz
// regression, read whole and as the headers of a large file.
class TestCorePromises : public QObject
{
    Q_OBJECT

    static void check(const QByteArray &bytes, bool headersOnly, const QString &what,
                      bool upgrade = false)
    {
        const auto file = fixtures::spanOf(bytes);
        std::string broken = checkCoreInvariants(file, headersOnly, upgrade);
        if (broken.empty() && !headersOnly && !upgrade)
            broken = checkDecoderInvariants(file);
        QVERIFY2(broken.empty(), qPrintable(what + ": " + QString::fromStdString(broken)));
    }

private slots:
    void samplesAndHostileFiles()
    {
        int files = 0;
        for (const QString &folder : {QStringLiteral(KELVANE_SOURCE_DIR "/samples"),
                                      QStringLiteral(KELVANE_SOURCE_DIR "/tests/data/hostile")}) {
            for (const QFileInfo &file : QDir(folder).entryInfoList({"*.ogg"}, QDir::Files)) {
                const QByteArray bytes = fixtures::readFile(file.filePath());
                check(bytes, false, file.fileName());
                check(bytes, true, file.fileName());
                check(bytes, false, file.fileName() + " upgraded", true);
                ++files;
            }
        }
        QVERIFY(files >= 30);
    }

    void fuzzRegressions()
    {
        const QDir folder(QStringLiteral(KELVANE_SOURCE_DIR "/tests/data/fuzz"));
        QFileInfoList findings = folder.entryInfoList(QDir::Files);
        findings.erase(std::remove_if(findings.begin(), findings.end(),
                                      [](const QFileInfo &file) { return file.suffix() == "md"; }),
                       findings.end());
        if (findings.isEmpty())
            QSKIP("the fuzzer has found nothing yet, so there is nothing to replay");
        for (const QFileInfo &file : findings) {
            const QByteArray input = fixtures::readFile(file.filePath());
            if (!input.isEmpty())
                check(input.mid(1), (input.at(0) & 1) != 0, file.fileName(),
                      (input.at(0) & 2) != 0);
        }
    }

    // Every cut of every sample, both ways of reading: what the fuzzer starts from.
    void everyCutOfEverySample()
    {
        for (const QFileInfo &file : QDir(QStringLiteral(KELVANE_SOURCE_DIR "/samples"))
                                         .entryInfoList({"*.ogg"}, QDir::Files)) {
            const QByteArray bytes = fixtures::readFile(file.filePath());
            for (qsizetype cut = 0; cut <= bytes.size(); cut += 7) {
                check(bytes.left(cut), false, file.fileName() + QString(" cut %1").arg(cut));
                check(bytes.left(cut), true, file.fileName() + QString(" cut %1").arg(cut));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestCorePromises)
#include "test_core_promises.moc"
