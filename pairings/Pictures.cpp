#include "pairings/Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QString>

#include "platform/Fonts.h"
#include "platform/QtText.h"

namespace jx {
namespace {

QImage BlankImage(QSize size, const QColor& background) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    return image;
}

constexpr int kChartHeadingHeight = 24;
constexpr int kChartCellWidth = 36;
constexpr int kChartCellHeight = 22;
const QColor kBoyColour(0x00, 0x00, 0x80);   // navy
const QColor kGirlColour(0xC0, 0x00, 0x00);  // dark red
const QColor kInk(0x20, 0x20, 0x20);

}  // namespace

QRect ChartGrid::cell(int ageColumn, int monthRow) const {
    return {cornerWidth + ageColumn * cellWidth,
            headingHeight + headerHeight + monthRow * cellHeight, cellWidth, cellHeight};
}

QRect ChartGrid::grid() const {
    return {0, headingHeight, cornerWidth + ages * cellWidth + 1,
            headerHeight + 12 * cellHeight + 1};
}

ChartGrid ChartGridFor(const ChartPage& page, QSize size) {
    ChartGrid grid{};
    grid.headingHeight = page.heading.empty() ? 0 : kChartHeadingHeight;
    grid.ages = page.lastAge - page.firstAge + 1;
    grid.cellWidth = kChartCellWidth;
    grid.cellHeight = kChartCellHeight;
    // The first column and the header row take what the cells leave; the last
    // pixel holds the closing rule.
    grid.cornerWidth = size.width() - 1 - grid.ages * grid.cellWidth;
    grid.headerHeight = size.height() - 1 - grid.headingHeight - 12 * grid.cellHeight;
    return grid;
}

