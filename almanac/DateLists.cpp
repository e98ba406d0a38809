#include "almanac/DateLists.h"

#include <QComboBox>

#include "app/DateSelection.h"
#include "common/Text.h"
#include "platform/Platform.h"

namespace jx {

namespace {

QComboBox* createList(QWidget* parent, const char* name, int first, int last, int width) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(true);
    for (int i = first; i <= last; ++i)
        list->addItem(width == 4 ? QString::number(i)
                                 : QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')));
    list->setCurrentIndex(-1);
    list->setEditText(QString());
    return list;
}

}  // namespace

DateLists CreateDateLists(QWidget* parent) {
    return {createList(parent, "SYear", 2010, 2020, 4), createList(parent, "SMonth", 1, 12, 2),
            createList(parent, "Sday", 1, 31, 2)};
}

QString TrimmedText(const QComboBox* list) {
    return QString::fromStdString(Trim(list->currentText().toStdString()));
}

void FillEmptyWithToday(const DateLists& lists) {
    const std::chrono::year_month_day today = platform().today();
    if (TrimmedText(lists.year).isEmpty())
        lists.year->setEditText(QString::fromStdString(YearText(today)));
    if (TrimmedText(lists.month).isEmpty())
        lists.month->setEditText(QString::fromStdString(MonthText(today)));
    if (TrimmedText(lists.day).isEmpty())
        lists.day->setEditText(QString::fromStdString(DayText(today)));
}

}  // namespace jx
