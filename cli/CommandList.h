#pragma once
// The table of commands: one line per command, each implemented in its own file.
#include <vector>

#include "cli/CliCommand.h"

namespace jx::cli {

int RunDay(const Arguments& args, Context& context);
int RunPair(const Arguments& args, Context& context);
int RunScramble(const Arguments& args, Context& context);
int RunUnscramble(const Arguments& args, Context& context);
int RunOmen(const Arguments& args, Context& context);
int RunLunar(const Arguments& args, Context& context);
int RunMonth(const Arguments& args, Context& context);
int RunNumber(const Arguments& args, Context& context);
int RunPhone(const Arguments& args, Context& context);
int RunNetName(const Arguments& args, Context& context);

inline std::vector<Command> AllCommands() {
    return {
        {"day", "[年 月 日] [--no-hours]", "某日黄历（无参数为今天）", RunDay},
        {"pair", "男的生肖 女的生肖", "生肖配对", RunPair},
        {"scramble", "文本 [密钥 轮数]", "文本转存储的十六进制", RunScramble},
        {"unscramble", "十六进制 [密钥 轮数]", "存储的十六进制转文本", RunUnscramble},
        {"omen", "页号(0-6)", "时辰占卜的一页", RunOmen},
        {"lunar", "年 月 日", "某日农历、节日、节气、生肖与星座", RunLunar},
        {"month", "年 月", "某月月历（含农历）", RunMonth},
        {"number", "号码", "数字吉凶（八十一数）", RunNumber},
        {"phone", "手机号码", "手机号码吉凶", RunPhone},
        {"netname", "网名", "网名与性格", RunNetName},
    };
}

}  // namespace jx::cli
