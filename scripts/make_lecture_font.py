#!/usr/bin/env python3
"""Makes "Lecture Serif", the face the programs' "Times New Roman" stands for under Wine.

The pages create every font with an explicit character width. Windows then scales the face so that the
average character width its OS/2 table states (xAvgCharWidth) comes out at that width: Times New Roman
states 821 units per em (of 2048). Liberation Serif has the same advance widths but states 1163, the
average over all of its glyphs, so under Wine every text would come out at 0.69 of its Windows width.

This copy of Liberation Serif states the average the older OS/2 versions define, the one Times New Roman
states too: the lowercase letters and the space, weighted by their frequency in English text. That is 821
for the regular face, computed from Liberation Serif's own advance widths. The copy carries a name of its
own: the original name belongs to unmodified copies.

    make_lecture_font.py FOLDER    writes LectureSerif-Regular.ttf and LectureSerif-Bold.ttf into FOLDER
"""
import os
import sys

from fontTools.ttLib import TTFont

SOURCES = {
    "Regular": "/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf",
    "Bold": "/usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf",
}
FAMILY = "Lecture Serif"

# Weights per thousand of the lowercase letters and the space (OS/2 versions 0 to 2).
WEIGHTS = {
    "a": 64, "b": 14, "c": 27, "d": 35, "e": 100, "f": 20, "g": 14, "h": 42, "i": 63, "j": 3, "k": 6,
    "l": 35, "m": 20, "n": 56, "o": 56, "p": 17, "q": 4, "r": 49, "s": 56, "t": 71, "u": 31, "v": 10,
    "w": 18, "x": 3, "y": 18, "z": 2, " ": 166,
}


def weighted_average_width(font):
    cmap = font.getBestCmap()
    advances = font["hmtx"].metrics
    total = sum(weight * advances[cmap[ord(letter)]][0] for letter, weight in WEIGHTS.items())
    return total // 1000  # truncated, as the older OS/2 versions compute it


def rename(font, style):
    full = FAMILY if style == "Regular" else f"{FAMILY} {style}"
    postscript = f"{FAMILY.replace(' ', '')}-{style}"
    names = {1: FAMILY, 2: style, 3: f"{postscript};lecture copy", 4: full, 6: postscript}
    table = font["name"]
    # Keep the copyright, trademark and licence notices; every other name is the copy's own.
    table.names = [record for record in table.names if record.nameID in (0, 7, 13, 14)]
    for name_id, text in names.items():
        table.setName(text, name_id, 3, 1, 0x409)  # Windows, Unicode BMP, English (United States)
        table.setName(text, name_id, 1, 0, 0)  # Macintosh, Roman, English
    table.setName(
        "Liberation Serif with the average character width of the older OS/2 versions.", 10, 3, 1, 0x409
    )


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for style, source in SOURCES.items():
        font = TTFont(source)
        font["OS/2"].xAvgCharWidth = weighted_average_width(font)
        rename(font, style)
        target = os.path.join(folder, f"LectureSerif-{style}.ttf")
        font.save(target)
        print(f"{target}: average character width {font['OS/2'].xAvgCharWidth}")


if __name__ == "__main__":
    main()
