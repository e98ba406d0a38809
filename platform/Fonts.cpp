#include "platform/Fonts.h"

#include <QStringList>

namespace jx {

namespace {

QStringList fallbacksFor(const QString& family) {
    if (family == QStringLiteral("宋体"))
        return {family, QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
                QStringLiteral("Noto Sans CJK SC")};
    if (family == QStringLiteral("黑体"))
        return {family, QStringLiteral("SimHei"), QStringLiteral("Noto Sans CJK SC")};
    if (family == QStringLiteral("隶书"))
        return {family, QStringLiteral("LiSu"), QStringLiteral("AR PL UKai CN"),
                QStringLiteral("Noto Serif CJK SC")};
    if (family == QStringLiteral("Arial Black"))
        return {family, QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC")};
    return {family, QStringLiteral("Noto Sans CJK SC")};
}

}  // namespace

QFont WindowFont(const QString& family, int pixelSize, bool bold) {
    QFont font;
    font.setFamilies(fallbacksFor(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold || family == QStringLiteral("Arial Black"));
    return font;
}

}  // namespace jx
