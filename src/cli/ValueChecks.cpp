#include "cli/ValueChecks.h"

#include "cli/UsageError.h"
#include "core/AddressParts.h"
#include "core/Errors.h"
#include "core/IntegerText.h"

namespace kelvra::cli {

void RequireInteger(const std::string& text) {
    try {
        StrToInt(text);
    } catch (const EConvertError& error) {
        throw UsageError(error.what());
    }
}

void RequireAddress(const std::string& value, const AddressKind& kind) {
    const bool isDeviceAddress = kind.prefix == protocol::kDeviceAddress;
    try {
        ProgrammableAddressParts(value, kind.caption);
    } catch (const EStringListError& error) {
        throw UsageError("'" + value + "' is not an address of four dotted parts (" + error.what() +
                         ")");
    } catch (const EAddressError&) {
        throw UsageError("'" + value + "' is not an address of four parts of 0 to 255");
    }
    const DeviceAddressRefusal refusal =
        isDeviceAddress ? RefuseAsDeviceAddress(value) : DeviceAddressRefusal::None;
    if (refusal == DeviceAddressRefusal::LastOctetZero) {
        throw UsageError("'" + value + "' cannot be a device address: its last part is 0");
    }
    if (refusal == DeviceAddressRefusal::Loopback) {
        throw UsageError("'" + value + "' cannot be a device address: it begins with 127");
    }
}

} // namespace kelvra::cli
