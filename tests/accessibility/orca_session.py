#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the screen reader Orca says while the trainer is driven by real keys.

    orca_session.py PROGRAM DATA_DIR [KEYS_FILE] [--pause SECONDS] [--log FILE]
                    [--show REGEX] [--screenshots DIR]

Starts, each on its own and checked: an X server on a free display with a
German keyboard layout, the openbox window manager (without one the window
never gets the focus), a D-Bus session, the AT-SPI bus, speech-dispatcher
speaking with espeak-ng into ALSA's "null" device (no sound hardware needed),
and Orca with its debug log and a clean settings folder in a temporary HOME.
Then it starts PROGRAM in a copy of DATA_DIR's verb file, waits until Orca has
read the window, presses the keys of KEYS_FILE (orca_baseline.keys beside this
script if none is given; orca_changes.keys changes verb and tense with forms
in every box) with xdotool, and prints after each line of it the SPEECH OUTPUT
lines Orca logged for it, and the log lines matching --show (say
"Pruning|flood").

A line of KEYS_FILE is one step: xdotool key names pressed in turn ("Tab",
"alt+shift+c", "KP_Up", "Tab Tab"); "go KEYS", the same, printing only what
the last key brings (to reach a control far off); "type TEXT" to type TEXT;
or "wait SECONDS". "#" starts a note, printed with the step. Each step waits
--pause seconds (1.5) for Orca. --log keeps Orca's whole debug log;
--screenshots saves the screen after each step. Orca's desktop keys work as
xdotool sends them: KP_Up, KP_Begin and KP_Down read the line, word and
character, KP_Enter is Where Am I, KP_Add Say All.

