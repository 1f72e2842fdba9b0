#!/usr/bin/env python3
"""Writes the pictures of the skinned dialog frame into resources/skin/ as SVG files.

Every band edge lies on whole pixels, so the pictures stay sharp at any whole scale factor; the
corners outside the window's curve are filled with the key colour (255,0,255), which the frame
cuts out of the window. Run it again after changing a colour or a size here.
"""
import math
import os
import re

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "skin")
ICON = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "plx.svg")

KEY = "#ff00ff"
OUTLINE = "#8c8c8c"
GREY = "#ebebeb"
BLUE = "#5b89b6"  # 91,137,182
DARK_BLUE = "#316191"  # 49,97,145
BAND_TOP = "#fcfcfc"
BAND_BOTTOM = "#e3e3e3"  # 227,227,227
TAB_TOP = "#8fb3d6"
GLYPH = "#6e6e6e"
GLYPH_HOVER = "#3c3c3c"
SQUARE = "#e1e1e1"
SQUARE_EDGE = "#b4b4b4"

ICON_X = 12  # the icon in the top-left corner, from the outer edge
ICON_SIZE = 26
CAPTION_HEIGHT = 38
GRADIENT_ROWS = 31  # rows 0..30: outline, then the gradient; then the blue band
SIDE = 11  # outline, 4 grey, 5 blue, 1 dark blue (outside in)
BOTTOM = 12  # outline, 5 grey, 5 blue, 1 dark blue
TOP_RADIUS = 7
BOTTOM_RADIUS = 4

# Bands of a side border from the outside in: (colour, thickness).
SIDE_BANDS = [(OUTLINE, 1), (GREY, 4), (BLUE, 5), (DARK_BLUE, 1)]
BOTTOM_BANDS = [(OUTLINE, 1), (GREY, 5), (BLUE, 5), (DARK_BLUE, 1)]


def svg(width, height, body):
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">\n{body}</svg>\n')


def rect(x, y, w, h, fill):
    return f'  <rect x="{x}" y="{y}" width="{w}" height="{h}" fill="{fill}"/>\n'


def caption_band(x, width):
    """Outline row, the gradient from near white to light grey, the blue band, its dark row."""
    return (f'  <linearGradient id="band" x1="0" y1="1" x2="0" y2="{GRADIENT_ROWS}" '
            f'gradientUnits="userSpaceOnUse"><stop offset="0" stop-color="{BAND_TOP}"/>'
            f'<stop offset="1" stop-color="{BAND_BOTTOM}"/></linearGradient>\n'
            + rect(x, 0, width, 1, OUTLINE)
            + rect(x, 1, width, GRADIENT_ROWS - 1, "url(#band)")
            + rect(x, GRADIENT_ROWS, width, CAPTION_HEIGHT - GRADIENT_ROWS - 1, BLUE)
            + rect(x, CAPTION_HEIGHT - 1, width, 1, DARK_BLUE))


def vertical_bands(x0, y, height, bands, leftward=False):
    """A side border's columns from the outside in, starting at x0 (going left when leftward)."""
    out, offset = "", 0
    for colour, thickness in bands:
        x = x0 - offset - thickness + 1 if leftward else x0 + offset
        out += rect(x, y, thickness, height, colour)
        offset += thickness
    return out


def horizontal_bands(y0, x, width, bands):
    """The bottom border's rows from the outside (y0, the last row) upwards."""
    out, offset = "", 0
    for colour, thickness in bands:
        out += rect(x, y0 - offset - thickness + 1, width, thickness, colour)
        offset += thickness
    return out


def key_runs(radius):
    """For each row of a rounded corner, how many pixels from the edge lie outside the curve."""
    runs = []
    for row in range(radius):
        dy = radius - (row + 0.5)
        inside = math.sqrt(max(radius * radius - dy * dy, 0.0))
        runs.append(min(radius, int(round(radius - inside))))
    return runs


