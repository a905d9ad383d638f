#include "cli/JsonObject.h"

#include <stdexcept>

namespace kelvra::cli {

namespace {

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    std::vector<JsonMember> object() {
        std::vector<JsonMember> members;
        forEachMember([&](std::string name) {
            JsonMember member;
            member.name = std::move(name);
            if (peek() == '{') {
                member.isObject = true;
                forEachMember([&](std::string inner) {
                    member.members.emplace_back(std::move(inner), string());
                });
            } else {
                member.text = string();
            }
            members.push_back(std::move(member));
        });
        skipBlanks();
        if (at_ != text_.size()) {
            fail("text after the object");
        }
        return members;
    }

private:
    template <typename Take> void forEachMember(Take take) {
        expect('{');
        if (peek() == '}') {
            ++at_;
            return;
        }
        for (;;) {
            std::string name = string();
            expect(':');
            take(std::move(name));
            if (peek() == '}') {
                ++at_;
                return;
            }
            expect(',');
        }
    }

    std::string string() {
        expect('"');
        std::string value;
        for (;;) {
            if (at_ >= text_.size()) {
                fail("a string without its closing quote");
            }
            const char c = text_[at_++];
            if (c == '"') {
                return value;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                fail("a control character inside a string");
            }
            if (c != '\\') {
                value += c;
                continue;
            }
            escape(value);
        }
    }

    void escape(std::string& value) {
        if (at_ >= text_.size()) {
            fail("a string without its closing quote");
        }
        const char c = text_[at_++];
        constexpr std::string_view kPlain = "\"\\/";
        constexpr std::string_view kNamed = "bfnrt";
        constexpr std::string_view kMeant = "\b\f\n\r\t";
        if (kPlain.find(c) != std::string_view::npos) {
            value += c;
        } else if (const std::size_t named = kNamed.find(c); named != std::string_view::npos) {
            value += kMeant[named];
        } else if (c == 'u') {
            unsigned code = hexQuad();
            if (code >= 0xD800 && code < 0xDC00 && text_.substr(at_, 2) == "\\u") {
                at_ += 2;
                const unsigned low = hexQuad();
                if (low < 0xDC00 || low >= 0xE000) {
                    fail("a broken surrogate pair");
                }
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
            } else if (code >= 0xD800 && code < 0xE000) {
                fail("a broken surrogate pair");
            }
            appendUtf8(value, code);
        } else {
            fail("an unknown escape");
        }
    }

    unsigned hexQuad() {
        unsigned code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = at_ < text_.size() ? text_[at_++] : '\0';
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0) {
                fail("a \\u escape without four hexadecimal digits");
            }
            code = code * 16 + static_cast<unsigned>(digit);
        }
        return code;
    }

    static void appendUtf8(std::string& value, unsigned code) {
        if (code < 0x80) {
            value += static_cast<char>(code);
        } else if (code < 0x800) {
            value += static_cast<char>(0xC0 | (code >> 6));
            value += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            value += static_cast<char>(0xE0 | (code >> 12));
            value += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            value += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            value += static_cast<char>(0xF0 | (code >> 18));
            value += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            value += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            value += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    void skipBlanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                      text_[at_] == '\r' || text_[at_] == '\n')) {
            ++at_;
        }
    }

    char peek() {
        skipBlanks();
        return at_ < text_.size() ? text_[at_] : '\0';
    }

    void expect(char wanted) {
        if (peek() != wanted) {
            fail(at_ < text_.size()
                     ? std::string("'") + text_[at_] + "' where '" + wanted + "' belongs"
                     : std::string("the end where '") + wanted + "' belongs");
        }
        ++at_;
    }

    [[noreturn]] void fail(const std::string& what) const {
        throw std::invalid_argument(what + " at character " + std::to_string(at_ + 1));
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

} // namespace

std::vector<JsonMember> ParseJsonObject(std::string_view text) {
    return Reader(text).object();
}

} // namespace kelvra::cli