Orca lets one Orca run per user: the script stops, saying so, while another
runs, and never replaces it. Exits 1, with what did not start, when a part
does not start; 0 once the keys are through.
"""
import argparse
import collections
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import tty

sys.dont_write_bytecode = True  # no __pycache__ left in the source tree
import atspi_test  # noqa: E402 (the X server, the D-Bus session and the AT-SPI bus)

HERE = os.path.dirname(os.path.abspath(__file__))
SPEECH = "SPEECH OUTPUT:"
VOICE = re.compile(r"(?<=')\s*\[?\{'.*$")
SAY_ALL = re.compile(r"SAY ALL: \[[^]]*\] ('.*') \(\d+-\d+")

SPEECHD_CONF = """\
LogLevel 3
LogDir "{log_dir}"
DefaultModule espeak-ng
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
AudioOutputMethod "alsa"
AudioALSADevice "null"
"""


class Failed(Exception):
    """A part of the session did not start; the message says which."""


class Session:
    def __init__(self, work):
        self.work = work
        self.processes = []  # (name, process), stopped in reverse order

    def start(self, name, command, **options):
        try:
            process = subprocess.Popen(command, **options)
        except OSError as error:
            raise Failed(f"{name} did not start: {error}")
        self.processes.append((name, process))
        return process

    def stop(self):
        for _, process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()


def wait_until(condition, seconds, failure):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    raise Failed(failure)


def private_environment(work):
    """A temporary HOME and XDG folders: Orca starts from its default settings,
    speech-dispatcher's socket is the session's own."""
    folders = {name: os.path.join(work, folder) for name, folder in [
        ("HOME", "home"), ("XDG_CONFIG_HOME", "home/.config"),
        ("XDG_DATA_HOME", "home/.local/share"), ("XDG_CACHE_HOME", "home/.cache"),
        ("XDG_RUNTIME_DIR", "run")]}
    for folder in folders.values():
        os.makedirs(folder, mode=0o700, exist_ok=True)
    os.environ.update(folders)
    os.environ["GSETTINGS_BACKEND"] = "memory"  # no dconf daemon
    os.environ.pop("SPEECHD_ADDRESS", None)
    os.environ.pop("SPEECHD_SOCKET", None)


def use_german_keyboard():
    """ä, ö, ü and ß on keys of their own: xdotool otherwise lends a spare key
    for each and takes it back at once, and a trainer waiting for Orca's answer
    to a key press reads the key after that, as nothing."""
    if subprocess.run(["setxkbmap", "-layout", "de"]).returncode != 0:
        raise Failed("setxkbmap could not set the German keyboard layout")


def start_window_manager(session):
    openbox = session.start("openbox", ["openbox", "--sm-disable"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def managing():
        if openbox.poll() is not None:
            raise Failed("openbox ended at start")
        root = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                              capture_output=True, text=True)
        return "window id" in root.stdout

    wait_until(managing, 10, "openbox did not take the screen within 10 s")


def start_speech(session):
    """speech-dispatcher in the foreground, checked by speaking a word."""
    config = os.path.join(os.environ["XDG_CONFIG_HOME"], "speech-dispatcher")
    log_dir = os.path.join(session.work, "speechd-log")
    os.makedirs(os.path.join(config, "modules"), exist_ok=True)
    os.makedirs(log_dir, exist_ok=True)
    with open(os.path.join(config, "speechd.conf"), "w") as conf:
        conf.write(SPEECHD_CONF.format(log_dir=log_dir))
    open(os.path.join(config, "modules", "espeak-ng.conf"), "w").close()
    session.start("speech-dispatcher", ["speech-dispatcher", "-s", "-t", "0", "-C", config],
                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    socket = os.path.join(os.environ["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
    wait_until(lambda: os.path.exists(socket), 10, "speech-dispatcher made no socket within 10 s")

    import speechd
    client = speechd.SSIPClient("zandrel-orca-session", socket_path=socket, autospawn=False)
    try:
        if "espeak-ng" not in client.list_output_modules():
            raise Failed("speech-dispatcher has no espeak-ng output" + speech_errors(log_dir))
        spoken = threading.Event()
        client.speak("ready", callback=lambda *_: spoken.set(),
                     event_types=(speechd.CallbackType.END,))
        if not spoken.wait(10):
            raise Failed("speech-dispatcher did not finish speaking a word"
                         + speech_errors(log_dir))
    finally:
        client.close()


def speech_errors(log_dir):
    """The last complaints in speech-dispatcher's logs, to say why it is silent."""
    complaints = []
    for name in sorted(os.listdir(log_dir)):
        with open(os.path.join(log_dir, name), errors="replace") as log:
            complaints += [line.strip() for line in log if re.search(r"rror|fail|ALSA", line)]
    return "".join("\n    " + line for line in complaints[-5:])


class OrcaLog:
    """Orca's debug log, read as it is written. Orca writes it through a
    pseudo-terminal, so each line arrives when it is logged, not when a
    block of them fills; every line is kept with its arrival time and copied
    to the log file."""

    def __init__(self, path):
        self.copy = open(path, "wb")
        self.lines = []  # (arrival, text)
        self.lock = threading.Lock()
        self.master, self.terminal = os.openpty()
        tty.setraw(self.terminal)  # lines as written, no carriage returns added
        self.terminal_name = os.ttyname(self.terminal)
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        pending = b""
        while True:
            try:
                chunk = os.read(self.master, 65536)
            except OSError:
                return
            if not chunk:
                return
            self.copy.write(chunk)
            self.copy.flush()
            *complete, pending = (pending + chunk).split(b"\n")
            now = time.monotonic()
            with self.lock:
                self.lines += [(now, line.decode("utf-8", "replace")) for line in complete]

    def since(self, start):
        with self.lock:
            return [text for arrival, text in self.lines if arrival >= start]

    def contains(self, needle):
        return any(needle in text for text in self.since(0.0))

    def quiet_for(self, seconds):
        with self.lock:
            last = self.lines[-1][0] if self.lines else 0.0
        return time.monotonic() - last >= seconds


