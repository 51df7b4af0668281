#pragma once

#include "commands.h"

#include <optional>

#include <QStringList>
#include <QTextStream>

namespace kelvane::cli {

// One command: its name, what the help says of it, the options it takes and the runner that
// carries it out.
struct Command
{
    const char *name;
    const char *arguments; // after the options in the usage line
    const char *summary;
    // The long names of the options it takes, blank-separated; "fields": each field's option.
    const char *options;
    const char *example;
    int (Runner::*run)(const Options &);
};

// Each command's row, defined beside its body.
extern const Command kShowCommand, kCheckCommand, kSetCommand, kCopyCommand, kFixCommand,
    kRestoreCommand, kCleanCommand, kDiffCommand, kTypesCommand, kEncodeCommand, kExtractCommand;

struct Invocation
{
    const Command *command = nullptr;
    Options options;
};

// Reads the arguments and finds any bad usage before a file is touched. Returns the command to
// run, or nothing after printing help or the version to `out` or one usage error to `err`;
// `exitStatus` then says how the program ends (0, or 2 for bad usage).
[[nodiscard]] std::optional<Invocation>
readCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err, int &exitStatus);

} // namespace kelvane::cli
