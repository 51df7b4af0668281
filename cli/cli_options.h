#pragma once

#include "command_line.h"

#include <vector>

#include <QCommandLineOption>
#include <QStringList>

namespace kelvane::cli {

struct CliOption
{
    QCommandLineOption option;
    const char *help;
};

// Every option, in the order the general help lists them.
[[nodiscard]] const std::vector<CliOption> &allOptions();
// The option known by `name`, long or short; only names the parser accepted come here.
[[nodiscard]] const CliOption &optionNamed(const QString &name);
// The long names of the options `c` takes; "fields" in its row stands for every field's option.
[[nodiscard]] QStringList optionsOf(const Command &c);

} // namespace kelvane::cli
