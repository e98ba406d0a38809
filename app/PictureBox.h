#pragma once
#include <QPixmap>
#include <QWidget>
#include <functional>

namespace jx {

// A picture that fills its widget, drawn anew for the widget's size.
class PictureBox : public QWidget {
public:
    PictureBox(std::function<QPixmap(QSize)> draw, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<QPixmap(QSize)> draw_;
    QPixmap cache_;
};

}  // namespace jx
