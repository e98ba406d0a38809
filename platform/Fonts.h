#pragma once
#include <QFont>
#include <QString>

namespace jx {

// A window font: the Windows family the layout was drawn with first, then the
// Debian CJK families that look closest, so the windows read the same on Linux.
// family is one of "宋体", "黑体", "隶书", "Arial Black" (others are used as given).
QFont WindowFont(const QString& family, int pixelSize, bool bold = false);

}  // namespace jx
