#pragma once

#include "commands.h"

#include <optional>

#include <QStringList>
#include <QTextStream>

namespace kelvane::cli {

// One command: its name, what `--help` says of it, and the runner that carries it out.
struct Command
{
    const char *name;
    const char *summary;
    int (Runner::*run)(const Options &);
};

struct Invocation
{
    const Command *command = nullptr;
    Options options;
};

// Reads the arguments. Returns the command to run, or nothing after printing help, the version
// or a usage error to `err`; `exitStatus` then says how the program ends (0, or 2 for bad
// usage).
[[nodiscard]] std::optional<Invocation> readCommandLine(const QStringList &arguments,
                                                        QTextStream &err, int &exitStatus);

} // namespace kelvane::cli
