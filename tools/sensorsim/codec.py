"""Wire format of the sensor link: frames, check bytes, 0x02 doubling,
configuration-block sums, the 4-byte float and the 6-bit text alphabet."""

import math

STX = 0x02

CMD_RAW = 0x41  # 'A'
CMD_STATUS = 0x42  # 'B'
CMD_READ_BLOCK = 0x44  # 'D'
CMD_CONTROL = 0x45  # 'E'
CMD_WRITE_BLOCK = 0x46  # 'F'
CMD_RESTART = 0x4B  # 'K'
CMD_STREAM = 0x5A  # 'Z'
CMD_ACK = 0x06
CMD_NAK = 0x15
ANS_HELLO = 0x40

REQUEST_CODES = frozenset(
    (CMD_RAW, CMD_STATUS, CMD_READ_BLOCK, CMD_CONTROL, CMD_WRITE_BLOCK,
     CMD_RESTART, CMD_STREAM, CMD_ACK, CMD_NAK))

_CODE_NAMES = {CMD_ACK: "ACK", CMD_NAK: "NAK", ANS_HELLO: "HELLO"}


def code_name(code):
    """Readable name of a command or answer code ('B', 'ACK', '0x7f')."""
    if code in _CODE_NAMES:
        return _CODE_NAMES[code]
    if 0x41 <= code <= 0x5A:
        return chr(code)
    return "0x%02x" % code


def parse_code(value):
    """Command code from a name ('B', 'ACK'), a number or a '0x..' text."""
    if isinstance(value, int):
        return value
    for code, name in _CODE_NAMES.items():
        if value.upper() == name:
            return code
    if len(value) == 1:
        return ord(value)
    return int(value, 0)


def check_bytes(data):
    """CS and WCS over the bytes from the command code to the last data byte."""
    cs = wcs = 0
    for b in data:
        cs = (cs + b) & 0xFF
        wcs += cs
        if wcs > 0xFF:
            wcs = wcs - 0x100 + 1
    return cs, wcs


def build_frame(code, addr1, addr2, data=b""):
    """Unstuffed frame: STX, code, two address bytes, N, data, CS, WCS."""
    body = bytes((code, addr1, addr2, len(data))) + bytes(data)
    return bytes((STX,)) + body + bytes(check_bytes(body))


def stuff(frame):
    """Wire form: every 0x02 after the leading STX is sent twice."""
    out = bytearray(frame[:1])
    for b in frame[1:]:
        out.append(b)
        if b == STX:
            out.append(b)
    return bytes(out)


def unstuff(wire):
    """Inverse of stuff() for one whole frame."""
    out = bytearray(wire[:1])
    i = 1
    while i < len(wire):
        out.append(wire[i])
        if wire[i] == STX and i + 1 < len(wire) and wire[i + 1] == STX:
            i += 1
        i += 1
    return bytes(out)


def hexs(data):
    return " ".join("%02X" % b for b in data)


def from_hex(text):
    return bytes.fromhex(text.replace(",", " "))


class Frame:
    """One received request, unstuffed."""

    def __init__(self, code, addr1, addr2, data, cs, wcs):
        self.code, self.addr1, self.addr2 = code, addr1, addr2
        self.data, self.cs, self.wcs = bytes(data), cs, wcs
        expect = check_bytes(bytes((code, addr1, addr2, len(data))) + self.data)
        self.cs_ok = cs == expect[0]
        self.wcs_ok = wcs == expect[1]

    @property
    def ok(self):
        return self.cs_ok and self.wcs_ok


