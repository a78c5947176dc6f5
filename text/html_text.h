#pragma once

#include <string>

namespace velmora {

// What the user typed, made safe to stand in a page as text: & < > " become
// entities. GBK trail bytes never equal these characters, so the bytes of
// Chinese characters pass unchanged.
std::string HtmlEscape(const std::string& gbk);

}  // namespace velmora
