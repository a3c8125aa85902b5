"""Stand-ins for the faces of a Chinese Windows, for the Windows tests and
benchmarks under Wine, built from this machine's free faces and named as
Windows names them, in English and in Simplified Chinese:
    simsun.ttc  SimSun (宋体) and NSimSun (新宋体): AR PL UMing CN, which has
                宋体's metrics and, like it, bitmaps for the small sizes
    msyh.ttc    Microsoft YaHei (微软雅黑): Noto Sans CJK SC, with TrueType
                outlines as Microsoft YaHei has (Windows takes a face with
                PostScript outlines for another kind of face), and only the
                characters of TEXT-FILES, which keeps converting them quick

    faces.py OUT-DIR TEXT-FILES...
"""

import os
import sys

from fontTools import subset
from fontTools.pens.cu2quPen import Cu2QuPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTCollection, TTFont, newTable

out, texts = sys.argv[1], sys.argv[2:]


def named(font, english, chinese):
    names = font["name"]
    names.names = [n for n in names.names if n.nameID not in (1, 2, 3, 4, 6, 16, 17)]
    for language, family in ((0x409, english), (0x804, chinese)):
        names.setName(family, 1, 3, 1, language)
        names.setName(family, 4, 3, 1, language)
    names.setName("Regular", 2, 3, 1, 0x409)
    names.setName(english, 3, 3, 1, 0x409)
    names.setName(english.replace(" ", ""), 6, 3, 1, 0x409)
    return font


def save(path, *fonts):
    collection = TTCollection()
    collection.fonts = list(fonts)
    collection.save(os.path.join(out, path), shareTables=True)


def truetype(font):
    """The font with its PostScript outlines drawn again as TrueType's."""
    order = font.getGlyphOrder()
    glyphs = font.getGlyphSet()
    quadratic = {}
    for name in order:
        pen = TTGlyphPen(glyphs)
        glyphs[name].draw(Cu2QuPen(pen, 1.0, reverse_direction=True))
        quadratic[name] = pen.glyph()
    font["loca"] = newTable("loca")
    font["glyf"] = glyf = newTable("glyf")
    glyf.glyphOrder, glyf.glyphs = order, quadratic
    del font["CFF "], font["VORG"]
    font["maxp"].tableVersion = 0x00010000
    for field in ("maxTwilightPoints", "maxStorage", "maxFunctionDefs", "maxInstructionDefs", "maxStackElements",
                  "maxSizeOfInstructions", "maxComponentElements"):
        setattr(font["maxp"], field, 0)
    font["maxp"].maxZones = 1
    post = font["post"]
    post.formatType, post.extraNames, post.mapping, post.glyphOrder = 2.0, [], {}, order
    font["head"].glyphDataFormat = 0
    font.sfntVersion = "\0\1\0\0"
    return font


os.makedirs(out, exist_ok=True)
uming = "/usr/share/fonts/truetype/arphic/uming.ttc"
save("simsun.ttc", named(TTFont(uming, fontNumber=0, lazy=True), "SimSun", "宋体"),
     named(TTFont(uming, fontNumber=0, lazy=True), "NSimSun", "新宋体"))

noto = TTFont("/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc", fontNumber=2)  # SC
shown = "".join(open(path, encoding="utf-8").read() for path in texts)
options = subset.Options()
options.layout_features, options.name_IDs, options.name_languages, options.notdef_outline = ["*"], ["*"], ["*"], True
keep = subset.Subsetter(options)
keep.populate(unicodes={ord(c) for c in shown} | set(range(0x20, 0x7F)))
keep.subset(noto)
save("msyh.ttc", named(truetype(noto), "Microsoft YaHei", "微软雅黑"))
