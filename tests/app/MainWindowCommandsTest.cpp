#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <set>

#include "almanac/huangdao.h"
#include "app/CommandTable.h"
#include "app/Unt_Main.h"
#include "calendar/DateWin.h"
#include "calendar/DateWinParts.h"
#include "pairings/UntOnther.h"
#include "platform/QtText.h"
#include "tests/support/FakePlatform.h"

namespace jx {
namespace {

using namespace std::chrono;

// The built menus as text: "----" for a separator, "name >" for a submenu.
void FlattenBuilt(const QMenu& menu, const QString& indent, QStringList& out) {
    for (QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            out << indent + QStringLiteral("----");
        } else if (action->menu() != nullptr) {
            out << indent + action->text() + QStringLiteral(" >");
            FlattenBuilt(*action->menu(), indent + QStringLiteral("  "), out);
        } else {
            out << indent + action->text();
        }
    }
}

void FlattenTable(std::span<const MenuEntry> entries, const QString& indent, QStringList& out) {
    for (const MenuEntry& entry : entries) {
        if (entry.separatorBefore) out << indent + QStringLiteral("----");
        if (entry.submenu.empty()) {
            out << indent + ToQString(entry.caption);
        } else {
            out << indent + ToQString(entry.caption) + QStringLiteral(" >");
            FlattenTable(entry.submenu, indent + QStringLiteral("  "), out);
        }
    }
}

struct BoundAction {
    QAction* action;
    Command command;
};

// Pairs each built menu item with its table entry; the menus were built in table order.
void CollectActions(const QMenu& menu, std::span<const MenuEntry> entries,
                    std::vector<BoundAction>& out) {
    std::size_t next = 0;
    for (QAction* action : menu.actions()) {
        if (action->isSeparator()) continue;
        ASSERT_LT(next, entries.size());
        const MenuEntry& entry = entries[next++];
        ASSERT_EQ(action->text(), ToQString(entry.caption));
        if (action->menu() != nullptr)
            CollectActions(*action->menu(), entry.submenu, out);
        else
            out.push_back({action, entry.command});
    }
}

// What a command did, as far as anyone can see.
struct Effects {
    std::vector<QString> infos;
    std::vector<QString> urls;
    std::vector<QString> modalWindows;
    std::vector<std::pair<QString, int>> omenWindows;  // title, page
    int dayViews = 0;
    std::size_t questions = 0;

    bool operator==(const Effects&) const = default;
    bool empty() const { return *this == Effects{}; }
};

class MainWindowCommandsTest : public ::testing::Test {
protected:
    test::ScopedFakePlatform fake;
    std::unique_ptr<TFrmmain> window;
    std::vector<BoundAction> actions;

    void SetUp() override {
        fake->todayDate = year{2012} / 3 / 5;
        window = std::make_unique<TFrmmain>();
        window->show();
        QApplication::processEvents();
        QList<QAction*> menus = window->menuBar()->actions();
        ASSERT_EQ(menus.size(), static_cast<qsizetype>(kMenus.size()));
        for (std::size_t i = 0; i < kMenus.size(); ++i)
            CollectActions(*menus[static_cast<qsizetype>(i)]->menu(), kMenus[i].entries, actions);
    }

    QAction* menuItem(Command command) const {
        for (const BoundAction& bound : actions)
            if (bound.command == command) return bound.action;
        return nullptr;
    }

    QPushButton* button(std::string_view name) const {
        return window->findChild<QPushButton*>(ToQString(name));
    }

    void click(QPushButton* control) {
        for (int page = 0; page < window->RzPageControl1->count(); ++page)
            if (window->RzPageControl1->widget(page)->isAncestorOf(control))
                window->RzPageControl1->setCurrentIndex(page);
        QTest::mouseClick(control, Qt::LeftButton);
    }

