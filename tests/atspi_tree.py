#!/usr/bin/python3
# Prints the accessibility tree of one running program as an assistive technology reads it over the
# AT-SPI bus: one line per object with its depth, role, name, description and the states "focused"
# and "showing", separated by tabs. Waits up to 20 seconds for the program to appear on the bus.
# Usage: atspi_tree.py PROCESS-ID
import sys
import time

import pyatspi


def clean(text):
    return (text or "").replace("\t", " ").replace("\n", " ")


def walk(node, depth, out):
    states = node.getState()
    out.append("\t".join([
        str(depth), node.getRoleName(), clean(node.name), clean(node.description),
        "focused" if states.contains(pyatspi.STATE_FOCUSED) else "",
        "showing" if states.contains(pyatspi.STATE_SHOWING) else "",
    ]))
    for child in node:
        if child is not None:
            walk(child, depth + 1, out)


def find(pid):
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            pass
    return None


def main():
    pid = int(sys.argv[1])
    deadline = time.monotonic() + 20
    app = find(pid)
    while app is None and time.monotonic() < deadline:
        time.sleep(0.2)
        app = find(pid)
    if app is None:
        print("no program with process id %d on the accessibility bus" % pid, file=sys.stderr)
        return 1
    out = []
    walk(app, 0, out)
    print("\n".join(out))
    return 0


if __name__ == "__main__":
    sys.exit(main())
