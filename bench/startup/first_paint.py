"""Times programs from process start to their mapped and first painted window, watching X.

Nothing inside the programs is changed or asked: this starts each one, then polls the display
for a viewable top-level window whose _NET_WM_PID is the process, and reads the window's pixels
back until they are not all one colour. The pixels are read once when the window is found and then
only when the X server reports that something was drawn into it (DAMAGE), timed from that report:
reading a large window at every poll would take the X server and a core away from the program
being timed, more so the larger its window. Memory is read from /proc once the window has settled.
Started by measure.sh, which owns the display.
"""

import argparse
import ctypes
import ctypes.util
import os
import statistics
import subprocess
import sys
import time

ZPIXMAP = 2
ALL_PLANES = ctypes.c_ulong(~0 & 0xFFFFFFFFFFFFFFFF)
IS_VIEWABLE = 2
XA_CARDINAL = 6
DAMAGE_REPORT_RAW_RECTANGLES = 0
X_EVENT_SIZE = 192  # sizeof(XEvent)
IPC_PRIVATE, IPC_CREAT, IPC_RMID = 0, 0o1000, 0


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int)]  # the rest is not read here


class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int),
                ("depth", ctypes.c_int), ("visual", ctypes.c_void_p),
                ("root", ctypes.c_ulong), ("c_class", ctypes.c_int),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


class XShmSegmentInfo(ctypes.Structure):
    _fields_ = [("shmseg", ctypes.c_ulong), ("shmid", ctypes.c_int),
                ("shmaddr", ctypes.c_void_p), ("readOnly", ctypes.c_int)]


def one_colour(libc, address, width, height, bytes_per_line, step):
    """True if every pixel of a ZPixmap image in memory is the first one; compared in place,
    since copying a large window's pixels into Python would cost more than the reading."""
    row = width * step
    if libc.memcmp(address, address + step, row - step) != 0:
        return False
    return all(libc.memcmp(address + y * bytes_per_line, address, row) == 0
               for y in range(1, height))


