#pragma once
// The main window: the date selection that opens the almanac day view, the
// commands of the menu bar and the left tabs, and the exit question.
#include <QMainWindow>
#include <span>

#include "app/CommandTable.h"
#include "app/FeatureWindows.h"

class QCloseEvent;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QShowEvent;
class QTabWidget;

namespace jx {

class TFrmmain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFrmmain(QWidget* parent = nullptr);

    QFrame* RzPanel1;
    QComboBox* SYear;
    QComboBox* SMonth;
    QComboBox* Sday;
    QPushButton* RzButton57;  // "查询"
    QPushButton* RzButton56;  // "本日吉日"
    QPushButton* RzButton4;   // "客户服务"
    QPushButton* RzButton60;  // "软件主页"
    QPushButton* RzButton59;  // "QQ对话"
    QScrollArea* ScrollBox1;
    QTabWidget* RzPageControl1;
    QWidget* RzPanel2;  // tab "吉日分类"
    QWidget* RzPanel5;  // tab "其他查询"
    QLabel* RzStatusPane1;

    void RzButton57Click();
    void RzButton56Click();
    void dxBarButton5Click();

    // Runs a command of the table: what every menu item and button does.
    void Execute(Command command);
    // The handlers the controls share, named after them; each runs its row of the table.
    void dxBarButton171Click() { Execute(Command::AuspiciousDays); }
    void dxBarButton192Click() { Execute(Command::OmenSneeze); }
    void dxBarButton193Click() { Execute(Command::OmenHotFace); }
    void dxBarButton196Click() { Execute(Command::OmenStartledHeart); }
    void dxBarButton198Click() { Execute(Command::OmenBarkingDog); }
    void dxBarButton200Click() { Execute(Command::OmenTwitchingEye); }
    void dxBarButton199Click() { Execute(Command::OmenHotEar); }
    void dxBarButton197Click() { Execute(Command::OmenRingingEar); }
    void dxBarButton19Click() { Execute(Command::MobileReading); }
    void dxBarButton22Click() { Execute(Command::QqReading); }
    void dxBarButton23Click() { Execute(Command::OtherNumberReading); }
    void dxBarButton82Click() { Execute(Command::NetNameReading); }
    void dxBarButton26Click() { Execute(Command::ZodiacPairing); }
    void dxBarButton39Click() { Execute(Command::BabySexChart); }
    void dxBarButton43Click() { Execute(Command::PerpetualCalendar); }
    void dxBarButton53Click() { Execute(Command::CustomerService); }
    void dxBarButton45Click() { Execute(Command::About); }
    void dxBarButton44Click() { Execute(Command::HomePage); }
    void dxBarButton63Click() { Execute(Command::MailUs); }
    void dxBarButton64Click() { Execute(Command::QqChat); }
    void dxBarButton47Click() { Execute(Command::Upgrade); }

    // The modal feature windows, each from its latest use.
    const FeatureWindows& featureWindows() const { return featureWindows_; }
    // Asks whether to leave; on Yes opens the publisher's page and ends the
    // application. Returns whether the answer was Yes.
    bool ConfirmExit();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();
    void FormCloseQuery(QCloseEvent* event);
    void buildTopPanel();
    void buildMenus();
    void addMenuEntries(QMenu* menu, std::span<const MenuEntry> entries);
    void buildTabs();
    // Connects a control's signal to the command; entries without effect stay unconnected.
    template <class Control, class Signal>
    void bindCommand(Control* control, Signal signal, Command command);

    bool shown_ = false;
    bool exitConfirmed_ = false;
    FeatureWindows featureWindows_{this};
};

}  // namespace jx
