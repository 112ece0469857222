#!/usr/bin/python3
"""QUERLIN as a screen reader on the Linux desktop meets it: over AT-SPI alone.

Runs inside a D-Bus session of its own (run_screen_reader_test.sh starts one),
starts a virtual X display, the AT-SPI bus and the real program, lists every
control of the four windows as a listener hears it, works the README's two
examples through the accessibility interfaces, checks the first with NEC-2 from
the keyboard against querlin-calc, checks what is announced and presses the web
page link, with a stand-in for the browser.

    screen_reader_test.py PROGRAM WEB_PAGE_ADDRESS QUERLIN_CALC
"""
import ctypes
import os
import select
import signal
import subprocess
import sys
import tempfile
import time

import gi
from Xlib import X, XK, display, error, protocol
from Xlib.ext import xtest

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

TIMEOUT = 10  # seconds for anything to appear over the bus
ENGINE_TIMEOUT = 30  # seconds for nec2c's figures on a busy machine
PR_SET_PDEATHSIG = 1  # from <linux/prctl.h>


class Failure(Exception):
    pass


def poll(what, probe, timeout=TIMEOUT):
    """Returns probe()'s first true result, dispatching bus events meanwhile."""
    deadline = time.monotonic() + timeout
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout} s waiting for {what}")
        time.sleep(0.02)


def end_with_parent():
    """Ends the child process when this one ends, however it ends."""
    ctypes.CDLL(None).prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


def start_display():
    """Starts Xvfb on a display number it picks itself, so parallel runs never clash."""
    read, write = os.pipe()
    try:
        server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-nolisten", "tcp",
                                   "-screen", "0", "1024x768x24"], pass_fds=[write],
                                  preexec_fn=end_with_parent)
    except FileNotFoundError:
        sys.exit("Xvfb is missing: install the Debian package xvfb")
    os.close(write)
    # It writes the number, then a line break, once the display takes clients.
    number = b""
    while not number.endswith(b"\n") and select.select([read], [], [], TIMEOUT)[0]:
        chunk = os.read(read, 16)
        if not chunk:
            break
        number += chunk
    os.close(read)
    if not number.endswith(b"\n"):
        server.kill()
        sys.exit("Xvfb did not start a display (Debian package xvfb)")
    os.environ["DISPLAY"] = ":" + number.decode().strip()
    return server


def start_accessibility_bus():
    """Asks the session bus for the AT-SPI bus, which starts it with its registry."""
    try:
        Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
            "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
            GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, TIMEOUT * 1000)
    except GLib.Error as error:
        sys.exit(f"The AT-SPI bus did not start ({error.message}): "
                 "install the Debian package at-spi2-core")


def reachable(accessible):
    """Every control a screen reader visits, without the inner parts of a text box."""
    for child in accessible:
        if child is not None:
            yield child
            if child.getRole() != pyatspi.ROLE_TEXT:
                yield from reachable(child)


def labelled(control):
    """The name of the label a screen reader reads for a control, without its mnemonic."""
    for relation in control.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return relation.getTarget(0).name.replace("&", "").rstrip(":")
    return None


def heard(control):
    """What a screen reader says for a control: name, role and description."""
    return " | ".join([control.name, control.getRoleName(), control.description])


class Browser:
    """A stand-in for the default browser: an xdg-open that notes each address it is given."""

    def __init__(self, folder):
        self.folder = folder
        self.log = os.path.join(folder, "opened")
        script = os.path.join(folder, "xdg-open")
        with open(script, "w") as out:
            out.write(f'#!/bin/sh\necho "$1" >> "{self.log}"\n')
        os.chmod(script, 0o755)

    def opened(self):
        if not os.path.exists(self.log):
            return []
        with open(self.log) as log:
            return log.read().splitlines()


