#include "calendar/DateWin.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <string_view>

#include "calendar/DateWinParts.h"
#include "calendar/LunarLine.h"
#include "calendar/MonthGrid.h"
#include "platform/ErrorDisplay.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/QtText.h"

namespace jx {

namespace {

constexpr QRgb kBlack = 0x000000;
constexpr QRgb kDarkGreen = 0x004000;  // the lunar day, as the template has it
constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kOrange = 0xFF8000;
constexpr QRgb kTermBlue = 0x5353FF;
// 11 points at the 96 dots per inch the layout was drawn for.
constexpr int kDayNumberPixels = 15;

// The labels placed at design time, back to front.
struct LabelLayout {
    std::string_view name;
    std::string_view text;  // placeholders are replaced before the window shows
    int left, top, width, height;
    std::string_view family;
    int pixels;
    bool bold;
    QRgb colour;
    bool centred;
};

// clang-format off
constexpr LabelLayout kWatermarks[] = {
    {"Label20", "2008", 0, 56, 313, 72, "Arial Black", 64, true, 0xFFE8DD, true},
    {"Label16", "1", 16, 146, 313, 134, "Arial Black", 120, true, 0xEBEBEB, true},
};
constexpr LabelLayout kHeader[] = {
    {"Label1", "2008", 120, 0, 76, 41, "Arial Black", 29, true, 0x0000FF, true},
    {"Label17", "1", 10, 3, 36, 37, "Arial", 32, true, 0x8080C0, true},
    {"Label18", "月", 45, 17, 0, 0, "宋体", 14, true, kBlack, false},
    {"Label19", "年", 205, 17, 0, 0, "宋体", 14, true, kBlack, false},
};
constexpr LabelLayout kTemplates[] = {
    {"day1", "1", 14, 56, 36, 16, "Arial Black", 14, true, kBlack, true},
    {"Cnday", "初一", 13, 73, 36, 12, "宋体", 12, false, kDarkGreen, true},
};
constexpr LabelLayout kSigns[] = {
    {"Label21", "子鼠", 230, 212, 78, 35, "隶书", 35, true, 0xDDDDFF, true},
    {"Label22", "摩羯座", 152, 223, 69, 23, "黑体", 19, true, 0xFF80FF, true},
};
// clang-format on

// Weekday names with their control names, Sunday first; the weekend is red.
struct Weekday {
    std::string_view heading;  // over the grid
    std::string_view footer;   // under the grid
    std::string_view text;
    QRgb colour;
};
constexpr Weekday kWeekdays[] = {
    {"Label2", "Label9", "星期日", kRed},    {"Label3", "Label10", "星期一", kBlack},
    {"Label4", "Label11", "星期二", kBlack}, {"Label6", "Label12", "星期三", kBlack},
    {"Label5", "Label13", "星期四", kBlack}, {"Label8", "Label14", "星期五", kBlack},
    {"Label7", "Label15", "星期六", kRed},
};

void setTextColour(QLabel* label, QRgb colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(colour));
    label->setPalette(palette);
}

template <class Label = QLabel>
Label* placeLabel(QWidget* parent, const LabelLayout& layout) {
    auto* label = new Label(parent);
    label->setObjectName(ToQString(layout.name));
    label->setText(ToQString(layout.text));
    label->setFont(WindowFont(ToQString(layout.family), layout.pixels, layout.bold));
    setTextColour(label, layout.colour);
    if (layout.centred) label->setAlignment(Qt::AlignCenter);
    if (layout.width > 0) {
        label->setGeometry(layout.left, layout.top, layout.width, layout.height);
    } else {
        label->move(layout.left, layout.top);
        label->adjustSize();
    }
    return label;
}

QFrame* shape(QWidget* parent, const char* name, QRect geometry, QRgb fill) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(geometry);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(1);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, QColor(fill));
    palette.setColor(QPalette::WindowText, Qt::black);
    frame->setPalette(palette);
    frame->setAutoFillBackground(true);
    return frame;
}

QWidget* bevel(QWidget* parent, const char* name, QRect geometry) {
    auto* line = new BottomLineBevel(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setGeometry(geometry);
    return line;
}

QRgb lineColour(LunarLineKind kind) {
    switch (kind) {
        case LunarLineKind::LunarDay:
            return kDarkGreen;
        case LunarLineKind::LunarMonth:
            return kRed;
        case LunarLineKind::GregorianFestival:
            return kOrange;
        case LunarLineKind::SolarTerm:
            return kTermBlue;
        case LunarLineKind::LunarFestival:
            return kOrange;
    }
    return kDarkGreen;
}

}  // namespace

