#include <iostream>

#include "cli/cli.h"

int main(int argc, char** argv) { return volantis4::runCli(argc, argv, std::cout, std::cerr); }
