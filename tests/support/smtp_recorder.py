#!/usr/bin/python3
"""SMTP server on 127.0.0.1 for the mail tests: accepts everything and records each command.

Prints "PORT <n>" once it listens on the port the system picked. Every HELO, MAIL, RCPT, DATA
and QUIT is appended to the record file as "<COMMAND> <length>\\n<bytes>\\n" before the reply
goes out, so a client that has its reply can read the record at once. With --watch-port, QUIT
is preceded by a WATCH record holding how many client connections to that port were
established at that moment (read from /proc/net/tcp).
"""

import argparse
import asyncio
import sys

from aiosmtpd.smtp import SMTP


def established_connections_to(port):
    count = 0
    for table in ("/proc/net/tcp", "/proc/net/tcp6"):
        try:
            with open(table) as f:
                next(f)
                for line in f:
                    fields = line.split()
                    remote_port = int(fields[2].rsplit(":", 1)[1], 16)
                    if remote_port == port and fields[3] == "01":
                        count += 1
        except FileNotFoundError:
            pass
    return count


class Recorder:
    def __init__(self, path, watch_port):
        self.path = path
        self.watch_port = watch_port

    def write(self, command, payload):
        if isinstance(payload, str):
            payload = payload.encode("utf-8", "surrogateescape")
        with open(self.path, "ab") as f:
            f.write(b"%s %d\n" % (command.encode(), len(payload)) + payload + b"\n")

    async def handle_HELO(self, server, session, envelope, hostname):
        self.write("HELO", hostname)
        session.host_name = hostname
        return "250 " + server.hostname

    async def handle_MAIL(self, server, session, envelope, address, mail_options):
        self.write("MAIL", address)
        envelope.mail_from = address
        envelope.mail_options.extend(mail_options)
        return "250 OK"

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        self.write("RCPT", address)
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.write("DATA", envelope.original_content or b"")
        return "250 OK: message accepted"

    async def handle_QUIT(self, server, session, envelope):
        if self.watch_port:
            self.write("WATCH", str(established_connections_to(self.watch_port)))
        self.write("QUIT", b"")
        return "221 Bye"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--record", required=True)
    parser.add_argument("--watch-port", type=int, default=0)
    args = parser.parse_args()

    handler = Recorder(args.record, args.watch_port)
    loop = asyncio.new_event_loop()
    asyncio.set_event_loop(loop)
    # A fixed host name spares the name lookup aiosmtpd would otherwise make at every start.
    server = loop.run_until_complete(
        loop.create_server(
            lambda: SMTP(handler, decode_data=False, hostname="recorder.example"),
            "127.0.0.1",
            0,
        )
    )
    print("PORT", server.sockets[0].getsockname()[1], flush=True)
    loop.run_forever()


if __name__ == "__main__":
    sys.exit(main())
