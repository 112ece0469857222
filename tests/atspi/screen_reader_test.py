#!/usr/bin/python3
"""QUERLIN as a screen reader on the Linux desktop meets it: over AT-SPI alone.

Runs inside a D-Bus session of its own (run_screen_reader_test.sh starts one),
starts a virtual X display, the AT-SPI bus and the real program, lists every
control of the four windows as a listener hears it, works the README's two
examples through the accessibility interfaces, checks what is announced and
presses the web page link, with a stand-in for the browser.

    screen_reader_test.py PROGRAM WEB_PAGE_ADDRESS
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

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

TIMEOUT = 10  # seconds for anything to appear over the bus
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


class Querlin:
    def __init__(self, program, address, browser):
        self.address = address
        self.browser = browser
        self.events = []
        pyatspi.Registry.registerEventListener(
            self.events.append, "object:text-changed:insert", "window:activate")
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
            if app is not None and app.name == "QUERLIN" and app.childCount > 0:
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

    def announced(self, field, expected):
        """Waits for the text-changed event that tells a listener the new value."""
        poll(f'an announcement of "{expected}" in "{field.name}"',
             lambda: any(e.type == "object:text-changed:insert" and e.source == field
                         and e.any_data == expected for e in self.events))


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
    inductance = querlin.control(main, TEXT, "Loading coils will be, mHYs")
    querlin.reads(inductance, "14.74")
    querlin.announced(inductance, "14.74")


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
    querlin.press(querlin.control(main, BUTTON, "CALCULATE", "works out the loading coils"))
    message = '"INPUT FREQUENCY" does not hold a number.'

    def alert():
        for event in querlin.events:
            box = event.source
            if event.type == "window:activate" and box.getRole() == pyatspi.ROLE_ALERT:
                said = [box.name, box.description] + [c.name for c in reachable(box)]
                if box.name == "QUERLIN" and message in said:
                    return box
        return None

    poll(f'an alert "QUERLIN" that says {message}', alert)


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


def run(querlin):
    failures = 0
    for scenario in [list_controls, texts_read_by_line, forty_foot_dipole,
                     coil_for_the_dipole, fault_is_an_alert, link_opens_the_page]:
        started = time.monotonic()
        try:
            scenario(querlin)
            print(f"PASS {scenario.__name__} ({time.monotonic() - started:.1f} s)")
        except Failure as failure:
            failures += 1
            print(f"FAIL {scenario.__name__}: {failure}")
    return failures


def main(program, address, display):
    querlin = None
    browser = tempfile.TemporaryDirectory()
    try:
        querlin = Querlin(program, address, Browser(browser.name))
        failures = run(querlin)
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


if __name__ == "__main__":
    xvfb = start_display()
    start_accessibility_bus()
    import pyatspi  # connects to the AT-SPI bus, so only once the bus runs

    TEXT = pyatspi.ROLE_TEXT
    BUTTON = pyatspi.ROLE_PUSH_BUTTON
    sys.exit(main(sys.argv[1], sys.argv[2], xvfb))
