#!/usr/bin/env python3
"""Writes the six milestone pictures (SVG, 30x29) and renders their 1x and @2x PNGs.

The story of the 11-day bands: the duck vice-captain arrives on day 11, the duck
captain on day 22 and the duck king on day 33; on days 44, 55 and 66 each of them
in turn celebrates. Each duck keeps its slot in the window (vice-captain left,
king centre, captain right), and they grow with their rank.
"""
import pathlib
import subprocess

OUTLINE = "#6b420a"
BODY = "#ffd83a"
WING = "#f0b400"
BEAK = "#ff8c1a"
BEAK_LINE = "#a84a00"
EYE = "#2a1805"


def path(d, fill, stroke=None, width=None, extra=""):
    s = f'<path d="{d}" fill="{fill}"'
    if stroke:
        s += f' stroke="{stroke}" stroke-width="{width}" stroke-linejoin="round"'
    return s + extra + "/>"


def duck(happy=False, cloak=""):
    """A rubber duck facing right; body x 2.5..29.3, bottom at y 27.5."""
    p = [
        path("M 2.5 13.5 C 4.5 15.5 7 16.5 10 16.5 L 18 16.5 C 23 16.5 25.5 19 25 22 "
             "C 24.5 26 19.5 27.5 14 27.5 C 8 27.5 4 26 3.5 22 C 3 19 3.8 16.5 2.5 13.5 Z",
             BODY, OUTLINE, 1.1)
    ]
    if cloak:
        p.append(cloak)
    p.append(f'<circle cx="19" cy="10" r="5.8" fill="{BODY}" stroke="{OUTLINE}" stroke-width="1.1"/>')
    p.append(path("M 15 14 L 22.5 14 L 23 18 L 14 18 Z", BODY))  # hides the neck seam
    if happy:
        p.append(path("M 23.8 11.8 L 28.6 9.8 L 27.4 13.6 Z", "#d8402f"))
        p.append(path("M 23.4 11.6 C 24.2 9.4 26.8 8 29.3 8.6 C 28.8 10.6 26.4 11.8 23.4 11.6 Z",
                      BEAK, BEAK_LINE, 0.6))
        p.append(path("M 23.6 12.4 C 25.6 12.4 27.2 13 28 14.2 C 26.6 15.1 24.6 14.8 23.4 13.6 Z",
                      BEAK, BEAK_LINE, 0.6))
        p.append(f'<path d="M 19.6 9.5 C 20.2 7.9 22 7.9 22.6 9.5" fill="none" stroke="{EYE}"'
                 ' stroke-width="1.1" stroke-linecap="round"/>')
    else:
        p.append(path("M 23.6 10.4 C 25.8 9.7 28 10.1 29 11.3 C 28 12.8 25.8 13.2 23.6 12.6 Z",
                      BEAK, BEAK_LINE, 0.8))
        p.append(f'<circle cx="21" cy="9" r="1.2" fill="{EYE}"/>'
                 '<circle cx="21.4" cy="8.6" r=".45" fill="#fff"/>')
    p.append('<circle cx="20.3" cy="12.3" r="1.1" fill="#ff8f8f" opacity=".75"/>')
    if happy:  # wing raised and waving
        p.append(path("M 9.5 20.5 C 7 18.5 5.5 14.5 6.5 11 C 7.2 12.2 8 12.3 8.6 11.6 "
                      "C 9 12.8 9.9 13 10.6 12.4 C 11 14 11.8 14.4 12.6 14 "
                      "C 13.6 16.5 14 19 13.5 21 Z", WING, OUTLINE, 0.9))
    elif not cloak:  # a cloak covers the folded wing
        p.append(path("M 8.5 20 C 10.5 17.8 15.5 17.8 18 20.3 C 16 23.5 11 23.5 8.5 20 Z",
                      WING, OUTLINE, 0.9))
    return "\n".join(p)


def vice_captain_cap():
    return "\n".join([
        path("M 13.6 7.6 C 13.4 2.8 23.6 2.2 24.4 6.8 Z", "#3fa43a", "#1d5318", 1),
        path("M 23.4 6.6 C 25 6.4 27 6.8 28 7.6 C 26.8 8.6 24.6 8.6 22.8 8 Z",
             "#2d7d28", "#1d5318", 0.9),
        '<path d="M 14.4 6 C 17 5 21 4.8 23.6 5.6" fill="none" stroke="#fff" stroke-width="1"/>',
    ])


def captain_cap():
    return "\n".join([
        path("M 13.8 8 L 14 4.8 L 24 4.8 L 24.2 8 Z", "#223e8c", "#101c44", 0.9),
        '<ellipse cx="19" cy="3.8" rx="6.8" ry="2.1" fill="#fff" stroke="#101c44"'
        ' stroke-width=".9"/>',
        path("M 23 7.4 C 25 7.2 27.4 7.7 28.4 8.7 C 27 9.6 24.6 9.5 22.6 8.8 Z",
             "#151515", "#000", 0.6),
        '<circle cx="20.4" cy="6.3" r="1.1" fill="#ffce1a" stroke="#9a6b00" stroke-width=".5"/>',
    ])


