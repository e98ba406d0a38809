#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "calendar/DateWin.h"
#include "calendar/DateWinParts.h"
#include "calendar/MonthGrid.h"
#include "tests/support/FakePlatform.h"

namespace jx {
namespace {

using namespace std::chrono;

constexpr QRgb kBlack = 0x000000;
constexpr QRgb kDarkGreen = 0x004000;
constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kOrange = 0xFF8000;
constexpr QRgb kTermBlue = 0x5353FF;

QRgb colourOf(const QLabel* label) {
    return label->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF;
}

class DateWinTest : public ::testing::Test {
public:
    test::ScopedFakePlatform fake;
    std::unique_ptr<TFRM_Date> window;

    void open(Date today) {
        fake->todayDate = today;
        window = std::make_unique<TFRM_Date>();
        window->show();
        QApplication::processEvents();
    }

    // The cells whose labels are shown, in order.
    std::vector<int> filledCells() const {
        std::vector<int> cells;
        for (int cell = 1; cell <= kGridCells; ++cell) {
            const bool day = window->DayLabels[cell]->isVisible();
            EXPECT_EQ(day, window->LunarLabels[cell]->isVisible()) << "cell " << cell;
            if (day) cells.push_back(cell);
        }
        return cells;
    }

    int cellOfDay(int day) const {
        for (int cell = 1; cell <= kGridCells; ++cell)
            if (window->DayLabels[cell]->isVisible() &&
                window->DayLabels[cell]->text() == QString::number(day))
                return cell;
        ADD_FAILURE() << "day " << day << " is not shown";
        return 1;
    }

    QLabel* dayLabel(int day) const { return window->DayLabels[cellOfDay(day)]; }
    QLabel* lunarLabel(int day) const { return window->LunarLabels[cellOfDay(day)]; }

    // The day the green box stands on, or 0 when it stands on none.
    int boxedDay() const {
        const QPoint box = window->Shape2->pos();
        for (int cell = 1; cell <= kGridCells; ++cell) {
            const QLabel* label = window->DayLabels[cell];
            if (label->isVisible() && box == label->pos() + QPoint(-1, 1))
                return label->text().toInt();
        }
        return 0;
    }

    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void yearUp() { click(window->UpDown1->upButton()); }
    void yearDown() { click(window->UpDown1->downButton()); }
    void monthUp() { click(window->UpDown2->upButton()); }
    void monthDown() { click(window->UpDown2->downButton()); }

    std::vector<int> cellRange(int first, int last) const {
        std::vector<int> cells;
        for (int cell = first; cell <= last; ++cell) cells.push_back(cell);
        return cells;
    }
};

TEST_F(DateWinTest, ControlsStandWhereTheLayoutPutsThem) {
    open(year{2008} / 2 / 6);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("晴川日历"));
    EXPECT_EQ(window->size(), QSize(331, 285));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    struct Place {
        const char* name;
        QRect geometry;
    };
    const Place places[] = {
        {"Shape1", {0, 0, 331, 285}},    {"Image1", {9, 56, 297, 191}},
        {"Label20", {0, 56, 313, 72}},   {"Label16", {16, 146, 313, 134}},
        {"Bevel2", {9, 46, 297, 10}},    {"Label1", {120, 0, 76, 41}},
        {"Label17", {10, 3, 36, 37}},    {"UpDown1", {221, 10, 16, 24}},
        {"UpDown2", {61, 10, 16, 24}},   {"StaticText1", {272, 17, 28, 16}},
        {"Label2", {19, 40, 36, 12}},    {"Label7", {259, 40, 36, 12}},
        {"Label9", {20, 253, 36, 12}},   {"Label15", {260, 253, 36, 12}},
        {"Bevel1", {9, 240, 297, 10}},   {"day1", {14, 56, 36, 16}},
        {"Cnday", {13, 73, 36, 12}},     {"Label21", {230, 212, 78, 35}},
        {"Label22", {152, 223, 69, 23}},
    };
    for (const Place& place : places) {
        SCOPED_TRACE(place.name);
        const auto* control = window->findChild<QWidget*>(QString::fromLatin1(place.name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), place.geometry);
    }
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label18"))->pos(), QPoint(45, 17));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label19"))->pos(), QPoint(205, 17));
    EXPECT_FALSE(window->day1->isVisible());
    EXPECT_FALSE(window->Cnday->isVisible());
    EXPECT_TRUE(window->UpDown1->isVisible());
    EXPECT_TRUE(window->UpDown2->isVisible());
    EXPECT_EQ(window->Label1->toolTip(), QStringLiteral("单击改变年份"));
    EXPECT_EQ(window->Label17->toolTip(), QStringLiteral("单击改变月份"));
    EXPECT_EQ(window->StaticText1->text(), QStringLiteral("今天"));
}

