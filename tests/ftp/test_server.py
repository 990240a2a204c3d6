#!/usr/bin/python3
"""A real FTP server for the FTP tab's tests, on a loopback address at port 21.

Every account has the password "secret" and its home folder ROOT/<account>:
  quilt    an ordinary server
  passive  refuses active mode (PORT, EPRT): only passive transfers work
  active   refuses passive mode (PASV, EPSV): only active transfers work
  dropper  closes the control connection when a file is downloaded
  aborter  closes the data connection of every upload after 64 KiB
  hostile  an ordinary server whose home holds "..\\evil.txt", "a\\b.txt" and
           "good.txt" (names with backslashes are plain names on this system)

  test_server.py start ROOT ADDRESS [LIFETIME]
      starts the server in the background and returns once it listens; fails
      at once with a message when the address cannot be bound (for example
      when port 21 is taken). The server stops by itself after LIFETIME
      seconds (default 1800).
  test_server.py stop ROOT
      stops the server started for ROOT.
"""
import logging
import os
import select
import shutil
import signal
import sys
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.servers import FTPServer

PORT = 21
PASSWORD = "secret"
ACCOUNTS = ("quilt", "passive", "active", "dropper", "aborter", "hostile")
ABORT_AFTER = 64 * 1024
READY_TIMEOUT = 20


class AbortingDTP(DTPHandler):
    """Closes an upload's data connection part-way for the aborting account."""

    def handle_read(self):
        super().handle_read()
        if (self.receive and not self._closed and self.cmd_channel.username == "aborter"
                and self.tot_bytes_received > ABORT_AFTER):
            self._resp = ("426 Connection closed; transfer aborted.", logging.info)
            self.close()

    handle_read_event = handle_read


class TestHandler(FTPHandler):
    dtp_handler = AbortingDTP
    banner = "Quiltmark test server ready."

    def ftp_PORT(self, line):
        if self.username == "passive":
            return self.respond("500 Active mode is not accepted here.")
        return super().ftp_PORT(line)

    def ftp_EPRT(self, line):
        if self.username == "passive":
            return self.respond("500 Active mode is not accepted here.")
        return super().ftp_EPRT(line)

    def ftp_PASV(self, line):
        if self.username == "active":
            return self.respond("500 Passive mode is not accepted here.")
        return super().ftp_PASV(line)

    def ftp_EPSV(self, line):
        if self.username == "active":
            return self.respond("500 Passive mode is not accepted here.")
        return super().ftp_EPSV(line)

    def ftp_RETR(self, file):
        if self.username == "dropper":
            self.close()
            return
        return super().ftp_RETR(file)


def prepare(root):
    authorizer = DummyAuthorizer()
    for account in ACCOUNTS:
        home = os.path.join(root, account)
        os.makedirs(home, exist_ok=True)
        authorizer.add_user(account, PASSWORD, home, perm="elradfmwMT")
    hostile = os.path.join(root, "hostile")
    for name, text in (("..\\evil.txt", b"evil\r\n"), ("a\\b.txt", b"b\r\n"), ("good.txt", b"good\r\n")):
        with open(os.path.join(hostile, name), "wb") as f:
            f.write(text)
    with open(os.path.join(root, "dropper", "page.html"), "wb") as f:
        f.write(b"<p>page</p>\r\n")
    return authorizer


def serve(root, address, lifetime, ready):
    logging.basicConfig(filename=os.path.join(root, "server.log"), level=logging.INFO)
    handler = TestHandler
    handler.authorizer = prepare(root)
    handler.permit_foreign_addresses = False
    try:
        server = FTPServer((address, PORT), handler)
    except OSError as err:
        os.write(ready, ("cannot listen on %s:%d: %s\n" % (address, PORT, err)).encode())
        os._exit(1)
    os.write(ready, b"ready\n")
    os.close(ready)
    end = time.monotonic() + lifetime
    while time.monotonic() < end:
        server.serve_forever(timeout=1, blocking=False)
    server.close_all()


def start(root, address, lifetime):
    stop(root)
    # Every run starts from empty home folders.
    shutil.rmtree(root, ignore_errors=True)
    os.makedirs(root, exist_ok=True)
    read_end, write_end = os.pipe()
    pid = os.fork()
    if pid == 0:
        os.close(read_end)
        os.setsid()
        devnull = os.open(os.devnull, os.O_RDWR)
        for fd in (0, 1, 2):
            os.dup2(devnull, fd)
        serve(root, address, lifetime, write_end)
        os._exit(0)
    os.close(write_end)
    with open(os.path.join(root, "server.pid"), "w") as f:
        f.write(str(pid))
    message = b""
    deadline = time.monotonic() + READY_TIMEOUT
    while b"\n" not in message and time.monotonic() < deadline:
        readable, _, _ = select.select([read_end], [], [], 0.5)
        if readable:
            chunk = os.read(read_end, 256)
            if not chunk:
                break
            message += chunk
    os.close(read_end)
    if message.strip() != b"ready":
        text = message.decode(errors="replace").strip() or "the server did not start within %ds" % READY_TIMEOUT
        print("FTP test server: " + text, file=sys.stderr)
        stop(root)
        return 1
    print("FTP test server listening on %s:%d (root %s)" % (address, PORT, root))
    return 0


def stop(root):
    path = os.path.join(root, "server.pid")
    try:
        with open(path) as f:
            pid = int(f.read().strip())
    except (OSError, ValueError):
        return 0
    try:
        os.kill(pid, signal.SIGTERM)
        for _ in range(50):
            os.kill(pid, 0)
            time.sleep(0.1)
        os.kill(pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    try:
        os.waitpid(pid, os.WNOHANG)
    except ChildProcessError:
        pass
    os.remove(path)
    return 0


def main(argv):
    if len(argv) >= 4 and argv[1] == "start":
        lifetime = int(argv[4]) if len(argv) > 4 else 1800
        return start(argv[2], argv[3], lifetime)
    if len(argv) == 3 and argv[1] == "stop":
        return stop(argv[2])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
