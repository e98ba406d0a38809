#pragma once
// Controls placed at fixed positions and named after their form names, as the
// windows lay them out.
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>

namespace jx {

// A label at (x, y), as wide as its text.
inline QLabel* PlaceLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(x, y);
    label->adjustSize();
    return label;
}

inline QPushButton* PlaceButton(QWidget* parent, const char* name, const QString& text,
                                QRect geometry) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    return button;
}

}  // namespace jx
