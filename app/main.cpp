#include <cstdio>

int main() {
    std::puts("ZarleNET: the game engine is being built; the board window comes next.");
    return 0;
}
