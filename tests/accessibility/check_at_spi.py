#!/usr/bin/python3
"""Drives the real program the way a player without a mouse, or with a screen reader, does.

    tests/accessibility/check_at_spi.py BUILD_FOLDER

Starts the program of BUILD_FOLDER (src/app/soramame) on a fresh temporary data root under Xvfb and a private D-Bus
session with the accessibility bus on, then through AT-SPI (pyatspi) and key presses alone
(xdotool):
  1. finds the main window's ten menu entries as focusable push buttons named by their captions;
  2. walks with Tab from a new start to 「登録」 and opens it with Enter;
  3. registers a game by keys (names typed, Enter from box to box, Enter on 「登録の実行」,
     Enter on the message), checks the record file, and leaves with Escape;
  4. walks with Tab to the board 「碁盤」, moves its cursor with the arrow keys, places a stone
     with Enter (the board's description then names the point and the stone) and saves it with
     F2 (「着手記録」);
  5. ends the program with Alt+8 (「終了」) and Enter on its question.
It prints what it found and exits 0 only when every step held. Not part of ctest: it needs Xvfb,
a session bus and the Debian packages python3-pyatspi, dbus, at-spi2-core and xdotool.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

MENU = ["着手", "検討", "印刷", "登録", "返信", "宛名", "消去", "終了", "一覧", "成績"]
OPPONENT = "田中"
GAME = "01"
INNER = "SORAMAME_AT_SPI_INNER"


def program_path(build):
    for relative in ("src/app/soramame", "soramame"):
        path = os.path.join(build, relative)
        if os.access(path, os.X_OK) and os.path.isfile(path):
            return path
    return None


def run_inside_session(build):
    """Runs this script again under Xvfb and a fresh session bus."""
    missing = [tool for tool in ("xvfb-run", "dbus-run-session", "xdotool") if not shutil.which(tool)]
    if missing:
        sys.exit("missing: " + " ".join(missing) + " (apt-get install xvfb dbus at-spi2-core xdotool)")
    env = dict(os.environ, **{INNER: "1"})
    command = ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24", "dbus-run-session", "--",
               "/usr/bin/python3", os.path.abspath(__file__), build]
    return subprocess.call(command, env=env)


def wait_for(what, probe, seconds=15.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    raise AssertionError("timed out waiting for " + what)


def key(*keys):
    subprocess.check_call(["xdotool", "key", "--delay", "60"] + list(keys))
    time.sleep(0.3)


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    try:
        children = list(node)
    except Exception:  # a window that closed while it was read
        return
    for child in children:
        yield from walk(child, depth + 1)


class Program:
    def __init__(self, build, data_root):
        import pyatspi  # only inside the session, where the bus is

        self.pyatspi = pyatspi
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                   LC_ALL="C.UTF-8")
        env.pop("QT_QPA_PLATFORM", None)
        self.process = subprocess.Popen([program_path(build), "--data-root", data_root],
                                        env=env)
        self.app = wait_for("the program on the accessibility bus", self.find_app, 30)

    def find_app(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == "soramame":
                return app
        return None

    def has(self, node, state):
        return node.getState().contains(state)

    def frames(self):
        return [f for f in self.app if f is not None and self.has(f, self.pyatspi.STATE_SHOWING)]

    def focused(self):
        # A list's or table's current cell says "focused" even when its view has no focus:
        # only the control itself counts, in the active window first.
        p = self.pyatspi
        skipped = (p.ROLE_FRAME, p.ROLE_LIST_ITEM, p.ROLE_TABLE_CELL)
        frames = self.frames()
        active = [f for f in frames if self.has(f, p.STATE_ACTIVE)]
        for frame in active or frames:
            for node in walk(frame):
                if (self.has(node, p.STATE_FOCUSED) and self.has(node, p.STATE_SHOWING)
                        and node.getRole() not in skipped):
                    return node
        return None

    def describe_frames(self):
        p = self.pyatspi
        return [(f.name, "active" if self.has(f, p.STATE_ACTIVE) else "")
                for f in self.frames()]

    def focused_name(self):
        node = self.focused()
        return (node.name, node.getRoleName()) if node is not None else (None, None)

    def menu_entries(self):
        found = {}
        for frame in self.frames():
            for node in walk(frame):
                if node.getRole() == self.pyatspi.ROLE_PUSH_BUTTON and node.name in MENU:
                    found[node.name] = node
        return found


def focus_window(title):
    """Gives the keyboard to the window, as a window manager does when the window comes up or
    a message box over it closes: Xvfb has none, and X leaves the focus nowhere."""
    window = wait_for("the window " + title, lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", "^" + title + "$"],
        capture_output=True, text=True).stdout.split(), 20)[0]
    subprocess.call(["xdotool", "windowfocus", "--sync", window])
    subprocess.call(["xdotool", "mousemove", "--window", window, "5", "5"])
    time.sleep(0.5)


def type_text(text):
    subprocess.check_call(["xdotool", "type", "--delay", "80", text])
    time.sleep(0.3)


def check(program, data_root):
    pyatspi = program.pyatspi
    failures = []

    def expect(ok, text):
        print(("ok   " if ok else "FAIL ") + text)
        if not ok:
            failures.append(text)

    entries = wait_for("the menu entries", lambda: (lambda e: e if len(e) == 10 else None)(
        program.menu_entries()))
    for name in MENU:
        node = entries[name]
        focusable = program.has(node, pyatspi.STATE_FOCUSABLE)
        action = node.queryAction()
        actions = [action.getName(i) for i in range(action.nActions)]
        press = next((i for i, a in enumerate(actions) if a.lower() == "press"), None)
        keys = action.getKeyBinding(press) if press is not None else ""
        expect(node.getRole() == pyatspi.ROLE_PUSH_BUTTON and focusable and press is not None,
               f"menu entry {name}: {node.getRoleName()}, focusable, actions {actions}, "
               f"key {keys}")

    focus_window("ソラマメ Ｖ３．０")
    print("focus at start:", program.focused_name())
    tabs = 0
    while program.focused_name()[0] != "登録" and tabs < 40:
        key("Tab")
        tabs += 1
    expect(program.focused_name() == ("登録", "push button"), f"Tab x{tabs} reaches 登録")
    key("Return")
    registration = wait_for("the registration window", lambda: next(
        (f for f in program.frames() if f.name == "対局の登録／変更"), None))
    expect(registration is not None, "Enter on 登録 opens 「対局の登録／変更」")
    print("focus in registration:", program.focused_name())
    expect(program.focused_name() == ("対局者", "text"), "the opponent box has the focus, named 対局者")

    type_text(OPPONENT)
    key("Return")
    expect(program.focused_name() == ("対局名", "text"), "Enter moves to the game box, named 対局名")
    type_text(GAME)
    key("Return")
    expect(program.focused_name() == ("登録の実行", "push button"), "Enter moves to 登録の実行")
    key("Return")
    record = os.path.join(data_root, "対局中棋譜", OPPONENT, GAME + ".txt")
    try:
        wait_for("the record file", lambda: os.path.exists(record), 10)
    except AssertionError:
        pass
    expect(os.path.exists(record), "Enter on 登録の実行 registers " + os.path.relpath(record, data_root))
    time.sleep(0.5)
    print("after registering:", program.describe_frames(), "focus", program.focused_name())
    key("Return")  # the message that says the game is registered
    focus_window("対局の登録／変更")
    print("after Enter on the message:", program.describe_frames(), "focus",
          program.focused_name())
    key("Escape")
    time.sleep(0.5)
    print("after Escape:", program.describe_frames(), "focus", program.focused_name())
    still_open = any(f.name == "対局の登録／変更" for f in program.frames())
    expect(not still_open, "Escape leaves the registration window")

    # The board by keys: Tab to it, move its cursor, Enter places a stone, F2 saves.
    focus_window("ソラマメ Ｖ３．０")
    tabs = 0
    while program.focused_name()[0] != "碁盤" and tabs < 60:
        key("Tab")
        tabs += 1
    board = program.focused()
    expect(board is not None and board.name == "碁盤", f"Tab x{tabs} reaches the board 「碁盤」")
    if board is not None:
        print("board:", board.getRoleName(), "/", board.description)
        key("Up")
        key("Left")
        print("after Up, Left:", board.description)
        key("Return")
        time.sleep(0.5)
        print("after Enter:", board.description)
        expect("黒 1手目" in board.description,
               "Enter places Black 1 on the cursor's point; the description names it")
        size = os.path.getsize(record)
        key("F2")
        time.sleep(0.5)
        expect(os.path.getsize(record) > size, "F2 (着手記録) saves the move")

    key("alt+8")
    key("Return")  # 「終了してよろしいですか？」
    try:
        program.process.wait(10)
    except subprocess.TimeoutExpired:
        pass
    expect(program.process.poll() == 0, "Alt+8 and Enter end the program")
    return failures


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    build = os.path.abspath(sys.argv[1])
    if program_path(build) is None:
        sys.exit(f"no program in {build}/src/app: build the target soramame first")
    if not os.environ.get(INNER):
        return run_inside_session(build)
    data_root = tempfile.mkdtemp(prefix="soramame-at-spi-")
    program = None
    try:
        program = Program(build, data_root)
        failures = check(program, data_root)
    finally:
        if program is not None and program.process.poll() is None:
            program.process.kill()
        shutil.rmtree(data_root, ignore_errors=True)
    print("all steps held" if not failures else f"{len(failures)} step(s) failed")
    return 0 if not failures else 1


if __name__ == "__main__":
    sys.exit(main())
