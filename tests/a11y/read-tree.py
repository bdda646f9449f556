#!/usr/bin/python3
# Reads the panel's accessibility tree over AT-SPI, as a screen reader would, and checks
# that the lamps, line names, toggles and composed value are there with the right words.
# Usage: read-tree.py APPLICATION_NAME
import sys
import time

import pyatspi

app_name = sys.argv[1]


def find_app():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == app_name:
                return app
        time.sleep(0.1)
    sys.exit(f"FAIL: no application {app_name!r} on the accessibility bus")


def walk(node, found):
    try:
        found.append((node.getRoleName(), node.name, node.getState().contains(pyatspi.STATE_CHECKED)))
        for child in node:
            if child is not None:
                walk(child, found)
    except Exception:  # a node that went away while being read
        pass


def check(nodes):
    names = [name for _, name, _ in nodes]
    failures = []
    for expected in ["D7 lit", "D6 dark", "D1 dark", "D0 lit", "This Binary = 129", "Number to send",
                     "Read LPT", "Send this Number to LPT", "Send Decimal Number to LPT", "about",
                     "$378 Data Registry", "$379 State Registry", "$37A Registry of Control"]:
        if expected not in names:
            failures.append(f"no object named {expected!r}")
    checked = {name for role, name, is_checked in nodes if role == "check box" and is_checked}
    if checked != {"D0", "D7"}:
        failures.append(f"the ticked toggles read {sorted(checked)}, not D0 and D7")
    for line in ["D7", "D6", "D5", "D4", "D3", "D2", "D1", "D0"]:
        if names.count(line) < 2:  # the line's name label, and its toggle
            failures.append(f"{line!r} is named fewer than twice")
    return failures


app = find_app()
# The window may still be coming up when the application appears on the bus.
for _ in range(50):
    nodes = []
    walk(app, nodes)
    failures = check(nodes)
    if not failures:
        break
    time.sleep(0.1)
print(f"read {len(nodes)} accessible objects from {app_name}")
for failure in failures:
    print("FAIL:", failure)
if failures:
    print("objects:", [n for n in nodes if n[1]])
    sys.exit(1)
print("the lamps, toggles, names and value read out as shown")
