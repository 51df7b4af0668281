// Costs of the core on files of 1 and 10 MiB: inspection, insertion and save preparation touch
// only the first two pages, so they must not grow with the file; the disk round trip is
// compared with a plain copy by scripts/bench.sh.
#include "file_image.h"
#include "load_report.h"
#include "save_image.h"
#include "sound_reader.h"
#include "sound_writer.h"

#include <algorithm>
#include <cstring>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QByteArray sample(const char *name)
{
    QFile file(QStringLiteral(KELVANE_SAMPLES_DIR "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// A real sound padded with silence-like zeros to `size` bytes, loaded into an image.
std::unique_ptr<kelvane::FileImage> imageOf(const char *name, std::int64_t size)
{
    const QByteArray head = sample(name);
    auto image = std::make_unique<kelvane::FileImage>(std::size_t(size), size);
    auto area = image->readArea();
    std::fill(area.begin(), area.end(), std::uint8_t{0});
    std::copy(head.begin(), head.end(), area.begin());
    image->setBytesRead(std::size_t(size));
    return image;
}

// Puts the first bytes of the file back where the reader put them, undoing an inspection.
void restoreHead(kelvane::FileImage &image, const QByteArray &head)
{
    image.setBytesRead(image.bytesRead());
    std::memcpy(image.readArea().data(), head.constData(), std::size_t(head.size()));
}

void BM_Inspect(benchmark::State &state)
{
    auto image = imageOf("mono_block.ogg", state.range(0));
    const QByteArray head = sample("mono_block.ogg").left(512);
    for (auto _ : state) {
        restoreHead(*image, head);
        benchmark::DoNotOptimize(kelvane::inspectImage(*image));
    }
}

void BM_InspectAndInsert(benchmark::State &state)
{
    auto image = imageOf("lacing_240.ogg", state.range(0));
    const QByteArray head = sample("lacing_240.ogg").left(512);
    for (auto _ : state) {
        restoreHead(*image, head);
        const kelvane::Inspection found = kelvane::inspectImage(*image);
        if (found.outcome != kelvane::LoadOutcome::Inserted)
            state.SkipWithError("no insertion");
        benchmark::DoNotOptimize(found);
    }
}

void BM_PrepareForSave(benchmark::State &state)
{
    auto image = imageOf("mono_block.ogg", state.range(0));
    (void)kelvane::inspectImage(*image);
    kelvane::SoundAttributes attrs = kelvane::defaultAttrs;
    for (auto _ : state) {
        attrs.maxDist += 1.0f;
        if (!kelvane::prepareImageForSave(*image, attrs))
            state.SkipWithError("not writable");
        benchmark::ClobberMemory();
    }
}

// Reading a 10 MiB sound from disk and saving it back, as Apply does, without a backup.
void BM_LoadAndSave(benchmark::State &state)
{
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/bench-XXXXXX"));
    const QString path = QDir(dir.path()).filePath(QStringLiteral("ten.ogg"));
    {
        auto image = imageOf("mono_block.ogg", state.range(0));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            state.SkipWithError("cannot write the test file");
        const auto bytes = image->bytes();
        file.write(reinterpret_cast<const char *>(bytes.data()), qint64(bytes.size()));
    }
    kelvane::SoundAttributes attrs = kelvane::defaultAttrs;
    for (auto _ : state) {
        kelvane::LoadResult loaded = kelvane::loadSoundFile(path, path);
        attrs.maxDist += 1.0f;
        const kelvane::SaveResult saved = kelvane::saveSoundFile(
            *loaded.image, attrs, {path, path, kelvane::Backup::None, loaded.identity});
        if (!saved.ok)
            state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

constexpr std::int64_t kMiB = 1 << 20;

} // namespace

BENCHMARK(BM_Inspect)->Arg(kMiB)->Arg(10 * kMiB);
BENCHMARK(BM_InspectAndInsert)->Arg(kMiB)->Arg(10 * kMiB);
BENCHMARK(BM_PrepareForSave)->Arg(kMiB)->Arg(10 * kMiB);
BENCHMARK(BM_LoadAndSave)->Arg(10 * kMiB)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
