#!/usr/bin/env python3
"""Checks the resources compiled into Tarvex.exe: the main dialog template
control by control, its initial list data against the core's format table,
the icon group, the imprint picture, the version record and the manifest.

usage: check_resources.py TARVEX_EXE PAPER_FORMATS_CPP
"""
import re
import sys
import unittest
import xml.etree.ElementTree as ET

import pe_resources as pe

EXE = PAPER_FORMATS = None
LANG_ZH_CN = 0x0804

WS_CHILD, WS_VISIBLE, WS_GROUP, WS_TABSTOP, WS_VSCROLL = 0x40000000, 0x10000000, 0x20000, 0x10000, 0x200000
WS_EX_STATICEDGE, WS_EX_APPWINDOW = 0x20000, 0x40000
SS_LEFT, SS_RIGHT, SS_ICON, SS_BLACKRECT, SS_BITMAP, SS_NOTIFY = 0, 2, 3, 4, 0xE, 0x100
ES_RIGHT, ES_AUTOHSCROLL = 2, 0x80
BS_PUSHBUTTON, CBS_DROPDOWNLIST = 0, 3
BASE = WS_CHILD | WS_VISIBLE

# kind: (window class, style, extended style)
KINDS = {
    "T": ("Static", BASE | SS_LEFT | WS_GROUP, 0),
    "E": ("Edit", BASE | ES_RIGHT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_STATICEDGE),
    "B": ("Button", BASE | BS_PUSHBUTTON | WS_TABSTOP, 0),
    "R": ("Static", BASE | SS_RIGHT | WS_GROUP, WS_EX_STATICEDGE),
    "L": ("Static", BASE | SS_BLACKRECT, WS_EX_STATICEDGE),
    "C": ("ComboBox", BASE | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0),
    "I": ("Static", BASE | SS_ICON | SS_NOTIFY, 0),
    "P": ("Static", BASE | SS_BITMAP, 0),
}

S = -1  # the shared id of texts, lines and the picture
MAIN_CONTROLS = [
    (S, "T", "按被扫描体尺寸、扫描DPI计算扫描后的像素点数：", (7, 7, 183, 8)),
    (S, "T", "按被扫描体尺寸、扫描后的像素点数推算扫描DPI：", (7, 43, 182, 8)),
    (S, "T", "被扫描的纸张尺寸", (7, 21, 64, 8)),
    (1000, "E", "", (74, 19, 32, 12)),
    (S, "T", "厘米\u00f72.54\u00d7扫描DPI", (110, 21, 76, 8)),
    (1001, "E", "", (189, 19, 32, 12)),
    (S, "T", "像素点", (296, 21, 26, 8)),
    (1002, "B", "=", (223, 17, 20, 14)),
    (1003, "R", "", (246, 19, 49, 12)),
    (S, "L", "", (7, 36, 318, 1)),
    (1004, "E", "", (66, 55, 32, 12)),
    (1005, "E", "", (175, 55, 32, 12)),
    (1006, "B", "=", (253, 53, 20, 14)),
    (1007, "R", "", (276, 55, 26, 12)),
    (S, "T", "扫描后像素点数", (7, 57, 57, 8)),
    (S, "T", "\u00f7被扫描的纸张尺寸", (101, 57, 73, 8)),
    (S, "T", "厘米\u00d72.54", (210, 57, 41, 8)),
    (S, "T", "DPI", (307, 57, 13, 8)),
    (S, "L", "", (7, 74, 318, 1)),
    (S, "T", "说明\uff1a", (7, 93, 25, 8)),
    (S, "T", "DPI的计算公式\uff1a扫描后像素点数\u00f7被扫描纸张的英制尺寸", (7, 104, 205, 8)),
    (S, "T", "除完结果的单位是\u201c点/英寸\u201d\uff0c这就是DPI\uff08dot per inch\uff0c点每英寸\uff09的由来。",
     (7, 115, 289, 8)),
    (S, "T", "例1\uff1a", (7, 151, 21, 8)),
    (S, "T", "16开书籍宽度18.5cm\uff0c按300 DPI扫描\uff0c扫描后的图像宽度=18.5\u00f72.54\u00d7300=2185像素点",
     (7, 162, 313, 8)),
    (S, "T", "中国人习惯用公制而非英制\uff0c1英寸=2.54厘米\uff0c因此用厘米数表示的DPI计算式为\uff1a",
     (7, 126, 293, 8)),
    (S, "T", "DPI = 扫描后像素点数\u00f7被扫描纸张的厘米尺寸\u00d72.54", (7, 137, 193, 8)),
    (S, "T", "当然实际扫描的时候由于书籍装帧等的影响\uff0c最终结果会在这个数字上下浮动。", (7, 173, 281, 8)),
    (S, "T", "例2\uff1a", (7, 188, 21, 8)),
    (S, "T", "16开书籍宽度18.5cm\uff0c扫描后的像素宽度为2416\uff0c反算扫描DPI=2416\u00f718.5\u00d72.54=332 DPI",
     (7, 198, 321, 8)),
    (S, "T", "考虑到书籍装帧对实际尺寸的影响\uff0c可以相信这个图像是按300 DPI扫描的。", (7, 209, 269, 8)),
    (S, "T", "预设开本、纸张尺寸:", (7, 80, 77, 8)),
    (1008, "C", "", (185, 78, 30, 75)),
    (S, "T", "的", (175, 80, 9, 8)),
    (1015, "C", "", (86, 78, 86, 293)),
    (1022, "I", 128, (297, 136, 20, 20)),
    (S, "P", 130, (7, 236, 196, 50)),
    (S, "T", "查看书籍开本\uff1a在书籍的版权页上会标注书籍的开本\uff0c如下图所示\uff1a", (7, 225, 241, 8)),
    (S, "T", "注\uff1aA、B系列纸张尺寸遵照《GB/T 788-1999 图书和杂志开本及其幅面尺寸》", (218, 78, 107, 25)),
]