class Desktop:
    """The keyboard, and the window manager's part: which window takes the keys, and
    closing a window, as a desktop does on Alt+Tab and Alt+F4."""

    def __init__(self):
        self.server = display.Display()

    def shown(self, caption):
        for window in self.server.screen().root.query_tree().children:
            try:
                if (window.get_attributes().map_state == X.IsViewable
                        and window.get_wm_name() == caption):
                    return window
            except error.BadWindow:  # gone since it was listed, as a closed menu goes
                pass
        return None

    def window(self, caption):
        return poll(f'the window "{caption}" on the display', lambda: self.shown(caption))

    def activate(self, caption):
        self.server.set_input_focus(self.window(caption), X.RevertToParent, X.CurrentTime)
        self.server.sync()

    def close(self, caption):
        window = self.window(caption)
        window.send_event(protocol.event.ClientMessage(
            window=window, client_type=self.server.intern_atom("WM_PROTOCOLS"),
            data=(32, [self.server.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])),
            event_mask=X.NoEventMask)
        self.server.sync()

    def press(self, key):
        code = self.server.keysym_to_keycode(XK.string_to_keysym(key))
        for event in (X.KeyPress, X.KeyRelease):
            xtest.fake_input(self.server, event, code)
        self.server.sync()


class Querlin:
    def __init__(self, program, address, calc, browser):
        self.address = address
        self.calc = calc
        self.browser = browser
        self.desktop = Desktop()
        self.events = []
        pyatspi.Registry.registerEventListener(
            self.events.append, "object:text-changed:insert", "window:activate",
            "object:state-changed:showing", "object:state-changed:focused")
        # The desktop opens an address with the first xdg-open on the PATH.
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                   PATH=browser.folder + os.pathsep + os.environ["PATH"])
        self.process = subprocess.Popen([program], env=env)
        try:
            self.app = poll("QUERLIN on the AT-SPI bus", self.find_app)
        except Failure:
            self.stop()
            raise

    def check_running(self):
        """A crash, or a sanitizer's report, ends the program before it is stopped."""
        if self.process.poll() is not None:
            raise Failure(f"QUERLIN ended with exit code {self.process.returncode}")

    def find_app(self):
        self.check_running()
        for app in pyatspi.Registry.getDesktop(0):
            # This run's program, not one stopped before it that the bus still lists.
            if (app is not None and app.name == "QUERLIN" and app.childCount > 0
                    and app.get_process_id() == self.process.pid):
                return app
        return None

    def stop(self):
        self.process.kill()
        self.process.wait()

    def window(self, caption):
        return poll(f'the window "{caption}"',
                    lambda: next((w for w in self.app if w is not None and w.name == caption),
                                 None))

    def control(self, window, role, name, description=""):
        found = [c for c in reachable(window) if c.getRole() == role and c.name == name
                 and c.description == description]
        if len(found) != 1:
            raise Failure(f'{len(found)} controls "{name}" ({description}) in "{window.name}"')
        return found[0]

    @staticmethod
    def type(field, text):
        field.queryEditableText().setTextContents(text)

    @staticmethod
    def press(button):
        button.queryAction().doAction(0)

    @staticmethod
    def reads(field, expected):
        text = field.queryText()
        poll(f'"{expected}" in "{field.name}"', lambda: text.getText(0, -1) == expected)

    def event(self, what, matches, since=0):
        """Waits for an event, from the given one on, that a listener is told."""
        return poll(what, lambda: next((e for e in self.events[since:] if matches(e)), None))

    def announced(self, field, expected):
        """Waits for the text-changed event that tells a listener the new value."""
        self.event(f'an announcement of "{expected}" in "{field.name}"',
                   lambda e: e.type == "object:text-changed:insert" and e.source == field
                   and e.any_data == expected)


def list_controls(querlin):
    """Opens every window and checks that each control can be told from the others."""
    main = querlin.window("QUERLIN")
    for button, description, caption in [
            ("AWG WIRE SIZES", "opens the coil window", "COILS"),
            ("READ ME FIRST", "opens the notes", "NOTES"),
            ("WEBSITE", "opens the link to the author's web page", "Web Page Link")]:
        querlin.press(querlin.control(main, BUTTON, button, description))
        querlin.window(caption)
    problems = []
    seen = {}
    for window in querlin.app:
        print(f"== {window.name}")
        for control in reachable(window):
            focus = control.getState().contains(pyatspi.STATE_FOCUSABLE)
            print(("  " if focus else "  (no focus) ") + heard(control))
            key = (control.name, control.description)
            if not control.name:
                problems.append(f'a {control.getRoleName()} in "{window.name}" has no name')
            elif key in seen:
                problems.append(f'"{heard(control)}" in "{window.name}" sounds like the one '
                                f'in "{seen[key]}"')
            seen.setdefault(key, window.name)
    if problems:
        raise Failure("\n".join(problems))


