#!/usr/bin/python3
"""Cuts the form's face down to the characters the pages can draw in it and writes it as WOFF2.

The characters: the printable ones of ASCII and Latin-1, which is what a German keyboard types into
a field (µ included), and every other character in the texts the pages and their modules carry,
read from the files given (the pages' HTML, CSS and scripts, the C++ sources of the libraries), so
that a new text with a new sign brings its glyph along. The rest of the face is left as it is:
hinting, kerning and the names with the licence.

Usage: font_subset.py OUT_DIR FONT... -- TEXT_FILE...
Writes OUT_DIR/NAME.woff2 for each FONT NAME.ttf.
"""
import logging
import os
import sys

from fontTools import subset


def characters(text_files):
    wanted = set(range(0x20, 0x7f)) | set(range(0xa0, 0x100))
    for name in text_files:
        with open(name, encoding='utf-8') as file:
            wanted.update(ord(c) for c in file.read() if ord(c) > 0xff)
    return wanted


def main(arguments):
    split = arguments.index('--')
    out_dir, fonts, text_files = arguments[0], arguments[1:split], arguments[split + 1:]
    unicodes = characters(text_files)
    os.makedirs(out_dir, exist_ok=True)
    for font_file in fonts:
        options = subset.Options(flavor='woff2', name_IDs=['*'], name_languages=['*'], notdef_outline=True)
        font = subset.load_font(font_file, options)
        subsetter = subset.Subsetter(options)
        subsetter.populate(unicodes=unicodes)
        subsetter.subset(font)
        name = os.path.splitext(os.path.basename(font_file))[0]
        subset.save_font(font, os.path.join(out_dir, name + '.woff2'), options)


if __name__ == '__main__':
    logging.getLogger("fontTools.subset").setLevel(logging.ERROR)  # its note on the dropped FFTM table
    main(sys.argv[1:])