TEST_F(DateWinTest, WeekdayNamesHaveARedWeekend) {
    open(year{2008} / 2 / 6);
    const char* names[] = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        const QRgb colour = i == 0 || i == 6 ? kRed : kBlack;
        for (QLabel* label : {window->HeadingLabels[i], window->FooterLabels[i]}) {
            EXPECT_EQ(label->text(), QString::fromUtf8(names[i]));
            EXPECT_EQ(colourOf(label), colour);
        }
        EXPECT_EQ(window->HeadingLabels[i]->x(), 19 + 40 * i);
        EXPECT_EQ(window->FooterLabels[i]->x(), 20 + 40 * i);
    }
    EXPECT_EQ(window->HeadingLabels[3]->objectName(), QStringLiteral("Label6"));  // 星期三
}

TEST_F(DateWinTest, GridCellsStandInRowsOfSevenFortyTwoPixelsApart) {
    open(year{2008} / 2 / 6);
    const int lefts[] = {14, 56, 98, 140, 182, 224, 266};
    const int tops[] = {56, 88, 120, 152, 184, 216};
    for (int cell = 1; cell <= kGridCells; ++cell) {
        SCOPED_TRACE(cell);
        const int column = (cell - 1) % 7;
        const int row = (cell - 1) / 7;
        EXPECT_EQ(window->DayLabels[cell]->geometry(), QRect(lefts[column], tops[row], 36, 16));
        EXPECT_EQ(window->LunarLabels[cell]->geometry(),
                  QRect(lefts[column] - 1, tops[row] + 17, 36, 12));
    }
}

TEST_F(DateWinTest, February2008FillsCellsSixToThirtyFourWithItsFestivals) {
    open(year{2008} / 2 / 6);
    EXPECT_EQ(filledCells(), cellRange(6, 34));
    EXPECT_EQ(window->DayLabels[6]->text(), QStringLiteral("1"));
    EXPECT_EQ(window->LunarLabels[6]->text(), QStringLiteral("廿五"));
    EXPECT_EQ(window->Label1->text(), QStringLiteral("2008"));
    EXPECT_EQ(window->Label20->text(), QStringLiteral("2008"));
    EXPECT_EQ(window->Label17->text(), QStringLiteral("2"));
    EXPECT_EQ(window->Label16->text(), QStringLiteral("2"));
    struct Line {
        int day;
        const char* text;
        QRgb colour;
    };
    const Line lines[] = {
        {1, "廿五", kDarkGreen}, {4, "立春", kTermBlue},  {6, "除夕", kOrange},
        {7, "春节", kOrange},    {8, "初二", kDarkGreen}, {14, "情人节", kOrange},
        {19, "雨水", kTermBlue}, {21, "元宵节", kOrange}, {29, "廿三", kDarkGreen},
    };
    for (const Line& line : lines) {
        SCOPED_TRACE(line.day);
        EXPECT_EQ(lunarLabel(line.day)->text(), QString::fromUtf8(line.text));
        EXPECT_EQ(colourOf(lunarLabel(line.day)), line.colour);
    }
    for (int cell : filledCells()) EXPECT_EQ(colourOf(window->DayLabels[cell]), kBlack);
    EXPECT_EQ(boxedDay(), 6);
    EXPECT_EQ(window->Label21->text(), QStringLiteral("亥猪"));
    EXPECT_EQ(window->Label22->text(), QStringLiteral("水瓶座"));
}

