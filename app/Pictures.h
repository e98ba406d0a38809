#pragma once
// The main window's banner and background, drawn in code in the manner of a
// printed almanac: vermilion and gold, fret borders, the eight trigrams.
#include <QPixmap>
#include <QSize>

namespace jx {

QPixmap BannerPicture(QSize size);
QPixmap BackgroundPicture(QSize size);
// The window icon: the taiji in the eight trigrams on vermilion.
QPixmap IconPicture(int size);

}  // namespace jx
