#include "simulator.h"

#include <iostream>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return orvela::sim::runSimulator(args, std::cin, std::cout, std::cerr);
}
