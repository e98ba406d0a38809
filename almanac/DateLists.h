#pragma once
// The three editable date lists shared by the main window and the day view.
#include <QString>

class QComboBox;
class QWidget;

namespace jx {

struct DateLists {
    QComboBox* year;
    QComboBox* month;
    QComboBox* day;
};

// Creates SYear ("2010"–"2020"), SMonth ("01"–"12") and Sday ("01"–"31"),
// editable, each starting with an empty text and no item selected.
DateLists CreateDateLists(QWidget* parent);

// Fills every list whose trimmed text is empty with today's "yyyy", "MM" or "dd".
void FillEmptyWithToday(const DateLists& lists);

QString TrimmedText(const QComboBox* list);

}  // namespace jx
