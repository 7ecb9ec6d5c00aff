"""The serial line: a pseudo-terminal whose slave a stable symlink names."""

import errno
import fcntl
import os
import pty
import struct
import termios
import tty

BAUD = {getattr(termios, n): int(n[1:]) for n in dir(termios)
        if n.startswith("B") and n[1:].isdigit()}

HOUSEKEEPING = 0.1  # seconds between checks of the slave's input queue
STALE_AFTER = 1.0  # unread output older than this is lost, as on a real line
MAX_PENDING = 256 * 1024


class Line:
    """Owns the pty pair and the link. The slave stays open here (raw,
    115200 at first) so the link stays valid while the program has the
    port closed; the program's own open sets the rate we read back."""

    def __init__(self, path, loop, on_data, log):
        self.path, self.loop, self.on_data, self.log = path, loop, on_data, log
        self.master = self.slave = None
        self.slave_name = None
        self.pending = bytearray()
        self._timer = None
        self._written = 0  # bytes put into the slave's input queue since the last housekeeping

    @property
    def is_open(self):
        return self.master is not None

    def open(self):
        if os.path.lexists(self.path) and not os.path.islink(self.path):
            raise OSError(errno.EEXIST, "link path exists and is not a symlink", self.path)
        master, slave = pty.openpty()
        tty.setraw(slave)
        attrs = termios.tcgetattr(slave)
        attrs[4] = attrs[5] = termios.B115200
        termios.tcsetattr(slave, termios.TCSANOW, attrs)
        os.set_blocking(master, False)
        self.master, self.slave = master, slave
        self.slave_name = os.ttyname(slave)
        folder = os.path.dirname(os.path.abspath(self.path))
        os.makedirs(folder, exist_ok=True)
        tmp = os.path.join(folder, ".%s.%d.tmp" % (os.path.basename(self.path), os.getpid()))
        if os.path.lexists(tmp):
            os.unlink(tmp)
        os.symlink(self.slave_name, tmp)
        os.replace(tmp, self.path)
        self.loop.add_reader(master, self._readable)
        self._last_inq, self._written, self._progress = 0, 0, self.loop.time()
        self._timer = self.loop.call_later(HOUSEKEEPING, self._housekeeping)
        self.log.add("event", event="plugged", link=self.path, tty=self.slave_name)

    def close(self):
        """Hang up: close both ends and remove the link if it is still ours."""
        if not self.is_open:
            return
        self.loop.remove_reader(self.master)
        self.loop.remove_writer(self.master)
        if self._timer:
            self._timer.cancel()
        try:
            if os.readlink(self.path) == self.slave_name:
                os.unlink(self.path)
        except OSError:
            pass
        os.close(self.master)
        os.close(self.slave)
        self.master = self.slave = None
        self.pending = bytearray()
        self.log.add("event", event="unplugged", link=self.path)

    def rate(self):
        """Baud rate currently set on the line, None while unplugged."""
        if not self.is_open:
            return None
        return BAUD.get(termios.tcgetattr(self.slave)[5])

    def write(self, data):
        if not self.is_open:
            return
        if len(self.pending) + len(data) > MAX_PENDING:
            self.log.add("event", event="overflow", bytes=len(data))
            return
        was_idle = not self.pending
        self.pending += data
        if was_idle:
            self._drain()

    def _drain(self):
        try:
            n = os.write(self.master, self.pending)
            del self.pending[:n]
            self._written += n
        except BlockingIOError:
            pass
        except OSError as e:
            self.log.add("event", event="write_error", error=str(e))
            self.pending = bytearray()
        if self.pending:
            self.loop.add_writer(self.master, self._writable)

    def _writable(self):
        self.loop.remove_writer(self.master)
        if self.pending:
            self._drain()

    def _readable(self):
        try:
            data = os.read(self.master, 4096)
        except (BlockingIOError, InterruptedError):
            return
        except OSError:
            data = b""
        if data:
            self.on_data(data)

    def _inq(self):
        buf = fcntl.ioctl(self.slave, termios.TIOCINQ, b"\0\0\0\0")
        return struct.unpack("i", buf)[0]

    def _housekeeping(self):
        """Bytes the program leaves unread (its port is closed) are lost. A
        program that reads now and then keeps its bytes, however full the
        queue is when looked at."""
        now = self.loop.time()
        inq = self._inq()
        if inq == 0 or inq < self._last_inq + self._written:
            self._progress = now
        elif now - self._progress > STALE_AFTER:
            termios.tcflush(self.slave, termios.TCIFLUSH)
            self.log.add("event", event="flushed", bytes=inq + len(self.pending))
            self.pending = bytearray()
            self.loop.remove_writer(self.master)
            inq, self._progress = 0, now
        self._last_inq, self._written = inq, 0
        self._timer = self.loop.call_later(HOUSEKEEPING, self._housekeeping)
