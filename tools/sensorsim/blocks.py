"""The eight configuration blocks (and block 4) field by field, the status
answer's fields, and the defaults of the simulated torque sensor."""

import codec


def as_int(value):
    """Integer from a JSON number or a '0x..' text."""
    if isinstance(value, bool):
        return int(value)
    if isinstance(value, int):
        return value
    if isinstance(value, float) and value.is_integer():
        return int(value)
    if isinstance(value, str):
        return int(value, 0)
    raise ValueError("not an integer: %r" % (value,))


class Field:
    """One field of a block: kind is u8, u16, i16, u24, u32, float, text,
    char, bits (byte offset, shift, width) or serial_a / serial_b."""

    def __init__(self, name, kind, pos, size=0, shift=0):
        self.name, self.kind, self.pos = name, kind, pos
        self.size, self.shift = size, shift

    def write(self, image, value):
        k, p = self.kind, self.pos
        if k == "float":
            image[p:p + 4] = codec.float_encode(float(value))[0]
        elif k == "text":
            image[p:p + self.size] = str(value).strip()[:self.size].ljust(
                self.size).encode("cp1252", "replace")
        elif k == "char":
            image[p] = ord(value) if isinstance(value, str) else as_int(value)
        elif k == "serial_a":
            codec.pack_serials(image, text_a=str(value))
        elif k == "serial_b":
            codec.pack_serials(image, text_b=str(value))
        else:
            v = as_int(value)
            if k == "bits":
                mask = ((1 << self.size) - 1) << self.shift
                _check_range(self.name, v, 0, (1 << self.size) - 1)
                image[p] = (image[p] & ~mask & 0xFF) | (v << self.shift)
                return
            width = {"u8": 1, "u16": 2, "i16": 2, "u24": 3, "u32": 4}[k]
            lo, hi = (-32768, 32767) if k == "i16" else (0, (1 << 8 * width) - 1)
            _check_range(self.name, v, lo, hi)
            image[p:p + width] = (v & ((1 << 8 * width) - 1)).to_bytes(width, "big")

    def read(self, image):
        k, p = self.kind, self.pos
        if k == "float":
            return codec.float_decode(image[p:p + 4])
        if k == "text":
            return bytes(image[p:p + self.size]).decode("cp1252", "replace").strip()
        if k == "char":
            return chr(image[p])
        if k in ("serial_a", "serial_b"):
            return codec.unpack_serials(image)[k == "serial_b"]
        if k == "bits":
            return (image[p] >> self.shift) & ((1 << self.size) - 1)
        width = {"u8": 1, "u16": 2, "i16": 2, "u24": 3, "u32": 4}[k]
        return int.from_bytes(bytes(image[p:p + width]), "big", signed=(k == "i16"))


def _check_range(name, v, lo, hi):
    if not lo <= v <= hi:
        raise ValueError("%s: %d outside %d..%d" % (name, v, lo, hi))


def _calib_fields():
    return [Field("time", "u32", 7), Field("gain_a", "u16", 11),
            Field("offset_a", "i16", 13), Field("gain_b", "u16", 15),
            Field("offset_b", "i16", 17), Field("ctrl_a", "u16", 19),
            Field("ctrl_b", "u16", 21), Field("digits_a", "u16", 23),
            Field("digits_b", "u16", 25), Field("uncertainty_a", "u16", 27),
            Field("uncertainty_b", "u16", 29)]


class BlockKind:
    def __init__(self, number, block_id, name, fields):
        self.number, self.block_id, self.name = number, block_id, name
        self.fields = {f.name: f for f in fields}


