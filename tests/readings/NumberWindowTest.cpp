#include <QPointer>
#include <functional>
#include <memory>

#include "common/NumberReading.h"
#include "readings/SplitReading.h"
#include "readings/UntQQ.h"
#include "readings/Untonteher.h"
#include "tests/readings/WindowDriver.h"
#include "tests/support/FakePlatform.h"

namespace jx {
namespace {

using test::click;
using test::edit;
using test::labelText;
using test::paste;
using test::pressEnter;

struct WindowKind {
    const char* className;
    std::function<QDialog*()> make;
    const char* caption;
    QSize size;
    const char* prompt;
    const char* numberLabel;
    const char* emptyMessage;
};

void PrintTo(const WindowKind& kind, std::ostream* out) { *out << kind.className; }

class NumberWindowTest : public ::testing::TestWithParam<WindowKind> {
protected:
    void SetUp() override {
        window_.reset(GetParam().make());
        window_->setAttribute(Qt::WA_DeleteOnClose, false);
        window_->show();
    }
    QDialog& window() { return *window_; }
    // The four result labels: number, verse, verdict, character text.
    std::array<QString, 4> results() {
        return {labelText(window(), "RzLabel11"), labelText(window(), "RzLabel10"),
                labelText(window(), "RzLabel9"), labelText(window(), "RzLabel8")};
    }
    static std::array<QString, 4> expected(const QString& number, int row) {
        const SplitText parts = SplitReading(ReadingText(row));
        return {number, QString::fromStdString(parts.verse), QString::fromStdString(parts.verdict),
                QString::fromStdString(parts.character)};
    }

