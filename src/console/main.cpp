// SPDX-License-Identifier: GPL-3.0-or-later
// varnock-console: the calculator driven by text commands, one a line, from
// standard input or from the files named as arguments, in order.
#include <iostream>
#include <string_view>
#include <vector>

#include "console/ConsoleProgram.h"

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> files(argv + 1, argv + argc);
    return varnock::console::runConsole(files, std::cout, std::cerr);
}
