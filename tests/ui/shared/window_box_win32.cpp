// window_box CLASS...: prints "CLASS LEFT TOP WIDTH HEIGHT" for the visible top-level window of each
// class, frame included, in screen coordinates, or fails when one is missing. Not a test: the
// screenshot script crops the screen to our windows with it.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    HWND window = FindWindowA(argv[i], nullptr);
    RECT box{};
    if (!window || !IsWindowVisible(window) || !GetWindowRect(window, &box)) {
      std::fprintf(stderr, "window_box: no visible window of class %s\n", argv[i]);
      return 1;
    }
    std::printf("%s %ld %ld %ld %ld\n", argv[i], box.left, box.top, box.right - box.left,
                box.bottom - box.top);
  }
  return 0;
}
