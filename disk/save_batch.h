#pragma once

#include "batch_flush.h"
#include "sound_writer.h"

#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace kelvane {

struct StagedSave;

// A new file's bytes that lie in another file, and where they go.
struct PartToSave
{
    fs::FilePart part;
    SaveTarget target;
};

// Saves many sounds with one flush of the disk for all of them, instead of one per file: each
// new image is written beside its target, then each file system touched is flushed once, then
// each target is checked against what was loaded and replaced, then each folder touched is
// flushed, so that the renames survive a power cut too. Every promise of a single save holds
// for each file; a failed flush fails every file of that file system, and replaces none.
class SaveBatch
{
public:
    // A batch is flushed and its files replaced at most this many files or bytes at a time, so
    // that memory and the space taken by new files waiting for their rename stay flat.
    static constexpr std::size_t kMostFiles = 512;
    static constexpr qint64 kMostBytes = 256 << 20;

    SaveBatch();
    ~SaveBatch(); // what was not committed is removed
    SaveBatch(const SaveBatch &) = delete;
    SaveBatch &operator=(const SaveBatch &) = delete;

    // Writes the new image for `target` (the image may be dropped afterwards). Returns the
    // failure when that already failed; otherwise the save waits for `commit`.
    [[nodiscard]] std::optional<SaveResult> add(FileImage &image, const SoundAttributes &attrs,
                                                const SaveTarget &target);
    // The same for a new file's bytes.
    [[nodiscard]] std::optional<SaveResult> add(std::span<const std::uint8_t> bytes,
                                                const SaveTarget &target);
    // The same for new files whose bytes lie in other files, copied on `jobs` threads: the
    // kernel copies one file while another is made. Each one's failure or nothing, in order;
    // those not begun once `stopped()` holds fail.
    [[nodiscard]] std::vector<std::optional<SaveResult>>
    add(const std::vector<PartToSave> &parts, int jobs, const std::function<bool()> &stopped);
    // How many saves and bytes wait for `commit`.
    [[nodiscard]] std::size_t size() const;
    [[nodiscard]] qint64 bytes() const;
    // Flushes and replaces; one result for each save waiting, in the order they were added.
    [[nodiscard]] std::vector<SaveResult> commit();

private:
    template<typename Stage>
    std::optional<SaveResult> addStaged(const SaveTarget &target, Stage stage);
    // Watches the file system of the target's folder; which one it is, when known.
    std::optional<std::uint64_t> watchFolderOf(const SaveTarget &target);
    // The staged save waits for `commit` (its new file removed if it cannot).
    std::optional<SaveResult> keepOrFail(StagedSave &&staged, std::optional<std::uint64_t> device);

    std::vector<std::unique_ptr<StagedSave>> staged_;
    std::vector<std::optional<std::uint64_t>> devices_; // the file system of each save
    BatchFlush flush_;
    QString watchedFolder_; // the last new file's folder, and its file system
    std::optional<std::uint64_t> watchedDevice_;
    qint64 bytes_ = 0;
};

} // namespace kelvane