def crown():
    gems = "".join(f'<circle cx="{x}" cy="{y}" r="{r}" fill="#e0202a"/>'
                   for x, y, r in ((19, 3.9, 0.9), (13.6, 0.9, 0.7), (19, 0.5, 0.7),
                                   (24.4, 0.9, 0.7)))
    return "\n".join([
        path("M 14.4 6.4 L 13.6 0.9 L 16.6 3.4 L 19 0.4 L 21.4 3.4 L 24.4 0.9 L 23.6 6.4 Z",
             "#ffcf26", "#8a5a00", 0.9),
        '<path d="M 14.4 5.2 L 23.6 5.2" stroke="#8a5a00" stroke-width=".6"/>',
        gems,
    ])


def royal_cloak():
    spots = "".join(f'<circle cx="{x}" cy="{y}" r=".45" fill="#222"/>'
                    for x, y in ((16.6, 16.8), (19.4, 17.3), (22, 16.6)))
    return "\n".join([
        path("M 15 14.6 C 11 16.8 6 17.2 3.4 15.2 C 3.8 19.5 5.4 23 8.2 24.8 "
             "C 11.5 22.6 14.8 19.6 16.6 16.4 Z", "#d42a34", "#7a1016", 0.9),
        path("M 14.2 14.6 C 16.5 16.4 21 16.6 23.4 14.6 C 23.6 16.6 23.2 17.4 22.8 17.6 "
             "C 20 18.6 16.6 18.6 14.2 17.4 Z", "#fff", "#6b6b6b", 0.6),
        spots,
    ])


def note(x, y, colour="#2f6fd6"):
    return (f'<g transform="translate({x} {y})" fill="{colour}" stroke="{colour}">'
            '<ellipse cx="1.6" cy="6" rx="1.7" ry="1.3" stroke="none"'
            ' transform="rotate(-20 1.6 6)"/>'
            '<path d="M 3.1 5.8 L 3.1 0.2 C 4.5 1 5.6 1.6 5.4 3.4" fill="none"'
            ' stroke-width=".9"/></g>')


def heart(x, y):
    return path("M 2.5 4.6 C 0.5 3.2 -0.3 2 0.2 0.9 C 0.7 -0.2 2 -0.2 2.5 0.9 "
                "C 3 -0.2 4.3 -0.2 4.8 0.9 C 5.3 2 4.5 3.2 2.5 4.6 Z",
                "#ff4f7a", "#a3173b", 0.6, f' transform="translate({x} {y})"')


def twinkle(x, y, r):
    k = r * 0.28
    return path(f"M {x} {y - r} L {x + k} {y - k} L {x + r} {y} L {x + k} {y + k} "
                f"L {x} {y + r} L {x - k} {y + k} L {x - r} {y} L {x - k} {y - k} Z",
                "#fff7b0", "#c98a00", 0.5)


def place(inner, scale, facing_left=False, bottom=28.6):
    """Scales a duck, stands it on `bottom` and centres it in the 30 px width."""
    centre = (2.5 + 29.2) / 2
    top = bottom - 28.05 * scale
    if facing_left:
        return (f'<g transform="translate({15 + centre * scale:.2f} {top:.2f})'
                f' scale({-scale} {scale})">\n{inner}\n</g>')
    return (f'<g transform="translate({15 - centre * scale:.2f} {top:.2f})'
            f' scale({scale})">\n{inner}\n</g>')


VICE, CAPTAIN, KING = 0.78, 0.88, 0.97

PICTURES = {
    "image1_10": ("day 11: the duck vice-captain arrives",
                  place(duck() + vice_captain_cap(), VICE)),
    "image1_12": ("day 22: the duck captain arrives",
                  place(duck() + captain_cap(), CAPTAIN, facing_left=True)),
    "image1_11": ("day 33: the duck king arrives",
                  place(duck(cloak=royal_cloak()) + crown(), KING)),
    "image3_0": ("day 44: the duck vice-captain rejoices",
                 place(duck(True) + vice_captain_cap(), VICE) + note(3, 1) + note(10, 3.5)),
    "image3_2": ("day 55: the duck captain rejoices",
                 place(duck(True) + captain_cap(), CAPTAIN, facing_left=True)
                 + heart(22.5, 1.2) + heart(25.5, 6)),
    "image3_1": ("day 66: the duck king rejoices",
                 place(duck(True, cloak=royal_cloak()) + crown(), KING)
                 + twinkle(3.5, 4, 3) + twinkle(8.5, 1.8, 1.6) + twinkle(27.5, 19, 2)),
}


def main():
    here = pathlib.Path(__file__).resolve().parent
    for name, (title, body) in PICTURES.items():
        svg = here / f"{name}.svg"
        svg.write_text('<?xml version="1.0" encoding="UTF-8"?>\n'
                       f"<!-- {title} (written by make-milestones.py) -->\n"
                       '<svg xmlns="http://www.w3.org/2000/svg" width="30" height="29"'
                       ' viewBox="0 0 30 29">\n' + body + "\n</svg>\n", encoding="utf-8")
        for zoom, suffix in ((1, ""), (2, "@2x")):
            subprocess.run(["rsvg-convert", "-z", str(zoom), str(svg), "-o",
                            str(here / f"{name}{suffix}.png")], check=True)


if __name__ == "__main__":
    main()
