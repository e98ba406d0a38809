#pragma once
#include "readings/NumberWindow.h"

namespace jx {

// The QQ-number reading window.
class TFrmQQhm : public readings::NumberWindow {
    Q_OBJECT

public:
    explicit TFrmQQhm(QWidget* parent = nullptr);
};

}  // namespace jx
