#!/usr/bin/python3
"""A whole match played as a blind player would: only the accessibility tree is read (no
screenshots, no coordinates) and only keys are sent. On the human's turn the keyboard mark is
moved with the arrow keys to the first card the tree marks playable and Return plays it; every
box (a message, a question, the suit dialog) is read and answered with Return.

Usage (through atspi.sh): atspi.sh <quintrick> <out> atspi_match.py 1
Writes a summary and the announcements heard to the given file."""

import re
import sys
import time

from atspi_table import dialogs, find_app, find_table, key

GAME_RESULT = re.compile(r"^Game (\d+) result")


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else None
    app = find_app()
    table = find_table(app)
    if table is None:
        print("FAIL: no table in the tree")
        return 1
    heard, boxes, plays = [], [], 0
    games_done = set()
    last_said = ""
    end = time.monotonic() + 40 * 60
    idle_since = time.monotonic()
    while time.monotonic() < end:
        try:
            said = table.announcement()
            open_boxes = dialogs(app)
        except Exception as error:  # the game closed at the end of the match
            print(f"the tree is gone: {error}")
            break
        if said and said != last_said:
            heard.append(said)
            last_said = said
            m = GAME_RESULT.match(said)
            if m:
                games_done.add(int(m.group(1)))
                print(said, flush=True)
        if open_boxes:
            for _, texts in open_boxes:
                boxes.append(" / ".join(texts))
                print("box: " + boxes[-1], flush=True)
            key("Return")
            time.sleep(0.4)
            idle_since = time.monotonic()
            continue
        if len(games_done) >= 10:
            break
        hand = table.hand()
        playable = [i for i, card in enumerate(hand) if card["playable"]]
        if playable:
            target = playable[0]
            for _ in range(len(hand)):
                marked = next((i for i, c in enumerate(table.hand()) if c["marked"]), -1)
                if marked == target:
                    break
                key("Right")
            key("Return")
            plays += 1
            idle_since = time.monotonic()
            time.sleep(0.2)
            continue
        if time.monotonic() - idle_since > 60:
            print("FAIL: nothing to do for a minute; status: " + table.status())
            break
        time.sleep(0.15)
    summary = [f"games finished: {sorted(games_done)}", f"cards played by keyboard: {plays}",
               f"boxes answered: {len(boxes)}", f"announcements heard: {len(heard)}"]
    print("\n".join(summary))
    if out:
        with open(out, "w", encoding="utf-8") as f:
            f.write("\n".join(summary) + "\n== boxes\n" + "\n".join(boxes) +
                    "\n== announcements\n" + "\n".join(heard) + "\n")
    return 0 if len(games_done) >= 10 else 1


if __name__ == "__main__":
    sys.exit(main())
