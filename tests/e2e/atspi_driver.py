"""Finding and using the widgets of a running program through the accessibility bus, as a
screen reader would: by role and caption, never by a fixed delay. A busy machine can take
seconds for any step, so every wait polls with a generous limit."""
import os
import subprocess
import time

import pyatspi

# Seconds for the program to come up (as for each process of the session), and for any
# later step.
STARTUP = float(os.environ.get("TERMORA_E2E_STARTUP", "120"))
TIMEOUT = 60.0
# Each call over the bus may take as long as a step; the library's own limit (0.8 s) fails
# calls to a program that is merely slow.
pyatspi.setTimeout(int(TIMEOUT * 1000), int(STARTUP * 1000))

# The process whose end makes any further wait pointless (see watch()).
_watched = []


class Failure(Exception):
    pass


def watch(process):
    """Waits from now on fail at once, with its exit status, when the process has ended."""
    _watched[:] = [process]


def poll(what, probe, timeout=TIMEOUT):
    """Asks probe() until it gives something true; the tree changes under us meanwhile."""
    end = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            found = probe()
        except Exception as error:  # an object vanished while we looked at it
            found, last_error = None, error
        if found:
            return found
        for process in _watched:
            if process.poll() is not None:
                raise Failure(f"the program ended (status {process.returncode}) "
                              f"while waiting for {what}")
        if time.monotonic() > end:
            detail = f" (last error: {last_error})" if last_error else ""
            raise Failure(f"timed out after {timeout:.0f} s waiting for {what}{detail}")
        time.sleep(0.05)


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def descendants(root, role=None, name=None):
    """Every showing object below root with the role and the name asked for."""
    found, stack = [], [root]
    while stack:
        acc = stack.pop()
        for child in acc:
            if child is None or not showing(child):
                continue
            if (role is None or child.getRoleName() == role) and (
                    name is None or child.name == name):
                found.append(child)
            stack.append(child)
    return found


def extents(acc):
    box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def text_of(acc):
    return acc.queryText().getText(0, -1)


class App:
    def __init__(self, pid):
        self.pid = pid
        self.root = poll("the program on the accessibility bus", self._find, STARTUP)

    def _find(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.pid:
                return app
        return None

    def windows(self):
        return [w for w in self.root if w is not None and showing(w)]

    def window(self, title, timeout=TIMEOUT):
        return poll(f'window "{title}"',
                    lambda: next((w for w in self.windows() if w.name == title), None), timeout)

    def gone(self, title):
        poll(f'window "{title}" to close',
             lambda: all(w.name != title for w in self.windows()))

    def message_box(self, text):
        """The showing dialog that holds a label with this text."""
        def probe():
            for w in self.windows():
                if descendants(w, "label", text):
                    return w
            return None
        return poll(f'message "{text}"', probe)


def one(root, role, name):
    return poll(f'{role} "{name}"', lambda: (descendants(root, role, name) or [None])[0])


def press(root, name):
    button = one(root, "push button", name)
    button.queryAction().doAction(0)


def click(acc):
    """A mouse click in the middle of a control, as the user would point at it."""
    x, y, w, h = extents(acc)
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"],
                   check=True)


def beside(root, caption, role):
    """The control of a role on the same row as the caption, right of it (the field of a
    parameter or result line)."""
    def probe():
        label = descendants(root, "label", caption)[0]
        lx, ly, lw, lh = extents(label)
        middle = ly + lh / 2
        candidates = []
        for acc in descendants(root, role):
            x, y, w, h = extents(acc)
            if x > lx + lw - 1 and y <= middle <= y + h:
                candidates.append((x, acc))
        return min(candidates, key=lambda c: c[0])[1] if candidates else None
    return poll(f'{role} beside "{caption}"', probe)


def type_into(field, text):
    field.queryEditableText().setTextContents(text)
    poll(f'"{text}" in the field', lambda: text_of(field) == text)


def chosen(combo):
    """The item a selector shows as chosen, or None."""
    for acc in combo:
        for item in acc:
            if item is not None and item.getState().contains(pyatspi.STATE_SELECTED):
                return item.name
    return None


def choose(root, caption, item):
    """Opens the selector on the caption's row with a click and clicks the item."""
    combo = beside(root, caption, "combo box")
    if chosen(combo) == item:
        return
    click(combo)

    def item_showing():
        for acc in descendants(combo, "list item", item):
            if extents(acc)[2] > 0:
                return acc
        return None
    click(poll(f'item "{item}" in the open list', item_showing))
    poll(f'"{item}" chosen', lambda: chosen(combo) == item)
