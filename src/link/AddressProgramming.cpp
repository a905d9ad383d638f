#include "core/AddressParts.h"
#include "link/DeviceMessages.h"
#include "link/KelvraDM.h"
#include "link/Protocol.h"

namespace kelvra {

namespace {

// The commit's log line names no address.
constexpr std::string_view kCommitCaption = " ";

} // namespace

WriteOutcome TFKelvraDM::SetAddressValue(const std::string& value, const std::string& prefix,
                                         const std::string& caption, bool showResult) {
    // Refused before the split, so a bad address leaves the link state as it was.
    ProgrammableAddressParts(value, caption);
    SplitFields(protocol::kDottedDelimiter, value, fieldList_);
    // The split has zeroed the tally already; the commit below counts on exactly
    // that, so it is said here rather than left to the split.
    StartTally();

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
    const WriteOutcome outcome = JudgeBatch(caption, value, kAddressSetText);
    if (showResult) {
        console_.showInformation(outcome.text);
    }
    return outcome;
}

std::string TFKelvraDM::GetLocalIpText() {
    return hostNetwork_.localIpText();
}

} // namespace kelvra
