#include "pairings/ZodiacPairing.h"

#include "common/Gbk.h"
#include "common/Text.h"
#include "common/Unscramble.h"

namespace jx {

std::string QuoteSqlText(std::string_view text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted.push_back(c);
        if (c == '\'') quoted.push_back('\'');
    }
    quoted.push_back('\'');
    return quoted;
}

std::string PairingStatement(std::string_view man, std::string_view woman) {
    return "select title,content1,content2,content3,content4 from shuxianglove  where "
           "shengxiao1 = " +
           QuoteSqlText(man) + " and shengxiao2 = " + QuoteSqlText(woman);
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            line.push_back(c);
        }
    }
    lines.push_back(std::move(line));
    return lines;
}

std::vector<std::string> PairingResultLines(std::string_view man, std::string_view woman,
                                            const std::array<std::string, 4>& contents,
                                            const std::function<void()>& beep) {
    std::vector<std::string> lines = {
        std::string(man) + "和" + std::string(woman) + "配对结果如下:", "", ""};
    for (const std::string& stored : contents) {
        const std::string trimmed = Trim(stored);
        if (trimmed.empty()) continue;
        const std::string text =
            FromGbk(UnscrambleText(trimmed, kPairingKey, kPairingRounds, beep));
        for (std::string& line : SplitLines(text)) lines.push_back(std::move(line));
        lines.emplace_back();
    }
    return lines;
}

std::string PairingSaveName(std::string_view man, std::string_view woman) {
    return std::string(man) + "配对" + std::string(woman);
}

std::string SaveDialogFileName(std::string_view saveName) {
    std::string name = Trim(saveName);
    static constexpr std::string_view kForbidden = "*/<>?\\|";
    // The rule is about bytes, so the trail byte of a double-byte character counts too.
    for (char byte : ToGbk(name))
        if (kForbidden.find(byte) != std::string_view::npos) return "*.txt";
    return name;
}

std::string SavedFileName(std::string_view chosenName) { return std::string(chosenName) + ".txt"; }

std::string SavedFileBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += ToGbk(line) + "\r\n";
    return bytes;
}

}  // namespace jx