def start_orca(session, log):
    others = subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                            capture_output=True, text=True).stdout.split()
    if others:
        raise Failed(f"another Orca runs for this user (pid {', '.join(others)}); "
                     "Orca allows one at a time")
    # Without a braille display Orca would try to reach one at every change.
    said = os.path.join(session.work, "orca-output.txt")
    with open(said, "w") as output:
        orca = session.start("Orca", ["orca", "--debug", f"--debug-file={log.terminal_name}",
                                      "--disable", "braille"],
                             stdout=output, stderr=subprocess.STDOUT)

    def started():
        if orca.poll() is not None:
            with open(said, errors="replace") as output:
                raise Failed(f"Orca ended at start: {output.read().strip()}")
        return log.contains("ORCA: Starting registry")

    wait_until(started, 60, "Orca did not get ready within 60 s")
    wait_until(lambda: log.quiet_for(1.0), 20, "Orca did not settle after its start")


def start_trainer(session, log, program, data_dir):
    """The trainer in a copy of the verb file's folder; ready once Orca has
    spoken its window and gone quiet."""
    folder = os.path.join(session.work, "data")
    os.makedirs(folder)
    shutil.copy(os.path.join(data_dir, "Verb12Data.txt"), folder)
    started = time.monotonic()
    with open(os.path.join(session.work, "trainer-messages.txt"), "w") as messages:
        trainer = session.start("the trainer", [program], cwd=folder, stdout=messages,
                                stderr=subprocess.STDOUT,
                                env=dict(os.environ, QT_QPA_PLATFORM="xcb"))

    def heard():
        if trainer.poll() is not None:
            raise Failed(f"the trainer ended at start (exit {trainer.returncode})")
        return any(SPEECH in text and "German Verb Zandrel" in text
                   for text in log.since(started))

    wait_until(heard, 60, "Orca did not speak the trainer's window within 60 s")
    wait_until(lambda: log.quiet_for(1.5), 30, "Orca did not settle after the trainer started")
    return started


def read_steps(path):
    """The steps of a keys file as (action, note); a malformed line stops the
    script before anything starts."""
    steps = []
    with open(path, encoding="utf-8") as keys:
        for number, line in enumerate(keys, 1):
            action, _, note = line.partition("#")
            kind, _, rest = action.strip().partition(" ")
            if not kind:
                continue
            if kind in ("go", "type") and not rest.strip() or \
                    kind == "wait" and not re.fullmatch(r"\d+(\.\d*)?", rest.strip()):
                sys.exit(f"orca_session: {path}:{number}: {action.strip()!r} lacks what it needs")
            steps.append((action.strip(), note.strip()))
    return steps


def xdotool(*arguments):
    if subprocess.run(["xdotool", *arguments]).returncode != 0:
        raise Failed(f"xdotool could not send {' '.join(arguments)!r}")


def perform(action, pause):
    """Carries out one step; returns when what it made Orca say began."""
    kind, _, rest = action.partition(" ")
    if kind == "wait":
        time.sleep(float(rest))
        return time.monotonic()
    if kind == "type":
        begin = time.monotonic()
        xdotool("type", "--delay", "120", rest)
    elif kind == "go":  # only what the last key brings is wanted
        *way, last = rest.split()
        for key in way:
            xdotool("key", key)
            time.sleep(0.3)
        time.sleep(pause / 2)
        begin = time.monotonic()
        xdotool("key", last)
    else:
        begin = time.monotonic()
        xdotool("key", "--delay", "150", *action.split())
    time.sleep(pause)
    return begin


def spoken(lines, show):
    for text in lines:
        if SPEECH in text:
            said = text[text.index(SPEECH) + len(SPEECH):].strip()
            yield "    " + VOICE.sub("", said)  # the words, not the voice they are said in
        elif SAY_ALL.search(text):  # Say All hands its lines to the speech server unlogged
            yield "    (say all) " + SAY_ALL.search(text).group(1)
        elif show and show.search(text):
            yield "      | " + text.strip()


