#include <algorithm>
#include <exception>

#include "cli/CliCommand.h"
#include "common/ConnectionStrings.h"
#include "common/Text.h"
#include "pairings/PairingLookup.h"
#include "pairings/ZodiacPairing.h"
#include "platform/Query.h"

namespace jx::cli {

// pair MAN WOMAN: the zodiac pairing's lines as the pairing window shows them.
int RunPair(const Arguments& args, Context& context) {
    if (args.size() != 2) {
        context.err << "用法: pair 男的生肖 女的生肖\n";
        return kExitBadInput;
    }
    const std::string man = Trim(args[0]);
    const std::string woman = Trim(args[1]);
    for (const std::string& animal : {man, woman}) {
        if (std::find(kZodiacAnimals.begin(), kZodiacAnimals.end(), animal) ==
            kZodiacAnimals.end()) {
            context.err << "不是生肖: " << animal
                        << "（可用: 鼠 牛 虎 兔 龙 蛇 马 羊 猴 鸡 狗 猪）\n";
            return kExitBadInput;
        }
    }
    int badPairs = 0;
    try {
        Query query;
        query.setConnectionString(MakeConnectionString(context.dataFolder, "SanFile.dll"));
        const auto lines = LookUpPairing(query, man, woman, [&badPairs] { ++badPairs; });
        if (!lines) {
            context.err << "没有 " << man << " 与 " << woman << " 的配对资料\n";
            return kExitNotFound;
        }
        for (const std::string& line : *lines) context.out << line << '\n';
    } catch (const std::exception& error) {
        context.err << error.what() << '\n';
        return kExitDataError;
    }
    if (badPairs > 0) context.err << "已跳过 " << badPairs << " 个无效的十六进制字符对\n";
    return kExitOk;
}

}  // namespace jx::cli
