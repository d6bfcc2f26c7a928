#!/usr/bin/python3
"""Reads the running program through AT-SPI, as a screen reader does.

The program's chart, built by a step chosen through its radio button's action, reads the entered
payment at cell (4, 6) as quillmere-chart computes it, with the locale's currency symbol on each of
several starts, and the new chart says its entered cell in a
notification; from the keyboard, F6 and Down move the focus to the cell below the entered one, which
stays there and has its amount and rate as row and column headers; F1, Ctrl+P and Shift+F10 open the
About box, the preview and the popup menu, and Alt letters typed into the selected Loan field leave
its amount alone; the Print Preview button's Press action opens the preview window, whose page reads
from the report's title down, and whose Close button's Press action closes it again; Ctrl+Q ends
the program.

Usage: dbus-run-session -- atspi_check.py QUILLMERE QUILLMERE_CHART  (on an X display)
It starts the accessibility bus of at-spi2-core in that private session and the program with its
AT-SPI bridge on; every wait is bounded.
"""
import ctypes
import os
import subprocess
import sys
import time

from gi.repository import Gio, GLib

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
TIMEOUT = 30  # seconds for each thing to appear
LOAN_STEP_5000 = "8"  # the loan step's index on quillmere-chart's command line
RATE_STEP_DEFAULT = "3"  # .25, the rate step the window starts with
SYMBOL_LOCALE = "en_US.UTF-8"  # a locale with a currency symbol; scripts/test generates it
STARTS = 3  # the program is started this often, the last start checked in full


def fail(message):
    print("atspi_check: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, probe):
    """Polls probe until it gives something; AT-SPI objects may vanish while they are read. Between
    tries the bus's news (a new application, changed children) reaches the client's cache."""
    deadline = time.monotonic() + TIMEOUT
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            found = probe()
        except GLib.Error:
            found = None
        if found:
            return found
        if time.monotonic() > deadline:
            fail("timed out waiting for " + what)
        time.sleep(0.05)


def hold_display():
    """Opens a connection to the X display and keeps it for the whole check: the server resets, and
    refuses connections for a moment, whenever its last client leaves, as programs come and go."""
    xlib = ctypes.CDLL("libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    return wait_for("the X display", lambda: xlib.XOpenDisplay(None))


class Keyboard:
    """Presses keys as the user does, through the X server's XTEST extension; the window under the
    pointer (the main window, centred on the screen) gets them."""

    def __init__(self, display):
        self.display = ctypes.c_void_p(display)
        self.xlib = ctypes.CDLL("libX11.so.6")
        self.xtest = ctypes.CDLL("libXtst.so.6")
        self.xlib.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.xlib.XKeysymToKeycode.restype = ctypes.c_ubyte
        self.xlib.XFlush.argtypes = [ctypes.c_void_p]
        self.xtest.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]

    def focus_window_under_pointer(self):
        """Gives the keyboard to the top-level window under the pointer, as a window manager would
        on a click; with none running, the pointer alone does not make a window active."""
        xlib, display = self.xlib, self.display
        xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        xlib.XDefaultRootWindow.restype = ctypes.c_ulong
        root, child = ctypes.c_ulong(), ctypes.c_ulong()
        x, y, wx, wy, mask = (ctypes.c_int() for _ in range(5))
        xlib.XQueryPointer.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 7
        xlib.XQueryPointer(display, xlib.XDefaultRootWindow(display), ctypes.byref(root), ctypes.byref(child),
                           ctypes.byref(x), ctypes.byref(y), ctypes.byref(wx), ctypes.byref(wy), ctypes.byref(mask))
        window = child.value
        if not window:
            fail("no window under the pointer")
        xlib.XSetInputFocus.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_ulong]
        xlib.XSetInputFocus(display, window, 2, 0)  # RevertToParent, CurrentTime
        xlib.XFlush(display)

    def press(self, keysym, *modifiers):
        """Presses keysym with the modifier keysyms held, and lets them go in reverse order."""
        keycodes = [self.xlib.XKeysymToKeycode(self.display, key) for key in modifiers + (keysym,)]
        for keycode in keycodes:
            self.xtest.XTestFakeKeyEvent(self.display, keycode, 1, 0)
        for keycode in reversed(keycodes):
            self.xtest.XTestFakeKeyEvent(self.display, keycode, 0, 0)
        self.xlib.XFlush(self.display)


def accessibility_bus_up():
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    reply = session.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                              "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)),
                              GLib.VariantType("(b)"), Gio.DBusCallFlags.NONE, -1, None)
    return reply.unpack()[0]


def find(root, role, name):
    import pyatspi
    return pyatspi.findDescendant(
        root, lambda node: node is not None and node.getRole() == role and node.name == name)


