"""Wire format against the worked examples of the link."""

import unittest

import blocks
import codec


def h(text):
    return bytes.fromhex(text)


class FrameTest(unittest.TestCase):
    def test_worked_frames(self):
        cases = [  # code, address, data, wire
            (0x42, 6, b"", "02 42 06 FF 00 47 19"),
            (0x06, 6, b"", "02 06 06 FF 00 0B 28"),
            (0x44, 6, b"\x02", "02 44 06 FF 01 02 02 4C 6E"),
            (0x5A, 6, h("03 19 00 00 43"), "02 5A 06 FF 05 03 19 00 00 43 C3 2B"),
            (0x15, 2, b"", "02 15 02 02 FF 00 16 58"),
        ]
        for code, addr, data, wire in cases:
            with self.subTest(wire=wire):
                frame = codec.build_frame(code, addr, 0xFF, data)
                self.assertEqual(codec.stuff(frame), h(wire))
                self.assertEqual(codec.unstuff(h(wire)), frame)

    def test_acknowledgement_from_interface(self):
        self.assertEqual(codec.build_frame(0x06, 0xFF, 6), h("02 06 FF 06 00 0B 21"))

    def test_wcs_adds_the_carry_back(self):
        # running CS 42 48 47 47; WCS 0x42+0x48+0x47+0x47 = 0x118 -> 0x19
        self.assertEqual(codec.check_bytes(h("42 06 FF 00")), (0x47, 0x19))
        self.assertEqual(codec.check_bytes(h("FF FF")), (0xFE, 0xFE))

    def test_leading_stx_is_never_doubled(self):
        self.assertEqual(codec.stuff(h("02 02 02")), h("02 02 02 02 02"))
        self.assertEqual(codec.unstuff(h("02 02 02 02 02")), h("02 02 02"))


class ParserTest(unittest.TestCase):
    def feed(self, *chunks, t=0.0, step=0.001):
        p, events = codec.FrameParser(), []
        for c in chunks:
            events += p.feed(c, t)
            t += step
        return p, events

    def test_frames_split_and_stuffed(self):
        wire = h("02 44 06 FF 01 02 02 4C 6E")
        _, ev = self.feed(wire[:5], wire[5:] + h("02 42 06 FF 00 47 19"))
        frames = [a for k, a in ev if k == "frame"]
        self.assertEqual([(f.code, f.addr1, f.data, f.ok) for f in frames],
                         [(0x44, 6, b"\x02", True), (0x42, 6, b"", True)])

    def test_bad_check_bytes_are_reported(self):
        _, ev = self.feed(h("02 42 06 FF 00 47 18"))
        f = ev[0][1]
        self.assertTrue(f.cs_ok)
        self.assertFalse(f.wcs_ok)

    def test_run_of_stx_is_a_stop_then_next_frame_parses(self):
        _, ev = self.feed(b"\x02" * 10 + h("02 42 06 FF 00 47 19"))
        self.assertEqual([k for k, _ in ev], ["stop", "run", "frame"])
        self.assertEqual(ev[1][1], 11)

    def test_garbage_and_cut_frames_resynchronise(self):
        _, ev = self.feed(h("00 FF 02 99 01") + h("02 42 06 FF 00 47 19"))
        self.assertEqual([k for k, _ in ev], ["skipped", "broken", "frame"])

    def test_pause_drops_a_partial_frame(self):
        p = codec.FrameParser(timeout=0.1)
        p.feed(h("02 42 06"), 0.0)
        ev = p.feed(h("02 42 06 FF 00 47 19"), 0.5)
        self.assertEqual([k for k, _ in ev], ["broken", "frame"])