    // Runs an action on a clean slate and reports what it did.
    Effects effectsOf(const std::function<void()>& act) {
        qDeleteAll(window->findChildren<TFormOnther*>());
        qDeleteAll(window->findChildren<TFormHuangdao*>());
        fake->infos.clear();
        fake->openedUrls.clear();
        fake->modalWindows.clear();
        fake->questions.clear();
        act();
        QApplication::processEvents();
        Effects effects;
        effects.infos = fake->infos;
        effects.urls = fake->openedUrls;
        effects.modalWindows = fake->modalWindows;
        for (QString& name : effects.modalWindows) name = name.section(QStringLiteral("::"), -1);
        for (const TFormOnther* omen : window->findChildren<TFormOnther*>()) {
            EXPECT_TRUE(omen->isVisible());
            EXPECT_FALSE(omen->isModal());
            effects.omenWindows.emplace_back(omen->windowTitle(), omen->pageIndex());
        }
        effects.dayViews = static_cast<int>(window->findChildren<TFormHuangdao*>().size());
        effects.questions = fake->questions.size();
        return effects;
    }

    // What a command of the table is to do, by its kind.
    static Effects expectedOf(Command command) {
        const CommandInfo& info = Describe(command);
        Effects effects;
        switch (info.kind) {
            case CommandKind::NoEffect:
            case CommandKind::DateQuery:
                break;
            case CommandKind::DayView:
                effects.dayViews = 1;
                break;
            case CommandKind::OmenPage:
                effects.omenWindows = {{ToQString(info.target), info.omenPage}};
                break;
            case CommandKind::ModalWindow:
                effects.modalWindows = {ToQString(info.target)};
                break;
            case CommandKind::Link:
                effects.urls = {ToQString(info.target)};
                break;
            case CommandKind::Notice:
                effects.infos = {ToQString(info.target)};
                break;
            case CommandKind::Exit:
                effects.questions = 1;
                break;
        }
        return effects;
    }
};

TEST_F(MainWindowCommandsTest, TheMenuBarIsBuiltFromTheTable) {
    QStringList built;
    QStringList table;
    for (QAction* menu : window->menuBar()->actions()) {
        built << menu->text();
        FlattenBuilt(*menu->menu(), QStringLiteral("  "), built);
    }
    for (const Menu& menu : kMenus) {
        table << ToQString(menu.caption);
        FlattenTable(menu.entries, QStringLiteral("  "), table);
    }
    EXPECT_EQ(built, table);
    for (QAction* action : window->menuBar()->findChildren<QAction*>()) {
        EXPECT_TRUE(action->isVisible());
        EXPECT_TRUE(action->isEnabled());
    }
}

TEST_F(MainWindowCommandsTest, TheTabsHoldTheirButtonsAllVisibleAcross) {
    ASSERT_EQ(window->RzPageControl1->count(), static_cast<int>(kTabPages.size()));
    EXPECT_EQ(window->RzPageControl1->currentIndex(), 0);
    for (std::size_t i = 0; i < kTabPages.size(); ++i) {
        const TabPage& page = kTabPages[i];
        SCOPED_TRACE(page.sheet.data());
        QWidget* panel = window->RzPageControl1->widget(static_cast<int>(i));
        EXPECT_EQ(window->RzPageControl1->tabText(static_cast<int>(i)), ToQString(page.caption));
        EXPECT_EQ(panel->objectName(), ToQString(page.panel));
        window->RzPageControl1->setCurrentIndex(static_cast<int>(i));
        QApplication::processEvents();
        std::set<int> lefts;
        std::set<int> tops;
        for (const ButtonEntry& entry : page.buttons) {
            QPushButton* control = panel->findChild<QPushButton*>(ToQString(entry.name));
            ASSERT_NE(control, nullptr) << entry.name;
            EXPECT_EQ(control->text(), ToQString(entry.caption));
            EXPECT_EQ(control->size(), QSize(page.buttonWidth, page.buttonHeight));
            lefts.insert(control->x());
            tops.insert(control->y());
            // Nothing is cut off at the right edge of the left column.
            const QPoint inView = control->mapTo(window->ScrollBox1->viewport(), QPoint(0, 0));
            EXPECT_GE(inView.x(), 0) << entry.name;
            EXPECT_LE(inView.x() + control->width(), window->ScrollBox1->viewport()->width())
                << entry.name;
        }
        EXPECT_EQ(lefts.size(), static_cast<std::size_t>(page.columns));
        EXPECT_EQ(tops.size(), page.buttons.size() / static_cast<std::size_t>(page.columns));
    }
    EXPECT_EQ(window->RzPanel2, window->RzPageControl1->widget(0));
    EXPECT_EQ(window->RzPanel5, window->RzPageControl1->widget(1));
}

TEST_F(MainWindowCommandsTest, TopPanelButtonsCarryTheirCaptions) {
    for (const ButtonEntry& entry : kTopPanelButtons) {
        QPushButton* control = button(entry.name);
        ASSERT_NE(control, nullptr) << entry.name;
        EXPECT_TRUE(window->RzPanel1->isAncestorOf(control));
        EXPECT_EQ(control->text(), ToQString(entry.caption));
    }
}

TEST_F(MainWindowCommandsTest, EveryMenuItemDoesWhatItsKindSays) {
    for (const BoundAction& bound : actions) {
        SCOPED_TRACE(bound.action->text().toStdString());
        EXPECT_EQ(effectsOf([&] { bound.action->trigger(); }), expectedOf(bound.command));
    }
}

TEST_F(MainWindowCommandsTest, AButtonDoesWhatTheMenuItemOfItsCommandDoes) {
    std::vector<const ButtonEntry*> buttons;
    for (const ButtonEntry& entry : kTopPanelButtons) buttons.push_back(&entry);
    for (const TabPage& page : kTabPages)
        for (const ButtonEntry& entry : page.buttons) buttons.push_back(&entry);
    int twins = 0;
    for (const ButtonEntry* entry : buttons) {
        SCOPED_TRACE(entry->name.data());
        QPushButton* control = button(entry->name);
        ASSERT_NE(control, nullptr);
        const Effects fromButton = effectsOf([&] { click(control); });
        if (entry->command == Command::Query) continue;  // the date check, tested with the lists
        EXPECT_EQ(fromButton, expectedOf(entry->command));
        if (QAction* twin = menuItem(entry->command);
            twin != nullptr && entry->command != Command::None) {
            EXPECT_EQ(effectsOf([&] { twin->trigger(); }), fromButton);
            ++twins;
        }
    }
    EXPECT_EQ(twins, 17);  // 3 top-panel and 14 tab buttons share a menu item's command
}

TEST_F(MainWindowCommandsTest, EntriesWithoutEffectLeaveEverythingAsItWas) {
    window->SYear->setEditText(QStringLiteral("2011"));
    const QWidgetList before = QApplication::topLevelWidgets();
    int entries = 0;
    for (const BoundAction& bound : actions) {
        if (bound.command != Command::None) continue;
        EXPECT_TRUE(effectsOf([&] { bound.action->trigger(); }).empty())
            << bound.action->text().toStdString();
        ++entries;
    }
    for (const TabPage& page : kTabPages)
        for (const ButtonEntry& entry : page.buttons) {
            if (entry.command != Command::None) continue;
            EXPECT_TRUE(effectsOf([&] { click(button(entry.name)); }).empty()) << entry.name;
            ++entries;
        }
    EXPECT_EQ(entries, 16 + 18 + 26 + 2 + 2 + 54 + 4);  // menus 吉日 to 解梦, then the tabs
    EXPECT_EQ(QApplication::topLevelWidgets(), before);
    EXPECT_TRUE(fake->errors.empty());
    EXPECT_EQ(window->SYear->currentText(), QStringLiteral("2011"));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowCommandsTest, UpgradeShowsOnlyItsNotice) {
    const Effects effects = effectsOf([&] { menuItem(Command::Upgrade)->trigger(); });
    Effects expected;
    expected.infos = {QStringLiteral("感谢你的使用,软件是最新版无需升级!")};
    EXPECT_EQ(effects, expected);
    EXPECT_TRUE(fake->errors.empty());
}

TEST_F(MainWindowCommandsTest, CompanyAndSoftwareHomePagesAreTheSameAddress) {
    QAction* company = menuItem(Command::HomePage);
    ASSERT_EQ(company->text(), QStringLiteral("公司主页"));
    company->trigger();
    click(button("RzButton60"));
    ASSERT_EQ(fake->openedUrls.size(), 2u);
    EXPECT_EQ(fake->openedUrls[0], fake->openedUrls[1]);
    EXPECT_TRUE(fake->openedUrls[0].startsWith(QStringLiteral("http")));
}

TEST_F(MainWindowCommandsTest, EveryModalCommandOpensAFreshWindowEachTime) {
    std::vector<QPointer<QDialog>> shown;
    fake->onModal = [&](QDialog& dialog) {
        EXPECT_TRUE(dialog.isVisible());
        shown.emplace_back(&dialog);
    };
    for (const CommandInfo& info : kCommands) {
        if (info.kind != CommandKind::ModalWindow) continue;
        SCOPED_TRACE(info.handler.data());
        shown.clear();
        fake->modalWindows.clear();
        menuItem(info.command)->trigger();
        menuItem(info.command)->trigger();
        ASSERT_EQ(shown.size(), 2u);
        EXPECT_TRUE(shown[0].isNull());  // freed before the second opened
        EXPECT_EQ(window->featureWindows().current(info.command), shown[1].data());
        ASSERT_EQ(fake->modalWindows.size(), 2u);
        for (const QString& name : fake->modalWindows)
            EXPECT_EQ(name.section(QStringLiteral("::"), -1), ToQString(info.target));
    }
}

TEST_F(MainWindowCommandsTest, ACalendarOpenedAgainStartsFromToday) {
    std::vector<QString> years;
    fake->onModal = [&](QDialog& dialog) {
        auto& calendar = dynamic_cast<TFRM_Date&>(dialog);
        years.push_back(calendar.Label1->text());
        QTest::mouseClick(calendar.UpDown1->upButton(), Qt::LeftButton);
    };
    window->dxBarButton43Click();
    click(button("RzButton78"));
    EXPECT_EQ(years, (std::vector<QString>{QStringLiteral("2012"), QStringLiteral("2012")}));
}

TEST_F(MainWindowCommandsTest, TwoAuspiciousDayCommandsOpenTwoDayViews) {
    QAction* item = menuItem(Command::AuspiciousDays);
    ASSERT_EQ(item->text(), QStringLiteral("黄道吉日"));
    item->trigger();
    item->trigger();
    const auto views = window->findChildren<TFormHuangdao*>();
    ASSERT_EQ(views.size(), 2);
    for (TFormHuangdao* view : views) {
        EXPECT_TRUE(view->isVisible());
        EXPECT_FALSE(view->isModal());
        EXPECT_EQ(view->Sday->currentText(), QStringLiteral("05"));
    }
}

TEST_F(MainWindowCommandsTest, TwoRingingEarCommandsOpenTwoOmenWindowsOnPageSix) {
    click(button("RzButton72"));
    menuItem(Command::OmenRingingEar)->trigger();
    const auto omens = window->findChildren<TFormOnther*>();
    ASSERT_EQ(omens.size(), 2);
    for (TFormOnther* omen : omens) {
        EXPECT_EQ(omen->windowTitle(), QStringLiteral("耳鸣测吉凶"));
        EXPECT_EQ(omen->pageIndex(), 6);
        EXPECT_TRUE(omen->isVisible());
    }
}

}  // namespace
}  // namespace jx
