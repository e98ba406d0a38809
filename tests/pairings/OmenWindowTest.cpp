#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTextBlock>

#include "pairings/OmenPages.h"
#include "pairings/UntOnther.h"
#include "tests/support/FakePlatform.h"

namespace jx::test {
namespace {

// The memo on the page the window shows, or null when it shows none.
QPlainTextEdit* VisibleMemo(TFormOnther& window) {
    auto* pages = window.findChild<QStackedWidget*>("RzPageControl1");
    if (!pages || !pages->currentWidget()) return nullptr;
    return pages->currentWidget()->findChild<QPlainTextEdit*>();
}

void CloseAndFree(QPointer<TFormOnther>& window) {
    window->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(ShowOmenPage, EachCommandOpensItsTitleAndPage) {
    ScopedFakePlatform fake;
    const char* titles[] = {"打喷嚏占卜吉凶", "面热测吉凶", "心惊测吉凶", "犬吠测吉凶",
                            "眼跳测吉凶",     "耳热测吉凶", "耳鸣测吉凶"};
    for (int index = 0; index < 7; ++index) {
        QPointer<TFormOnther> window = ShowOmenPage(QString::fromUtf8(titles[index]), index);
        ASSERT_TRUE(window);
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(window->isModal());
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8(titles[index]));
        EXPECT_EQ(window->pageIndex(), index);
        QPlainTextEdit* memo = VisibleMemo(*window);
        ASSERT_TRUE(memo);
        EXPECT_TRUE(memo->isVisible());
        EXPECT_TRUE(memo->isReadOnly());
        EXPECT_EQ(memo->toPlainText().toStdString(), OmenPageText(index));
        CloseAndFree(window);
        EXPECT_TRUE(window.isNull());
    }
    EXPECT_TRUE(fake->modalWindows.empty());
}

TEST(ShowOmenPage, TwitchingEyeShowsLeftAndRightReadings) {
    QPointer<TFormOnther> window = ShowOmenPage("眼跳测吉凶", 4);
    QPlainTextEdit* memo = VisibleMemo(*window);
    ASSERT_TRUE(memo);
    EXPECT_EQ(memo->toPlainText().split('\n').first(),
              "子时：左有贵人，右有饮食。午时：左主饮食，右有凶事。");
    CloseAndFree(window);
}

TEST(ShowOmenPage, SameOmenTwiceGivesTwoWindows) {
    QPointer<TFormOnther> first = ShowOmenPage("犬吠测吉凶", 3);
    QPointer<TFormOnther> second = ShowOmenPage("犬吠测吉凶", 3);
    ASSERT_TRUE(first && second);
    EXPECT_NE(first.data(), second.data());
    EXPECT_TRUE(first->isVisible() && second->isVisible());
    EXPECT_EQ(first->pageIndex(), 3);
    EXPECT_EQ(second->pageIndex(), 3);
    CloseAndFree(first);
    EXPECT_TRUE(first.isNull());
    ASSERT_FALSE(second.isNull());  // closing one leaves the other open
    EXPECT_TRUE(second->isVisible());
    CloseAndFree(second);
}

TEST(ShowOmenPage, IndexOutsideTheSevenShowsNoPage) {
    for (int index : {-1, 7, 42}) {
        QPointer<TFormOnther> window = ShowOmenPage("x", index);
        EXPECT_EQ(window->pageIndex(), -1);
        EXPECT_EQ(VisibleMemo(*window), nullptr);
        CloseAndFree(window);
    }
}

TEST(ShowOmenPage, LongPageScrollsAndOpensAtTheTop) {
    QPointer<TFormOnther> window = ShowOmenPage("打喷嚏占卜吉凶", 0);
    QApplication::processEvents();
    QPlainTextEdit* memo = VisibleMemo(*window);
    ASSERT_TRUE(memo);
    EXPECT_GT(memo->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(memo->verticalScrollBar()->value(), 0);
    EXPECT_EQ(memo->cursorForPosition(QPoint(2, 2)).blockNumber(), 0);
    CloseAndFree(window);
}

TEST(ShowOmenPage, HasNoTabsOrButtonsAndExplainsTheHours) {
    QPointer<TFormOnther> window = ShowOmenPage("耳鸣测吉凶", 6);
    EXPECT_EQ(window->findChildren<QTabBar*>().size(), 0);
    EXPECT_EQ(window->findChildren<QAbstractButton*>().size(), 0);
    auto* label = window->findChild<QLabel*>("RzLabel1");
    ASSERT_TRUE(label);
    EXPECT_EQ(label->text().toStdString(), kOmenExplanation);
    CloseAndFree(window);
}

}  // namespace
}  // namespace jx::test