class FrameParser:
    """Incremental parser of request frames as a sensor sees them.

    feed() returns events: ("frame", Frame), ("stop", None) when a run of
    0x02 bytes starts where a frame would start (the stream stop),
    ("run", n) when such a run of n bytes ends, ("skipped", bytes) for bytes
    outside any frame and ("broken", bytes) for a frame cut short by a new
    STX or by a pause longer than the inter-byte timeout."""

    IDLE, GOT_STX, BODY, ESCAPE, RUN = range(5)

    def __init__(self, timeout=0.1):
        self.timeout = timeout
        self.reset()

    def reset(self):
        self._state = self.IDLE
        self._body = bytearray()
        self._run = 0
        self._skipped = bytearray()
        self._last = None

    def pending(self):
        return self._state != self.IDLE

    def expire(self, now):
        """Drop a partial frame after the inter-byte timeout."""
        events = []
        if self._state != self.IDLE and self._last is not None \
                and now - self._last > self.timeout:
            self._close_partial(events)
        self._flush_skipped(events)
        return events

    def feed(self, data, now):
        events = self.expire(now)
        self._last = now
        for b in data:
            self._byte(b, events)
        self._flush_skipped(events)
        return events

    def _close_partial(self, events):
        if self._state == self.RUN:
            events.append(("run", self._run))
        elif self._state == self.GOT_STX:
            self._skipped.append(STX)
        else:
            self._flush_skipped(events)
            events.append(("broken", bytes((STX,)) + bytes(self._body)))
        self._state = self.IDLE
        self._body = bytearray()

    def _flush_skipped(self, events):
        if self._skipped:
            events.append(("skipped", bytes(self._skipped)))
            self._skipped = bytearray()

    def _start(self, code):
        self._body = bytearray((code,))
        self._state = self.BODY

    def _byte(self, b, events):
        st = self._state
        if st == self.IDLE:
            if b == STX:
                self._state = self.GOT_STX
            else:
                self._skipped.append(b)
        elif st == self.GOT_STX:
            if b == STX:  # no command code 0x02: an idle run of 0x02
                self._flush_skipped(events)
                self._run = 2
                self._state = self.RUN
                events.append(("stop", None))
            else:
                self._flush_skipped(events)
                self._start(b)
        elif st == self.RUN:
            if b == STX:
                self._run += 1
            else:
                events.append(("run", self._run))
                if b in REQUEST_CODES:  # the last 0x02 was the next STX
                    self._start(b)
                else:
                    self._state = self.IDLE
                    self._skipped.append(b)
        elif st == self.BODY:
            if b == STX:
                self._state = self.ESCAPE
            else:
                self._append(b, events)
        elif st == self.ESCAPE:
            if b == STX:
                self._state = self.BODY
                self._append(b, events)
            else:  # a single 0x02 inside a frame starts a new one
                self._flush_skipped(events)
                events.append(("broken", bytes((STX,)) + bytes(self._body)))
                self._start(b)

    def _append(self, b, events):
        body = self._body
        body.append(b)
        if len(body) >= 4 and len(body) == 4 + body[3] + 2:
            n = body[3]
            events.append(("frame", Frame(body[0], body[1], body[2],
                                          body[4:4 + n], body[4 + n],
                                          body[5 + n])))
            self._state = self.IDLE
            self._body = bytearray()


# ---- configuration blocks -------------------------------------------------

BLOCK_LEN = 40
BLOCK_N = 33


def block_sums(content):
    """16-bit CS and WCS over block bytes 6 to 33, as the four bytes 34-37."""
    cs = wcs = 0
    for b in content:
        cs = (cs + b) & 0xFFFF
        wcs += cs
        if wcs > 0xFFFF:
            wcs = wcs - 0x10000 + 1
    return bytes((cs >> 8, cs & 0xFF, wcs >> 8, wcs & 0xFF))


def seal_block(image, switch_off=False):
    """Write the block sums (lowered by 0x33 each to switch it off)."""
    sums = block_sums(image[6:34])
    if switch_off:
        sums = bytes((b - 0x33) & 0xFF for b in sums)
    image[34:38] = sums
    return image


KNOWN_BLOCK_IDS = frozenset((0x10, 0x12, 0x13, 0x14, 0x15, 0x40, 0x41, 0x42, 0x43))


def check_block(image):
    """Block check of a 40-byte block: 0 usable, 255 empty, else error bits
    (1 ID unset, 2 ID unknown, 4 CS wrong, 8 WCS wrong)."""
    image = bytes(image).ljust(BLOCK_LEN, b" ")
    region = image[6:38]
    if all(b == 0xFF for b in region) or all(b == 0 for b in region):
        return 255
    r = 0
    if image[6] in (0x00, 0xFF):
        r += 1
    if image[6] not in KNOWN_BLOCK_IDS:
        r += 2
    sums = block_sums(image[6:34])
    if sums[0:2] != image[34:36]:
        r += 4
    if sums[2:4] != image[36:38]:
        r += 8
    return r


