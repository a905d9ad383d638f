// Writes kelvra-cli's bash completion to standard output.

#include "cli/CompletionScript.h"

#include <iostream>

int main() {
    std::cout << kelvra::cli::CompletionScript();
}
