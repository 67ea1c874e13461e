# Prints the DLLs a program loads on first use (delay-loaded), one a line. The toolchain's
# linker leaves the delay-import directory empty, so the descriptors (attributes 1, then the
# addresses of the DLL's name, its handle, address table and name table) are found in the
# sections. Usage: delay_imports.py PROGRAM
import struct, sys
image = open(sys.argv[1], "rb").read()
header = struct.unpack_from("<I", image, 0x3C)[0]
count, optional = struct.unpack_from("<H", image, header + 6)[0], struct.unpack_from("<H", image, header + 20)[0]
sections = [struct.unpack_from("<4I", image, header + 32 + optional + 40 * i) for i in range(count)]
def at(rva):  # file offset of an address in the loaded image, or None
    for size, address, raw_size, raw in sections:
        if address <= rva < address + min(size, raw_size): return raw + rva - address
def name(rva):
    offset = at(rva)
    return image[offset:image.find(b"\0", offset)].decode("latin-1").lower() if offset else ""
for _, _, raw_size, raw in sections:
    for offset in range(raw, raw + raw_size - 19, 4):
        attributes, dll, module, iat, names = struct.unpack_from("<5I", image, offset)
        if attributes == 1 and name(dll).endswith(".dll") and at(module) and at(iat) and at(names):
            print(name(dll))
