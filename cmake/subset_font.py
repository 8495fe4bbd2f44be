# Cuts the program's scalable font down to the characters it can show: those of every
# msgstr of the catalogue, printable ASCII and a few typographic signs. Run by the build
# with the Python of fontTools' pyftsubset (the same subsetter):
#
#   python3 subset_font.py FONT OUTPUT PO_FILE...
#
# The cut-down font is renamed: under the font's licence a program derived from it may not
# carry its name. Its hinting instructions are dropped (the program hints with FreeType's
# light autohinter), and so are the layout tables (it places glyphs by their advances).
import re
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

EXTRA = (
    "°±×−–—…→←↑↓·⇧"
    "、。，．・：；？！（）［］｛｝「」『』〜～　＋－＝／＜＞％"
)
NEW_NAME = "agvsim sans"


def unescape(literal):
    escapes = {"n": "\n", "t": "\t", '"': '"', "\\": "\\"}
    return re.sub(r"\\(.)", lambda m: escapes.get(m.group(1), m.group(1)), literal)


def msgstr_texts(path):
    """The msgstr texts of a PO file, C escapes undone."""
    texts, current, in_msgstr = [], [], False
    with open(path, encoding="utf-8") as po:
        for line in po:
            line = line.strip()
            m = re.match(r'^(msgid|msgstr)\s+"(.*)"$', line)
            if m:
                if in_msgstr:
                    texts.append("".join(current))
                in_msgstr = m.group(1) == "msgstr"
                current = [unescape(m.group(2))] if in_msgstr else []
            elif line.startswith('"') and in_msgstr:
                current.append(unescape(line[1:-1]))
            elif not line or line.startswith("#"):
                if in_msgstr:
                    texts.append("".join(current))
                in_msgstr, current = False, []
    if in_msgstr:
        texts.append("".join(current))
    return texts


def main():
    font_path, output, po_files = sys.argv[1], sys.argv[2], sys.argv[3:]
    chars = set(chr(c) for c in range(0x20, 0x7F)) | set(EXTRA)
    for po in po_files:
        for text in msgstr_texts(po):
            chars.update(c for c in text if c >= " ")

    options = subset.Options()
    options.hinting = False
    options.layout_features = []
    options.drop_tables += ["GSUB", "GPOS", "GDEF", "BASE", "vhea", "vmtx", "gasp"]
    options.notdef_glyph = True
    options.notdef_outline = True  # the missing-glyph box
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    font = TTFont(font_path)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=sorted(ord(c) for c in chars))
    subsetter.subset(font)

    name = font["name"]
    for record in name.names:
        if record.nameID in (1, 4, 16):
            record.string = NEW_NAME
        elif record.nameID == 3:
            record.string = NEW_NAME + " " + record.toUnicode().split(" ")[-1]
        elif record.nameID == 6:
            record.string = NEW_NAME.replace(" ", "-")
    font.save(output)


if __name__ == "__main__":
    main()
