#pragma once
// The publisher's name and addresses, in one place for the links of the main
// window, the page opened on exit and the service and about windows.
#include <string_view>

namespace jx::publisher {

inline constexpr std::string_view kName = "吉星软件工作室";
inline constexpr std::string_view kContactPerson = "王先生";
inline constexpr std::string_view kHomePage = "http://www.jixingzeri.com/";
inline constexpr std::string_view kMail = "service@jixingzeri.com";
inline constexpr std::string_view kMailAddress = "mailto:service@jixingzeri.com";
inline constexpr std::string_view kQqNumber = "800061988";
// The QQ service's web link that opens a chat with the publisher's QQ number.
inline constexpr std::string_view kQqChat =
    "http://wpa.qq.com/msgrd?v=3&uin=800061988&site=qq&menu=yes";
inline constexpr std::string_view kTelephone = "020-38861988";
inline constexpr std::string_view kWelcomeLine =
    "欢迎使用吉星择日通！吉星软件工作室竭诚为您服务　电话：020-38861988　QQ：800061988";

}  // namespace jx::publisher
