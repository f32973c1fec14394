"""What the Orca test runs on: Orca's debug log read as Orca writes it, the
processes the test starts (each in a process group of its own, and only
those ended), a private speech-dispatcher, and the keyboard.

Every wait is for a line of the log, with a ceiling of WAIT seconds."""
import codecs
import os
import pty
import re
import signal
import subprocess
import threading
import time
import tty

WAIT = 60.0  # ceiling of every wait, in seconds

SPEECH = re.compile(r"^[\d:.]+ - SPEECH OUTPUT: '(.*?)'(?: voice=\S+)?\s*(?:[\[{].*)?$")
# A change of a running time label that Orca received.
TICK = re.compile(r"EVENT MANAGER: object:property-change:accessible-name for \[label \|\s+\d")


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
        print(f"ok   Orca said {self.utterances[index]!r}", flush=True)
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
            try:  # what the process started in its group, if it outlived it
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass


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
