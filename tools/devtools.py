# SPDX-FileCopyrightText: 2026 The Korvane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Headless Chromium driven through its DevTools protocol, over the pipe Chromium offers
(--remote-debugging-pipe: JSON messages ended by a NUL byte, ours on its descriptor 3, its own
on 4), and a local web server for a folder: Python's standard library only, and never a
browser of its own: Debian's chromium."""

import base64
import functools
import http.server
import json
import os
import select
import shutil
import subprocess
import sys
import tempfile
import threading
import time

# This machine's network is closed and the profile is fresh each time: nothing is fetched,
# synced or updated behind the test's back.
CHROMIUM_FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--disable-extensions", "--disable-default-apps", "--mute-audio", "--hide-scrollbars",
]


class DevToolsError(RuntimeError):
    pass


class Chromium:
    """One headless Chromium with one page; commands are sent and their results waited for,
    and the events that arrive meanwhile are kept."""

    def __init__(self, size=(1024, 768), language=None, extra=()):
        self.profile = tempfile.mkdtemp(prefix="korvane-chromium-")
        ours, its_in = os.pipe()
        its_out, theirs = os.pipe()
        flags = CHROMIUM_FLAGS + [
            f"--user-data-dir={self.profile}", f"--window-size={size[0]},{size[1]}",
            "--remote-debugging-pipe", *extra]
        environment = dict(os.environ)
        if language:
            flags.append(f"--lang={language}")
            flags.append(f"--accept-lang={language}")
            environment["LANGUAGE"] = language

        def descriptors():
            os.dup2(ours, 3)
            os.dup2(theirs, 4)

        self.process = subprocess.Popen(
            [shutil.which("chromium") or "chromium", *flags, "about:blank"],
            preexec_fn=descriptors, pass_fds=(3, 4), env=environment,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(ours)
        os.close(theirs)
        self.send_fd, self.receive_fd = its_in, its_out
        self.buffer = b""
        self.next_id = 0
        self.events = []
        self.session = None
        targets = self.call("Target.getTargets")["targetInfos"]
        page = next(t for t in targets if t["type"] == "page")
        self.session = self.call("Target.attachToTarget", targetId=page["targetId"],
                                 flatten=True)["sessionId"]
        for domain in ("Page", "Runtime"):
            self.call(f"{domain}.enable")

    def close(self):
        try:
            self.call("Browser.close", browser=True, timeout=5)
        except (DevToolsError, OSError):
            pass
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        for fd in (self.send_fd, self.receive_fd):
            try:
                os.close(fd)
            except OSError:
                pass
        shutil.rmtree(self.profile, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()

    def _receive(self, timeout):
        """One message, or None when none arrived within the timeout."""
        deadline = time.monotonic() + timeout
        while b"\0" not in self.buffer:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self.receive_fd], [], [], left)[0]:
                return None
            chunk = os.read(self.receive_fd, 1 << 20)
            if not chunk:
                raise DevToolsError("Chromium ended")
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(message)

    def call(self, method, timeout=60, browser=False, **params):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params}
        if self.session and not browser:
            message["sessionId"] = self.session
        os.write(self.send_fd, json.dumps(message).encode() + b"\0")
        deadline = time.monotonic() + timeout
        while True:
            reply = self._receive(max(0.0, deadline - time.monotonic()))
            if reply is None:
                raise DevToolsError(f"no answer to {method} within {timeout} s")
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise DevToolsError(f"{method}: {reply['error'].get('message')}")
                return reply.get("result", {})
            if "method" in reply:
                self.events.append(reply)

    def pump(self, seconds):
        """Lets the page run for a while, keeping the events that arrive."""
        deadline = time.monotonic() + seconds
        while (left := deadline - time.monotonic()) > 0:
            reply = self._receive(left)
            if reply and "method" in reply:
                self.events.append(reply)

    def evaluate(self, expression, timeout=60):
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True,
                           awaitPromise=True, timeout=timeout)
        if "exceptionDetails" in result:
            details = result["exceptionDetails"]
            raise DevToolsError(details.get("exception", {}).get("description")
                                or details.get("text"))
        return result["result"].get("value")

    def wait_for(self, expression, timeout=30, step=0.1):
        """Waits until the expression is true in the page; returns its value, or None. While the
        page is still loading, an expression that fails counts as false."""
        deadline = time.monotonic() + timeout
        guarded = f"(() => {{ try {{ return ({expression}); }} catch (e) {{ return null; }} }})()"
        while time.monotonic() < deadline:
            value = self.evaluate(guarded)
            if value:
                return value
            self.pump(step)
        return None

    def screenshot(self, path):
        data = self.call("Page.captureScreenshot", format="png")["data"]
        with open(path, "wb") as file:
            file.write(base64.b64decode(data))

    def click(self, x, y, button="left"):
        for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button=button,
                      clickCount=0 if kind == "mouseMoved" else 1)

    def key(self, key, code, key_code, modifiers=0, text=None):
        """One key pressed and released: key and code as the DOM names them, the Windows
        virtual key code; modifiers 2 for Ctrl."""
        down = {"type": "keyDown" if text is None else "keyDown", "key": key, "code": code,
                "windowsVirtualKeyCode": key_code, "modifiers": modifiers}
        if text is not None:
            down["text"] = text
        self.call("Input.dispatchKeyEvent", **down)
        self.call("Input.dispatchKeyEvent", type="keyUp", key=key, code=code,
                  windowsVirtualKeyCode=key_code, modifiers=modifiers)


class _QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript",
                      ".webmanifest": "application/manifest+json"}

    def log_message(self, *_):
        pass


class _QuietServer(http.server.ThreadingHTTPServer):
    # A download the browser gives up (as the failed-download check makes it) is no fault here.
    def handle_error(self, request, client_address):
        if not isinstance(sys.exc_info()[1], (ConnectionResetError, BrokenPipeError)):
            super().handle_error(request, client_address)


class Server:
    """The folder served on 127.0.0.1, on the port given or any free one, until closed."""

    def __init__(self, folder, port=0):
        handler = functools.partial(_QuietHandler, directory=folder)
        self.httpd = _QuietServer(("127.0.0.1", port), handler)
        self.url = f"http://127.0.0.1:{self.httpd.server_address[1]}/"
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def close(self):
        self.httpd.shutdown()
        self.httpd.server_close()

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()
