// Prints the styles Windows reports for the top-level window with the title given, in hex:
// what the frame looks like to Windows (and to Wine, which draws the frame from them).
//
//   window_styles.exe " Tempidex 02"   -> 14ca0000
#include <windows.h>

#include <cstdio>

int main(int argc, char **argv) {
    if (argc != 2)
        return 2;
    const HWND window = FindWindowA(nullptr, argv[1]);
    if (window == nullptr)
        return 1;
    std::printf("%08llx\n", static_cast<unsigned long long>(GetWindowLongPtrA(window, GWL_STYLE)) &
                                0xffffffffULL);
    return 0;
}