def print_trainer_messages(work):
    """What the trainer wrote while it ran, a repeated line once with its count."""
    path = os.path.join(work, "trainer-messages.txt")
    if not os.path.exists(path):
        return
    with open(path, encoding="utf-8", errors="replace") as messages:
        counts = collections.Counter(line.rstrip() for line in messages if line.strip())
    if counts:
        print("--- the trainer's messages")
        for line, count in counts.items():
            print(f"    {count}x {line}" if count > 1 else f"    {line}")


def versions():
    orca = subprocess.run(["orca", "--version"], capture_output=True, text=True).stdout.strip()
    speechd = subprocess.run(["speech-dispatcher", "--version"], capture_output=True,
                             text=True).stdout.splitlines()
    return f"Orca {orca}, {speechd[0] if speechd else 'speech-dispatcher'}"


def run(arguments, steps, work):
    private_environment(work)
    session = Session(work)
    log = OrcaLog(arguments.log or os.path.join(work, "orca-debug.log"))
    show = re.compile(arguments.show) if arguments.show else None
    try:
        use_german_keyboard()
        start_window_manager(session)
        bus = atspi_test.start_accessibility_bus()
        if bus is not None:
            session.processes.append(("the AT-SPI bus", bus))
        start_speech(session)
        start_orca(session, log)
        started = start_trainer(session, log, os.path.abspath(arguments.program),
                                arguments.data_dir)
        print(f"=== {versions()}; each step: the key presses, then what Orca said", flush=True)
        print("--- start-up", flush=True)
        for line in spoken(log.since(started), show):
            print(line, flush=True)
        for number, (action, note) in enumerate(steps, 1):
            begin = perform(action, arguments.pause)
            print(f"--- {action}" + (f"    ({note})" if note else ""), flush=True)
            for line in spoken(log.since(begin), show):
                print(line, flush=True)
            if arguments.screenshots:
                os.makedirs(arguments.screenshots, exist_ok=True)
                subprocess.run(["import", "-window", "root",
                                os.path.join(arguments.screenshots, f"step{number:02}.png")])
    except Failed as failure:
        print(f"orca_session: {failure}", file=sys.stderr)
        return 1
    finally:
        session.stop()
        print_trainer_messages(work)
    if arguments.log:
        print(f"Orca's debug log: {arguments.log}")
    return 0


def main():
    parser = argparse.ArgumentParser(
        description="What Orca says while the trainer is driven by keys.")
    parser.add_argument("program")
    parser.add_argument("data_dir")
    parser.add_argument("keys", nargs="?", default=os.path.join(HERE, "orca_baseline.keys"))
    parser.add_argument("--pause", type=float, default=1.5, help="seconds after each step")
    parser.add_argument("--log", help="keep Orca's whole debug log in this file")
    parser.add_argument("--show", help="also print the log lines matching this expression")
    parser.add_argument("--screenshots", help="save the screen after each step in this folder")
    arguments = parser.parse_args()
    tools = ["Xvfb", "dbus-run-session", "setxkbmap", "openbox", "xprop", "speech-dispatcher",
             "orca", "xdotool"]
    for tool in tools + (["import"] if arguments.screenshots else []):
        if shutil.which(tool) is None:
            sys.exit(f"orca_session: {tool} is missing "
                     "(scripts/debian-packages.txt lists its package)")
    if not os.path.isfile(os.path.join(arguments.data_dir, "Verb12Data.txt")):
        sys.exit(f"orca_session: {arguments.data_dir} holds no Verb12Data.txt")
    if not os.access(arguments.program, os.X_OK):
        sys.exit(f"orca_session: {arguments.program} is not a program (build the trainer first)")
    steps = read_steps(arguments.keys)
    if os.environ.get(atspi_test.SESSION_MARK) != "1":
        return atspi_test.run_in_own_session()
    work = tempfile.mkdtemp(prefix="zandrel-orca-")
    try:
        return run(arguments, steps, work)
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
