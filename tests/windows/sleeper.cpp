// A console program that only waits (30 s at most), to be copied and started under another name
// by the tests of the process probe.
#include <windows.h>

int main() {
    Sleep(30000);
    return 0;
}
