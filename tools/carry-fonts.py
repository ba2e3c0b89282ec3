#!/usr/bin/python3
"""Copies the Liberation 1.x faces that the windows, plots and report were laid out with into
assets/fonts/ under family names of the program's own.

The program registers these copies at start and asks for them by name.  Under their original
names they would compete with Liberation 2.x (fonts-liberation2), which shares the family names
but draws other glyphs, and the desktop's font configuration could pick either.  Only the names
change; outlines, hinting and metrics are the 1.x files' own.  The licence of the 1.x fonts
(GPL v2 with the font exception, copied beside the files as LICENSE) allows modified copies;
renaming also keeps Red Hat's trademark off the modified faces.

Needs python3-fonttools and fonts-liberation (1.x, /usr/share/fonts/truetype/liberation/).
Run once after the source faces change; the copies are committed.
"""

import pathlib
import shutil

from fontTools.ttLib import TTFont

SOURCE = pathlib.Path("/usr/share/fonts/truetype/liberation")
LICENCE = pathlib.Path("/usr/share/doc/fonts-liberation/copyright")
TARGET = pathlib.Path(__file__).resolve().parent.parent / "assets" / "fonts"

# Source file, the family's name in the source, the program's own name for it.
FACES = [
    ("LiberationSerif-Regular.ttf", "Liberation Serif", "Trelvix Serif"),
    ("LiberationSerif-Bold.ttf", "Liberation Serif", "Trelvix Serif"),
    ("LiberationSans-Regular.ttf", "Liberation Sans", "Trelvix Sans"),
]

# Family, unique identifier, full name and PostScript name; the copyright, version, trademark
# and licence records are kept as they are.
RENAMED_RECORDS = {1, 3, 4, 6, 16, 17}


def carry(file_name: str, old: str, new: str) -> None:
    font = TTFont(SOURCE / file_name, recalcTimestamp=False)
    for record in font["name"].names:
        if record.nameID not in RENAMED_RECORDS:
            continue
        text = record.toUnicode()
        text = text.replace(old, new).replace(old.replace(" ", ""), new.replace(" ", ""))
        record.string = text
    font.save(TARGET / file_name.replace("Liberation", "Trelvix"))


def main() -> None:
    TARGET.mkdir(parents=True, exist_ok=True)
    for file_name, old, new in FACES:
        carry(file_name, old, new)
    shutil.copyfile(LICENCE, TARGET / "LICENSE")


if __name__ == "__main__":
    main()
