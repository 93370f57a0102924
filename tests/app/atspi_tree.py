#!/usr/bin/python3
"""What a screen reader finds of Vaporin through AT-SPI: prints every object of the application
with its role, name, description and extents, indented by depth, and checks what matters to a
user of a screen reader (with --check: the exit status says whether it holds).
Run under a private session bus and an X server, with the program started beforehand:
  dbus-run-session -- tests/app/atspi_session.sh build/default/app/vaporin [--check]
"""
import sys
import time

import pyatspi


def find_application(name, seconds):
    end = time.time() + seconds
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower() == name.lower():
                return app
        time.sleep(0.2)
    return None


def dump(node, depth, out):
    try:
        extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        box = f"{extents.x},{extents.y} {extents.width}x{extents.height}"
    except NotImplementedError:
        box = "-"
    out.append(f"{'  ' * depth}{node.getRoleName()} | {node.name} | {node.description} | {box}")
    for child in node:
        if child is not None:
            dump(child, depth + 1, out)


def check(app, lines):
    """The faults a screen-reader user meets, as texts; none when the tree is sound."""
    faults = []
    windows = [child for child in app if child is not None]
    if len(windows) != 1:
        faults.append(f"{len(windows)} top-level objects, not the one window")
    text = "\n".join(lines)
    for name in ["Dry Bulb Temperature[°C]", "Specific Volume[m³/kg]", "Unit Configuration",
                 "Psychrometric chart"]:
        if text.count(f"| {name} |") != 1:
            faults.append(f"'{name}' found {text.count(f'| {name} |')} times, not once")
    order = [text.find("| Vaporin |  |"), text.find("| Dry Bulb Temperature[°C] |"),
             text.find("| Psychrometric chart |"), text.find("| Unit Configuration |")]
    if any(at < 0 for at in order) or order != sorted(order):
        faults.append("the reading order is not header, rows, chart button, gear")
    if "<p>" in text:
        faults.append("a description carries markup")
    return faults


def main():
    arguments = [a for a in sys.argv[1:] if a != "--check"]
    app = find_application(arguments[0] if arguments else "vaporin", 30)
    if app is None:
        names = [a.name for a in pyatspi.Registry.getDesktop(0) if a is not None]
        print(f"the application did not appear on the accessibility bus (found {names})",
              file=sys.stderr)
        return 1
    lines = []
    dump(app, 0, lines)
    print("\n".join(lines))
    if "--check" not in sys.argv:
        return 0
    faults = check(app, lines)
    for fault in faults:
        print(f"FAULT: {fault}", file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