def is_switched_off(image):
    sums = block_sums(image[6:34])
    return bytes((b - 0x33) & 0xFF for b in sums) == bytes(image[34:38])


# ---- numbers ----------------------------------------------------------------

ZERO_BAND = (1 + 2.0 ** -23) * 2.0 ** -127
FLOAT_MAX_PATTERN = b"\x7f\xff\xff\xff"


def float_encode(v):
    """4 bytes of the block float; returns (bytes, ok). Truncating, no
    subnormals; magnitudes of 2**129 and above give 7F FF FF FF, failure."""
    a = abs(v)
    if a <= ZERO_BAND:
        return b"\x00\x00\x00\x00", True
    if not math.isfinite(a) or a >= 2.0 ** 129:
        return FLOAT_MAX_PATTERN, False
    exponent = math.frexp(a)[1] - 1
    e = exponent + 127
    f = int((a / 2.0 ** exponent - 1.0) * 2 ** 23)
    word = (0 if v > 0 else 1) << 31 | e << 23 | f
    return word.to_bytes(4, "big"), True


def float_decode(b4, zero_band=True):
    word = int.from_bytes(bytes(b4), "big")
    sign = -1.0 if word >> 31 else 1.0
    e = (word >> 23) & 0xFF
    f = word & 0x7FFFFF
    v = sign * (1 + f / 2.0 ** 23) * 2.0 ** (e - 127)
    if zero_band and abs(v) <= ZERO_BAND:
        return 0.0
    return v


ALPHABET = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ?"


def char_to_code(c):
    i = ALPHABET.find(c)
    return 63 if i < 0 or len(c) != 1 else i


def code_to_char(code):
    return ALPHABET[code] if 0 <= code < 64 else "?"


def pack_serials(image, text_a=None, text_b=None):
    """Write the serial texts of the rotor operation block into bytes 23-31
    (A in bits 0-5 of bytes 23-28; B in bits 0-5 of 29-31 and bits 6-7 of
    23-31). Other bits stay as they are."""
    def codes(text):
        if text == "n.a.":
            text = "??????"
        text = text.strip().ljust(6)[:6]
        return [char_to_code(c) for c in text]

    if text_a is not None:
        for i, c in enumerate(codes(text_a)):
            image[23 + i] = (image[23 + i] & 0xC0) | c
    if text_b is not None:
        c = codes(text_b)
        for i in range(3):
            image[29 + i] = (image[29 + i] & 0xC0) | c[i]
        for k in range(3):  # characters 3, 4, 5
            for j in range(3):
                pos = 23 + 3 * k + j
                bits = (c[3 + k] >> (2 * j)) & 3
                image[pos] = (image[pos] & 0x3F) | bits << 6
    return image


def unpack_serials(image):
    raw = bytes(image[23:32])
    if all(b == 0xFF for b in raw):
        return "n.a.", "n.a."
    a = "".join(code_to_char(image[23 + i] & 0x3F) for i in range(6))
    b = [code_to_char(image[29 + i] & 0x3F) for i in range(3)]
    for k in range(3):
        code = 0
        for j in range(3):
            code |= (image[23 + 3 * k + j] >> 6) << (2 * j)
        b.append(code_to_char(code))
    return a.strip(), "".join(b).strip()


def range_code_to_text(code):
    """Text of a packed range end value (empty above 0xFFFE)."""
    if code > 0xFFFE:
        return ""
    h = "%04x" % code
    x, digits = int(h[0], 16), h[1:]
    if x > 3:
        text = digits + "0" * (x - 2)
    elif x >= 1:
        text = digits + "0" * (x - 1)
        text = text[:x + 1] + "." + text[x + 1:]
    else:
        text = digits[0] + "." + digits[1:]
    text = text.lstrip("0")
    if text.startswith("."):
        text = "0" + text
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    return text
