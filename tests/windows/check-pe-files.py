"""The Windows folder as Windows reads it: korvid.exe's file properties, icon
and manifest, and the DLLs that every program and plugin there imports, each
of which must be shipped in the folder or be one of Windows' own.

    check-pe-files.py FOLDER QT-FILES

QT-FILES lists the Qt files shipped, by their paths in the folder: the DLLs
there are korvid.exe's and those, which 许可声明.txt names. The names of
metadata.env are read from the environment.
"""

import os
import sys

import pefile

# Windows' own DLLs, on every Windows 10 and 11, that Qt and korvid.exe may
# import; anything else must be shipped.
SYSTEM = set("""advapi32 authz comctl32 comdlg32 d2d1 d3d11 d3d12 d3d9 dcomp dwmapi dwrite dxgi gdi32 imm32
    kernel32 mpr msvcrt netapi32 ole32 oleaut32 setupapi shcore shell32 shlwapi user32 userenv uxtheme version
    winmm ws2_32 wtsapi32""".split())

folder, listed = sys.argv[1], sys.argv[2]
meta = os.environ
failures = []
shipped = {name.lower(): os.path.join(root, name) for root, _, names in os.walk(folder) for name in names
           if name.lower().endswith((".exe", ".dll"))}
with open(listed, encoding="utf-8") as f:
    qt = {line.strip() for line in f if line.strip()}
dlls = {os.path.relpath(path, folder).replace(os.sep, "/") for path in shipped.values()} - {"korvid.exe"}
failures += [f"{name} is shipped, but not in the list of Qt files" for name in sorted(dlls - qt)]
failures += [f"{name} is in the list of Qt files, but not shipped" for name in sorted(qt)
             if not os.path.isfile(os.path.join(folder, name))]
for name, path in sorted(shipped.items()):
    pe = pefile.PE(path, fast_load=True)
    pe.parse_data_directories([pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_IMPORT"]])
    imports = [entry.dll.decode().lower() for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])]
    failures += [f"{os.path.relpath(path, folder)} imports {dll}, neither shipped nor Windows' own" for dll in imports
                 if dll not in shipped and dll[:-4] not in SYSTEM and not dll.startswith("api-ms-win-")]


def resources(pe, kind):
    """The data of each resource of this kind, by its id."""
    found = {}
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if entry.id == pefile.RESOURCE_TYPE[kind]:
            for item in entry.directory.entries:
                data = item.directory.entries[0].data.struct
                found[item.id] = pe.get_data(data.OffsetToData, data.Size)
    return found


def resource(pe, kind):
    """The data of the first resource of this kind."""
    return next(iter(resources(pe, kind).values()), b"")


major, minor, patch = map(int, meta["KORVID_VERSION"].split("."))
exe = pefile.PE(shipped["korvid.exe"])
fixed = exe.VS_FIXEDFILEINFO[0]
group = resource(exe, "RT_GROUP_ICON")  # a count, then 14 bytes an image: width, height, ..., bits, ..., id
icons = resources(exe, "RT_ICON")
found = {
    "GUI": exe.OPTIONAL_HEADER.Subsystem == pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"],
    "versions": [fixed.FileVersionMS, fixed.FileVersionLS, fixed.ProductVersionMS, fixed.ProductVersionLS],
    "strings": {table.LangID.decode().upper(): {k.decode(): v.decode() for k, v in table.entries.items()}
                for info in exe.FileInfo[0] if info.Key == b"StringFileInfo" for table in info.StringTable},
    # each size, 0 for 256; its bits per pixel; and whether it is stored as PNG
    "icons": [(group[6 + 14 * i], group[12 + 14 * i], icons[int.from_bytes(group[18 + 14 * i:20 + 14 * i], "little")]
               .startswith(b"\x89PNG")) for i in range(group[4])],
    "manifest": [part in resource(exe, "RT_MANIFEST")
                 for part in (b"PerMonitorV2", b'level="asInvoker"', b"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}")],
}
expected = {
    "GUI": True,
    "versions": [major << 16 | minor, patch << 16] * 2,
    "strings": {"080404B0": {
        "CompanyName": meta["KORVID_MAKER"], "FileDescription": meta["KORVID_CHINESE_NAME"],
        "FileVersion": meta["KORVID_SHORT_VERSION"], "InternalName": meta["KORVID_INTERNAL_NAME"],
        "LegalCopyright": meta["KORVID_COPYRIGHT"], "OriginalFilename": meta["KORVID_ORIGINAL_FILENAME"],
        "ProductName": meta["KORVID_PRODUCT_NAME"], "ProductVersion": meta["KORVID_SHORT_VERSION"]}},
    "icons": [(size, 32, size == 0) for size in (16, 20, 24, 32, 40, 48, 64, 0)],
    "manifest": [True, True, True],  # per-monitor v2, as the invoker, on Windows 10 and 11
}
failures += [f"korvid.exe's {key}: {found[key]}, not {expected[key]}" for key in expected if found[key] != expected[key]]
for failure in failures:
    print("FAIL:", failure, file=sys.stderr)
sys.exit(1 if failures else 0)
