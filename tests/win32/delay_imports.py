# Prints the DLLs a program loads on first use (delay-loaded), one a line, and checks that each
# can be loaded: every slot of a delay-import address table must hold the address of that
# function's loading stub, code of the image that puts the slot's own address in eax/rax and
# jumps to the DLL's common tail. A slot holding 0 or pointing elsewhere is a call to nowhere
# on the first use; it is reported on standard error and the exit status is 1.
# The toolchain's linker leaves the delay-import directory empty, so the descriptors
# (attributes 1, then the addresses of the DLL's name, its handle, address table and name
# table) are found in the sections. Usage: delay_imports.py PROGRAM
import struct, sys
image = open(sys.argv[1], "rb").read()
header = struct.unpack_from("<I", image, 0x3C)[0]
count, optional = struct.unpack_from("<H", image, header + 6)[0], struct.unpack_from("<H", image, header + 20)[0]
wide = struct.unpack_from("<H", image, header + 24)[0] == 0x20B  # PE32+: 64-bit addresses
base = struct.unpack_from("<Q" if wide else "<I", image, header + (48 if wide else 52))[0]
slot_size, slot_format = (8, "<Q") if wide else (4, "<I")
sections = [struct.unpack_from("<4I", image, header + 32 + optional + 40 * i) +
            struct.unpack_from("<I", image, header + 24 + optional + 40 * i + 36) for i in range(count)]
def at(rva):  # file offset of an address in the loaded image, or None
    for size, address, raw_size, raw, _ in sections:
        if address <= rva < address + min(size, raw_size): return raw + rva - address
def is_code(rva):
    return any(address <= rva < address + size and flags & 0x20000000 for size, address, _, _, flags in sections)
def name(rva):
    offset = at(rva)
    return image[offset:image.find(b"\0", offset)].decode("latin-1") if offset else ""
def tail_of_stub(stub, slot):  # where a loading stub for slot jumps, or None when it is none
    offset = at(stub)
    if offset is None or not is_code(stub): return None
    code = image[offset:offset + 12]
    if wide and code[:3] == b"\x48\x8d\x05" and stub + 7 + struct.unpack_from("<i", code, 3)[0] == slot:
        jump = 7  # lea rax, [rip + slot]
    elif not wide and code[:1] == b"\xb8" and struct.unpack_from("<I", code, 1)[0] == base + slot:
        jump = 5  # mov eax, slot
    else:
        return None
    return stub + jump + 5 + struct.unpack_from("<i", code, jump + 1)[0] if code[jump] == 0xE9 else None
faults = []
for _, _, raw_size, raw, _ in sections:
    for offset in range(raw, raw + raw_size - 19, 4):
        attributes, dll, module, iat, names = struct.unpack_from("<5I", image, offset)
        if not (attributes == 1 and name(dll).lower().endswith(".dll") and at(module) and at(iat) and at(names)):
            continue
        print(name(dll).lower())
        tails = set()
        for i in range(0, 4096 * slot_size, slot_size):
            entry = struct.unpack_from(slot_format, image, at(names + i))[0]
            if entry == 0: break
            function = f"#{entry & 0xFFFF}" if entry >> (slot_size * 8 - 1) else name((entry & 0x7FFFFFFF) + 2)
            stub = struct.unpack_from(slot_format, image, at(iat + i))[0] - base
            tail = tail_of_stub(stub, iat + i)
            if tail is not None and is_code(tail):
                tails.add(tail)
            else:
                faults.append(f"{sys.argv[1]}: {name(dll)} {function}: delay-import slot holds "
                              f"{stub + base:#x}, not the address of its loading stub in the code")
        if len(tails) > 1:
            faults.append(f"{sys.argv[1]}: {name(dll)}: loading stubs jump to {len(tails)} different tails")
if faults: print(*faults, sep="\n", file=sys.stderr)
sys.exit(1 if faults else 0)
