#include "app/FeatureWindows.h"

#include <QDialog>

#include "calendar/DateWin.h"
#include "pairings/SxPeid.h"
#include "pairings/Uabout.h"
#include "pairings/Unt_servers.h"
#include "pairings/Untabt.h"
#include "platform/Platform.h"
#include "readings/UntQQ.h"
#include "readings/UntWangm.h"
#include "readings/Unt_sjcs.h"
#include "readings/Untonteher.h"

namespace jx {

namespace {

using Factory = QDialog* (*)(QWidget* owner);

template <class Window>
QDialog* Create(QWidget* owner) {
    return new Window(owner);
}

struct WindowFactory {
    Command command;
    Factory create;
};

// One line per window; a command missing here does nothing.
constexpr WindowFactory kFactories[] = {
    {Command::MobileReading, Create<TFrm_SJcs>},
    {Command::QqReading, Create<TFrmQQhm>},
    {Command::OtherNumberReading, Create<TFrm_onther>},
    {Command::NetNameReading, Create<TFrmWangming>},
    {Command::ZodiacPairing, Create<TFrm_SxPeid>},
    {Command::BabySexChart, Create<TFrm_NanNv>},
    {Command::PerpetualCalendar, Create<TFRM_Date>},
    {Command::CustomerService, Create<TFrm_servers>},
    {Command::About, Create<TAbout>},
};

Factory FactoryOf(Command command) {
    for (const WindowFactory& factory : kFactories)
        if (factory.command == command) return factory.create;
    return nullptr;
}

}  // namespace

FeatureWindows::FeatureWindows(QWidget* owner) : owner_(owner) {}

bool FeatureWindows::IsAvailable(Command command) { return FactoryOf(command) != nullptr; }

void FeatureWindows::open(Command command) {
    const Factory create = FactoryOf(command);
    if (!create) return;
    QPointer<QDialog>& slot = current_[command];
    delete slot.data();  // null when the window freed itself on closing
    slot = create(owner_);
    platform().runModal(*slot);
}

QDialog* FeatureWindows::current(Command command) const {
    const auto it = current_.find(command);
    return it == current_.end() ? nullptr : it->second.data();
}

}  // namespace jx
