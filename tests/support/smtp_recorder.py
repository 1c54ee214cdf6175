#!/usr/bin/python3
# aiosmtpd on 127.0.0.1:<port> for the mail tests: appends the data of each message, as it
# arrived, to <file>.
import asyncio
import sys
from types import SimpleNamespace

from aiosmtpd.smtp import SMTP


async def record(server, session, envelope):
    with open(sys.argv[2], "ab") as out:
        out.write(envelope.original_content)
    return "250 OK"


loop = asyncio.new_event_loop()
# A fixed host name spares the name lookup aiosmtpd would make at every start.
server = lambda: SMTP(SimpleNamespace(handle_DATA=record), hostname="recorder.example", loop=loop)
loop.run_until_complete(loop.create_server(server, "127.0.0.1", int(sys.argv[1])))
loop.run_forever()
