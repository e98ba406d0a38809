#pragma once
// The zodiac pairing without its window: the statement for an ordered pair of
// animals, the lines a found row shows, and the rules of saving them.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace jx {

// The order in which both lists offer the animals.
inline constexpr std::array<std::string_view, 12> kZodiacAnimals = {
    "鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};

// The stored readings are scrambled under this key and round count.
inline constexpr std::uint16_t kPairingKey = 8539;
inline constexpr int kPairingRounds = 7;

// The save dialog's only filter, in "name|pattern" form.
inline constexpr std::string_view kPairingSaveFilter = "文本文件|*.txt";

// Text between single quotes, inner single quotes doubled.
std::string QuoteSqlText(std::string_view text);

// "select title,content1,...,content4 from shuxianglove  where shengxiao1 = '<man>' and
// shengxiao2 = '<woman>'" (two blanks before "where").
std::string PairingStatement(std::string_view man, std::string_view woman);

// The memo's lines for a found row: the heading, two empty lines, then each non-blank
// content part unscrambled (GBK to UTF-8, split at its own line breaks) and an empty
// line. contents are the stored fields content1..content4 as read; beep sounds once per
// bad hexadecimal pair.
std::vector<std::string> PairingResultLines(std::string_view man, std::string_view woman,
                                            const std::array<std::string, 4>& contents,
                                            const std::function<void()>& beep = {});

// man + "配对" + woman.
std::string PairingSaveName(std::string_view man, std::string_view woman);

// The name the save dialog offers: the trimmed save name, or "*.txt" when a byte of its
// GBK form is one of * / < > ? \ |.
std::string SaveDialogFileName(std::string_view saveName);

// The chosen name always gets ".txt", whatever it already ends with.
std::string SavedFileName(std::string_view chosenName);

// The file's bytes: each line in GBK followed by CR LF.
std::string SavedFileBytes(const std::vector<std::string>& lines);

// Splits a text at CR LF, CR or LF; a text without breaks is one line.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace jx
