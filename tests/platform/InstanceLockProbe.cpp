// A copy of the program as far as its lock goes: takes the lock named argv[1] for the program
// folder argv[2], prints "held" or "busy", and keeps a held lock until its input closes.

#include "platform/shell/InstanceLock.h"

#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const zarle::InstanceLock lock(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    std::cout << (lock.AnotherIsRunning() ? "busy" : "held") << std::endl;
    if (lock.AnotherIsRunning()) return 0;
    for (std::string line; std::getline(std::cin, line);) {
    }
    return 0;
}