def core_table(name):
    """The u"..." texts of one table of the core's source, in order."""
    with open(PAPER_FORMATS, encoding="utf-8") as f:
        source = f.read()
    body = re.search(re.escape(name) + r"\s*\[[^\]]*\]\s*=\s*\{(.*?)\};", source, re.S).group(1)
    return re.findall(r'u"([^"]*)"', re.sub(r"//[^\n]*", "", body))


class Resources(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.image = pe.PeImage(EXE)

    def resource(self, rtype, name):
        lang, data = self.image.resource(rtype, name)
        self.assertEqual(lang, LANG_ZH_CN, f"language of resource {rtype}/{name}")
        return data

    def test_main_dialog_frame(self):
        dlg = pe.parse_dialog_ex(self.resource(pe.RT_DIALOG, 102))
        self.assertEqual(dlg["style"], 0x90CA00C0)
        self.assertEqual(dlg["ex_style"], WS_EX_APPWINDOW)
        self.assertEqual(dlg["rect"], (0, 0, 332, 293))
        self.assertEqual((dlg["menu"], dlg["class"], dlg["help_id"]), ("", "", 0))
        self.assertEqual(dlg["caption"], "塔维斯")
        self.assertEqual((dlg["point_size"], dlg["weight"], dlg["italic"], dlg["charset"], dlg["face"]),
                         (12, 0, 0, 1, "宋体"))

    def test_main_dialog_controls(self):
        controls = pe.parse_dialog_ex(self.resource(pe.RT_DIALOG, 102))["controls"]
        self.assertEqual(len(controls), len(MAIN_CONTROLS))
        for index, (got, (cid, kind, text, rect)) in enumerate(zip(controls, MAIN_CONTROLS)):
            with self.subTest(control=index):
                cls, style, ex_style = KINDS[kind]
                self.assertEqual(got["id"], cid)
                self.assertEqual(str(got["class"]).lower(), cls.lower())
                self.assertEqual(hex(got["style"]), hex(style))
                self.assertEqual(hex(got["ex_style"]), hex(ex_style))
                self.assertEqual(got["text"], text)
                self.assertEqual(got["rect"], rect)
                self.assertEqual(got["help_id"], 0)

    def test_tab_stops_in_order(self):
        controls = pe.parse_dialog_ex(self.resource(pe.RT_DIALOG, 102))["controls"]
        stops = [c["id"] for c in controls if c["style"] & WS_TABSTOP]
        self.assertEqual(stops, [1000, 1001, 1002, 1004, 1005, 1006, 1008, 1015])
        # No default button: Enter must not press "=" unless it has the focus.
        self.assertFalse([c for c in controls if c["class"].lower() == "button" and c["style"] & 0xF == 1])

    def test_initial_list_data_is_the_core_table(self):
        data = self.resource(pe.RT_DLGINIT, 102)
        records, end = pe.parse_dlginit(data)
        self.assertEqual(end, len(data), "nothing may follow the closing zero")
        expected = [(1008, t) for t in core_table("SIDE_TEXTS")] + \
                   [(1015, t) for t in core_table("FORMAT_TEXTS")]
        self.assertEqual(len(expected), 32)
        self.assertEqual(len(records), len(expected))
        for (control, message, raw), (want_control, want_text) in zip(records, expected):
            with self.subTest(text=want_text):
                self.assertEqual((control, message), (want_control, 0x0403))
                self.assertTrue(raw.endswith(b"\0") and b"\0" not in raw[:-1], raw)
                self.assertEqual(raw[:-1].decode("gbk"), want_text)
        self.assertEqual(records[2][2].decode("gbk"), "\uff08请选择\uff09\0")

    def test_icon_group(self):
        entries = pe.parse_group_icon(self.resource(pe.RT_GROUP_ICON, 128))
        self.assertEqual([(w, h) for w, h, *_ in entries], [(128, 128), (48, 48), (64, 64), (32, 32)])
        for w, h, planes, bits, size, icon_id in entries:
            with self.subTest(size=w):
                self.assertEqual((planes, bits), (1, 32))
                image = self.resource(pe.RT_ICON, icon_id)
                self.assertEqual(len(image), size)
                self.assertEqual(pe.icon_image_size(image), (w, h, 32, True))

    def test_imprint_picture(self):
        self.assertEqual(pe.bitmap_header(self.resource(pe.RT_BITMAP, 130)), (391, 100, 4, 16))

    def test_version_record(self):
        fixed, strings, translations = pe.parse_version(self.resource(pe.RT_VERSION, 1))
        signature, _, file_ms, file_ls, prod_ms, prod_ls, mask, flags, os_, ftype, subtype, *_ = fixed
        self.assertEqual(signature, 0xFEEF04BD)
        self.assertEqual((file_ms, file_ls, prod_ms, prod_ls), (0x10000, 1, 0x10000, 1))
        self.assertEqual((mask, flags, os_, ftype, subtype), (0x3F, 0, 4, 1, 0))
        self.assertEqual(list(strings), ["080404B0"])
        block = strings["080404B0"]
        copyright_line = block.pop("LegalCopyright")
        self.assertIn("Copyright", copyright_line)
        self.assertEqual(block, {
            "CompanyName": "",
            "FileDescription": "Tarvex Microsoft 基础类应用程序",
            "FileVersion": "1, 0, 0, 1",
            "InternalName": "Tarvex",
            "LegalTrademarks": "",
            "OriginalFilename": "Tarvex.EXE",
            "ProductName": "Tarvex 应用程序",
            "ProductVersion": "1, 0, 0, 1",
        })
        self.assertEqual(translations, [(0x804, 1200)])

    def test_manifest(self):
        lang, data = self.image.resource(pe.RT_MANIFEST, 1)
        self.assertEqual(lang, 0, "the loader takes the manifest in any language; keep it neutral")
        root = ET.fromstring(data)
        asm1, asm3 = "{urn:schemas-microsoft-com:asm.v1}", "{urn:schemas-microsoft-com:asm.v3}"
        compat = "{urn:schemas-microsoft-com:compatibility.v1}"
        smi2005 = "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}"

        deps = root.findall(f"{asm1}dependency/{asm1}dependentAssembly/{asm1}assemblyIdentity")
        self.assertEqual([(d.get("name"), d.get("version"), d.get("publicKeyToken")) for d in deps],
                         [("Microsoft.Windows.Common-Controls", "6.0.0.0", "6595b64144ccf1df")])

        levels = root.findall(f".//{asm3}requestedExecutionLevel")
        self.assertEqual([(e.get("level"), e.get("uiAccess")) for e in levels], [("asInvoker", "false")])

        oses = {e.get("Id") for e in root.iter(f"{compat}supportedOS")}
        self.assertEqual(oses, {
            "{e2011457-1546-43c5-a5fe-008deee3d3f0}",  # Vista
            "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  # 7
            "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  # 8
            "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  # 8.1
            "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  # 10 and 11
        })

        # System-aware only: the dialog is not rebuilt when the DPI changes.
        settings = root.findall(f"{asm3}application/{asm3}windowsSettings")
        self.assertEqual(len(settings), 1)
        self.assertEqual([(e.tag, (e.text or "").strip()) for e in settings[0]],
                         [(f"{smi2005}dpiAware", "true")])
        # A Unicode program has no use for a code page override.
        self.assertFalse([e for e in root.iter() if e.tag.endswith("activeCodePage")])


if __name__ == "__main__":
    EXE, PAPER_FORMATS = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1], verbosity=1)