KINDS = [
    BlockKind(0, 0x10, "stator_header", [
        Field("header_no", "u24", 7), Field("serial_no", "u32", 10)]),
    BlockKind(1, 0x12, "stator_hardware", [
        Field("time", "u32", 7), Field("hw16", "u8", 16),
        Field("impulse_code", "u8", 17)]),
    BlockKind(2, 0x13, "stator_operation", [
        Field("time", "u32", 7), Field("op12", "u8", 12),
        Field("bus_address", "u8", 13), Field("op15", "u8", 15),
        Field("baud_code", "u8", 16), Field("op17", "u8", 17),
        Field("op18", "u8", 18), Field("lowpass_a", "u16", 19),
        Field("lowpass_b", "u16", 21)]),
    BlockKind(3, 0x14, "stator_software_config", [
        Field("cfg7", "u8", 7), Field("scale_a", "float", 8),
        Field("scale_b", "float", 12), Field("unit_a", "text", 16, 5),
        Field("unit_b", "text", 21, 5),
        Field("unit_index_a", "bits", 26, 5, 0), Field("decimals_a", "bits", 26, 3, 5),
        Field("unit_index_b", "bits", 27, 5, 0), Field("decimals_b", "bits", 27, 3, 5),
        Field("mean_code_a", "bits", 28, 4, 0), Field("display_a", "bits", 28, 2, 4),
        Field("sw_scaling_a", "bits", 28, 1, 6), Field("sign_a", "bits", 28, 1, 7),
        Field("mean_code_b", "bits", 29, 4, 0), Field("display_b", "bits", 29, 2, 4),
        Field("sw_scaling_b", "bits", 29, 1, 6), Field("sign_b", "bits", 29, 1, 7),
        Field("averaging_count", "u16", 30), Field("rate_code", "u8", 32)]),
    BlockKind(4, 0x15, "block4", []),
    BlockKind(128, 0x40, "rotor_header", [
        Field("header_no", "u24", 7), Field("header_no32", "u32", 10),
        Field("rt14", "u8", 14), Field("type_class_a", "char", 15),
        Field("range_code_a", "u16", 16), Field("accuracy_a", "u8", 18),
        Field("type_class_b", "char", 19), Field("range_code_b", "u16", 20),
        Field("accuracy_b", "u8", 22)]),
    BlockKind(129, 0x41, "rotor_factory_calib", _calib_fields()),
    BlockKind(130, 0x42, "rotor_user_calib", _calib_fields()),
    BlockKind(131, 0x43, "rotor_operation", [
        Field("time", "u32", 7), Field("serial_a", "serial_a", 23),
        Field("serial_b", "serial_b", 23)]),
]
BY_NUMBER = {k.number: k for k in KINDS}
BY_NAME = {k.name: k for k in KINDS}


def kind_of(block):
    """Block kind from a number, a numeric text or a name."""
    if isinstance(block, str) and block in BY_NAME:
        return BY_NAME[block]
    try:
        number = as_int(block)
    except ValueError:
        number = None
    if number not in BY_NUMBER:
        raise ValueError("unknown block %r" % (block,))
    return BY_NUMBER[number]


CALIB_TIME = 1710460800  # 2024-03-15 00:00 UTC

DEFAULT_FIELDS = {
    "stator_header": {"header_no": 500, "serial_no": 123456},
    "stator_hardware": {"time": CALIB_TIME, "hw16": 1, "impulse_code": 3},
    "stator_operation": {"time": CALIB_TIME, "op12": 0, "bus_address": 1,
                         "op15": 0, "baud_code": 9, "op17": 1, "op18": 2,
                         "lowpass_a": 3000, "lowpass_b": 3000},
    "stator_software_config": {
        "cfg7": 0, "scale_a": 1.0, "scale_b": 1.0, "unit_a": "", "unit_b": "",
        "unit_index_a": 0, "decimals_a": 3, "unit_index_b": 0, "decimals_b": 3,
        "mean_code_a": 0, "display_a": 1, "sw_scaling_a": 0, "sign_a": 0,
        "mean_code_b": 0, "display_b": 1, "sw_scaling_b": 0, "sign_b": 0,
        "averaging_count": 1, "rate_code": 6},
    "rotor_header": {"header_no": 1, "header_no32": 0, "rt14": 0,
                     "type_class_a": "D", "range_code_a": 0x3200, "accuracy_a": 200,
                     "type_class_b": "D", "range_code_b": 0x2500, "accuracy_b": 200},
    "rotor_factory_calib": {"time": CALIB_TIME, "gain_a": 0x8000, "offset_a": 0,
                            "gain_b": 0x8000, "offset_b": 0, "ctrl_a": 0x8000,
                            "ctrl_b": 0x8000, "digits_a": 20000, "digits_b": 20000,
                            "uncertainty_a": 1000, "uncertainty_b": 1000},
    "rotor_operation": {"time": CALIB_TIME, "serial_a": "A10001", "serial_b": "B10001"},
}
# A user calibration written by fields starts from the factory values.
DEFAULT_FIELDS["rotor_user_calib"] = dict(DEFAULT_FIELDS["rotor_factory_calib"])
# Blocks that a new sensor holds empty (all bytes 6 to 37 0xFF).
DEFAULT_EMPTY = ("block4", "rotor_user_calib")

BAUD_CODES = {9: 115200, 16: 230400}


