#include "cli/Tarvelo.h"
#include "platform/os/CommandLine.h"
#include "platform/os/Terminal.h"

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    tarvelo::os::SetBinaryStandardOutput();
    tarvelo::cli::Console console{
        std::cout, std::cerr, tarvelo::os::IsTerminal(tarvelo::os::StandardStream::Error), {}};
    const int status = tarvelo::cli::RunTarvelo(tarvelo::os::Utf8Arguments(argc, argv), console);
    std::cout.flush();
    return status;
}
