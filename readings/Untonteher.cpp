#include "readings/Untonteher.h"

namespace jx {

TFrm_onther::TFrm_onther(QWidget* parent)
    : NumberWindow({QStringLiteral("任意号码分析"), QSize(388, 271), QStringLiteral("任意号码："),
                    QStringLiteral("输入号码是："), QStringLiteral("请输入你的号码！")},
                   parent) {}

}  // namespace jx
