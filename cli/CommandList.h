#pragma once
// The table of commands: one line per command, each implemented in its own file.
#include <vector>

#include "cli/CliCommand.h"

namespace jx::cli {

int RunDay(const Arguments& args, Context& context);

inline std::vector<Command> AllCommands() {
    return {
        {"day", "[年 月 日] [--no-hours]", "某日黄历（无参数为今天）", RunDay},
    };
}

}  // namespace jx::cli
