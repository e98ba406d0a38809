#pragma once
#include "readings/NumberWindow.h"

namespace jx {

// The any-number reading window.
class TFrm_onther : public readings::NumberWindow {
    Q_OBJECT

public:
    explicit TFrm_onther(QWidget* parent = nullptr);
};

}  // namespace jx