TEST_F(DateWinTest, MonthsFillTheCellsFromTheWeekdayOfTheirFirst) {
    struct Case {
        Date date;
        int first;
        int last;
    };
    const Case cases[] = {
        {year{2008} / 3 / 1, 7, 37},  // starts on a Saturday, reaches the sixth row
        {year{2009} / 8 / 1, 7, 37},
        {year{2009} / 2 / 1, 1, 28},  // exactly four rows
        {year{2008} / 6 / 1, 1, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.date.year()) * 100 +
                     static_cast<int>(unsigned(c.date.month())));
        open(c.date);
        EXPECT_EQ(filledCells(), cellRange(c.first, c.last));
        EXPECT_EQ(window->DayLabels[c.first]->text(), QStringLiteral("1"));
    }
}

TEST_F(DateWinTest, TheStrongestNameOfADayColoursItsLine) {
    struct Case {
        Date date;
        const char* text;
        QRgb colour;
    };
    const Case cases[] = {
        {year{2008} / 4 / 6, "三月", kRed},       // first day of a lunar month
        {year{2008} / 3 / 8, "妇女节", kOrange},  // 二月初一, but a public festival
        {year{2020} / 5 / 23, "闰四", kRed},      // first day of a leap month
        {year{2008} / 8 / 7, "七夕节", kOrange},  // also 立秋: the lunar festival wins
        {year{2008} / 12 / 21, "冬至", kTermBlue},
        {year{2009} / 6 / 27, "初五", kDarkGreen},  // a leap month has no 端午节
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        open(c.date);
        const int day = static_cast<int>(unsigned(c.date.day()));
        EXPECT_EQ(lunarLabel(day)->text(), QString::fromUtf8(c.text));
        EXPECT_EQ(colourOf(lunarLabel(day)), c.colour);
    }
}

TEST_F(DateWinTest, TheSelectedDayIsKeptAndCutToEachMonth) {
    open(year{2008} / 3 / 31);
    EXPECT_EQ(boxedDay(), 31);
    monthUp();
    EXPECT_EQ(window->Label17->text(), QStringLiteral("4"));
    EXPECT_EQ(boxedDay(), 30);
    monthUp();
    EXPECT_EQ(window->Label17->text(), QStringLiteral("5"));
    EXPECT_EQ(boxedDay(), 31);  // SelDay stayed 31
    EXPECT_EQ(window->SelDay, 31);
}

TEST_F(DateWinTest, TheTwentyNinthOfFebruaryBecomesTheTwentyEighthNextYear) {
    open(year{2008} / 2 / 29);
    yearUp();
    EXPECT_EQ(window->Label1->text(), QStringLiteral("2009"));
    EXPECT_EQ(window->Label17->text(), QStringLiteral("2"));
    EXPECT_EQ(filledCells(), cellRange(1, 28));
    EXPECT_EQ(boxedDay(), 28);
}

