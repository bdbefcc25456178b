#!/usr/bin/env python3
"""Talks to device-simulator over the wire, as the finder does.

The simulator runs in a network namespace of its own, joined by two veth
pairs to the finder's side, which is itself a fresh namespace: nothing here
can reach the machine's real network.

    end-to-end-test.py PATH/TO/device-simulator

Exits 77 (skipped) where network namespaces cannot be made.
"""
import os
import signal
import socket
import subprocess
import sys
import tempfile
import time
import unittest

SKIPPED = 77
INSIDE = "DEVICE_SIMULATOR_TEST_NAMESPACE"
SIMULATOR = ""

DISCOVERY_QUERY = b"QRYM" + bytes([82]) + bytes(148)


def known_devices_query(tails):
    return b"QRY2" + bytes([86]) + bytes(tails) + bytes(5)


def unshare_command():
    if os.geteuid() == 0:
        return ["unshare", "--net"]
    return ["unshare", "--user", "--map-root-user", "--net"]


def run(*command):
    subprocess.run(command, check=True)


def interface_names():
    lines = subprocess.run(["ip", "-o", "link", "show"], check=True, capture_output=True, text=True).stdout
    return [line.split(": ")[1].split("@")[0] for line in lines.splitlines()]


class Namespace:
    """A network namespace held open by a sleeping process."""

    def __init__(self):
        self.holder = subprocess.Popen(["unshare", "--net", "sleep", "300"])
        ours = os.readlink("/proc/self/ns/net")
        deadline = time.monotonic() + 5
        while os.readlink(f"/proc/{self.holder.pid}/ns/net") == ours:
            if time.monotonic() > deadline:
                raise RuntimeError("the namespace holder did not unshare")
            time.sleep(0.01)
        self.enter = ["nsenter", f"--net=/proc/{self.holder.pid}/ns/net"]
        self.run("ip", "link", "set", "lo", "up")

    def run(self, *command):
        subprocess.run(self.enter + list(command), check=True)

    def close(self):
        self.holder.terminate()
        self.holder.wait()


class Simulator:
    """device-simulator started in a namespace with a config; stopped by
    stop() or at the end of a with block, where it must exit with 0."""

    def __init__(self, namespace, config, stop_signal=signal.SIGTERM):
        self.namespace = namespace
        self.folder = tempfile.TemporaryDirectory()
        self.config = os.path.join(self.folder.name, "devices.conf")
        self.log = os.path.join(self.folder.name, "events.log")
        self.stop_signal = stop_signal
        with open(self.config, "w") as out:
            out.write(config)

    def __enter__(self):
        self.process = subprocess.Popen(
            self.namespace.enter + [SIMULATOR, "--config", self.config, "--log", self.log],
            stderr=subprocess.PIPE, text=True)
        deadline = time.monotonic() + 5
        while not any(" listening " in line for line in self.log_lines()):
            if self.process.poll() is not None or time.monotonic() > deadline:
                raise RuntimeError("simulator did not start: " + self.process.stderr.read())
            time.sleep(0.01)
        return self

    def __exit__(self, *failure):
        status = self.stop()
        self.folder.cleanup()
        if failure[0] is None and status != 0:
            raise AssertionError(f"simulator exited with {status}")

    def stop(self):
        if self.process.poll() is None:
            self.process.send_signal(self.stop_signal)
        try:
            status = self.process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            self.process.kill()
            status = self.process.wait()
        self.process.stderr.close()
        return status

    def log_lines(self):
        try:
            with open(self.log) as log:
                return log.read().splitlines()
        except FileNotFoundError:
            return []

    def replies_it_would_send(self):
        result = subprocess.run([SIMULATOR, "--config", self.config, "--print-reply"],
                                check=True, capture_output=True, text=True)
        return [bytes.fromhex(line) for line in result.stdout.splitlines()]


class Finder:
    """The finder's socket on one side of a veth pair."""

    def __init__(self, address, port=20035):
        self.address = address
        self.socket = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        self.socket.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.socket.setsockopt(socket.SOL_SOCKET, socket.SO_BROADCAST, 1)
        # Bound to its address, the limited broadcast leaves through that
        # address's interface even though no route covers 255.255.255.255.
        self.socket.bind((address, port))

    def broadcast(self, datagram):
        self.socket.sendto(datagram, ("255.255.255.255", 20034))

    def collect(self, expected, quiet=0.3, limit=5.0):
        """(arrival time, source address, bytes) of each datagram until
        `expected` have come and then `quiet` seconds pass with no other."""
        received = []
        deadline = time.monotonic() + limit
        while time.monotonic() < deadline:
            wait = quiet if len(received) >= expected else deadline - time.monotonic()
            self.socket.settimeout(max(wait, 0.001))
            try:
                data, (source, _) = self.socket.recvfrom(65536)
            except socket.timeout:
                if len(received) >= expected:
                    break
                continue
            if source != self.address:
                received.append((time.monotonic(), source, data))
        return received

    def close(self):
        self.socket.close()


