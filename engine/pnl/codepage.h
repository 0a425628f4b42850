#pragma once
// Texts inside the simulator are bytes in the project's code page (GBK), so that double-byte rules
// hold; files and the screen use UTF-8. Characters the target cannot hold become '?'.

#include <string>
#include <string_view>

namespace engine {

std::string Utf8ToCodePage(std::string_view utf8);
std::string CodePageToUtf8(std::string_view bytes);

}  // namespace engine
