"""Walks the real program's accessible tree over AT-SPI, with Orca running.

Run inside its own session bus (dbus-run-session); starts Xvfb and Orca
(speech off, what it would say written to its debug log), starts the
program, types a Showa date of birth, presses 実行 through its accessible
action, tabs to the chart and moves its cursor, opens the reading windows,
registers the date and opens the list; then checks what Orca said.
Usage: screen_reader.py PROGRAM ASSETS_DIR
       screen_reader.py --ask focus|label REGEX|description NAME|item NAME
The second form reads one thing of a program already on the bus and prints
it, for a session driven from outside (writes_nothing.sh); it exits 1 when
the thing does not show within a few seconds.
"""
import datetime
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
import pyatspi  # noqa: E402

BIRTH = datetime.date(1988, 5, 12)  # Showa 63, a Thursday
FULL_CYCLE_DAYS = 21252
# The keys on the chart, and the day after the display start date that the
# cursor is on after each: Page Down shows the chart a day later.
CHART_KEYS = (("Tab", 0), ("Right", 1), ("Next", 2), ("End", 31), ("Left", 30))

failures = []
passes = 0


def check(what, ok, detail=""):
    global passes
    if ok:
        passes += 1
    else:
        failures.append(what)
        print(f"FAIL: {what} {detail}".rstrip(), file=sys.stderr)


def start_display():
    # Xvfb picks a free display itself and names it once it takes
    # connections: one chosen beforehand may still be held by the last
    # test's server.
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp"], pass_fds=(write_end,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as names:
        number = names.readline().strip()
    if not number:
        sys.exit("FAIL: Xvfb did not start")
    os.environ["DISPLAY"] = f":{number}"
    return xvfb


class Orca:
    """Orca itself, as a desktop starts it, with speech off: each utterance
    goes to its debug log as a SPEECH OUTPUT line."""

    def __init__(self, scratch):
        data = os.environ.get("XDG_DATA_HOME", os.path.join(os.environ["HOME"], ".local", "share"))
        os.makedirs(os.path.join(data, "orca"), exist_ok=True)
        shutil.copy(os.path.join(os.path.dirname(__file__), "orca-settings.conf"),
                    os.path.join(data, "orca", "user-settings.conf"))
        self.log = os.path.join(scratch, "orca.log")
        # One Orca a user: another test's must end first.
        end = time.monotonic() + 120
        while True:
            self.process = subprocess.Popen(["orca", "--debug-file=" + self.log],
                                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            # Its start, listeners included; one that found another Orca
            # has ended by then.
            time.sleep(4)
            if self.process.poll() is None:
                break
            if time.monotonic() > end:
                sys.exit("FAIL: Orca did not start")

    def stop(self):
        """What Orca spoke, and its log's errors: complete once it has ended."""
        self.process.send_signal(signal.SIGINT)
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()  # Orca 48 may not end on SIGINT; its log is written as it goes
            self.process.wait()
        with open(self.log, encoding="utf-8", errors="replace") as log:
            text = log.read()
        return (re.findall(r"SPEECH OUTPUT: '(.*)'", text),
                re.findall(r"ERROR: Could not process.*", text), text)


def spoke_in_order(what, speech, *expected):
    """Each of expected, regexes, spoken no earlier than the one before it."""
    at, missing = 0, None
    for pattern in expected:
        at = next((i for i in range(at, len(speech)) if re.search(pattern, speech[i])), None)
        if at is None:
            missing, at = pattern, len(speech)
    check(f"Orca speaks {what}", missing is None, f"({missing} missing)")


def wait_for(find, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    return None


def find_window():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None or app.name != "Norvane":
            continue
        for window in app:
            if window is not None and window.name == "NorvaneA1.0":
                return window
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def by_name(window, name):
    window.clearCache()
    for node in walk(window):
        if node.name == name:
            return node
    return None


def text_of(node):
    try:
        text = node.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, -1)


def focusable_controls(window):
    for node in walk(window):
        if node.getState().contains(pyatspi.STATE_FOCUSABLE):
            yield node


def check_controls(window):
    controls = list(focusable_controls(window))
    check("focusable controls found", len(controls) >= 10, f"({len(controls)})")
    for node in controls:
        role = node.getRoleName()
        check(f"a name for the focusable {role}", bool(node.name.strip()))
        check(f"a role for {node.name!r}",
              node.getRole() not in (pyatspi.ROLE_INVALID, pyatspi.ROLE_UNKNOWN), role)


def type_birth_date(window):
    year = by_name(window, "生まれた年")
    x, y, w, h = year.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"],
                   check=True)
    # Each key only once the window is ready for it: a key typed before
    # the click has given the box the focus would be lost.
    check("the click focuses the year box", wait_for(lambda: focused() == "生まれた年", 10))
    # The first key ends the demonstration, which blanks the chart; then
    # Showa 63/05/12.
    subprocess.run(["xdotool", "type", "6"], check=True)
    def blank():
        chart = by_name(window, "バイオリズムのグラフ")
        return chart is not None and chart.description == "グラフは空白です"
    check("the first key ends the demonstration", wait_for(blank, 10))
    subprocess.run(["xdotool", "type", "--delay", "60", "630512"], check=True)
    time.sleep(0.3)
    execute = by_name(window, "実行")
    action = execute.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check("実行 can be pressed", "Press" in names, str(names))
    if "Press" in names:
        action.doAction(names.index("Press"))


