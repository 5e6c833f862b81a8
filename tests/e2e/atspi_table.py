"""The game's table as a screen reader sees it over AT-SPI: the hand, the field, the status and the
announcement, read from the accessibility tree only, and keys sent to the focused window.

Shared by the end-to-end test of one trick and the script that plays a whole match. Run with the
system Python (/usr/bin/python3), which has pyatspi."""

import subprocess
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

APP_NAME = "quintrick"


def find_app(timeout=30.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and (app.get_name() or "").lower() == APP_NAME:
                return app
        time.sleep(0.2)
    raise RuntimeError("the game did not appear on the accessibility bus")


def walk(node, depth=0, limit=12):
    """Every node below `node` (depth first) as (depth, node)."""
    if node is None or depth > limit:
        return
    yield depth, node
    try:
        count = node.get_child_count()
    except GLib.GError:
        return
    for i in range(count):
        try:
            child = node.get_child_at_index(i)
        except GLib.GError:
            continue
        yield from walk(child, depth + 1, limit)


def role(node):
    try:
        return node.get_role_name() if node is not None else ""
    except GLib.GError:
        return ""


def name(node):
    try:
        return (node.get_name() or "") if node is not None else ""
    except GLib.GError:
        return ""


def states(node):
    try:
        return node.get_state_set() if node is not None else None
    except GLib.GError:
        return None


def has_state(node, state):
    s = states(node)
    return s is not None and s.contains(state)


class Table:
    """The table's nodes, found by their roles below the view (role "client")."""

    def __init__(self, app):
        self.app = app
        self.view = None
        for _, node in walk(app):
            if self._is_table(node):
                self.view = node
                break
        if self.view is None:
            raise RuntimeError("no table in the accessibility tree")
        parts = [self.view.get_child_at_index(i) for i in range(self.view.get_child_count())]
        self.hand_node, self.field_node, self.status_node, self.announcement_node = parts[:4]

    @staticmethod
    def _is_table(node):
        try:
            if node.get_child_count() != 4:
                return False
            roles = [role(node.get_child_at_index(i)) for i in range(4)]
        except GLib.GError:
            return False
        return roles[0] == "list" and roles[1] == "list" and roles[3] == "notification"

    def refresh(self):
        for node in (self.view, self.hand_node, self.field_node, self.status_node,
                     self.announcement_node):
            node.clear_cache()

    def hand(self):
        """The hand as a list of dicts: name, playable, marked (the keyboard mark)."""
        self.hand_node.clear_cache()
        cards = []
        for i in range(self.hand_node.get_child_count()):
            card = self.hand_node.get_child_at_index(i)
            if card is None:  # the hand changed while it was read
                continue
            card.clear_cache()
            cards.append({
                "name": name(card),
                # A card that may not be played now is disabled: neither enabled nor sensitive.
                "playable": has_state(card, Atspi.StateType.ENABLED),
                "description": card.get_description() or "",
                "marked": has_state(card, Atspi.StateType.SELECTED),
            })
        return cards

    def field(self):
        self.field_node.clear_cache()
        texts = []
        for i in range(self.field_node.get_child_count()):
            seat = self.field_node.get_child_at_index(i)
            if seat is None:
                continue
            seat.clear_cache()
            texts.append(name(seat))
        return texts

    def status(self):
        self.status_node.clear_cache()
        return name(self.status_node)

    def announcement(self):
        self.announcement_node.clear_cache()
        return name(self.announcement_node)


def find_table(app, tries=100):
    """The table once the game window shows it; None when it never does."""
    for _ in range(tries):
        try:
            return Table(app)
        except RuntimeError:
            time.sleep(0.3)
    return None


def dialogs(app):
    """The open dialogs and message boxes of the game (windows other than the table's frame), each
    as (node, its texts)."""
    found = []
    app.clear_cache()
    for i in range(app.get_child_count()):
        window = app.get_child_at_index(i)
        if role(window) in ("dialog", "alert", "file chooser") and has_state(
                window, Atspi.StateType.SHOWING):
            texts = [name(n) for _, n in walk(window, limit=6) if role(n) == "label" and name(n)]
            found.append((window, texts))
    return found


def key(*names, wait=True):
    command = ["xdotool", "key", "--clearmodifiers", *names]
    if wait:
        subprocess.run(command, check=False)
    else:
        subprocess.Popen(command)


class Events:
    """AT-SPI events of the given kinds, gathered while `pump` runs the event loop."""

    def __init__(self, *kinds):
        self.seen = []
        self._listener = Atspi.EventListener.new(self._on_event)
        for kind in kinds:
            self._listener.register(kind)

    def _on_event(self, event):
        # Qt passes the object, not its new name: the name is read at once, before the next
        # change (the game's next step is most of a second away at the test's speed).
        source = event.source
        try:
            source.clear_cache()
        except Exception:
            pass
        self.seen.append((event.type, role(source), name(source)))

    def pump(self, seconds):
        GLib.timeout_add(int(seconds * 1000), lambda: Atspi.event_quit() or False)
        Atspi.event_main()
