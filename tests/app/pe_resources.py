"""Reads what the tests need from a Windows executable: its imported DLLs
and its resources (dialog templates, initial list data, icons, bitmaps and
the version record). Works for 32-bit and 64-bit images, without Windows."""
import struct

RT_BITMAP, RT_ICON, RT_DIALOG, RT_GROUP_ICON, RT_VERSION = 2, 3, 5, 14, 16
RT_MANIFEST = 24
RT_DLGINIT = 240

# Predefined window classes of dialog templates, stored as atoms.
CLASS_ATOMS = {0x80: "Button", 0x81: "Edit", 0x82: "Static", 0x83: "ListBox",
               0x84: "ScrollBar", 0x85: "ComboBox"}


class PeImage:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        d = self.data
        if d[:2] != b"MZ":
            raise ValueError(f"{path}: not an executable")
        pe = struct.unpack_from("<I", d, 0x3C)[0]
        if d[pe:pe + 4] != b"PE\0\0":
            raise ValueError(f"{path}: no PE signature")
        self.machine, sections, _, _, _, opt_size, self.characteristics = struct.unpack_from(
            "<HHIIIHH", d, pe + 4)
        opt = pe + 24
        magic = struct.unpack_from("<H", d, opt)[0]
        self.is64 = magic == 0x20B
        self.subsystem = struct.unpack_from("<H", d, opt + 68)[0]
        dirs = opt + (112 if self.is64 else 96)
        count = struct.unpack_from("<I", d, dirs - 4)[0]
        self.directories = [struct.unpack_from("<II", d, dirs + 8 * i) for i in range(count)]
        self.sections = []
        table = opt + opt_size
        for i in range(sections):
            name, vsize, va, rsize, raw = struct.unpack_from("<8sIIII", d, table + 40 * i)
            self.sections.append((name.rstrip(b"\0").decode(), va, max(vsize, rsize), raw, rsize))

    def offset(self, rva):
        for _, va, size, raw, rsize in self.sections:
            if va <= rva < va + size:
                if rva - va >= rsize:
                    raise ValueError(f"RVA {rva:#x} lies in uninitialised data")
                return raw + rva - va
        raise ValueError(f"RVA {rva:#x} is in no section")

    def cstring(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    # Imports

    def imported_dlls(self):
        rva, size = self.directories[1]
        names = []
        if not rva:
            return names
        at = self.offset(rva)
        while True:
            entry = struct.unpack_from("<IIIII", self.data, at)
            if not any(entry):
                return names
            names.append(self.cstring(entry[3]))
            at += 20

    # Resources

    def resources(self):
        """{(type, name, language): bytes}; types and names are ints or strings."""
        rva, _ = self.directories[2]
        base = self.offset(rva)
        out = {}

        def entries(dir_offset):
            d = self.data
            named, ids = struct.unpack_from("<HH", d, base + dir_offset + 12)
            for i in range(named + ids):
                key, target = struct.unpack_from("<II", d, base + dir_offset + 16 + 8 * i)
                if key & 0x80000000:
                    at = base + (key & 0x7FFFFFFF)
                    length = struct.unpack_from("<H", d, at)[0]
                    key = d[at + 2:at + 2 + 2 * length].decode("utf-16-le")
                yield key, target

        for rtype, t in entries(0):
            for name, n in entries(t & 0x7FFFFFFF):
                for lang, leaf in entries(n & 0x7FFFFFFF):
                    data_rva, size = struct.unpack_from("<II", self.data, base + leaf)
                    start = self.offset(data_rva)
                    out[(rtype, name, lang)] = self.data[start:start + size]
        return out

    def resource(self, rtype, name):
        """The one resource of that type and name, with its language."""
        found = [(lang, data) for (t, n, lang), data in self.resources().items()
                 if t == rtype and n == name]
        if len(found) != 1:
            raise KeyError(f"resource type {rtype} name {name}: {len(found)} found")
        return found[0]


class Reader:
    def __init__(self, data, at=0):
        self.data, self.at = data, at

    def take(self, fmt):
        values = struct.unpack_from("<" + fmt, self.data, self.at)
        self.at += struct.calcsize("<" + fmt)
        return values if len(values) > 1 else values[0]

    def align(self, n):
        self.at = (self.at + n - 1) // n * n

    def wstr(self):
        end = self.at
        while self.data[end:end + 2] != b"\0\0":
            end += 2
        text = self.data[self.at:end].decode("utf-16-le")
        self.at = end + 2
        return text

    def sz_or_ord(self):
        first = self.take("H")
        if first == 0xFFFF:
            return self.take("H")
        self.at -= 2
        return self.wstr()


def parse_dialog_ex(data):
    r = Reader(data)
    version, signature = r.take("HH")
    if (version, signature) != (1, 0xFFFF):
        raise ValueError("not an extended dialog template")
    dlg = {}
    dlg["help_id"], dlg["ex_style"], dlg["style"], count = r.take("IIIH")
    dlg["rect"] = r.take("hhhh")
    dlg["menu"] = r.sz_or_ord()
    dlg["class"] = r.sz_or_ord()
    dlg["caption"] = r.wstr()
    if dlg["style"] & 0x48:  # DS_SETFONT or DS_SHELLFONT
        dlg["point_size"], dlg["weight"], dlg["italic"], dlg["charset"] = r.take("HHBB")
        dlg["face"] = r.wstr()
    controls = []
    for _ in range(count):
        r.align(4)
        c = {}
        c["help_id"], c["ex_style"], c["style"] = r.take("III")
        c["rect"] = r.take("hhhh")
        c["id"] = r.take("i")
        cls = r.sz_or_ord()
        c["class"] = CLASS_ATOMS.get(cls, cls) if isinstance(cls, int) else cls
        c["text"] = r.sz_or_ord()
        extra = r.take("H")
        r.at += extra
        controls.append(c)
    dlg["controls"] = controls
    return dlg


def parse_dlginit(data):
    """[(control id, message, raw bytes)] up to the closing zero."""
    r = Reader(data)
    records = []
    while True:
        control = r.take("H")
        if control == 0:
            return records, r.at
        message, length = r.take("HI")
        records.append((control, message, data[r.at:r.at + length]))
        r.at += length


def parse_version(data):
    """(fixed file info as a tuple of 13 DWORDs, {block: {key: value}}, translations)."""

    def node(at):
        length, value_length, is_text = struct.unpack_from("<HHH", data, at)
        r = Reader(data, at + 6)
        key = r.wstr()
        r.align(4)
        value_at = r.at
        value_bytes = value_length * 2 if is_text else value_length
        r.at += value_bytes
        r.align(4)
        children = []
        while r.at < at + length:
            child, child_end = node(r.at)
            children.append(child)
            r.at = child_end
            r.align(4)
        value = data[value_at:value_at + value_bytes]
        return (key, is_text, value, children), at + length

    (key, _, fixed, children), _ = node(0)
    if key != "VS_VERSION_INFO":
        raise ValueError("not a version record")
    strings, translations = {}, []
    for child_key, _, _, blocks in children:
        for block_key, _, block_value, entries in blocks:
            if child_key == "StringFileInfo":
                strings[block_key] = {
                    k: v.decode("utf-16-le").rstrip("\0") for k, _, v, _ in entries}
            elif child_key == "VarFileInfo" and block_key == "Translation":
                translations += [struct.unpack_from("<HH", block_value, i)
                                 for i in range(0, len(block_value), 4)]
    return struct.unpack_from("<13I", fixed), strings, translations


def parse_group_icon(data):
    """[(width, height, planes, bit count, byte size, icon id)] in stored order."""
    reserved, kind, count = struct.unpack_from("<HHH", data)
    if (reserved, kind) != (0, 1):
        raise ValueError("not an icon group")
    entries = []
    for i in range(count):
        w, h, _, _, planes, bits, size, icon_id = struct.unpack_from("<BBBBHHIH", data, 6 + 14 * i)
        entries.append((w or 256, h or 256, planes, bits, size, icon_id))
    return entries


def icon_image_size(data):
    """(width, height, bits per pixel, has alpha) of one RT_ICON image (PNG or DIB)."""
    if data[:8] == b"\x89PNG\r\n\x1a\n":
        w, h, depth, colour_type = struct.unpack_from(">IIBB", data, 16)
        return w, h, depth * 4 if colour_type == 6 else depth, colour_type == 6
    _, w, h, _, bits = struct.unpack_from("<IiiHH", data)
    pixels = data[40:40 + w * (h // 2) * 4] if bits == 32 else b""
    has_alpha = any(pixels[i] not in (0, 255) for i in range(3, len(pixels), 4))
    return w, h // 2, bits, has_alpha


def bitmap_header(data):
    """(width, height, bits per pixel, colours used) of an RT_BITMAP resource."""
    _, w, h, _, bits, _, _, _, _, used, _ = struct.unpack_from("<IiiHHIIiiII", data)
    return w, h, bits, used