TFRM_Date::TFRM_Date(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FRM_Date"));
    setWindowTitle(QStringLiteral("晴川日历"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(331, 285);
    setFont(WindowFont(QStringLiteral("宋体"), 12));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    // Centred on the desktop rather than over the main window.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    // Created back to front, so each lies above the ones before it.
    Shape1 = shape(this, "Shape1", rect(), 0xFFFFFF);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(9, 56, 297, 191);
    Label20 = placeLabel(this, kWatermarks[0]);
    Label16 = placeLabel(this, kWatermarks[1]);
    Bevel2 = bevel(this, "Bevel2", {9, 46, 297, 10});
    Shape2 = shape(this, "Shape2", {12, 56, 38, 30}, 0x7EE281);

    Label1 = placeLabel<ClickLabel>(this, kHeader[0]);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setToolTip(QStringLiteral("单击改变年份"));
    Label17 = placeLabel<ClickLabel>(this, kHeader[1]);
    Label17->setCursor(Qt::PointingHandCursor);
    Label17->setToolTip(QStringLiteral("单击改变月份"));
    Label18 = placeLabel(this, kHeader[2]);
    Label19 = placeLabel(this, kHeader[3]);
    for (int i = 0; i < 7; ++i) {
        HeadingLabels[i] =
            placeLabel(this, {kWeekdays[i].heading, kWeekdays[i].text, 19 + 40 * i, 40, 36, 12,
                              "宋体", 12, false, kWeekdays[i].colour, true});
        FooterLabels[i] =
            placeLabel(this, {kWeekdays[i].footer, kWeekdays[i].text, 20 + 40 * i, 253, 36, 12,
                              "宋体", 12, false, kWeekdays[i].colour, true});
    }
    Bevel1 = bevel(this, "Bevel1", {9, 240, 297, 10});
    day1 = placeLabel(this, kTemplates[0]);
    day1->hide();
    Cnday = placeLabel(this, kTemplates[1]);
    Cnday->hide();
    Label21 = placeLabel(this, kSigns[0]);
    Label22 = placeLabel(this, kSigns[1]);

    UpDown1 = new UpDown(kFirstLunarYear, kLastLunarYear, this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setGeometry(221, 10, 16, 24);
    UpDown2 = new UpDown(1, 12, this);
    UpDown2->setObjectName(QStringLiteral("UpDown2"));
    UpDown2->setGeometry(61, 10, 16, 24);
    StaticText1 = new ClickLabel(this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setText(QStringLiteral("今天"));
    StaticText1->setGeometry(272, 17, 28, 16);
    StaticText1->setAlignment(Qt::AlignCenter);
    StaticText1->setFrameStyle(QFrame::Box | QFrame::Plain);
    StaticText1->setCursor(Qt::PointingHandCursor);
    QPalette todayPalette = StaticText1->palette();
    todayPalette.setColor(QPalette::Window, QColor(0xCEF2D0));
    StaticText1->setPalette(todayPalette);
    StaticText1->setAutoFillBackground(true);

    connect(UpDown1, &UpDown::clicked, this, Guarded([this] { UpDown1Click(); }));
    connect(UpDown2, &UpDown::clicked, this, Guarded([this] { UpDown2Click(); }));
    connect(Label1, &ClickLabel::clicked, this, Guarded([this] { Label1Click(); }));
    connect(Label17, &ClickLabel::clicked, this, Guarded([this] { Label17Click(); }));
    connect(StaticText1, &ClickLabel::clicked, this, Guarded([this] { StaticText1Click(); }));

    // FormCreate.
    BuildGrid();
    CurrentDate = platform().today();
    // The grid labels came last; the spin buttons and "今天" stay on top.
    UpDown1->raise();
    UpDown2->raise();
    StaticText1->raise();
}

void TFRM_Date::BuildGrid() {
    const CellPlace dayFirst{day1->x(), day1->y()};
    const CellPlace lunarFirst{Cnday->x(), Cnday->y()};
    for (int cell = 1; cell <= kGridCells; ++cell) {
        auto* day = new ClickLabel(this);
        auto* lunar = new ClickLabel(this);
        DayLabels[cell] = day;
        LunarLabels[cell] = lunar;
        connect(day, &ClickLabel::clicked, this, Guarded([this, day] { CnDayClick(day); }));
        connect(day, &ClickLabel::pressed, this, Guarded([this, day] { CnDayMouseDown(day); }));
        connect(lunar, &ClickLabel::clicked, this, Guarded([this, lunar] { CHnDayClick(lunar); }));
        connect(lunar, &ClickLabel::pressed, this,
                Guarded([this, lunar] { ChnDateMouseDown(lunar); }));
        const CellPlace dayPlace = CellPosition(cell, dayFirst);
        const CellPlace lunarPlace = CellPosition(cell, lunarFirst);
        day->setGeometry(dayPlace.left, dayPlace.top, day1->width(), day1->height());
        lunar->setGeometry(lunarPlace.left, lunarPlace.top, Cnday->width(), Cnday->height());
        day->setAlignment(day1->alignment());
        lunar->setAlignment(Cnday->alignment());
        day->setFont(day1->font());
        lunar->setFont(Cnday->font());
        setTextColour(day, kBlack);
        setTextColour(lunar, Cnday->palette().color(QPalette::WindowText).rgb());
        day->hide();
        lunar->hide();
    }
}

void TFRM_Date::ShowMonth(const Date& date) {
    const int year = YearOfDate(date);
    const int month = MonthOfDate(date);
    const int selected = DayOfDate(date);
    Label20->setText(QString::number(year));
    Label1->setText(QString::number(year));
    Label17->setText(QString::number(month));
    Label16->setText(Label17->text());
    Label21->setText(QString::fromStdString(ZodiacAnimal(date)));

    QFont dayFont = day1->font();
    dayFont.setPixelSize(kDayNumberPixels);
    for (int cell = 1; cell <= kGridCells; ++cell) {
        DayLabels[cell]->hide();
        LunarLabels[cell]->hide();
        setTextColour(DayLabels[cell], kBlack);
        setTextColour(LunarLabels[cell], kBlack);
        DayLabels[cell]->setFont(dayFont);
    }

    // Whatever goes wrong while the cells are filled ends the filling quietly:
    // the cells not reached stay hidden.
    try {
        const int first = CellOfDay(date, 1);
        const int length = MonthLengthOf(date);
        for (int day = 1; day <= length; ++day) {
            const int cell = first + day - 1;  // [1, 37]
            const Date cellDate = ClampedDate(year, month, day);
            ClickLabel* dayLabel = DayLabels[cell];
            ClickLabel* lunarLabel = LunarLabels[cell];
            dayLabel->setText(QString::number(day));
            dayLabel->setProperty("tag", day);
            lunarLabel->setProperty("tag", day);
            const LunarLine line = LunarLineOf(cellDate);
            lunarLabel->setText(QString::fromStdString(line.text));
            setTextColour(lunarLabel, lineColour(line.kind));
            if (day == selected) {
                Shape2->move(dayLabel->x() - 1, dayLabel->y() + 1);
                Label22->setText(QString::fromStdString(ConstellationOfDay(selected, cellDate)));
            }
            dayLabel->show();
            lunarLabel->show();
        }
    } catch (...) {
    }
}

void TFRM_Date::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) RunGuarded([this] { FormShow(); });
}

// Today may lie outside 1901–2050, where the engine knows no lunar calendar.
// The window then still shows today's own month: day numbers, public
// festivals, the sign and the Gregorian year's animal, with empty lunar lines;
// the year spin button holds the nearest limit, so its first click brings the
// view back into the range.
void TFRM_Date::FormShow() {
    SelYear = YearOfDate(CurrentDate);
    SelMonth = MonthOfDate(CurrentDate);
    SelDay = DayOfDate(CurrentDate);
    UpDown1->setPosition(SelYear);
    UpDown2->setPosition(SelMonth);
    ShowMonth(CurrentDate);
}

void TFRM_Date::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) return;
    // Only a window that has been active can lose activation; the change that
    // comes before the first activation is not a deactivation.
    if (isActiveWindow())
        wasActive_ = true;
    else if (wasActive_)
        RunGuarded([this] { FormDeactivate(); });
}

