#pragma once
// A minimal JSON writer for the tools' output: objects, arrays, strings
// (UTF-8 passed through, control characters escaped) and integers.

#include <string>
#include <string_view>
#include <vector>

namespace hoshi::tool {

class Json {
public:
    Json& beginObject() { return open('{'); }
    Json& endObject() { return close('}'); }
    Json& beginArray() { return open('['); }
    Json& endArray() { return close(']'); }
    Json& key(std::string_view k) {
        separate();
        string(k);
        out_ += ':';
        afterKey_ = true;
        return *this;
    }
    Json& value(std::string_view s) {
        separate();
        string(s);
        return *this;
    }
    Json& value(const char* s) { return value(std::string_view(s)); }
    Json& value(long long n) {
        separate();
        out_ += std::to_string(n);
        return *this;
    }
    Json& value(int n) { return value(static_cast<long long>(n)); }
    template <typename Range> Json& array(const Range& items) {
        beginArray();
        for (const auto& i : items) value(i);
        return endArray();
    }
    const std::string& str() const { return out_; }

private:
    Json& open(char c) {
        separate();
        out_ += c;
        first_.push_back(true);
        return *this;
    }
    Json& close(char c) {
        out_ += c;
        first_.pop_back();
        return *this;
    }
    void separate() {
        if (afterKey_) {
            afterKey_ = false;
            return;
        }
        if (!first_.empty()) {
            if (!first_.back()) out_ += ',';
            first_.back() = false;
        }
    }
    void string(std::string_view s) {
        out_ += '"';
        for (char ch : s) {
            unsigned char c = static_cast<unsigned char>(ch);
            if (c == '"' || c == '\\') {
                out_ += '\\';
                out_ += ch;
            } else if (c < 0x20) {
                static const char* hex = "0123456789abcdef";
                out_ += "\\u00";
                out_ += hex[c >> 4];
                out_ += hex[c & 15];
            } else {
                out_ += ch;
            }
        }
        out_ += '"';
    }

    std::string out_;
    std::vector<bool> first_;
    bool afterKey_ = false;
};

} // namespace hoshi::tool
