#!/usr/bin/python3
# ケムリナ as a screen reader sees it, through the AT-SPI tree (run by run-a11y.sh).
#
# Starts the real program on a frozen day and drives it with the keyboard alone through the main,
# mini and settings windows: every control has a role and a Japanese name, the value labels and
# the mini summary say what kemurina-report computes for the same minute, the focus starts on the
# elapsed label and Space switches it, and Shift+F10 and the menu key open the popup menus.
import atexit, contextlib, json, os, pathlib, subprocess, sys, tempfile, time
import pyatspi
from gi.repository import GLib

HEADINGS = {"elapsed": "卒煙からの日数", "life": "延びた寿命", "money": "節約できた金額",
            "status": "ステータス", "notSmoked": "吸わなかった煙草"}
MAIN, MINI, SETTINGS = " ケムリナ - pelnoa", " ケムリナ mini mode", " 設定ウィンドウ - 全て半角で記入してください - pelnoa"
DECORATION = {"filler", "panel", "frame", "dialog"}  # unnamed ones are layout, not controls
build, work = pathlib.Path(sys.argv[1]).resolve(), pathlib.Path(tempfile.mkdtemp())
failures, focused = set(), []  # focused: (role, name) of each object that took the focus


def on_focus(event):
    with contextlib.suppress(GLib.Error):  # gone already: a window closing
        if event.detail1 == 1:
            focused.append((event.source.getRoleName(), event.source.name))


def run(program, *args, **kwargs):  # on 2026-12-10 12:00, frozen, twelve days after quitting
    faketime = next(pathlib.Path("/usr/lib").glob("*/faketime/libfaketime.so.1"))
    env = dict(os.environ, FAKETIME="2026-12-10 12:00:00", FAKETIME_DONT_FAKE_MONOTONIC="1",
               LD_PRELOAD=str(faketime), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    return subprocess.Popen([build / program, *args], cwd=work, env=env, **kwargs)


def wait_for(find, what):
    for _ in range(100):
        while GLib.MainContext.default().iteration(False):
            pass
        if found := find():
            return found
        time.sleep(0.2)
    sys.exit(f"FAIL: {what}")


def showing(node):
    for child in filter(None, map(node.getChildAtIndex, range(node.childCount))):
        if child.getState().contains(pyatspi.STATE_SHOWING):
            yield child
            yield from showing(child)


def window(title):
    desktop = pyatspi.Registry.getDesktop(0)
    apps = filter(None, map(desktop.getChildAtIndex, range(desktop.childCount)))
    return next((w for a in apps for w in showing(a) if w.name == title), None)


def names(win):  # of what a window shows, after checking every control's role and name
    nodes = [(node.getRoleName(), node.name) for node in showing(win)]
    for role, name in nodes:  # kana, kanji and full-width forms
        if role == "unknown" or not (any("\u3000" <= c <= "\uffef" for c in name) or
                                     not name and role in DECORATION):
            failures.add(f"{win.name.strip()}: {role} {name!r} has no Japanese name")
    return [name for _, name in nodes]


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


def choose_from_popup(menu_key, item, title):
    key(menu_key)  # popup menus are not in the tree: a reader follows the focus into them
    wait_for(lambda: focused[-1:] == [("menu item", "コピーする")], f"{menu_key}: no popup menu")
    while focused[-1] != ("menu item", item) and len(focused) < 50:
        seen = len(focused)
        key("Down")
        wait_for(lambda: len(focused) > seen and focused[-1][0] == "menu item", "left the menu")
    key("Return")
    return wait_for(lambda: window(title), f"{item} did not open {title.strip()}")


(work / "kemurinadata").mkdir()
(work / "kemurinadata/initial.ini").write_bytes(b"2026,11,28,9,30,20,410,85\r\n")
(work / "kemurinadata/option.ini").write_bytes(
    '1,12244,5,1,5,1,1500,1500,9241372,16777215,"a.jp/",2,0,0,"ソルジャー"\r\n'.encode("cp932"))
report = json.load(run("tools/report/kemurina-report", "--json", stdout=subprocess.PIPE).stdout)
# Qt sends only the events that listeners had asked for when it connected.
pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
wm = subprocess.Popen(["openbox", "--sm-disable"])
# A window mapped before openbox manages the screen is never given the focus.
wait_for(lambda: b"window id" in subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                                capture_output=True).stdout, "openbox did not start")
app = run("app/kemurina")
atexit.register(lambda: (app.terminate(), wm.terminate()))
shown = names(wait_for(lambda: window(MAIN), "no main window"))
failures.update(f"no label says {h} {report['captions'][c]}" for c, h in HEADINGS.items()
                if f"{h}\u3000{report['captions'][c]}" not in shown)
elapsed = f"{HEADINGS['elapsed']}\u3000{report['captions']['elapsed']}"
wait_for(lambda: focused[-1:] == [("label", elapsed)], "no focus on the elapsed label")
key("space")
day_count = f"{HEADINGS['elapsed']}\u3000１２日２時間３０分"
wait_for(lambda: day_count in names(window(MAIN)), "Space did not switch the elapsed label")
if report["miniSummary"] not in names(choose_from_popup("shift+F10", "ミニサイズで運転する", MINI)):
    failures.add("the mini summary is not read as shown")
names(choose_from_popup("Menu", "設定変更をする", SETTINGS))
print(*sorted(f"FAIL: {f}" for f in failures), "a11y: FAILED" if failures else "a11y: passed",
      sep="\n")
sys.exit(1 if failures else 0)
