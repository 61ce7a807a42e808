"""One run of the real game in its own installation: the process, its
windows, the boxes it asks and the places of its fixed layout. Every wait
polls for the state it needs with a deadline; one that times out saves a
screenshot into the test's output folder and fails saying what it expected,
and every step is noted with its time in the test's step log."""

import os
import subprocess
import time

from desktop import ScreenUser
from waits import WaitTimeout, wait_until

MAIN_TITLE = "Zambrel!"
INFO_TITLE = "Информация"
QUESTION_TITLE = "Вопрос"
ERROR_TITLES = ("Ошибка", "Zambrel")
# The command bar's buttons inside the client area (below the menu bar).
SPEED_BUTTONS = {"new": 3, "exit": 61, "ranking": 148, "sound": 206, "pause": 264,
                 "money": 554, "fifty": 612, "phone": 670, "poll": 728}
SPEED_BUTTON_SIZE = (58, 32)
SPEED_BUTTON_TOP = 3
MENU_GREY = (0xC0, 0xC0, 0xC0)
# A step of the game: its sounds (or their 2-second stand-ins), a verdict,
# the score board, a milestone; on a loaded machine several times longer.
STEP_TIMEOUT = 45


class GameError(AssertionError):
    pass


class GameRun:
    """The game started from a folder of its own with its own HOME and
    XDG_CONFIG_HOME, without a sound server, with an xdg-open that records
    what the game asks the desktop to open."""

    def __init__(self, desktop, installation, output, tag):
        self.desktop = desktop
        self.files = installation
        self.output = output
        self.tag = tag
        self.player = ScreenUser(desktop)
        self.process = None
        self.main = None
        self.client_top = None
        self.opened_log = os.path.join(installation.root, "opened.txt")
        self._shots = 0
        self._log = None
        self._trace = None
        self._started = time.monotonic()

    # --- the process ---------------------------------------------------

    def start(self):
        shim = os.path.join(os.path.dirname(os.path.abspath(__file__)), "shim")
        runtime = os.path.join(self.files.root, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        env = {key: value for key, value in os.environ.items()
               if key not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "SESSION_MANAGER")}
        env.update(self.desktop.env)
        env.update(HOME=self.files.home, XDG_CONFIG_HOME=self.files.config,
                   XDG_RUNTIME_DIR=runtime, PATH=shim + os.pathsep + env.get("PATH", ""),
                   ZAMBREL_OPENED_LOG=self.opened_log, LANG="C.UTF-8",
                   # No sound server: every sound the game waits for lasts
                   # its 2-second stand-in, on every machine alike.
                   PULSE_SERVER="unix:" + os.path.join(runtime, "no-sound-server"))
        self._log = open(os.path.join(self.output, f"{self.tag}-game.log"), "wb")
        self._trace = open(os.path.join(self.output, f"{self.tag}-steps.log"), "w", encoding="utf-8")
        self._started = time.monotonic()
        self.process = subprocess.Popen([self.files.program], cwd=self.files.started_from, env=env,
                                        stdout=self._log, stderr=subprocess.STDOUT)
        self.main = self.wait("the main window of the game",
                              lambda: next((w for w in self._windows() if w.name == MAIN_TITLE
                                            and (w.width, w.height) == self.desktop.size), None), 30)
        self.client_top = self._menu_bar_height()

    def _menu_bar_height(self):
        def measured():
            shot = self.player.screenshot()
            x = self.main.x + self.main.width - 5
            for y in range(self.main.y, self.main.y + 60):
                if shot.pixel(x, y) != MENU_GREY:
                    return y - self.main.y if y > self.main.y + 10 else None
            return None
        return self.main.y + self.wait("the menu bar drawn", measured, 15)

    def stop(self):
        """Ends the game, by force when it does not end by itself."""
        if self.process is not None and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(timeout=10)
        for log in (self._log, self._trace):
            if log:
                log.close()
        self._log = self._trace = None

    def note(self, step):
        """A line of the test's step log: when each step ended, for reading
        a failure and for timing the suite."""
        if self._trace:
            self._trace.write(f"{time.monotonic() - self._started:7.2f}  {step}\n")
            self._trace.flush()

    def exit(self):
        """A click on the status bar, the game's exit."""
        self.player.click(self.main.x + self.main.width // 2, self.main.y + self.main.height - 8)
        try:
            wait_until("the game to end after a click on its exit", lambda: self.process.poll() is not None, 20)
        except WaitTimeout as failure:
            raise GameError(f"{failure}; windows: {self._windows_or_none()}; "
                            f"screenshot {self.screenshot('exit')}") from None
        self.note("the game ended after a click on its exit")
        if self.process.returncode != 0:
            raise GameError(f"the game ended with exit code {self.process.returncode}")

    # --- waits and windows ---------------------------------------------

    def wait(self, what, probe, timeout=STEP_TIMEOUT):
        def checked():
            if self.process.poll() is not None:
                raise GameError(f"the game ended (exit {self.process.returncode}) "
                                f"while waiting for {what}")
            return probe()
        begun = time.monotonic()
        try:
            value = wait_until(what, checked, timeout)
            self.note(f"{what} ({time.monotonic() - begun:.2f} s)")
            return value
        except (WaitTimeout, GameError) as failure:
            self.note(f"FAILED waiting for {what}")
            shot = self.screenshot(what)
            raise GameError(f"{failure}; windows: {self._windows_or_none()}; screenshot {shot}") from None

    def screenshot(self, what):
        self._shots += 1
        name = "".join(c if c.isalnum() else "-" for c in what)[:60]
        path = os.path.join(self.output, f"{self.tag}-{self._shots:02d}-{name}.png")
        self.player.save_screenshot(path)
        return path

    def _windows(self):
        return self.player.windows(self.process.pid)

    def _windows_or_none(self):
        try:
            return self._windows()
        except Exception:  # the report of a failure never fails itself
            return None

    def other_windows(self, errors_expected=False):
        """The game's windows on show besides the main window; an error box
        fails the test at once unless one is expected."""
        others = [w for w in self._windows() if self.main is None or w.wid != self.main.wid]
        for window in others:
            if window.name in ERROR_TITLES and not errors_expected:
                shot = self.screenshot("error box")
                raise GameError(f"the game shows an error box {window.name!r}; screenshot {shot}")
        return others

    def window(self, title, timeout=STEP_TIMEOUT):
        return self.wait(f"a window {title!r}", lambda: next(
            (w for w in self.other_windows(title in ERROR_TITLES) if w.name == title), None), timeout)

    def holds(self, what, probe, seconds):
        """Fails when `probe` turns false within the time given: for what
        must not happen, such as a lifeline used a second time."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if not probe():
                shot = self.screenshot(what)
                raise GameError(f"{what} did not hold for {seconds:g} s; "
                                f"windows: {self._windows_or_none()}; screenshot {shot}")
            time.sleep(0.1)

    def no_window_within(self, seconds):
        self.holds("no window of the game coming up", lambda: not self.other_windows(), seconds)

    def gone(self, window, timeout=STEP_TIMEOUT):
        self.wait(f"the window {window.name!r} to close",
                  lambda: all(w.wid != window.wid for w in self._windows()), timeout)

    def main_on_show(self):
        return self.player.window(self.main.wid) is not None

    def restore(self):
        """Brings the minimised game back, as a click on its task bar entry does."""
        self.player.activate(self.main)
        self.wait("the game back on the screen", self.main_on_show)

    def focus_main(self):
        if self.player.active_window() != self.main.wid:
            self.player.activate(self.main)

    def answer_box(self, title, keys=("Return",)):
        """Answers a box with keys (Enter presses its default button)."""
        box = self.window(title)
        if self.player.active_window() != box.wid:
            self.player.activate(box)
        self.player.key(*keys)
        self.gone(box)

    # --- the layout ----------------------------------------------------

    def client_point(self, x, y):
        return self.main.x + x, self.client_top + y

    def click_speed_button(self, name):
        x, y = self.client_point(SPEED_BUTTONS[name] + SPEED_BUTTON_SIZE[0] // 2,
                                 SPEED_BUTTON_TOP + SPEED_BUTTON_SIZE[1] // 2)
        self.player.click(x, y)

    def choose_menu(self, menu_index, item_index):
        """A menu command through the menu bar: a click opens the first
        menu, the arrow keys go to the menu and the item (Up and Down first
        stand on the first item, whether the menu opened with one
        highlighted or none), Enter runs it; disabled items are passed."""
        self.focus_main()
        self.player.click(self.main.x + 20, self.main.y + (self.client_top - self.main.y) // 2)
        keys = ["Right"] * menu_index + ["Up", "Down"] + ["Down"] * item_index + ["Return"]
        self.player.key(*keys)

