#include "app/Unt_Main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "almanac/DateLists.h"
#include "almanac/huangdao.h"
#include "app/DateSelection.h"
#include "app/PictureBox.h"
#include "app/Pictures.h"
#include "common/Publisher.h"
#include "common/ShowInfo.h"
#include "pairings/UntOnther.h"
#include "platform/Controls.h"
#include "platform/ErrorDisplay.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/QtText.h"
#include "platform/WindowPlacement.h"

namespace jx {

namespace {

QPushButton* panelButton(QWidget* parent, const char* name, const QString& text, QRect geometry,
                         const char* colour) {
    QPushButton* b = PlaceButton(parent, name, text, geometry);
    b->setFont(WindowFont(QStringLiteral("宋体"), 12, true));
    b->setStyleSheet(QStringLiteral("QPushButton { color: %1; }").arg(QLatin1String(colour)));
    return b;
}

}  // namespace

TFrmmain::TFrmmain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Frmmain"));
    setWindowTitle(QStringLiteral("吉星择日通"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    setFont(WindowFont(QStringLiteral("宋体"), 12));
    // 800 × 600 outside, less a usual frame of 4 pixels and a 30-pixel title bar.
    resize(792, 566);
    CentreOnScreen(*this);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    RzPanel1 = new QFrame(central);
    RzPanel1->setObjectName(QStringLiteral("RzPanel1"));
    RzPanel1->setFixedHeight(84);
    RzPanel1->setFrameShape(QFrame::Box);
    RzPanel1->setFrameShadow(QFrame::Sunken);
    column->addWidget(RzPanel1);
    buildTopPanel();

    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    ScrollBox1 = new QScrollArea(central);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFixedWidth(186);
    ScrollBox1->setWidgetResizable(true);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RzPageControl1 = new QTabWidget;
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    buildTabs();
    ScrollBox1->setWidget(RzPageControl1);
    row->addWidget(ScrollBox1);
    auto* background = new PictureBox(&BackgroundPicture, central);
    background->setObjectName(QStringLiteral("RzPanel3"));
    row->addWidget(background, 1);
    column->addLayout(row, 1);
    setCentralWidget(central);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("RzStatusBar1"));
    status->setFixedHeight(20);
    status->setSizeGripEnabled(false);
    RzStatusPane1 = new QLabel(ToQString(publisher::kWelcomeLine), status);
    RzStatusPane1->setObjectName(QStringLiteral("RzStatusPane1"));
    RzStatusPane1->setStyleSheet(QStringLiteral("color: #000080;"));
    status->addWidget(RzStatusPane1, 1);
    setStatusBar(status);

    buildMenus();
}

void TFrmmain::buildTopPanel() {
    auto* banner = new PictureBox(&BannerPicture, RzPanel1);
    banner->setObjectName(QStringLiteral("Image1"));
    banner->setGeometry(0, 0, 2000, 84);  // stretched over the whole panel
    banner->lower();

    // The controls sit right of the title painted on the banner.
    constexpr int x = 300;
    QLabel* prompt = PlaceLabel(RzPanel1, "RzLabel1", QStringLiteral("选择黄历："), x, 15);
    const DateLists lists = CreateDateLists(RzPanel1);
    SYear = lists.year;
    SMonth = lists.month;
    Sday = lists.day;
    SYear->setGeometry(x + 68, 11, 54, 20);
    QLabel* yearLabel = PlaceLabel(RzPanel1, "Label15", QStringLiteral("年"), x + 124, 15);
    SMonth->setGeometry(x + 140, 11, 42, 20);
    QLabel* monthLabel = PlaceLabel(RzPanel1, "Label16", QStringLiteral("月"), x + 184, 15);
    Sday->setGeometry(x + 200, 11, 41, 20);
    QLabel* dayLabel = PlaceLabel(RzPanel1, "Label17", QStringLiteral("日"), x + 243, 15);
    for (QLabel* l : {prompt, yearLabel, monthLabel, dayLabel})
        l->setStyleSheet(QStringLiteral("color: #FFF3C8;"));

    RzButton57 = panelButton(RzPanel1, "RzButton57", QStringLiteral("查询"), {x + 262, 9, 66, 24},
                             "#0000FF");
    RzButton56 =
        panelButton(RzPanel1, "RzButton56", QStringLiteral("本日吉日"), {x, 48, 78, 24}, "#FF0000");
    RzButton4 = panelButton(RzPanel1, "RzButton4", QStringLiteral("客户服务"), {x + 84, 48, 78, 24},
                            "#FF0000");
    RzButton60 = panelButton(RzPanel1, "RzButton60", QStringLiteral("软件主页"),
                             {x + 168, 48, 78, 24}, "#FF0000");
    RzButton59 = panelButton(RzPanel1, "RzButton59", QStringLiteral("QQ对话"),
                             {x + 252, 48, 78, 24}, "#FF0000");

    for (const ButtonEntry& entry : kTopPanelButtons)
        bindCommand(RzPanel1->findChild<QPushButton*>(ToQString(entry.name)), &QPushButton::clicked,
                    entry.command);
}

void TFrmmain::buildTabs() {
    for (const TabPage& page : kTabPages) {
        auto* panel = new QWidget;
        panel->setObjectName(ToQString(page.panel));
        panel->setProperty("sheet", ToQString(page.sheet));
        const int rows = (static_cast<int>(page.buttons.size()) + page.columns - 1) / page.columns;
        // Buttons touch their neighbours, so that the 18 rows of the first tab fit
        // the column's height without a scroll bar.
        const int pitch = page.buttonHeight;
        for (std::size_t i = 0; i < page.buttons.size(); ++i) {
            const ButtonEntry& entry = page.buttons[i];
            const int column = static_cast<int>(i) % page.columns;
            const int row = static_cast<int>(i) / page.columns;
            auto* button = new QPushButton(ToQString(entry.caption), panel);
            button->setObjectName(ToQString(entry.name));
            button->setGeometry(1 + column * page.buttonWidth, 2 + row * pitch, page.buttonWidth,
                                page.buttonHeight);
            bindCommand(button, &QPushButton::clicked, entry.command);
        }
        panel->setMinimumSize(2 + page.columns * page.buttonWidth, 4 + rows * pitch);
        RzPageControl1->addTab(panel, ToQString(page.caption));
    }
    RzPanel2 = RzPageControl1->widget(0);
    RzPanel5 = RzPageControl1->widget(1);
    RzPageControl1->setCurrentIndex(0);
}

template <class Control, class Signal>
void TFrmmain::bindCommand(Control* control, Signal signal, Command command) {
    if (control == nullptr || command == Command::None) return;
    connect(control, signal, this, Guarded([this, command] { Execute(command); }));
}

void TFrmmain::Execute(Command command) {
    const CommandInfo& info = Describe(command);
    switch (info.kind) {
        case CommandKind::NoEffect:
            return;
        case CommandKind::DateQuery:
            RzButton57Click();
            return;
        case CommandKind::DayView:
            RzButton56Click();
            return;
        case CommandKind::OmenPage:
            ShowOmenPage(ToQString(info.target), info.omenPage, this);
            return;
        case CommandKind::ModalWindow:
            featureWindows_.open(command);
            return;
        case CommandKind::Link:
            platform().openUrl(ToQString(info.target));
            return;
        case CommandKind::Notice:
            ShowInfo(info.target);
            return;
        case CommandKind::Exit:
            dxBarButton5Click();
            return;
    }
}

void TFrmmain::buildMenus() {
    menuBar()->setObjectName(QStringLiteral("dxBarManager1"));
    for (const Menu& menu : kMenus)
        addMenuEntries(menuBar()->addMenu(ToQString(menu.caption)), menu.entries);
}

void TFrmmain::addMenuEntries(QMenu* menu, std::span<const MenuEntry> entries) {
    for (const MenuEntry& entry : entries) {
        if (entry.separatorBefore) menu->addSeparator();
        if (!entry.submenu.empty()) {
            addMenuEntries(menu->addMenu(ToQString(entry.caption)), entry.submenu);
            continue;
        }
        bindCommand(menu->addAction(ToQString(entry.caption)), &QAction::triggered, entry.command);
    }
}

void TFrmmain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    RunGuarded([this] { FormShow(); });
}

void TFrmmain::FormShow() { FillEmptyWithToday({SYear, SMonth, Sday}); }

void TFrmmain::RzButton57Click() {
    const DateCheck check =
        CheckDateSelection(SYear->currentText().toStdString(), SMonth->currentText().toStdString(),
                           Sday->currentText().toStdString());
    if (!check.selection) {
        ShowInfo(check.message);
        return;
    }
    OpenDayView(check.selection->year, check.selection->month, check.selection->day, this);
}

void TFrmmain::RzButton56Click() {
    auto* view = new TFormHuangdao(this);
    view->show();
}

bool TFrmmain::ConfirmExit() {
    if (!platform().askYesNo(QStringLiteral("询问"), QStringLiteral("您是否确定要退出系统？")))
        return false;
    platform().openUrl(ToQString(publisher::kHomePage));
    exitConfirmed_ = true;
    QApplication::quit();
    return true;
}

void TFrmmain::dxBarButton5Click() {
    if (ConfirmExit()) close();
}

void TFrmmain::FormCloseQuery(QCloseEvent* event) {
    event->setAccepted(exitConfirmed_ || ConfirmExit());
}

void TFrmmain::closeEvent(QCloseEvent* event) { FormCloseQuery(event); }

}  // namespace jx