QImage DrawChartPicture(const ChartPage& page, QSize size) {
    QImage image = BlankImage(size, Qt::white);
    const ChartGrid grid = ChartGridFor(page, size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFont font = WindowFont(QStringLiteral("宋体"), 12);
    QFont bold = WindowFont(QStringLiteral("宋体"), 14, true);

    if (grid.headingHeight > 0) {
        painter.setFont(bold);
        painter.setPen(kInk);
        painter.drawText(QRect(0, 0, size.width(), grid.headingHeight), Qt::AlignCenter,
                         ToQString(page.heading));
    }

    // Rules: every column and row border of the grid.
    painter.setPen(QPen(Qt::black, 1));
    const QRect outline = grid.grid();
    const int top = outline.top();
    const int bottom = outline.top() + outline.height() - 1;
    const int right = outline.width() - 1;
    painter.drawLine(0, top, 0, bottom);
    for (int column = 0; column <= grid.ages; ++column) {
        const int x = grid.cornerWidth + column * grid.cellWidth;
        painter.drawLine(x, top, x, bottom);
    }
    painter.drawLine(0, top, right, top);
    for (int row = 0; row <= 12; ++row) {
        const int y = top + grid.headerHeight + row * grid.cellHeight;
        painter.drawLine(0, y, right, y);
    }

    // The corner cell, split by its diagonal: ages run across, months down.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawLine(0, top, grid.cornerWidth, top + grid.headerHeight);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QFont small = WindowFont(QStringLiteral("宋体"), 11);
    painter.setFont(small);
    painter.drawText(QRect(grid.cornerWidth / 2 - 2, top + 2, grid.cornerWidth / 2, 16),
                     Qt::AlignRight | Qt::AlignTop, QStringLiteral("年龄"));
    painter.drawText(QRect(2, top + grid.headerHeight - 18, grid.cornerWidth - 4, 16),
                     Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("怀孕月份"));

    // Age headings: the number over 岁.
    painter.setFont(font);
    for (int column = 0; column < grid.ages; ++column) {
        const QRect header(grid.cornerWidth + column * grid.cellWidth, top, grid.cellWidth,
                           grid.headerHeight);
        painter.drawText(header, Qt::AlignCenter,
                         QString::number(page.firstAge + column) + QStringLiteral("\n岁"));
    }
    for (int row = 0; row < 12; ++row) {
        const QRect header(0, top + grid.headerHeight + row * grid.cellHeight, grid.cornerWidth,
                           grid.cellHeight);
        painter.setPen(Qt::black);
        painter.drawText(header, Qt::AlignCenter, QString::number(row + 1) + QStringLiteral("月"));
        for (int column = 0; column < grid.ages; ++column) {
            const std::string_view sex =
                ChartCell(page, page.firstAge + column, row + 1).value_or(std::string_view());
            painter.setPen(sex == "男" ? kBoyColour : kGirlColour);
            painter.drawText(grid.cell(column, row), Qt::AlignCenter, ToQString(sex));
        }
    }
    return image;
}

QImage DrawChartArticle(QSize size) {
    QImage image = BlankImage(size, Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(kInk);
    painter.setFont(WindowFont(QStringLiteral("黑体"), 15, true));
    int y = 6;
    const QRect titleBox(0, y, size.width(), 22);
    painter.drawText(titleBox, Qt::AlignHCenter | Qt::AlignTop, ToQString(kChartArticleTitle));
    y += 28;
    painter.setFont(WindowFont(QStringLiteral("宋体"), 12));
    for (std::string_view paragraph : kChartArticle) {
        const QString text = QStringLiteral("\u3000\u3000") + ToQString(paragraph);
        const QRect box(10, y, size.width() - 20, size.height() - y);
        const QRect used = painter.boundingRect(box, Qt::TextWordWrap, text);
        painter.drawText(box, Qt::TextWordWrap, text);
        y += used.height() + 4;
    }
    return image;
}

namespace {

void DrawPerson(QPainter& painter, QPointF head, qreal scale, const QColor& colour) {
    painter.setBrush(colour);
    painter.setPen(QPen(colour.darker(140), 1));
    painter.drawEllipse(head, 6 * scale, 6 * scale);
    QPainterPath body;
    const QPointF shoulders(head.x(), head.y() + 8 * scale);
    body.moveTo(shoulders.x() - 11 * scale, shoulders.y() + 16 * scale);
    body.cubicTo(shoulders.x() - 11 * scale, shoulders.y(), shoulders.x() + 11 * scale,
                 shoulders.y(), shoulders.x() + 11 * scale, shoulders.y() + 16 * scale);
    body.closeSubpath();
    painter.drawPath(body);
}

void DrawContacts(QPainter& painter) {
    DrawPerson(painter, {26, 9}, 0.9, QColor(0x7A, 0x9C, 0xC8));
    DrawPerson(painter, {16, 14}, 1.0, QColor(0x1E, 0x5A, 0xB4));
}

void DrawTelephone(QPainter& painter) {
    const QColor body(0xC8, 0x28, 0x28);
    painter.setPen(QPen(body.darker(150), 1));
    painter.setBrush(body);
    // Base.
    QPainterPath base;
    base.moveTo(9, 37);
    base.lineTo(13, 20);
    base.lineTo(28, 20);
    base.lineTo(32, 37);
    base.closeSubpath();
    painter.drawPath(base);
    // Handset resting across the top.
    QPainterPath handset;
    handset.moveTo(4, 17);
    handset.cubicTo(6, 4, 35, 4, 37, 17);
    handset.lineTo(30, 18);
    handset.cubicTo(29, 11, 12, 11, 11, 18);
    handset.closeSubpath();
    painter.drawPath(handset);
    // Dial.
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(20.5, 28), 5.5, 5.5);
    painter.setBrush(body);
    painter.drawEllipse(QPointF(20.5, 28), 2, 2);
}

void DrawPenguin(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x10, 0x10, 0x10));
    painter.drawEllipse(QRectF(9, 2, 23, 36));  // body and head
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(13, 15, 15, 21));  // belly
    painter.drawEllipse(QRectF(14, 7, 5, 6));     // eyes
    painter.drawEllipse(QRectF(22, 7, 5, 6));
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRectF(16, 9, 2.5, 3));
    painter.drawEllipse(QRectF(23, 9, 2.5, 3));
    painter.setBrush(QColor(0xF5, 0xA6, 0x23));  // beak and feet
    painter.drawEllipse(QRectF(17, 12.5, 7, 4));
    painter.drawEllipse(QRectF(8, 35, 11, 5));
    painter.drawEllipse(QRectF(22, 35, 11, 5));
    painter.setBrush(QColor(0xD0, 0x10, 0x10));  // scarf
    painter.drawRoundedRect(QRectF(11, 16.5, 19, 3.5), 1.5, 1.5);
    painter.drawRect(QRectF(24, 18, 3.5, 7));
}

}  // namespace

