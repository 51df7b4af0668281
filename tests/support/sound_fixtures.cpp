#include "sound_fixtures.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

namespace fixtures {

namespace {

// Runs a tool and returns what it printed; `ok` tells whether it ran and exited with 0.
QByteArray run(const QString &program, const QStringList &args, bool *ok = nullptr)
{
    QProcess process;
    process.start(program, args);
    const bool finished = process.waitForFinished(120'000);
    const bool success =
        finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (ok)
        *ok = success;
    if (!success && ok)
        qWarning().noquote() << program << args.join(' ')
                             << "failed:" << process.readAllStandardError();
    return process.readAllStandardOutput() + process.readAllStandardError();
}

} // namespace

QString samplePath(const QString &name)
{
    return QStringLiteral(KELVANE_SAMPLES_DIR "/") + name;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

QString copySample(const QString &name, const QString &folder)
{
    const QString target = QDir(folder).filePath(name);
    QFile::remove(target);
    if (!QFile::copy(samplePath(name), target))
        return {};
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                      QFile::ReadOther);
    return target;
}

QString encodeTone(const QString &folder, const QString &name, int channels, double seconds,
                   const QStringList &comments, int quality, int rate, bool noise)
{
    const QString wav = QDir(folder).filePath(name + QStringLiteral(".wav"));
    const QString ogg = QDir(folder).filePath(name);
    bool ok = false;
    // A second channel hears a steady tone, or noise, which no encoder makes small.
    QStringList second{"sine", "500"};
    if (noise)
        second = {"whitenoise"};
    run(QStringLiteral("sox"),
        QStringList{"-R", "-D", "-n", "-r", QString::number(rate), "-c", QString::number(channels),
                    "-b", "16", wav, "synth", QString::number(seconds), "sine", "300-900"} +
            second + QStringList{"fade", "0", QString::number(seconds), "0.05"},
        &ok);
    if (!ok)
        return {};
    QStringList args{"-Q", "-q", QString::number(quality), "-s", "77"};
    for (const QString &comment : comments)
        args << "-c" << comment;
    run(QStringLiteral("oggenc"), args << "-o" << ogg << wav, &ok);
    QFile::remove(wav);
    return ok ? ogg : QString();
}

QByteArray decodedSamples(const QString &path)
{
    bool ok = false;
    QProcess process;
    process.start(QStringLiteral("oggdec"), {"-Q", "-R", "-o", "-", path});
    ok = process.waitForFinished(120'000) && process.exitStatus() == QProcess::NormalExit &&
         process.exitCode() == 0;
    return ok ? process.readAllStandardOutput() : QByteArray();
}

QStringList ogginfoComplaints(const QString &path)
{
    // ogginfo exits with 1 for any warning, the expected one too, so only its words count.
    const QString output = QString::fromUtf8(run(QStringLiteral("ogginfo"), {path}));
    QStringList complaints;
    if (!output.contains(QStringLiteral("Processing file")))
        complaints << QStringLiteral("ogginfo did not run: ") + output;
    for (const QString &line : output.split('\n')) {
        const bool complaint = line.contains(QStringLiteral("WARNING")) ||
                               line.contains(QStringLiteral("ERROR")) ||
                               line.contains(QStringLiteral("rror"));
        if (complaint && !line.contains(QStringLiteral("does not contain '='")))
            complaints << line;
    }
    return complaints;
}

QMap<QString, QByteArray> folderState(const QString &folder)
{
    QMap<QString, QByteArray> state;
    const QDir dir(folder);
    for (const QFileInfo &entry :
         dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        QByteArray what;
        if (entry.isSymLink())
            what = "<link to " + QFile::encodeName(entry.symLinkTarget()) + ">";
        else if (entry.isDir())
            what = "<folder>";
        else if (!entry.isFile())
            what = "<special>"; // a pipe would block a read
        else
            what = QCryptographicHash::hash(readFile(entry.filePath()), QCryptographicHash::Sha256);
        state.insert(entry.fileName(), what);
    }
    return state;
}

void addHostileCatalogueRows()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("writable");
    const QString manifest = readFile(hostilePath("MANIFEST.tsv"));
    int rows = 0;
    for (const QString &line : manifest.split('\n', Qt::SkipEmptyParts)) {
        if (line.startsWith('#'))
            continue;
        const QStringList cells = line.split('\t');
        QTest::newRow(qPrintable(cells.at(0)))
            << cells.at(0) << cells.at(1) << (cells.at(2) == "writable");
        ++rows;
    }
    QVERIFY2(rows >= 25, "the hostile catalogue is missing; run tests/data/make_hostile.py");
}

QString hostilePath(const QString &name)
{
    return QStringLiteral(KELVANE_HOSTILE_DIR "/") + name;
}

QString textCommentOfLength(int length)
{
    return QStringLiteral("COMMENT=") + QString(length - 8, QLatin1Char('k'));
}

} // namespace fixtures

namespace fixtures {

std::span<const std::uint8_t> spanOf(const QByteArray &bytes)
{
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

std::unique_ptr<kelvane::FileImage> imageOf(const QByteArray &bytes)
{
    const auto size = static_cast<std::size_t>(bytes.size());
    auto image = std::make_unique<kelvane::FileImage>(size, bytes.size());
    std::copy(bytes.begin(), bytes.end(), image->readArea().begin());
    image->setBytesRead(size);
    return image;
}

QByteArray bytesOf(const kelvane::FileImage &image)
{
    const auto bytes = image.bytes();
    return {reinterpret_cast<const char *>(bytes.data()), static_cast<qsizetype>(bytes.size())};
}

} // namespace fixtures