def label_reading(window, pattern):
    """The text of the first label that matches pattern, once it shows."""
    def find():
        window.clearCache()
        for node in walk(window):
            if node.getRole() == pyatspi.ROLE_LABEL and re.search(pattern, node.name):
                return node.name
        return None
    return wait_for(find, 10)


def check_results(window):
    today = datetime.date.today()
    days = label_reading(window, r"^\s?\d+日です。$")
    check("days lived read", days is not None)
    if days:
        lived = int(days.strip().removesuffix("日です。"))
        # Counted to the display start date, which the scroll bar keeps
        # within a few days of today here.
        check("days lived", abs(lived - (today - BIRTH).days) <= 1, days)
    check("weekday read", label_reading(window, r"^（木）$") is not None)
    age = label_reading(window, r"^年齢は\s?\d+才です。$")
    check("age", age == f"年齢は {today.year - BIRTH.year}才です。", str(age))
    cycle_end = (BIRTH + datetime.timedelta(days=FULL_CYCLE_DAYS)).strftime("%Y/%m/%d")
    note = label_reading(window, "^" + cycle_end + "をもって")
    check("cycle note", note is not None)
    chart = by_name(window, "バイオリズムのグラフ")
    check("the chart describes itself",
          chart is not None and re.search(r"日間のバイオリズムのグラフ。初日 ", chart.description),
          chart.description if chart else "")
    return [re.escape(str(text)) for text in (days, "（木）", age, note)]


def check_dates(window):
    pickers = {"生年月日": BIRTH.strftime("%Y/%m/%d"), "バイオリズム表示開始日付": None}
    for name, expected in pickers.items():
        picker = by_name(window, name)
        text = text_of(picker) if picker else None
        ok = text is not None and re.fullmatch(r"\d{4}/\d{2}/\d{2}", text)
        check(f"{name} gives its date as text", ok and (expected is None or text == expected),
              repr(text))
    return datetime.datetime.strptime(text, "%Y/%m/%d").date() if ok else datetime.date.today()


def move_on_chart():
    """Tab onto the chart, and the keys after it."""
    for _ in range(16):
        if focused() == "バイオリズムのグラフ":
            break
        subprocess.run(["xdotool", "key", "Tab"], check=True)
        time.sleep(0.3)
    for key, _ in CHART_KEYS[1:]:
        time.sleep(1)  # for Orca to say the day before
        subprocess.run(["xdotool", "key", key], check=True)
    time.sleep(1)


def open_readings():
    """相性 by its key, Tab to its reading and Down a line; then 注意日一覧,
    whose list has the focus on its first row, Down a row and Tab to its
    first button; each closed with Escape. Then the chart's menu down to
    印刷…, closed with Escape."""
    for keys in (("alt+a", "Tab", "Down"), ("alt+c", "Down", "Tab"),
                 ("Menu", "Down", "Down", "Down", "Down")):
        for key in keys + ("Escape",):
            time.sleep(1.5)  # for Orca to finish the window's first words
            subprocess.run(["xdotool", "key", key], check=True)
    time.sleep(1)


