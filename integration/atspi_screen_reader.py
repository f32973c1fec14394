#!/usr/bin/python3
"""kanmeri as a screen reader meets it, through the AT-SPI accessibility bus.

    atspi_screen_reader.py KANMERI FORTUNE_TABLE_CPP

Runs the built program with the toolkit's accessibility on, finds its main
window in the desktop's accessibility tree the way a screen reader does (by
role and name), and checks:

  1. the two entries are found by their names, not their text; `stop`
     ("ＧＯ") is a label that takes no focus and offers the press action,
     bound to the key "Alt+G"; with a digit typed into `insuu`, pressing it
     draws a fortune
     into `secdisp` (one of the table's messages; the very one when the
     clock's second did not change around the press);
  2. pressed again with the entry now empty, it brings the modal message
     "入力情報のエラーです", which is read and dismissed like any dialog;
     the entry then holds two blanks and the fortune stays;
  3. the seconds bar is a progress bar with a name, whose description (the
     filled share, "0%" to "100%") follows the clock's second at each tick,
     and which offers no action and no value to change.

Needs an X display of its own (synthetic keys go to its focus), the session
bus (run under dbus-run-session) and pyatspi; atspi_screen_reader.sh sets
these up.
Exits 0 on success, 1 on a failure, 77 when pyatspi is missing. Every wait is
bounded (20 s at most).
"""
import os
import re
import subprocess
import sys
import time

try:
    import pyatspi
except ImportError:
    print("SKIPPED: python3-pyatspi is not installed")
    sys.exit(77)

from checks import check, fortune_messages, run_checks

WAIT = 20.0  # ceiling of every wait, in seconds
CAPTION = "曜日探し　＆　今週から1週間の運勢占い（当たるかな？）"
ERROR_MESSAGE = "入力情報のエラーです"
ENTRY_NAMES = ("お探しの年月日（yyyy/mm/dd）", "好きな数字（１桁）")
ASTERISKS = "　　＊＊＊＊＊＊＊＊　　"
DIGIT = 7

def wait_for(probe, what):
    """Returns probe()'s first true value within WAIT seconds, or fails."""
    deadline = time.monotonic() + WAIT
    while True:
        try:
            value = probe()
        except Exception as error:  # the tree may change under a probe
            value = None
            last = error
        else:
            last = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}" + (f" ({last})" if last else ""))
        time.sleep(0.1)


def fresh(node):
    node.clearCache()
    return node


def descendants(node):
    for child in fresh(node):
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find(node, role, name=None):
    return [n for n in descendants(node)
            if n.getRole() == role and (name is None or fresh(n).name == name)]