def new_image(kind):
    image = bytearray(codec.BLOCK_LEN)
    image[0], image[1], image[4] = codec.STX, codec.CMD_READ_BLOCK, codec.BLOCK_N
    image[5], image[6] = kind.number & 0xFF, kind.block_id
    return image


def empty_image(kind):
    image = new_image(kind)
    image[6:38] = b"\xff" * 32
    return image


def apply_fields(kind, image, fields):
    """Write named fields into a block image (sums not touched)."""
    for name, value in fields.items():
        if name not in kind.fields:
            raise ValueError("block %s has no field %r (fields: %s)" % (
                kind.name, name, ", ".join(kind.fields) or "none"))
        try:
            kind.fields[name].write(image, value)
        except (TypeError, ValueError) as e:
            raise ValueError("block %s field %s: %s" % (kind.name, name, e))
    return image


def read_fields(kind, image):
    return {name: f.read(image) for name, f in kind.fields.items()}


def fields_image(kind):
    """Sealed block built from the default field values."""
    image = apply_fields(kind, new_image(kind), DEFAULT_FIELDS.get(kind.name, {}))
    return codec.seal_block(image)


def default_image(kind):
    return empty_image(kind) if kind.name in DEFAULT_EMPTY else fields_image(kind)


def describe(kind, image):
    """JSON form of a block: fields when they rebuild it exactly, else hex."""
    image = bytearray(image)
    if all(b == 0xFF for b in image[6:38]):
        return {"empty": True}
    fields = read_fields(kind, image)
    off = codec.is_switched_off(image)
    rebuilt = codec.seal_block(apply_fields(kind, new_image(kind), fields), off)
    if rebuilt[5:38] == image[5:38]:
        if off:
            fields["switched_off"] = True
        return fields
    return {"hex": codec.hexs(image)}


def image_from_desc(kind, desc, base=None):
    """Block image from its JSON form: {"empty": true}, {"hex": "40 bytes"}
    or fields (merged over base, or over the defaults), optionally
    "switched_off": true."""
    desc = dict(desc)
    if desc.pop("empty", False):
        if desc:
            raise ValueError("block %s: 'empty' takes no other keys" % kind.name)
        return empty_image(kind)
    if "hex" in desc:
        raw = codec.from_hex(desc.pop("hex"))
        if desc:
            raise ValueError("block %s: 'hex' takes no other keys" % kind.name)
        if len(raw) != codec.BLOCK_LEN:
            raise ValueError("block %s: hex must hold 40 bytes, not %d"
                             % (kind.name, len(raw)))
        image = new_image(kind)
        image[5:38] = raw[5:38]
        return image
    off = bool(desc.pop("switched_off", False))
    if base is None or all(b == 0xFF for b in base[6:38]):
        base = fields_image(kind)
    image = apply_fields(kind, bytearray(base), desc)
    image[6] = kind.block_id
    return codec.seal_block(image, off)


# ---- status answer --------------------------------------------------------

STATUS_DEFAULTS = {
    "ok": 1, "adjustment": "auto", "support_info": 0, "no_digital_input": 1,
    "interface_kind": 1, "bit7": 0, "stator_type": 5, "stator_rev": 6,
    "rotor_id": 1, "rotor_rev": 1, "watchdog_time": 0,
}


def check_status(fields):
    for name, value in fields.items():
        if name not in STATUS_DEFAULTS:
            raise ValueError("status has no field %r (fields: %s)"
                             % (name, ", ".join(STATUS_DEFAULTS)))
        if name == "adjustment" and value == "auto":
            continue
        limit = {"adjustment": 3, "support_info": 3, "no_digital_input": 1,
                 "interface_kind": 1, "bit7": 1, "rotor_id": 127,
                 "rotor_rev": 127}.get(name, 255)
        _check_range(name, as_int(value), 0, limit)


def status_data(fields, adjustment):
    """The 14 data bytes of the status answer."""
    f = {k: (v if k == "adjustment" else as_int(v)) for k, v in fields.items()}
    b6 = adjustment | f["support_info"] << 2 | f["no_digital_input"] << 5 \
        | f["interface_kind"] << 6 | f["bit7"] << 7
    data = bytearray(14)
    data[0], data[1] = f["ok"], b6
    data[2], data[3] = f["stator_type"], f["stator_rev"]
    data[4], data[5] = f["rotor_id"], f["rotor_rev"]
    data[13] = f["watchdog_time"]
    return bytes(data)