void TFRM_Date::FormDeactivate() {
    wasActive_ = false;
    close();
}

void TFRM_Date::StoreSelectedDate() { CurrentDate = ClampedDate(SelYear, SelMonth, SelDay); }

void TFRM_Date::UpDown1Click() {
    SelYear = UpDown1->position();
    ShowMonth(ClampedDate(SelYear, SelMonth, SelDay));
}

void TFRM_Date::UpDown2Click() {
    SelMonth = UpDown2->position();
    ShowMonth(ClampedDate(SelYear, SelMonth, SelDay));
}

void TFRM_Date::Label1Click() {
    UpDown1->show();
    UpDown2->hide();
}

void TFRM_Date::Label17Click() {
    UpDown2->show();
    UpDown1->hide();
}

void TFRM_Date::CnDayMouseDown(QLabel* label) { Shape2->move(label->x() - 1, label->y() + 1); }

void TFRM_Date::ChnDateMouseDown(QLabel* label) { Shape2->move(label->x(), label->y() - 16); }

void TFRM_Date::CnDayClick(QLabel* label) {
    SelDay = label->property("tag").toInt();
    StoreSelectedDate();
}

void TFRM_Date::StaticText1Click() {
    CurrentDate = platform().today();
    FormShow();
}

}  // namespace jx
