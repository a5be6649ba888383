"""The built quorlin in a real window, driven from the keyboard as a person
would, and read back through the desktop's accessibility interface.

usage: real_window_test.py QUORLIN QUORLIN_CLI DEMO_BOOK SCREENSHOT_DIR
"""
import filecmp
import os
import shutil
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Gdk", "3.0")
import pyatspi  # noqa: E402
from gi.repository import Gdk  # noqa: E402

CAPTION = "Pelorin用デイジー教科書ncc.html修正プログラム Quorlin Version 1.0"
PROMPT = "[...] ボタンを押して修正するデイジー教科書の ncc.html のファイルを指定してください。"
PICKER_TITLE = "修正するncc.htmlを指定してください。"
CANNOT_OPEN = "エラー：ファイルが開けません。"
REPAIRED = "修正が成功しました。"
DRAG_SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "drag_source.py")


def wait_for(what, probe, timeout=15.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            found = probe()
        except Exception:  # the tree changes under us while windows come and go
            found = None
        if found:
            return found
        time.sleep(0.1)
    raise AssertionError("timed out waiting for " + what)


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def descendants(node):
    """The nodes below `node`; those that vanish while we look are passed over."""
    try:
        children = [child for child in node if child is not None]
    except Exception:
        return
    for child in children:
        yield child
        yield from descendants(child)


def find(node, role, name=None):
    for candidate in descendants(node):
        try:
            if candidate.getRole() == role and (name is None or candidate.name == name):
                return candidate
        except Exception:
            continue
    return None


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "quorlin":
            return app
    return None


def focused(node):
    return node.getState().contains(pyatspi.STATE_FOCUSED)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)
    time.sleep(0.2)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "20", text], check=True)


def field_text(field):
    text = field.queryText()
    return text.getText(0, text.characterCount)


def screenshot(path, around):
    """The screen around the window `around`."""
    extents = around.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    root = Gdk.get_default_root_window()
    left, top = max(extents.x - 16, 0), max(extents.y - 16, 0)
    right = min(extents.x + extents.width + 16, root.get_width())
    bottom = min(extents.y + extents.height + 16, root.get_height())
    Gdk.pixbuf_get_from_window(root, left, top, right - left, bottom - top).savev(
        path, "png", [], []
    )


def alert_of(app):
    return find(app, pyatspi.ROLE_ALERT, "Quorlin")


def read_alert(app):
    """The message of the open message box, whether it has an icon, and the box."""
    alert = wait_for("the message box", lambda: alert_of(app))
    label = wait_for("its message", lambda: find(alert, pyatspi.ROLE_LABEL))
    return label.name, find(alert, pyatspi.ROLE_ICON) is not None


def dismiss_alert(app):
    keys("Return")
    wait_for("the message box to close", lambda: alert_of(app) is None)


class Dialog:
    def __init__(self, app):
        self.frame = wait_for("the main dialog", lambda: find(app, pyatspi.ROLE_DIALOG, CAPTION))
        self.prompt = find(self.frame, pyatspi.ROLE_LABEL)
        self.field = find(self.frame, pyatspi.ROLE_TEXT)
        self.start = find(self.frame, pyatspi.ROLE_PUSH_BUTTON, "修正開始")
        self.exit = find(self.frame, pyatspi.ROLE_PUSH_BUTTON, "終了")
        self.browse = find(self.frame, pyatspi.ROLE_PUSH_BUTTON, "...")

    def check_controls(self):
        check(self.prompt is not None and self.prompt.name == PROMPT, "the prompt reads wrong")
        check(self.field is not None, "no path field")
        labels = [
            target
            for relation in self.field.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for target in (relation.getTarget(i) for i in range(relation.getNTargets()))
        ]
        check(labels == [self.prompt], "the path field is not labelled by the prompt")
        check(self.field.name == PROMPT, "the path field is not named by the prompt")
        check(not self.field.getState().contains(pyatspi.STATE_EDITABLE), "the path field is editable")
        check(None not in (self.start, self.exit, self.browse), "a button is missing")

    def check_tab_order(self):
        wait_for("the start button to have the focus", lambda: focused(self.start))
        for button in (self.exit, self.browse, self.start):
            keys("Tab")
            wait_for(button.name + " to take the focus", lambda: focused(button))
        keys("shift+Tab")
        wait_for("shift+Tab back to ...", lambda: focused(self.browse))
        keys("Tab")
        wait_for("the focus back on the start button", lambda: focused(self.start))


def focused_entry(picker):
    for candidate in descendants(picker):
        try:
            state = candidate.getState()
        except Exception:
            continue
        if state.contains(pyatspi.STATE_EDITABLE) and state.contains(pyatspi.STATE_FOCUSED):
            return candidate
    return None


def type_location(picker, path):
    """Types `path` into the picker's location field, once it has the keyboard
    (Ctrl+L opens the field, and closes it again when it is open)."""
    if focused_entry(picker) is None:
        keys("ctrl+l")
    entry = wait_for("the location field", lambda: focused_entry(picker))
    keys("ctrl+a")
    type_text(path)
    wait_for("the typed location", lambda: field_text(entry).startswith(path))
    time.sleep(0.5)  # the field's completion settles after the last key
    keys("Return")