def press(accessible, action_name):
    action = accessible.queryAction()
    for index in range(action.nActions):
        if action.getName(index).lower() == action_name.lower():
            action.doAction(index)
            return
    fail("%s has no %s action" % (accessible.name, action_name))


def expected_chart(chart_tool):
    rows = subprocess.run([chart_tool, "--tsv", "100000", "30", "8.75", LOAN_STEP_5000, RATE_STEP_DEFAULT],
                          check=True, capture_output=True, text=True,
                          env=dict(os.environ, LC_ALL=SYMBOL_LOCALE)).stdout.splitlines()
    return [[cell.strip() for cell in row.split("\t")] for row in rows]


class Notifications:
    """Collects what notifications say as they show, as Orca speaks them."""

    def __init__(self):
        import pyatspi
        self.said = []
        pyatspi.Registry.registerEventListener(self._showing, "object:state-changed:showing")

    def _showing(self, event):
        import pyatspi
        try:
            if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
                self.said.append(event.source.name)
        except GLib.Error:
            pass


def check_new_chart_is_announced(notifications, chart):
    expected = "%s at %s: %s a month" % (chart[6][0], chart[0][4], chart[6][4])
    wait_for("the new chart's notification %r" % expected, lambda: expected in notifications.said)
    if notifications.said.count(expected) != 1:
        fail("the new chart was announced %d times" % notifications.said.count(expected))


def start_and_build_chart(program, environment, started, expected):
    """Starts the program, finds its chart and builds it by choosing the loan step 5000 through the
    radio button's action; the entered cell must read `expected`."""
    import pyatspi
    quillmere = subprocess.Popen([program], env=environment)
    started.append(quillmere)
    desktop = pyatspi.Registry.getDesktop(0)

    def quillmere_app():
        desktop.clear_cache()  # the list of applications as the registry has it now
        return next((a for a in desktop if a is not None and a.get_process_id() == quillmere.pid), None)

    app = wait_for("the program on the accessibility bus", quillmere_app)
    window = wait_for("the main window", lambda: find(app, pyatspi.ROLE_FRAME, "Quillmere 32, 2.2"))
    chart = wait_for("the payment chart", lambda: find(window, pyatspi.ROLE_TABLE, "Payment chart"))
    table = chart.queryTable()
    if (table.nRows, table.nColumns) != (12, 8):
        fail("the chart is %d x %d, not 12 x 8" % (table.nRows, table.nColumns))
    if table.getAccessibleAt(6, 4).name.strip():
        fail("the chart shows payments before it was built")
    step = wait_for("the loan step 5000", lambda: find(window, pyatspi.ROLE_RADIO_BUTTON, "5000"))
    press(step, "Toggle")
    payment = wait_for("the entered cell's payment", lambda: table.getAccessibleAt(6, 4).name.strip())
    if payment != expected:
        fail("cell (4, 6) reads %r, quillmere-chart computes %r" % (payment, expected))
    return quillmere, app, window, table, payment


def check_chart_keys(keyboard, window, table, chart):
    """F6 into the chart, then Down: the cell below the entered one takes the focus and keeps it (no
    rebuild snaps it back), and reads with its amount and rate as headers."""
    import pyatspi
    key_f6, key_down = 0xFFC3, 0xFF54
    keyboard.focus_window_under_pointer()
    wait_for("the main window active", lambda: window.getState().contains(pyatspi.STATE_ACTIVE))

    def focused(row, column):
        return table.getAccessibleAt(row, column).getState().contains(pyatspi.STATE_FOCUSED)

    keyboard.press(key_f6)
    wait_for("the entered cell focused after F6", lambda: focused(6, 4))
    keyboard.press(key_down)
    wait_for("the cell below the entered one focused after Down", lambda: focused(7, 4))
    if focused(6, 4):
        fail("two cells have the focus")
    headers = (table.getRowHeader(7).name.strip(), table.getColumnHeader(4).name.strip())
    if headers != (chart[7][0], chart[0][4]):
        fail("cell (4, 7) has the headers %r, not %r" % (headers, (chart[7][0], chart[0][4])))


def showing_window(app, name):
    import pyatspi
    return next((w for w in app if w is not None and w.name == name
                 and w.getState().contains(pyatspi.STATE_SHOWING)), None)


