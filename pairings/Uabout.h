#pragma once
// The about window: a picture and the product, publisher and contact lines.
#include <QDialog>

class TAbout : public QDialog {
    Q_OBJECT
public:
    explicit TAbout(QWidget* parent = nullptr);
};
