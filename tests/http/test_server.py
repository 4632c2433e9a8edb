#!/usr/bin/env python3
"""A local HTTP server for the HTTP client's tests and benchmark. It listens on 127.0.0.1 on a
free port and answers per path:

  /bytes/N          200, Content-Length N, the pattern body (byte i is i mod 251)
  /chunked/N        200, chunked, N pattern bytes, no length
  /empty            200, empty body
  /status/S         status S (204 without a body; 206 with a Content-Range; 302 with a Location)
  /slow/N           200, Content-Length N, sent in ten pieces 50 ms apart
  /cut/N            200, Content-Length N, half of the body, then the connection closes
  /late-headers/MS  the headers after MS milliseconds, then a 10-byte body
  /stall/N          200, Content-Length N, 10 bytes, then nothing for 30 s (the connection open)

Commands:
  serve --port-file F   run in the foreground; F receives the port once listening
  start --state DIR     run in the background (own session), DIR/port and DIR/pid when ready
  stop --state DIR      end the server started by 'start', by its process id
"""

import argparse
import http.server
import os
import signal
import subprocess
import sys
import time

PATTERN_PERIOD = 251
BLOCK = bytes(i % PATTERN_PERIOD for i in range(PATTERN_PERIOD * 4096))  # about 1 MiB


def pattern(length):
    """The first `length` bytes of the pattern body, as memoryview slices of one block."""
    view = memoryview(BLOCK)
    while length > 0:
        piece = min(length, len(BLOCK))
        yield view[:piece]
        length -= piece


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def do_GET(self):
        parts = self.path.split("?", 1)[0].strip("/").split("/")
        route, argument = parts[0], int(parts[1]) if len(parts) > 1 and parts[1].isdigit() else 0
        handler = getattr(self, "route_" + route.replace("-", "_"), None)
        if handler is None:
            self.respond(404, b"not found")
        else:
            handler(argument)

    def respond(self, status, body=b"", headers=()):
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        if status != 204:
            self.send_header("Content-Length", str(len(body)))
        self.send_header("Connection", "close")
        self.end_headers()
        self.wfile.write(body)

    def start_body(self, length):
        self.send_response(200)
        self.send_header("Content-Length", str(length))
        self.send_header("Connection", "close")
        self.end_headers()

    def route_bytes(self, length):
        self.start_body(length)
        for piece in pattern(length):
            self.wfile.write(piece)

    def route_chunked(self, length):
        self.send_response(200)
        self.send_header("Transfer-Encoding", "chunked")
        self.send_header("Connection", "close")
        self.end_headers()
        body = b"".join(pattern(length))
        for start in range(0, length, 1000):
            piece = body[start:start + 1000]
            self.wfile.write(b"%x\r\n" % len(piece) + piece + b"\r\n")
        self.wfile.write(b"0\r\n\r\n")

    def route_empty(self, _):
        self.respond(200)

    def route_status(self, status):
        headers = {206: [("Content-Range", "bytes 0-9/100")],
                   302: [("Location", "/bytes/10")]}.get(status, [])
        self.respond(status, b"" if status == 204 else b"0123456789", headers)

    def route_slow(self, length):
        self.start_body(length)
        body = b"".join(pattern(length))
        step = max(1, -(-length // 10))
        for start in range(0, length, step):
            self.wfile.write(body[start:start + step])
            self.wfile.flush()
            time.sleep(0.05)

    def route_cut(self, length):
        self.start_body(length)
        self.wfile.write(b"".join(pattern(length // 2)))
        self.wfile.flush()
        self.close_connection = True

    def route_stall(self, length):
        self.start_body(length)
        self.wfile.write(b"".join(pattern(10)))
        self.wfile.flush()
        time.sleep(30)

    def route_late_headers(self, milliseconds):
        time.sleep(milliseconds / 1000)
        self.respond(200, b"0123456789")


def serve(port_file):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    with open(port_file + ".tmp", "w") as out:
        out.write(str(server.server_address[1]))
    os.replace(port_file + ".tmp", port_file)
    server.serve_forever()


def start(state):
    os.makedirs(state, exist_ok=True)
    port_file = os.path.join(state, "port")
    if os.path.exists(port_file):
        os.remove(port_file)
    log = open(os.path.join(state, "server.log"), "w")
    process = subprocess.Popen([sys.executable, os.path.abspath(__file__), "serve", "--port-file", port_file],
                               stdin=subprocess.DEVNULL, stdout=log, stderr=log, start_new_session=True)
    with open(os.path.join(state, "pid"), "w") as out:
        out.write(str(process.pid))
    deadline = time.monotonic() + 20
    while not os.path.exists(port_file):
        if process.poll() is not None or time.monotonic() > deadline:
            print("the test HTTP server did not start", file=sys.stderr)
            return 1
        time.sleep(0.05)
    return 0


def running(pid):
    """True while the process exists and is not a zombie waiting for its new parent to reap it."""
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


def stop(state):
    pid_file = os.path.join(state, "pid")
    try:
        pid = int(open(pid_file).read())
    except (OSError, ValueError):
        return 0
    os.remove(pid_file)
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.kill(pid, sig)
        except ProcessLookupError:
            return 0
        deadline = time.monotonic() + 5
        while running(pid) and time.monotonic() < deadline:
            time.sleep(0.02)
        if not running(pid):
            return 0
    return 1


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("command", choices=["serve", "start", "stop"])
    parser.add_argument("--port-file")
    parser.add_argument("--state")
    args = parser.parse_args()
    if args.command == "serve":
        serve(args.port_file)
        return 0
    return start(args.state) if args.command == "start" else stop(args.state)


if __name__ == "__main__":
    sys.exit(main())
