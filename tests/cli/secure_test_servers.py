#!/usr/bin/env python3
"""Loopback SFTP and FTPS servers for the secure transfer tests.

Usage: secure_test_servers.py sftp DIR PASSWORD SHIM [BREAK_FILE]
       secure_test_servers.py ftps DIR USER PASSWORD ROOT good|wrong-name|untrusted|expired
Prints the port on a line of its own once the server listens and ends, with the server, when its
standard input closes, so it never outlives the test that started it.

sftp: an OpenSSH server with its own configuration, host key (DIR/host_key.pub) and a client key
(DIR/client_key) authorised for the user running the test. The password logs that user in too:
the server runs with SHIM preloaded, which answers its shadow look-up with that password's hash,
so no account of the system changes and no privilege is needed. With BREAK_FILE, the server and its sessions
are killed once that file holds a megabyte, to break a transfer off mid-file.

ftps: pyftpdlib's TLS handler (explicit TLS required) with a throw-away CA (DIR/ca.pem, the one a
client should trust) and a server certificate as the last argument says.
"""
import os
import signal
import socket
import subprocess
import sys
import threading
import time


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def wait_for_port(port, deadline=10.0):
    end = time.time() + deadline
    while time.time() < end:
        try:
            with socket.create_connection(("127.0.0.1", port), timeout=0.5):
                return True
        except OSError:
            time.sleep(0.05)
    return False


def descendants(root):
    children = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open(f"/proc/{entry}/stat") as stat:
                    parent = int(stat.read().rsplit(")", 1)[1].split()[1])
                children.setdefault(parent, []).append(int(entry))
            except OSError:
                pass
    found, queue = [], [root]
    while queue:
        pid = queue.pop()
        found.append(pid)
        queue.extend(children.get(pid, []))
    return found


def kill_tree(root):
    for pid in reversed(descendants(root)):
        try:
            os.kill(pid, signal.SIGKILL)
        except OSError:
            pass


def start_sftp(dir_, password, shim, break_file):
    for key in ("host_key", "client_key"):
        subprocess.run(["ssh-keygen", "-q", "-t", "ed25519", "-N", "", "-f",
                        os.path.join(dir_, key)], check=True)
    os.rename(os.path.join(dir_, "client_key.pub"), os.path.join(dir_, "authorized_keys"))
    port = free_port()
    config = os.path.join(dir_, "sshd_config")
    with open(config, "w") as out:
        out.write(f"""Port {port}
ListenAddress 127.0.0.1
HostKey {dir_}/host_key
PidFile {dir_}/sshd.pid
AuthorizedKeysFile {dir_}/authorized_keys
PermitRootLogin yes
PasswordAuthentication yes
KbdInteractiveAuthentication no
UsePAM no
StrictModes no
Subsystem sftp internal-sftp
""")
    if os.getuid() == 0:
        os.makedirs("/run/sshd", mode=0o755, exist_ok=True)  # sshd's privilege separation
    hashed = subprocess.run(["openssl", "passwd", "-6", password], check=True,
                            capture_output=True, text=True).stdout.strip()
    environment = dict(os.environ, LD_PRELOAD=shim, VARNOLTDBQ_TEST_PASSWORD_HASH=hashed)
    server = subprocess.Popen(["/usr/sbin/sshd", "-D", "-e", "-f", config], env=environment,
                              stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                              stderr=open(os.path.join(dir_, "sshd.log"), "w"))
    if not wait_for_port(port):
        kill_tree(server.pid)
        sys.exit("sshd did not start; see " + os.path.join(dir_, "sshd.log"))
    if break_file:
        def break_off():
            while True:
                try:
                    if os.path.getsize(break_file) >= 1 << 20:
                        kill_tree(server.pid)
                        return
                except OSError:
                    pass
                time.sleep(0.002)
        threading.Thread(target=break_off, daemon=True).start()
    return port, lambda: kill_tree(server.pid)


def write_certificates(dir_, kind):
    from OpenSSL import crypto

    def key():
        pair = crypto.PKey()
        pair.generate_key(crypto.TYPE_RSA, 2048)
        return pair

    def certificate(subject_key, name, issuer_cert, issuer_key, serial, ca, names=None,
                    expired=False):
        cert = crypto.X509()
        cert.set_version(2)
        cert.set_serial_number(serial)
        cert.get_subject().CN = name
        cert.gmtime_adj_notBefore(-7200)
        cert.gmtime_adj_notAfter(-3600 if expired else 86400)
        cert.set_issuer((issuer_cert or cert).get_subject())
        cert.set_pubkey(subject_key)
        extensions = [crypto.X509Extension(b"basicConstraints", True,
                                           b"CA:TRUE" if ca else b"CA:FALSE")]
        if names:
            extensions.append(crypto.X509Extension(b"subjectAltName", False, names))
        cert.add_extensions(extensions)
        cert.sign(issuer_key, "sha256")
        return cert

    trusted_key, other_key, server_key = key(), key(), key()
    trusted = certificate(trusted_key, "Test CA", None, trusted_key, 1, True)
    other = certificate(other_key, "Other CA", None, other_key, 2, True)
    issuer, issuer_key = (other, other_key) if kind == "untrusted" else (trusted, trusted_key)
    names = b"DNS:other.example" if kind == "wrong-name" else b"IP:127.0.0.1,DNS:localhost"
    server = certificate(server_key, "127.0.0.1", issuer, issuer_key, 3, False, names,
                         expired=kind == "expired")
    pem = crypto.dump_certificate
    with open(os.path.join(dir_, "ca.pem"), "wb") as out:
        out.write(pem(crypto.FILETYPE_PEM, trusted))
    chain = os.path.join(dir_, "server.pem")
    with open(chain, "wb") as out:
        out.write(crypto.dump_privatekey(crypto.FILETYPE_PEM, server_key))
        out.write(pem(crypto.FILETYPE_PEM, server))
    return chain


def start_ftps(dir_, user, password, root, kind):
    import logging
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.handlers import TLS_DTPHandler, TLS_FTPHandler
    from pyftpdlib.servers import FTPServer

    class HandshakingDataHandler(TLS_DTPHandler):
        # pyftpdlib 1.5.7 closes a data connection that is readable before its transfer command
        # came, even while its TLS handshake waits: curl sends its hello right after EPSV.
        def readable(self):
            return self._ssl_accepting or super().readable()

    logging.basicConfig(level=logging.ERROR)
    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, root, perm="elr")
    TLS_FTPHandler.authorizer = authorizer
    TLS_FTPHandler.dtp_handler = HandshakingDataHandler
    TLS_FTPHandler.certfile = write_certificates(dir_, kind)
    TLS_FTPHandler.tls_control_required = True
    TLS_FTPHandler.tls_data_required = True
    TLS_FTPHandler.auth_failed_timeout = 0
    server = FTPServer(("127.0.0.1", 0), TLS_FTPHandler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server.socket.getsockname()[1], lambda: None


def main():
    if sys.argv[1] == "sftp":
        port, stop = start_sftp(*sys.argv[2:5], sys.argv[5] if len(sys.argv) > 5 else "")
    else:
        port, stop = start_ftps(*sys.argv[2:7])
    print(port, flush=True)
    sys.stdin.buffer.read()
    stop()
    os._exit(0)


if __name__ == "__main__":
    main()