def register_and_list():
    """登録 by Ctrl+S: OK on an empty name, its message closed, a name typed
    and kept; then 登録者一覧 by Alt+L, its first row, Tab to 表示, Escape."""
    for key in ("ctrl+s", "Return", "Return", "Hanako", "Return", "alt+l", "Tab", "Escape"):
        time.sleep(1.5)  # for Orca to finish the window's first words
        if key == "Hanako":
            subprocess.run(["xdotool", "type", "--delay", "60", key], check=True)
        else:
            subprocess.run(["xdotool", "key", key], check=True)
    time.sleep(1)


def seed_family(home):
    """Two of a family of three in the people's file, once 相性 has been
    read with none: 母 at a caution day today (23 days old, the physical curve meets
    zero), 父 tomorrow (10 days old); 登録 adds the third."""
    today = datetime.date.today()
    folder = os.path.join(home, ".local", "share", "norvane")
    os.makedirs(folder)
    people = [{"id": "m", "name": "母", "entry": "W",
               "birth": (today - datetime.timedelta(days=23)).isoformat()},
              {"id": "f", "name": "父", "entry": "W",
               "birth": (today - datetime.timedelta(days=10)).isoformat()}]
    with open(os.path.join(folder, "people.json"), "w", encoding="utf-8") as f:
        json.dump({"format": 1, "people": people}, f, ensure_ascii=False)


def remind(program):
    """norvane --remind against dunst, the desktop's notification server: one
    notification for each of the three at a caution day today or tomorrow,
    母 and 父, and Hanako when her day falls so."""
    today = datetime.date.today()
    expected = 2 + (caution_days(today, 1)[0] <= today + datetime.timedelta(days=1))
    dunst = subprocess.Popen(["dunst"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        wait_for(lambda: "boolean true" in subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
             "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
             "string:org.freedesktop.Notifications"], capture_output=True, text=True,
            check=False).stdout, 10)
        status = subprocess.run([program, "--remind"], check=False).returncode
        check("norvane --remind ends with status 0", status == 0, f"({status})")

        def shown():
            counts = [subprocess.run(["dunstctl", "count", kind], capture_output=True, text=True,
                                     check=False).stdout.strip() or "0"
                      for kind in ("waiting", "displayed", "history")]
            return sum(int(c) for c in counts)
        time.sleep(1)
        check(f"dunst shows {expected} notifications", shown() == expected, f"({shown()})")
    finally:
        dunst.terminate()
        dunst.wait(10)


def caution_days(start, count):
    """The first count days from start on which a rhythm meets zero: p divides 2d or 2d + 1."""
    days, day = [], start
    while len(days) < count:
        if any((2 * (day - BIRTH).days + k) % p == 0 for p in (23, 28, 33) for k in (0, 1)):
            days.append(day)
        day += datetime.timedelta(days=1)
    return days


def focused():
    """The name of the control with the focus, in any of the program's windows."""
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.name != "Norvane":
            continue
        for window in app:
            if window is None:
                continue
            window.clearCache()
            for node in walk(window):
                if node.getState().contains(pyatspi.STATE_FOCUSED):
                    # A list's focused item is the list's focus.
                    item = node.getRole() == pyatspi.ROLE_LIST_ITEM
                    return node.parent.name if item else node.name
    return None


def focused_item(window, name="バイオリズムのグラフ"):
    """The name of the item with the focus within the control named name."""
    control = by_name(window, name)
    for node in walk(control) if control else ():
        if node != control and node.getState().contains(pyatspi.STATE_FOCUSED):
            return node.name
    return None


def ask(what, arg=None):
    if what == "focus":
        return wait_for(focused, 5)
    window = wait_for(find_window, 10)
    if window is None:
        return None
    if what == "label":
        return label_reading(window, arg)
    if what == "item":
        return wait_for(lambda: focused_item(window, arg), 5)
    node = by_name(window, arg)
    return node.description if node else None


