"""Reads the trainer's lesson 2 over AT-SPI, goes round it with Tab, presses
through it with the keyboard, and listens for the next explanation's
announcement."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

lines = open(sys.argv[1], encoding="cp1254").read().splitlines()


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def find(node, predicate, found=None):
    found = [] if found is None else found
    if predicate(node):
        found.append(node)
    for child in node:
        if child is not None:
            find(child, predicate, found)
    return found


desktop = pyatspi.Registry.getDesktop(0)
apps = [app for app in desktop if app is not None and "kelvora" in (app.name or "")]
if not apps:
    fail("the trainer is not on the accessibility bus")
app = apps[0]

frames = find(app, lambda n: n.getRole() == pyatspi.ROLE_FRAME)
if [f.name for f in frames] != ["KELVORA Training - 2 / 18"]:
    fail("frames: %s" % [(f.name) for f in frames])
buttons = {b.name for b in find(app, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.getState().contains(pyatspi.STATE_SHOWING))}
for name in ("Battery switch", "Continue", "Exit"):
    if name not in buttons:
        fail("no button named %r among %s" % (name, sorted(buttons)))


def expect_focus(name, after):
    focused = find(app, lambda n: n.getState().contains(pyatspi.STATE_FOCUSED))
    if [f.name for f in focused] != [name]:
        fail("%s the focus is on %s, not on %r" % (after, [f.name for f in focused], name))


expect_focus("Battery switch", "as the lesson opens")
# Before the switch is pressed Continue is not there to reach: Tab goes on to Exit, and back.
for key, name in (("Tab", "Exit"), ("shift+Tab", "Battery switch")):
    subprocess.call(["xdotool", "key", key])
    time.sleep(0.5)
    expect_focus(name, "after %s" % key)
if not find(app, lambda n: n.getRole() == pyatspi.ROLE_ALERT and n.name == lines[1]):
    fail("the explanation on display is not in the tree as an alert")

announced = []


def on_showing(event):
    if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_ALERT:
        announced.append(event.source.name)


pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
# The battery switch, then Continue, which has the focus once the step is done.
GLib.timeout_add(500, lambda: subprocess.call(["xdotool", "key", "space"]) and False)
GLib.timeout_add(2500, lambda: subprocess.call(["xdotool", "key", "Return"]) and False)
GLib.timeout_add(5000, lambda: pyatspi.Registry.stop() and False)
pyatspi.Registry.start()

if lines[2] not in announced:
    fail("lesson 3's explanation was not announced; announced: %s" % announced)
print("announced: %s" % announced[-1])
