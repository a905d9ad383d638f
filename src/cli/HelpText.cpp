#include "cli/HelpText.h"

namespace kelvra::cli {

const std::string_view kHelpText =
    R"(usage: kelvra-cli [--device HOST[:PORT]]... [--devices FILE] [--json] COMMAND [ARGS]

Runs one device operation on one data logger, or on many at once.

Commands:
  connect                      the handshake only
  read                         identity, port, MAC, gateway, mask, DNS, clock,
                               the ten limits, server
  set-limit QUANTITY HIGH LOW  QUANTITY: ambient | humidity | pressure | cabinet | near
  set-calibration VALUE
  set-clock                    from this PC's clock
  set-address KIND ADDRESS     KIND: device | mask | gateway | dns | server

Options:
  --device HOST[:PORT]  a data logger (port 10001 unless given); repeat it for more
  --devices FILE        data loggers from FILE: one HOST[:PORT] per line, "#" starts
                        a comment, blank lines are skipped
  --json                one JSON object per device instead of one line
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
JSON when empty or holding blanks, quotes or "="). The names: identity_record,
identity, address, port, mac, gateway, mask, dns, time, date, ambient_high,
ambient_low, humidity_high, humidity_low, pressure_high, pressure_low,
cabinet_high, cabinet_low, near_high, near_low, server, server_port. With --json
each line is an object with "device", "result" ("ok" or "failed"), "reason" when
there is one and, for read, "values" by name.

Standard error gets the exchange log, every line with its time stamp, as the
window shows it; with several devices each line begins with [HOST:PORT].

Exit status: 0 when every device succeeded (it answered the handshake, every read
was answered and every setting was answered with "OK"), 1 when any device failed,
2 for a usage error (an unknown command, a bad value, a limit that is not an
integer, an address that is not four parts of 0 to 255); nothing is sent on a
usage error.
)";

} // namespace kelvra::cli
