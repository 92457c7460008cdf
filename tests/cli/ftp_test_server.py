#!/usr/bin/env python3
"""Loopback FTP server for the transfer tests.

Usage: ftp_test_server.py USER PASSWORD ROOT
Serves ROOT read-only to USER on 127.0.0.1 at a free port, prints the port on a line of its
own, and ends when its standard input closes, so it never outlives the test that started it.
"""
import logging
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    user, password, root = sys.argv[1:4]
    logging.basicConfig(level=logging.ERROR)
    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, root, perm="elr")
    FTPHandler.authorizer = authorizer
    # A rejected login is answered at once instead of after the usual delay.
    FTPHandler.auth_failed_timeout = 0
    server = FTPServer(("127.0.0.1", 0), FTPHandler)
    print(server.socket.getsockname()[1], flush=True)

    def end_with_stdin():
        sys.stdin.buffer.read()
        os._exit(0)

    threading.Thread(target=end_with_stdin, daemon=True).start()
    server.serve_forever()


if __name__ == "__main__":
    main()
