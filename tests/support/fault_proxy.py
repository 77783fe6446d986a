#!/usr/bin/env python3
"""A TCP proxy in front of the test server that puts in the faults of a real network when told to.

    fault_proxy.py TARGET_PORT

Listens on a free port of 127.0.0.1 and prints "ready PORT". Then reads commands, one a line, from standard input,
and answers each with "ok" once it is in force:
    pass      forward everything (the start)
    cut       close every connection now, as a proxy killed or a cable pulled
    commit    at the next COMMIT a client sends, forward it to the server and close that client's connection
              before the server's answer reaches it: the change is committed, and the client cannot know
    silence   stop forwarding in both directions and keep the connections open, as a link gone quiet
"""
import select
import socket
import sys


def commit_in(data):
    # A simple query of the frontend protocol: 'Q', its length, the text and a NUL.
    return b"Q\x00\x00\x00\x0bCOMMIT\x00" in data


def main():
    target = int(sys.argv[1])
    listener = socket.socket()
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(("127.0.0.1", 0))
    listener.listen(64)
    print("ready", listener.getsockname()[1], flush=True)
    mode = "pass"
    peers = {}  # socket -> its other end
    clients = set()
    doomed = {}  # a server socket -> when to close it, after its client's COMMIT went through

    def close(sock):
        other = peers.pop(sock, None)
        clients.discard(sock)
        sock.close()
        if other is not None:
            peers.pop(other, None)
            clients.discard(other)
            other.close()

    while True:
        readable = [listener, sys.stdin] + ([] if mode == "silence" else list(peers))
        ready, _, _ = select.select(readable, [], [], 0.05)
        for sock in ready:
            if sock is sys.stdin:
                command = sys.stdin.readline().strip()
                if not command:
                    return
                if command == "cut":
                    for peer in list(peers):
                        if peer in peers:
                            close(peer)
                    mode = "pass"
                else:
                    mode = command
                print("ok", flush=True)
            elif sock is listener:
                client, _ = listener.accept()
                try:
                    server = socket.create_connection(("127.0.0.1", target))
                except OSError:
                    client.close()
                    continue
                peers[client], peers[server] = server, client
                clients.add(client)
            elif sock in peers:
                try:
                    data = sock.recv(65536)
                except OSError:
                    data = b""
                if not data:
                    close(sock)
                    continue
                other = peers[sock]
                try:
                    other.sendall(data)
                except OSError:
                    close(sock)
                    continue
                if mode == "commit" and sock in clients and commit_in(data):
                    # The server has the COMMIT; its answer never reaches the client.
                    peers.pop(other, None)
                    peers.pop(sock, None)
                    clients.discard(sock)
                    sock.close()
                    doomed[other] = 20
                    mode = "pass"
        for server in list(doomed):
            # Left a moment to commit, then let go of, without a word to the client.
            doomed[server] -= 1
            if doomed[server] <= 0:
                del doomed[server]
                server.close()


if __name__ == "__main__":
    main()
