"""The maker's web site as the program sees it: a loopback HTTP server that serves the links file
the way a test asks (a body with a status, or no answer at all) and counts the requests."""
import http.server
import socket
import threading

LINKS_PATH = "/modulix/modulix.ini"
HANG_LIMIT_S = 60  # a hanging answer is released at the latest after this


class _Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def do_GET(self):
        site = self.server.site
        site._record(self.path, dict(self.headers))
        if site.hang:
            site._release.wait(HANG_LIMIT_S)
            self.close_connection = True
            return
        status, body = site.answer_for(self.path)
        self.send_response(status)
        self.send_header("Content-Type", "text/plain")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Connection", "close")
        self.end_headers()
        self.wfile.write(body)
        self.close_connection = True

    def log_message(self, *args):
        pass


class LinksSite:
    """Use as a context manager; `url` is the address to give the program."""

    def __init__(self):
        self.hang = False
        self._answers = {}
        self._requests = []
        self._lock = threading.Lock()
        self._release = threading.Event()
        self._server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), _Handler)
        self._server.daemon_threads = True
        self._server.site = self
        self.url = "http://127.0.0.1:%d" % self._server.server_address[1]
        self._thread = threading.Thread(target=self._server.serve_forever, daemon=True)

    def __enter__(self):
        self._thread.start()
        return self

    def __exit__(self, *exc):
        self._release.set()
        self._server.shutdown()
        self._server.server_close()
        return False

    def serve_links(self, body, status=200):
        """From now on the links file is answered with `body` (bytes) and `status`."""
        with self._lock:
            self.hang = False
            self._answers[LINKS_PATH] = (status, body)
            self._requests.clear()

    def never_answer(self):
        """From now on every request is read and left without an answer."""
        with self._lock:
            self.hang = True
            self._release.clear()
            self._requests.clear()

    def release(self):
        self._release.set()

    def answer_for(self, path):
        with self._lock:
            return self._answers.get(path, (404, b"<html><body>Not found</body></html>"))

    def _record(self, path, headers):
        with self._lock:
            self._requests.append((path, headers))

    def requests(self):
        with self._lock:
            return list(self._requests)


def closed_port_url():
    """The address of a loopback port nobody listens on: connections to it are refused."""
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return "http://127.0.0.1:%d" % probe.getsockname()[1]