def texts_read_by_line(querlin):
    """Each stored line of the tables and notes reads back as a line of its own."""
    problems = []
    for caption in ["COILS", "NOTES"]:
        for box in reachable(querlin.window(caption)):
            if not box.getState().contains(pyatspi.STATE_MULTI_LINE):
                continue
            text = box.queryText()
            start = 0
            for line in text.getText(0, -1).split("\n"):
                read = text.getTextAtOffset(start, pyatspi.TEXT_BOUNDARY_LINE_START)[0]
                if read.rstrip("\n") != line:
                    problems.append(f'"{box.name}" reads "{read}" for "{line}"')
                start += len(line) + 1
    gauges = querlin.control(querlin.window("COILS"), TEXT, "Wire gauge table",
                             "one gauge a line: its number, its diameter in inches and in "
                             "millimetres").queryText()
    sixteen = gauges.getText(0, -1).index("\n16 ") + 1
    read = gauges.getTextAtOffset(sixteen, pyatspi.TEXT_BOUNDARY_LINE_START)[0]
    if read.rstrip("\n") != "16  .051    1.291":
        problems.append(f'the wire gauge table reads "{read}" for 16 AWG')
    if problems:
        raise Failure("\n".join(problems))


# The results' tooltip, heard as their description: their menu holds the check.
CHECK_TIP = "Its context menu checks the design with NEC-2 (or press Ctrl+Shift+K)."


def forty_foot_dipole(querlin):
    main = querlin.window("QUERLIN")
    querlin.type(querlin.control(main, TEXT, "INPUT FREQUENCY, MHz"), "7.1")
    querlin.type(querlin.control(main, TEXT, "INPUT TOTAL LENGTH, FEET"), "40")
    querlin.type(querlin.control(main, TEXT, "INPUT ELEMENT SIZE, INCHES"), "0.08")
    # The slider's value v puts the coils at 100 - v percent of the half.
    slider = querlin.control(main, pyatspi.ROLE_SCROLL_BAR,
                             "SLIDE TO SET DISTANCE FROM CENTER TO START OF COIL")
    slider.queryValue().currentValue = 50
    percentage = querlin.control(main, TEXT,
                                 "SLIDE TO SET DISTANCE FROM CENTER TO START OF COIL, %")
    querlin.reads(percentage, "50")
    querlin.announced(percentage, "50")
    querlin.press(querlin.control(main, BUTTON, "CALCULATE", "works out the loading coils"))
    inductance = querlin.control(main, TEXT, "Loading coils will be, mHYs", CHECK_TIP)
    querlin.reads(inductance, "14.74")
    querlin.announced(inductance, "14.74")


