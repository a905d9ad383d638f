// Writes kelvra-cli's manual page, made from its --help text, to standard output.

#include "cli/HelpText.h"
#include "cli/ManualPage.h"

#include <iostream>

int main() {
    std::cout << kelvra::cli::ManualPage(kelvra::cli::HelpText(), KELVRA_VERSION);
}