class SharedImage:
    """A window's pixels read through shared memory (MIT-SHM): no copy through the socket."""

    def __init__(self, display, window, width, height):
        self.display, self.window = display, window
        x, xext, libc = display.x, display.xext, display.libc
        attributes = XWindowAttributes()
        x.XGetWindowAttributes(display.dpy, window, ctypes.byref(attributes))
        self.info = XShmSegmentInfo()
        self.image = xext.XShmCreateImage(display.dpy, attributes.visual, attributes.depth,
                                          ZPIXMAP, None, ctypes.byref(self.info), width, height)
        img = self.image.contents
        self.size = img.bytes_per_line * img.height
        self.info.shmid = libc.shmget(IPC_PRIVATE, self.size, IPC_CREAT | 0o600)
        self.info.shmaddr = libc.shmat(self.info.shmid, None, 0)
        img.data = self.info.shmaddr
        xext.XShmAttach(display.dpy, ctypes.byref(self.info))
        x.XSync(display.dpy, 0)
        libc.shmctl(self.info.shmid, IPC_RMID, None)  # gone once both sides detach

    def painted(self):
        if not self.display.xext.XShmGetImage(self.display.dpy, self.window, self.image, 0, 0,
                                              ALL_PLANES):
            return False
        img = self.image.contents
        return not one_colour(self.display.libc, self.info.shmaddr, img.width, img.height,
                              img.bytes_per_line, img.bits_per_pixel // 8)

    def close(self):
        self.display.xext.XShmDetach(self.display.dpy, ctypes.byref(self.info))
        self.display.x.XSync(self.display.dpy, 0)
        self.display.x.XDestroyImage(self.image)
        self.display.libc.shmdt(self.info.shmaddr)


class Display:
    """The few Xlib calls needed, through ctypes; X errors (a window gone) are ignored."""

    def __init__(self, name):
        x = ctypes.CDLL(ctypes.util.find_library("X11"))
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XInternAtom.restype = ctypes.c_ulong
        x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 4
        x.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_void_p]
        x.XGetWindowProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong,
                                         ctypes.c_long, ctypes.c_long, ctypes.c_int,
                                         ctypes.c_ulong] + [ctypes.c_void_p] * 5
        x.XGetImage.restype = ctypes.POINTER(XImage)
        x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x.XDestroyImage.argtypes = [ctypes.POINTER(XImage)]
        x.XFree.argtypes = [ctypes.c_void_p]
        self.x = x
        self.dpy = x.XOpenDisplay(name.encode())
        if not self.dpy:
            raise SystemExit(f"cannot open display {name}")
        self._on_error = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(
            lambda dpy, event: 0)
        x.XSetErrorHandler(self._on_error)
        self.root = x.XDefaultRootWindow(self.dpy)
        self.wm_pid = x.XInternAtom(self.dpy, b"_NET_WM_PID", 0)
        x.XCheckTypedEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_void_p]
        self.event = ctypes.create_string_buffer(X_EVENT_SIZE)
        self.damage = ctypes.CDLL(ctypes.util.find_library("Xdamage"))
        self.damage.XDamageCreate.restype = ctypes.c_ulong
        self.damage.XDamageCreate.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int]
        self.damage.XDamageDestroy.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.damage.XDamageQueryExtension.argtypes = [ctypes.c_void_p] + [ctypes.c_void_p] * 2
        event_base, error_base = ctypes.c_int(), ctypes.c_int()
        if not self.damage.XDamageQueryExtension(self.dpy, ctypes.byref(event_base),
                                                 ctypes.byref(error_base)):
            raise SystemExit(f"the X server on {name} has no DAMAGE extension")
        self.damage_notify = event_base.value  # XDamageNotify is the extension's event 0
        x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        xext = ctypes.CDLL(ctypes.util.find_library("Xext"))
        xext.XShmQueryExtension.argtypes = [ctypes.c_void_p]
        xext.XShmCreateImage.restype = ctypes.POINTER(XImage)
        xext.XShmCreateImage.argtypes = [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_uint,
                                         ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p,
                                         ctypes.c_uint, ctypes.c_uint]
        xext.XShmAttach.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        xext.XShmDetach.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        xext.XShmGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(XImage),
                                      ctypes.c_int, ctypes.c_int, ctypes.c_ulong]
        self.xext = xext if xext.XShmQueryExtension(self.dpy) else None
        libc = ctypes.CDLL(None)
        libc.shmget.argtypes = [ctypes.c_int, ctypes.c_size_t, ctypes.c_int]
        libc.shmat.restype = ctypes.c_void_p
        libc.shmat.argtypes = [ctypes.c_int, ctypes.c_void_p, ctypes.c_int]
        libc.shmdt.argtypes = [ctypes.c_void_p]
        libc.shmctl.argtypes = [ctypes.c_int, ctypes.c_int, ctypes.c_void_p]
        libc.memcmp.argtypes = [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_size_t]
        self.libc = libc

    def _pid_of(self, window):
        actual_type, actual_format = ctypes.c_ulong(), ctypes.c_int()
        items, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        status = self.x.XGetWindowProperty(
            self.dpy, window, self.wm_pid, 0, 1, 0, XA_CARDINAL, ctypes.byref(actual_type),
            ctypes.byref(actual_format), ctypes.byref(items), ctypes.byref(after),
            ctypes.byref(data))
        pid = None
        if status == 0 and data.value:
            if items.value == 1 and actual_format.value == 32:
                pid = ctypes.cast(data, ctypes.POINTER(ctypes.c_long))[0]
            self.x.XFree(data)
        return pid

    def viewable_window_of(self, pid):
        """(window, width, height) of a viewable top-level window of the process, or None."""
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not self.x.XQueryTree(self.dpy, self.root, ctypes.byref(root), ctypes.byref(parent),
                                 ctypes.byref(children), ctypes.byref(count)):
            return None
        try:
            for i in range(count.value):
                window = children[i]
                attributes = XWindowAttributes()
                if (self.x.XGetWindowAttributes(self.dpy, window, ctypes.byref(attributes))
                        and attributes.map_state == IS_VIEWABLE
                        and self._pid_of(window) == pid):
                    return window, attributes.width, attributes.height
        finally:
            if children:
                self.x.XFree(children)
        return None

    def watch(self, window, width, height):
        """Starts reporting drawing into the window; returns a Watch."""
        return Watch(self, window, width, height)

    def drawn(self):
        """True if something was drawn into a watched window since the last call."""
        seen = False
        while self.x.XCheckTypedEvent(self.dpy, self.damage_notify, self.event):
            seen = True
        return seen

    def painted(self, window, width, height):
        """True once the window's pixels are not all one colour."""
        image = self.x.XGetImage(self.dpy, window, 0, 0, width, height, ALL_PLANES, ZPIXMAP)
        if not image:
            return False
        try:
            img = image.contents
            return not one_colour(self.libc, img.data, img.width, img.height,
                                  img.bytes_per_line, img.bits_per_pixel // 8)
        finally:
            self.x.XDestroyImage(image)


class Watch:
    """Drawing into one window, and its pixels, from the moment it is found."""

    def __init__(self, display, window, width, height):
        self.display = display
        self.damage = display.damage.XDamageCreate(display.dpy, window,
                                                   DAMAGE_REPORT_RAW_RECTANGLES)
        self.shared = SharedImage(display, window, width, height) if display.xext else None
        self.window = (window, width, height)

    def painted(self):
        """True once the window's pixels are not all one colour."""
        if self.shared:
            return self.shared.painted()
        return self.display.painted(*self.window)

    def close(self):
        if self.shared:
            self.shared.close()
        self.display.damage.XDamageDestroy(self.display.dpy, self.damage)
        self.display.drawn()


def cpu_ms(pid):
    """Time the process has spent on a CPU so far: unlike the wall clock, it does not grow
    while other work on the machine keeps the program waiting."""
    with open(f"/proc/{pid}/schedstat") as schedstat:
        return int(schedstat.read().split()[0]) / 1e6


def memory_kib(pid):
    fields = {}
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            key, _, value = line.partition(":")
            if key in ("VmRSS", "VmHWM"):
                fields[key] = int(value.split()[0])
    return fields["VmRSS"], fields["VmHWM"]


def measure(display, path, settle, timeout):
    """One start: ms to mapped, ms to painted, CPU ms to painted, KiB resident and peak, poll
    periods in ms."""
    env = dict(os.environ, QT_QPA_PLATFORM="xcb")
    start = time.monotonic_ns()
    process = subprocess.Popen([path], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        mapped = painted = None
        window = watch = None
        periods, last = [], start
        while painted is None:
            if process.poll() is not None:
                raise SystemExit(f"{path} ended with {process.returncode} before painting")
            if window is None:
                window = display.viewable_window_of(process.pid)
                if window is not None:
                    mapped = time.monotonic_ns()
                    watch = display.watch(*window)  # before the first look: nothing is missed
                    if watch.painted():
                        painted = mapped
            elif display.drawn():
                drawn = time.monotonic_ns()
                if watch.painted():
                    painted = drawn
            now = time.monotonic_ns()
            periods.append((now - last) / 1e6)
            last = now
            if (now - start) / 1e9 > timeout:
                raise SystemExit(f"{path} painted no window within {timeout} s")
            time.sleep(0.001)
        cpu = cpu_ms(process.pid)
        watch.close()
        time.sleep(settle)
        rss, hwm = memory_kib(process.pid)
        return (mapped - start) / 1e6, (painted - start) / 1e6, cpu, rss, hwm, periods
    finally:
        process.terminate()
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--display", required=True)
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--warmup", type=int, default=1)
    parser.add_argument("--settle", type=float, default=0.5)
    parser.add_argument("--timeout", type=float, default=20)
    parser.add_argument("program", help="the program under test")
    parser.add_argument("baseline", help="the bare window it is compared with")
    args = parser.parse_args()

    display = Display(args.display)
    names = [os.path.basename(args.program), os.path.basename(args.baseline)]
    paths = [args.program, args.baseline]
    results = {name: [] for name in names}
    periods = []
    for round_ in range(args.warmup + args.runs):
        order = (0, 1) if round_ % 2 == 0 else (1, 0)  # alternate who goes first
        for i in order:
            result = measure(display, paths[i], args.settle, args.timeout)
            if round_ >= args.warmup:
                results[names[i]].append(result)
                periods += result[5]

    def column(name, k):
        return [r[k] for r in results[name]]

    def median(name, k):
        return statistics.median(column(name, k))

    print(f"Start-up under Xvfb {args.display}: {args.runs} runs each, alternating, "
          f"after {args.warmup} warm-up run(s) each that are not counted.")
    print(f"{'':14}{'mapped ms':>11}{'painted ms':>12}{'(min-max)':>15}{'CPU ms':>8}"
          f"{'VmRSS MiB':>11}{'VmHWM MiB':>11}")
    for name in names:
        painted = column(name, 1)
        print(f"{name:14}{median(name, 0):11.1f}{median(name, 1):12.1f}"
              f"{f'({min(painted):.0f}-{max(painted):.0f})':>15}{median(name, 2):8.1f}"
              f"{median(name, 3) / 1024:11.1f}{median(name, 4) / 1024:11.1f}")
    ratios = [median(names[0], k) / median(names[1], k) for k in range(5)]
    print(f"{'ratio':14}{ratios[0]:11.2f}{ratios[1]:12.2f}{'':15}{ratios[2]:8.2f}"
          f"{ratios[3]:11.2f}{ratios[4]:11.2f}")
    within = ["mapped", "first paint", "CPU to first paint", "VmRSS", "VmHWM"]
    verdict = ", ".join(f"{what} {'yes' if r <= 1.15 else 'no'} ({(r - 1) * 100:+.0f} %)"
                        for what, r in zip(within, ratios))
    print(f"Within 15 % of the bare window: {verdict}")
    print(f"Method: each program is started from here and the X server is polled for its "
          f"viewable window (_NET_WM_PID); its pixels are read when it is found and whenever "
          f"the X server reports drawing into it, until they are not all one colour. "
          f"A poll took {statistics.median(periods):.1f} ms (median; "
          f"longest {max(periods):.1f} ms): each time is late by at most one poll, and the "
          f"polling shares the 2 cores with the program and Xvfb. CPU time is the program's "
          f"own up to the first paint (/proc/PID/schedstat), which other work on the machine "
          f"does not stretch. Memory is read from /proc/PID/status {args.settle:.1f} s after "
          f"the first paint; medians throughout.")


if __name__ == "__main__":
    sys.exit(main())
