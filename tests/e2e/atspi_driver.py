"""Finding and using the widgets of a running program through the accessibility bus, as a
screen reader would: by role and caption, never by a fixed delay."""
import subprocess
import time

import pyatspi

TIMEOUT = 20.0


class Failure(Exception):
    pass


def poll(what, probe, timeout=TIMEOUT):
    """Asks probe() until it gives something true; the tree changes under us meanwhile."""
    end = time.monotonic() + timeout
    while True:
        try:
            found = probe()
        except Exception:  # an object vanished while we looked at it
            found = None
        if found:
            return found
        if time.monotonic() > end:
            raise Failure(f"timed out waiting for {what}")
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
        self.root = poll("the program on the accessibility bus", self._find)

    def _find(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.pid:
                return app
        return None

    def windows(self):
        return [w for w in self.root if w is not None and showing(w)]

    def window(self, title):
        return poll(f'window "{title}"',
                    lambda: next((w for w in self.windows() if w.name == title), None))

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
