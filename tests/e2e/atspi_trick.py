#!/usr/bin/python3
"""One card played by a screen reader's user: the hand is read from the accessibility tree, the
keyboard mark is moved to a playable card with the arrow keys, Return plays it, and the field and
the announcement must name it (read from the tree and from the name-change events).

Usage: atspi_trick.py [transcript file]   (the game is running on the accessibility bus)"""

import re
import sys
import time

from atspi_table import Events, dialogs, find_app, find_table, key

CARD = re.compile(r"^(Joker|(2|3|4|5|6|7|8|9|10|Jack|Queen|King|Ace) of "
                  r"(Clubs|Diamonds|Hearts|Spades))$")
failures = []


def check(ok, message):
    print(("ok: " if ok else "FAIL: ") + message)
    if not ok:
        failures.append(message)


def transcript(table, title):
    lines = [f"== {title}", f"status: {table.status()}", f"announcement: {table.announcement()}",
             "field:"]
    lines += [f"  {text}" for text in table.field()]
    lines.append("hand:")
    for card in table.hand():
        mark = ">" if card["marked"] else " "
        lines.append(f" {mark}{card['name']} ({card['description']})")
    return lines


def wait_for_turn(app, table, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        for _, texts in dialogs(app):
            print("a box: " + " / ".join(texts) + " (Return)")
            key("Return")
        hand = table.hand()
        if len(hand) == 10 and any(card["playable"] for card in hand):
            return hand
        time.sleep(0.3)
    return None


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else None
    app = find_app()
    table = find_table(app)
    check(table is not None, "the table is in the accessibility tree")
    if table is None:
        return 1
    hand = wait_for_turn(app, table, 60)
    check(hand is not None, "the human's first turn: ten cards, some playable")
    if hand is None:
        print("\n".join(transcript(table, "no turn")))
        return 1
    names = [card["name"] for card in hand]
    check(all(CARD.match(n) for n in names), "every card has its name: " + ", ".join(names))
    check(len(set(names)) == 10, "ten different cards")
    check(all(card["description"] in ("playable now", "not playable now") for card in hand),
          "each card says whether it may be played now")
    check(sum(card["marked"] for card in hand) == 1, "one card carries the keyboard mark")
    log = transcript(table, "the human's turn")

    # The mark to the first playable card, by the arrow key only, reading the tree after each.
    target = next(i for i, card in enumerate(hand) if card["playable"])
    for _ in range(10):
        marked = next((i for i, card in enumerate(table.hand()) if card["marked"]), -1)
        if marked == target:
            break
        key("Right")
        time.sleep(0.3)
    hand = table.hand()
    check(hand[target]["marked"], f"the arrow keys moved the mark to {names[target]}")
    log += transcript(table, f"the mark on {names[target]}")

    events = Events("object:property-change:accessible-name")
    before = table.announcement()
    key("Return", wait=False)  # the events are gathered while the key goes out
    events.pump(1.5)
    played = names[target]
    after = table.hand()
    log += transcript(table, f"after Return on {played}")
    check(len(after) == 9 and played not in [c["name"] for c in after],
          f"{played} left the hand ({len(after)} cards)")
    said = [data for kind, r, data in events.seen if r == "notification"]
    check(any(played in text and text.startswith("You") for text in said),
          f"announced: {said[:3]} (before: {before!r})")
    seats = [data for kind, r, data in events.seen if r == "list item"]
    check(any(text == f"You: {played}" for text in seats), f"the field told: {seats[:6]}")
    log.append("== events: " + "; ".join(f"{r}: {d}" for _, r, d in events.seen))
    if out:
        with open(out, "w", encoding="utf-8") as f:
            f.write("\n".join(log) + "\n")
    print("\n".join(log))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
