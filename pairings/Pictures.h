#pragma once
// The windows' pictures, drawn in code: the chart grids, the chart article, the
// service icons, the about picture and the pairing buttons' glyphs.
#include <QIcon>
#include <QImage>
#include <QRect>
#include <QSize>

#include "pairings/BabySexChart.h"
#include "pairings/ServiceTexts.h"

namespace jx {

// Where a chart picture puts its parts; the grid is ruled on the cell borders.
struct ChartGrid {
    int headingHeight;  // the continuation line above the grid, 0 for none
    int cornerWidth;    // the month column
    int headerHeight;   // the age row
    int cellWidth;
    int cellHeight;
    int ages;
    // The rectangle of the cell for an age column (0-based) and a month row (0-based).
    QRect cell(int ageColumn, int monthRow) const;
    QRect grid() const;
};

ChartGrid ChartGridFor(const ChartPage& page, QSize size);
QImage DrawChartPicture(const ChartPage& page, QSize size);
QImage DrawChartArticle(QSize size);

QImage DrawServiceIcon(ServiceIcon icon);  // 41 x 41
QImage DrawAboutPicture(QSize size);       // an ink figure with calligraphy

enum class ButtonPicture { Pair, Save, Close };
QIcon DrawButtonPicture(ButtonPicture picture);

}  // namespace jx
