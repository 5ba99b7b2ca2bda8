#include <cstdio>

int main() {
    std::fputs("usage: volmar-cli COMMAND ...\n", stderr);
    return 2;
}
