#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>

#include "almanac/huangdao.h"
#include "app/Unt_Main.h"
#include "common/Publisher.h"
#include "tests/support/FakePlatform.h"

namespace jx {
namespace {

using namespace std::chrono;

QAction* menuItem(QMainWindow& window, const QString& text) {
    for (QAction* action : window.menuBar()->findChildren<QAction*>())
        if (action->text() == text) return action;
    return nullptr;
}

QList<TFormHuangdao*> dayViews(QWidget& owner) { return owner.findChildren<TFormHuangdao*>(); }

class MainWindowTest : public ::testing::Test {
protected:
    test::ScopedFakePlatform fake;
    std::unique_ptr<TFrmmain> window;

    void SetUp() override {
        fake->todayDate = year{2012} / 3 / 5;
        window = std::make_unique<TFrmmain>();
        window->show();
        QApplication::processEvents();
    }

    void select(const QString& y, const QString& m, const QString& d) {
        window->SYear->setEditText(y);
        window->SMonth->setEditText(m);
        window->Sday->setEditText(d);
    }
};

TEST_F(MainWindowTest, OpensShowingTodayAndTheLayout) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("吉星择日通"));
    EXPECT_EQ(window->SYear->currentText(), QStringLiteral("2012"));
    EXPECT_EQ(window->SMonth->currentText(), QStringLiteral("03"));
    EXPECT_EQ(window->Sday->currentText(), QStringLiteral("05"));
    EXPECT_EQ(window->SYear->count(), 11);
    EXPECT_EQ(window->SYear->itemText(0), QStringLiteral("2010"));
    EXPECT_EQ(window->SMonth->itemText(0), QStringLiteral("01"));
    EXPECT_EQ(window->Sday->itemText(30), QStringLiteral("31"));
    EXPECT_EQ(window->RzPanel1->height(), 84);
    EXPECT_EQ(window->ScrollBox1->width(), 186);
    EXPECT_EQ(window->RzPageControl1->currentIndex(), 0);
    EXPECT_EQ(window->RzPageControl1->tabText(0), QStringLiteral("吉日分类"));
    EXPECT_EQ(window->RzPageControl1->tabText(1), QStringLiteral("其他查询"));
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(MainWindowTest, QueryShowsTheFirstFailedCheckAndOpensNothing) {
    select(QString(), QString(), QString());
    QTest::mouseClick(window->RzButton57, Qt::LeftButton);
    select(QStringLiteral("2011"), QStringLiteral("02"), QStringLiteral("29"));
    QTest::mouseClick(window->RzButton57, Qt::LeftButton);
    EXPECT_EQ(fake->infos, (std::vector<QString>{QStringLiteral("请选择年!"),
                                                 QStringLiteral("请选择有效的日期!")}));
    EXPECT_TRUE(dayViews(*window).isEmpty());
    EXPECT_EQ(window->SMonth->currentText(), QStringLiteral("02"));  // the lists keep the input
}

TEST_F(MainWindowTest, QueryPassesTheTrimmedTextsAsTyped) {
    select(QStringLiteral(" 2010 "), QStringLiteral("4"), QStringLiteral("5"));
    QTest::mouseClick(window->RzButton57, Qt::LeftButton);
    const auto views = dayViews(*window);
    ASSERT_EQ(views.size(), 1);
    EXPECT_EQ(views[0]->SYear->currentText(), QStringLiteral("2010"));
    EXPECT_EQ(views[0]->SMonth->currentText(), QStringLiteral("4"));
    EXPECT_EQ(views[0]->Sday->currentText(), QStringLiteral("5"));
    EXPECT_TRUE(views[0]->isVisible());
    EXPECT_FALSE(views[0]->isModal());
    EXPECT_TRUE(fake->infos.empty());
}

TEST_F(MainWindowTest, TodaysAlmanacIgnoresTheListsAndOpensAFreshViewEachTime) {
    select(QStringLiteral("abcd"), QString(), QString());
    QTest::mouseClick(window->RzButton56, Qt::LeftButton);
    QTest::mouseClick(window->RzButton56, Qt::LeftButton);
    const auto views = dayViews(*window);
    ASSERT_EQ(views.size(), 2);
    for (TFormHuangdao* view : views) {
        EXPECT_EQ(view->SYear->currentText(), QStringLiteral("2012"));
        EXPECT_EQ(view->SMonth->currentText(), QStringLiteral("03"));
        EXPECT_EQ(view->Sday->currentText(), QStringLiteral("05"));
    }
    EXPECT_TRUE(fake->infos.empty());
}

TEST_F(MainWindowTest, ExitAnsweredNoChangesNothingFromMenuOrCloseBox) {
    QAction* exit = menuItem(*window, QStringLiteral("退出系统"));
    ASSERT_NE(exit, nullptr);
    fake->yesNoAnswer = false;
    exit->trigger();
    window->close();
    ASSERT_EQ(fake->questions.size(), 2u);
    for (const auto& q : fake->questions) {
        EXPECT_EQ(q.caption, QStringLiteral("询问"));
        EXPECT_EQ(q.text, QStringLiteral("您是否确定要退出系统？"));
    }
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(fake->openedUrls.empty());
}

TEST_F(MainWindowTest, ExitAnsweredYesOpensThePublishersPageOnceAndCloses) {
    const QString home = QString::fromUtf8(publisher::kHomePage.data());
    for (bool fromMenu : {true, false}) {
        SCOPED_TRACE(fromMenu ? "menu" : "close box");
        fake->questions.clear();
        fake->openedUrls.clear();
        window = std::make_unique<TFrmmain>();
        window->show();
        fake->yesNoAnswer = true;
        if (fromMenu)
            menuItem(*window, QStringLiteral("退出系统"))->trigger();
        else
            window->close();
        EXPECT_EQ(fake->questions.size(), 1u);  // no second question on the way out
        EXPECT_EQ(fake->openedUrls, std::vector<QString>{home});
        EXPECT_FALSE(window->isVisible());
    }
}

}  // namespace
}  // namespace jx
