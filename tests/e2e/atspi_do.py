#!/usr/bin/python3
"""Acts on Tavlen over AT-SPI as a screen reader's user would, by accessible name.

    atspi_do.py press "Fravælg alle" [role]   the control's Press action
    atspi_do.py toggle "Historie" [role]      its Toggle action
    atspi_do.py focus "Titel"                 a text field's SetFocus (then type with xdotool)
    atspi_do.py name-of <role> <substring>    prints the first name of that role holding it
    atspi_do.py checked "Historie" [role]     exit 0 when the control is checked
    atspi_do.py focused "Åbn Stil" [role]     exit 0 when the control has the keyboard focus
    atspi_do.py shows "Ude fra" [role]        exit 0 when a control of that name is shown
    atspi_do.py gone "Ude fra" [role]         exit 0 when none is shown (looked at once)
    atspi_do.py where "Titel" [role]          prints the control's centre on the screen: x y
A name ending in "#2" means the second control of that name (a form's button named as the
panel's action that opened it).

Waits up to five seconds for the control to appear; exit 1 when it does not, or when the
action is refused.
"""
import sys
import time

import pyatspi


def tree(acc):
    yield acc
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from tree(child)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Tavlen":
            return app
    return None


def find(test, seconds=5):
    end = time.time() + seconds
    while True:
        app = application()
        if app is not None:
            for acc in tree(app):
                try:
                    if test(acc):
                        return acc
                except Exception:  # a control going away while it is looked at
                    pass
        if time.time() >= end:
            return None
        time.sleep(0.2)


def act(acc, action):
    actions = acc.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    return action in names and actions.doAction(names.index(action))


def main(argv):
    verb, name = argv[1], argv[2]
    role = argv[3] if len(argv) > 3 else None
    fields = ("text", "entry")
    if verb == "name-of":
        acc = find(lambda a: a.getRoleName() == name and role in a.name)
        if acc is None:
            return 1
        print(acc.name)
        return 0
    nth = 1
    if name.endswith("#2"):
        name, nth = name[:-2], 2
    seen = []

    def matches(a):
        if a.name != name or (role is not None and a.getRoleName() != role):
            return False
        if verb == "focus" and a.getRoleName() not in fields:
            return False
        if not a.getState().contains(pyatspi.STATE_SHOWING):
            return False
        if not any(a == b for b in seen):
            seen.append(a)
        return len(seen) >= nth

    acc = find(matches, 0 if verb == "gone" else 5)
    if verb == "gone":
        return 0 if acc is None else 1
    if acc is None:
        print(f"no control named {name!r}", file=sys.stderr)
        return 1
    if verb == "shows":
        return 0
    if verb == "where":
        box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print(box.x + box.width // 2, box.y + box.height // 2)
        return 0
    if verb == "checked":
        return 0 if acc.getState().contains(pyatspi.STATE_CHECKED) else 1
    if verb == "focused":
        return 0 if acc.getState().contains(pyatspi.STATE_FOCUSED) else 1
    action = {"press": "Press", "toggle": "Toggle", "focus": "SetFocus"}[verb]
    return 0 if act(acc, action) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
