"""Gives Windows programs and DLLs the form Authenticode signing gives them:
padded with zero bytes to a multiple of 8 and with their PE checksum set.
A signed file with its signature removed (osslsigncode remove-signature) is
then the very file the unsigned build made, and the unsigned downloads are
what a published signature attaches to.

    pe-normalise.py FILE...
"""

import struct
import sys

assert sys.byteorder == "little", "the words are summed as this machine reads them"

for path in sys.argv[1:]:
    with open(path, "rb") as f:
        data = bytearray(f.read())
    data += bytes(-len(data) % 8)
    checksum = struct.unpack_from("<I", data, 0x3C)[0] + 24 + 64  # the optional header's CheckSum
    struct.pack_into("<I", data, checksum, 0)
    # the file's 16-bit words summed with end-around carry, then its length
    total = sum(memoryview(data).cast("H"))
    while total > 0xFFFF:
        total = (total & 0xFFFF) + (total >> 16)
    struct.pack_into("<I", data, checksum, total + len(data))
    with open(path, "wb") as f:
        f.write(data)
