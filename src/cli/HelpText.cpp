#include "cli/HelpText.h"

#include "link/ReadoutField.h"

#include <cstddef>

namespace kelvra::cli {

namespace {

// Before the readout's names.
constexpr std::string_view kBeforeNames =
    R"(usage: kelvra-cli [--device HOST[:PORT]]... [--devices FILE] [--json | --csv] COMMAND [ARGS]

Runs one device operation on one data logger, or on many at once.

Commands:
  connect                      the handshake only
  read                         identity, port, MAC, gateway, mask, DNS, clock and
                               its offset, the ten limits, server
  set-limit QUANTITY HIGH LOW  QUANTITY: ambient | humidity | pressure | cabinet | near
  set-calibration VALUE
  set-clock                    from this PC's clock
  set-address KIND ADDRESS     KIND: device | mask | gateway | dns | server; the
                               device takes device, mask, gateway and dns at
                               its next power-up
  apply --address A --mask M --gateway G --dns D
                               readdresses the device as the window's "Cihaza
                               Uygula" does; all four are needed
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
  --csv                 read, scan, diff, apply: comma-separated rows for a
                        spreadsheet
  --port PORT           scan: the port asked on every host (10001 unless given)
  --with-network        restore: also mask, gateway and DNS
  --with-clock          restore: also the clock, from this PC's clock
  --address ADDRESS     apply: the device's new address
  --mask ADDRESS        apply: its new subnet mask
  --gateway ADDRESS     apply: its new gateway
  --dns ADDRESS         apply: its new DNS server
  --no-verify           set- commands: judge by the replies alone, read nothing
                        back; apply: a missing reply is "failed"
  -h, --help            this text
  --version             the program's name and version

Every device is worked on at the same time (up to 256 at once) over a link of its
own; a device named twice is worked on once. A device that does not answer the
handshake is reported as not answering and nothing more is sent to it. Limits and
calibration values are integers; a negative one can be given as it is
(set-limit near 45 -5); one given in hexadecimal ($1F, 0x1F) goes out in decimal.
An address is four dotted parts of one to three digits, each at most 255; a device
address must not end in 0 or begin with 127.

Writes are read back: set-limit reads the settings record after the pair,
set-clock too (a device clock off this PC's by more than the seconds the
exchange took fails it; a right one may have been right before, so its replies
judge it), set-address server the server record, each read once more when
unanswered. What the device shows decides: the value sent is "ok" even when a
write's reply was lost, another value "failed" with NAME=DEVICEVALUE (sent
SENTVALUE); limits compare as numbers (+7 is 7, $1F is 31). A write whose reply
is missing and whose read-back goes unanswered too is "unconfirmed", as is a
set-calibration or set-address device, mask, gateway or dns, which the device
cannot report, whose reply is missing; a refusal stays "failed".

Output: one line per device on standard output, written as soon as that device is
done, so not necessarily in the order given: the device as HOST:PORT, "ok",
"failed" or "unconfirmed", then the reason or, for read, the values as
NAME=VALUE (quoted as in JSON when empty or holding blanks, quotes or "="). The
names, in the order printed:
)";

// After the names.
constexpr std::string_view kAfterNames =
    R"(clock_offset_s is the device's clock minus this PC's when the settings record
came in, in whole seconds, empty when the device's time or date cannot be read. With --json each line is an object with "device", "result"
("ok", "failed", "unconfirmed", or "differs" below), "reason" when there is one and, for read,
"values" by name. With --csv the first row names the columns: device, result,
reason, then for read every name above, for scan identity_record, identity and
address, for diff setting, device_value and file_value with one row per
difference, for apply nothing more; a field holding a comma, quote, blank or line break is quoted, a
quote doubled (RFC 4180):
  kelvra-cli --csv --devices row-a.txt read > row-a.csv

Standard error gets the exchange log, every line with its time stamp, as the
window shows it; with several devices each line begins with [HOST:PORT].

Exit status: 0 when every device succeeded (it answered the handshake, every read
was answered, every setting was answered with "OK" or shown as sent and, for diff
and restore, no setting differs from the file), 1 when any device failed, differs
or is unconfirmed (the output's result word tells them apart: "failed" the device
refused or shows another value, "unconfirmed" nobody could tell), and for scan
0 when any data logger was found, 1 when none; 2 for a usage error (an unknown
command, a bad value, a limit that is not an integer, an address that is not four
parts of 0 to 255, a bad settings file); nothing is sent on a usage error.

Apply:
apply writes the device's new address, mask, gateway and DNS in this order, each
octet by octet and committed only when all four octets were taken, each whatever
became of the one before; every address goes to the device's present address. All
four are checked first, as set-address checks them (the new address must not end
in 0 or begin with 127). When the new address is outside this PC's network (the
first three parts of the PC's address towards the device, which the system's
routing gives without sending anything) a warning goes to standard error; it
does not stop the run. A device is "ok" only when it took all four addresses; the
reason names each one it did not take. As the device cannot report them, it is
"unconfirmed" when no address was refused but a reply was missing ("failed" with
--no-verify). Once the addresses went out to any device,
standard error ends with the window's request to switch the devices off and on.

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
backup is kelvra-cli --json --device HOST read > FILE. Edited by hand it may also
hold an array of such objects, spread over several lines, with members in any
order and limits as numbers ("near_high": 45); members that are no setting are
ignored, with a note on standard error naming them. With one object in the
file, every device is compared with it or given its settings; with several, each
device gets the object of the same HOST:PORT. Without --device or --devices, the
devices are those the file names. diff and restore refuse, with nothing sent, a
file that is not such output (naming its line, and column where the JSON is
broken), an object of a failed read or without values, a member given twice, and
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
