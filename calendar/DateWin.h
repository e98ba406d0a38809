#pragma once
// The perpetual-calendar window: one Gregorian month as a grid of days, each
// with its line of Chinese-calendar text, a header with year and month, the
// selected day boxed, and the year's animal and the day's sign below.
#include <QDialog>
#include <array>

#include "calendar/DateCn.h"

class QFrame;
class QLabel;

namespace jx {

class ClickLabel;
class UpDown;

class TFRM_Date : public QDialog {
    Q_OBJECT
public:
    explicit TFRM_Date(QWidget* parent = nullptr);

    // What is shown and selected. One window exists at a time, so these live
    // in the window rather than beside it.
    Date CurrentDate;
    int SelYear = 0;
    int SelMonth = 0;
    int SelDay = 0;

    // Cells 1–37; index 0 is unused so that cell numbers read as they count.
    std::array<ClickLabel*, 38> DayLabels{};
    std::array<ClickLabel*, 38> LunarLabels{};

    QFrame* Shape1;
    QLabel* Image1;
    QLabel* Label20;  // year watermark
    QLabel* Label16;  // month watermark
    QWidget* Bevel2;
    QFrame* Shape2;       // box round the selected day
    ClickLabel* Label1;   // year
    ClickLabel* Label17;  // month
    QLabel* Label18;
    QLabel* Label19;
    UpDown* UpDown1;                         // year, 1901–2050
    UpDown* UpDown2;                         // month, 1–12
    ClickLabel* StaticText1;                 // "今天"
    std::array<QLabel*, 7> HeadingLabels{};  // Label2 … Label7, Sunday first
    std::array<QLabel*, 7> FooterLabels{};   // Label9 … Label15, Sunday first
    QWidget* Bevel1;
    QLabel* day1;     // template of the day-number labels
    QLabel* Cnday;    // template of the lunar-text labels
    QLabel* Label21;  // zodiac animal
    QLabel* Label22;  // western sign of the selected day

    // Fills header and grid for the date's month and boxes the date's day.
    void ShowMonth(const Date& date);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildGrid();
    void FormShow();
    void FormDeactivate();
    void StoreSelectedDate();
    void UpDown1Click();
    void UpDown2Click();
    void Label1Click();
    void Label17Click();
    void CnDayMouseDown(QLabel* label);
    void ChnDateMouseDown(QLabel* label);
    void CnDayClick(QLabel* label);
    void CHnDayClick(QLabel* label) { CnDayClick(label); }
    void StaticText1Click();

    bool wasActive_ = false;
};

}  // namespace jx
