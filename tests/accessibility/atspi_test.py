#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The trainer as a screen reader sees it, through a real AT-SPI client.

    atspi_test.py PROGRAM DATA_DIR [--count]

Starts its own X server (Xvfb), D-Bus session and AT-SPI bus, starts PROGRAM
in DATA_DIR (which holds Verb12Data.txt) with accessibility on, and walks its
accessible tree with pyatspi. It checks that the window is a frame, that every
showing control has a name, that the entry boxes name their persons, that the
lists are labelled by their labels and give their entry as their text, and,
pressing buttons through their AT-SPI actions, that Show All fills the boxes,
each read whole by line, word and character, that Test Answers' result is
exposed (each wrong box says so, the count is announced, with the events a
screen reader hears), that Restore takes the result back, and that the type
panel, Show Random and Show Correct are announced. Then, with real keys
(xdotool), that Alt+B and Alt+L move the focus, that a look-up and a change of
verb or tense are announced with the board's captions, and that entry boxes
without the focus send no text or selection events. Exits 1 on a failed check.

With --count it only prints how many showing controls have a useful name
(see useful_name) and never fails: run it on any version of the program.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

SESSION_MARK = "ZANDREL_ATSPI_SESSION"
BUS_LAUNCHERS = ["/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher"]
PERSONS = r"(ich|du|Sie \((singular|plural)\)|er/sie/es|wir|ihr|sie)"


def start_x_server():
    """Xvfb on a free display; returns the process and the display name."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1100x560x24", "-nolisten", "tcp"],
        pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        sys.exit("Xvfb did not start")
    return xvfb, ":" + number


def run_in_own_session():
    """Re-runs this script inside a fresh D-Bus session on its own X server."""
    xvfb, display = start_x_server()
    env = dict(os.environ, DISPLAY=display, **{SESSION_MARK: "1"})
    env.pop("WAYLAND_DISPLAY", None)
    try:
        return subprocess.call(["dbus-run-session", "--", sys.executable] + sys.argv, env=env)
    finally:
        xvfb.terminate()
        xvfb.wait()


def start_accessibility_bus():
    launcher = next((path for path in BUS_LAUNCHERS if os.path.exists(path)), None)
    if launcher is None:  # D-Bus activation starts it on first use
        return None
    bus = subprocess.Popen([launcher, "--launch-immediately"], stderr=subprocess.DEVNULL)
    time.sleep(0.5)
    return bus


class Checker:
    def __init__(self, counting_only):
        self.counting_only = counting_only
        self.failures = 0

    def check(self, condition, what):
        if self.counting_only:
            return condition
        print(("ok    " if condition else "FAIL  ") + what, flush=True)
        if not condition:
            self.failures += 1
        return condition


# The events a screen reader would hear: (type, source name, source role, detail1).
EVENTS = []


def record_event(event):
    try:
        EVENTS.append((event.type, event.source.name, event.source.getRole(), event.detail1))
    except Exception:  # the source may be gone already
        pass


def pump_events():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(condition, seconds=10.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        pump_events()
        try:
            value = condition()
        except Exception:  # the tree changes under us while the program works
            value = None
        if value:
            return value
        time.sleep(0.1)
    return None


def showing(node):
    return node is not None and node.getState().contains(pyatspi.STATE_SHOWING)


def showing_controls(window):
    """Every showing accessible below the window, pruning hidden subtrees.
    Fillers (a text box's viewport, a scroll bar's holder) only hold controls."""
    found = []

    def walk(node):
        for child in node:
            if showing(child):
                if child.getRole() != pyatspi.ROLE_FILLER:
                    found.append(child)
                walk(child)

    walk(window)
    return found


def label_of(node):
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            target = relation.getTarget(0)
            if target is not None:
                return target.name
    return ""


def spoken_name(node):
    """What a screen reader says the control is (before its role)."""
    return node.name or ""


def useful_name(node, controls):
    """At least two characters (not "F", "1", "ä"), and, unless the node is a
    label, shared with no other showing control of its role (not three
    "Restore" buttons)."""
    name = spoken_name(node).strip()
    if len(name) < 2:
        return False
    if node.getRole() == pyatspi.ROLE_LABEL:
        return True
    return sum(1 for other in controls if other.getRole() == node.getRole()
               and spoken_name(other).strip() == name) == 1


def press(controls, name):
    matches = [node for node in controls if node.name == name]
    if not matches:
        return False
    action = matches[0].queryAction()
    for index in range(action.nActions):
        if action.getName(index) == "Press":
            return action.doAction(index)
    return False


def find_window(program):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == program.pid and app.childCount:
            window = app[0]
            # Loaded: the first verb's boxes are showing.
            if any(node.getRole() == pyatspi.ROLE_TEXT and showing(node) for node in window):
                return window
    return None


def entry_boxes(controls):
    return [node for node in controls
            if node.getRole() == pyatspi.ROLE_TEXT and re.match(PERSONS + ", ", node.name or "")]


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def read_whole(node):
    """What a screen reader reads of a box: its one text run, its line and
    word at the start and its last character all end where the text ends."""
    text = node.queryText()
    length = text.characterCount
    return (tuple(text.getAttributeRun(0, False)[1:]), text.getTextAtOffset(0, pyatspi.TEXT_BOUNDARY_LINE_START)[0],
            text.getTextAtOffset(0, pyatspi.TEXT_BOUNDARY_WORD_START)[0],
            text.getTextAtOffset(length - 1, pyatspi.TEXT_BOUNDARY_CHAR)[0])


def told(window, before=None):
    """The announcement showing, once it is another than `before`."""
    return wait_for(lambda: next((node.name for node in notifications(window) if node.name != before),
                                 None)) or ""


def keys(program, *names):
    """Real key presses, into the trainer's window."""
    window = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(program.pid)],
                            capture_output=True, text=True).stdout.split()[:1]
    subprocess.run(["xdotool", "windowfocus", "--sync", *window], check=True)
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)
        time.sleep(0.3)


