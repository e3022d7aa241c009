// kxsim: the KX-7026G switch-stack simulator.
#include "agent.h"
#include "options.h"

#include <iostream>

int main(int argc, char** argv) {
    kxsim::Options options;
    std::string message;
    switch (kxsim::ParseOptions(argc, argv, &options, &message)) {
    case kxsim::ParseResult::Help:
        std::cout << message;
        return 0;
    case kxsim::ParseResult::Error:
        std::cerr << "kxsim: " << message << "\n";
        return 2;
    case kxsim::ParseResult::Run:
        break;
    }
    kxsim::Agent agent(std::move(options));
    return agent.Run();
}