class OverTheWire(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        run("ip", "link", "set", "lo", "up")
        cls.devices = Namespace()
        pid = str(cls.devices.holder.pid)
        # tnet-a/tnet-b carry 10.0.1.0/24, tnet-c/tnet-d 10.0.2.0/24.
        for near, far, subnet in (("tnet-a", "tnet-b", "10.0.1"), ("tnet-c", "tnet-d", "10.0.2")):
            run("ip", "link", "add", near, "type", "veth", "peer", "name", far, "netns", pid)
            run("ip", "addr", "add", subnet + ".1/24", "dev", near)
            run("ip", "link", "set", near, "up")
            for host in ("20", "21", "22", "23"):
                cls.devices.run("ip", "addr", "add", f"{subnet}.{host}/24", "dev", far)
            cls.devices.run("ip", "link", "set", far, "up")

    @classmethod
    def tearDownClass(cls):
        cls.devices.close()

    def setUp(self):
        self.finder = Finder("10.0.1.1")
        self.addCleanup(self.finder.close)

    def test_each_device_on_the_arrival_interface_answers_from_its_own_address(self):
        config = (
            "interface ip=10.0.1.20 mac=00:11:22:33:44:01\n"
            "interface ip=10.0.1.21 mac=00:11:22:33:44:02 unit=00:11:22:33:55:00 kind=1 "
            f"name=\"{'N' * 100}\" app=\"Serial Bridge\"\n"
            "interface ip=10.0.1.22 mac=00:11:22:33:44:03 configured=0.0.0.0 active=none\n"
            "interface ip=10.0.2.20 mac=00:11:22:33:44:04 name=\"Other subnet\"\n")
        with Simulator(self.devices, config) as simulator:
            expected = simulator.replies_it_would_send()
            self.finder.broadcast(DISCOVERY_QUERY)
            replies = {source: data for _, source, data in self.finder.collect(3)}
            self.assertEqual(replies, {"10.0.1.20": expected[0], "10.0.1.21": expected[1],
                                       "10.0.1.22": expected[2]})

            other = Finder("10.0.2.1")
            self.addCleanup(other.close)
            other.broadcast(DISCOVERY_QUERY)
            self.assertEqual([(source, data) for _, source, data in other.collect(1)],
                             [("10.0.2.20", expected[3])])

            log = simulator.log_lines()
            self.assertIn(f"recv 10.0.1.1:20035 on tnet-b 153 {DISCOVERY_QUERY.hex()}", "\n".join(log))
            self.assertIn(f"sent 10.0.1.21 -> 10.0.1.1:20035 {len(expected[1])}", "\n".join(log))
            self.assertIn("sent 10.0.2.20 -> 10.0.2.1:20035", "\n".join(log))

    def test_known_devices_query_leaves_out_the_listed_interfaces(self):
        config = (
            "interface ip=10.0.1.20 mac=00:11:22:33:44:01\n"
            "interface ip=10.0.1.21 mac=00:11:22:33:44:02\n"
            "interface ip=10.0.1.22 mac=00:11:22:33:44:03\n"
            "interface ip=10.0.1.23 mac=00:11:22:33:00:00\n")
        cases = [
            ("nothing listed", [], {"10.0.1.20", "10.0.1.21", "10.0.1.22", "10.0.1.23"}),
            ("one passed, one failed", [0x44, 0x01, 0xC4, 0x02], {"10.0.1.22", "10.0.1.23"}),
            ("zero tail listed", [0x00, 0x00], {"10.0.1.20", "10.0.1.21", "10.0.1.22"}),
        ]
        with Simulator(self.devices, config):
            for what, tails, answering in cases:
                with self.subTest(what):
                    self.finder.broadcast(known_devices_query(tails))
                    sources = [source for _, source, _ in self.finder.collect(len(answering))]
                    self.assertCountEqual(sources, answering)

    def test_a_late_device_holds_up_no_other_and_answers_each_query(self):
        config = ("interface ip=10.0.1.20 mac=00:11:22:33:44:01 delay=600 name=Late\n"
                  "interface ip=10.0.1.21 mac=00:11:22:33:44:02 name=Prompt\n")
        with Simulator(self.devices, config):
            first = time.monotonic()
            self.finder.broadcast(DISCOVERY_QUERY)
            time.sleep(0.2)
            second = time.monotonic()
            self.finder.broadcast(DISCOVERY_QUERY)
            replies = self.finder.collect(4, quiet=0.5)
            prompt = [at for at, source, _ in replies if source == "10.0.1.21"]
            late = [at for at, source, _ in replies if source == "10.0.1.20"]
            self.assertEqual(len(prompt), 2)
            self.assertEqual(len(late), 2)
            self.assertLess(prompt[1], late[0])
            self.assertGreaterEqual(late[0] - first, 0.6)
            self.assertGreaterEqual(late[1] - second, 0.6)

    def test_raw_and_truncated_replies_go_out_as_configured(self):
        config = ("interface ip=10.0.1.20 mac=00:11:22:33:44:01 raw=52504c5853\n"
                  "interface ip=10.0.1.21 mac=00:11:22:33:44:02 truncate=100\n"
                  "interface ip=10.0.1.22 mac=00:11:22:33:44:03 raw=\n")
        with Simulator(self.devices, config) as simulator:
            expected = simulator.replies_it_would_send()
            self.assertEqual(len(expected[1]), 100)
            self.finder.broadcast(DISCOVERY_QUERY)
            replies = {source: data for _, source, data in self.finder.collect(3)}
            self.assertEqual(replies, {"10.0.1.20": bytes.fromhex("52504c5853"), "10.0.1.21": expected[1],
                                       "10.0.1.22": b""})

    def test_datagrams_that_are_no_query_are_logged_and_not_answered(self):
        datagrams = [b"hello", b"QRYM", b"QRYM\x53" + bytes(148), b"RPLX\x53" + bytes(148), b"",
                     b"QRY2\x56\x00\x00\x00\x00"]
        with Simulator(self.devices, "interface ip=10.0.1.20 mac=00:11:22:33:44:01\n") as simulator:
            for datagram in datagrams:
                self.finder.broadcast(datagram)
            self.assertEqual(self.finder.collect(0, quiet=0.5), [])
            received = [line.split(" ")[4:] for line in simulator.log_lines() if " recv " in line
                        and " on tnet-b " in line]
            self.assertEqual(received, [["tnet-b", str(len(d)), d.hex() or "-"] for d in datagrams])

    def test_stops_with_status_zero_on_sigint(self):
        with Simulator(self.devices, "", stop_signal=signal.SIGINT) as simulator:
            self.assertEqual(simulator.stop(), 0)

    def test_rejects_a_config_it_cannot_serve(self):
        cases = [
            ("interface ip=10.0.1.20 mac=00:11:22:33:44:01\ninterface ip=10.0.1.20\n", "config line 2"),
            ("# lab\ninterface ip=10.0.9.9 mac=00:11:22:33:44:01\n", "config line 2: ip 10.0.9.9"),
        ]
        for config, message in cases:
            with self.subTest(config):
                simulator = Simulator(self.devices, config)
                result = subprocess.run(self.devices.enter + [SIMULATOR, "--config", simulator.config],
                                        capture_output=True, text=True, timeout=10)
                simulator.folder.cleanup()
                self.assertEqual(result.returncode, 2)
                self.assertIn(message, result.stderr)

    def test_refuses_to_run_beside_an_interface_a_test_did_not_make(self):
        elsewhere = Namespace()
        self.addCleanup(elsewhere.close)
        elsewhere.run("ip", "link", "add", "eth9", "type", "veth", "peer", "name", "tnet-z")
        simulator = Simulator(elsewhere, "interface ip=127.0.0.1 mac=00:11:22:33:44:01\n")
        self.addCleanup(simulator.folder.cleanup)
        result = subprocess.run(elsewhere.enter + [SIMULATOR, "--config", simulator.config, "--log", simulator.log],
                                capture_output=True, text=True, timeout=10)
        self.assertEqual(result.returncode, 3)
        self.assertIn("eth9", result.stderr)
        self.assertFalse(os.path.exists(simulator.log))


def main():
    global SIMULATOR
    SIMULATOR = os.path.abspath(sys.argv[1])
    if os.environ.get(INSIDE) != "1":
        try:
            usable = subprocess.run(unshare_command() + ["true"], capture_output=True).returncode == 0
        except FileNotFoundError:
            usable = False
        if not usable:
            print("skipped: network namespaces cannot be made here")
            return SKIPPED
        environment = dict(os.environ, **{INSIDE: "1"})
        return subprocess.run(unshare_command() + [sys.executable, os.path.abspath(__file__), SIMULATOR],
                              env=environment).returncode

    # Never send from a namespace that has anything but what this test made.
    if any(name != "lo" for name in interface_names()):
        print("refusing to run: not in a fresh network namespace")
        return 3
    program = unittest.main(argv=[sys.argv[0], "-v"], exit=False)
    return 0 if program.result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