def rounded_corner(width, height, radius, top, left):
    """Key colour outside a curve of `radius` at one corner of the picture and the outline along
    the curve, on whole pixels. Rows count from the picture's outer edge (the top or the bottom)."""
    runs = key_runs(radius)
    out = ""
    for i, run in enumerate(runs):
        row = i if top else height - 1 - i
        # The outline joins this row's curve to the previous row's, so it has no gaps.
        outline = max(runs[i - 1] - run, 1) if i > 0 else 0
        for x, w, colour in ((0, run, KEY), (run, outline, OUTLINE)):
            if w > 0:
                out += rect(x if left else width - x - w, row, w, 1, colour)
    return out


def icon_group(x, y, size):
    """The program icon, taken from resources/plx.svg, scaled into a size x size square."""
    with open(ICON, encoding="utf-8") as f:
        text = f.read()
    inner = text[text.index(">", text.index("<svg")) + 1:text.rindex("</svg>")]
    # Gradient ids of the icon must not meet the frame's own.
    inner = re.sub(r'id="(\w+)"', r'id="icon_\1"', inner)
    inner = re.sub(r'url\(#(\w+)\)', r'url(#icon_\1)', inner)
    scale = size / 256
    return f'  <g transform="translate({x} {y}) scale({scale})">{inner}</g>\n'


def top_left(width, mirrored):
    """The top-left corner: the caption band with a blue tab that rises from the inner band and
    carries the icon. The wide tab leaves room beside the icon for the program's title, which the
    window writes in its own language (x 44 to width - 10, y 5 to 31). Mirrored pictures store
    the icon flipped, to read correctly in a window drawn mirrored."""
    body = caption_band(0, width)
    body += vertical_bands(0, 1, CAPTION_HEIGHT - 1, SIDE_BANDS[:2])
    tab_right = width - 6
    body += (f'  <linearGradient id="tab" x1="0" y1="3" x2="0" y2="{GRADIENT_ROWS}" '
             f'gradientUnits="userSpaceOnUse"><stop offset="0" stop-color="{TAB_TOP}"/>'
             f'<stop offset="1" stop-color="{BLUE}"/></linearGradient>\n')
    body += (f'  <path d="M5 {CAPTION_HEIGHT - 1} V9 a6 6 0 0 1 6 -6 H{tab_right - 6} '
             f'a6 6 0 0 1 6 6 V{CAPTION_HEIGHT - 1} Z" fill="url(#tab)" '
             f'stroke="{DARK_BLUE}" stroke-width="1"/>\n')
    body += rect(5, GRADIENT_ROWS, width - 5, CAPTION_HEIGHT - GRADIENT_ROWS - 1, BLUE)
    body += rect(5, CAPTION_HEIGHT - 1, width - 5, 1, BLUE)
    body += rect(SIDE - 1, CAPTION_HEIGHT - 1, width - SIDE + 1, 1, DARK_BLUE)
    picture = icon_group(ICON_X, 6, ICON_SIZE)
    if mirrored:
        # Flipped in its own place: the window's mirror puts it back the right way round, at the
        # outer end of the tab, where a right-to-left reader starts.
        picture = (f'  <g transform="translate({2 * ICON_X + ICON_SIZE} 0) scale(-1 1)">\n'
                   f'{picture}  </g>\n')
    body += picture
    body += rounded_corner(width, CAPTION_HEIGHT, TOP_RADIUS, top=True, left=True)
    return svg(width, CAPTION_HEIGHT, body)


def top_right():
    width = 17
    body = caption_band(0, width)
    body += rect(width - 5, GRADIENT_ROWS, 4, CAPTION_HEIGHT - GRADIENT_ROWS, GREY)
    body += rect(width - 1, 0, 1, CAPTION_HEIGHT, OUTLINE)
    body += rect(width - SIDE, CAPTION_HEIGHT - 1, SIDE - 5, 1, BLUE)
    body += rect(width - SIDE, CAPTION_HEIGHT - 1, 1, 1, DARK_BLUE)
    body += rounded_corner(width, CAPTION_HEIGHT, TOP_RADIUS, top=True, left=False)
    return svg(width, CAPTION_HEIGHT, body)


