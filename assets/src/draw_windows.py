#!/usr/bin/env python3
"""Draws the six window-type sketches (assets/okno1.svg .. okno6.svg).

Front view from the room side, black lines on white, in the pixel size of the
box each picture is shown in.  Only plain SVG Tiny 1.2 elements are written
(rect, line, stroke-dasharray) so that QSvgRenderer draws them as intended.

Opening marks (dashed):
  turn  - two lines from the hinge-side corners of the glass meeting in the
          middle of the handle side;
  tilt  - two lines from the bottom corners meeting in the top middle.

Usage: python3 draw_windows.py [output-dir]   (default: the assets folder)
"""

import os
import sys

# Profile faces as seen from the room, in px at box size.
FRAME = 9.0        # visible frame face
SASH = 10.0        # sash face (stiles and top rail)
DOOR_RAIL = 17.0   # bottom rail of a door sash
MULLION = 12.0     # fixed mullion between two sashes
TRANSOM = 10.0     # transom bar inside a door sash
BEAD = 5.0         # glazing bead of fixed glazing

W_FRAME = 2.5      # outer outline
W_SASH = 1.75      # sash outline
W_GLASS = 1.5      # glass edge, bead, transom
W_MITRE = 1.0      # mitre joints at the corners
W_MARK = 1.0       # opening marks
DASH = "5,3"

INK = "#000000"
PAPER = "#ffffff"


def f(v):
    """Short number format."""
    s = ("%.2f" % v).rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


class Drawing:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.items = []

    def rect(self, x, y, w, h, sw, fill=PAPER, rx=None):
        r = ' rx="%s"' % f(rx) if rx else ""
        self.items.append(
            '<rect x="%s" y="%s" width="%s" height="%s"%s fill="%s" '
            'stroke="%s" stroke-width="%s"/>'
            % (f(x), f(y), f(w), f(h), r, fill, INK, f(sw)))

    def line(self, x1, y1, x2, y2, sw, dash=None):
        d = ' stroke-dasharray="%s"' % dash if dash else ""
        self.items.append(
            '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" '
            'stroke-width="%s"%s/>'
            % (f(x1), f(y1), f(x2), f(y2), INK, f(sw), d))

    def svg(self, title):
        head = ('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" '
                'baseProfile="tiny" width="%d" height="%d" '
                'viewBox="0 0 %d %d">\n' % (self.w, self.h, self.w, self.h))
        body = ['<title>%s</title>' % title,
                '<rect x="0" y="0" width="%d" height="%d" fill="%s"/>'
                % (self.w, self.h, PAPER),
                '<g fill="none" stroke-linecap="butt" stroke-linejoin="miter">']
        body += ["  " + i for i in self.items]
        body.append('</g>')
        return head + "\n".join(body) + "\n</svg>\n"


def clip_segment(p, q, boxes):
    """Parts of segment p-q lying outside every axis-aligned box."""
    (x1, y1), (x2, y2) = p, q
    cut = []
    for bx0, by0, bx1, by1 in boxes:
        t0, t1 = 0.0, 1.0
        dx, dy = x2 - x1, y2 - y1
        ok = True
        for pk, qk in ((-dx, x1 - bx0), (dx, bx1 - x1),
                       (-dy, y1 - by0), (dy, by1 - y1)):
            if pk == 0:
                if qk < 0:
                    ok = False
                    break
            else:
                t = qk / pk
                if pk < 0:
                    t0 = max(t0, t)
                else:
                    t1 = min(t1, t)
        if ok and t0 < t1:
            cut.append((t0, t1))
    cut.sort()
    parts, t = [], 0.0
    for a, b in cut:
        if a > t:
            parts.append((t, a))
        t = max(t, b)
    if t < 1.0:
        parts.append((t, 1.0))
    seg = []
    for a, b in parts:
        if (b - a) * ((x2 - x1) ** 2 + (y2 - y1) ** 2) ** 0.5 < 2.0:
            continue
        seg.append(((x1 + a * (x2 - x1), y1 + a * (y2 - y1)),
                    (x1 + b * (x2 - x1), y1 + b * (y2 - y1))))
    return seg


def mark(d, p, q, keep_out):
    for a, b in clip_segment(p, q, keep_out):
        d.line(a[0], a[1], b[0], b[1], W_MARK, DASH)


def mitres(d, ox0, oy0, ox1, oy1, ix0, iy0, ix1, iy1):
    for (a, b) in (((ox0, oy0), (ix0, iy0)), ((ox1, oy0), (ix1, iy0)),
                   ((ox0, oy1), (ix0, iy1)), ((ox1, oy1), (ix1, iy1))):
        d.line(a[0], a[1], b[0], b[1], W_MITRE)


def handle(d, x, y):
    """Window/door handle, lever pointing down, rosette centred on (x, y)."""
    d.rect(x - 3.0, y - 6.5, 6.0, 13.0, 1.25, rx=1.5)
    d.rect(x - 1.75, y - 1.75, 3.5, 20.0, 1.25, rx=1.5)


