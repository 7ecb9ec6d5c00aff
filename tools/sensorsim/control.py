"""JSON-lines control socket: one request object per line, one answer line."""

import asyncio
import json

import blocks
import codec
from device import Fault
from values import Source


class Controller:
    """Carries out control requests on the sensor and its line."""

    def __init__(self, sensor, line, save=None):
        self.sensor, self.line, self.save_config = sensor, line, save

    def handle_line(self, text):
        try:
            req = json.loads(text)
        except json.JSONDecodeError as e:
            return {"ok": False, "error": "bad JSON: %s" % e}
        if not isinstance(req, dict) or not isinstance(req.get("cmd"), str):
            return {"ok": False, "error": "a request is an object with a \"cmd\" text"}
        handler = getattr(self, "do_" + req["cmd"], None)
        if handler is None:
            return {"ok": False, "error": "unknown cmd %r (known: %s)" % (
                req["cmd"], ", ".join(sorted(n[3:] for n in dir(self) if n.startswith("do_"))))}
        args = {k: v for k, v in req.items() if k != "cmd"}
        try:
            result = handler(**args)
        except TypeError as e:
            return {"ok": False, "error": "bad arguments: %s" % e}
        except (ValueError, KeyError, OSError) as e:
            return {"ok": False, "error": str(e)}
        answer = {"ok": True}
        answer.update(result or {})
        return answer

    def _edit(self, change):
        """Apply change(cfg) to a copy; take it only when it succeeds."""
        cfg = self.sensor.cfg.copy()
        change(cfg)
        self.sensor.cfg = cfg

    def _apply_boot_settings(self):
        """Control edits are the sensor as configured: address and rate now."""
        s = self.sensor
        op = s.cfg.images[2]
        s.address = op[13] if 1 <= op[13] <= 249 else 1
        s.boot_baud = blocks.BAUD_CODES.get(op[16], 115200)

    # -- requests -------------------------------------------------------
    def do_ping(self):
        return {}

    def do_get_state(self):
        d = self.sensor.describe()
        d["link"] = self.line.path if self.line.is_open else None
        d["tty"] = self.line.slave_name if self.line.is_open else None
        return d

    def do_get_config(self):
        return {"config": self.sensor.cfg.to_json()}

    def do_get_status(self):
        s = self.sensor
        return {"fields": dict(s.cfg.status), "adjustment": s.adjustment(),
                "hex": codec.hexs(s.status_data())}

    def do_set_status(self, fields):
        self._edit(lambda cfg: cfg.set_status(fields))
        return self.do_get_status()

    def do_get_block(self, block):
        kind = blocks.kind_of(block)
        cfg = self.sensor.cfg
        image = bytearray(cfg.images[kind.number])
        image[2], image[3] = 0xFF, self.sensor.address
        image[38:40] = codec.check_bytes(image[1:38])
        return {"block": kind.number, "name": kind.name,
                "absent": kind.number in cfg.absent, "hex": codec.hexs(image),
                "check": codec.check_block(image),
                "switched_off": codec.is_switched_off(image),
                "fields": blocks.read_fields(kind, image),
                "json": blocks.describe(kind, image)}

    def do_set_block(self, block, fields=None, hex=None, empty=False, absent=False,
                     switched_off=False):
        """Exactly one of fields (patched over the block, sums recomputed),
        hex (40 bytes kept as they are), empty or absent."""
        given = [k for k, v in (("fields", fields), ("hex", hex), ("empty", empty),
                                ("absent", absent)) if v]
        if len(given) > 1 or (switched_off and given and given != ["fields"]):
            raise ValueError("give one of fields, hex, empty, absent")
        if hex is not None:
            desc = {"hex": hex}
        elif empty or absent:
            desc = {"empty" if empty else "absent": True}
        else:
            desc = dict(fields or {}, switched_off=bool(switched_off))
        self._edit(lambda cfg: cfg.set_block(block, desc))
        self._apply_boot_settings()
        return self.do_get_block(block)

    def do_set_values(self, channel, source):
        s = self.sensor
        ch = str(channel).upper()
        self._edit(lambda cfg: cfg.set_source(ch, source))
        s.sources[ch] = Source(source, s.loop.time())
        return {}

    def do_set_control_delta(self, channel, delta):
        self._edit(lambda cfg: cfg.set_control_delta(channel, delta))
        return {}

    def do_set_rate(self, mode):
        self._edit(lambda cfg: cfg.set_rate(mode))
        return {"listen_rates": list(self.sensor.listen_rates())}

    def do_set(self, **doc):
        """Any top-level configuration keys, as in the --config file."""
        self._edit(lambda cfg: cfg.update(doc))
        self._apply_boot_settings()
        self.sensor.reset_sources()
        return {}

    def do_fault(self, **desc):
        fault = Fault(desc)
        self.sensor.faults.append(fault)
        self.sensor.log.add("event", event="fault", **fault.describe())
        return {"faults": [x.describe() for x in self.sensor.faults]}

    def do_clear_faults(self):
        self.sensor.faults = []
        return {}

    def do_restart(self, hello=True):
        self.sensor.restart(bool(hello))
        return {}

    def do_send(self, hex):
        data = codec.from_hex(hex)
        self.sensor.log.add("tx", raw=True, hex=codec.hexs(data))
        self.line.write(data)
        return {"bytes": len(data)}

    def do_unplug(self):
        self.sensor.cancel_restart()
        self.sensor.stop_stream("unplug")
        self.line.close()
        return {}

    def do_replug(self):
        if self.line.is_open:
            raise ValueError("the sensor is plugged in")
        self.line.open()
        self.sensor.boot()
        return {"link": self.line.path, "tty": self.line.slave_name}

    def do_get_log(self, clear=False, since=None):
        entries = list(self.sensor.log.entries)
        if since is not None:
            entries = [e for e in entries if e["t"] > float(since)]
        if clear:
            self.sensor.log.clear()
        return {"log": entries}

    def do_clear_log(self):
        self.sensor.log.clear()
        return {}

    def do_reset(self, builtin=False):
        from config import Config
        self.sensor.reset(Config() if builtin else None)
        if not self.line.is_open:
            self.line.open()
        return {}

    def do_save(self, path=None):
        if path is None and self.save_config is None:
            raise ValueError("no --config file to save to; give \"path\"")
        if path is None:
            self.save_config()
        else:
            self.sensor.cfg.save(path)
        return {}


async def serve(controller, port):
    """Start the server on 127.0.0.1; returns it (its port is the real one)."""
    async def client(reader, writer):
        try:
            while True:
                line = await reader.readline()
                if not line:
                    break
                if not line.strip():
                    continue
                answer = controller.handle_line(line.decode("utf-8", "replace"))
                writer.write((json.dumps(answer) + "\n").encode())
                await writer.drain()
        except (ConnectionError, asyncio.IncompleteReadError):
            pass
        finally:
            writer.close()

    return await asyncio.start_server(client, "127.0.0.1", port, limit=1 << 20)
