// Measures windows from outside the program that owns them, on the X server:
// when a window with a given title becomes viewable, and when its contents
// show the pixels it settles on (its "painted" moment). Polls every 0.5 ms.
//
//   bench_xprobe startup CALIB TITLE -- PROGRAM [ARGS...]
//       starts the program, prints "map MS paint MS" from the exec, ends it
//   bench_xprobe open CALIB MAIN GAME KEY RUNS [TIMEOUT_MS]
//       presses Ctrl+KEY on the window titled MAIN, prints "map MS paint MS"
//       from the key press to the window titled GAME, closes it by its close
//       box (WM_DELETE_WINDOW), RUNS times; waits up to 5 s for it unless told
//
// The pixels are learnt on a first, untimed showing and kept in CALIB: points
// of a grid that stay put and differ from what the screen showed there before.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern "C" int XTestFakeKeyEvent(Display *, unsigned int, Bool, unsigned long);

static Display *dpy;

static double nowMs()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

static int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

// Qt names its windows in UTF-8, which XFetchName does not return.
static bool titled(Window w, const char *title)
{
    static const Atom names[] = {XInternAtom(dpy, "_NET_WM_NAME", False), XA_WM_NAME};
    for (Atom property : names) {
        Atom type;
        int format;
        unsigned long n, after;
        unsigned char *data = nullptr;
        if (XGetWindowProperty(dpy, w, property, 0, 256, False, AnyPropertyType, &type, &format, &n,
                               &after, &data) == Success &&
            data) {
            const bool same =
                format == 8 && std::string(reinterpret_cast<char *>(data), n) == title;
            XFree(data);
            return same;
        }
    }
    return false;
}

static bool isViewable(Window w)
{
    XWindowAttributes a;
    return XGetWindowAttributes(dpy, w, &a) && a.map_state == IsViewable;
}

// Qt keeps an unmapped window of the program's name too: only a viewable one counts.
static Window findIn(Window w, const char *title, int depth)
{
    if (titled(w, title) && isViewable(w))
        return w;
    if (depth == 0)
        return 0;
    Window root, parent, *children = nullptr;
    unsigned n = 0;
    Window found = 0;
    if (XQueryTree(dpy, w, &root, &parent, &children, &n)) {
        for (unsigned i = n; i-- > 0 && !found;)
            found = findIn(children[i], title, depth - 1);
        if (children)
            XFree(children);
    }
    return found;
}

// The viewable window with that title, or 0.
static Window viewable(const char *title)
{
    return findIn(DefaultRootWindow(dpy), title, 3);
}

static bool pixel(Window w, int x, int y, unsigned long *value)
{
    XImage *image = XGetImage(dpy, w, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return false;
    *value = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return true;
}

struct Point
{
    int x, y;
    unsigned long value;
};

static std::vector<Point> load(const char *file)
{
    std::vector<Point> points;
    if (FILE *f = std::fopen(file, "r")) {
        Point p;
        while (std::fscanf(f, "%d %d %lu", &p.x, &p.y, &p.value) == 3)
            points.push_back(p);
        std::fclose(f);
    }
    return points;
}

static bool painted(Window w, const std::vector<Point> &points)
{
    for (const Point &p : points) {
        unsigned long v;
        if (!pixel(w, p.x, p.y, &v) || v != p.value)
            return false;
    }
    return true;
}

// Learns the settled pixels of a window just shown; `before` is the screen as
// it was before the window appeared.
static void calibrate(Window w, XImage *before, const char *file)
{
    usleep(1500 * 1000);
    XWindowAttributes a;
    XGetWindowAttributes(dpy, w, &a);
    int ax, ay;
    Window child;
    XTranslateCoordinates(dpy, w, DefaultRootWindow(dpy), 0, 0, &ax, &ay, &child);
    std::vector<Point> grid;
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j)
            grid.push_back({a.width * (10 + 16 * i) / 100, a.height * (30 + 12 * j) / 100, 0});
    std::vector<bool> stable(grid.size(), true);
    for (int round = 0; round < 4; ++round) {
        for (size_t k = 0; k < grid.size(); ++k) {
            unsigned long v = 0;
            if (!pixel(w, grid[k].x, grid[k].y, &v))
                stable[k] = false;
            if (round > 0 && v != grid[k].value)
                stable[k] = false;
            grid[k].value = v;
        }
        usleep(300 * 1000);
    }
    FILE *f = std::fopen(file, "w");
    int kept = 0;
    for (size_t k = 0; k < grid.size(); ++k) {
        const int sx = ax + grid[k].x, sy = ay + grid[k].y;
        const bool inside = sx >= 0 && sy >= 0 && sx < before->width && sy < before->height;
        if (!stable[k] || !inside || XGetPixel(before, sx, sy) == grid[k].value ||
            (grid[k].value & 0xffffff) == 0)
            continue;
        std::fprintf(f, "%d %d %lu\n", grid[k].x, grid[k].y, grid[k].value);
        ++kept;
    }
    std::fclose(f);
    std::printf("calibrated %d points\n", kept);
}

