#include "readings/UntQQ.h"

namespace jx {

TFrmQQhm::TFrmQQhm(QWidget* parent)
    : NumberWindow({QStringLiteral("QQ号码测试"), QSize(388, 270), QStringLiteral("QQ号码："),
                    QStringLiteral("qq号码是："), QStringLiteral("请输入你的QQ号码！")},
                   parent) {}

}  // namespace jx