def pick(app, dialog, path):
    """Opens the picker with the keyboard and chooses `path` in it, after trying
    a file that does not exist."""
    keys("shift+Tab")
    wait_for("the focus on ...", lambda: focused(dialog.browse))
    keys("Return")
    picker = wait_for("the file chooser", lambda: find(app, pyatspi.ROLE_FILE_CHOOSER))
    check(find(app, pyatspi.ROLE_DIALOG, PICKER_TITLE) or picker.name == PICKER_TITLE,
          "the picker's title reads wrong")
    missing = os.path.join(os.path.dirname(path), "missing-ncc.html")
    type_location(picker, missing)
    complaint = wait_for("the picker to refuse a missing file",
                         lambda: find(app, pyatspi.ROLE_ALERT, PICKER_TITLE))
    check(missing in find(complaint, pyatspi.ROLE_LABEL).name, "the refusal does not name the file")
    keys("Return")
    wait_for("the refusal to close", lambda: find(app, pyatspi.ROLE_ALERT, PICKER_TITLE) is None)
    check(find(app, pyatspi.ROLE_FILE_CHOOSER) is not None, "the picker closed on a missing file")
    type_location(picker, path)
    wait_for("the picker to close", lambda: find(app, pyatspi.ROLE_FILE_CHOOSER) is None)
    wait_for("the path in the field", lambda: field_text(dialog.field) == path)


def centre_of(node):
    extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return extents.x + extents.width // 2, extents.y + extents.height // 2


def drop(dialog, path):
    """Drags `path` from another program's window and drops it on the path field
    with the mouse, then gives the keyboard back to the dialog."""
    source = subprocess.Popen(["/usr/bin/python3", DRAG_SOURCE, path])
    try:
        window = wait_for("the drag source", lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", "^drag source$"],
            capture_output=True, text=True).stdout.split())[0]
        geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window],
                                  capture_output=True, text=True, check=True).stdout
        place = dict(line.split("=") for line in geometry.split())
        x, y = int(place["X"]) + int(place["WIDTH"]) // 2, int(place["Y"]) + int(place["HEIGHT"]) // 2
        to_x, to_y = centre_of(dialog.field)
        subprocess.run(["xdotool", "mousemove", str(x), str(y), "sleep", "0.3", "mousedown", "1"],
                       check=True)
        for step in range(1, 21):
            subprocess.run(["xdotool", "mousemove", str(x + (to_x - x) * step // 20),
                            str(y + (to_y - y) * step // 20), "sleep", "0.05"], check=True)
        subprocess.run(["xdotool", "sleep", "0.3", "mouseup", "1"], check=True)
        wait_for("the dropped path in the field", lambda: field_text(dialog.field) == path)
    finally:
        source.kill()
        source.wait()
    subprocess.run(["xdotool", "search", "--name", CAPTION, "windowactivate", "--sync"], check=True)
    wait_for("the focus back on the start button", lambda: focused(dialog.start))


def ends_with_zero(quorlin, work, act, what):
    process = subprocess.Popen([quorlin], cwd=work)
    try:
        Dialog(wait_for("quorlin again", application))
        act()
        check(process.wait(timeout=15) == 0, what + " did not end the program with 0")
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()


def run(quorlin, cli, demo_book, shots):
    work = tempfile.mkdtemp(prefix="quorlin-window-")
    try:
        book = os.path.join(work, "book")
        reference = os.path.join(work, "reference")
        shutil.copytree(demo_book, book)
        shutil.copytree(demo_book, reference)
        subprocess.run([cli, "-q", os.path.join(reference, "ncc.html")], check=True)
        target = os.path.join(book, "ncc.html")

        process = subprocess.Popen([quorlin], cwd=work)
        try:
            app = wait_for("quorlin on the accessibility bus", application)
            dialog = Dialog(app)
            dialog.check_controls()
            dialog.check_tab_order()

            keys("Return")  # the start button, with the field still empty
            message, icon = read_alert(app)
            check(message == CANNOT_OPEN, "empty field gave " + message)
            check(icon, "an error shows no icon")
            dismiss_alert(app)

            drop(dialog, os.path.join(reference, "ncc.html"))
            pick(app, dialog, target)
            screenshot(os.path.join(shots, "quorlin-dialog.png"), dialog.frame)
            keys("shift+Tab", "shift+Tab")
            wait_for("the focus on the start button", lambda: focused(dialog.start))
            keys("Return")
            message, icon = read_alert(app)
            screenshot(os.path.join(shots, "quorlin-repaired.png"), dialog.frame)
            check(message == REPAIRED, "the repair gave " + message)
            check(not icon, "success shows an icon")
            dismiss_alert(app)
            wait_for("the field to be emptied", lambda: field_text(dialog.field) == "")

            check(filecmp.cmp(target, os.path.join(reference, "ncc.html"), shallow=False),
                  "the repaired file differs from quorlin-cli's")
            check(filecmp.cmp(target + ".old", os.path.join(demo_book, "ncc.html"), shallow=False),
                  "ncc.html.old is not the original")

            keys("Tab")
            wait_for("the focus on 終了", lambda: focused(dialog.exit))
            keys("space")
            check(process.wait(timeout=15) == 0, "終了 did not end the program with 0")
        finally:
            if process.poll() is None:
                process.kill()
                process.wait()

        # The close box and Escape act as 終了.
        ends_with_zero(quorlin, work, lambda: subprocess.run(["wmctrl", "-c", CAPTION], check=True),
                       "the close box")
        ends_with_zero(quorlin, work, lambda: keys("Escape"), "Escape")
    finally:
        shutil.rmtree(work)


if __name__ == "__main__":
    quorlin_path, cli_path, demo, shot_dir = sys.argv[1:5]
    os.makedirs(shot_dir, exist_ok=True)
    run(quorlin_path, cli_path, demo, shot_dir)
    print("real window: all checks passed; screenshots in " + shot_dir)
