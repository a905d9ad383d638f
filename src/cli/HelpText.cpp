#include "cli/HelpText.h"

#include "link/ReadoutField.h"

#include <cstddef>

namespace kelvra::cli {

namespace {

// Before the readout's names.
constexpr std::string_view kBeforeNames =
    R"(usage: kelvra-cli [--device HOST[:PORT]]... [--devices FILE] [--json] COMMAND [ARGS]

Runs one device operation on one data logger, or on many at once.

Commands:
  connect                      the handshake only
  read                         identity, port, MAC, gateway, mask, DNS, clock and
                               its offset, the ten limits, server
  set-limit QUANTITY HIGH LOW  QUANTITY: ambient | humidity | pressure | cabinet | near
  set-calibration VALUE
  set-clock                    from this PC's clock
  set-address KIND ADDRESS     KIND: device | mask | gateway | dns | server
  scan NETWORK/PREFIX          finds the data loggers of a network (prefix 22 to
                               30) and reads their identity; takes no devices
  diff FILE                    lists each setting of the devices that differs
                               from the settings file
  restore FILE                 writes the settings file's ten limits and server
                               address, reads them back and reports what did
                               not take

Options:
  --device HOST[:PORT]  a data logger (port 10001 unless given); repeat it for more
  --devices FILE        data loggers from FILE: one HOST[:PORT] per line, "#" starts
                        a comment, blank lines are skipped
  --json                one JSON object per device instead of one line
  --port PORT           scan: the port asked on every host (10001 unless given)
  --with-network        restore: also mask, gateway and DNS
  --with-clock          restore: also the clock, from this PC's clock
  -h, --help            this text

Every device is worked on at the same time (up to 256 at once) over a link of its
own; a device named twice is worked on once. A device that does not answer the
handshake is reported as not answering and nothing more is sent to it. Limits and
calibration values are integers; a negative one can be given as it is
(set-limit near 45 -5); one given in hexadecimal ($1F, 0x1F) goes out in decimal.
An address is four dotted parts of one to three digits, each at most 255; a device
address must not end in 0 or begin with 127.

Output: one line per device on standard output, written as soon as that device is
done, so not necessarily in the order given: the device as HOST:PORT, "ok" or
"failed", then the reason or, for read, the values as NAME=VALUE (quoted as in
JSON when empty or holding blanks, quotes or "="). The names, in the order printed:
)";

// After the names.
constexpr std::string_view kAfterNames =
    R"(clock_offset_s is the device's clock minus this PC's when the settings record
came in, in whole seconds, empty when the device's time or date cannot be read.
With --json each line is an object with "device", "result" ("ok" or "failed", or
"differs" below), "reason" when there is one and, for read, "values" by name.

Standard error gets the exchange log, every line with its time stamp, as the
window shows it; with several devices each line begins with [HOST:PORT].

Exit status: 0 when every device succeeded (it answered the handshake, every read
was answered, every setting was answered with "OK" and, for diff and restore, no
setting differs from the file), 1 when any device failed or differs, and for scan
0 when any data logger was found, 1 when none; 2 for a usage error (an unknown
command, a bad value, a limit that is not an integer, an address that is not four
parts of 0 to 255, a bad settings file); nothing is sent on a usage error.

Scan:
scan sends the handshake once to every host address of the network (not the
network or broadcast address) at the same time, up to 1024 at once, and reads
the identity of each host that answers. It prints one line per data logger found
once all are done, in the order of their addresses, with identity_record,
identity and address (with --json an object as read prints it); the exchange log
shows only the loggers found, and the error of an address that could not be
reached. Whatever the size of the network it takes about
3 s, less than one unanswered handshake and one identity read (3.5 s).

Settings:
A settings file is what read --json prints, one object per device and line, so a
backup is kelvra-cli --json --device HOST read > FILE. With one object in the
file, every device is compared with it or given its settings; with several, each
device gets the object of the same HOST:PORT. Without --device or --devices, the
devices are those the file names. diff and restore refuse, with nothing sent, a
file that is not such output, an object of a failed read or without values, and
a value that set-limit or set-address would refuse. diff compares the ten limits,
server, mask, gateway and DNS; restore writes the limits pair by pair and the
server address, with --with-network mask, gateway and DNS, with --with-clock the
clock, then reads the device back. Neither ever writes the device's own address
or its MAC. A setting that differs (diff) or did not take (restore) is shown as
NAME=DEVICEVALUE (file FILEVALUE) after the result "differs", or after "failed"
and the refused writes; with --json as "differences", by name, each with
"device" and "file".
)";

constexpr std::size_t kLineWidth = 80;

} // namespace

std::string HelpText() {
    std::string text(kBeforeNames);
    std::string line;
    for (const ReadoutEntry& entry : kReadout) {
        const bool last = &entry == &kReadout[kReadoutFieldCount - 1];
        const std::string word = std::string(entry.name) + (last ? "." : ",");
        if (!line.empty() && line.size() + 1 + word.size() > kLineWidth) {
            text += line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    return text + line + "\n" + std::string(kAfterNames);
}

} // namespace kelvra::cli
