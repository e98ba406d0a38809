#include <charconv>
#include <cstdint>
#include <optional>

#include "cli/CliCommand.h"
#include "common/Gbk.h"
#include "common/Unscramble.h"
#include "pairings/ZodiacPairing.h"

namespace jx::cli {

namespace {

struct Mixing {
    std::uint16_t key = kPairingKey;
    int rounds = kPairingRounds;
};

std::optional<long long> ParseWhole(const std::string& text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || text.empty()) return std::nullopt;
    return value;
}

// TEXT [KEY ROUNDS]: the key 0 to 65535, the rounds any whole number.
std::optional<Mixing> ParseMixing(const Arguments& args, const char* name, Context& context) {
    Mixing mixing;
    if (args.size() == 3) {
        const auto key = ParseWhole(args[1]);
        const auto rounds = ParseWhole(args[2]);
        if (key && *key >= 0 && *key <= 0xFFFF && rounds && *rounds >= -1'000'000 &&
            *rounds <= 1'000'000) {
            mixing.key = static_cast<std::uint16_t>(*key);
            mixing.rounds = static_cast<int>(*rounds);
            return mixing;
        }
    } else if (args.size() == 1) {
        return mixing;
    }
    context.err << "用法: " << name << " 文本 [密钥(0-65535) 轮数]\n";
    return std::nullopt;
}

}  // namespace

// scramble TEXT [KEY ROUNDS]: the stored hexadecimal form of TEXT in GBK.
int RunScramble(const Arguments& args, Context& context) {
    const auto mixing = ParseMixing(args, "scramble", context);
    if (!mixing) return kExitBadInput;
    context.out << ScrambleText(ToGbk(args[0]), mixing->key, mixing->rounds) << '\n';
    return kExitOk;
}

// unscramble HEX [KEY ROUNDS]: the readable text of a stored text.
int RunUnscramble(const Arguments& args, Context& context) {
    const auto mixing = ParseMixing(args, "unscramble", context);
    if (!mixing) return kExitBadInput;
    int badPairs = 0;
    const std::string bytes =
        UnscrambleText(args[0], mixing->key, mixing->rounds, [&badPairs] { ++badPairs; });
    context.out << FromGbk(bytes) << '\n';
    if (badPairs > 0) context.err << "已跳过 " << badPairs << " 个无效的十六进制字符对\n";
    return kExitOk;
}

}  // namespace jx::cli
