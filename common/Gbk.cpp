#include "common/Gbk.h"

#include <unicode/ucnv.h>

#include <memory>
#include <stdexcept>

namespace jx {

namespace {

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter openConverter(const char* name) {
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(name, &status));
    if (U_FAILURE(status)) throw std::runtime_error(std::string("ICU converter missing: ") + name);
    return converter;
}

// Converts between two ICU converters through UTF-16 in one call.
std::string convert(UConverter* to, UConverter* from, std::string_view text) {
    if (text.empty()) return {};
    std::string out(text.size() * 4 + 16, '\0');
    for (;;) {
        UErrorCode status = U_ZERO_ERROR;
        const int32_t n = ucnv_convert(ucnv_getName(to, &status), ucnv_getName(from, &status),
                                       out.data(), static_cast<int32_t>(out.size()), text.data(),
                                       static_cast<int32_t>(text.size()), &status);
        if (status == U_BUFFER_OVERFLOW_ERROR) {
            out.resize(static_cast<std::size_t>(n) + 1);
            continue;
        }
        if (U_FAILURE(status)) throw std::runtime_error("ICU conversion failed");
        out.resize(static_cast<std::size_t>(n));
        return out;
    }
}

}  // namespace

std::string ToGbk(std::string_view utf8) {
    if (utf8.empty()) return {};
    UErrorCode status = U_ZERO_ERROR;
    Converter gbk = openConverter("windows-936-2000");
    ucnv_setSubstChars(gbk.get(), "?", 1, &status);
    std::u16string utf16(utf8.size() + 1, u'\0');
    int32_t units = 0;
    {
        Converter utf8Conv = openConverter("UTF-8");
        units = ucnv_toUChars(utf8Conv.get(), reinterpret_cast<UChar*>(utf16.data()),
                              static_cast<int32_t>(utf16.size()), utf8.data(),
                              static_cast<int32_t>(utf8.size()), &status);
        if (U_FAILURE(status)) throw std::runtime_error("invalid UTF-8 text");
    }
    std::string out(static_cast<std::size_t>(units) * 2 + 2, '\0');
    status = U_ZERO_ERROR;
    // A supplementary character (two UTF-16 units) must give one "?", not two.
    ucnv_setFromUCallBack(gbk.get(), UCNV_FROM_U_CALLBACK_SUBSTITUTE, nullptr, nullptr, nullptr,
                          &status);
    const int32_t n = ucnv_fromUChars(gbk.get(), out.data(), static_cast<int32_t>(out.size()),
                                      reinterpret_cast<const UChar*>(utf16.data()), units, &status);
    if (U_FAILURE(status)) throw std::runtime_error("GBK conversion failed");
    out.resize(static_cast<std::size_t>(n));
    return out;
}

std::string FromGbk(std::string_view gbk) {
    Converter utf8 = openConverter("UTF-8");
    Converter from = openConverter("windows-936-2000");
    return convert(utf8.get(), from.get(), gbk);
}

}  // namespace jx
