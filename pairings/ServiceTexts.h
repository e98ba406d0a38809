#pragma once
// The fixed texts of the customer-service and about windows and the chart's
// article. The contact data are the publisher's service channels.
#include <array>
#include <string_view>

#include "common/Publisher.h"

namespace jx {

inline constexpr std::string_view kProductName = "吉星择日通";
inline constexpr std::string_view kPublisherLine = "吉星软件工作室 出品";
inline constexpr std::string_view kContactPerson = "联系人：王先生";
inline constexpr std::string_view kServiceQq = publisher::kQqNumber;
inline constexpr std::string_view kServicePhone = publisher::kTelephone;
inline constexpr std::string_view kServiceMail = publisher::kMail;

enum class ServiceIcon { Contacts, Telephone, Penguin };

struct ServiceBlock {
    ServiceIcon icon;
    std::string_view heading;      // bold, navy; followed by value
    std::string_view value;        // the channel's number or address, may be empty
    std::string_view explanation;  // two wrapped lines
};

// icon, heading, value, explanation; in the order the window shows them.
inline constexpr std::array<ServiceBlock, 4> kServiceBlocks = {{
    {ServiceIcon::Contacts,
     "商务合作：欢迎洽谈代理与定制开发",
     {},
     "如果您有代理销售、软件定制开发等商务方面的需要，欢迎随时与我们联系，我们将竭诚合作。"},
    {ServiceIcon::Telephone, "客服电话：", kServicePhone,
     "使用本软件时遇到任何问题，或有意见、建议和疑问，请拨打客服热线，我们乐意为您解答。"},
    {ServiceIcon::Penguin, "在线客服QQ：", kServiceQq,
     "所有商务咨询我们都会在当天给予答复。留言之后请耐心等候，我们会尽快与您联系。"},
    {ServiceIcon::Contacts, "技术支持邮箱：", kServiceMail,
     "如有不明白的地方，请给我们发送电子邮件说明情况，我们保证尽快给您答复。"},
}};

// The article on the chart's third page, three paragraphs.
inline constexpr std::array<std::string_view, 3> kChartArticle = {
    "英国的一项调查研究称，对自己寿命抱有较长预期的女性，生儿子的机会更大一些。研究人员请"
    "数百名母亲估计自己能活到多少岁，再把她们的回答与所生头胎孩子的性别一一对照。",
    "结果发现，预计自己会长寿的母亲，头胎生男孩的比例明显高于其他母亲。研究者认为，身体和"
    "心境都处在良好状态的母亲，似乎更容易孕育男孩。",
    "不过研究者也提醒，这只是统计上的一种关联，并不是说准妈妈只要换一种心态，就能改变腹中"
    "宝宝的性别。",
};
inline constexpr std::string_view kChartArticleTitle = "生男生女有秘诀";

}  // namespace jx
