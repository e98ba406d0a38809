#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "almanac/huangdao.h"
#include "tests/almanac/DayFixture.h"
#include "tests/support/FakePlatform.h"

namespace jx {
namespace {

using namespace std::chrono;

QStringList memoLines(const TFormHuangdao& view) {
    return view.Memo1->toPlainText().split(QLatin1Char('\n'));
}

class DayViewTest : public ::testing::Test {
protected:
    test::ScopedFakePlatform fake;
    test::SqliteFixture files;

    void SetUp() override { fake->todayDate = year{2010} / 5 / 1; }

    // A fresh view on `file`, shown, which runs its first lookup.
    std::unique_ptr<TFormHuangdao> open(const std::string& file, const QString& y = {},
                                        const QString& m = {}, const QString& d = {}) {
        auto view = std::make_unique<TFormHuangdao>(nullptr, files.connectionString(file));
        view->setAttribute(Qt::WA_DeleteOnClose, false);
        view->SYear->setEditText(y);
        view->SMonth->setEditText(m);
        view->Sday->setEditText(d);
        view->show();
        return view;
    }

    void lookUp(TFormHuangdao& view, const QString& y, const QString& m, const QString& d) {
        view.SYear->setEditText(y);
        view.SMonth->setEditText(m);
        view.Sday->setEditText(d);
        QTest::mouseClick(view.RzBitBtn1, Qt::LeftButton);
    }
};

TEST_F(DayViewTest, OpensOnTodayWithHoursAndTrimmedValues) {
    files.create("SanBirth.dll", test::DayRows());
    auto view = open("SanBirth.dll");
    EXPECT_EQ(view->windowTitle(), QStringLiteral("黄道吉日"));
    EXPECT_TRUE(view->RzCheckBox1->isChecked());
    EXPECT_EQ(view->SYear->currentText(), QStringLiteral("2010"));
    EXPECT_EQ(view->Label1->text(), QStringLiteral("2010-05-01  农历三月十八 星期六 玉堂(黄道)"));
    const QStringList lines = memoLines(*view);
    ASSERT_EQ(lines.size(), 20);
    EXPECT_EQ(lines[0], QStringLiteral("岁次:庚寅年 辛巳月 丙午日"));
    EXPECT_EQ(lines[12], QStringLiteral("宜:祭祀 祈福"));
    EXPECT_EQ(lines[16], QStringLiteral("忌:动土 破土"));
    EXPECT_EQ(lines[18], QStringLiteral("本日吉时如下:"));
    EXPECT_EQ(lines[19], QStringLiteral("甲子时 乙丑时"));
    EXPECT_TRUE(fake->infos.empty());
    EXPECT_TRUE(fake->errors.empty());
    EXPECT_EQ(view->Memo2->toPlainText().split(QLatin1Char('\n')).size(), 34);
    EXPECT_TRUE(view->Memo2->isReadOnly());
}

TEST_F(DayViewTest, UntickedHoursGiveSeventeenLinesAndTheDateIsShownAsTyped) {
    files.create("SanBirth.dll", test::DayRows());
    auto view = open("SanBirth.dll");
    QTest::mouseClick(view->RzCheckBox1, Qt::LeftButton);
    ASSERT_FALSE(view->RzCheckBox1->isChecked());
    lookUp(*view, QStringLiteral("2010"), QStringLiteral("5"), QStringLiteral("1"));
    EXPECT_EQ(view->Label1->text(), QStringLiteral("2010-5-1  农历三月十八 星期六 玉堂(黄道)"));
    const QStringList lines = memoLines(*view);
    ASSERT_EQ(lines.size(), 17);
    EXPECT_EQ(lines.last(), QStringLiteral("忌:动土 破土"));

    lookUp(*view, QStringLiteral("2010"), QStringLiteral("4"), QStringLiteral("5"));
    EXPECT_EQ(view->Label1->text(), QStringLiteral("2010-4-5  "));  // blank nn
}

TEST_F(DayViewTest, NoRowOnAFreshWindowShowsNothingAndSaysNothing) {
    files.create("SanBirth.dll", test::DayRows());
    auto view =
        open("SanBirth.dll", QStringLiteral("2030"), QStringLiteral("01"), QStringLiteral("01"));
    EXPECT_TRUE(view->Label1->text().isEmpty());
    EXPECT_TRUE(view->Memo1->toPlainText().isEmpty());
    EXPECT_TRUE(fake->infos.empty());
    EXPECT_TRUE(fake->errors.empty());

    QTest::mouseClick(view->RzBitBtn3, Qt::LeftButton);  // nothing to print
    EXPECT_TRUE(fake->printedTexts.empty());
    // Typed as a key press carrying text, as an input method delivers it.
    QTest::sendKeyEvent(QTest::Click, view->Memo1, Qt::Key_unknown, QStringLiteral("手记"),
                        Qt::NoModifier);
    QTest::mouseClick(view->RzBitBtn3, Qt::LeftButton);
    EXPECT_EQ(fake->printedTexts, std::vector<QString>{QStringLiteral("手记")});
}

TEST_F(DayViewTest, AnInvalidDateOrAMissingRowLeavesThePreviousResult) {
    files.create("SanBirth.dll", test::DayRows());
    auto view = open("SanBirth.dll");
    const QString overview = view->Label1->text();
    const QString result = view->Memo1->toPlainText();
    lookUp(*view, QStringLiteral("2011"), QStringLiteral("02"), QStringLiteral("30"));
    lookUp(*view, QStringLiteral("2011"), QStringLiteral("02"), QStringLiteral("28"));
    EXPECT_EQ(fake->infos, std::vector<QString>{QStringLiteral("请选择有效的日期!")});
    EXPECT_EQ(view->Label1->text(), overview);
    EXPECT_EQ(view->Memo1->toPlainText(), result);
}

TEST_F(DayViewTest, AMissingFileReachesTheErrorDisplayAndKeepsTheTexts) {
    files.create("SanBirth.dll", test::DayRows());
    auto view = open("SanBirth.dll");
    const QString result = view->Memo1->toPlainText();
    ASSERT_TRUE(QFile::remove(QString::fromStdString(files.path("SanBirth.dll"))));
    QTest::mouseClick(view->RzBitBtn1, Qt::LeftButton);
    ASSERT_EQ(fake->errors.size(), 1u);
    EXPECT_EQ(fake->errors[0].caption, QStringLiteral("吉星择日"));
    EXPECT_TRUE(fake->errors[0].text.contains(QStringLiteral("SanBirth.dll")));
    EXPECT_EQ(view->Memo1->toPlainText(), result);
    EXPECT_TRUE(view->isVisible());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(files.path("SanBirth.dll"))));
}

