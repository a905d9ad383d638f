#include "core/AddressParts.h"
#include "link/DeviceMessages.h"
#include "link/KelvraDM.h"
#include "link/Protocol.h"

namespace kelvra {

namespace {

// Unlike the clock's result, the address's success text ends in a blank.
constexpr std::string_view kAddressSetText = " olarak set edildi. ";
// The commit's log line names no address.
constexpr std::string_view kCommitCaption = " ";

} // namespace

WriteOutcome TFKelvraDM::SetAddressValue(const std::string& value, const std::string& prefix,
                                         const std::string& caption, bool showResult) {
    // Refused before the split, so a bad address leaves the link state as it was.
    ProgrammableAddressParts(value, caption);
    SplitFields(protocol::kDottedDelimiter, value, fieldList_);
    // SplitFields started the tally; the notes start with it.
    setRefused_ = false;
    setUnanswered_ = false;

    for (std::size_t n = 1; n <= kAddressPartCount; ++n) {
        const std::string part = fieldList_[static_cast<long long>(n - 1)];
        SetDeviceValue(prefix + std::to_string(n) + std::string(protocol::kOctetMark), part,
                       caption);
    }
    // Only an address whose every octet was taken is committed.
    if (setTally_ == static_cast<std::int32_t>(kAddressPartCount)) {
        SetDeviceValue(prefix + std::string(protocol::kCommitMark), "",
                       std::string(kCommitCaption));
    }
    WriteOutcome outcome;
    outcome.set = ContainsOK(lastResponse_) && setTally_ > 0;
    outcome.text = outcome.set ? caption + " " + value + std::string(kAddressSetText)
                               : caption + std::string(kSetFailedText);
    outcome.unanswered = BatchUnanswered(outcome.set);
    if (showResult) {
        console_.showInformation(outcome.text);
    }
    return outcome;
}

std::string TFKelvraDM::GetLocalIpText() {
    return hostNetwork_.localIpText();
}

} // namespace kelvra
