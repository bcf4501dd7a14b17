#!/usr/bin/env python3
"""Draws the library's icons and bitmaps into OUTDIR as .ico and .bmp files.

Every picture is drawn here from code, so no binary art is kept without its source.
Usage: gen_art.py OUTDIR   (writes the pictures and art.stamp, the list of files written)
"""
import os
import sys

sys.dont_write_bytecode = True  # keep the source folder clean

from imagefile import bmp8_bytes, bmp24_bytes, ico_bytes  # noqa: E402
from motifs import (GREEN, HELP_BLUE, INK, PHONE_ORANGE, RED, WHITE, arrow, badge, bell,  # noqa: E402
                    book, chain_link, clock, desk_phone, door_and_arrow, floppy, gear, handset,
                    no_sign, open_folder, page, pencil, play_triangle, plus, question_mark,
                    red_cross, ringing, solid, spark, speaker, turning_arrow)
from shapes import Canvas, box, circle  # noqa: E402
from splash import logon  # noqa: E402

BUTTON_FACE = (192, 192, 192)  # recoloured to the system's button face when loaded


# Icons: 32 and 16 pixels, drawn from the same 32-unit design ----------------------------

def icon(draw):
    images = []
    for size in (32, 16):
        canvas = Canvas(size, size, scale=size / 32)
        draw(canvas, size == 16)
        images.append([[canvas.rgba(x, y) for x in range(size)] for y in range(size)])
    return ico_bytes(images)


def phone_of_icon(canvas):
    """The telephone of the icons sits a little smaller and lower, leaving room to ring."""
    return canvas.view(1.6, 3.2, 0.9)


def icon_normal(canvas, small):
    desk_phone(phone_of_icon(canvas), small=small)
    badge(canvas, 24.5, 24.5, 7 if small else 6.5, GREEN, "pause")


def icon_alert(canvas, small):
    desk_phone(phone_of_icon(canvas), PHONE_ORANGE, small=small)
    badge(canvas, 24.5, 24.5, 7 if small else 6.5, RED, "alert")


RING_FRAMES = [(-12, 2.0, (-1,)), (0, 3.0, (-1, 1)), (12, 2.0, (1,))]  # tilt, lift, sides


def icon_ring(frame):
    def draw(canvas, small):
        tilt, lift, sides = RING_FRAMES[frame]
        phone = phone_of_icon(canvas)
        desk_phone(phone, lift=lift, tilt=tilt, small=small)
        ringing(phone, lift, tilt, sides, small)
    return draw


# Bitmaps ------------------------------------------------------------------------------------

def bitmap(width, height, draws, cell=32, scale=1.0, background=BUTTON_FACE, offset=(0, 0)):
    """8-bit bitmap of one or more pictures drawn side by side, each cell units wide.
    Only bare background keeps the background colour exactly, as the system turns that
    colour transparent (toolbars) or into the button face (3-D colour mapping)."""
    canvas = Canvas(width, height)
    for i, draw in enumerate(draws):
        draw(canvas.view(offset[0] + i * cell * scale, offset[1], scale, extent=cell))
    rows = canvas.flattened(background)
    for row, painted in zip(rows, canvas.pixels):
        for x, colour in enumerate(row):
            if colour == background and painted[x][3] >= 0.5:
                row[x] = tuple(c - 1 if c > 127 else c + 1 for c in colour)
    return bmp8_bytes(rows, keep=[background])


def accept(pen):
    handset(pen, 15, 13, 11.5, -32, GREEN)
    arrow(pen, 21, 28, 21, 19, GREEN, 3.2, 3.6)


def ignore(pen):
    bell(pen, 16, 15, 24)
    no_sign(pen, 16, 16, 13, 2.4)


def disconnect(pen):
    chain_link(pen, 8.5, 23.5, -45, RED, gap=True)
    chain_link(pen, 23.5, 8.5, 135, RED, gap=True)
    spark(pen, 16, 16, 10)


def call(pen):
    handset(pen, 13, 17, 11.5, 0, INK)
    arrow(pen, 14, 17, 27, 4, GREEN, 3.6, 4.0)


def reconnect(pen):
    turning_arrow(pen, 16, 16, 12, 200, 330, GREEN)
    turning_arrow(pen, 16, 16, 12, 20, 150, GREEN)
    chain_link(pen, 12.8, 19.2, -45, HELP_BLUE, size=5)
    chain_link(pen, 19.2, 12.8, -45, HELP_BLUE, size=5)


def phone_book(pen):
    book(pen)


