"""Zips a folder, the folder itself at the top, the same bytes from the same
files wherever and whenever it runs: its entries sorted by name, each dated
EPOCH (UTC) and with no owner, permissions or other time, as a zip made on
Windows holds them.

    zip-folder.py FOLDER ZIP EPOCH
"""

import os
import sys
import time
import zipfile

folder, archive, epoch = sys.argv[1], sys.argv[2], int(sys.argv[3])
date = time.gmtime(max(epoch, 315532800))[:6]  # a zip's dates start in 1980
top = os.path.dirname(os.path.abspath(folder))
paths = [folder]
for root, dirs, files in os.walk(folder):
    paths += [os.path.join(root, name) for name in dirs + files]
with zipfile.ZipFile(archive, "w") as out:
    for path in sorted(paths, key=lambda p: os.path.relpath(p, top).encode()):
        name = os.path.relpath(os.path.abspath(path), top).replace(os.sep, "/")
        entry = zipfile.ZipInfo(name + "/" if os.path.isdir(path) else name, date)
        entry.create_system = 0  # MS-DOS: the attributes below, and no Unix ones
        if os.path.isdir(path):
            entry.external_attr = 0x10  # a folder
            out.writestr(entry, b"")
        else:
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as f:
                out.writestr(entry, f.read(), compresslevel=9)
