#!/usr/bin/env python3
"""The real program in a real X server.

Starts Xvfb on a free display, launches Starloom, clicks スタート where it
lies on the screen, and checks that the picture on the screen is, pixel for
pixel, the DisplayFrame that starloom-sim computes for the same press. Then
opens Help > Version, quits with Alt+F, X while that window is open, and
checks that the program ended with status 0.

usage: EndToEndTest.py STARLOOM STARLOOM_SIM

Every wait is for a condition, with a generous limit: under the sanitizers
the program is many times slower.
"""

import os
import struct
import subprocess
import sys
import tempfile
import time

WIDTH, HEIGHT = 600, 400
SCREEN_W, SCREEN_H = 1280, 1024
LIMIT = 180  # seconds for any one condition
START_BUTTON_CENTRE = (520 + 73 // 2, 416 + 89 // 2)  # in the client area


class Failure(Exception):
    pass


def wait_for(what, condition, limit=LIMIT):
    deadline = time.monotonic() + limit
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure(f"gave up waiting for {what} after {limit} s")
        time.sleep(0.2)


def expected_frame(sim, folder):
    """Grey levels of DisplayFrame after Start at 300 s, -10 C, magnitude 4,
    indexed [y][x]. The file holds little-endian int32, x outer, y inner."""
    subprocess.run([sim, "--raw", folder, "start=300,-10,4"], check=True, stdout=subprocess.DEVNULL)
    with open(os.path.join(folder, "DisplayFrame.raw"), "rb") as f:
        data = f.read()
    if len(data) != WIDTH * HEIGHT * 4:
        raise Failure(f"DisplayFrame.raw holds {len(data)} bytes")
    values = struct.unpack(f"<{WIDTH * HEIGHT}i", data)
    return [[values[x * HEIGHT + y] for x in range(WIDTH)] for y in range(HEIGHT)]


def start_xvfb(log):
    """Xvfb on the first free display; gives back the process and ':N'."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{SCREEN_W}x{SCREEN_H}x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=log, stderr=log)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        xvfb.kill()
        raise Failure("Xvfb did not report a display")
    return xvfb, ":" + number


class Screen:
    def __init__(self, env):
        self.env = env

    def xdotool(self, *args, check=True):
        result = subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True)
        if check and result.returncode != 0:
            raise Failure(f"xdotool {' '.join(args)}: {result.stderr.strip()}")
        return result.stdout.strip() if result.returncode == 0 else ""

    def visible_windows(self, name=None):
        args = ["search", "--onlyvisible"] + (["--name", name] if name else ["--name", ""])
        return self.xdotool(*args, check=False).split()

    def geometry(self, window):
        values = dict(line.split("=") for line in self.xdotool("getwindowgeometry", "--shell", window).split())
        return int(values["X"]), int(values["Y"])

    def shot(self):
        """The whole screen as RGB bytes."""
        return subprocess.run(["import", "-silent", "-window", "root", "-depth", "8", "rgb:-"],
                              env=self.env, capture_output=True, check=True).stdout


def pixel(screen, x, y):
    i = (y * SCREEN_W + x) * 3
    return screen[i], screen[i + 1], screen[i + 2]


def area_differences(screen, left, top, frame):
    """Pixels of the 600 x 400 area at (left, top) that differ from `frame`
    (grey levels, or None for black)."""
    wrong = []
    for y in range(HEIGHT):
        row = (top + y) * SCREEN_W
        line = screen[(row + left) * 3:(row + left + WIDTH) * 3]
        for x in range(WIDTH):
            level = 0 if frame is None else frame[y][x]
            if line[3 * x] != level or line[3 * x + 1] != level or line[3 * x + 2] != level:
                wrong.append((x, y, tuple(line[3 * x:3 * x + 3]), level))
    return wrong


def find_black_image(screen, left, window_top):
    """The top of the black 600 x 400 picture, somewhere below the menu bar."""
    for top in range(window_top, window_top + 80):
        if top + HEIGHT <= SCREEN_H and not area_differences(screen, left, top, None):
            return top
    return None


def step(text):
    print(f"[{time.strftime('%H:%M:%S')}] {text}", flush=True)


def run(starloom, sim, work):
    frame = expected_frame(sim, os.path.join(work, "frames"))
    log = open(os.path.join(work, "xvfb.log"), "w")
    program_log = open(os.path.join(work, "starloom.log"), "w+")
    xvfb, display = start_xvfb(log)
    step(f"Xvfb on {display}")
    program = None
    screen = None
    try:
        runtime = os.path.join(work, "runtime")
        os.mkdir(runtime, 0o700)
        env = {k: v for k, v in os.environ.items() if not k.startswith("QT_")}
        env.update(DISPLAY=display, XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="xcb", QT_SCALE_FACTOR="1")
        screen = Screen(env)

        program = subprocess.Popen([starloom], env=env, stdout=program_log, stderr=subprocess.STDOUT)
        window = wait_for("the main window", lambda: screen.visible_windows("^Starloom$"))[0]
        left, window_top = screen.geometry(window)
        top = wait_for("the black picture", lambda: find_black_image(screen.shot(), left, window_top))
        step(f"main window at ({left}, {window_top}), picture at ({left}, {top})")

        # Start, clicked where the button is on the screen.
        step("clicking スタート")
        bx, by = START_BUTTON_CENTRE
        screen.xdotool("mousemove", "--sync", str(left + bx), str(top + by))
        screen.xdotool("click", "1")
        try:
            wait_for("the exposure on the screen", lambda: not area_differences(screen.shot(), left, top, frame))
        except Failure:
            wrong = area_differences(screen.shot(), left, top, frame)
            for x, y, shown, level in wrong[:10]:
                print(f"pixel ({x}, {y}) shows {shown}, DisplayFrame holds {level}")
            raise Failure(f"{len(wrong)} of {WIDTH * HEIGHT} pixels differ from DisplayFrame")
        step("the picture equals DisplayFrame, pixel for pixel")

        if screen.xdotool("getwindowname", window) != "Starloom":
            raise Failure("the main window's title is not Starloom")

        def choose(menu_key, item_key):
            # With no window manager, the program may not yet take the window
            # as active when the first key comes; the key is then lost. Try
            # again, but only while no menu has opened.
            before = len(screen.visible_windows())
            for attempt in range(1, 6):
                screen.xdotool("windowfocus", "--sync", window)
                screen.xdotool("key", menu_key)
                try:
                    wait_for(f"the menu of {menu_key}", lambda: len(screen.visible_windows()) > before, limit=30)
                    break
                except Failure:
                    step(f"no menu after {menu_key} (attempt {attempt})")
            else:
                raise Failure(f"{menu_key} opened no menu")
            screen.xdotool("key", item_key)

        # Help > Version, then File > Quit while the About window is open.
        step("Help > Version")
        choose("alt+h", "v")
        wait_for("the About window", lambda: screen.visible_windows("^Version$"))
        step("File > Quit")
        choose("alt+f", "x")
        status = wait_for("the program to end", lambda: program.poll() is not None and [program.returncode])[0]
        program = None
        if status != 0:
            raise Failure(f"the program ended with status {status}")
        step("quit with Alt+F, X: status 0")
    except Failure:
        # Leave what the screen showed and what the program said beside the
        # test, for whoever reads the failure.
        if screen is not None:
            subprocess.run(["import", "-silent", "-window", "root", os.path.abspath("EndToEndTest-failure.png")],
                           env=screen.env)
            step("screen at the failure: EndToEndTest-failure.png")
        program_log.seek(0)
        print(program_log.read()[-4000:])
        raise
    finally:
        if program is not None:
            program.kill()
            program.wait()
        xvfb.terminate()
        xvfb.wait()
        log.close()
        program_log.close()


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    with tempfile.TemporaryDirectory(prefix="starloom-e2e-") as work:
        try:
            run(os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]), work)
        except Failure as failure:
            print(f"FAILED: {failure}")
            return 1
    print("PASSED")
    return 0


if __name__ == "__main__":
    sys.exit(main())
