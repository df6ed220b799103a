#!/usr/bin/python3
"""ケムリナ as a screen reader sees it, through the AT-SPI tree (pyatspi).

Run by run-a11y.sh, inside an X display and a session bus. Starts the real program on a frozen
day, walks the main, mini and settings windows and drives them with the keyboard alone: every
control must have a role and a Japanese name, the value labels and the mini summary must say
the figures kemurina-report computes for the same minute, and the menu keys must open the
popup menu.
"""
import json
import os
import pathlib
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

MOMENT = "2026-12-10 12:00:00"
QUIT = "2026,11,28,9,30,20,410,85\r\n"  # twelve days before: a picture, the bar, red lungs
OPTIONS = "1,12244,5,1,5,1,1500,1500,9241372,16777215,\"kemurina.example.jp/\",2,0,0,\"ソルジャー\"\r\n"
HEADINGS = ["卒煙からの日数", "延びた寿命", "節約できた金額", "ステータス", "吸わなかった煙草"]
MAIN, MINI = " ケムリナ - pelnoa", " ケムリナ mini mode"
SETTINGS = " 設定ウィンドウ - 全て半角で記入してください - pelnoa"
# Layout and decoration, not controls: they need no name of their own.
CONTAINERS = {"filler", "panel", "frame", "dialog", "window", "separator", "application"}

build = pathlib.Path(sys.argv[1]).resolve()
failures = []
focused = []  # (role, name) of every object that took the focus, as a reader hears it


def on_focus(event):
    try:
        if event.detail1 == 1:
            focused.append((event.source.getRoleName(), event.source.name))
    except GLib.Error:  # gone already: a window closing
        pass


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def faked(command, cwd, **kwargs):
    libfaketime = next(pathlib.Path("/usr/lib").glob("*/faketime/libfaketime.so.1"))
    env = dict(os.environ, FAKETIME=MOMENT, FAKETIME_DONT_FAKE_MONOTONIC="1",
               LD_PRELOAD=str(libfaketime), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    return subprocess.Popen(command, cwd=cwd, env=env, **kwargs)


def wait_for(find, what, seconds=20):
    limit = time.monotonic() + seconds
    while time.monotonic() < limit:
        pump()
        found = find()
        if found:
            return found
        time.sleep(0.2)
    app = program()
    for node in descendants(app) if app else []:
        print(f"  {node.getRoleName()} {node.name!r}")
    sys.exit(f"FAIL: {what}")


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None and showing(child):
            yield child
            yield from descendants(child)


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    return next((a for a in apps if a is not None and a.name == "kemurina"), None)


def window(title):
    app = program()
    return app and next((w for w in descendants(app) if w.name == title), None)


def focus_on(role, name=None):
    return lambda: focused and focused[-1][0] == role and name in (None, focused[-1][1])


def japanese(text):
    return any("\u3000" <= c <= "\u9fff" or "\uff00" <= c <= "\uffef" for c in text)


def check_controls(win):
    count = 0
    for node in descendants(win):
        role = node.getRoleName()
        if role in CONTAINERS and not node.name:
            continue
        count += 1
        if not role or role == "unknown" or not japanese(node.name):
            failures.append(f"{win.name.strip()}: {role} {node.name!r} has no Japanese name")
    return count


def names(win):
    return [node.name for node in descendants(win)]


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "80", *keys], check=True)


# Popup menus are no part of the window tree: a reader follows the focus into them.
def open_popup_and_choose(menu_key, item, title):
    key(menu_key)
    wait_for(focus_on("menu item", "コピーする"), f"{menu_key} opened no popup menu")
    for _ in range(8):
        if focused[-1][1] == item:
            break
        key("Down")
        time.sleep(0.3)
        pump()
    key("Return")
    return wait_for(lambda: window(title), f"{item} did not open {title.strip()}")


def expect(condition, message):
    if not condition:
        failures.append(message)


def main():
    work = pathlib.Path(tempfile.mkdtemp(prefix="kemurina-a11y."))
    (work / "kemurinadata").mkdir()
    (work / "kemurinadata" / "initial.ini").write_bytes(QUIT.encode())
    (work / "kemurinadata" / "option.ini").write_bytes(OPTIONS.encode("cp932"))
    report = json.loads(faked([build / "tools/report/kemurina-report", "--json"], work,
                              stdout=subprocess.PIPE).communicate()[0])
    # Qt sends only the events a listener had asked for when it connected.
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    app = faked([build / "app/kemurina"], work)
    try:
        main_window = wait_for(lambda: window(MAIN), "the main window did not appear")
        print(f"main window: {check_controls(main_window)} controls")
        spoken = names(main_window)
        for heading, caption in zip(HEADINGS, report["captions"]):
            expect(f"{heading}\u3000{caption}" in spoken, f"no value label says {caption}")
        # The focus starts on the elapsed label, and Space switches it to the day count.
        wait_for(focus_on("label", f"{HEADINGS[0]}\u3000{report['captions'][0]}"),
                 "the focus did not start on the elapsed label")
        key("space")
        wait_for(lambda: f"{HEADINGS[0]}\u3000１２日２時間３０分" in names(main_window),
                 "Space did not switch the elapsed label to the day count")

        mini = open_popup_and_choose("shift+F10", "ミニサイズで運転する", MINI)
        print(f"mini window: {check_controls(mini)} controls")
        expect(report["miniSummary"] in names(mini), "the mini summary is not read as shown")

        settings = open_popup_and_choose("Menu", "設定変更をする", SETTINGS)
        print(f"settings window: {check_controls(settings)} controls")
    finally:
        app.terminate()
        app.wait()
    for failure in failures:
        print(f"FAIL: {failure}")
    print("a11y: FAILED" if failures else "a11y: passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