QImage DrawServiceIcon(ServiceIcon icon) {
    QImage image = BlankImage(QSize(41, 41), Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (icon) {
        case ServiceIcon::Contacts:
            DrawContacts(painter);
            break;
        case ServiceIcon::Telephone:
            DrawTelephone(painter);
            break;
        case ServiceIcon::Penguin:
            DrawPenguin(painter);
            break;
    }
    return image;
}

QImage DrawAboutPicture(QSize size) {
    QImage image = BlankImage(size, QColor(0xF2, 0xEA, 0xD6));  // rice paper
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();

    // Distant hills in pale wash.
    QPainterPath hills;
    hills.moveTo(0, h * 0.62);
    hills.cubicTo(w * 0.2, h * 0.48, w * 0.35, h * 0.58, w * 0.5, h * 0.52);
    hills.cubicTo(w * 0.7, h * 0.45, w * 0.85, h * 0.6, w, h * 0.55);
    hills.lineTo(w, h);
    hills.lineTo(0, h);
    hills.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xD8, 0xD2, 0xC2));
    painter.drawPath(hills);

    // The robed figure: a wide robe with hanging sleeves, a head and a scholar's cap.
    const QColor ink(0x2A, 0x2A, 0x2A);
    const qreal cx = w * 0.36;
    QPainterPath robe;
    robe.moveTo(cx - 6, h * 0.34);
    robe.cubicTo(cx - 26, h * 0.42, cx - 30, h * 0.7, cx - 24, h * 0.9);
    robe.lineTo(cx + 26, h * 0.9);
    robe.cubicTo(cx + 30, h * 0.7, cx + 24, h * 0.42, cx + 6, h * 0.34);
    robe.closeSubpath();
    QLinearGradient wash(0, h * 0.34, 0, h * 0.9);
    wash.setColorAt(0, QColor(0x55, 0x55, 0x55));
    wash.setColorAt(1, QColor(0x9A, 0x96, 0x8C));
    painter.setBrush(wash);
    painter.setPen(QPen(ink, 1.6));
    painter.drawPath(robe);
    QPainterPath sleeves;
    sleeves.moveTo(cx - 18, h * 0.45);
    sleeves.cubicTo(cx - 8, h * 0.6, cx + 14, h * 0.6, cx + 20, h * 0.47);
    sleeves.cubicTo(cx + 22, h * 0.62, cx - 10, h * 0.7, cx - 18, h * 0.45);
    painter.setBrush(QColor(0x3A, 0x3A, 0x3A));
    painter.drawPath(sleeves);
    painter.setBrush(QColor(0xE8, 0xD8, 0xC0));
    painter.setPen(QPen(ink, 1.2));
    painter.drawEllipse(QPointF(cx, h * 0.28), 7, 8);  // face
    painter.setBrush(ink);
    painter.drawRect(QRectF(cx - 7, h * 0.17, 14, 5));  // cap
    painter.drawLine(QPointF(cx - 11, h * 0.19), QPointF(cx + 11, h * 0.19));
    // Beard in a few strokes.
    painter.setPen(QPen(ink, 1));
    for (int i = -2; i <= 2; ++i)
        painter.drawLine(QPointF(cx + i * 1.5, h * 0.33), QPointF(cx + i * 2.5, h * 0.4));

    // Calligraphy down the right edge and a red seal below it.
    QFont brush = WindowFont(QStringLiteral("隶书"), 20, true);
    painter.setFont(brush);
    painter.setPen(ink);
    const QString verse = QStringLiteral("吉星高照");
    for (qsizetype i = 0; i < verse.size(); ++i)
        painter.drawText(QRectF(w - 34, 6 + i * 24.0, 28, 24), Qt::AlignCenter, verse.at(i));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xB0, 0x18, 0x18));
    painter.drawRect(QRectF(w - 30, 108, 20, 20));
    painter.setPen(QColor(0xF2, 0xEA, 0xD6));
    painter.setFont(WindowFont(QStringLiteral("宋体"), 14, true));
    painter.drawText(QRectF(w - 30, 108, 20, 20), Qt::AlignCenter, QStringLiteral("吉"));
    return image;
}

QIcon DrawButtonPicture(ButtonPicture picture) {
    QImage image = BlankImage(QSize(16, 16), Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (picture) {
        case ButtonPicture::Pair: {
            // Two overlapping hearts.
            auto heart = [&painter](qreal x, qreal y, const QColor& colour) {
                QPainterPath path;
                path.moveTo(x + 4, y + 9);
                path.cubicTo(x - 3, y + 4, x + 1, y - 2, x + 4, y + 2);
                path.cubicTo(x + 7, y - 2, x + 11, y + 4, x + 4, y + 9);
                painter.setPen(Qt::NoPen);
                painter.setBrush(colour);
                painter.drawPath(path);
            };
            heart(1, 2, QColor(0xE0, 0x30, 0x50));
            heart(7, 6, QColor(0xF0, 0x80, 0xA0));
            break;
        }
        case ButtonPicture::Save:
            // A diskette: body, shutter and label.
            painter.setPen(QPen(QColor(0x20, 0x30, 0x60), 1));
            painter.setBrush(QColor(0x30, 0x50, 0x90));
            painter.drawRect(QRectF(1.5, 1.5, 13, 13));
            painter.setBrush(QColor(0xD0, 0xD0, 0xD0));
            painter.drawRect(QRectF(4.5, 1.5, 7, 5));
            painter.setBrush(Qt::white);
            painter.drawRect(QRectF(3.5, 9, 9, 5.5));
            break;
        case ButtonPicture::Close:
            painter.setPen(QPen(QColor(0xC0, 0x10, 0x10), 2.5, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QPointF(3, 3), QPointF(13, 13));
            painter.drawLine(QPointF(13, 3), QPointF(3, 13));
            break;
    }
    painter.end();
    return QIcon(QPixmap::fromImage(image));
}

}  // namespace jx