TEST_F(DateWinTest, SpinButtonsStopAtTheirLimits) {
    struct Case {
        Date today;
        void (DateWinTest::*press)();
        bool year;  // which header label shows the limit
        const char* shown;
    };
    const Case cases[] = {
        {year{2050} / 6 / 1, &DateWinTest::yearUp, true, "2050"},
        {year{1901} / 6 / 1, &DateWinTest::yearDown, true, "1901"},
        {year{2008} / 12 / 10, &DateWinTest::monthUp, false, "12"},
        {year{2008} / 1 / 10, &DateWinTest::monthDown, false, "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        open(c.today);
        (this->*c.press)();
        (this->*c.press)();
        const QLabel* header = c.year ? window->Label1 : window->Label17;
        EXPECT_EQ(header->text(), QString::fromLatin1(c.shown));
        EXPECT_EQ(window->Label1->text().toInt(), window->UpDown1->position());
        EXPECT_EQ(window->Label17->text().toInt(), window->UpDown2->position());
    }
}

TEST_F(DateWinTest, ADayClickMovesTheBoxButRedrawsNothing) {
    open(year{2008} / 2 / 6);
    click(dayLabel(20));
    EXPECT_EQ(boxedDay(), 20);
    EXPECT_EQ(window->SelDay, 20);
    EXPECT_EQ(window->CurrentDate, year{2008} / 2 / 20);
    EXPECT_EQ(window->Label21->text(), QStringLiteral("亥猪"));
    EXPECT_EQ(window->Label22->text(), QStringLiteral("水瓶座"));  // not yet 双鱼座

    click(lunarLabel(7));  // the lunar line boxes its cell just as the number does
    EXPECT_EQ(boxedDay(), 7);
    EXPECT_EQ(window->Label21->text(), QStringLiteral("亥猪"));
    monthUp();
    monthDown();
    EXPECT_EQ(boxedDay(), 7);
    EXPECT_EQ(window->Label21->text(), QStringLiteral("子鼠"));
}

TEST_F(DateWinTest, TodayReturnsFromAnotherMonth) {
    open(year{2008} / 2 / 6);
    yearUp();
    monthUp();
    click(dayLabel(3));
    click(window->StaticText1);
    EXPECT_EQ(window->Label1->text(), QStringLiteral("2008"));
    EXPECT_EQ(window->Label17->text(), QStringLiteral("2"));
    EXPECT_EQ(boxedDay(), 6);
    EXPECT_EQ(window->UpDown1->position(), 2008);
    EXPECT_EQ(window->UpDown2->position(), 2);
    monthUp();  // the spin buttons go on from today
    EXPECT_EQ(window->Label17->text(), QStringLiteral("3"));
    EXPECT_EQ(window->Label1->text(), QStringLiteral("2008"));
}

TEST_F(DateWinTest, YearAndMonthClicksShowTheirOwnSpinButton) {
    open(year{2008} / 2 / 6);
    click(window->Label1);
    EXPECT_TRUE(window->UpDown1->isVisible());
    EXPECT_FALSE(window->UpDown2->isVisible());
    click(window->Label17);
    EXPECT_TRUE(window->UpDown2->isVisible());
    EXPECT_FALSE(window->UpDown1->isVisible());
}

TEST_F(DateWinTest, TodayAfterTheTablesShowsItsOwnMonthWithoutLunarLines) {
    open(year{2060} / 3 / 15);
    EXPECT_EQ(window->Label1->text(), QStringLiteral("2060"));
    EXPECT_EQ(window->UpDown1->position(), 2050);
    EXPECT_EQ(filledCells().size(), 31u);
    EXPECT_EQ(boxedDay(), 15);
    EXPECT_TRUE(lunarLabel(1)->text().isEmpty());
    EXPECT_EQ(lunarLabel(8)->text(), QStringLiteral("妇女节"));
    yearUp();  // already at its limit: back inside the tables
    EXPECT_EQ(window->Label1->text(), QStringLiteral("2050"));
    EXPECT_FALSE(lunarLabel(1)->text().isEmpty());
}

TEST_F(DateWinTest, LosingActivationClosesTheWindow) {
    open(year{2008} / 2 / 6);
    window->activateWindow();
    QApplication::processEvents();
    if (!window->isActiveWindow()) GTEST_SKIP() << "this platform does not activate windows";
    QWidget other;
    other.show();
    other.activateWindow();
    QApplication::processEvents();
    EXPECT_FALSE(window->isVisible());
}

TEST(MonthGrid, MonthLengthsFollowTheGregorianLeapRule) {
    struct Case {
        int year, month, length;
    };
    const Case cases[] = {{2008, 2, 29}, {2009, 2, 28},  {1900, 2, 28}, {2000, 2, 29},
                          {2008, 4, 30}, {2008, 12, 31}, {2008, 0, 0},  {2008, 13, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(MonthLength(c.year, c.month), c.length) << c.year << "-" << c.month;
}

TEST(MonthGrid, ClampedDateCutsTheDayToTheMonth) {
    EXPECT_EQ(ClampedDate(2009, 2, 29), year{2009} / 2 / 28);
    EXPECT_EQ(ClampedDate(2008, 4, 31), year{2008} / 4 / 30);
    EXPECT_EQ(ClampedDate(2008, 5, 31), year{2008} / 5 / 31);
    EXPECT_EQ(ClampedDate(2008, 5, 0), year{2008} / 5 / 1);
}

}  // namespace
}  // namespace jx
