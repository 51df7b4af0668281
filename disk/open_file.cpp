#include "open_file.h"

#include "file_system.h"

namespace kelvane {

OpenFile::OpenFile(const QString &path, bool forWriting)
{
    fd_ = fs::openFile(path, forWriting ? fs::Access::ReadWrite : fs::Access::Read, openError_);
    if (fd_ < 0)
        return;
    if (const auto facts = fs::factsOfOpenFile(fd_); facts && facts->kind == fs::EntryKind::File)
        identity_ = facts->identity;
}

OpenFile::~OpenFile()
{
    int unused = 0;
    if (fd_ >= 0)
        (void)fs::closeFile(fd_, unused);
}

} // namespace kelvane