class BlockTest(unittest.TestCase):
    def block(self, block_id=0x13, fill=0x11):
        image = bytearray(40)
        image[6] = block_id
        image[7:34] = bytes([fill]) * 27
        return codec.seal_block(image)

    def test_block_check_verdicts(self):
        empty, zero = bytearray(40), bytearray(40)
        empty[6:38] = b"\xff" * 32
        bad_cs = self.block()
        bad_cs[35] ^= 1
        cases = [(self.block(), 0), (empty, 255), (zero, 255),
                 (self.block(0x00), 3), (self.block(0x11), 2), (bad_cs, 4),
                 (codec.seal_block(self.block(), switch_off=True), 12)]
        for image, verdict in cases:
            with self.subTest(verdict=verdict):
                self.assertEqual(codec.check_block(image), verdict)

    def test_block_sums_16_bit_carry(self):
        # CS = 28 x 0xFF = 0x1BE4; WCS = 0xFF x (1 + ... + 28) = 103530 passes
        # 65535 once: 103530 - 65536 + 1 = 0x946B
        self.assertEqual(codec.block_sums(b"\xff" * 28), h("1B E4 94 6B"))

    def test_switch_off_and_restore(self):
        image = self.block()
        good = bytes(image[34:38])
        codec.seal_block(image, switch_off=True)
        self.assertEqual(bytes(image[34:38]), bytes((b - 0x33) & 0xFF for b in good))
        self.assertTrue(codec.is_switched_off(image))
        self.assertEqual(codec.check_block(codec.seal_block(image)), 0)

    def test_float_format(self):
        for value, pattern, ok in [(0.1, "3D CC CC CC", True), (1.0, "3F 80 00 00", True),
                                   (3000.0, "45 3B 80 00", True), (0.0, "00 00 00 00", True),
                                   (-2.5, "C0 20 00 00", True),
                                   (1e39, "7F FF FF FF", False), (-1e39, "7F FF FF FF", False)]:
            with self.subTest(value=value):
                self.assertEqual(codec.float_encode(value), (h(pattern), ok))
        self.assertAlmostEqual(codec.float_decode(h("3D CC CC CC")), 0.099999994, places=9)
        for pattern in ("00 00 00 01", "80 00 00 01", "80 00 00 00"):
            self.assertEqual(codec.float_decode(h(pattern)), 0.0)
        self.assertGreater(codec.float_decode(h("00 00 00 02")), 0.0)

    def test_serial_texts(self):
        image = bytearray(40)
        image[23:32] = b"\xff" * 9
        self.assertEqual(codec.unpack_serials(image), ("n.a.", "n.a."))
        codec.pack_serials(image, "A10001", "n.a.")
        self.assertEqual(codec.unpack_serials(image), ("A10001", "??????"))
        codec.pack_serials(image, text_b="Zz 9")
        self.assertEqual(codec.unpack_serials(image), ("A10001", "Zz 9"))
        codec.pack_serials(image, text_a="äöü")
        self.assertEqual(codec.unpack_serials(image)[0], "???")

    def test_range_texts(self):
        for code, text in [(0x0005, "0.05"), (0x0123, "1.23"), (0x1250, "25"),
                           (0x2100, "100"), (0x3123, "1230"), (0x4123, "12300"),
                           (0x4005, "500"), (0x0000, "0"), (0x4000, ""), (0xFFFF, "")]:
            self.assertEqual(codec.range_code_to_text(code), text, hex(code))


class BlockFieldTest(unittest.TestCase):
    def test_default_blocks_are_valid_and_round_trip(self):
        for kind in blocks.KINDS:
            image = blocks.default_image(kind)
            with self.subTest(block=kind.name):
                expect = 255 if kind.name in blocks.DEFAULT_EMPTY else 0
                self.assertEqual(codec.check_block(image), expect)
                desc = blocks.describe(kind, image)
                self.assertEqual(blocks.image_from_desc(kind, desc), image)

    def test_fields_land_on_their_bytes(self):
        kind = blocks.kind_of("stator_operation")
        image = blocks.image_from_desc(kind, {"bus_address": 7, "baud_code": 16,
                                              "lowpass_a": 300, "op15": 0xA5})
        self.assertEqual((image[13], image[16], image[19:21], image[15]),
                         (7, 16, h("01 2C"), 0xA5))
        kind = blocks.kind_of(3)
        image = blocks.image_from_desc(kind, {"decimals_a": 5, "sign_b": 1, "unit_a": "kN·m"})
        self.assertEqual(image[26] >> 5, 5)
        self.assertEqual(image[29] & 0x80, 0x80)
        self.assertEqual(image[16:21], b"kN\xb7m ")  # code page 1252

    def test_bad_fields_are_refused(self):
        kind = blocks.kind_of(130)
        for desc in ({"gain": 1}, {"offset_a": 40000}, {"digits_a": -1}):
            with self.subTest(desc=desc), self.assertRaises(ValueError):
                blocks.image_from_desc(kind, desc)

    def test_switched_off_block_describes_itself(self):
        kind = blocks.kind_of("rotor_user_calib")
        image = blocks.image_from_desc(kind, {"offset_a": -12, "switched_off": True})
        desc = blocks.describe(kind, image)
        self.assertEqual((desc["offset_a"], desc["switched_off"]), (-12, True))
        self.assertEqual(codec.check_block(image), 12)

    def test_status_byte_six(self):
        data = blocks.status_data(blocks.STATUS_DEFAULTS, 3)
        self.assertEqual(len(data), 14)
        self.assertEqual(data[1], 0x63)  # user calibration, no digital input, QBX kind


if __name__ == "__main__":
    unittest.main()