static XImage *screen()
{
    const Window root = DefaultRootWindow(dpy);
    return XGetImage(dpy, root, 0, 0, DisplayWidth(dpy, 0), DisplayHeight(dpy, 0), AllPlanes,
                     ZPixmap);
}

// Waits for the window to be viewable, then for its pixels; returns false on
// timeout. Times are from `start`.
static bool watch(const char *title, const std::vector<Point> &points, double start, Window *window,
                  double *mapped, double *paint, double timeoutMs = 10000)
{
    *window = 0;
    *mapped = *paint = -1;
    while (nowMs() - start < timeoutMs) {
        if (!*window) {
            *window = viewable(title);
            if (*window)
                *mapped = nowMs() - start;
        }
        if (*window && (points.empty() || painted(*window, points))) {
            *paint = nowMs() - start;
            return true;
        }
        usleep(500);
    }
    return false;
}

static void closeWindow(Window w)
{
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = long(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, w, False, NoEventMask, &e);
    XFlush(dpy);
}

static void ctrlKey(const char *key)
{
    const unsigned ctrl = XKeysymToKeycode(dpy, XStringToKeysym("Control_L"));
    const unsigned k = XKeysymToKeycode(dpy, XStringToKeysym(key));
    XTestFakeKeyEvent(dpy, ctrl, True, CurrentTime);
    XTestFakeKeyEvent(dpy, k, True, CurrentTime);
    XTestFakeKeyEvent(dpy, k, False, CurrentTime);
    XTestFakeKeyEvent(dpy, ctrl, False, CurrentTime);
    XFlush(dpy);
}

int main(int argc, char *argv[])
{
    if (argc < 4 || !(dpy = XOpenDisplay(nullptr))) {
        std::fprintf(stderr, "usage: see the top of xprobe.cpp\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const std::string mode = argv[1];
    const char *calib = argv[2];
    std::vector<Point> points = load(calib);

    if (mode == "startup" && argc > 5) {
        XImage *before = points.empty() ? screen() : nullptr;
        const double start = nowMs();
        const pid_t child = fork();
        if (child == 0) {
            execv(argv[5], argv + 5);
            _exit(127);
        }
        Window w;
        double mapped, paint;
        const bool ok = watch(argv[3], points, start, &w, &mapped, &paint);
        if (before && w)
            calibrate(w, before, calib);
        else
            std::printf(ok ? "map %.2f paint %.2f\n" : "map %.2f paint timeout %.2f\n", mapped,
                        paint);
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
        return ok ? 0 : 1;
    }

    if (mode == "open" && argc > 6) {
        const char *mainTitle = argv[3], *game = argv[4], *key = argv[5];
        const int runs = std::atoi(argv[6]);
        const double timeout = argc > 7 ? std::atof(argv[7]) : 5000;
        Window main = 0;
        for (int i = 0; i < 200 && !main; ++i, usleep(50000))
            main = viewable(mainTitle);
        if (!main)
            return 1;
        for (int run = 0; run < std::max(runs, 1); ++run) {
            XSetInputFocus(dpy, main, RevertToParent, CurrentTime);
            XSync(dpy, False);
            usleep(100 * 1000);
            XImage *before = points.empty() ? screen() : nullptr;
            const double start = nowMs();
            ctrlKey(key);
            Window w;
            double mapped, paint;
            const bool ok = watch(game, points, start, &w, &mapped, &paint, timeout);
            if (before) {
                if (w)
                    calibrate(w, before, calib);
                XDestroyImage(before);
                points = load(calib);
            } else {
                std::printf(ok ? "map %.2f paint %.2f\n" : "map %.2f paint timeout %.2f\n", mapped,
                            paint);
            }
            if (w) {
                usleep(200 * 1000);
                closeWindow(w);
                for (int i = 0; i < 300 && viewable(game); ++i)
                    usleep(10000);
            }
            usleep(400 * 1000); // the launcher takes its focus back
            if (before && runs == 0)
                break;
        }
        return 0;
    }
    return 2;
}
