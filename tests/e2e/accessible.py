#!/usr/bin/python3
"""Prints where an object of a program's accessibility tree is on the screen.

accessible.py PROGRAM NAME [ROLE]: "X Y WIDTH HEIGHT" of the first object named NAME (of the
role, such as "push button", when given); exits 1 when there is none.
"""
import sys

import pyatspi


def find(node, name, role, depth=0):
    if node is None or depth > 60:
        return None
    if node.name == name and (not role or node.getRoleName() == role):
        return node
    for child in node:
        hit = find(child, name, role, depth + 1)
        if hit is not None:
            return hit
    return None


def main():
    program, name = sys.argv[1], sys.argv[2]
    role = sys.argv[3] if len(sys.argv) > 3 else ""
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == program:
            hit = find(app, name, role)
            if hit is not None:
                e = hit.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                print(e.x, e.y, e.width, e.height)
                return 0
    return 1


sys.exit(main())
