"""Drives the manager through the desktop's accessibility bus as a screen reader would.

Starts the manager on the virtual adapter, presses the adapter by its accessible name, reads the configuration
list's controls, asks to delete a configuration and finds the question announced by its title while a press on
the list's "Edit" behind it is refused, opens a configuration, reads the editing page's controls (every edit
must have a name, every key button its console button and key), the left stick dialog's, and leaves with the
close button: once to the list, once to close the window. Fails with a message naming what it could not find.
"""
import os
import subprocess
import sys
import time

import pyatspi

TIMEOUT = 60.0

# Names a screen reader must find on each page (texts, or the layout's names for image-only buttons).
ADAPTER_BUTTON = "Open the configurations on this Torvane"
HOME_NAMES = ["Switch Console", "New", "Copy", "Edit", "Start Up", "Import", "Export", "Delete", "Home", "Help",
              "Close"]
MACRO_NAMES = ["New", "Copy", "Edit", "Import", "Export", "Delete", "Close"]
DIALOG_NAMES = ["Up:", "Hot Key:", "Ok", "Close"]
EDIT_NAMES = ["Switch Group", "Left Stick", "Right Stick", "More Settings", "Macros", "Save", "Home"]
# The editing page's key buttons are announced as "<console button>: <key>", by the layout's button names.
CONSOLE_BUTTONS = ["L1", "L2", "R1", "R2", "DpadUp", "DpadDown", "DpadLeft", "DpadRight", "Options/Sta/Menu",
                   "Sha/bac/Vie/sel", "LOGO", "Y/Triange", "A/Cross", "X/Square", "B/Circle"]
STICK_DIRECTIONS = ["Up", "Down", "Left", "Right", "Press (L3)"]


def fail(text):
    print("FAIL: " + text, file=sys.stderr)
    sys.exit(1)


def wait_for(what, find):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception:  # the tree changes under us while the page switches
            found = None
        if found:
            return found
        time.sleep(0.2)
    fail("not found within %d s: %s" % (TIMEOUT, what))


def application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def showing(node):
    states = node.getState()
    return states.contains(pyatspi.STATE_SHOWING) and states.contains(pyatspi.STATE_VISIBLE)


def shown_nodes(root):
    """Every shown node below root, as (role name, name)."""
    nodes = []
    stack = [root]
    while stack:
        node = stack.pop()
        if node is None:
            continue
        if node is not root and not showing(node):
            continue
        nodes.append(node)
        stack.extend(node[i] for i in range(node.childCount))
    return nodes


def shown_named(root, name, role=None):
    for node in shown_nodes(root):
        if node.name == name and (role is None or node.getRole() == role):
            return node
    return None


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("press", "Press", "click"):
            action.doAction(i)
            return
    fail("%r offers no press action (actions: %s)" %
         (node.name, [action.getName(i) for i in range(action.nActions)]))


def expect_names(root, names, page):
    shown = {node.name for node in shown_nodes(root)}
    missing = [name for name in names if name not in shown]
    if missing:
        fail("%s: no shown control named %s among %s" % (page, missing, sorted(n for n in shown if n)))
    print("%s: %s" % (page, sorted(n for n in shown if n)))


def expect_named_fields(root, page):
    edits = [n for n in shown_nodes(root) if n.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)]
    unnamed = [n for n in edits if not n.name]
    if not edits or unnamed:
        fail("%s: %d edits, %d without a name" % (page, len(edits), len(unnamed)))