def check_from_the_keyboard(querlin):
    """The context menu of the coils' inductance, opened with the Menu key, checks the
    last design with nec2c; its figures are heard as querlin-calc check prints them."""
    printed = subprocess.run(
        [querlin.calc, "check", "--frequency", "7.1", "--length", "40", "--element", "0.08",
         "--position", "50"], check=True, capture_output=True, text=True).stdout
    resonance = next(line.split(" ", 1)[1] for line in printed.splitlines()
                     if line.startswith("resonance "))
    main = querlin.window("QUERLIN")
    inductance = querlin.control(main, TEXT, "Loading coils will be, mHYs", CHECK_TIP)
    querlin.desktop.activate("QUERLIN")
    inductance.queryComponent().grabFocus()
    poll("the focus in the inductance",
         lambda: inductance.getState().contains(pyatspi.STATE_FOCUSED))
    # A context menu is no window of the application: a listener hears it shown,
    # then the entry that takes the focus.
    since = len(querlin.events)
    querlin.desktop.press("Menu")
    querlin.event("a context menu shown",
                  lambda e: e.type == "object:state-changed:showing" and e.detail1 == 1
                  and e.source.getRole() == pyatspi.ROLE_POPUP_MENU, since)
    querlin.desktop.press("Up")  # from no entry to the last
    querlin.event("the focus on Check with NEC-2…",
                  lambda e: e.type == "object:state-changed:focused" and e.detail1 == 1
                  and e.source.getRole() == pyatspi.ROLE_MENU_ITEM
                  and e.source.name == "Check with NEC-2…", since)
    querlin.desktop.press("Return")
    check = querlin.window("Check with NEC-2")
    querlin.control(check, pyatspi.ROLE_PROGRESS_BAR, "Progress of the check")
    querlin.control(check, BUTTON, "Cancel", "Stops the NEC-2 engine")
    querlin.control(check, BUTTON, "Compare with a measurement…",
                    "Opens an analyser's sweep of the antenna as built, a Touchstone .s1p or "
                    "CSV file, and says what to change")
    plots = [c for c in reachable(check) if c.name == "Plot of every coil position"
             and c.description]
    if len(plots) != 1:
        raise Failure(f"{len(plots)} described plots of every coil position")
    heard_resonance = f"Resonant frequency: {resonance}"
    poll(f'a label "{heard_resonance}"',
         lambda: any(c.getRole() == pyatspi.ROLE_LABEL and c.name == heard_resonance
                     for c in reachable(check)), ENGINE_TIMEOUT)
    # The model's options, a tab beside the plot: chosen, each is heard with
    # what it is and its unit, and can take the focus.
    tab = poll("the Model tab", lambda: next(
        (c for c in reachable(check) if c.getRole() == pyatspi.ROLE_PAGE_TAB
         and c.name == "Model"), None))
    tab.queryAction().doAction(0)
    for name in ["Height of the feed point over ground, feet",
                 "Angle between the inverted V's legs, degrees, at most 180",
                 "Thickness of the wire's insulation, inches",
                 "Diameter of the coil to wind, wire centre to wire centre, inches",
                 "Length of the coil to wind, inches",
                 "Wire diameter of the coil to wind, inches"]:
        poll(f'"{name}" shown', lambda name=name: any(
            c.getRole() == TEXT and c.name == name
            and c.getState().contains(pyatspi.STATE_SHOWING) for c in reachable(check)))
        if not any(c.getRole() == TEXT and c.name == name
                   and c.getState().contains(pyatspi.STATE_FOCUSABLE) for c in reachable(check)):
            raise Failure(f'"{name}" cannot take the focus')
    # A choice is heard by what it holds, and by its label through the
    # relation a screen reader follows.
    for label, value in [("Ground", "average"), ("Shape", "flat"), ("Wire", "lossless")]:
        if not any(c.getRole() == pyatspi.ROLE_COMBO_BOX and c.name == value
                   and labelled(c) == label for c in reachable(check)):
            raise Failure(f'no choice "{value}" labelled "{label}"')
    # Closed, it stops the engine before the next steps.
    querlin.desktop.close("Check with NEC-2")
    poll("the check window to close", lambda: not querlin.desktop.shown("Check with NEC-2"))


def coil_for_the_dipole(querlin):
    coils = querlin.window("COILS")
    for name, value in [("MICROHENRYS", "14.74"), ("COIL DIAMETER, inches", "1"),
                        ("COIL LENGTH, inches", "2"), ("WIRE DECIMAL, inches", ".051")]:
        querlin.type(querlin.control(coils, TEXT, name), value)
    querlin.press(querlin.control(coils, BUTTON, "CALCULATE", "works out the number of turns"))
    turns = querlin.control(coils, TEXT, "RECOMMENDED NUMBER OF TURNS")
    querlin.reads(turns, "38.00684")
    querlin.announced(turns, "38.00684")
    querlin.announced(querlin.control(coils, TEXT, "Advice on the winding"),
                      " THIS WILL FIT BUT YOU MAY WANT TO TRY A SHORTER COIL OR LARGER"
                      " DIAMETER WIRE")


