"""Sources of the measured values of one channel (signed counts)."""

import math

from blocks import as_int

KINDS = ("constant", "ramp", "sine", "list", "sequence")


def clamp16(v):
    return max(-32768, min(32767, int(round(v))))


class Source:
    """A value source; sample(t) gives the next value at time t (seconds).

    constant: value
    ramp: start + step * n, wrapped into min..max (n = samples taken)
    sine: offset + amplitude * sin(2 pi (t - t0) / period)
    list: values[n], repeated when repeat is true (default), else the last
    sequence: the low or high 16 bits of a stream record's number (its place in the
        stream, skipped records counted), or of n outside a stream, as a signed count
    """

    def __init__(self, desc, t0=0.0):
        desc = dict(desc)
        self.desc = dict(desc)
        self.kind = desc.pop("kind", None)
        if self.kind not in KINDS:
            raise ValueError("source kind must be one of %s" % ", ".join(KINDS))
        self.t0, self.n = t0, 0
        try:
            self._init(desc)
        except (TypeError, ValueError, KeyError) as e:
            raise ValueError("%s source: %s" % (self.kind, e))
        if desc:
            raise ValueError("%s source: unknown keys %s" % (self.kind, ", ".join(desc)))

    def _init(self, desc):
        if self.kind == "constant":
            self.value = float(desc.pop("value"))
        elif self.kind == "ramp":
            self.start = float(desc.pop("start", 0))
            self.step = float(desc.pop("step", 1))
            self.lo = as_int(desc.pop("min", -32768))
            self.hi = as_int(desc.pop("max", 32767))
            if self.lo >= self.hi:
                raise ValueError("min must be below max")
        elif self.kind == "sine":
            self.amplitude = float(desc.pop("amplitude", 10000))
            self.offset = float(desc.pop("offset", 0))
            self.period = float(desc.pop("period", 1.0))
            if self.period <= 0:
                raise ValueError("period must be positive")
        elif self.kind == "sequence":
            self.bits = desc.pop("bits", "low")
            if self.bits not in ("low", "high"):
                raise ValueError('bits must be "low" or "high"')
        else:
            self.values = [float(v) for v in desc.pop("values")]
            self.repeat = bool(desc.pop("repeat", True))
            if not self.values:
                raise ValueError("values must not be empty")

    def sample(self, t, seq=None):
        n = self.n
        self.n += 1
        if self.kind == "sequence":
            return sequence_count(n if seq is None else seq, self.bits)
        if self.kind == "constant":
            v = self.value
        elif self.kind == "ramp":
            span = self.hi - self.lo + 1
            v = self.lo + (self.start - self.lo + self.step * n) % span
        elif self.kind == "sine":
            v = self.offset + self.amplitude * math.sin(
                2 * math.pi * (t - self.t0) / self.period)
        elif self.repeat:
            v = self.values[n % len(self.values)]
        else:
            v = self.values[min(n, len(self.values) - 1)]
        return clamp16(v)


def sequence_count(seq, bits):
    """The low or high 16 bits of seq as a signed 16-bit count."""
    word = (seq >> 16 if bits == "high" else seq) & 0xFFFF
    return word - 0x10000 if word >= 0x8000 else word


DEFAULT_SOURCES = {
    "A": {"kind": "sine", "amplitude": 8000, "offset": 0, "period": 4.0},
    "B": {"kind": "sine", "amplitude": 4000, "offset": 0, "period": 1.0},
}
