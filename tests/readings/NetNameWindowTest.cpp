#include <memory>

#include "readings/UntWangm.h"
#include "tests/readings/WindowDriver.h"
#include "tests/support/FakePlatform.h"

namespace jx {
namespace {

using test::click;
using test::edit;
using test::labelText;
using test::pressEnter;

class NetNameWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = std::make_unique<TFrmWangming>();
        window_->setAttribute(Qt::WA_DeleteOnClose, false);
        window_->show();
    }
    QDialog& window() { return *window_; }
    std::pair<QString, QString> results() {
        return {labelText(window(), "RzLabel11"), labelText(window(), "RzLabel8")};
    }

    test::ScopedFakePlatform fake_;
    std::unique_ptr<TFrmWangming> window_;
};

TEST_F(NetNameWindowTest, OpensEmptyWithItsTexts) {
    EXPECT_STREQ(window().metaObject()->className(), "jx::TFrmWangming");
    EXPECT_EQ(window().windowTitle(), "网名与性格");
    EXPECT_EQ(window().size(), QSize(395, 213));
    EXPECT_EQ(labelText(window(), "RzLabel1"), "输入网名：");
    for (const char* name : {"RzLabel8", "RzLabel9", "RzLabel10", "RzLabel11"})
        EXPECT_EQ(labelText(window(), name), "") << name;
}

TEST_F(NetNameWindowTest, ReadsTheTypedNameWithEnterOrTheButton) {
    struct Case {
        QString typed;        // typed keys
        QString committed;    // then committed by an input method
        QString name, trait;  // expected label texts after the prefixes
    };
    const Case cases[] = {
        {"abc", "", "ABC", "可爱，较明显的自恋"},   {"  qq520 ", "", "QQ520", "煽情高手"},
        {"a b", "", "A B", "老实，沉默"},           {"", "小明。", "小明。", ""},
        {"", "王", "王", "比较糊涂，容易感情用事"}, {"", "ⅫΦ", "ⅫΦ", "自立，自强，可依靠"},
    };
    for (const Case& c : cases) {
        for (const bool useEnter : {true, false}) {
            test::replaceText(window(), "");
            QTest::keyClicks(&edit(window()), c.typed);
            test::commitFromInputMethod(window(), c.committed);
            if (useEnter)
                pressEnter(window());
            else
                click(window(), "RzBitBtn1");
            EXPECT_EQ(results(), std::make_pair("你的网名：" + c.name, "你的性格：" + c.trait))
                << c.name.toStdString();
        }
    }
    EXPECT_TRUE(fake_->infos.empty());
    EXPECT_TRUE(fake_->errors.empty());
}

TEST_F(NetNameWindowTest, AnEmptyNameGivesItsMessageAndKeepsTheLabels) {
    QTest::keyClicks(&edit(window()), "abc");
    pressEnter(window());
    const auto before = results();
    test::replaceText(window(), "  ");
    pressEnter(window());
    click(window(), "RzBitBtn1");
    EXPECT_EQ(fake_->infos, (std::vector<QString>{"请输入你的网名！", "请输入你的网名！"}));
    EXPECT_EQ(results(), before);
}

TEST_F(NetNameWindowTest, TheBoxHoldsAtMost18GbkBytes) {
    QTest::keyClicks(&edit(window()), QString(20, QLatin1Char('a')));
    EXPECT_EQ(edit(window()).text(), QString(18, QLatin1Char('A')));

    test::replaceText(window(), "");
    test::commitFromInputMethod(window(), "一二三四五六七八九十");
    EXPECT_EQ(edit(window()).text(), "一二三四五六七八九");

    // What does not fit is cut from the end of what was pasted, not from the box.
    test::replaceText(window(), "abcdefghijklmnop");
    edit(window()).setCursorPosition(2);
    test::paste(window(), "王李张");
    EXPECT_EQ(edit(window()).text(), "AB王CDEFGHIJKLMNOP");
}

TEST_F(NetNameWindowTest, ACharacterOutsideGbkReadsAsAMissingReading) {
    test::paste(window(), "😀a");
    pressEnter(window());
    EXPECT_EQ(results(),
              std::make_pair(QString("你的网名：😀A"), QString("你的性格：好奇心强，专一")));
    test::replaceText(window(), "a😀");
    pressEnter(window());
    EXPECT_EQ(results(), std::make_pair(QString("你的网名：A😀"), QString("你的性格：")));
    EXPECT_TRUE(fake_->errors.empty());
}

}  // namespace
}  // namespace jx