def fault_is_an_alert(querlin):
    """An emptied input ends the calculation; the report comes up as an alert."""
    main = querlin.window("QUERLIN")
    querlin.type(querlin.control(main, TEXT, "INPUT FREQUENCY, MHz"), "")
    # Only what came after the press: the windows of earlier events may be gone.
    since = len(querlin.events)
    querlin.press(querlin.control(main, BUTTON, "CALCULATE", "works out the loading coils"))
    message = '"INPUT FREQUENCY" does not hold a number.'

    def alert(event):
        box = event.source
        if event.type != "window:activate" or box.getRole() != pyatspi.ROLE_ALERT:
            return False
        said = [box.name, box.description] + [c.name for c in reachable(box)]
        return box.name == "QUERLIN" and message in said

    querlin.event(f'an alert "QUERLIN" that says {message}', alert, since)


def link_opens_the_page(querlin):
    """The web page link is heard as a link named by its address; pressed, it opens it."""
    address = querlin.address
    link = querlin.control(querlin.window("Web Page Link"), pyatspi.ROLE_LINK, address,
                           "link to the author's web page, opened in your default browser by "
                           "a click, Return or Space")
    if not link.getState().contains(pyatspi.STATE_FOCUSABLE):
        raise Failure("the link takes no keyboard focus")
    querlin.press(link)
    poll(f"the browser asked for {address}/", lambda: querlin.browser.opened() == [address + "/"])


def german_names(querlin):
    """On a German desktop the controls are heard by their German names."""
    main = querlin.window("QUERLIN")
    frequency = querlin.control(main, TEXT, "FREQUENZ EINGEBEN, MHz")
    querlin.control(main, TEXT, "GESAMTLÄNGE EINGEBEN, FUSS")
    querlin.control(main, BUTTON, "BERECHNEN", "berechnet die Verlängerungsspulen")
    querlin.control(main, BUTTON, "ZUERST LESEN", "öffnet die Hinweise")
    querlin.control(main, TEXT, "FREQUENZ EINGEBEN", "Beschriftung: Feld FREQUENZ EINGEBEN, MHz")
    querlin.type(frequency, "7.1")
    querlin.reads(frequency, "7.1")


def run(querlin):
    failures = 0
    for scenario in [list_controls, texts_read_by_line, forty_foot_dipole,
                     check_from_the_keyboard, coil_for_the_dipole, fault_is_an_alert,
                     link_opens_the_page]:
        started = time.monotonic()
        try:
            scenario(querlin)
            print(f"PASS {scenario.__name__} ({time.monotonic() - started:.1f} s)")
        except Failure as failure:
            failures += 1
            print(f"FAIL {scenario.__name__}: {failure}")
    return failures


def main(program, address, calc, display):
    querlin = None
    browser = tempfile.TemporaryDirectory()
    # Settings of its own, so that no option kept by the user or an earlier
    # run changes what the program shows here.
    settings = tempfile.TemporaryDirectory()
    os.environ["XDG_CONFIG_HOME"] = settings.name
    try:
        querlin = Querlin(program, address, calc, Browser(browser.name))
        failures = run(querlin)
        querlin.check_running()
        querlin.stop()
        # The same program again, as a German desktop starts it.
        os.environ["LANGUAGE"] = "de"
        querlin = Querlin(program, address, calc, Browser(browser.name))
        try:
            german_names(querlin)
            print("PASS german_names")
        except Failure as failure:
            failures += 1
            print(f"FAIL german_names: {failure}")
        querlin.check_running()
        return 1 if failures else 0
    except Failure as failure:
        print(f"FAIL {failure}")
        return 1
    finally:
        if querlin is not None:
            querlin.stop()
        display.kill()
        display.wait()
        browser.cleanup()
        settings.cleanup()


if __name__ == "__main__":
    xvfb = start_display()
    start_accessibility_bus()
    import pyatspi  # connects to the AT-SPI bus, so only once the bus runs

    TEXT = pyatspi.ROLE_TEXT
    BUTTON = pyatspi.ROLE_PUSH_BUTTON
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3], xvfb))