def expect_key_buttons(root, labels, page):
    """Every label names exactly one shown button, as "<label>: <key>" with a key after it."""
    buttons = [n.name for n in shown_nodes(root) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    for label in labels:
        named = [name for name in buttons if name.startswith(label + ": ") and len(name) > len(label) + 2]
        if len(named) != 1:
            fail("%s: %d buttons announced as %r and a key among %s" % (page, len(named), label + ": ", buttons))
    print("%s key buttons: %s" % (page, sorted(b for b in buttons if ": " in b)))


def main():
    manager = sys.argv[1]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    env.pop("QT_QPA_PLATFORM", None)
    process = subprocess.Popen([manager, "--virtual-adapter"], env=env)
    try:
        app = wait_for("the manager on the accessibility bus", lambda: application(process.pid))
        wait_for("the main window as a frame", lambda: shown_named(app, "Torvane Manager", pyatspi.ROLE_FRAME))
        adapter = wait_for("the adapter button", lambda: shown_named(app, ADAPTER_BUTTON, pyatspi.ROLE_PUSH_BUTTON))
        press(adapter)

        wait_for("the configuration list", lambda: shown_named(app, "Switch Console"))
        expect_names(app, HOME_NAMES, "configuration list")
        item = wait_for("a configuration in the list",
                        lambda: next((n for n in shown_nodes(app) if n.getRole() == pyatspi.ROLE_LIST_ITEM), None))
        item.queryAction().doAction(0)  # selects it

        # A question is announced by its title, not by the kind of window it is; a press sent to a control it
        # covers is refused as a click would be.
        press(shown_named(app, "Delete", pyatspi.ROLE_PUSH_BUTTON))
        question = wait_for("the delete question", lambda: shown_named(app, "Warning", pyatspi.ROLE_DIALOG))
        dialogs = [n.name for n in shown_nodes(app) if n.getRole() == pyatspi.ROLE_DIALOG]
        if dialogs != ["Warning"]:
            fail("the question is announced as %s" % dialogs)
        press(shown_named(app, "Edit", pyatspi.ROLE_PUSH_BUTTON))
        time.sleep(1.0)
        if shown_named(app, "Switch Group") is not None:
            fail("a press on Edit behind the question opened the editing page")
        press(shown_named(question, "No", pyatspi.ROLE_PUSH_BUTTON))
        wait_for("the question to go", lambda: shown_named(app, "Warning", pyatspi.ROLE_DIALOG) is None)
        time.sleep(1.0)
        if shown_named(app, "Switch Group") is not None:
            fail("the press on Edit refused behind the question ran once it had gone")
        print("question: announced as Warning, the press behind it refused")

        press(shown_named(app, "Edit", pyatspi.ROLE_PUSH_BUTTON))

        wait_for("the editing page", lambda: shown_named(app, "Switch Group"))
        expect_names(app, EDIT_NAMES, "editing page")
        expect_named_fields(app, "editing page")
        expect_key_buttons(app, CONSOLE_BUTTONS + ["Hot Key"], "editing page")

        # A settings dialog is announced as a dialog with its title, and its fields have names too.
        press(shown_named(app, "Left Stick", pyatspi.ROLE_PUSH_BUTTON))
        dialog = wait_for("the left stick dialog", lambda: shown_named(app, "Left Stick Settings", pyatspi.ROLE_DIALOG))
        expect_names(dialog, DIALOG_NAMES, "left stick dialog")
        expect_named_fields(dialog, "left stick dialog")
        expect_key_buttons(dialog, STICK_DIRECTIONS + ["Hot Key"], "left stick dialog")
        press(shown_named(dialog, "Ok", pyatspi.ROLE_PUSH_BUTTON))
        wait_for("the dialog to go", lambda: shown_named(app, "Left Stick Settings", pyatspi.ROLE_DIALOG) is None)

        # The macro manager, and back to the editing page with the close button.
        press(shown_named(app, "Macros", pyatspi.ROLE_PUSH_BUTTON))
        wait_for("the macro manager", lambda: shown_named(app, "Macro Manager"))
        expect_names(app, MACRO_NAMES, "macro manager")
        press(shown_named(app, "Close", pyatspi.ROLE_PUSH_BUTTON))
        wait_for("the editing page again", lambda: shown_named(app, "Switch Group"))

        # The close button leaves the editing page for the list first, then closes the window.
        press(shown_named(app, "Close", pyatspi.ROLE_PUSH_BUTTON))
        wait_for("the configuration list again", lambda: shown_named(app, "Switch Console"))
        press(shown_named(app, "Close", pyatspi.ROLE_PUSH_BUTTON))
        code = process.wait(timeout=TIMEOUT)
        if code != 0:
            fail("the manager ended with %d" % code)
        print("closed with 0")
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()


if __name__ == "__main__":
    main()
