"""Third-party notices for Qt for Windows as Korvid ships it: every entry of
Qt's qt_attribution.json files whose code went into the DLLs and plugins
that are shipped, with its licence text. What went in is read from the
compiler's own record of the files each object was built from (ninja's
deps log), so code that a configure flag leaves out stays out here too.

    qt-notices.py QT-SOURCE QT-BUILD > THIRD-PARTY-NOTICES.txt
"""

import json
import os
import subprocess
import sys

source, build = (os.path.realpath(path) for path in sys.argv[1:3])

# Objects of what is built but not shipped: the test library, and the
# platform and image format plugins korvid.exe never loads.
NOT_SHIPPED = ("src/testlib/", "src/plugins/platforms/offscreen/", "src/plugins/platforms/minimal/",
               "src/plugins/imageformats/")

deps = subprocess.run(["ninja", "-C", build, "-t", "deps"], capture_output=True, text=True, check=True).stdout
used, shipped = set(), False
for line in deps.splitlines():
    if line and not line[0].isspace():
        shipped = not line.startswith(NOT_SHIPPED)
    elif shipped and line.strip():
        used.add(os.path.realpath(os.path.join(build, line.strip())))


def listed(entry, field):
    """A field that lists names or lines: a string of them, split at blanks,
    or, as Qt 6.7 and later may write it, a list."""
    value = entry.get(field) or []
    return value.split() if isinstance(value, str) else value


def went_in(entry, directory):
    base = os.path.normpath(os.path.join(directory, entry.get("Path", ".")))
    files = listed(entry, "Files")
    if files:
        return any(os.path.join(base, name) in used for name in files)
    return any(path.startswith(base + os.sep) for path in used)


notices = []
for directory, _, names in os.walk(os.path.join(source, "src")):
    if "qt_attribution.json" not in names:
        continue
    with open(os.path.join(directory, "qt_attribution.json"), encoding="utf-8") as f:
        entries = json.loads(f.read(), strict=False)  # copyright lines hold raw line breaks
    for entry in entries if isinstance(entries, list) else [entries]:
        if not went_in(entry, directory):
            continue
        licence_files = listed(entry, "LicenseFiles") or listed(entry, "LicenseFile")
        texts = []
        for name in licence_files:
            with open(os.path.join(directory, name), encoding="utf-8", errors="replace") as f:
                texts.append(f.read().strip())
        version = f" {entry['Version']}" if entry.get("Version") else ""
        notices.append("\n".join([
            f"== {entry['Name']}{version} ==",
            f"Used in Qt as: {entry.get('QtUsage', '')}",
            f"Licence: {entry.get('License', '')} ({entry.get('LicenseId', '')})",
            "\n".join(copyright) if isinstance(copyright := entry.get("Copyright", ""), list) else copyright.strip(),
            "",
            *texts,
        ]))

if not notices:
    sys.exit("qt-notices: no third-party code found; is QT-BUILD a finished build?")
print("Qt for Windows, as shipped with Korvid, holds the following third-party code.\n")
print("\n\n".join(sorted(notices)))
