"""The virtual desktop the suite plays on: an Xvfb screen with openbox, and
the X actions of a player (keys, typing, clicks) and of an onlooker (the
windows on show, their places, the pixels of the screen) through xdotool,
xwininfo and ImageMagick's import."""

import os
import re
import select
import subprocess

from waits import wait_until

# Every call of an X tool is bounded: a tool that hangs fails the test.
TOOL_TIMEOUT = 15


class DesktopError(RuntimeError):
    pass


class VirtualDesktop:
    """Xvfb on a free display (chosen by the server, -displayfd) with openbox,
    and a keyboard with a Russian layout beside the US one, as a Russian
    player has. Stopped on exit, whatever happened."""

    def __init__(self, width=800, height=600, log_folder=None):
        self.size = (width, height)
        self.log_folder = log_folder
        self.display = None
        self._server = None
        self._window_manager = None
        self._logs = []

    def __enter__(self):
        try:
            self._start_server()
            self._start_window_manager()
            self.run(["setxkbmap", "-layout", "us,ru"])
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, *exc):
        self.stop()

    @property
    def env(self):
        return {"DISPLAY": self.display}

    def run(self, args, timeout=TOOL_TIMEOUT, check=True, status=False):
        """Runs an X tool on the display: its output, or with `status` the
        whole finished process."""
        env = dict(os.environ, DISPLAY=self.display, LC_ALL="C.UTF-8")
        done = subprocess.run(args, env=env, capture_output=True, timeout=timeout)
        if check and done.returncode != 0:
            raise DesktopError(f"{' '.join(args)} failed ({done.returncode}): "
                               f"{done.stderr.decode(errors='replace').strip()}")
        return done if status else done.stdout

    def _log(self, name):
        if self.log_folder is None:
            return subprocess.DEVNULL
        log = open(os.path.join(self.log_folder, name), "wb")
        self._logs.append(log)
        return log

    def _start_server(self):
        width, height = self.size
        read, write = os.pipe()
        try:
            self._server = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write), "-screen", "0", f"{width}x{height}x24",
                 "-nolisten", "tcp", "-noreset"],
                pass_fds=[write], stdout=subprocess.DEVNULL, stderr=self._log("xvfb.log"))
        finally:
            os.close(write)
        with os.fdopen(read) as ready:
            if not select.select([ready], [], [], 20)[0]:
                raise DesktopError("Xvfb named no display within 20 s")
            number = ready.readline().strip()
        if not number:
            raise DesktopError(f"Xvfb ended at start (exit {self._server.poll()})")
        self.display = ":" + number

    def _start_window_manager(self):
        self._window_manager = subprocess.Popen(
            ["openbox", "--sm-disable"], env=dict(os.environ, DISPLAY=self.display),
            stdout=subprocess.DEVNULL, stderr=self._log("openbox.log"))

        def managing():
            if self._window_manager.poll() is not None:
                raise DesktopError(f"openbox ended at start (exit {self._window_manager.returncode})")
            root = self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False)
            return b"window id" in root

        wait_until("openbox managing the screen", managing, 20)

    def stop(self):
        for process in (self._window_manager, self._server):
            if process is None or process.poll() is not None:
                continue
            process.terminate()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait(timeout=10)
        self._window_manager = self._server = None
        for log in self._logs:
            log.close()
        self._logs = []


class Window:
    def __init__(self, wid, name, x, y, width, height):
        self.wid, self.name = wid, name
        self.x, self.y, self.width, self.height = x, y, width, height

    def __eq__(self, other):
        return isinstance(other, Window) and self.wid == other.wid

    def __hash__(self):
        return self.wid

    def __repr__(self):
        return f"<window {self.wid} {self.name!r} {self.width}x{self.height}+{self.x}+{self.y}>"


class Screenshot:
    """The pixels of the whole screen (a PPM from import)."""

    def __init__(self, ppm):
        match = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", ppm)
        if not match or match.group(3) != b"255":
            raise DesktopError("import gave no 8-bit PPM picture")
        self.width, self.height = int(match.group(1)), int(match.group(2))
        self._pixels = ppm[match.end():]

    def pixel(self, x, y):
        at = 3 * (y * self.width + x)
        return tuple(self._pixels[at:at + 3])

    def count(self, left, top, width, height, colour, tolerance=8):
        """The pixels of a rectangle within `tolerance` of a colour."""
        found = 0
        for y in range(max(top, 0), min(top + height, self.height)):
            for x in range(max(left, 0), min(left + width, self.width)):
                if all(abs(a - b) <= tolerance for a, b in zip(self.pixel(x, y), colour)):
                    found += 1
        return found

    def region(self, left, top, width, height):
        return bytes(b for y in range(top, top + height)
                     for b in self._pixels[3 * (y * self.width + left):3 * (y * self.width + left + width)])


class ScreenUser:
    """What a player does on the screen (keys, typing, clicks), and what he
    sees there (the windows on show, their places, the pixels)."""

    def __init__(self, desktop):
        self.desktop = desktop

    def windows(self, pid):
        """The windows of a process now on show. A search that meets a
        window closing under it fails (BadWindow) and is made again."""
        for _ in range(10):
            search = self.desktop.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid)],
                                      check=False, status=True)
            if search.returncode in (0, 1) and not search.stderr:
                break  # 1: none found
        else:
            raise DesktopError(f"xdotool search keeps failing: {search.stderr.decode(errors='replace')}")
        shown = []
        for wid in search.stdout.split():
            window = self.window(int(wid))
            if window is not None:
                shown.append(window)
        return shown

    def window(self, wid):
        """A window on show, or None when it is not (or no longer) there."""
        info = self.desktop.run(["xwininfo", "-id", str(wid)], check=False).decode(errors="replace")
        if "IsViewable" not in info:
            return None
        name = self.desktop.run(["xdotool", "getwindowname", str(wid)], check=False)
        numbers = {key: int(value) for key, value in re.findall(
            r"(Absolute upper-left [XY]|Width|Height):\s+(-?\d+)", info)}
        return Window(wid, name.decode(errors="replace").strip(),
                      numbers["Absolute upper-left X"], numbers["Absolute upper-left Y"],
                      numbers["Width"], numbers["Height"])

    def active_window(self):
        out = self.desktop.run(["xdotool", "getactivewindow"], check=False).strip()
        return int(out) if out.isdigit() else None

    def activate(self, window):
        self.desktop.run(["xdotool", "windowactivate", "--sync", str(window.wid)])

    def key(self, *keys):
        self.desktop.run(["xdotool", "key", "--delay", "40", *keys])

    def type(self, text):
        self.desktop.run(["xdotool", "type", "--delay", "40", text])

    def click(self, x, y):
        # Moved onto the place first, so that the window under the pointer
        # sees it come (a click with no motion before may find a window that
        # has just been mapped not yet knowing the pointer is there).
        self.desktop.run(["xdotool", "mousemove", str(x + 1), str(y), "mousemove", str(x), str(y),
                          "sleep", "0.05", "click", "1"])

    def double_click(self, x, y):
        self.desktop.run(["xdotool", "mousemove", str(x + 1), str(y), "mousemove", str(x), str(y),
                          "sleep", "0.05", "click", "--repeat", "2", "--delay", "80", "1"])

    def screenshot(self):
        return Screenshot(self.desktop.run(["import", "-silent", "-window", "root", "-depth", "8", "ppm:-"]))

    def save_screenshot(self, path):
        self.desktop.run(["import", "-silent", "-window", "root", path], check=False)
