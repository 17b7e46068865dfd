#!/usr/bin/env python3
"""A local stand-in for the maker's site, serving the status file to the tests.

    status_server.py start DIR PORT   serve in the background, pid in DIR/pid
    status_server.py stop DIR         end the server started there

Each request for the status file takes the next line of DIR/queue as what to answer
(a file of DIR/responses, sent whole; "truncated:NAME", the file cut short against its
declared length; "404"); with the queue empty it sends DIR/responses/good. Every request
is logged to DIR/requests.log.
"""
import http.server
import os
import signal
import sys
import threading
import time

STATUS_PATH = "/soft/config/Status6_2_5.inf"


def make_handler(folder):
    lock = threading.Lock()

    def next_answer():
        with lock:
            queue = os.path.join(folder, "queue")
            lines = []
            if os.path.exists(queue):
                with open(queue) as f:
                    lines = [l.strip() for l in f if l.strip()]
            answer = lines.pop(0) if lines else "good"
            with open(queue, "w") as f:
                f.writelines(l + "\n" for l in lines)
            with open(os.path.join(folder, "requests.log"), "a") as f:
                f.write(f"{time.time():.1f} {answer}\n")
            return answer

    class Handler(http.server.BaseHTTPRequestHandler):
        def log_message(self, *args):
            pass

        def do_GET(self):
            if self.path != STATUS_PATH:
                self.send_error(404)
                return
            answer = next_answer()
            if answer == "404":
                self.send_error(404)
                return
            truncated = answer.startswith("truncated:")
            name = answer.split(":", 1)[1] if truncated else answer
            with open(os.path.join(folder, "responses", name), "rb") as f:
                body = f.read()
            self.send_response(200)
            self.send_header("Content-Type", "text/plain")
            self.send_header("Content-Length", str(len(body) + (4096 if truncated else 0)))
            self.end_headers()
            self.wfile.write(body)
            self.wfile.flush()
            if truncated:
                self.close_connection = True

    return Handler


def main():
    command, folder = sys.argv[1], sys.argv[2]
    if command == "stop":
        try:
            with open(os.path.join(folder, "pid")) as f:
                os.kill(int(f.read()), signal.SIGTERM)
        except (OSError, ValueError):
            pass
        return
    port = int(sys.argv[3])
    os.umask(0)  # the tests, running as another user, rewrite the queue
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), make_handler(folder))
    if os.fork():
        return
    os.setsid()
    with open(os.path.join(folder, "pid"), "w") as f:
        f.write(str(os.getpid()))
    sys.stdin.close()
    devnull = os.open(os.devnull, os.O_RDWR)
    for fd in (1, 2):
        os.dup2(devnull, fd)
    # Ends by itself after an hour, should a run never stop it.
    threading.Timer(3600, server.shutdown).start()
    server.serve_forever()


if __name__ == "__main__":
    main()
