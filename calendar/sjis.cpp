#include "sjis.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <memory>

#include "errors.h"
#include "text.h"

namespace hoshi {

namespace {

// `replace`: a character that cannot be converted becomes `replacement` and
// the conversion goes on (one pass over the text); otherwise it throws.
std::string convert(std::string_view in, const char* to, const char* from,
                    const char* replacement = nullptr) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw ConversionError(std::string("文字コードを ") + from + " から " + to + " に変換できません。");
    std::unique_ptr<void, int (*)(iconv_t)> guard(cd, iconv_close);
    std::string out;
    out.resize(in.size() * 2 + 16);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char* dst = out.data();
    size_t dstLeft = out.size();
    while (srcLeft > 0) {
        if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1)) break;
        if (errno == E2BIG) {
            size_t used = static_cast<size_t>(dst - out.data());
            out.resize(out.size() * 2);
            dst = out.data() + used;
            dstLeft = out.size() - used;
            continue;
        }
        if (replacement && (errno == EILSEQ || errno == EINVAL)) {
            // Skip the bad character: two bytes when a lead byte starts it.
            const auto b = static_cast<unsigned char>(*src);
            const size_t skip = ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) && srcLeft > 1 ? 2 : 1;
            src += skip;
            srcLeft -= skip;
            const std::string_view r(replacement);
            const size_t used = static_cast<size_t>(dst - out.data());
            if (dstLeft < r.size()) {
                out.resize(out.size() * 2 + r.size());
                dst = out.data() + used;
                dstLeft = out.size() - used;
            }
            dst = std::copy(r.begin(), r.end(), dst);
            dstLeft -= r.size();
            iconv(cd, nullptr, nullptr, nullptr, nullptr); // back to the initial state
            continue;
        }
        const size_t at = in.size() - srcLeft;
        if (std::string_view(from) == "UTF-8") // name the character a person typed
            throw ConversionError("「" + std::string(in.substr(at, utf8CharLength(in, at))) +
                                  "」は Shift-JIS で表せない文字のため保存できません。");
        throw ConversionError("Shift-JIS として読めないバイトがあります（" + std::to_string(at + 1) +
                              " バイト目）。");
    }
    out.resize(static_cast<size_t>(dst - out.data()));
    return out;
}

} // namespace

std::string utf8ToSjis(std::string_view utf8) {
    return convert(utf8, "CP932", "UTF-8");
}

std::string sjisToUtf8(std::string_view sjis) {
    return convert(sjis, "UTF-8", "CP932");
}

std::string sjisToUtf8Lenient(std::string_view sjis) {
    return convert(sjis, "UTF-8", "CP932", "\uFFFD");
}

} // namespace hoshi
