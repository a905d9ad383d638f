#pragma once

#include <cstddef>

namespace kelvra::net {

// Raises this process's limit of open files, within what the system allows, so
// that count more sockets can be open at once. True when they can; false when the
// system allows fewer. Windows sets no such limit on sockets.
bool AllowOpenFiles(std::size_t count);

} // namespace kelvra::net
