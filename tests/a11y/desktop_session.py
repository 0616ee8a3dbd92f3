"""What the desktop-session tests share: the program on the AT-SPI bus, its
windows and controls as a screen reader sees them, and waiting for them."""

import sys
import time

import pyatspi

TIMEOUT = 20  # seconds for anything the program does in answer to one step


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def wait_for(what, probe, timeout=TIMEOUT, required=True):
    """Polls `probe` until it returns something true; fails naming `what`, or
    returns None when not `required`."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            found = probe()
        except Exception:  # the tree changes while it is read
            found = None
        if found:
            return found
        time.sleep(0.05)
    if required:
        fail("timed out waiting for " + what)
    return None


def application(name="biorhythm"):
    def probe():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name and app.childCount > 0:
                return app
        return None
    return wait_for("the program on the accessibility bus", probe)


def nodes(root):
    """Every accessible object under `root`, `root` included, depth first."""
    yield root
    for i in range(root.childCount):
        child = root.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def windows(app):
    return [app.getChildAtIndex(i) for i in range(app.childCount)
            if app.getChildAtIndex(i) is not None and showing(app.getChildAtIndex(i))]


def find(root, role, name):
    for node in nodes(root):
        if node.getRoleName() == role and node.name == name:
            return node
    return None


def screen(app, caption, holding):
    """The shown window titled `caption` that holds a control named `holding`
    (baio and sindan share their title)."""
    def probe():
        for window in windows(app):
            if window.name == caption and any(
                    n.name == holding and showing(n) for n in nodes(window)):
                return window
        return None
    return wait_for("the window %s with %s" % (caption, holding), probe)


def press(app, role, name):
    """Presses a button or menu command, as a screen reader's user does."""
    target = wait_for("%s %s" % (role, name), lambda: next(
        (n for w in windows(app) for n in nodes(w)
         if n.getRoleName() == role and n.name == name and showing(n)), None))
    action = target.queryAction()
    action.doAction(0)


def answer_message(app, button="OK"):
    """Answers the message box that the last step opened."""
    dialog = wait_for("a message box", lambda: next(
        (w for w in windows(app) if w.getRoleName() in ("dialog", "alert")), None))
    find(dialog, "push button", button).queryAction().doAction(0)
    wait_for("the message box to close", lambda: not any(
        w.getRoleName() in ("dialog", "alert") for w in windows(app)))


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def focused(app):
    for window in windows(app):
        for node in nodes(window):
            if node.getState().contains(pyatspi.STATE_FOCUSED):
                return node
    return None


def wait_focus(app, role, name, timeout=TIMEOUT, required=True):
    def probe():
        node = focused(app)
        return node if node and node.getRoleName() == role and node.name == name else None
    return wait_for("the focus on the %s %s" % (role, name), probe, timeout, required)
