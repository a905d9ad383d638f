// Prints the readout's read commands, one a line, in the order they are sent, so
// that scripts take them from the link's table instead of spelling them again.

#include "link/ReadoutField.h"

#include <iostream>

int main() {
    for (const std::string_view command : kelvra::ReadCommands()) {
        std::cout << command << '\n';
    }
    return 0;
}
