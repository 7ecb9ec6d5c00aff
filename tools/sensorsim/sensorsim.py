#!/usr/bin/env python3
"""Sensor simulator: plays a torque sensor and its interface on a
pseudo-terminal, scriptable through a JSON-lines control socket.

python3 sensorsim.py --link PATH [--control PORT] [--config FILE]
                     [--write-back] [--rate follow|115200|230400|both] [--verbose]
"""

import argparse
import asyncio
import os
import signal
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import config  # noqa: E402
import control  # noqa: E402
import device  # noqa: E402
import line  # noqa: E402


def parse_args(argv):
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    p.add_argument("--link", required=True,
                   help="symlink to create, pointing at the pty slave")
    p.add_argument("--control", type=int, default=0,
                   help="control port on 127.0.0.1 (0: pick a free one)")
    p.add_argument("--config", help="JSON file with identity, blocks and values")
    p.add_argument("--write-back", action="store_true",
                   help="save block writes of the program to the --config file")
    p.add_argument("--rate", choices=config.RATE_MODES,
                   help="rates the sensor answers at (default: follow the baud "
                        "code of its stator operation block, i.e. 115200)")
    p.add_argument("--verbose", action="store_true", help="log traffic to stderr")
    args = p.parse_args(argv)
    if args.write_back and not args.config:
        p.error("--write-back needs --config")
    return args


def build_config(args):
    cfg = config.load(args.config) if args.config else config.Config()
    if args.rate in ("115200", "230400"):
        cfg.set_rate(args.rate)  # the stored baud code agrees with the rate
        code = 9 if args.rate == "115200" else 16
        cfg.set_block(2, {"baud_code": code})
    elif args.rate:
        cfg.set_rate(args.rate)
    return cfg


async def run(args, cfg):
    loop = asyncio.get_running_loop()
    log = device.Log(loop.time, args.verbose)
    holder = {}
    ln = line.Line(args.link, loop, lambda data: holder["sensor"].receive(data), log)

    def save():
        holder["sensor"].cfg.save(args.config)

    def written():
        if args.write_back:
            try:
                save()
            except OSError as e:
                log.add("event", event="save_error", error=str(e))
                print("sensorsim: cannot save %s: %s" % (args.config, e), file=sys.stderr)

    sensor = device.Sensor(cfg, loop, ln, log, on_block_written=written)
    holder["sensor"] = sensor
    ln.open()
    ctl = control.Controller(sensor, ln, save if args.config else None)
    server = await control.serve(ctl, args.control)
    port = server.sockets[0].getsockname()[1]
    stop = asyncio.Event()
    for sig in (signal.SIGTERM, signal.SIGINT):
        loop.add_signal_handler(sig, stop.set)
    print("READY control=%d link=%s" % (port, args.link), flush=True)
    try:
        await stop.wait()
    finally:
        server.close()
        sensor.cancel_restart()
        sensor.stop_stream("exit")
        ln.close()


def main(argv=None):
    args = parse_args(argv)
    try:
        cfg = build_config(args)
    except (OSError, ValueError) as e:
        print("sensorsim: %s" % e, file=sys.stderr)
        return 2
    try:
        asyncio.run(run(args, cfg))
    except OSError as e:
        print("sensorsim: %s" % e, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
