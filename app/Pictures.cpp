#include "app/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>

#include "platform/Fonts.h"

namespace jx {

namespace {

const QColor kVermilion(0xA8, 0x1C, 0x12);
const QColor kDeepRed(0x6E, 0x0E, 0x0A);
const QColor kGold(0xE8, 0xC0, 0x5A);
const QColor kPaper(0xF6, 0xEC, 0xD2);

// The eight trigrams in the Later Heaven order, bottom line first; true = solid.
constexpr std::array<std::array<bool, 3>, 8> kTrigrams{{
    {true, false, false},   // 震
    {false, true, true},    // 巽
    {true, false, true},    // 离
    {false, false, false},  // 坤
    {true, true, false},    // 兑
    {true, true, true},     // 乾
    {false, true, false},   // 坎
    {false, false, true},   // 艮
}};

// A row of square fret (回纹) motifs along a line.
void drawFret(QPainter& p, int left, int right, int y, int unit, const QColor& colour) {
    p.setPen(QPen(colour, 1.5));
    for (int x = left; x + unit <= right; x += unit + 2) {
        const int s = unit;
        QPainterPath path;
        path.moveTo(x, y + s);
        path.lineTo(x, y);
        path.lineTo(x + s, y);
        path.lineTo(x + s, y + s * 0.75);
        path.lineTo(x + s * 0.25, y + s * 0.75);
        path.lineTo(x + s * 0.25, y + s * 0.25);
        path.lineTo(x + s * 0.6, y + s * 0.25);
        path.lineTo(x + s * 0.6, y + s * 0.5);
        p.drawPath(path);
    }
}

void drawTrigramRing(QPainter& p, QPointF centre, double radius, double barLength,
                     const QColor& colour) {
    p.save();
    p.translate(centre);
    for (std::size_t i = 0; i < kTrigrams.size(); ++i) {
        p.save();
        p.rotate(static_cast<double>(i) * 45.0);
        for (int line = 0; line < 3; ++line) {
            const double y = -radius - line * barLength * 0.28;
            const double h = barLength * 0.16;
            if (kTrigrams[i][static_cast<std::size_t>(line)]) {
                p.fillRect(QRectF(-barLength / 2, y - h, barLength, h), colour);
            } else {
                p.fillRect(QRectF(-barLength / 2, y - h, barLength * 0.42, h), colour);
                p.fillRect(QRectF(barLength * 0.08, y - h, barLength * 0.42, h), colour);
            }
        }
        p.restore();
    }
    p.restore();
}

void drawTaiji(QPainter& p, QPointF c, double r, const QColor& dark, const QColor& light) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawEllipse(c, r, r);
    QPainterPath half;
    half.moveTo(c.x(), c.y() - r);
    half.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 90, 180);
    half.arcTo(QRectF(c.x() - r / 2, c.y(), r, r), 270, -180);
    half.arcTo(QRectF(c.x() - r / 2, c.y() - r, r, r), 270, 180);
    p.setBrush(dark);
    p.drawPath(half);
    p.drawEllipse(QPointF(c.x(), c.y() + r / 2), r / 7, r / 7);
    p.setBrush(light);
    p.drawEllipse(QPointF(c.x(), c.y() - r / 2), r / 7, r / 7);
    p.restore();
}

}  // namespace

QPixmap BannerPicture(QSize size) {
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(0, 0, 0, size.height());
    ground.setColorAt(0, kVermilion);
    ground.setColorAt(1, kDeepRed);
    p.fillRect(pixmap.rect(), ground);
    drawFret(p, 4, size.width() - 4, 3, 8, kGold);
    drawFret(p, 4, size.width() - 4, size.height() - 11, 8, kGold);

    const double r = size.height() * 0.24;
    const QPointF centre(size.height() * 0.55, size.height() / 2.0);
    drawTaiji(p, centre, r, kDeepRed, kGold);
    drawTrigramRing(p, centre, r + 4, r * 0.9, kGold);

    p.setPen(kGold);
    p.setFont(WindowFont(QStringLiteral("隶书"), std::max(12, size.height() * 2 / 5), true));
    p.drawText(QRectF(size.height() * 1.15, 0, size.width(), size.height()),
               Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("吉星择日通"));
    return pixmap;
}

QPixmap BackgroundPicture(QSize size) {
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient ground(QPointF(size.width() / 2.0, size.height() / 2.0),
                           std::max(size.width(), size.height()) * 0.7);
    ground.setColorAt(0, kPaper.lighter(104));
    ground.setColorAt(1, kPaper.darker(106));
    p.fillRect(pixmap.rect(), ground);

    // A faint diviner's board in the middle, like a watermark.
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const double r = std::min(size.width(), size.height()) * 0.18;
    QColor faint = kVermilion;
    faint.setAlpha(40);
    QColor fainter = kVermilion;
    fainter.setAlpha(22);
    drawTaiji(p, centre, r, faint, fainter);
    drawTrigramRing(p, centre, r + 10, r * 0.8, faint);
    p.setPen(QPen(faint, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r * 1.95, r * 1.95);

    // The twelve earthly branches round the board.
    static const QString branches = QStringLiteral("子丑寅卯辰巳午未申酉戌亥");
    p.setFont(WindowFont(QStringLiteral("隶书"), std::max(12, static_cast<int>(r / 4)), true));
    for (int i = 0; i < 12; ++i) {
        const double angle = (i * 30.0 - 90.0) * M_PI / 180.0;
        const QPointF at(centre.x() + std::cos(angle) * r * 2.25,
                         centre.y() + std::sin(angle) * r * 2.25);
        p.drawText(QRectF(at.x() - r / 3, at.y() - r / 3, r / 1.5, r / 1.5), Qt::AlignCenter,
                   branches.at(i));
    }
    p.setPen(QPen(faint, 3));
    p.drawRect(pixmap.rect().adjusted(8, 8, -9, -9));
    drawFret(p, 14, size.width() - 14, 14, 10, faint);
    drawFret(p, 14, size.width() - 14, size.height() - 26, 10, faint);
    return pixmap;
}

QPixmap IconPicture(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kVermilion);
    p.drawRoundedRect(QRectF(0, 0, size, size), size * 0.18, size * 0.18);
    const QPointF centre(size / 2.0, size / 2.0);
    drawTaiji(p, centre, size * 0.2, kDeepRed, kGold);
    drawTrigramRing(p, centre, size * 0.24, size * 0.16, kGold);
    return pixmap;
}

}  // namespace jx
