#include "sound_fixtures.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <QThread>

#ifdef Q_OS_WIN
#include <string>

#include <windows.h>
#endif

namespace fixtures {

namespace {

// Where the Linux tools the tests use (sox, oggenc, oggdec, ogginfo) find a file. A Windows test
// runs under Wine, and a Linux program it starts does not see the folders the test made
// (QTemporaryDir's, with their owner-only permissions): the tool works on a copy in /tmp, which
// both sides name alike, "/tmp/x" on Linux being "Z:/tmp/x" on Windows.
#ifdef Q_OS_WIN
class ToolFile
{
public:
    // `path` is the test's file; `input` copies it for the tool to read.
    ToolFile(QString path, bool input)
        : path_(std::move(path))
    {
        static int count = 0;
        shared_ = QStringLiteral("/tmp/kelvane-tool-%1-%2.%3")
                      .arg(QCoreApplication::applicationPid())
                      .arg(++count)
                      .arg(QFileInfo(path_).suffix());
        QFile::remove(windows());
        if (input)
            QFile::copy(path_, windows());
    }
    ~ToolFile() { QFile::remove(windows()); }
    ToolFile(const ToolFile &) = delete;
    ToolFile &operator=(const ToolFile &) = delete;

    [[nodiscard]] const QString &forTool() const { return shared_; }
    // Brings back what the tool wrote.
    bool takeBack() const { return QFile::remove(path_), QFile::copy(windows(), path_); }

private:
    [[nodiscard]] QString windows() const { return QStringLiteral("Z:") + shared_; }
    QString path_;
    QString shared_;
};
#else
class ToolFile
{
public:
    ToolFile(QString path, bool)
        : path_(std::move(path))
    {}
    [[nodiscard]] const QString &forTool() const { return path_; }
    bool takeBack() const { return true; }

private:
    QString path_;
};
#endif

struct ToolRun
{
    bool ok = false; // ran and exited with 0
    QByteArray out;
    QByteArray err;
};

#ifdef Q_OS_WIN
// Wine starts a Linux program, but neither QProcess nor a wait on its handle sees it end, and
// Wine gives no exit status of it: a Linux shell runs the tool and leaves its output and then its
// status in files, and the status file's line says it has ended.
ToolRun runTool(const QString &name, const QStringList &args)
{
    const QString stem =
        QStringLiteral("/tmp/kelvane-tool-%1").arg(QCoreApplication::applicationPid());
    const QStringList files{stem + ".out", stem + ".err", stem + ".status"};
    const QStringList words =
        QStringList{"-c", R"(o=$1; e=$2; s=$3; shift 3; "$@" >"$o" 2>"$e"; echo $? >"$s")", "sh"} +
        files + QStringList{QStringLiteral("/usr/bin/") + name} + args;
    // Each word quoted as the Windows command line reads it back.
    QString command = QStringLiteral(R"("Z:\bin\sh")");
    for (QString word : words)
        command += QStringLiteral(R"( "%1")").arg(word.replace('"', QStringLiteral(R"(\")")));
    std::wstring line = command.toStdWString();
    STARTUPINFOW start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION process{};
    for (const QString &file : files)
        QFile::remove("Z:" + file);
    QByteArray status;
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start,
                       &process)) {
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        QDeadlineTimer deadline(120'000);
        while (!(status = readFile("Z:" + files[2])).endsWith('\n') && !deadline.hasExpired())
            QThread::msleep(10);
    }
    ToolRun done{status.trimmed() == "0", readFile("Z:" + files[0]), readFile("Z:" + files[1])};
    for (const QString &file : files)
        QFile::remove("Z:" + file);
    return done;
}
#else
ToolRun runTool(const QString &name, const QStringList &args)
{
    QProcess process;
    process.start(name, args);
    const bool finished = process.waitForFinished(120'000);
    return {finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
            process.readAllStandardOutput(), process.readAllStandardError()};
}
#endif

// Runs a tool and returns what it printed; `ok` tells whether it ran and exited with 0.
QByteArray run(const QString &name, const QStringList &args, bool *ok = nullptr)
{
    const ToolRun done = runTool(name, args);
    if (ok)
        *ok = done.ok;
    if (!done.ok && ok)
        qWarning().noquote() << name << args.join(' ') << "failed:" << done.err;
    return done.out + done.err;
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
    const ToolFile wavFile(wav, false);
    const ToolFile oggFile(ogg, false);
    bool ok = false;
    // A second channel hears a steady tone, or noise, which no encoder makes small.
    QStringList second{"sine", "500"};
    if (noise)
        second = {"whitenoise"};
    run(QStringLiteral("sox"),
        QStringList{"-R", "-D", "-n", "-r", QString::number(rate), "-c", QString::number(channels),
                    "-b", "16", wavFile.forTool(), "synth", QString::number(seconds), "sine",
                    "300-900"} +
            second + QStringList{"fade", "0", QString::number(seconds), "0.05"},
        &ok);
    if (!ok)
        return {};
    QStringList args{"-Q", "-q", QString::number(quality), "-s", "77"};
    for (const QString &comment : comments)
        args << "-c" << comment;
    run(QStringLiteral("oggenc"), args << "-o" << oggFile.forTool() << wavFile.forTool(), &ok);
    return ok && oggFile.takeBack() ? ogg : QString();
}

QString soxSource(const QString &folder, const QString &name, const QStringList &soxArgs,
                  const QStringList &effects)
{
    const QString path = QDir(folder).filePath(name);
    const ToolFile file(path, false);
    bool ok = false;
    run(QStringLiteral("sox"),
        QStringList{"-R", "-n"} + soxArgs + QStringList{file.forTool()} + effects, &ok);
    return ok && file.takeBack() ? path : QString();
}

QByteArray decodedSamples(const QString &path)
{
    const ToolFile sound(path, true);
    const ToolRun done =
        runTool(QStringLiteral("oggdec"), {"-Q", "-R", "-o", "-", sound.forTool()});
    return done.ok ? done.out : QByteArray();
}

QStringList ogginfoComplaints(const QString &path)
{
    // ogginfo exits with 1 for any warning, the expected one too, so only its words count.
    const ToolFile sound(path, true);
    const QString output = QString::fromUtf8(run(QStringLiteral("ogginfo"), {sound.forTool()}));
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
