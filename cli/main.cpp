#include <cstdio>

int main() {
    std::puts("usage: ovlnutriimport [/DB:name | --db NAME] COMMAND ...");
    return 2;
}
