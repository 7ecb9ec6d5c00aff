"""The simulated sensor and its interface: command handling, the value
stream, restarts, faults and the traffic log."""

import collections
import sys

import blocks
import codec
from codec import (CMD_ACK, CMD_CONTROL, CMD_NAK, CMD_RAW, CMD_READ_BLOCK,
                   CMD_RESTART, CMD_STATUS, CMD_STREAM, CMD_WRITE_BLOCK, ANS_HELLO)
from values import Source, clamp16

OWN_DEFAULT = 0xFF

# Reasons of the negative acknowledgements the sensor sends on its own.
NAK_UNKNOWN = ord("?")  # unknown command, block number or data length
NAK_CHECK = ord("#")  # request with wrong check bytes
NAK_STREAM = ord("+")  # stream start refused (bad parameters)

DATA_LEN = {CMD_RAW: 0, CMD_STATUS: 0, CMD_READ_BLOCK: 1, CMD_CONTROL: 1,
            CMD_WRITE_BLOCK: 33, CMD_RESTART: 0, CMD_STREAM: 5, CMD_ACK: 0,
            CMD_NAK: 0}

STREAM_TICK = 0.01  # seconds between stream chunks
STREAM_MAX_BACKLOG = 0.25  # seconds of records sent at most in one chunk


class Log:
    """Bounded log of frames received, answers sent and events."""

    def __init__(self, clock, verbose=False, size=20000):
        self.clock, self.verbose = clock, verbose
        self.t0 = clock()
        self.entries = collections.deque(maxlen=size)

    def add(self, direction, **fields):
        entry = {"t": round(self.clock() - self.t0, 6), "dir": direction}
        entry.update(fields)
        last = self.entries[-1] if self.entries else None
        if fields.get("event") in ("noise", "unheard") and last \
                and last.get("event") == fields["event"] and last.get("rate") == fields["rate"]:
            last["bytes"] += fields["bytes"]  # one entry per spell of a wrong rate
            return
        self.entries.append(entry)
        if self.verbose:
            print("sensorsim: %s" % (entry,), file=sys.stderr, flush=True)

    def clear(self):
        self.entries.clear()


class Fault:
    KINDS = ("no_answer", "wrong_cs", "wrong_wcs", "alter", "nak", "partial", "garbage",
             "delay", "stream_gap")

    def __init__(self, desc):
        desc = dict(desc)
        self.desc = dict(desc)
        self.kind = desc.pop("kind", None)
        if self.kind not in self.KINDS:
            raise ValueError("fault kind must be one of %s" % ", ".join(self.KINDS))
        count = desc.pop("count", 1)
        self.count = None if count in (None, "all") else blocks.as_int(count)
        if self.count is not None and self.count < 1:
            raise ValueError("count must be 1 or more, or \"all\"")
        command = desc.pop("command", None)
        self.command = None if command is None else codec.parse_code(command)
        reason = desc.pop("reason", NAK_UNKNOWN)
        self.reason = ord(reason) if isinstance(reason, str) and len(reason) == 1 \
            else blocks.as_int(reason)
        self.nbytes = desc.pop("bytes", None)
        self.data = codec.from_hex(desc.pop("data", "00 FF 13 55"))
        self.ms = blocks.as_int(desc.pop("ms", 100))
        self.records = blocks.as_int(desc.pop("records", 1))
        self.index = blocks.as_int(desc.pop("byte", 5))
        self.mask = blocks.as_int(desc.pop("xor", 0x40))
        if self.index < 1 or not 1 <= self.mask <= 0xFF:
            raise ValueError("alter: byte must be 1 or more, xor 1 to 255")
        if desc:
            raise ValueError("fault %s: unknown keys %s" % (self.kind, ", ".join(desc)))

    def matches(self, code):
        return self.kind != "stream_gap" and self.command in (None, code)

    def use(self):
        if self.count is not None:
            self.count -= 1

    @property
    def spent(self):
        return self.count == 0

    def describe(self):
        d = dict(self.desc)
        d["remaining"] = "all" if self.count is None else self.count
        return d


class Stream:
    """A running measured-value stream."""

    def __init__(self, rate_byte, channels, t0):
        self.rate_byte, self.channels = rate_byte, channels
        self.period = rate_byte / 5000.0
        self.t0, self.counter, self.sent = t0, 0, 0
        self.seq = 0  # number of the next record, skipped ones counted
        self.timer = None

    def describe(self):
        return {"rate_byte": self.rate_byte, "channels": self.channels,
                "records_per_s": round(1 / self.period, 3), "records": self.sent,
                "record_len": 5 if self.channels == "C" else 3}


