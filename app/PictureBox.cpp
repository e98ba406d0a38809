#include "app/PictureBox.h"

#include <QPainter>

namespace jx {

PictureBox::PictureBox(std::function<QPixmap(QSize)> draw, QWidget* parent)
    : QWidget(parent), draw_(std::move(draw)) {}

void PictureBox::paintEvent(QPaintEvent*) {
    if (cache_.size() != size()) cache_ = draw_(size());
    QPainter(this).drawPixmap(0, 0, cache_);
}

}  // namespace jx
