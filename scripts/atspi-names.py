#!/usr/bin/python3
"""Reads the window's accessibility tree over AT-SPI, as a screen reader does, and lists every
control that is shown without a name. With --chart TEXT the chart must be named starting with
TEXT. Exit code 0 when every control is named."""
import sys
import time

import pyatspi

CONTROLS = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TABLE, pyatspi.ROLE_MENU,
    pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_TEXT,
    pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_DATE_EDITOR, pyatspi.ROLE_CHART, pyatspi.ROLE_CANVAS,
    pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_SLIDER, pyatspi.ROLE_LIST,
}


def find_application(name, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.5)
    return None


def label_of(node):
    """The text of the label that names node (its buddy), as Orca reads it before the value."""
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return relation.getTarget(0).name
    return ""


def walk(node, path, found):
    try:
        role, name, states = node.getRole(), node.name, node.getState()
    except Exception:
        return
    # A combo box's name is its current value; its label names it through a relation.
    if role == pyatspi.ROLE_COMBO_BOX:
        name = label_of(node)
    here = f"{path}/{node.getRoleName()}"
    # Qt shows a closed combo box's list as showing; the combo box carries the name.
    if states.contains(pyatspi.STATE_SHOWING) and not path.endswith("/combo box"):
        found.append((role, name, here))
    for child in node:
        if child is not None:
            walk(child, here, found)


def main():
    app_name = sys.argv[1]
    chart = sys.argv[sys.argv.index("--chart") + 1] if "--chart" in sys.argv else None
    app = find_application(app_name)
    if app is None:
        print(f"{app_name} is not on the accessibility bus")
        return 1
    found = []
    walk(app, app_name, found)
    unnamed = [path for role, name, path in found if role in CONTROLS and not name.strip()]
    for role, name, path in found:
        if role in CONTROLS and name.strip():
            print(f"{path}: {name}")
    for path in unnamed:
        print("no name:", path)
    names = [name for _, name, _ in found]
    print(f"{len(found)} shown objects, {sum(role in CONTROLS for role, _, _ in found)} controls")
    ok = not unnamed
    if chart is not None:
        charts = [n for n in names if n.startswith(chart)]
        print("chart:", charts[0] if charts else "(not found)")
        ok = ok and bool(charts)
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
