#include <cstdio>

int main() {
    std::puts("Orvandel 7.6d");
    return 0;
}
