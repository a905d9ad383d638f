#include "core/FieldSplitting.h"

#include "core/Errors.h"

namespace kelvra {
namespace {

constexpr char kQuote = '"';

// Codes 1 to 32; bytes of multi-byte characters are never blanks.
bool IsBlank(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 32;
}

// One left-to-right pass over the text up to its first code 0.
class ItemWalk {
public:
    ItemWalk(char delimiter, std::string_view text)
        : delimiter_(delimiter), text_(text.substr(0, text.find('\0'))) {}

    std::vector<std::string> items() {
        std::vector<std::string> items;
        skipBlanks();
        while (!ended()) {
            items.push_back(current() == kQuote ? quotedItem() : plainItem());
            skipBlanks();
            if (!ended() && current() == delimiter_) {
                if (pos_ + 1 >= text_.size()) {
                    items.emplace_back();
                }
                ++pos_;
                skipBlanks();
            }
        }
        return items;
    }

private:
    bool ended() const { return pos_ >= text_.size(); }
    char current() const { return text_[pos_]; }

    void skipBlanks() {
        while (!ended() && IsBlank(current())) {
            ++pos_;
        }
    }

    std::string plainItem() {
        const std::size_t start = pos_;
        while (!ended() && current() != delimiter_ && !IsBlank(current())) {
            ++pos_;
        }
        return std::string(text_.substr(start, pos_ - start));
    }

    // Runs to the first lone quote; without one, to the end of the walk.
    std::string quotedItem() {
        std::string item;
        ++pos_;
        while (!ended()) {
            if (current() != kQuote) {
                item += current();
                ++pos_;
            } else if (pos_ + 1 < text_.size() && text_[pos_ + 1] == kQuote) {
                item += kQuote;
                pos_ += 2;
            } else {
                ++pos_;
                break;
            }
        }
        return item;
    }

    char delimiter_;
    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

std::optional<std::vector<std::string>> SplitItems(char delimiter, std::string_view text) {
    // The whole text counts here, also what lies beyond a code 0.
    if (text.find(delimiter) == std::string_view::npos) {
        return std::nullopt;
    }
    return ItemWalk(delimiter, text).items();
}

const std::string& FieldList::operator[](long long index) const {
    if (index < 0 || static_cast<unsigned long long>(index) >= items_.size()) {
        throw EStringListError(index);
    }
    return items_[static_cast<std::size_t>(index)];
}

} // namespace kelvra
