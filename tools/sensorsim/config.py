"""Sensor configuration as JSON: identity, blocks, values and behaviour."""

import copy
import json
import os
import tempfile

import blocks
import values

RATE_MODES = ("follow", "115200", "230400", "both")

TOP_KEYS = ("status", "blocks", "values", "control_delta", "rate", "restart_ms",
            "hello", "extra_addresses")


class Config:
    """Validated configuration; images hold the 40-byte block per number."""

    def __init__(self):
        self.status = dict(blocks.STATUS_DEFAULTS)
        self.images = {k.number: blocks.default_image(k) for k in blocks.KINDS}
        self.absent = set()
        self.sources = copy.deepcopy(values.DEFAULT_SOURCES)
        self.control_delta = {"A": 10000, "B": 10000}
        self.rate = "follow"
        self.restart_ms = 150
        self.hello = 0
        self.extra_addresses = []

    def copy(self):
        return copy.deepcopy(self)

    # -- reading --------------------------------------------------------
    def update(self, doc):
        """Apply a JSON document (a dict); raises ValueError on bad input."""
        if not isinstance(doc, dict):
            raise ValueError("configuration must be a JSON object")
        unknown = set(doc) - set(TOP_KEYS)
        if unknown:
            raise ValueError("unknown keys %s (known: %s)"
                             % (", ".join(sorted(unknown)), ", ".join(TOP_KEYS)))
        if "status" in doc:
            self.set_status(doc["status"])
        for name, desc in (doc.get("blocks") or {}).items():
            self.set_block(name, desc)
        for ch, desc in (doc.get("values") or {}).items():
            self.set_source(ch, desc)
        for ch, delta in (doc.get("control_delta") or {}).items():
            self.set_control_delta(ch, delta)
        if "rate" in doc:
            self.set_rate(doc["rate"])
        if "restart_ms" in doc:
            ms = blocks.as_int(doc["restart_ms"])
            if not 0 <= ms <= 60000:
                raise ValueError("restart_ms must lie in 0..60000")
            self.restart_ms = ms
        if "hello" in doc:
            self.hello = _byte("hello", doc["hello"])
        if "extra_addresses" in doc:
            self.extra_addresses = [_address(a) for a in doc["extra_addresses"]]

    def set_status(self, fields):
        if not isinstance(fields, dict):
            raise ValueError("status must be an object")
        blocks.check_status(fields)
        self.status.update(fields)

    def set_block(self, block, desc):
        kind = blocks.kind_of(block)
        if not isinstance(desc, dict):
            raise ValueError("block %s must be an object" % kind.name)
        if desc.get("absent"):
            if len(desc) != 1:
                raise ValueError("block %s: 'absent' takes no other keys" % kind.name)
            self.absent.add(kind.number)
            return
        self.images[kind.number] = blocks.image_from_desc(
            kind, desc, self.images[kind.number])
        self.absent.discard(kind.number)

    def set_source(self, channel, desc):
        values.Source(desc)  # validates
        self.sources[_channel(channel)] = dict(desc)

    def set_control_delta(self, channel, delta):
        delta = blocks.as_int(delta)
        if not -65535 <= delta <= 65535:
            raise ValueError("control_delta must lie in -65535..65535")
        self.control_delta[_channel(channel)] = delta

    def set_rate(self, mode):
        mode = str(mode)
        if mode not in RATE_MODES:
            raise ValueError("rate must be one of %s" % ", ".join(RATE_MODES))
        self.rate = mode

    # -- writing --------------------------------------------------------
    def to_json(self):
        doc = {"status": dict(self.status), "blocks": {}}
        for kind in blocks.KINDS:
            if kind.number in self.absent:
                doc["blocks"][kind.name] = {"absent": True}
            else:
                doc["blocks"][kind.name] = blocks.describe(kind, self.images[kind.number])
        doc.update({"values": copy.deepcopy(self.sources),
                    "control_delta": dict(self.control_delta), "rate": self.rate,
                    "restart_ms": self.restart_ms, "hello": self.hello,
                    "extra_addresses": list(self.extra_addresses)})
        return doc

    def save(self, path):
        """Write atomically (temporary file in the same folder, then rename)."""
        folder = os.path.dirname(os.path.abspath(path))
        fd, tmp = tempfile.mkstemp(prefix=".sensorsim-", dir=folder)
        try:
            with os.fdopen(fd, "w") as f:
                json.dump(self.to_json(), f, indent=2)
                f.write("\n")
            os.replace(tmp, path)
        except BaseException:
            os.unlink(tmp)
            raise


def load(path):
    with open(path) as f:
        try:
            doc = json.load(f)
        except json.JSONDecodeError as e:
            raise ValueError("%s: not valid JSON: %s" % (path, e))
    cfg = Config()
    try:
        cfg.update(doc)
    except ValueError as e:
        raise ValueError("%s: %s" % (path, e))
    return cfg


def _channel(ch):
    ch = str(ch).upper()
    if ch not in ("A", "B"):
        raise ValueError("channel must be A or B")
    return ch


def _byte(name, v):
    v = blocks.as_int(v)
    if not 0 <= v <= 255:
        raise ValueError("%s must lie in 0..255" % name)
    return v


def _address(a):
    a = blocks.as_int(a)
    if not 1 <= a <= 249:
        raise ValueError("bus addresses lie in 1..249")
    return a
