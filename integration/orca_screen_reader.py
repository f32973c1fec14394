#!/usr/bin/python3
"""kanmeri with a real screen reader: what Orca speaks as a user works it.

    orca_screen_reader.py KANMERI FORTUNE_TABLE_CPP WORK LOG

Starts, on the display, session bus and accessibility bus the caller gives
(orca_screen_reader.sh sets them up), a window manager (openbox), a private
speech-dispatcher with its dummy output module, Orca with its settings in
WORK, and then kanmeri. It drives the program with the keyboard only (XTEST
keys through xdotool) and checks what Orca spoke, which Orca's debug log
records as one line "SPEECH OUTPUT: '...'" an utterance:

  1. the main window's title and the date entry's name at start;
  2. the weekday sentence after ＯＫ, and again after ＯＫ once more;
  3. each error box (入力間違いです, 年月日等の不正です。　再入力して下さい,
     入力情報のエラーです), and the entry it leaves named again, by its
     name, once the box is closed with Return;
  4. the number entry's name and its description, which names Alt+G, when
     Tab reaches it; the drawn fortune after a digit and Alt+G;
  5. the clock window's title and focused option after 時刻のみ表示ボタン,
     the main window's title after 戻　る;
  6. nothing at all while either window idles (its clock ticking) for five
     changes of its time label, and never a clock text.

Orca writes its log through a pseudo-terminal, which it line-buffers, so each
utterance can be read as it is spoken. Every wait is for an utterance or an
event in the log, with a ceiling of WAIT seconds; nothing sleeps and then
asserts. Every process is started in a process group of its own, and only
those groups are ended. Exits 0 on success, 1 on a failure.
"""
import codecs
import os
import pty
import re
import signal
import subprocess
import sys
import threading
import time
import tty

WAIT = 60.0  # ceiling of every wait, in seconds

MAIN_TITLE = "曜日探し　＆　今週から1週間の運勢占い（当たるかな？）"
CLOCK_TITLE = "日付と時刻の表示"
DATE_ENTRY = "お探しの年月日（yyyy/mm/dd）"
NUMBER_ENTRY = "好きな数字（１桁）"
SATURDAY = " お探しの日の曜日は　土曜日　です"
CLOCK_TEXT = re.compile(r"\d\d:\d\d:\d\d|[AP]M\)")

SPEECH = re.compile(r"^[\d:.]+ - SPEECH OUTPUT: '(.*?)'(?: voice=\S+)?\s*(?:[\[{].*)?$")
# A change of the running time label that Orca received.
TICK = re.compile(r"EVENT MANAGER: object:property-change:accessible-name for \[label \|\s+\d")

failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


class OrcaLog:
    """Orca's debug log, read line by line as Orca writes it."""

    def __init__(self, path):
        master, self._slave = pty.openpty()
        tty.setraw(self._slave)
        self.device = os.ttyname(self._slave)
        self.utterances = []
        self.ticks = 0
        self._changed = threading.Condition()
        self._copy = open(path, "w", encoding="utf-8")
        threading.Thread(target=self._read, args=(master,), daemon=True).start()

    def _read(self, master):
        decoder = codecs.getincrementaldecoder("utf-8")("replace")
        pending = ""
        while True:
            try:
                chunk = os.read(master, 65536)
            except OSError:
                return
            if not chunk:
                return
            *lines, pending = (pending + decoder.decode(chunk)).split("\n")
            self._copy.write("".join(line + "\n" for line in lines))
            self._copy.flush()
            with self._changed:
                for line in lines:
                    spoken = SPEECH.match(line)
                    if spoken:
                        self.utterances.append(spoken.group(1))
                    elif TICK.search(line):
                        self.ticks += 1
                self._changed.notify_all()

    def mark(self):
        with self._changed:
            return len(self.utterances)

    def wait(self, probe, what):
        """probe()'s first true value, tried at each new line, within WAIT."""
        deadline = time.monotonic() + WAIT
        with self._changed:
            while True:
                found = probe()
                if found is not None and found is not False:
                    return found
                left = deadline - time.monotonic()
                if left <= 0:
                    raise AssertionError(f"timed out waiting for {what}; spoken since: "
                                         f"{self.utterances[-12:]!r}")
                self._changed.wait(left)

    def expect(self, wanted, since, what=None):
        """The index of the first utterance from `since` on that is `wanted`
        (a string, or a predicate on the utterance)."""
        matches = wanted if callable(wanted) else (lambda said: said == wanted)

        def probe():
            return next((i for i in range(since, len(self.utterances))
                         if matches(self.utterances[i])), None)

        index = self.wait(probe, what or repr(wanted))
        check(True, f"Orca said {self.utterances[index]!r}")
        return index

    def wait_ticks(self, count, what):
        start = self.ticks
        self.wait(lambda: self.ticks >= start + count or None, what)

    def spoken(self, start, end=None):
        with self._changed:
            return self.utterances[start:end]


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "100", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "100", text], check=True)


