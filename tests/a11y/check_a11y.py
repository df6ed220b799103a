#!/usr/bin/python3
"""ケムリナ as a screen reader sees it, through the AT-SPI tree (run by run-a11y.sh).

Starts the real program on a frozen day and drives it with the keyboard alone through the main,
mini and settings windows: every control has a role and a Japanese name, the value labels and
the mini summary say what kemurina-report computes for the same minute, the focus starts on the
elapsed label and Space switches it, and Shift+F10 and the menu key open the popup menus.
"""
import json, os, pathlib, subprocess, sys, tempfile, time
import pyatspi
from gi.repository import GLib

HEADINGS = {"elapsed": "卒煙からの日数", "life": "延びた寿命", "money": "節約できた金額",
            "status": "ステータス", "notSmoked": "吸わなかった煙草"}
MAIN, MINI = " ケムリナ - pelnoa", " ケムリナ mini mode"
SETTINGS = " 設定ウィンドウ - 全て半角で記入してください - pelnoa"
DECORATION = {"filler", "panel", "frame", "dialog"}  # unnamed ones are layout, not controls
build = pathlib.Path(sys.argv[1]).resolve()
work = pathlib.Path(tempfile.mkdtemp())
failures, focused = [], []  # focused: (role, name) of each object that took the focus


def on_focus(event):
    try:
        if event.detail1 == 1:
            focused.append((event.source.getRoleName(), event.source.name))
    except GLib.Error:  # gone already: a window closing
        pass


def run(program, **kwargs):  # on 2026-12-10 12:00, frozen, twelve days after quitting
    faketime = next(pathlib.Path("/usr/lib").glob("*/faketime/libfaketime.so.1"))
    env = dict(os.environ, FAKETIME="2026-12-10 12:00:00", FAKETIME_DONT_FAKE_MONOTONIC="1",
               LD_PRELOAD=str(faketime), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    return subprocess.Popen([build / program, *kwargs.pop("args", [])], cwd=work, env=env, **kwargs)


def wait_for(find, what):
    for _ in range(100):
        while GLib.MainContext.default().iteration(False):
            pass
        if found := find():
            return found
        time.sleep(0.2)
    sys.exit(f"FAIL: {what}")


def showing(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None and child.getState().contains(pyatspi.STATE_SHOWING):
            yield child
            yield from showing(child)


def window(title):
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    return next((w for a in apps if a and a.name == "kemurina" for w in showing(a)
                 if w.name == title), None)


def check(win):
    names = [node.name for node in showing(win)]
    for node in showing(win):
        role, name = node.getRoleName(), node.name
        japanese = any("\u3000" <= c <= "\uffef" for c in name)  # kana, kanji, full width
        if not japanese and not (role in DECORATION and not name):
            failures.append(f"{win.name.strip()}: {role} {name!r} has no Japanese name")
    print(f"{win.name.strip()}: {len(names)} objects")
    return names


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "100", *keys], check=True)
    time.sleep(0.3)


def choose_from_popup(menu_key, item, title):
    key(menu_key)  # popup menus are not in the tree: a reader follows the focus into them
    wait_for(lambda: focused[-1:] == [("menu item", "コピーする")], f"{menu_key}: no popup menu")
    for _ in range(8):
        if focused[-1] == ("menu item", item):
            break
        seen = len(focused)
        key("Down")
        wait_for(lambda: len(focused) > seen and focused[-1][0] == "menu item", "left the menu")
    key("Return")
    return wait_for(lambda: window(title), f"{item} did not open {title.strip()}")


def main():
    (work / "kemurinadata").mkdir()
    (work / "kemurinadata/initial.ini").write_bytes(b"2026,11,28,9,30,20,410,85\r\n")
    (work / "kemurinadata/option.ini").write_bytes('1,12244,5,1,5,1,1500,1500,9241372,16777215,'
                                                   '"a.jp/",2,0,0,"ソルジャー"\r\n'.encode("cp932"))
    report = json.loads(run("tools/report/kemurina-report", args=["--json"],
                            stdout=subprocess.PIPE).communicate()[0])
    # Qt sends only the events that listeners had asked for when it connected.
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    wm, app = subprocess.Popen(["openbox", "--sm-disable"]), run("app/kemurina")
    try:
        names = check(wait_for(lambda: window(MAIN), "no main window"))
        for caption, heading in HEADINGS.items():
            if f"{heading}\u3000{report['captions'][caption]}" not in names:
                failures.append(f"no value label says {heading} {report['captions'][caption]}")
        elapsed = f"{HEADINGS['elapsed']}\u3000{report['captions']['elapsed']}"
        wait_for(lambda: focused[-1:] == [("label", elapsed)], "no focus on the elapsed label")
        key("space")
        day_count = f"{HEADINGS['elapsed']}\u3000１２日２時間３０分"
        wait_for(lambda: day_count in [n.name for n in showing(window(MAIN))],
                 "Space did not switch the elapsed label to the day count")
        mini = choose_from_popup("shift+F10", "ミニサイズで運転する", MINI)
        if report["miniSummary"] not in check(mini):
            failures.append("the mini summary is not read as shown")
        check(choose_from_popup("Menu", "設定変更をする", SETTINGS))
    finally:
        app.terminate(), wm.terminate()
    print(*[f"FAIL: {f}" for f in failures], "a11y: FAILED" if failures else "a11y: passed",
          sep="\n")
    return 1 if failures else 0


sys.exit(main())