def focused(window, name):
    """Waits until the control named `name` has the focus."""
    return wait_for(lambda: any(node.name == name and node.getState().contains(pyatspi.STATE_FOCUSED)
                                for node in showing_controls(window)))


def box_text_events():
    """Text and selection events of entry boxes (asked while none has the focus)."""
    return [event for event in EVENTS
            if event[0].startswith("object:text-") and re.match(PERSONS + ", ", event[1] or "")]


def notifications(window):
    return [node for node in showing_controls(window)
            if node.getRole() == pyatspi.ROLE_NOTIFICATION]


def check_names(checker, window, when):
    controls = showing_controls(window)
    nameless = [node.getRoleName() for node in controls if not spoken_name(node).strip()]
    checker.check(not nameless, f"every showing control has a name {when} (nameless: {nameless})")
    weak = [spoken_name(node) for node in controls if not useful_name(node, controls)]
    checker.check(not weak, f"every name says what the control is {when} (weak: {weak})")
    return controls


def run_checks(checker, window, program):
    controls = showing_controls(window)
    useful = sum(1 for node in controls if useful_name(node, controls))
    print(f"showing controls with a useful name: {useful} of {len(controls)}", flush=True)
    if checker.counting_only:
        return

    checker.check(window.getRole() == pyatspi.ROLE_FRAME and window.name == "German Verb Zandrel",
                  f"the window is a frame named by its title ({window.getRoleName()})")
    check_names(checker, window, "at start")

    boxes = entry_boxes(controls)
    box_names = {node.name for node in boxes}
    checker.check({"du, verb", "du, separable prefix"} <= box_names,
                  f"the boxes of a separable verb's present name person and place ({sorted(box_names)})")
    texts = [node for node in controls if node.getRole() == pyatspi.ROLE_TEXT]
    checker.check(len(boxes) == len(texts) - 2,
                  "every showing entry box but Alpha and the Show Random letters names its person")
    lists = [node for node in controls if node.getRole() == pyatspi.ROLE_COMBO_BOX]
    verb_list, tense_list = (next(node for node in lists if label_of(node) == label)
                             for label in ("Verb List", "Tense"))
    entries = [text_of(verb_list), text_of(tense_list)]
    checker.check(entries[1] == "present" and verb_list.name == "Verb List",
                  f"the lists are named by their labels and give their entries as text ({entries})")
    board = told(window)
    checker.check(re.fullmatch(re.escape(f"{entries[0]}, present") + r"(\. [^.]+){2}", board),
                  f"the board shown is announced with its captions ({board!r})")
    labels = sorted(label_of(node) for node in lists)
    checker.check(labels == ["Tense", "Verb List"], f"the lists are labelled by their labels ({labels})")

    checker.check(press(controls, "Show All"), "Show All is pressed through its action")
    checker.check(wait_for(lambda: all(text_of(node) for node in boxes)),
                  "Show All filled every box")
    cut = [read_whole(node) for node in boxes
           if read_whole(node) != ((0, len(text_of(node))), text_of(node), text_of(node), text_of(node)[-1])]
    checker.check(not cut, f"every box is read whole: one run, by line, word and character ({cut})")
    wrong_box = next((node for node in boxes if node.name == "du, verb"), None)
    right_box = next((node for node in boxes if node.name == "du, separable prefix"), None)
    if not checker.check(wrong_box and right_box, "the boxes to test are there"):
        return
    wrong_box.queryEditableText().setTextContents("falsch")
    checker.check(wait_for(lambda: text_of(wrong_box) == "falsch"), "a box takes a wrong form")

    del EVENTS[:]
    checker.check(press(controls, "Test Answers"), "Test Answers is pressed through its action")
    checker.check(wait_for(lambda: wrong_box.description == "wrong answer"),
                  f"the wrong box says so ({wrong_box.description!r})")
    checker.check(right_box.description == "", f"a right box does not ({right_box.description!r})")
    checker.check(wait_for(lambda: ("object:property-change:accessible-description", "du, verb")
                           in [event[:2] for event in EVENTS]),
                  "the wrong box sent its description change")
    expected = f"1 of {len(boxes)} wrong: du, verb."
    announced = wait_for(lambda: [node.name for node in notifications(window)])
    checker.check(announced == [expected], f"the count is announced ({announced}, not {expected!r})")
    # What Orca reads: a notification that starts showing.
    checker.check(wait_for(lambda: any(event[0] == "object:state-changed:showing" and event[3] == 1
                                       and event[2] == pyatspi.ROLE_NOTIFICATION
                                       for event in EVENTS)),
                  "the notification sent its showing event")

    checker.check(press(controls, "Restore tested answers"), "the Restore beside Test Answers is pressed")
    checker.check(wait_for(lambda: wrong_box.description == "" and not notifications(window)),
                  "Restore takes the result back")

    type_panel = next((node for node in controls if node.name == "Type"), None)
    checker.check(type_panel is not None and type_panel.getRole() == pyatspi.ROLE_PUSH_BUTTON,
                  "the type panel is a button named Type")
    checker.check(press(controls, "Type"), "the type panel is pressed through its action")
    revealed = wait_for(lambda: type_panel.name if type_panel.name != "Type" else None)
    checker.check(revealed in {"Weak", "Strong", "Mixed", "Irreg", "Modal"},
                  f"the type panel's name is then the verb's type ({revealed})")
    said = [told(window), press(controls, revealed) and told(window, f"Type: {revealed}")]
    checker.check(said == [f"Type: {revealed}", "Type hidden"], f"the type is announced ({said})")

    # Restore after Show All empties the boxes: none without the focus may tell of it.
    del EVENTS[:]
    checker.check(press(controls, "Restore after Show All") and
                  wait_for(lambda: not any(text_of(node) for node in boxes)), "Restore empties the boxes")
    wait_for(lambda: False, 1.0)
    checker.check(not box_text_events(), f"unfocused boxes stay quiet ({box_text_events()[:3]})")
    keys(program)  # the window takes the focus: the letters display, with box 13 active
    said = [press(controls, "Show Random") and told(window, "Type hidden")]
    said += [press(controls, "Show Correct") and told(window, said[0])]
    shown = [text_of(node) for node in boxes if text_of(node)]
    said += [press(controls, "Restore after Show Correct") and told(window, said[1])]
    # Box 13, active from the start but never entered, is named once.
    checker.check(re.fullmatch(r"Letters: \S, in ich, separable prefix", said[0]) and [said[1]] == shown
                  and said[2] == "empty",
                  f"Show Random's letter, Show Correct's form and its Restore are announced ({said})")

    press(controls, "Show All")
    wait_for(lambda: all(text_of(node) for node in boxes))
    del EVENTS[:]
    keys(program, "alt+b")
    checker.check(focused(window, "ich, separable prefix"), "Alt+B takes the focus to the active box")
    wait_for(lambda: False, 0.5)
    entering = [event for event in EVENTS if event[0] == "object:text-selection-changed"]
    checker.check(not entering, f"the box entered tells no selection of its own ({entering})")
    # Show Correct and its Restore on the selected text: their announcement alone, no
    # "Text unselected" or caret read first.
    before = told(window)
    del EVENTS[:]
    keys(program, "alt+c")
    said = told(window, before)
    keys(program, "alt+shift+c")
    wait_for(lambda: False, 0.5)
    noise = [event for event in EVENTS if event[0].startswith("object:text-")
             and event[1] == "ich, separable prefix"]
    checker.check(said and not noise, f"Show Correct and its Restore say one thing each ({said!r}, {noise})")
    keys(program, "alt+l")
    checker.check(focused(window, "Alpha look-up"), "Alt+L takes the focus to the Alpha box")
    before = told(window)
    keys(program, "d", "e", "n", "k", "e", "n", "Return")
    board = told(window, before)
    checker.check(re.fullmatch(r"denken, present(\. [^.]+){2}", board) and text_of(verb_list) == "denken",
                  f"a look-up is announced with the captions ({board!r})")
    press(controls, "Show All")
    wait_for(lambda: all(text_of(node) for node in entry_boxes(showing_controls(window))))
    del EVENTS[:]
    keys(program, "Tab", "Tab", "Tab", "Down")  # the tense list: past
    board = told(window, board)
    checker.check(re.fullmatch(r"denken, past(\. [^.]+){2}", board), f"a tense change is announced ({board!r})")
    wait_for(lambda: False, 1.0)
    checker.check(not box_text_events(), f"unfocused boxes stay quiet ({box_text_events()[:3]})")

    checker.check(press(controls, "Help") and press(controls, "Fonts"), "Help and Fonts are pressed")
    wait_for(lambda: any(node.name == "Help text" for node in showing_controls(window)))
    check_names(checker, window, "with the help and the font lists open")
    font = next((node for node in showing_controls(window) if node.name == "Font"), None)
    checker.check(font and text_of(font), "the font list gives its entry as text")


