// Measures the time from starting a program to a pixel of the X screen taking a colour: with the
// game as the program and a pixel of the painted table, the start to the first painted table.
// usage: startup_probe X Y RRGGBB command [args...]   (prints milliseconds; needs DISPLAY)
// With STARTUP_PROBE_HWM=1 in the environment it also prints the program's peak resident memory
// (VmHWM, kB) at that moment.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

// VmHWM of a process from /proc, in kB; -1 when it cannot be read.
long PeakKilobytes(pid_t pid) {
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/status", static_cast<int>(pid));
    std::FILE* f = std::fopen(path, "r");
    if (!f) return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, f)) {
        if (std::sscanf(line, "VmHWM: %ld", &kb) == 1) break;
    }
    std::fclose(f);
    return kb;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: startup_probe X Y RRGGBB command [args...]\n");
        return 2;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    const unsigned long want = std::strtoul(argv[3], nullptr, 16);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_probe: no display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    const auto close = [](unsigned long a, unsigned long b) {
        for (int shift : {0, 8, 16}) {
            const int da = static_cast<int>((a >> shift) & 0xFF);
            const int db = static_cast<int>((b >> shift) & 0xFF);
            if (std::abs(da - db) > 6) return false;
        }
        return true;
    };
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[4], argv + 4);
        _exit(127);
    }
    int result = 1;
    for (int i = 0; i < 20000; ++i) {
        XImage* image = XGetImage(display, root, x, y, 1, 1, AllPlanes, ZPixmap);
        const unsigned long pixel = image ? XGetPixel(image, 0, 0) & 0xFFFFFF : 0;
        if (image) XDestroyImage(image);
        if (close(pixel, want)) {
            const double ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            std::printf("%.1f", ms);
            if (const char* hwm = std::getenv("STARTUP_PROBE_HWM"); hwm && *hwm == '1') {
                std::printf(" %ld", PeakKilobytes(child));
            }
            std::printf("\n");
            result = 0;
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (result) std::fprintf(stderr, "startup_probe: the pixel never took the colour\n");
    return result;
}