def check_repeat_preview_reads_from_top(app, button):
    """A reader's caret left deep in one preview's page does not carry over: the next preview is read
    from the top of its page, and its page says which zoom view it shows."""
    import pyatspi
    press(button, "Press")
    preview = wait_for("the preview window", lambda: showing_window(app, "Print Preview"))
    page = wait_for("the preview's page", lambda: find(preview, pyatspi.ROLE_DOCUMENT_FRAME, "Page 1 of 1"))
    text = page.queryText()
    text.setCaretOffset(text.characterCount - 1)
    wait_for("the caret moved", lambda: page.queryText().caretOffset == text.characterCount - 1)
    press(wait_for("the preview's Close button", lambda: find(preview, pyatspi.ROLE_PUSH_BUTTON, "Close")),
          "Press")
    wait_for("the preview closed", lambda: showing_window(app, "Print Preview") is None)
    press(button, "Press")
    preview = wait_for("the preview again", lambda: showing_window(app, "Print Preview"))
    page = wait_for("the repeat preview's page",
                    lambda: find(preview, pyatspi.ROLE_DOCUMENT_FRAME, "Page 1 of 1"))
    if page.queryText().caretOffset != 0:
        fail("a repeat preview reads from offset %d, not from its top" % page.queryText().caretOffset)
    if page.description != "100 %":
        fail("the preview's page describes its view as %r, not '100 %%'" % page.description)
    press(wait_for("the preview's Close button", lambda: find(preview, pyatspi.ROLE_PUSH_BUTTON, "Close")),
          "Press")
    wait_for("the preview closed", lambda: showing_window(app, "Print Preview") is None)


def check_about_box_reads_whole_and_takes_the_focus(app, window):
    """The About box's text, its two-word heading and its web address included, reads as one, as its
    description; the web address and the Close button take the focus, and Close closes it."""
    import pyatspi
    press(wait_for("the About button", lambda: find(window, pyatspi.ROLE_PUSH_BUTTON, "About...")), "Press")
    box = wait_for("the About box", lambda: showing_window(app, "Compliments of Halvorn Software"))
    if not box.description.startswith("Halvorn Software\n"):
        fail("the About box's text %r does not begin with its heading" % box.description)
    link = wait_for("the web address", lambda: find(box, pyatspi.ROLE_LINK, "Web site"))
    if link.description not in box.description:
        fail("the About box's text %r leaves out the web address %r" % (box.description, link.description))
    close = wait_for("the About box's Close button", lambda: find(box, pyatspi.ROLE_PUSH_BUTTON, "Close"))
    for control in (link, close):
        if not control.getState().contains(pyatspi.STATE_FOCUSABLE):
            fail("%s in the About box cannot take the focus" % control.name)
    wait_for("the Close button focused", lambda: close.getState().contains(pyatspi.STATE_FOCUSED))
    press(close, "Press")
    wait_for("the About box closed", lambda: showing_window(app, "Compliments of Halvorn Software") is None)


KEY_ALT, KEY_CONTROL, KEY_SHIFT = 0xFFE9, 0xFFE3, 0xFFE1
KEY_ESCAPE, KEY_F1, KEY_F10 = 0xFF1B, 0xFFBE, 0xFFC7


def check_alt_letters_leave_a_field_alone(keyboard, window):
    """Alt with a letter is a command, never typed: the selected Loan field keeps its amount."""
    import pyatspi
    loan = wait_for("the Loan field", lambda: find(window, pyatspi.ROLE_TEXT, "Loan amount"))
    before = loan.queryText().getText(0, -1)
    loan.queryComponent().grabFocus()
    wait_for("the Loan field focused", lambda: loan.getState().contains(pyatspi.STATE_FOCUSED))
    for letter in "pafx":
        keyboard.press(ord(letter), KEY_ALT)
    keyboard.press(KEY_ESCAPE)  # a menu an Alt letter may have opened
    wait_for("the keys handled", lambda: loan.getState().contains(pyatspi.STATE_FOCUSED))
    if loan.queryText().getText(0, -1) != before:
        fail("Alt letters changed the Loan field from %r to %r" % (before, loan.queryText().getText(0, -1)))


