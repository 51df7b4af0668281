#pragma once

#include "message.h"
#include "sound_writer.h"

#include <vector>

#include <QString>

namespace kelvane {

// What became of one new sound a batch writes from `Job`'s source.
template<typename Job>
struct NewSoundOutcome
{
    enum Result
    {
        Written,
        WouldWrite, // a dry run
        Kept,       // the target exists and was not to be replaced
        Failed,
    } result = Failed;
    Job job;
    Message message; // why it failed, or why the target was kept
    std::vector<Message> notes;
    bool backupMade = false;
};

// Sets `target` for writing a new sound at `path`: a file already there is kept (false, with
// "kept, already there" in `why`) unless `replace`, and then only while it is still the file
// that was there, its backup made as `backup` says.
[[nodiscard]] bool mayWriteNew(const QString &path, bool replace, Backup backup, SaveTarget &target,
                               Message &why);

} // namespace kelvane