def configuration(pen):
    gear(pen, 13, 13, 11)
    gear(pen, 23.5, 23.5, 7, (120, 130, 150), teeth=7)


def exit_door(pen):
    door_and_arrow(pen)


def help_sign(pen):
    solid(pen, circle(16, 16, 13), HELP_BLUE, (3, 3, 29, 29))
    question_mark(pen, 16, 15.5, 20)


def call_log(pen):
    page(pen, 4, 2, 24, 29)
    clock(pen, 22, 22, 8)


def save(pen):
    floppy(pen)


def save_as(pen):
    floppy(pen, 2, 2, 22)
    pencil(pen, 30, 12, 14, 29)


def new_entry(pen):
    page(pen, 4, 3, 23, 29)
    plus(pen, 23, 23, 7)


def edit_entry(pen):
    page(pen, 4, 3, 23, 29)
    pencil(pen, 30, 8, 12, 27)


def delete(pen):
    red_cross(pen, 16, 16, 10)


MAIN_TOOLBAR = [accept, ignore, disconnect, call, reconnect, phone_book, configuration,
                exit_door, help_sign, call_log]
LIST_TOOLBAR = [save_as, save, new_entry, edit_entry, delete, exit_door, help_sign]


def state_picture(frame):
    """48-pixel picture of the telephone in the main window: at rest, then ringing."""
    def draw(pen):
        if frame == 0:
            desk_phone(pen)
        else:
            tilt, lift, sides = RING_FRAMES[0 if frame == 1 else 2]
            desk_phone(pen, lift=lift, tilt=tilt)
            ringing(pen, lift, tilt, sides)
    return bitmap(48, 48, [draw], scale=1.5)


def outcome(draw):
    """16-pixel outcome picture on the white of a list."""
    return bitmap(16, 16, [draw], scale=0.5, background=WHITE)


def no_outcome(pen):
    pen.fill(box(9, 14, 23, 18, 2), (150, 150, 150))


def hung_up(pen):
    handset(pen, 16, 17, 14, 0, RED)


def answered(pen):
    handset(pen, 16, 16, 14, -35, GREEN)


def not_answered(pen):
    bell(pen, 16, 15, 24)
    no_sign(pen, 16, 16, 13, 3.4)


def button_phone_book(pen):
    book(pen, 6, 3, 26, 29, emblem=False)


def button_browse(pen):
    open_folder(pen, 2, 5, 30, 27)


def button_play(pen):
    speaker(pen, 7, 16, 15)
    play_triangle(pen, 24, 16, 6)


def button(draw):
    """Picture of a 24 by 22 push button: the 32-unit design at 21 pixels, centred."""
    return bitmap(24, 22, [draw], scale=0.66, offset=(1.5, 0.5))


# The table of pictures: file name and how to draw it. art.rc names the files. ----------------

PICTURES = {
    "moh_normal.ico": lambda: icon(icon_normal),
    "moh_alert.ico": lambda: icon(icon_alert),
    "moh_ring1.ico": lambda: icon(icon_ring(0)),
    "moh_ring2.ico": lambda: icon(icon_ring(1)),
    "moh_ring3.ico": lambda: icon(icon_ring(2)),
    "toolbar.bmp": lambda: bitmap(32 * len(MAIN_TOOLBAR), 32, MAIN_TOOLBAR),
    "list_toolbar.bmp": lambda: bitmap(32 * len(LIST_TOOLBAR), 32, LIST_TOOLBAR),
    "state_idle.bmp": lambda: state_picture(0),
    "state_ring2.bmp": lambda: state_picture(1),
    "state_ring3.bmp": lambda: state_picture(2),
    "outcome_none.bmp": lambda: outcome(no_outcome),
    "outcome_disconnected.bmp": lambda: outcome(hung_up),
    "outcome_accepted.bmp": lambda: outcome(answered),
    "outcome_ignored.bmp": lambda: outcome(not_answered),
    "button_phonebook.bmp": lambda: button(button_phone_book),
    "button_browse.bmp": lambda: button(button_browse),
    "button_play.bmp": lambda: button(button_play),
    "logon.bmp": lambda: bmp24_bytes(logon()),
}


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: gen_art.py OUTDIR")
    outdir = sys.argv[1]
    os.makedirs(outdir, exist_ok=True)
    for name, draw in PICTURES.items():
        with open(os.path.join(outdir, name), "wb") as f:
            f.write(draw())
    with open(os.path.join(outdir, "art.stamp"), "w") as f:
        f.write("\n".join(sorted(PICTURES)) + "\n")


if __name__ == "__main__":
    main()