def check_commands_by_key(keyboard, app, window):
    """F1 opens the About box, Ctrl+P the preview and Shift+F10 the popup menu, each from the keyboard
    alone; Escape or the box's own key closes each again."""
    import pyatspi
    keyboard.press(KEY_F1)
    wait_for("the About box after F1", lambda: showing_window(app, "Compliments of Halvorn Software"))
    keyboard.press(0x20)  # Space clicks the focused Close button
    wait_for("the About box closed", lambda: showing_window(app, "Compliments of Halvorn Software") is None)
    keyboard.press(ord("p"), KEY_CONTROL)
    wait_for("the preview after Ctrl+P", lambda: showing_window(app, "Print Preview"))
    keyboard.press(KEY_ESCAPE)
    wait_for("the preview closed", lambda: showing_window(app, "Print Preview") is None)

    # A popup menu is no child of the application on the bus: it is met, as a screen reader meets it,
    # through the focus its items take.
    focused_items = []

    def item_focused(event):
        try:
            if event.source.getRole() == pyatspi.ROLE_MENU_ITEM:
                focused_items.append(event.source.name if event.detail1 else None)
        except GLib.Error:
            pass

    pyatspi.Registry.registerEventListener(item_focused, "object:state-changed:focused")
    # Without a window manager nothing gives the keyboard back to the main window as the preview goes.
    keyboard.focus_window_under_pointer()
    wait_for("the main window active", lambda: window.getState().contains(pyatspi.STATE_ACTIVE))
    keyboard.press(KEY_F10, KEY_SHIFT)
    keyboard.press(0xFF54)  # Down: the open menu's first item
    wait_for("a menu item focused after Shift+F10 and Down", lambda: focused_items)
    if (focused_items[0] or "").replace("&", "") != "Print Preview":
        fail("Shift+F10 focused %r, not the popup menu's Print Preview" % focused_items[0])
    keyboard.press(KEY_ESCAPE)
    wait_for("the menu closed, its item no longer focused", lambda: focused_items[-1] is None)
    pyatspi.Registry.deregisterEventListener(item_focused, "object:state-changed:focused")


def main():
    if len(sys.argv) != 3:
        fail("usage: atspi_check.py QUILLMERE QUILLMERE_CHART")
    program, chart_tool = sys.argv[1:]
    if not os.environ.get("DISPLAY"):
        fail("needs an X display (DISPLAY)")
    if not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        fail("needs its own D-Bus session: run it under dbus-run-session")
    chart_text = expected_chart(chart_tool)
    expected = chart_text[6][4]
    if not expected.startswith("$"):
        fail("quillmere-chart writes %r in %s, without its currency symbol" % (expected, SYMBOL_LOCALE))
    keyboard = Keyboard(hold_display())

    started = []
    try:
        started.append(subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"]))
        wait_for("the accessibility bus", accessibility_bus_up)
        import pyatspi
        notifications = Notifications()

        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                           QT_QPA_PLATFORM="xcb", LC_ALL=SYMBOL_LOCALE)
        # The chart's currency symbol comes with every start, not with some.
        for _ in range(STARTS - 1):
            quillmere, app, window, table, payment = start_and_build_chart(program, environment, started, expected)
            quillmere.terminate()
            quillmere.wait(timeout=TIMEOUT)
            started.remove(quillmere)
        notifications.said.clear()
        quillmere, app, window, table, payment = start_and_build_chart(program, environment, started, expected)
        heading = table.getColumnHeader(4)
        if heading is None or not heading.name.strip():
            fail("column 4 has no rate heading")
        check_new_chart_is_announced(notifications, chart_text)
        check_chart_keys(keyboard, window, table, chart_text)
        check_commands_by_key(keyboard, app, window)
        check_alt_letters_leave_a_field_alone(keyboard, window)

        button = wait_for("the Print Preview button",
                          lambda: find(window, pyatspi.ROLE_PUSH_BUTTON, "Print Preview"))
        wait_for("Print Preview enabled", lambda: button.getState().contains(pyatspi.STATE_SENSITIVE))
        press(button, "Press")
        preview = wait_for("the preview window", lambda: next(
            (w for w in app if w is not None and w.name == "Print Preview"
             and w.getState().contains(pyatspi.STATE_SHOWING)), None))
        page = wait_for("the preview's page", lambda: find(preview, pyatspi.ROLE_DOCUMENT_FRAME, "Page 1 of 1"))
        first_line = page.queryText().getText(0, -1).split("\n")[0]
        if first_line != "Chart of Monthly Payment Amounts":
            fail("the preview's page begins %r, not with the report's title" % first_line)
        close = wait_for("the preview's Close button", lambda: find(preview, pyatspi.ROLE_PUSH_BUTTON, "Close"))
        press(close, "Press")
        wait_for("the preview closed", lambda: not any(
            w is not None and w.name == "Print Preview" and w.getState().contains(pyatspi.STATE_SHOWING)
            for w in app))
        check_repeat_preview_reads_from_top(app, button)
        check_about_box_reads_whole_and_takes_the_focus(app, window)
        keyboard.press(ord("q"), KEY_CONTROL)
        if quillmere.wait(timeout=TIMEOUT) != 0:
            fail("Ctrl+Q ended the program with status %d" % quillmere.returncode)
        started.remove(quillmere)
        print("atspi_check: cell (4, 6) reads %s; Print Preview's Press opened the preview" % payment)
    finally:
        for process in reversed(started):
            process.terminate()
            try:
                process.wait(timeout=TIMEOUT)
            except subprocess.TimeoutExpired:
                process.kill()


if __name__ == "__main__":
    main()