def main():
    if sys.argv[1] == "--ask":
        answer = ask(*sys.argv[2:4])
        print(answer or "")
        sys.exit(0 if answer else 1)
    program, assets = os.path.realpath(sys.argv[1]), sys.argv[2]
    scratch = tempfile.mkdtemp()
    processes = []
    try:
        for folder in ("home", "runtime", "cwd"):
            os.makedirs(os.path.join(scratch, folder), mode=0o700)
        for name in ("flower.jpg", "BioManual.txt"):
            shutil.copy(os.path.join(assets, name), os.path.join(scratch, "cwd"))
        os.environ.update(HOME=os.path.join(scratch, "home"),
                          XDG_RUNTIME_DIR=os.path.join(scratch, "runtime"))
        processes.append(start_display())
        # A desktop always has a window manager: openbox, unless
        # NORVANE_WALK_WM=none asks for the bare display.
        if os.environ.get("NORVANE_WALK_WM", "openbox") != "none":
            processes.append(subprocess.Popen(["openbox", "--sm-disable"],
                                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
            time.sleep(1)
        orca = Orca(scratch)
        processes.append(orca.process)
        env = dict(os.environ, QT_QPA_PLATFORM="xcb")
        program_log = open(os.path.join(scratch, "program.log"), "w+", encoding="utf-8")
        processes.append(subprocess.Popen([program], cwd=os.path.join(scratch, "cwd"), env=env,
                                          stderr=program_log))
        window = wait_for(find_window)
        if window is None:
            sys.exit("FAIL: the window is not on the accessibility bus")
        check_controls(window)
        type_birth_date(window)
        results = check_results(window)
        start = check_dates(window)
        move_on_chart()
        open_readings()
        seed_family(os.environ["HOME"])
        register_and_list()
        remind(program)
        speech, errors, log = orca.stop()
        check("Orca processes every event", not errors, "\n".join(errors[:3]))
        check("Orca's focus is never on a dead object", "Locus of focus is [DEAD]" not in log)
        program_log.seek(0)
        lost = program_log.read().count("Could not find accessible")
        check("Orca asks after no object it was not told of", lost < 10, f"({lost} times)")
        spoke_in_order("the chart and the results", speech, "バイオリズムのグラフ", *results)
        # Qt 6.8 on announces the results as 実行 shows them.
        qt = re.search(r"\(Qt (\d+)\.(\d+)", log)
        if qt and (int(qt[1]), int(qt[2])) >= (6, 8):
            check("Orca presents the results on 実行",
                  re.search("Display message: '生まれてから現在まで" + results[0], log) is not None)
        # Orca 48 speaks the day Tab lands on in the chart's description.
        spoke_in_order("the cursor's days", speech, *(
            re.escape(f"{start + datetime.timedelta(days=d):%Y/%m/%d}（") for _, d in CHART_KEYS))
        # The second birth date starts at the first: every rhythm in phase.
        spoke_in_order("相性's reading", speech, "相性", "相性の結果", "身体（23日）　100%",
                       "感情（28日）　100%")
        # The list starts at the chart's first day, a day after the start
        # date since Page Down.
        first = start + datetime.timedelta(days=1)
        rows = caution_days(first, 2)
        spoke_in_order("注意日一覧's heading and first two rows", speech, "から 365 日間の注意日", *("^" + re.escape(f"{day:%Y/%m/%d}（") for day in rows))
        spoke_in_order("注意日一覧's button and the chart's menu", speech, "カレンダーに書き出す",
                       "コピー", "印刷")
        spoke_in_order("登録, its name field and its message", speech, "登録", "名前",
                       "名前を入力してください")
        spoke_in_order("登録者一覧's row, today's values and next caution day, and its buttons",
                       speech, "登録者一覧",
                       "Hanako　昭和63年05月12日　[0-9]+才　身体 [-+]?[0-9]+%　感情 [-+]?[0-9]+%　"
                       "知性 [-+]?[0-9]+%　次の注意日 ", "表示")
    finally:
        for process in reversed(processes):
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()  # one Orca left running would keep the next from starting
                process.wait()
        # NORVANE_WALK_LOGS names a folder to keep Orca's and the program's logs in.
        for name in ("orca.log", "program.log") if os.environ.get("NORVANE_WALK_LOGS") else ():
            if os.path.exists(os.path.join(scratch, name)):
                shutil.copy(os.path.join(scratch, name), os.environ["NORVANE_WALK_LOGS"])
        shutil.rmtree(scratch, ignore_errors=True)
    print(f"{passes} passed, {len(failures)} failed")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
