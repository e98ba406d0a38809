#pragma once
// Small controls of the perpetual-calendar window that Qt lacks as such: a
// label that reports presses and clicks, a spin button without an edit box,
// and a bevel drawn as a line along its bottom edge.
#include <QLabel>
#include <QWidget>

class QToolButton;

namespace jx {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

signals:
    void pressed();  // left button down
    void clicked();  // left button released over the label

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// Two stacked arrows that step a position within [minimum, maximum]; at a
// limit the position stays where it is (no wrap-around).
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(int minimum, int maximum, QWidget* parent = nullptr);

    int position() const { return position_; }
    // Kept within the limits.
    void setPosition(int position);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void clicked();  // after either arrow, also when the position stayed at its limit

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void step(int delta);

    int minimum_;
    int maximum_;
    int position_;
    QToolButton* up_;
    QToolButton* down_;
};

class BottomLineBevel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace jx
