#include "engine/pnl/codepage.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace engine {
namespace {

constexpr const char* kCodePage = "GBK";

bool IsAscii(std::string_view text) {
    for (unsigned char c : text)
        if (c >= 0x80) return false;
    return true;
}

// One converter per direction and thread; iconv handles carry shift state and are not thread-safe.
class Converter {
  public:
    Converter(const char* to, const char* from) : m_handle(iconv_open(to, from)) {}
    ~Converter() {
        if (m_handle != reinterpret_cast<iconv_t>(-1)) iconv_close(m_handle);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::string Convert(std::string_view in, bool utf8Source) {
        if (m_handle == reinterpret_cast<iconv_t>(-1)) return std::string(in);
        iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        std::string out(in.size() * 4 + 8, '\0');
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char* dst = out.data();
        size_t dstLeft = out.size();
        while (srcLeft > 0) {
            if (iconv(m_handle, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1)) break;
            if (errno == E2BIG || dstLeft == 0) break;  // cannot happen with the 4x room; stop safely
            // An unconvertible or broken sequence: write '?' and step over it.
            *dst++ = '?';
            --dstLeft;
            size_t skip = errno == EINVAL ? srcLeft : 1;
            src += skip;
            srcLeft -= skip;
            // Skip the rest of a UTF-8 sequence so one bad character gives one '?'.
            while (utf8Source && srcLeft > 0 && (static_cast<unsigned char>(*src) & 0xC0) == 0x80) {
                ++src;
                --srcLeft;
            }
        }
        out.resize(out.size() - dstLeft);
        return out;
    }

  private:
    iconv_t m_handle;
};

}  // namespace

std::string Utf8ToCodePage(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string(utf8);
    thread_local Converter converter(kCodePage, "UTF-8");
    return converter.Convert(utf8, true);
}

std::string CodePageToUtf8(std::string_view bytes) {
    if (IsAscii(bytes)) return std::string(bytes);
    thread_local Converter converter("UTF-8", kCodePage);
    return converter.Convert(bytes, false);
}

}  // namespace engine