class Sensor:
    """Sensor and interface behind one serial line.

    line: write(bytes), rate() -> baud or None; loop: time(), call_later()."""

    def __init__(self, cfg, loop, line, log, on_block_written=None):
        self.initial = cfg.copy()
        self.cfg, self.loop, self.line, self.log = cfg, loop, line, log
        self.on_block_written = on_block_written
        self.parser = codec.FrameParser()
        self.faults = []
        self.stream = None
        self.last_stream = None
        self.streams = 0
        self.restart_timer = None
        self.expire_timer = None
        self.sources = {}
        self.reset_sources()
        self.boot()

    # -- configuration --------------------------------------------------
    def boot(self):
        """Power-on state: settings of the stator operation block in force."""
        self.stop_stream("boot")
        self.control = False
        self.last_nak = 0
        self.parser.reset()
        op = self.cfg.images[2]
        addr = op[13]
        self.address = addr if 1 <= addr <= 249 else 1
        self.boot_baud = blocks.BAUD_CODES.get(op[16], 115200)

    def reset_sources(self):
        now = self.loop.time()
        self.sources = {ch: Source(desc, now) for ch, desc in self.cfg.sources.items()}

    def reset(self, cfg=None):
        """Back to the start configuration (or cfg): faults, log, state."""
        self.cancel_restart()
        self.cfg = (cfg or self.initial).copy()
        self.faults = []
        self.reset_sources()
        self.boot()
        self.last_stream, self.streams = None, 0
        self.log.clear()

    def listen_rates(self):
        mode = self.cfg.rate
        if mode == "follow":
            return (self.boot_baud,)
        if mode == "both":
            return (115200, 230400)
        return (int(mode),)

    def adjustment(self):
        """Calibration in force: 3 user, 2 factory, 1 none."""
        forced = self.cfg.status.get("adjustment", "auto")
        if forced != "auto":
            return blocks.as_int(forced)
        for number, adj in ((130, 3), (129, 2)):
            if number not in self.cfg.absent and codec.check_block(self.cfg.images[number]) == 0:
                return adj
        return 1

    def calibration(self, channel):
        """(gain factor, offset) of the calibration in force."""
        number = {3: 130, 2: 129}.get(self.adjustment())
        if number is None:
            return 1.0, 0
        image = self.cfg.images[number]
        pos = 11 if channel == "A" else 15
        gain = int.from_bytes(image[pos:pos + 2], "big") / 32768.0
        offset = int.from_bytes(image[pos + 2:pos + 4], "big", signed=True)
        return (gain or 1.0), offset

    def value(self, channel, t, seq=None):
        v = self.sources[channel].sample(t, seq)
        if self.control:
            v += self.cfg.control_delta[channel]
        return clamp16(v)

    def raw_count(self, channel, value):
        gain, offset = self.calibration(channel)
        return max(0, min(0xFFFF, int(round(value / gain - offset + 32768))))

    # -- receiving ------------------------------------------------------
    def receive(self, data):
        if self.restart_timer is not None:
            self.log.add("event", event="ignored", reason="restarting", hex=codec.hexs(data))
            return
        rate = self.line.rate()
        if rate not in self.listen_rates():
            self.parser.reset()
            self.log.add("event", event="noise", rate=rate, bytes=len(data))
            return
        self._events(self.parser.feed(data, self.loop.time()))
        if self.expire_timer:
            self.expire_timer.cancel()
            self.expire_timer = None
        if self.parser.pending():  # end a cut frame or a 0x02 run in time
            self.expire_timer = self.loop.call_later(self.parser.timeout * 1.5, self._expire)

    def _expire(self):
        self.expire_timer = None
        self._events(self.parser.expire(self.loop.time()))

    def _events(self, events):
        for kind, arg in events:
            if kind == "frame":
                self.on_frame(arg)
            elif kind == "stop":
                if self.stream:
                    self.stop_stream("stop bytes")
            elif kind == "run":
                self.log.add("event", event="stop_bytes", count=arg)
            else:
                self.log.add("event", event=kind, hex=codec.hexs(arg))

    def on_frame(self, f):
        to_me = f.addr1 == self.address
        check = "ok" if f.ok else "+".join(
            n for n, good in (("cs", f.cs_ok), ("wcs", f.wcs_ok)) if not good)
        self.log.add("rx", cmd=codec.code_name(f.code), code=f.code, address=f.addr1,
                     own=f.addr2, data=codec.hexs(f.data), check=check, to_me=to_me)
        if not to_me:
            if f.ok and f.code == CMD_STATUS and not f.data \
                    and f.addr1 in self.cfg.extra_addresses:
                self.reply(f, CMD_STATUS, self.status_data(), addr=f.addr1)
            return
        if not f.ok:
            self.nak(f, NAK_CHECK)
        elif DATA_LEN.get(f.code) != len(f.data):
            self.nak(f, NAK_UNKNOWN)
        else:
            self.HANDLERS[f.code](self, f)

    # -- answers --------------------------------------------------------
    def reply(self, f, code, data=b"", addr=None, then=None):
        """Answer request f; returns True when the answer goes out as built."""
        frame = codec.build_frame(code, f.addr2, self.address if addr is None else addr, data)
        return self.emit(f.code, frame, then)

    def nak(self, f, reason):
        self.last_nak = reason
        self.reply(f, CMD_NAK, bytes((reason,)))

    def emit(self, request_code, frame, then=None):
        """Send an answer through the active faults. then() runs once the
        answer is on the line (for the stream start)."""
        faults = [x for x in self.faults if x.matches(request_code)]
        for x in faults:
            x.use()
        self.faults = [x for x in self.faults if not x.spent]
        kinds = {x.kind: x for x in faults}
        applied = sorted(kinds)
        if "no_answer" in kinds:
            self.log.add("tx", cmd=codec.code_name(frame[1]), suppressed=True,
                         answer_to=codec.code_name(request_code), faults=applied)
            return False
        intact = True
        if "nak" in kinds:
            reason = kinds["nak"].reason
            self.last_nak = reason
            frame = codec.build_frame(CMD_NAK, frame[2], frame[3], bytes((reason,)))
            intact = False
        frame = bytearray(frame)
        if "wrong_cs" in kinds:
            frame[-2] = (frame[-2] + 1) & 0xFF
        if "wrong_wcs" in kinds:
            frame[-1] = (frame[-1] + 1) & 0xFF
        if "alter" in kinds:  # content changed after the check bytes were made
            frame[min(kinds["alter"].index, len(frame) - 3)] ^= kinds["alter"].mask
        wire = codec.stuff(frame)
        if "partial" in kinds:
            n = kinds["partial"].nbytes
            wire = wire[:len(wire) // 2 if n is None else blocks.as_int(n)]
        if "garbage" in kinds:
            wire = kinds["garbage"].data + wire
        entry = dict(cmd=codec.code_name(frame[1]), code=frame[1],
                     answer_to=codec.code_name(request_code), hex=codec.hexs(wire))
        if applied:
            entry["faults"] = applied

        def send():
            self.log.add("tx", **entry)
            self.send(wire)
            if then and intact:
                then()

        if "delay" in kinds:
            entry["delay_ms"] = kinds["delay"].ms
            self.loop.call_later(kinds["delay"].ms / 1000.0, send)
        else:
            send()
        return intact

    def send(self, wire):
        """Write to the line unless the program listens at another rate."""
        if self.line.rate() in self.listen_rates():
            self.line.write(wire)
        elif self.line.rate() is not None:
            self.log.add("event", event="unheard", rate=self.line.rate(), bytes=len(wire))

    def status_data(self):
        return blocks.status_data(self.cfg.status, self.adjustment())

    # -- commands -------------------------------------------------------
    def cmd_status(self, f):
        self.reply(f, CMD_STATUS, self.status_data())

    def cmd_raw(self, f):
        now = self.loop.time()
        va, vb = self.value("A", now), self.value("B", now)
        data = b"".join(x.to_bytes(2, "big", signed=s) for x, s in (
            (self.raw_count("A", va), False), (self.raw_count("B", vb), False),
            (va, True), (vb, True))) + bytes((1 if self.control else 0,))
        self.reply(f, CMD_RAW, data)

    def cmd_read_block(self, f):
        number = f.data[0]
        if number not in blocks.BY_NUMBER or number in self.cfg.absent:
            self.nak(f, NAK_UNKNOWN)
        else:
            self.reply(f, CMD_READ_BLOCK, bytes(self.cfg.images[number][5:38]))

    def cmd_write_block(self, f):
        number = f.data[0]
        if number not in blocks.BY_NUMBER:
            self.nak(f, NAK_UNKNOWN)
            return
        image = blocks.new_image(blocks.BY_NUMBER[number])
        image[5:38] = f.data
        self.cfg.images[number] = image
        self.cfg.absent.discard(number)
        self.log.add("event", event="block_written", block=number,
                     check=codec.check_block(image))
        self.reply(f, CMD_ACK)
        if self.on_block_written:
            self.on_block_written()

    def cmd_control(self, f):
        if self.stream:  # acknowledged in place of the next record
            self.stop_stream("control signal")
        self.control = f.data[0] != 0
        self.log.add("event", event="control", on=self.control)
        self.reply(f, CMD_ACK)

    def cmd_restart(self, f):
        self.log.add("event", event="restart")
        self.restart()

    def cmd_stream(self, f):
        mode, rate_byte, channel = f.data[0], f.data[1], chr(f.data[4])
        if mode != 3 or rate_byte == 0 or channel not in "CAB":
            self.nak(f, NAK_STREAM)
            return
        if self.stream:
            self.stop_stream("new start")
        self.reply(f, CMD_ACK, then=lambda: self.start_stream(rate_byte, channel))

    def cmd_ack(self, f):
        self.reply(f, CMD_ACK)

    def cmd_nak(self, f):
        self.reply(f, CMD_NAK, bytes((self.last_nak,)))

    HANDLERS = {CMD_STATUS: cmd_status, CMD_RAW: cmd_raw, CMD_READ_BLOCK: cmd_read_block,
                CMD_WRITE_BLOCK: cmd_write_block, CMD_CONTROL: cmd_control,
                CMD_RESTART: cmd_restart, CMD_STREAM: cmd_stream, CMD_ACK: cmd_ack,
                CMD_NAK: cmd_nak}

    # -- restart --------------------------------------------------------
    def restart(self, hello=True):
        """Restart: silent for restart_ms, then boot and greet."""
        self.cancel_restart()
        self.stop_stream("restart")
        self.control = False
        self.restart_timer = self.loop.call_later(
            self.cfg.restart_ms / 1000.0, lambda: self._restarted(hello))

    def _restarted(self, hello):
        self.restart_timer = None
        self.boot()
        self.log.add("event", event="booted", address=self.address,
                     rates=list(self.listen_rates()))
        if hello:
            frame = codec.build_frame(ANS_HELLO, OWN_DEFAULT, self.address,
                                      bytes((self.cfg.hello,)))
            self.emit(CMD_RESTART, frame)

    def cancel_restart(self):
        if self.restart_timer is not None:
            self.restart_timer.cancel()
            self.restart_timer = None

    # -- stream ---------------------------------------------------------
    def start_stream(self, rate_byte, channels):
        self.stream = Stream(rate_byte, channels, self.loop.time())
        self.streams += 1
        self.log.add("event", event="stream_start", **self.stream.describe())
        self.stream.timer = self.loop.call_later(STREAM_TICK, self._stream_tick)

    def stop_stream(self, reason):
        s = self.stream
        if s is None:
            return
        self.stream = None
        if s.timer:
            s.timer.cancel()
        self.last_stream = dict(s.describe(), reason=reason)
        self.log.add("event", event="stream_stop", reason=reason, records=s.sent)

    def _stream_tick(self):
        s = self.stream
        if s is None:
            return
        now = self.loop.time()
        due = int((now - s.t0) / s.period)
        backlog = int(STREAM_MAX_BACKLOG / s.period) + 1
        if due - s.sent > backlog:  # the loop stalled: shift, never skip
            s.t0 += (due - s.sent - backlog) * s.period
            due = s.sent + backlog
        out = bytearray()
        while s.sent < due:
            s.sent += 1
            t = s.t0 + s.sent * s.period
            self._stream_gap(s)
            out.append(s.counter)
            for ch in ("AB" if s.channels == "C" else s.channels):
                out += self.value(ch, t, s.seq).to_bytes(2, "big", signed=True)
            s.counter = (s.counter + 1) & 0xFF
            s.seq += 1
        if out:
            self.send(bytes(out))
        s.timer = self.loop.call_later(STREAM_TICK, self._stream_tick)

    def _stream_gap(self, s):
        for x in self.faults:
            if x.kind == "stream_gap":
                x.use()
                s.counter = (s.counter + x.records) & 0xFF
                s.seq += x.records
                self.log.add("event", event="stream_gap", skipped=x.records)
        self.faults = [x for x in self.faults if not x.spent]

    # -- state ----------------------------------------------------------
    def describe(self):
        return {"address": self.address, "rate_mode": self.cfg.rate,
                "listen_rates": list(self.listen_rates()), "line_rate": self.line.rate(),
                "control": self.control, "restarting": self.restart_timer is not None,
                "adjustment": self.adjustment(),
                "stream": self.stream.describe() if self.stream else None,
                "last_stream": self.last_stream, "streams": self.streams,
                "faults": [x.describe() for x in self.faults]}
