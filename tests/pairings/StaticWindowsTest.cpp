#include <gtest/gtest.h>

#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "pairings/BabySexChart.h"
#include "pairings/Pictures.h"
#include "pairings/Uabout.h"
#include "pairings/Unt_servers.h"
#include "pairings/Untabt.h"
#include "tests/support/FakePlatform.h"

namespace jx::test {
namespace {

bool IsDark(QRgb pixel) { return qGray(pixel) < 96 && qAlpha(pixel) > 0; }

// Counts pixels of a cell leaning to blue (boy) and to red (girl).
std::pair<int, int> BlueAndRed(const QImage& image, const QRect& cell) {
    int blue = 0;
    int red = 0;
    for (int y = cell.top() + 2; y < cell.bottom() - 1; ++y)
        for (int x = cell.left() + 2; x < cell.right() - 1; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > c.red() + 40) ++blue;
            if (c.red() > c.blue() + 40) ++red;
        }
    return {blue, red};
}

TEST(ChartPicture, RulesEveryColumnAndRowBorder) {
    for (const auto& [page, size] :
         {std::pair{&kChartYoung, QSize(563, 322)}, std::pair{&kChartOlder, QSize(537, 344)}}) {
        const QImage image = DrawChartPicture(*page, size);
        const ChartGrid grid = ChartGridFor(*page, size);
        ASSERT_EQ(image.size(), size);
        ASSERT_GT(grid.cornerWidth, 30);
        ASSERT_GT(grid.headerHeight, 30);
        EXPECT_EQ(grid.grid().right(), size.width() - 1);
        EXPECT_EQ(grid.grid().bottom(), size.height() - 1);
        for (int month = 0; month < 12; ++month) {
            const int y = grid.cell(0, month).center().y();
            for (int column = 0; column <= grid.ages; ++column)
                EXPECT_TRUE(IsDark(image.pixel(grid.cornerWidth + column * grid.cellWidth, y)))
                    << "column rule " << column << " month " << month;
            EXPECT_TRUE(IsDark(image.pixel(0, y)));
        }
        for (int month = 0; month <= 12; ++month) {
            const int y = grid.cell(0, month).top();
            EXPECT_TRUE(IsDark(image.pixel(grid.cell(3, 0).center().x(), y))) << month;
        }
    }
}

TEST(ChartPicture, CellsAreDrawnFromTheTable) {
    // Boys are written in blue, girls in red.
    for (const ChartPage* page : {&kChartYoung, &kChartOlder}) {
        const QSize size = page == &kChartYoung ? QSize(563, 322) : QSize(537, 344);
        const QImage image = DrawChartPicture(*page, size);
        const ChartGrid grid = ChartGridFor(*page, size);
        for (int month = 1; month <= 12; ++month)
            for (int age = page->firstAge; age <= page->lastAge; ++age) {
                const auto [blue, red] =
                    BlueAndRed(image, grid.cell(age - page->firstAge, month - 1));
                if (*ChartCell(age, month) == "男")
                    EXPECT_TRUE(blue > 5 && red == 0) << age << " " << month;
                else
                    EXPECT_TRUE(red > 5 && blue == 0) << age << " " << month;
            }
    }
}

TEST(ChartWindow, ThreePagesOfPicturesStartingOnTheFirst) {
    ScopedFakePlatform fake;
    TFrm_NanNv window;
    window.show();
    EXPECT_EQ(window.windowTitle(), "生男生女");
    auto* pages = window.findChild<QTabWidget*>("RzPageControl1");
    ASSERT_TRUE(pages);
    ASSERT_EQ(pages->count(), 3);
    EXPECT_EQ(pages->tabText(0), "18到31岁");
    EXPECT_EQ(pages->tabText(1), "32到44岁");
    EXPECT_EQ(pages->tabText(2), "生男生女有秘诀");
    EXPECT_EQ(pages->currentIndex(), 0);
    const std::pair<const char*, QSize> pictures[] = {
        {"Image1", {563, 322}}, {"Image2", {537, 344}}, {"Image3", {544, 178}}};
    for (const auto& [name, size] : pictures) {
        auto* image = window.findChild<QLabel*>(name);
        ASSERT_TRUE(image) << name;
        EXPECT_EQ(image->pixmap().size(), size) << name;
        EXPECT_EQ(image->pos(), QPoint(0, 0)) << name;
    }
    auto* label = window.findChild<QLabel*>("RzLabel1");
    ASSERT_TRUE(label);
    EXPECT_TRUE(label->text().startsWith("说明：此表年龄为母亲虚岁年龄"));

    // The user switches pages with the tabs; a new window starts on the first again.
    auto* tabs = pages->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(pages->currentIndex(), 1);
    window.close();
    TFrm_NanNv again;
    EXPECT_EQ(again.findChild<QTabWidget*>("RzPageControl1")->currentIndex(), 0);
}

TEST(ServiceWindow, FourBlocksWithIconsHeadingsAndExplanations) {
    TFrm_servers window;
    EXPECT_EQ(window.windowTitle(), "客户服务");
    const char* blocks[][3] = {{"Image1", "Label1", "Label2"},
                               {"Image2", "Label5", "Label3"},
                               {"Image3", "Label4", "Label6"},
                               {"Image4", "Label7", "Label8"}};
    int previousTop = -1;
    for (const auto& names : blocks) {
        auto* image = window.findChild<QLabel*>(names[0]);
        auto* heading = window.findChild<QLabel*>(names[1]);
        auto* text = window.findChild<QLabel*>(names[2]);
        ASSERT_TRUE(image && heading && text) << names[0];
        EXPECT_EQ(image->pixmap().size(), QSize(41, 41));
        EXPECT_TRUE(heading->font().bold());
        EXPECT_FALSE(heading->text().isEmpty());
        EXPECT_TRUE(text->wordWrap());
        EXPECT_LT(image->x(), heading->x());
        EXPECT_GT(image->y(), previousTop);
        previousTop = image->y();
    }
    // The first and the last block share the contacts picture.
    EXPECT_EQ(window.findChild<QLabel*>("Image1")->pixmap().toImage(),
              window.findChild<QLabel*>("Image4")->pixmap().toImage());
    EXPECT_NE(window.findChild<QLabel*>("Image1")->pixmap().toImage(),
              window.findChild<QLabel*>("Image2")->pixmap().toImage());
}

TEST(AboutWindow, PictureLeftAndFiveLinesTopToBottom) {
    TAbout window;
    EXPECT_EQ(window.windowTitle(), "关于系统");
    EXPECT_EQ(window.size(), QSize(321, 149));
    auto* image = window.findChild<QLabel*>("Image1");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixmap().size(), QSize(150, 150));
    auto* name = window.findChild<QLabel*>("RzLabel2");
    ASSERT_TRUE(name);
    EXPECT_EQ(name->text(), "吉星择日通");
    EXPECT_TRUE(name->font().bold());
    int previousTop = -1;
    for (const char* line : {"RzLabel2", "RzLabel1", "RzLabel4", "RzLabel3", "RzLabel6"}) {
        auto* label = window.findChild<QLabel*>(line);
        ASSERT_TRUE(label) << line;
        EXPECT_GE(label->x(), 153) << line;
        EXPECT_GT(label->y(), previousTop) << line;
        previousTop = label->y();
    }
}

}  // namespace
}  // namespace jx::test
