"""The simulator as the program sees it: a real pty opened through the link,
driven at 115200 / 230400, scripted through the control socket."""

import json
import os
import socket
import subprocess
import sys
import tempfile
import termios
import time
import tty
import unittest

import codec

HERE = os.path.dirname(os.path.abspath(__file__))
SIM = os.path.join(os.path.dirname(HERE), "sensorsim.py")


class Sim:
    """One simulator process, its control connection and the opened port."""

    def __init__(self, *args):
        self.dir = tempfile.TemporaryDirectory()
        self.link = os.path.join(self.dir.name, "com5")
        self.proc = subprocess.Popen(
            [sys.executable, SIM, "--link", self.link, "--control", "0", *args],
            stdout=subprocess.PIPE, text=True)
        ready = self.proc.stdout.readline().split()
        assert ready and ready[0] == "READY", ready
        self.control_port = int(ready[1].split("=")[1])
        self.conn = None
        self.fd = None

    def connect(self):
        self.disconnect()
        self.sock = socket.create_connection(("127.0.0.1", self.control_port))
        self.conn = self.sock.makefile("rw")

    def disconnect(self):
        if self.conn:
            self.conn.close()
            self.sock.close()
            self.conn = None

    def ctl(self, cmd, **args):
        args["cmd"] = cmd
        self.conn.write(json.dumps(args) + "\n")
        self.conn.flush()
        answer = json.loads(self.conn.readline())
        assert answer["ok"], answer
        return answer

    def open_port(self, baud=termios.B115200):
        self.close_port()
        self.fd = os.open(self.link, os.O_RDWR | os.O_NOCTTY | os.O_NONBLOCK)
        tty.setraw(self.fd)
        self.set_baud(baud)

    def set_baud(self, baud):
        attrs = termios.tcgetattr(self.fd)
        attrs[4] = attrs[5] = baud
        termios.tcsetattr(self.fd, termios.TCSANOW, attrs)

    def close_port(self):
        if self.fd is not None:
            os.close(self.fd)
            self.fd = None

    def write(self, data):
        os.write(self.fd, data)

    def request(self, code, addr=1, data=b""):
        self.write(codec.stuff(codec.build_frame(code, addr, 0xFF, data)))

    def read(self, n=1 << 20, timeout=1.0):
        """Up to n bytes, waiting at most timeout for them."""
        out, end = b"", time.monotonic() + timeout
        while len(out) < n and time.monotonic() < end:
            try:
                out += os.read(self.fd, n - len(out))
            except BlockingIOError:
                time.sleep(0.002)
        return out

    def answer(self, code, addr=1, data=b"", timeout=1.0):
        """Send a request and read one answer frame (unstuffed; b"" if none)."""
        self.request(code, addr, data)
        wire, end = b"", time.monotonic() + timeout
        while time.monotonic() < end:
            frame = codec.unstuff(wire)
            if len(frame) >= 5 and len(frame) == frame[4] + 7 \
                    and len(codec.stuff(frame)) == len(wire):
                return frame
            wire += self.read(1, end - time.monotonic())
        return codec.unstuff(wire)

    def wait_event(self, event, timeout=2.0):
        """Log entries once one with this event is logged."""
        end = time.monotonic() + timeout
        while True:
            log = self.ctl("get_log")["log"]
            if any(e.get("event") == event for e in log):
                return log
            assert time.monotonic() < end, "no %s event" % event
            time.sleep(0.01)

    def stop(self):
        self.close_port()
        self.disconnect()
        self.proc.terminate()
        self.proc.wait(5)
        self.proc.stdout.close()
        self.dir.cleanup()


def checked(frame):
    """Frame with verified check bytes."""
    assert codec.check_bytes(frame[1:-2]) == tuple(frame[-2:]), codec.hexs(frame)
    return frame


class SensorTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.sim = Sim()

    @classmethod
    def tearDownClass(cls):
        cls.sim.stop()

    def setUp(self):
        self.sim.connect()  # one client after another
        self.sim.ctl("reset")
        self.sim.open_port()

    def test_status_block_and_raw_answers(self):
        sim = self.sim
        status = checked(sim.answer(0x42))
        self.assertEqual(status[:5], bytes((2, 0x42, 0xFF, 1, 14)))
        self.assertEqual(status[6:9], bytes((0x62, 5, 6)))  # factory calib, QBX-USB2
        block = checked(sim.answer(0x44, data=b"\x80"))
        self.assertEqual((len(block), block[5], block[6], codec.check_block(block)),
                         (40, 0x80, 0x40, 0))
        sim.ctl("set_values", channel="A", source={"kind": "constant", "value": -1234})
        sim.ctl("set_values", channel="B", source={"kind": "list", "values": [5, 6]})
        raw = checked(sim.answer(0x41))
        self.assertEqual(raw[5:14], bytes.fromhex("7B2E 8005 FB2E 0005 00"))

    def test_address_scan_and_rates(self):
        sim = self.sim
        sim.ctl("set", extra_addresses=[40])
        for a in range(249, 0, -1):  # the program's scan
            sim.request(0x42, addr=a)
        wire = sim.read(42, 1.5)
        self.assertEqual(len(wire), 42)
        self.assertEqual([wire[3], wire[24]], [40, 1])
        self.assertEqual(sim.read(timeout=0.1), b"")
        sim.set_baud(termios.B230400)  # wrong rate: line noise, no answer
        sim.request(0x42)
        sim.wait_event("noise")
        self.assertEqual(sim.read(timeout=0.1), b"")
        sim.ctl("set_rate", mode="both")
        self.assertEqual(len(sim.answer(0x42)), 21)

    def test_stream_start_records_and_stop(self):
        sim = self.sim
        sim.ctl("set_values", channel="A", source={"kind": "ramp", "start": 0, "step": 1})
        sim.ctl("set_values", channel="B", source={"kind": "constant", "value": -2})
        sim.request(0x5A, data=bytes((3, 5, 0, 0, ord("C"))))  # 1000 records/s
        data = sim.read(7 + 5 * 200, 1.0)
        self.assertEqual(data[:7], codec.build_frame(0x06, 0xFF, 1))
        recs = [data[i:i + 5] for i in range(7, len(data), 5)]
        self.assertEqual(len(recs), 200)
        self.assertEqual([r[0] for r in recs], [i & 0xFF for i in range(200)])
        self.assertEqual(recs[3][1:], bytes.fromhex("0003 FFFE"))
        sim.write(b"\x02" * 10)
        sim.wait_event("stream_stop")
        sim.read(timeout=0.05)  # records already on the way
        self.assertEqual(sim.read(timeout=0.1), b"")
        log = sim.wait_event("stop_bytes")
        self.assertIn({"event": "stream_stop", "reason": "stop bytes"},
                      [{k: e.get(k) for k in ("event", "reason")} for e in log])
        self.assertEqual([e["count"] for e in log if e.get("event") == "stop_bytes"], [10])
        sim.ctl("fault", kind="stream_gap", records=2)
        sim.request(0x5A, data=bytes((3, 50, 0, 0, ord("B"))))  # 100/s, channel B only
        data = sim.read(7 + 3 * 3, 1.0)
        self.assertEqual(data[7:], bytes.fromhex("02 FFFE 03 FFFE 04 FFFE"))
        sim.write(b"\x02" * 10)

    def test_sequence_values_and_records_per_stream(self):
        sim = self.sim
        sim.ctl("set_values", channel="A", source={"kind": "sequence", "bits": "low"})
        sim.ctl("set_values", channel="B", source={"kind": "sequence", "bits": "high"})
        self.assertEqual(sim.ctl("get_state")["streams"], 0)
        sim.request(0x5A, data=bytes((3, 1, 0, 0, ord("C"))))  # 5000 records/s
        data = sim.read(7 + 5 * 40000, 10.0)
        recs = [data[i:i + 5] for i in range(7, len(data) - 4, 5)]
        seq = [int.from_bytes(r[1:3], "big") | int.from_bytes(r[3:5], "big") << 16 for r in recs]
        self.assertEqual(seq, list(range(len(recs))))  # across 32767 to 32768
        sim.ctl("fault", kind="stream_gap", records=3)
        gap = sim.read(5 * 1000, 1.0)
        low = [int.from_bytes(gap[i + 1:i + 3], "big") for i in range(0, len(gap) - 4, 5)]
        self.assertIn(4, [b - a for a, b in zip(low, low[1:])])  # three records skipped show
        sim.write(b"\x02" * 10)
        sim.wait_event("stream_stop")
        sim.read(timeout=0.05)  # records already on the way
        state = sim.ctl("get_state")
        last = state["last_stream"]
        self.assertEqual((state["streams"], last["reason"], last["channels"]), (1, "stop bytes", "C"))
        stop = [e for e in sim.ctl("get_log")["log"] if e.get("event") == "stream_stop"]
        self.assertEqual(last["records"], stop[0]["records"])
        self.assertGreaterEqual(last["records"], len(recs) + len(gap) // 5)
        sim.ctl("set_values", channel="A", source={"kind": "sequence", "bits": "high"})
        self.assertEqual(sim.answer(0x41)[9:13], bytes(4))  # polled: the count of samples
        sim.ctl("reset")
        self.assertEqual((sim.ctl("get_state")["streams"], sim.ctl("get_state")["last_stream"]), (0, None))

    def test_control_signal_during_stream_and_refused_start(self):
        sim = self.sim
        sim.ctl("set_values", channel="A", source={"kind": "constant", "value": 100})
        sim.request(0x5A, data=bytes((3, 25, 0, 0, ord("A"))))
        sim.read(7 + 3 * 4, 1.0)
        sim.request(0x45, data=b"\x01")  # acknowledged in place of a record
        ack, tail, end = codec.build_frame(0x06, 0xFF, 1), b"", time.monotonic() + 2
        while not tail.endswith(ack) and time.monotonic() < end:
            tail += sim.read(1, 0.1)
        self.assertEqual(tail[-7:], ack)
        self.assertEqual(len(tail) % 3, 1)
        raw = sim.answer(0x41)
        self.assertEqual((raw[9:11], raw[13]), ((100 + 10000).to_bytes(2, "big"), 1))
        nak = checked(sim.answer(0x5A, data=bytes((3, 0, 0, 0, ord("C")))))
        self.assertEqual(nak[1:6], bytes((0x15, 0xFF, 1, 1, ord("+"))))

    def test_negative_and_plain_acknowledgements(self):
        sim = self.sim
        sim.ctl("set_block", block=3, absent=True)
        nak = codec.build_frame(0x15, 0xFF, 1, b"?")
        bad_check = codec.build_frame(0x42, 1, 0xFF)[:-1] + b"\x00"
        cases = [(codec.build_frame(0x30, 1, 0xFF), nak),
                 (codec.build_frame(0x44, 1, 0xFF, b"\x05"), nak),
                 (codec.build_frame(0x44, 1, 0xFF, b"\x03"), nak),
                 (codec.build_frame(0x42, 1, 0xFF, b"\x00"), nak),
                 (bad_check, codec.build_frame(0x15, 0xFF, 1, b"#")),
                 (codec.build_frame(0x15, 1, 0xFF), codec.build_frame(0x15, 0xFF, 1, b"#")),
                 (codec.build_frame(0x06, 1, 0xFF), codec.build_frame(0x06, 0xFF, 1)),
                 (codec.build_frame(0x06, 2, 0xFF), b"")]
        for request, answer in cases:
            with self.subTest(request=codec.hexs(request)):
                sim.write(codec.stuff(request))
                self.assertEqual(sim.read(len(answer), 1.0 if answer else 0.1), answer)

    def test_block_write_persists_and_switch_off(self):
        sim = Sim("--config", self.config_file(), "--write-back")
        self.addCleanup(sim.stop)
        sim.connect()
        sim.open_port()
        block = bytearray(sim.answer(0x44, data=b"\x81"))  # factory calibration
        block[1], block[2], block[3], block[5], block[6] = 0x46, 1, 0xFF, 0x82, 0x42
        block[13:15] = (-300).to_bytes(2, "big", signed=True)
        for switch_off, adjustment in ((False, 0x63), (True, 0x62)):
            frame = codec.seal_block(bytearray(block), switch_off)
            frame = codec.build_frame(0x46, 1, 0xFF, frame[5:38])
            sim.write(codec.stuff(frame))
            self.assertEqual(sim.read(7), codec.build_frame(0x06, 0xFF, 1))
            self.assertEqual(sim.answer(0x42)[6], adjustment)
        back = sim.answer(0x44, data=b"\x82")
        self.assertEqual((back[13:15], codec.check_block(back)), (b"\xfe\xd4", 12))
        with open(self.cfg_path) as f:
            saved = json.load(f)["blocks"]["rotor_user_calib"]
        self.assertEqual((saved["offset_a"], saved["switched_off"]), (-300, True))

    def test_baud_change_takes_effect_after_restart(self):
        sim = self.sim
        op = bytearray(sim.answer(0x44, data=b"\x02"))
        op[16] = 16  # 230400
        op = codec.seal_block(op)
        sim.request(0x46, data=bytes(op[5:38]))
        self.assertEqual(sim.read(7), codec.build_frame(0x06, 0xFF, 1))
        self.assertEqual(len(sim.answer(0x42)), 21)  # still 115200
        sim.request(0x4B)
        sim.wait_event("booted")
        self.assertEqual(sim.read(timeout=0.1), b"")  # the hello went out at 230400
        sim.set_baud(termios.B230400)
        self.assertEqual(checked(sim.answer(0x42))[3], 1)
        sim.ctl("restart")
        self.assertEqual(sim.read(8, 1.0), codec.build_frame(0x40, 0xFF, 1, b"\x00"))

    def test_faults(self):
        sim = self.sim
        good = sim.answer(0x42)
        sim.ctl("fault", kind="wrong_cs", command="B")
        sim.ctl("fault", kind="no_answer", count=2, command="A")
        bad = sim.answer(0x42)
        self.assertEqual((bad[:-2], bad[-2] - good[-2], bad[-1]), (good[:-2], 1, good[-1]))
        self.assertEqual(sim.answer(0x42), good)
        sim.ctl("fault", kind="alter", byte=10, xor="0x41", command="B")
        altered = bytearray(good)
        altered[10] ^= 0x41
        self.assertEqual(sim.answer(0x42), altered)
        sim.ctl("fault", kind="alter", byte=99, command="B")
        altered = bytearray(good)
        altered[-3] ^= 0x40  # the last data byte; the check bytes stay
        self.assertEqual(sim.answer(0x42), altered)
        for _ in range(2):
            self.assertEqual(sim.answer(0x41), b"")
        self.assertEqual(len(sim.answer(0x41)), 16)
        sim.ctl("fault", kind="nak", reason="=", command="Z")
        self.assertEqual(sim.answer(0x5A, data=bytes((3, 25, 0, 0, 67)))[5], ord("="))
        sim.ctl("fault", kind="partial", bytes=5)
        sim.ctl("fault", kind="garbage", data="00 FF")
        self.assertEqual(sim.read(timeout=0.1), b"")
        sim.request(0x42)
        self.assertEqual(sim.read(timeout=0.3), b"\x00\xff" + good[:5])
        sim.ctl("fault", kind="delay", ms=300)
        sim.request(0x42)
        self.assertEqual(sim.read(timeout=0.15), b"")
        self.assertEqual(sim.read(21, 2.0), good)

    def test_unplug_and_replug(self):
        sim = self.sim
        first = os.readlink(sim.link)
        sim.ctl("unplug")
        self.assertFalse(os.path.lexists(sim.link))
        with self.assertRaises(OSError):  # the program's handle is hung up
            sim.request(0x42)
            sim.read(timeout=0.05)
            sim.request(0x42)
        sim.ctl("replug")
        self.assertTrue(os.path.islink(sim.link))
        self.assertNotEqual(os.readlink(sim.link), first)
        sim.open_port()
        self.assertEqual(len(checked(sim.answer(0x42))), 21)

    def config_file(self):
        tmp = tempfile.NamedTemporaryFile("w", suffix=".json", delete=False)
        json.dump({"status": {"watchdog_time": 9},
                   "blocks": {"rotor_operation": {"serial_a": "X1"}}}, tmp)
        tmp.close()
        self.cfg_path = tmp.name
        self.addCleanup(os.unlink, tmp.name)
        return tmp.name


class ProcessTest(unittest.TestCase):
    def test_sigterm_removes_the_link(self):
        sim = Sim()
        link = sim.link
        self.assertTrue(os.path.islink(link))
        sim.proc.terminate()
        self.assertEqual(sim.proc.wait(5), 0)
        self.assertFalse(os.path.lexists(link))
        sim.stop()

    def test_bad_config_is_refused_with_a_clear_error(self):
        with tempfile.NamedTemporaryFile("w", suffix=".json") as f:
            json.dump({"blocks": {"rotor_header": {"range_a": 5}}}, f)
            f.flush()
            run = subprocess.run([sys.executable, SIM, "--link", f.name + ".lnk",
                                  "--config", f.name], capture_output=True, text=True)
        self.assertEqual(run.returncode, 2)
        self.assertIn("has no field 'range_a'", run.stderr)


if __name__ == "__main__":
    unittest.main()