def side_edge(left):
    body = vertical_bands(0 if left else SIDE - 1, 0, 2, SIDE_BANDS, leftward=not left)
    return svg(SIDE, 2, body)


def bottom_edge():
    return svg(2, BOTTOM, horizontal_bands(BOTTOM - 1, 0, 2, BOTTOM_BANDS))


def bottom_corner(left):
    """Where a side border meets the bottom one: each pixel takes the outermost band of the two."""
    body = ""
    for y in range(BOTTOM):
        for x in range(SIDE):
            from_side = x if left else SIDE - 1 - x
            from_bottom = BOTTOM - 1 - y
            side = band_at(SIDE_BANDS, from_side)
            bottom = band_at(BOTTOM_BANDS, from_bottom)
            body += rect(x, y, 1, 1, min(side, bottom)[1])
    body += rounded_corner(SIDE, BOTTOM, BOTTOM_RADIUS, top=False, left=left)
    return svg(SIDE, BOTTOM, body)


def band_at(bands, distance):
    """(band index, colour) of the band `distance` pixels in from the outer edge."""
    for i, (colour, thickness) in enumerate(bands):
        if distance < thickness:
            return (i, colour)
        distance -= thickness
    return (len(bands), bands[-1][0])


def button(glyph, hover):
    """A grey glyph on a light grey square; the hover picture draws it smaller and darker."""
    inset = 5 if hover else 4
    lo, hi = inset, 16 - inset
    colour = GLYPH_HOVER if hover else GLYPH
    body = (f'  <rect x="0.5" y="0.5" width="15" height="15" rx="2" fill="{SQUARE}" '
            f'stroke="{SQUARE_EDGE}"/>\n')
    stroke = f'stroke="{colour}" stroke-width="2" fill="none"'
    if glyph == "close":
        body += f'  <path d="M{lo} {lo} L{hi} {hi} M{hi} {lo} L{lo} {hi}" {stroke}/>\n'
    elif glyph == "minimize":
        body += rect(lo, hi - 2, hi - lo, 2, colour)
    else:
        body += (f'  <rect x="{lo + 0.5}" y="{lo + 0.5}" width="{hi - lo - 1}" '
                 f'height="{hi - lo - 1}" {stroke} stroke-width="1"/>\n')
        body += rect(lo, lo, hi - lo, 2, colour)
    return svg(16, 16, body.replace('stroke-width="2" fill="none" stroke-width="1"',
                                    'fill="none" stroke-width="1"'))


def main():
    os.makedirs(OUT, exist_ok=True)
    pictures = {
        "top_left_wide.svg": top_left(215, False),
        "top_left_narrow.svg": top_left(51, False),
        "top_left_wide_rtl.svg": top_left(215, True),
        "top_left_narrow_rtl.svg": top_left(51, True),
        "top_right.svg": top_right(),
        "top_edge.svg": svg(2, CAPTION_HEIGHT, caption_band(0, 2)),
        "left_edge.svg": side_edge(True),
        "right_edge.svg": side_edge(False),
        "bottom_left.svg": bottom_corner(True),
        "bottom_right.svg": bottom_corner(False),
        "bottom_edge.svg": bottom_edge(),
    }
    for glyph in ("close", "minimize", "maximize"):
        pictures[f"{glyph}.svg"] = button(glyph, False)
        pictures[f"{glyph}_hover.svg"] = button(glyph, True)
    for name, text in pictures.items():
        with open(os.path.join(OUT, name), "w", encoding="utf-8") as f:
            f.write(text)


if __name__ == "__main__":
    main()