def main():
    if os.environ.get(SESSION_MARK) != "1":
        return run_in_own_session()
    program, data_dir = os.path.abspath(sys.argv[1]), sys.argv[2]
    checker = Checker(counting_only="--count" in sys.argv[3:])
    bus = start_accessibility_bus()
    global pyatspi, GLib
    import pyatspi  # after the session and the bus exist
    from gi.repository import GLib
    pyatspi.Registry.registerEventListener(record_event,
                                           "object:property-change:accessible-description",
                                           "object:state-changed:showing",
                                           "object:text-changed", "object:text-selection-changed",
                                           "object:text-caret-moved")

    # A copy of the verb file, so the program cannot touch the bundled one.
    work = tempfile.mkdtemp()
    shutil.copy(os.path.join(data_dir, "Verb12Data.txt"), work)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               QT_ACCESSIBILITY="1")
    trainer = subprocess.Popen([program], cwd=work, env=env)
    try:
        window = wait_for(lambda: find_window(trainer), seconds=60)
        if window is None:
            print("FAIL  the trainer did not show up on the AT-SPI bus")
            return 1
        run_checks(checker, window, trainer)
    finally:
        trainer.terminate()
        trainer.wait()
        if bus is not None:
            bus.terminate()
            bus.wait()
        shutil.rmtree(work, ignore_errors=True)
    if checker.failures:
        print(f"{checker.failures} check(s) failed")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
