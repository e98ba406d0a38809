#include <gtest/gtest.h>

#include "common/Errors.h"
#include "readings/Shouji.h"

namespace jx {
namespace {

TEST(Shoujiinfostr, ReducesTheDigitsFromTheEighthOnModulo80) {
    struct Case {
        std::string number, key;
    };
    const Case cases[] = {
        {"10000005678", "78"},  // 5678 = 70 * 80 + 78
        {"10000000079", "79"},
        {"10000000080", "0"},
        {"10000000160", "0"},
        {"10000000000", "0"},
        {"10000000005", "5"},          // no leading zeros
        {"12345678", "8"},             // eight characters: one digit taken
        {"1234567890", "10"},          // ten characters: 890
        {"1234567-5", "-5"},           // a pasted sign keeps a negative remainder
        {"1234567$51", "1"},           // hexadecimal 0x51 = 81
        {"1234567 12", "12"},          // a blank may lead the characters taken
        {"123456712345678901", "21"},  // at most 11 characters: 12345678901 % 80
    };
    for (const Case& c : cases) EXPECT_EQ(shoujiinfostr(c.number), c.key) << c.number;
}

TEST(Shoujiinfostr, FailsNamingTheCharactersTaken) {
    struct Case {
        std::string number, message;
    };
    const Case cases[] = {
        {"1234567", "'' is not a valid integer value"},
        {"", "'' is not a valid integer value"},
        {"1000000ABCD", "'ABCD' is not a valid integer value"},
        {"一二三四五六七八九十", "'八九十' is not a valid integer value"},  // whole characters
    };
    for (const Case& c : cases) {
        try {
            shoujiinfostr(c.number);
            ADD_FAILURE() << c.number;
        } catch (const ConversionError& error) {
            EXPECT_EQ(std::string(error.what()), c.message);
        }
    }
}

TEST(ShoujiQueryText, QuotesTheKey) {
    EXPECT_EQ(ShoujiQueryText("78"), "select title,jx,content from shouji where num = '78'");
    EXPECT_EQ(ShoujiQueryText(shoujiinfostr("10000000005")),
              "select title,jx,content from shouji where num = '5'");
    EXPECT_EQ(ShoujiQueryText("a'b"), "select title,jx,content from shouji where num = 'a''b'");
}

}  // namespace
}  // namespace jx
