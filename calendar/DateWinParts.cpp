#include "calendar/DateWinParts.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <algorithm>

namespace jx {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) emit pressed();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

UpDown::UpDown(int minimum, int maximum, QWidget* parent)
    : QWidget(parent),
      minimum_(minimum),
      maximum_(maximum),
      position_(minimum),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
    up_->setObjectName(QStringLiteral("up"));
    down_->setObjectName(QStringLiteral("down"));
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* arrow : {up_, down_}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
    }
    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDown::setPosition(int position) { position_ = std::clamp(position, minimum_, maximum_); }

void UpDown::step(int delta) {
    setPosition(position_ + delta);
    emit clicked();
}

void UpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

void BottomLineBevel::paintEvent(QPaintEvent*) {
    // A lowered line: shadow above, highlight below.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, height() - 2, width() - 1, height() - 2);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
}

}  // namespace jx