def action_names(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def do_action(node, name):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == name:
            return action.doAction(i)
    raise AssertionError(f"{node.name!r} has no action {name!r}")


def text_of(node):
    text = node.queryText()
    return text.getText(0, -1)


def drawn_index(digit, second):
    """The table index a draw of `digit` at `second` shows."""
    kazu = (digit + 1) * 2 - 3
    if kazu < 0:
        kazu = 1
    index = second + kazu
    return index - 59 if index > 59 else index


def extents(node):
    return node.queryComponent().getExtents(pyatspi.WINDOW_COORDS)


def main():
    kanmeri, table_cpp = sys.argv[1], sys.argv[2]
    messages = fortune_messages(table_cpp)
    if not check(len(messages) == 61, f"the fortune table has 61 messages ({len(messages)})"):
        return

    # On the X server the keys are typed into, whatever platform the caller set.
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    program = subprocess.Popen([kanmeri], env=environment)
    try:
        run(messages)
    finally:
        program.terminate()
        try:
            program.wait(timeout=WAIT)
        except subprocess.TimeoutExpired:
            program.kill()
            program.wait()


def run(messages):
    desktop = pyatspi.Registry.getDesktop(0)

    def application():
        for app in fresh(desktop):
            if app is not None and fresh(app).name == "kanmeri":
                return app
        return None

    app = wait_for(application, "kanmeri on the accessibility bus")
    window = wait_for(lambda: next(iter(find(app, pyatspi.ROLE_FILLER, CAPTION)
                                        + find(app, pyatspi.ROLE_FRAME, CAPTION)), None),
                      "the main window by its caption")

    stop = wait_for(lambda: next(iter(find(window, pyatspi.ROLE_LABEL, "ＧＯ")), None),
                    "the label ＧＯ")
    secdisp = wait_for(lambda: next(iter(find(window, pyatspi.ROLE_LABEL, ASTERISKS)), None),
                       "the fortune label showing its asterisks")

    # Both entries by their names, whatever they hold.
    entries = {name: find(window, pyatspi.ROLE_TEXT, name) for name in ENTRY_NAMES}
    for name, found in entries.items():
        check(len(found) == 1, f"one entry named {name}")
    if not all(len(found) == 1 for found in entries.values()):
        return
    insuu = entries["好きな数字（１桁）"][0]

    # 1. stop: a label, no focus, the press action.
    states = fresh(stop).getState()
    check(not states.contains(pyatspi.STATE_FOCUSABLE), "ＧＯ is not focusable")
    check(not states.contains(pyatspi.STATE_FOCUSED), "ＧＯ does not hold the focus")
    check(action_names(stop) == ["Press"], f"ＧＯ offers only Press ({action_names(stop)})")
    binding = stop.queryAction().getKeyBinding(0)
    check(binding == "Alt+G", f"ＧＯ's press is bound to Alt+G ({binding!r})")
    check(action_names(secdisp) == [],
          f"a label without a Click handler offers no action ({action_names(secdisp)})")

    # Type the digit as the keyboard would: focus the box, then a key event.
    do_action(insuu, "SetFocus")
    wait_for(lambda: fresh(insuu).getState().contains(pyatspi.STATE_FOCUSED), "the focus in insuu")
    pyatspi.Registry.generateKeyboardEvent(ord(str(DIGIT)), None, pyatspi.KEY_SYM)
    wait_for(lambda: text_of(insuu) == str(DIGIT), f"insuu to read {DIGIT}")
    check(True, f"the digit {DIGIT} is typed into insuu")

    before = time.localtime().tm_sec
    do_action(stop, "Press")
    shown = wait_for(lambda: fresh(secdisp).name != ASTERISKS and fresh(secdisp).name,
                     "a fortune in secdisp")
    after = time.localtime().tm_sec
    check(shown in messages[1:60], f"secdisp shows a message of the table: {shown!r}")
    if before == after:
        expected = messages[drawn_index(DIGIT, before)]
        check(shown == expected, f"it is the one for {DIGIT} at second {before}: {expected!r}")
    wait_for(lambda: text_of(insuu) == "", "insuu to be emptied after the draw")
    check(not fresh(stop).getState().contains(pyatspi.STATE_FOCUSABLE),
          "ＧＯ is still not focusable after the press")

    # 2. The same press with the entry empty: the modal error message.
    do_action(stop, "Press")

    def error_box():
        for node in fresh(app):
            if node is None or node.getRole() not in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG):
                continue
            if any(ERROR_MESSAGE in (fresh(n).name or "") for n in descendants(node)):
                return node
        return None

    box = wait_for(error_box, f"a message box saying {ERROR_MESSAGE}")
    check(True, f"a {box.getRoleName()} says {ERROR_MESSAGE}")
    ok = next(iter(find(box, pyatspi.ROLE_PUSH_BUTTON)), None)
    if not check(ok is not None, "the message box has a button"):
        return
    do_action(ok, "Press")
    wait_for(lambda: error_box() is None, "the message box to close")
    wait_for(lambda: text_of(insuu) == "  ", "two blanks in insuu after the message")
    check(True, "the message box is dismissed and insuu holds two blanks")
    check(fresh(secdisp).name == shown, "the fortune stays after the failed draw")

    # 3. The seconds bar follows each tick of Timer2 and offers no action.
    bar = wait_for(lambda: next(iter(find(window, pyatspi.ROLE_PROGRESS_BAR)), None),
                   "the seconds bar")
    check(bool(fresh(bar).name), f"the bar has a name ({bar.name!r})")
    check(action_names(bar) == [], f"the bar offers no action ({action_names(bar)})")
    try:
        bar.queryValue()
        check(False, "the bar offers no value to change")
    except NotImplementedError:
        check(True, "the bar offers no value to change")

    def percent():
        match = re.fullmatch(r"(\d+)%", fresh(bar).description or "")
        return int(match.group(1)) if match else None

    ticks = []
    last = percent()
    check(last is not None, f"the bar describes its share ({fresh(bar).description!r})")
    deadline = time.monotonic() + 9
    while time.monotonic() < deadline and len(ticks) < 3:
        current = percent()
        if current != last:
            ticks.append((current, time.localtime().tm_sec))
            last = current
        time.sleep(0.05)
    check(len(ticks) >= 3, f"the bar's share changed at three ticks within 9 s ({len(ticks)})")
    for share, second in ticks:
        # Read just after the tick, or a second later.
        check(share in (round(100 * second / 60), round(100 * ((second - 1) % 60) / 60)),
              f"share {share}% is the second's share of the minute, read at second {second}")


if __name__ == "__main__":
    run_checks(main)