def sash(d, x0, y0, x1, y1, hinge, turn, tilt, door=False,
         transom_y=None, keep_out=()):
    """One opening sash with outer edge x0..x1, y0..y1.

    hinge: 'L' or 'R' - side the sash turns on; the handle is opposite.
    """
    d.rect(x0, y0, x1 - x0, y1 - y0, W_SASH)
    gx0, gy0 = x0 + SASH, y0 + SASH
    gx1, gy1 = x1 - SASH, y1 - (DOOR_RAIL if door else SASH)
    mitres(d, x0, y0, x1, y1, gx0, gy0, gx1, gy1)
    blocked = list(keep_out)
    if transom_y is None:
        d.rect(gx0, gy0, gx1 - gx0, gy1 - gy0, W_GLASS)
    else:
        ta, tb = transom_y - TRANSOM / 2, transom_y + TRANSOM / 2
        d.rect(gx0, gy0, gx1 - gx0, ta - gy0, W_GLASS)
        d.rect(gx0, tb, gx1 - gx0, gy1 - tb, W_GLASS)
        blocked.append((gx0 - 1, ta - 0.5, gx1 + 1, tb + 0.5))
    # opening marks
    gm = (gy0 + gy1) / 2
    if turn:
        hx, ox = (gx0, gx1) if hinge == "L" else (gx1, gx0)
        mark(d, (hx, gy0), (ox, gm), blocked)
        mark(d, (hx, gy1), (ox, gm), blocked)
    if tilt:
        cx = (gx0 + gx1) / 2
        mark(d, (gx0, gy1), (cx, gy0), blocked)
        mark(d, (gx1, gy1), (cx, gy0), blocked)
    # handle in the middle of the handle-side stile
    hx = (x1 - SASH / 2) if hinge == "L" else (x0 + SASH / 2)
    hy = (transom_y - 6) if transom_y is not None else (y0 + y1) / 2 - 6
    handle(d, hx, hy)


def frame(d):
    m = W_FRAME / 2
    ox0, oy0, ox1, oy1 = m, m, d.w - m, d.h - m
    d.rect(ox0, oy0, ox1 - ox0, oy1 - oy0, W_FRAME)
    return ox0, oy0, ox1, oy1


def sashes_window(w, h, kinds, door=False, keep_out=()):
    """Frame with len(kinds) sashes side by side, fixed mullions between.

    kinds: list of (hinge, turn, tilt).
    """
    d = Drawing(w, h)
    ox0, oy0, ox1, oy1 = frame(d)
    ix0, iy0, ix1, iy1 = ox0 + FRAME, oy0 + FRAME, ox1 - FRAME, oy1 - FRAME
    mitres(d, ox0, oy0, ox1, oy1, ix0, iy0, ix1, iy1)
    n = len(kinds)
    fw = (ix1 - ix0 - (n - 1) * MULLION) / n
    transom_y = round(h * 0.55) if door else None
    for i, (hinge, turn, tilt) in enumerate(kinds):
        x0 = ix0 + i * (fw + MULLION)
        sash(d, x0, iy0, x0 + fw, iy1, hinge, turn, tilt, door=door,
             transom_y=transom_y, keep_out=keep_out)
    return d


def fixed_window(w, h):
    d = Drawing(w, h)
    ox0, oy0, ox1, oy1 = frame(d)
    fx = FRAME + 3.0                      # fixed frame is a bit wider
    ix0, iy0, ix1, iy1 = ox0 + fx, oy0 + fx, ox1 - fx, oy1 - fx
    d.rect(ix0, iy0, ix1 - ix0, iy1 - iy0, W_SASH)
    mitres(d, ox0, oy0, ox1, oy1, ix0, iy0, ix1, iy1)
    gx0, gy0, gx1, gy1 = ix0 + BEAD, iy0 + BEAD, ix1 - BEAD, iy1 - BEAD
    d.rect(gx0, gy0, gx1 - gx0, gy1 - gy0, W_GLASS)
    mitres(d, ix0, iy0, ix1, iy1, gx0, gy0, gx1, gy1)
    # two short strokes standing for the pane
    for k in (0.0, 9.0):
        x = gx1 - 38 + k
        y = gy0 + 14 + k
        d.line(x, y + 22, x + 22, y, W_MITRE)
    return d


def label_boxes(points):
    """Areas kept free for the field numbers the program draws."""
    return [(x - 4, y - 14, x + 16, y + 12) for x, y in points]


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..")
    TT = ("tilt-and-turn sash")
    pictures = {
        "okno1.svg": (sashes_window(193, 257, [("L", True, True)]),
                      "Single " + TT),
        "okno2.svg": (sashes_window(313, 225, [("L", True, False),
                                               ("R", True, True)]),
                      "Two sashes: turn, " + TT),
        "okno3.svg": (sashes_window(377, 201, [("L", True, True),
                                               ("L", True, False),
                                               ("R", True, True)]),
                      "Three sashes: " + TT + ", turn, " + TT),
        "okno4.svg": (fixed_window(193, 265), "Fixed glazing"),
        "okno5.svg": (sashes_window(129, 289, [("R", True, True)], door=True,
                                    keep_out=label_boxes([(56, 112),
                                                          (56, 224)])),
                      "Balcony door, " + TT + ", two glass fields"),
        "okno6.svg": (sashes_window(225, 289, [("L", True, False),
                                               ("R", True, True)], door=True,
                                    keep_out=label_boxes([(56, 112),
                                                          (56, 224),
                                                          (160, 112),
                                                          (160, 224)])),
                      "Double balcony door: turn, " + TT),
    }
    for name, (d, title) in pictures.items():
        with open(os.path.join(out, name), "w", encoding="utf-8") as fh:
            fh.write(d.svg(title))
        print(name, d.w, "x", d.h)


if __name__ == "__main__":
    main()
