#include <QPointer>
#include <memory>

#include "readings/Unt_sjcs.h"
#include "tests/readings/WindowDriver.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/SqliteFixture.h"

namespace jx {
namespace {

using test::click;
using test::edit;
using test::labelText;
using test::pressEnter;

class MobileWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        data_.create("dream.dll",
                     {"create table shouji (num text, title text, jx text, content text)",
                      "insert into shouji values ('78', ' 七十八之态 ', '吉 ', '  七十八之详\r\n')",
                      "insert into shouji values ('5', '五之态', '凶', '五之详')",
                      "insert into shouji values ('0', '零之态', '吉带凶', null)"});
        data_.create("empty.dll", {"create table other (num text)"});
        window_ = std::make_unique<TFrm_SJcs>();
        window_->setAttribute(Qt::WA_DeleteOnClose, false);
        window_->setConnectionString(data_.connectionString("dream.dll"));
    }
    QDialog& window() { return *window_; }
    std::array<QString, 4> results() {
        return {labelText(window(), "RzLabel11"), labelText(window(), "RzLabel10"),
                labelText(window(), "RzLabel9"), labelText(window(), "RzLabel8")};
    }
    void read(const QString& number) {
        test::replaceText(window(), number);
        click(window(), "RzBitBtn1");
    }

    test::ScopedFakePlatform fake_;
    test::SqliteFixture data_;
    std::unique_ptr<TFrm_SJcs> window_;
};

TEST_F(MobileWindowTest, OpensEmptyWithItsTexts) {
    window().show();
    EXPECT_STREQ(window().metaObject()->className(), "jx::TFrm_SJcs");
    EXPECT_EQ(window().windowTitle(), "手机号码测算");
    EXPECT_EQ(window().size(), QSize(437, 300));
    EXPECT_EQ(labelText(window(), "RzLabel5"), "手机号码是：");
    EXPECT_EQ(labelText(window(), "RzLabel2"), "请注意：手机号码是11位，请正确输入。");
    EXPECT_TRUE(labelText(window(), "RzLabel3").startsWith("注：有些人会问"));
    EXPECT_TRUE(labelText(window(), "RzLabel3").endsWith("也代表您与所有人的沟通桥梁！"));
    EXPECT_EQ(results(), (std::array<QString, 4>{}));
    EXPECT_EQ(edit(window()).maxLength(), 11);
}

TEST_F(MobileWindowTest, ReadsTheRowOfTheKeyTrimmed) {
    window().show();
    QTest::keyClicks(&edit(window()), "1000000567899");
    EXPECT_EQ(edit(window()).text(), "10000005678");
    pressEnter(window());
    EXPECT_EQ(results(), (std::array<QString, 4>{"10000005678", "七十八之态", "吉", "七十八之详"}));
    read("10000000080");  // key "0"; a null content reads as empty
    EXPECT_EQ(results(), (std::array<QString, 4>{"10000000080", "零之态", "吉带凶", ""}));
    read("10000000005");
    EXPECT_EQ(results(), (std::array<QString, 4>{"10000000005", "五之态", "凶", "五之详"}));
    EXPECT_TRUE(fake_->infos.empty());
    EXPECT_TRUE(fake_->errors.empty());
}

TEST_F(MobileWindowTest, AKeyWithoutARowShowsOnlyTheNumber) {
    window().show();
    read("10000005678");
    read("12345678");  // key "8"
    EXPECT_EQ(results(), (std::array<QString, 4>{"12345678", "", "", ""}));
}

TEST_F(MobileWindowTest, AnUnreadableDataFileIsSilentAndKeepsTheLabels) {
    window().show();
    read("10000005678");
    const auto before = results();
    for (const char* file : {"missing.dll", "empty.dll"}) {
        window_->setConnectionString(data_.connectionString(file));
        read("10000000005");
        EXPECT_EQ(results(), before) << file;
    }
    EXPECT_TRUE(fake_->infos.empty());
    EXPECT_TRUE(fake_->errors.empty());
}

TEST_F(MobileWindowTest, InputErrorsLeaveTheLabels) {
    window().show();
    read("10000005678");
    const auto before = results();
    test::replaceText(window(), " ");
    pressEnter(window());
    click(window(), "RzBitBtn1");
    EXPECT_EQ(fake_->infos, (std::vector<QString>{"请输入11位手机号码！", "请输入11位手机号码！"}));
    read("1234567");
    read("1000000ABCD");  // only pasting brings letters in
    ASSERT_EQ(fake_->errors.size(), 2u);
    EXPECT_EQ(fake_->errors[0].caption, "吉星择日");
    EXPECT_EQ(fake_->errors[0].text, "'' is not a valid integer value.");
    EXPECT_EQ(fake_->errors[1].text, "'ABCD' is not a valid integer value.");
    EXPECT_EQ(results(), before);
}

TEST_F(MobileWindowTest, OnlyDigitsCanBeTyped) {
    window().show();
    QTest::keyClicks(&edit(window()), "1a0-0 0.");
    test::commitFromInputMethod(window(), "零0");
    EXPECT_EQ(edit(window()).text(), "10000");
}

TEST_F(MobileWindowTest, ANumberPlacedBeforeShowingIsReadOnShow) {
    edit(window()).setText("10000005678");
    window().show();
    EXPECT_EQ(labelText(window(), "RzLabel10"), "七十八之态");

    TFrm_SJcs empty;
    empty.setConnectionString(data_.connectionString("dream.dll"));
    empty.show();
    EXPECT_EQ(labelText(empty, "RzLabel11"), "");
    EXPECT_TRUE(fake_->infos.empty());
}

TEST_F(MobileWindowTest, ReopeningStartsFresh) {
    for (int use = 0; use < 2; ++use) {
        QPointer<TFrm_SJcs> opened = new TFrm_SJcs;
        opened->setConnectionString(data_.connectionString("dream.dll"));
        fake_->onModal = [this, use](QDialog& shown) {
            EXPECT_EQ(labelText(shown, "RzLabel11"), "") << use;
            QTest::keyClicks(&edit(shown), "10000005678");
            pressEnter(shown);
            EXPECT_EQ(labelText(shown, "RzLabel9"), "吉") << use;
            click(shown, "RzBitBtn2");
        };
        platform().runModal(*opened);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(opened.isNull());
    }
}

}  // namespace
}  // namespace jx
