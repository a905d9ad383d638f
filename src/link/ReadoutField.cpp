#include "link/ReadoutField.h"

namespace kelvra {

std::optional<ReadoutField> ReadoutFieldNamed(std::string_view name) {
    for (const ReadoutEntry& entry : kReadout) {
        if (entry.name == name) {
            return entry.field;
        }
    }
    return std::nullopt;
}

} // namespace kelvra