    test::ScopedFakePlatform fake_;
    std::unique_ptr<QDialog> window_;
};

TEST_P(NumberWindowTest, OpensEmptyWithItsOwnTexts) {
    const WindowKind& kind = GetParam();
    EXPECT_STREQ(window().metaObject()->className(), kind.className);
    EXPECT_EQ(window().windowTitle(), QString::fromUtf8(kind.caption));
    EXPECT_EQ(window().size(), kind.size);
    EXPECT_EQ(labelText(window(), "RzLabel1"), QString::fromUtf8(kind.prompt));
    EXPECT_EQ(labelText(window(), "RzLabel5"), QString::fromUtf8(kind.numberLabel));
    EXPECT_EQ(labelText(window(), "RzLabel4"), "状态：");
    EXPECT_EQ(labelText(window(), "RzLabel6"), "吉凶：");
    EXPECT_EQ(labelText(window(), "RzLabel7"), "具体表现：");
    EXPECT_EQ(results(), (std::array<QString, 4>{}));
    EXPECT_EQ(edit(window()).text(), "");
    EXPECT_EQ(edit(window()).maxLength(), 18);
}

TEST_P(NumberWindowTest, EnterReadsAsTheButtonDoes) {
    QTest::keyClicks(&edit(window()), "12345");
    pressEnter(window());
    EXPECT_EQ(results(), expected("12345", 33));
    for (QLabel* label : window().findChildren<QLabel*>()) label->clear();
    click(window(), "RzBitBtn1");
    EXPECT_EQ(results(), expected("12345", 33));
    EXPECT_TRUE(fake_->infos.empty());
    EXPECT_TRUE(fake_->errors.empty());
}

TEST_P(NumberWindowTest, OnlyDigitsCanBeTyped) {
    QTest::keyClicks(&edit(window()), "a1 b-2+");
    test::typeCharacter(window(), "中");
    QTest::keyClicks(&edit(window()), "3.");
    test::commitFromInputMethod(window(), "四4五");
    EXPECT_EQ(edit(window()).text(), "1234");
    QTest::keyClick(&edit(window()), Qt::Key_Backspace);
    EXPECT_EQ(edit(window()).text(), "123");
    QTest::keyClicks(&edit(window()), "12345678901234567890");
    EXPECT_EQ(edit(window()).text(), "123123456789012345");  // 18 digits at most
}

TEST_P(NumberWindowTest, AnEmptyBoxGivesItsMessageAndKeepsTheResult) {
    QTest::keyClicks(&edit(window()), "0081");
    click(window(), "RzBitBtn1");
    const auto before = results();
    EXPECT_EQ(before, expected("0081", 0));
    const QString message = QString::fromUtf8(GetParam().emptyMessage);

    test::replaceText(window(), "   ");
    pressEnter(window());
    click(window(), "RzBitBtn1");
    test::replaceText(window(), "");
    click(window(), "RzBitBtn1");
    EXPECT_EQ(fake_->infos, (std::vector<QString>{message, message, message}));
    EXPECT_EQ(results(), before);
}

TEST_P(NumberWindowTest, PastedTextIsNotFilteredButShownInUpperCase) {
    struct Case {
        QString pasted, shown;
        int row;  // -1: the fallback text
    };
    const Case cases[] = {
        {"-5", "-5", -1},
        {"0x51", "0X51", 0},
        {"$51", "$51", 0},
        {" 80 ", " 80 ", 80},
        {"1234567890123456789012", "123456789012345678", 54},  // cut to 18 characters
    };
    for (const Case& c : cases) {
        test::replaceText(window(), c.pasted);
        EXPECT_EQ(edit(window()).text(), c.shown);
        click(window(), "RzBitBtn1");
        const QString number = c.shown.trimmed();
        if (c.row >= 0) {
            EXPECT_EQ(results(), expected(number, c.row)) << c.pasted.toStdString();
        } else {
            EXPECT_EQ(results(),
                      (std::array<QString, 4>{number, "", "", "对不起,此号不在分解之类。"}));
        }
    }
    EXPECT_TRUE(fake_->errors.empty());
}

TEST_P(NumberWindowTest, ANonNumberReachesTheErrorDisplayAndKeepsTheLabels) {
    QTest::keyClicks(&edit(window()), "12345");
    pressEnter(window());
    const auto before = results();
    paste(window(), "abc");
    EXPECT_EQ(edit(window()).text(), "12345ABC");
    test::replaceText(window(), "abc");
    EXPECT_EQ(edit(window()).text(), "ABC");
    click(window(), "RzBitBtn1");
    pressEnter(window());
    ASSERT_EQ(fake_->errors.size(), 2u);
    for (const auto& error : fake_->errors) {
        EXPECT_EQ(error.caption, "吉星择日");
        EXPECT_EQ(error.text, "'ABC' is not a valid integer value.");
    }
    EXPECT_EQ(results(), before);
    EXPECT_TRUE(window().isVisible());
}

TEST_P(NumberWindowTest, ASecondReadingReplacesEveryLabel) {
    QTest::keyClicks(&edit(window()), "12345");
    pressEnter(window());
    test::replaceText(window(), "-1");
    pressEnter(window());
    EXPECT_EQ(results(), (std::array<QString, 4>{"-1", "", "", "对不起,此号不在分解之类。"}));
}

TEST_P(NumberWindowTest, ClosingFreesTheWindow) {
    QPointer<QDialog> opened = GetParam().make();
    test::FakePlatform& fake = *fake_;
    fake.onModal = [](QDialog& shown) { click(shown, "RzBitBtn2"); };
    platform().runModal(*opened);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(opened.isNull());
    EXPECT_EQ(fake.modalWindows, (std::vector<QString>{GetParam().className}));
}

INSTANTIATE_TEST_SUITE_P(
    Readings, NumberWindowTest,
    ::testing::Values(WindowKind{"jx::TFrmQQhm", [] { return new TFrmQQhm; }, "QQ号码测试",
                                 QSize(388, 270), "QQ号码：", "qq号码是：", "请输入你的QQ号码！"},
                      WindowKind{"jx::TFrm_onther", [] { return new TFrm_onther; }, "任意号码分析",
                                 QSize(388, 271), "任意号码：", "输入号码是：",
                                 "请输入你的号码！"}),
    [](const auto& info) { return std::string(info.param.className).substr(4); });

}  // namespace
}  // namespace jx