TEST_F(DayViewTest, ARowWithoutHoursStillShowsTheRestSilently) {
    std::string columns = test::kAllColumns;
    columns.erase(columns.find(", jishi TEXT"));
    files.create("SanBirth.dll", test::DayRows(columns));
    auto view = open("SanBirth.dll");
    const QStringList lines = memoLines(*view);
    ASSERT_EQ(lines.size(), 19);
    EXPECT_EQ(lines.last(), QStringLiteral("本日吉时如下:"));
    EXPECT_TRUE(fake->errors.empty());
}

TEST_F(DayViewTest, AMissingColumnKeepsTheLinesWrittenBeforeIt) {
    files.create("SanBirth.dll",
                 {"CREATE TABLE huangdao (gn TEXT, nn TEXT, suici TEXT, tszf TEXT, wuhang TEXT)",
                  "INSERT INTO huangdao VALUES ('2010-05-01', 'n', 's', 't', 'w')"});
    auto view = open("SanBirth.dll");
    ASSERT_EQ(fake->errors.size(), 1u);
    EXPECT_TRUE(fake->errors[0].text.contains(QStringLiteral("cong")));
    EXPECT_EQ(view->Label1->text(), QStringLiteral("2010-05-01  n"));
    EXPECT_EQ(memoLines(*view),
              (QStringList{QStringLiteral("岁次:s"), QString(), QStringLiteral("每日胎神占方:t"),
                           QString(), QStringLiteral("五行:w"), QString()}));
}

TEST_F(DayViewTest, PrintsTheResultAndReportsAMissingPrinter) {
    files.create("SanBirth.dll", test::DayRows());
    auto view = open("SanBirth.dll");
    QTest::mouseClick(view->RzBitBtn3, Qt::LeftButton);
    ASSERT_EQ(fake->printedTexts.size(), 1u);
    EXPECT_EQ(fake->printedTexts[0], view->Memo1->toPlainText());

    fake->printerAvailable = false;
    QTest::mouseClick(view->RzBitBtn3, Qt::LeftButton);
    ASSERT_EQ(fake->errors.size(), 1u);
    EXPECT_TRUE(fake->errors[0].text.contains(QStringLiteral("打印")));
}

TEST_F(DayViewTest, OpenDayViewRecordsTheNewestAndClosingClearsIt) {
    files.create("SanBirth.dll", test::DayRows());
    TFormHuangdao* first =
        OpenDayView("2010", "05", "01", nullptr, files.connectionString("SanBirth.dll"));
    TFormHuangdao* second =
        OpenDayView("2010", "4", "5", nullptr, files.connectionString("SanBirth.dll"));
    EXPECT_EQ(FormHuangdao, second);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(second->Label1->text(), QStringLiteral("2010-4-5  "));
    QPointer<TFormHuangdao> gone = second;
    QTest::mouseClick(second->RzBitBtn2, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(FormHuangdao, nullptr);
    EXPECT_TRUE(gone.isNull());  // freed on close
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace jx