def press(log, keys, wanted, what=None):
    """Presses `keys` and waits for `wanted` to be said after them."""
    since = log.mark()
    key(*keys)
    return log.expect(wanted, since, what)


def fortune_messages(table_cpp):
    with open(table_cpp, encoding="utf-8") as source:
        body = source.read()
    literals = re.findall(r'\bu"((?:[^"\\]|\\.)*)"', body)
    return [re.sub(r"\\u([0-9A-Fa-f]{4})", lambda m: chr(int(m.group(1), 16)), text)
            for text in literals]


def notification(text):
    """What Orca says as a notification showing `text` appears: its role, then
    its name, with a full stop after a letter or digit."""
    return f"notification {text}" + ("." if text[-1].isalnum() else "")


class Processes:
    def __init__(self, work):
        self.work = work
        self.started = []

    def start(self, name, command, **options):
        output = open(os.path.join(self.work, name + ".out"), "w")
        process = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=output,
                                   stderr=subprocess.STDOUT, start_new_session=True, **options)
        self.started.append(process)
        return process

    def stop(self):
        for process in reversed(self.started):
            for sig in (signal.SIGTERM, signal.SIGKILL):
                try:
                    os.killpg(process.pid, sig)
                except ProcessLookupError:
                    break
                try:
                    process.wait(timeout=WAIT / 4)
                    break
                except subprocess.TimeoutExpired:
                    continue


def start_speech(processes, work):
    """A private speech-dispatcher: the dummy output module, sound to ALSA's
    null device, its socket and logs in WORK."""
    config = os.path.join(work, "speech-dispatcher")
    os.makedirs(config, exist_ok=True)
    with open(os.path.join(config, "speechd.conf"), "w") as conf:
        conf.write('AudioOutputMethod "alsa"\nAudioALSADevice "null"\n'
                   'AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n')
    socket = os.path.join(work, "speechd.sock")
    os.environ["SPEECHD_ADDRESS"] = "unix_socket:" + socket
    os.environ["SPEECHD_CMD"] = "/bin/false"  # never an autospawned server of its own
    server = processes.start("speech-dispatcher", [
        "speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir", config,
        "--socket-path", socket, "--log-dir", work])
    deadline = time.monotonic() + WAIT
    while not os.path.exists(socket):
        if server.poll() is not None or time.monotonic() > deadline:
            raise AssertionError("speech-dispatcher did not start")
        time.sleep(0.1)


