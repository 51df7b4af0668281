#include "batch_flush.h"

#include <algorithm>

namespace kelvane {

bool BatchFlush::watch(const QString &folder, std::uint64_t device, int &error)
{
    return fileSystems_.watch(folder, device, error);
}

void BatchFlush::flush()
{
    failed_ = fileSystems_.flush();
}

bool BatchFlush::flushed(std::optional<std::uint64_t> device, const std::function<bool()> &flushOwn,
                         int &error) const
{
    const auto failed = std::find_if(failed_.begin(), failed_.end(),
                                     [&](const auto &f) { return f.first == device; });
    if (failed != failed_.end()) {
        error = failed->second;
        return false;
    }
    return (device && fileSystems_.covers(*device)) || flushOwn();
}

void BatchFlush::renamedIn(const QString &folder)
{
    folders_.insert(folder);
}

void BatchFlush::flushFolders(const std::function<void(const QString &)> &failed)
{
    for (const QString &folder : folders_)
        if (!fs::flushFolder(folder))
            failed(folder);
    folders_.clear();
}

} // namespace kelvane
