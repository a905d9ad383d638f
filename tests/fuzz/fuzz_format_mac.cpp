// FormatMac: six numbers joined by dots give six pieces of two or more upper-case
// hexadecimal digits joined by five dots, each the number's own; any other reply
// fails only with the conversion or the list-index error.
#include "FuzzChecks.h"
#include "core/Errors.h"
#include "core/FieldSplitting.h"
#include "core/HexText.h"
#include "link/KelvraDM.h"
#include "support/FakeConsole.h"
#include "support/ManualClock.h"
#include "support/ScriptedEndpoint.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

using namespace kelvra;
using fuzz::Check;

namespace {

struct DataModule {
    testing::ManualClock clock;
    testing::ScriptedEndpoint endpoint{clock};
    testing::FakeConsole console;
    testing::FakeHostNetwork network;
    TFKelvraDM dm{endpoint, clock, console, network};
};

std::vector<std::string> Pieces(const std::string& mac) {
    std::vector<std::string> pieces(1);
    for (const char c : mac) {
        if (c == '.') {
            pieces.emplace_back();
        } else {
            pieces.back() += c;
        }
    }
    return pieces;
}

bool IsHexPiece(const std::string& piece) {
    if (piece.size() < 2) {
        return false;
    }
    for (const char c : piece) {
        if (!fuzz::IsUpperHexDigit(c)) {
            return false;
        }
    }
    return true;
}

// Six numbers from the input, joined by dots, each as its own piece.
void CheckSixNumbers(TFKelvraDM& dm, std::string_view input) {
    std::int32_t numbers[6];
    if (input.size() < sizeof numbers) {
        return;
    }
    std::memcpy(numbers, input.data(), sizeof numbers);
    std::string dotted;
    for (int i = 0; i < 6; ++i) {
        dotted += (i == 0 ? "" : ".") + std::to_string(numbers[i]);
    }
    const std::vector<std::string> pieces = Pieces(dm.FormatMac(dotted));
    Check(pieces.size() == 6, "six pieces joined by five dots", input);
    for (int i = 0; i < 6; ++i) {
        Check(IsHexPiece(pieces[i]), "each piece two or more upper-case hex digits", input);
        Check(pieces[i] == DecToHexText(std::to_string(numbers[i])), "each number's own piece",
              input);
    }
    Check(dm.SetTally() == 0 && dm.Fields().count() == 6, "the split refills the list", input);
}

void CheckAnyReply(TFKelvraDM& dm, std::string_view input) {
    std::string mac;
    try {
        mac = dm.FormatMac(input);
    } catch (const EConvertError&) {
        return;
    } catch (const EStringListError&) {
        Check(input.find('.') != std::string_view::npos, "only a dotted reply misses items", input);
        return;
    }
    if (input.find('.') == std::string_view::npos) {
        return;
    }
    const std::vector<std::string> pieces = Pieces(mac);
    Check(pieces.size() == 6, "a dotted reply gives six pieces", input);
    for (const std::string& piece : pieces) {
        Check(IsHexPiece(piece), "a dotted reply gives hex pieces", input);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static DataModule module;
    const std::string_view input = fuzz::AsText(data, size);
    try {
        CheckSixNumbers(module.dm, input);
    } catch (const std::exception&) {
        fuzz::Violated("six numbers always format", input);
    }
    CheckAnyReply(module.dm, input);
    return 0;
}
