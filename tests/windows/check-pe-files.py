"""The Windows folder as Windows reads it: korvid.exe's file properties, icon
and manifest, and the DLLs that every program and plugin there imports, each
of which must be shipped in the folder or be one of Windows' own.

    check-pe-files.py FOLDER
"""

import os
import sys

import pefile

# Windows' own DLLs, on every Windows 10 and 11, that Qt and korvid.exe may
# import; anything else must be shipped.
SYSTEM = set("""advapi32 authz comctl32 comdlg32 d2d1 d3d11 d3d12 d3d9 dcomp dwmapi dwrite dxgi gdi32 imm32
    kernel32 mpr msvcrt netapi32 ole32 oleaut32 setupapi shcore shell32 shlwapi user32 userenv uxtheme version
    winmm ws2_32 wtsapi32""".split())

folder = sys.argv[1]
failures = []
shipped = {name.lower(): os.path.join(root, name) for root, _, names in os.walk(folder) for name in names
           if name.lower().endswith((".exe", ".dll"))}
for name, path in sorted(shipped.items()):
    pe = pefile.PE(path, fast_load=True)
    pe.parse_data_directories([pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_IMPORT"]])
    imports = [entry.dll.decode().lower() for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])]
    failures += [f"{os.path.relpath(path, folder)} imports {dll}, neither shipped nor Windows' own" for dll in imports
                 if dll not in shipped and dll[:-4] not in SYSTEM and not dll.startswith("api-ms-win-")]


def resource(pe, kind):
    """The data of the first resource of this kind."""
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if entry.id == pefile.RESOURCE_TYPE[kind]:
            data = entry.directory.entries[0].directory.entries[0].data.struct
            return pe.get_data(data.OffsetToData, data.Size)
    return b""


exe = pefile.PE(shipped["korvid.exe"])
fixed = exe.VS_FIXEDFILEINFO[0]
group = resource(exe, "RT_GROUP_ICON")  # a count, then 14 bytes an image: width, height, ..., bits
found = {
    "GUI": exe.OPTIONAL_HEADER.Subsystem == pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"],
    "versions": [fixed.FileVersionMS, fixed.FileVersionLS, fixed.ProductVersionMS, fixed.ProductVersionLS],
    "strings": {table.LangID.decode().upper(): {k.decode(): v.decode() for k, v in table.entries.items()}
                for info in exe.FileInfo[0] if info.Key == b"StringFileInfo" for table in info.StringTable},
    "icons": [(group[6 + 14 * i], group[7 + 14 * i], group[12 + 14 * i]) for i in range(group[4])],
    "manifest": [part in resource(exe, "RT_MANIFEST")
                 for part in (b"PerMonitorV2", b'level="asInvoker"', b"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}")],
}
expected = {
    "GUI": True,
    "versions": [0x10001, 0, 0x10001, 0],  # 1.1.0.0, both
    "strings": {"080404B0": {
        "CompanyName": "青柚工作室", "FileVersion": "1.01", "InternalName": "Korvid理科计算器 V1.1.0 中文版",
        "OriginalFilename": "Korvid理科计算器 V1.1.0 中文版.exe", "ProductName": "Korvid", "ProductVersion": "1.01"}},
    "icons": [(48, 48, 24)],
    "manifest": [True, True, True],  # per-monitor v2, as the invoker, on Windows 10 and 11
}
failures += [f"korvid.exe's {key}: {found[key]}, not {expected[key]}" for key in expected if found[key] != expected[key]]
for failure in failures:
    print("FAIL:", failure, file=sys.stderr)
sys.exit(1 if failures else 0)