def run(kanmeri, messages, work, log):
    processes = Processes(work)
    try:
        processes.start("openbox", ["openbox", "--sm-disable"])
        start_speech(processes, work)
        processes.start("orca", ["orca", "--user-prefs", os.path.join(work, "orca"),
                                 "--debug-file", log.device])
        log.expect("Screen reader on.", 0)
        since = log.mark()
        processes.start("kanmeri", [kanmeri], env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
        drive(log, messages, since)
    finally:
        processes.stop()


def drive(log, messages, since):
    # 1. At start: the window, then the focused date entry by its name.
    title = log.expect(f"{MAIN_TITLE} frame.", since, "the main window as a frame")
    log.expect(f"{DATE_ENTRY} text.", title + 1, "the date entry named")

    # 2. The weekday after ＯＫ, and the same result again after ＯＫ again.
    type_text("2000/01/01")
    press(log, ["Tab"], "１２時間表示.")
    press(log, ["Tab"], "ｷｬﾝｾﾙ push button.")
    press(log, ["Tab"], "ＯＫ push button.")
    press(log, ["space"], notification(SATURDAY), "the weekday after ＯＫ")
    press(log, ["space"], notification(SATURDAY), "the weekday again after ＯＫ again")

    # 3. The error boxes, and the entry named again as each closes; the
    # blanks it is left with follow what is typed next.
    def refused(text, message, box):
        type_text(text)
        press(log, ["Tab", "Tab", "Tab"], "ＯＫ push button.")
        shown = press(log, ["space"], f"alert {box}.", f"the box for {text}")
        log.expect(f"{message}.", shown + 1)
        log.expect("OK push button.", shown + 1)
        press(log, ["Return"], f"{DATE_ENTRY} text.", f"{DATE_ENTRY} named after the box")

    press(log, ["shift+Tab", "shift+Tab", "shift+Tab"], f"{DATE_ENTRY} text.")
    refused("9999/12/31", "入力間違いです", "kanmeri")
    refused("2000/13/45", "年月日等の不正です。　再入力して下さい", "ERR 情報")

    # 4. The number entry tells Alt+G; the fortune is spoken as it appears.
    named = press(log, ["Tab", "Tab", "Tab", "Tab"], f"{NUMBER_ENTRY} text.")
    log.expect("Alt+G で占います.", named + 1, "the number entry's description")
    type_text("5")
    drawn = {notification(m) for m in messages[1:60]}
    press(log, ["alt+g"], lambda said: said in drawn, "a fortune of the table after Alt+G")
    shown = press(log, ["alt+g"], "alert kanmeri.", "the box after Alt+G with no digit")
    log.expect("入力情報のエラーです.", shown + 1)
    press(log, ["Return"], f"{NUMBER_ENTRY} text.", f"{NUMBER_ENTRY} named after the box")

    # 5 and 6. The clock window, each window idling in silence, and back.
    press(log, ["Tab"], "このプログラムの終了ボタン push button.")
    press(log, ["Tab"], "時刻のみ表示ボタン push button.")
    clock = press(log, ["space"], f"{CLOCK_TITLE} frame.", "the clock window")
    option = log.expect("２４時間.", clock + 1, "the clock window's focused option")
    log.expect("selected radio button", option + 1)
    idle(log, ["Tab"], "戻　る push button.", "the clock window")
    main = press(log, ["space"], f"{MAIN_TITLE} frame.", "the main window back")
    log.expect(f"{DATE_ENTRY} text.", main + 1)
    idle(log, ["Tab"], "時刻表示切替 panel.", "the main window")
    check(not [s for s in log.spoken(0) if CLOCK_TEXT.search(s)], "no clock text was ever said")


def idle(log, keys, wanted, window):
    """Lets `window` idle for five changes of its time label, then presses
    `keys`: Orca handles events in order, so whatever the idling made it say
    comes before what the keys make it say. Orca speaks all it says of one
    event before it hears the next, so the idling starts at a tick."""
    log.wait_ticks(1, f"a tick of {window}'s clock")
    since = log.mark()
    log.wait_ticks(5, f"five ticks of {window}'s clock")
    after = press(log, keys, wanted)
    said = [s for s in log.spoken(since, after) if s != "tab "]
    check(not said, f"nothing said while {window} idled ({said!r})")


def main():
    kanmeri, table_cpp, work, log_path = sys.argv[1:5]
    messages = fortune_messages(table_cpp)
    if not check(len(messages) == 61, f"the fortune table has 61 messages ({len(messages)})"):
        return
    log = OrcaLog(log_path)
    try:
        run(kanmeri, messages, work, log)
    except AssertionError as error:
        check(False, str(error))


if __name__ == "__main__":
    main()
    if failures:
        print(f"{len(failures)} failure(s)")
        sys.exit(1)
    print("all checks passed")
