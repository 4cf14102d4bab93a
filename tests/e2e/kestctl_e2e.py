#!/usr/bin/env python3
"""End-to-end checks of kestctl: the real binary and hidapi under kest-pedal-sim, its
output and exit status, and the unit's wire log and state file afterwards.

    kestctl_e2e.py --sim KEST_PEDAL_SIM --ctl KESTCTL [--setting KEST_SETTING] CASE...

(The test suite runs these cases through e2e.py, beside the window's.)

The cases given run side by side, each with simulators of its own: nearly all their time
is waiting, for the unit's seconds of writing after a firmware image or for a signal.
The shared case needs --setting: it runs the window beside two loops of kestctl.

The parity case holds the window's bytes for each operation as the window tests assert
them (tst_inputspage, tst_unitmodel, tst_devicepage and e2e.py's close case): kestctl
must send exactly those.
Exit status: 0 passed, 1 failed.
"""

import argparse
import concurrent.futures
import json
import os
import re
import select
import signal
import socket
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e import (  # noqa: E402
    BOUND_SCALE, MARK, Failure, check_attach, check_sanitizers, fail, read_trace, unit_state)

NOT_FOUND = "No pedal unit found."
# kestctl follows the system's language: the cases read its English texts, whatever the
# language of the machine they run on.
ENGLISH = {"LANGUAGE": "", "LC_ALL": "C", "LC_MESSAGES": "", "LANG": "C"}
GERMAN = {"LANGUAGE": "de", "LC_ALL": "", "LC_MESSAGES": "", "LANG": "de_DE.UTF-8"}
NO_ACCESS = "cannot be opened: this user has no access to it"


def r(text):
    """A 20-byte report from its first bytes in hex."""
    data = bytes.fromhex(text)
    return data + bytes(20 - len(data))


class Run:
    """kestctl run once under the simulator; what it printed and what the unit saw."""

    def __init__(self, args, state, sim_options=(), stdin=subprocess.DEVNULL, env=None):
        self.dir = tempfile.TemporaryDirectory(prefix="kestctl-e2e-")
        self.state_path = os.path.join(self.dir.name, "state.json")
        self.trace_path = os.path.join(self.dir.name, "trace.txt")
        # The backups go here, never to the home folder of whoever runs the tests.
        self.data_home = os.path.join(self.dir.name, "data")
        self.backups = os.path.join(self.data_home, "kest-setting", "backups")
        with open(self.state_path, "w", encoding="utf-8") as f:
            json.dump(state, f)
        command = [OPTIONS.sim, "--state", self.state_path, "--trace", self.trace_path]
        command += list(sim_options) + ["--", OPTIONS.ctl] + list(args)
        self.args = args
        self.early = {"out": b"", "err": b""}  # what wait_output read before finish
        self.proc = subprocess.Popen(command, stdin=stdin, stdout=subprocess.PIPE,
                                     stderr=subprocess.PIPE, cwd=self.dir.name,
                                     env={**os.environ, **ENGLISH,
                                          "XDG_DATA_HOME": self.data_home,
                                          "XDG_RUNTIME_DIR": self.dir.name, **(env or {})},
                                     start_new_session=True)

    def wait_output(self, what, done, timeout=30):
        """Reads kestctl's output while it runs, until `done(stdout, stderr)` holds for
        what it printed so far: a step waits for the program, not for a guessed time."""
        streams = {self.proc.stdout.fileno(): "out", self.proc.stderr.fileno(): "err"}
        end = time.monotonic() + timeout * BOUND_SCALE
        while not done(self.early["out"].decode("utf-8", "replace"),
                       self.early["err"].decode("utf-8", "replace")):
            left = end - time.monotonic()
            if left <= 0:
                fail("kestctl %s: no %s within %d s" % (" ".join(self.args), what,
                                                             timeout * BOUND_SCALE))
            ready, _, _ = select.select(list(streams), [], [], left)
            for fd in ready:
                chunk = os.read(fd, 65536)
                if not chunk:
                    fail("kestctl %s ended before %s:\n%s" % (
                        " ".join(self.args), what, self.early["err"].decode("utf-8", "replace")))
                self.early[streams[fd]] += chunk

    def finish(self, timeout=30):
        try:
            out, err = self.proc.communicate(timeout=timeout * BOUND_SCALE)
        except subprocess.TimeoutExpired:
            os.killpg(self.proc.pid, signal.SIGKILL)
            self.proc.communicate()
            fail("kestctl %s did not end within %d s" % (" ".join(self.args),
                                                         timeout * BOUND_SCALE))
        self.code = self.proc.returncode
        out, err = self.early["out"] + out, self.early["err"] + err
        self.out = out.decode("utf-8", "replace")
        self.err = "\n".join(line for line in err.decode("utf-8", "replace").splitlines()
                             if not line.startswith("kest-pedal-sim: "))
        check_sanitizers(self.err, "kestctl %s" % " ".join(self.args))
        self.entries = read_trace(self.trace_path)
        with open(self.state_path, encoding="utf-8") as f:
            self.kept = json.load(f)
        self.backup_texts = {}
        if os.path.isdir(self.backups):
            for name in sorted(os.listdir(self.backups)):
                with open(os.path.join(self.backups, name), "rb") as f:
                    self.backup_texts[name] = f.read()
        return self

    def sets(self):
        return [d for kind, d in self.entries if kind == "set"]

    def writes(self):
        """Every report sent but the read requests."""
        return [d for d in self.sets() if d[1] != 0x0B]

    def opened(self):
        return any(kind == "open" for kind, _ in self.entries)

    def expect(self, code, *words):
        if self.code != code:
            fail("kestctl %s: exit %d, expected %d\nstdout: %s\nstderr: %s" % (
                " ".join(self.args), self.code, code, self.out, self.err))
        for word in words:
            if word not in self.out + self.err:
                fail("kestctl %s does not say %r:\n%s%s" % (" ".join(self.args), word,
                                                            self.out, self.err))
        return self

    def json(self):
        try:
            return json.loads(self.out)
        except ValueError:
            fail("kestctl %s: no JSON on stdout: %r" % (" ".join(self.args), self.out))

    def close(self):
        if self.proc.poll() is None:  # a case that failed while it ran
            os.killpg(self.proc.pid, signal.SIGKILL)
            self.proc.communicate()
        self.dir.cleanup()


def ctl(args, state=None, sim_options=(), **kw):
    run = Run(args, state or unit_state(), sim_options, **kw)
    try:
        return run.finish()
    finally:
        run.close()


def hexes(reports):
    return [d.hex(" ") for d in reports]


def case_info():
    run = ctl(["--json", "info"]).expect(0)
    info = run.json()
    if info["firmware"] != "V1.2.0" or info["clutch"] is not True:
        fail("info: %s" % info)
    brake = info["pedals"][1]["deadzone"]
    if (brake["low"], brake["high"], brake["lowPercent"], brake["highPercent"]) != (1311, 64224, 2, 2):
        fail("info: the BRAKE deadzones read %s" % brake)
    names = [(p["slot"], p["pedal"], p["name"]) for p in info["profiles"]]
    if names != [(0, "clutch", "Clutch soft"), (1, "brake", "Brake firm"),
                 (2, "throttle", "Throttle"), (5, "brake", "Brake rally")]:
        fail("info: profiles %s" % names)
    if info["active"]["brake"] != {"slot": 5, "name": "Brake rally"}:
        fail("info: active %s" % info["active"])
    if run.writes():
        fail("info wrote %s" % hexes(run.writes()))
    # A unit whose replies do not echo their read: the same answer.
    quiet = ctl(["--json", "info"], sim_options=["--no-echo"]).expect(0)
    if quiet.json() != info:
        fail("info of a unit that does not echo: %s" % quiet.out)
    text = ctl(["info"]).expect(0, "Firmware version: V1.2.0", "Clutch pedal:     on",
                                "*  5 BRAKE     Brake rally")
    if text.err:
        fail("info said on stderr: %s" % text.err)
    # Bad input is refused before the unit is opened.
    for args in (["deadzone", "brake", "30", "2"], ["profile", "save", "brake", "X"],
                 ["calibrate", "pedal"], ["frobnicate"], ["--bogus", "info"]):
        run = ctl(args).expect(1)
        if run.opened():
            fail("kestctl %s opened the unit" % " ".join(args))
    # --trace writes kestctl's exchanges as the simulated unit logs them, for a report.
    run = Run(["--trace", "own.txt", "info"], unit_state())
    try:
        run.finish().expect(0)
        own = read_trace(os.path.join(run.dir.name, "own.txt"))
        exchanges = lambda entries: [e for e in entries if e[0] in ("set", "get")]
        if not exchanges(own) or exchanges(own) != exchanges(run.entries):
            fail("the trace of kestctl info differs from the unit's wire log")
    finally:
        run.close()
    ctl(["--version"]).expect(0, "kestctl ")
    ctl(["profile", "--help"]).expect(0, "profile apply NAME")


def case_nounit():
    ctl(["info"], sim_options=["--unplugged"]).expect(3, NOT_FOUND)
    run = ctl(["--json", "clutch", "off"], sim_options=["--deny-open"]).expect(3, NO_ACCESS)
    if run.json()["exit"] != 3 or run.opened():
        fail("no access: %s" % run.out)


def cal_state(**overrides):
    # As tst_unitmodel's unit: the calibration and deadzones its cancel row asserts.
    return unit_state(calibration=[100, 65000, 200, 64000, 300, 63000],
                      deadzone=[6554, 58982, 3277, 62258, 0, 65535], **overrides)


# args, unit state, the window's writes for the operation, then what the unit keeps: the
# cases tst_parity (the window beside kestctl's commands, exchange by exchange) has not.
PARITY = [
    # tst_inputspage clutchOffSendsNoClutchDeadzone: THROTTLE high handle to 2 %.
    (["deadzone", "throttle", "0", "2"],
     unit_state(deadzone=[6554, 58982, 0, 65535, 0, 65535], pedalMode=0),
     [r("02 05 01 01 ef 00 00 ff ff 00 00 ff ff 00 00 e0 fa")],
     ("deadzone", [0, 65535, 0, 65535, 0, 64224])),
    # tst_inputspage clutchSwitch's "already what the unit holds".
    (["clutch", "on"], unit_state(), [], ("pedalMode", 1)),
    # tst_unitmodel calibrationRoundTrip: the start, then the cancel (the pedals stand
    # still, and the input ends). --yes lets the save reset BRAKE's deadzones.
    (["calibrate", "brake", "--yes"], cal_state(),
     [r("02 05 01 00 00 64 00 e8 fd 00 00 ff ff 2c 01 18 f6"),
      r("02 05 01 01 00 9a 19 66 e6 00 00 ff ff 00 00 ff ff"),
      r("02 05 01 00 00 64 00 e8 fd c8 00 00 fa 2c 01 18 f6"),
      r("02 05 01 01 00 9a 19 66 e6 cd 0c 32 f3 00 00 ff ff")],
     ("calibration", [100, 65000, 200, 64000, 300, 63000])),
]


def case_parity():
    for args, state, writes, (key, value) in PARITY:
        code = 1 if args[0] == "calibrate" else 0  # a cancelled calibration
        run = ctl(args, state).expect(code)
        if hexes(run.writes()) != hexes(writes):
            fail("kestctl %s wrote\n  %s\nthe window writes\n  %s" % (
                " ".join(args), "\n  ".join(hexes(run.writes())), "\n  ".join(hexes(writes))))
        if run.kept[key] != value:
            fail("after kestctl %s the unit keeps %s = %s, expected %s" % (
                " ".join(args), key, run.kept[key], value))


def case_faults():
    # A write the unit did not take: exit 2, and the message says what it keeps.
    state = unit_state(deadzone=[6554, 58982, 0, 65535, 0, 65535])
    run = ctl(["deadzone", "brake", "5", "0"], state, ["--fault", "send@2"])
    run.expect(2, "It keeps the deadzones it had.")
    if run.kept["deadzone"] != state["deadzone"]:
        fail("a failed deadzone write changed the unit: %s" % run.kept["deadzone"])
    # A read that failed commits nothing.
    run = ctl(["clutch", "off"], sim_options=["--fault", "reply@0"])
    run.expect(2, "It keeps the setting it had.")
    if run.writes() or run.kept["pedalMode"] != 1:
        fail("a clutch switch after a lost read wrote %s" % hexes(run.writes()))
    # Replies that are not whole, or answer another read, count as none. Reply 6 is slot
    # 1's name, once the attach's first replies have shown that the unit echoes.
    for fault in ("short@3", "misdirect@6", "cross@2"):
        run = ctl(["info"], sim_options=["--fault", fault]).expect(2, "did not answer")
        if run.out:
            fail("info printed a result after a bad reply (%s): %s" % (fault, run.out))
    # Before that (reply 1, the pedal mode answered with the active profile) a reply
    # without the echo is asked for once more, and the fresh reply is the answer.
    run = ctl(["--json", "info"], sim_options=["--fault", "misdirect@1"]).expect(0)
    if run.json()["clutch"] is not True or len(run.sets()) != len(ctl(["info"]).sets()) + 1:
        fail("a misdirected reply while learning: %s" % run.out)
    # Replies: the clutch mode, the deadzones, then the start's first table.
    run = ctl(["calibrate", "brake", "--yes"], cal_state(), ["--fault", "reply@2"])
    run.expect(2, "The calibration did not start")
    # The store after the choice lost: the unit keeps the choice it had. Sends: 21 reads
    # of the lists, the choice, the read before the store, the store.
    run = ctl(["--json", "profile", "apply", "Brake firm"], sim_options=["--fault", "send@23"])
    run.expect(2, "It keeps the choice it had.")
    if run.kept["activeProfile"] != unit_state()["activeProfile"] or run.json()["exit"] != 2:
        fail("a lost store changed the stored choice: %08x" % run.kept["activeProfile"])
    # An image cut off half-way never gets its end report. The backup's reads come first:
    # counted in a run whose unit is pulled out once the image is on its way.
    with tempfile.NamedTemporaryFile(suffix=".bin") as image:
        image.write(bytes(range(256)) * 4)
        image.flush()
        clean = Run(["firmware", "update", "--yes", image.name], unit_state())
        try:
            wait_for_report(clean, "firmware data report", lambda d: d[1] & 0x80)
            clean.proc.send_signal(signal.SIGUSR1)
            clean.finish()
        finally:
            clean.close()
        before = next(i for i, d in enumerate(clean.sets()) if d[1] & 0x80)
        run = ctl(["firmware", "update", "--yes", image.name],
                  sim_options=["--fault", "send@%d" % (before + 10)])
        run.expect(2, "did not take the whole image")
        if any(d[1] == 0x10 for d in run.writes()):
            fail("an image cut off half-way was ended")


def case_firmware():
    with tempfile.NamedTemporaryFile(suffix=".bin") as image:
        data = bytes(range(256)) * 4 + b"tail"
        image.write(data)
        image.flush()
        # Ctrl-C and SIGTERM, once the image is on its way, only say that the update goes
        # on: it ends whole.
        run = Run(["firmware", "update", "--yes", image.name], unit_state())
        try:
            wait_for_report(run, "firmware data report", lambda d: d[1] & 0x80)
            run.proc.send_signal(signal.SIGINT)
            time.sleep(0.2)
            run.proc.send_signal(signal.SIGTERM)
            run.finish()
        finally:
            run.close()
        run.expect(0, "Firmware updated successfully.", "The firmware update is still running.")
        chunks = [d for d in run.writes() if d[1] & 0x80]
        ends = [d for d in run.writes() if d[1] == 0x10]
        if len(chunks) != (len(data) + 15) // 16 or len(ends) != 1:
            fail("%d data reports and %d end reports for %d bytes" % (
                len(chunks), len(ends), len(data)))
        if run.out.splitlines()[-2:] != ["100 %", "Firmware updated successfully."]:
            fail("progress lines: %s" % run.out.splitlines()[-3:])
        pulled_while_writing(image.name)
        # The window's question, which says the unit cannot check the file, needs --yes
        # off a terminal.
        run = ctl(["firmware", "update", image.name]).expect(1, "--yes")
        if run.opened():
            fail("firmware update without --yes opened the unit off a terminal")
    run = ctl(["firmware", "update", "/nonexistent.bin"]).expect(
        1, "Not a valid firmware.\nThere is no file of that name.")
    if run.opened():
        fail("a missing image opened the unit")
    run = ctl(["clear-flash"]).expect(1, "--yes")
    if run.opened():
        fail("clear-flash without --yes opened the unit off a terminal")
    # The update check with its server out of reach (a proxy where nothing listens): the
    # window's words and exit 2, after the unit told its version and was sent nothing else.
    with socket.socket() as closed:
        closed.bind(("127.0.0.1", 0))
        proxy = "http://127.0.0.1:%d" % closed.getsockname()[1]
    run = ctl(["--json", "firmware", "check"], env={"https_proxy": proxy}).expect(2)
    if run.json() != {"ok": False, "exit": 2, "error": "Update check failed: the update "
                      "server could not be reached."}:
        fail("an unreachable update server: %s" % run.out)
    if run.writes():
        fail("the update check wrote to the unit: %s" % run.writes())


def wait_for_report(run, what, sent):
    """Waits until the unit was sent a report for which `sent(report)` holds."""
    end = time.monotonic() + 20 * BOUND_SCALE
    while not any(kind == "set" and sent(d) for kind, d in read_trace(run.trace_path)):
        if run.proc.poll() is not None or time.monotonic() > end:
            fail("no %s in the wire log" % what)
        time.sleep(0.01)


def pulled_while_writing(image):
    """The unit is pulled out once it has the whole image and its end report, during its
    writing seconds: no success, exit 2, and the JSON end says so."""
    run = Run(["--json", "firmware", "update", "--yes", image], unit_state())
    try:
        wait_for_report(run, "end report before the pull", lambda d: d[1] == 0x10)
        run.proc.send_signal(signal.SIGUSR1)
        run.finish()
    finally:
        run.close()
    run.expect(2, "unplugged while it wrote its firmware")
    last = json.loads(run.out.splitlines()[-1])
    if last.get("ok") is not False or last.get("exit") != 2:
        fail("the JSON end of an upload pulled while writing: %s" % last)
    if "Firmware updated successfully." in run.out + run.err:
        fail("an upload pulled while writing was reported done")


def case_profiles():
    with tempfile.TemporaryDirectory() as scratch:
        backup = os.path.join(scratch, "rig.ini")
        state = unit_state()
        run = ctl(["profile", "save", "brake", "Brake wet", "--curve", "3,8,18,36,62"], state)
        run.expect(0, "is saved")
        slots = {s["slot"]: (s["name"], s["record"]) for s in run.kept["slots"]}
        if slots.get(3) != ("Brake wet", [3, 2, 3, 8, 18, 36, 62]):
            fail("saved into the first free slot: %s" % slots)
        if run.kept["activeProfile"] != MARK | 3 << 8 | 2 << 16:
            fail("the saved profile is not the BRAKE's active one: %08x"
                 % run.kept["activeProfile"])
        state = run.kept
        ctl(["profile", "export", backup], state).expect(0, "rig.ini")
        with open(backup, "rb") as f:
            exported = f.read()
        # An existing file is replaced only when asked.
        run = ctl(["profile", "export", backup], state).expect(1, "--yes")
        with open(backup, "rb") as f:
            if f.read() != exported or run.opened():
                fail("export replaced a file without --yes")
        run = ctl(["profile", "remove", "Brake wet"], state).expect(0, "was removed")
        if any(s["name"] == "Brake wet" for s in run.kept["slots"]):
            fail("remove left the profile")
        # The BRAKE falls back to its first profile; the other pedals keep theirs.
        if run.kept["activeProfile"] != MARK | 1 << 8 | 2 << 16:
            fail("after the remove the unit keeps the choice %08x" % run.kept["activeProfile"])
        run = ctl(["profile", "import", backup], run.kept).expect(0, "imported")
        if run.kept["slots"] != state["slots"] or run.kept["activeProfile"] != state["activeProfile"]:
            fail("import did not bring back the exported table")
        # A file that does not check out is refused before the unit is opened.
        bad = os.path.join(scratch, "bad.ini")
        with open(bad, "w", encoding="ascii") as f:
            f.write("[General]\nINDEX=1\n")
        run = ctl(["profile", "import", bad], state).expect(1, "INI file is not valid.")
        if run.opened():
            fail("a bad profile file opened the unit")
        ctl(["profile", "apply", "Nope"], state).expect(1, "no profile called")


def case_backups():
    """Each command that changes the unit for good saves it first, says where, and does
    nothing without the backup; an import of the backup brings the profiles back."""
    state = unit_state()
    with tempfile.NamedTemporaryFile(suffix=".bin") as image:
        image.write(b"0123456789" * 4)
        image.flush()
        with tempfile.TemporaryDirectory() as scratch:
            shared = os.path.join(scratch, "shared.ini")
            ctl(["profile", "export", shared], state).expect(0)
            commands = [["profile", "import", shared], ["profile", "remove", "Brake rally"],
                        ["clear-flash", "--yes"], ["firmware", "update", "--yes", image.name]]
            for args in commands:
                run = ctl(["--json"] + args, state).expect(0)
                if len(run.backup_texts) != 1:
                    fail("kestctl %s made %d backups" % (" ".join(args), len(run.backup_texts)))
                name, text = next(iter(run.backup_texts.items()))
                said = json.loads(run.out.splitlines()[-1])  # after any progress lines
                if said.get("backup") != os.path.join(run.backups, name):
                    fail("kestctl %s names the backup %r" % (" ".join(args), said.get("backup")))
                for section in (b"[Calibration]\n", b"[Deadzones]\n"):
                    if section not in text:
                        fail("the backup of kestctl %s has no %r" % (" ".join(args), section))
                # Read before anything was written.
                first = next(i for i, d in enumerate(run.sets()) if d[1] != 0x0B)
                ranges = [i for i, d in enumerate(run.sets()) if d[1:3] == b"\x0b\x05"]
                if len(ranges) != 2 or ranges[-1] > first:
                    fail("kestctl %s: range reads at %s, first write at %d" % (
                        " ".join(args), ranges, first))
            # The backup of a removal brings the profile back.
            run = ctl(["profile", "remove", "Brake rally"], state).expect(0, "Backup of the unit")
            backup = os.path.join(scratch, "backup.ini")
            with open(backup, "wb") as f:
                f.write(next(iter(run.backup_texts.values())))
            run = ctl(["profile", "import", backup], run.kept).expect(0, "imported")
            if run.kept["slots"] != state["slots"] or run.kept["activeProfile"] != state["activeProfile"]:
                fail("the import of a backup did not bring back the table")
            # No backup, no operation: a file where the folder should be, and a range read lost.
            blocked = os.path.join(scratch, "blocked")
            os.makedirs(os.path.join(blocked, "kest-setting"))
            with open(os.path.join(blocked, "kest-setting", "backups"), "w") as f:
                f.write("in the way")
            replies = 0  # before the calibration's
            for kind, d in ctl(["clear-flash", "--yes"], state).entries:
                if kind == "set" and d[1:4] == b"\x0b\x05\x00":
                    break
                replies += kind == "get"
            for args, env, fault in (
                    (["profile", "import", shared], {"XDG_DATA_HOME": blocked}, []),
                    (["clear-flash", "--yes"], None, ["--fault", "reply@%d" % replies])):
                run = ctl(["--json"] + args, state, fault, env=env)
                run.expect(2, "Nothing was changed.")
                changed = [k for k in ("slots", "activeProfile", "deadzone", "pedalMode")
                           if run.kept[k] != state[k]]
                if run.writes() or changed:
                    fail("kestctl %s went on without its backup: %s" % (
                        " ".join(args), hexes(run.writes())))


def live(args, state, steps, stdin=subprocess.DEVNULL):
    """kestctl run while `steps` act on it and on the simulator. Each step is (what to wait
    for, then what to do): the wait is a text kestctl prints on stdout or stderr, or a
    function of both outputs so far; the deed a signal, or a look at the running kestctl
    (a function of its process id)."""
    run = Run(args, state, stdin=stdin)
    try:
        for awaited, step in steps:
            if isinstance(awaited, str):
                run.wait_output(repr(awaited), lambda out, err, t=awaited: t in out + err)
            else:
                run.wait_output("the step's condition", awaited)
            if callable(step):
                step(kestctl_pid(run.proc.pid))
            elif step:
                run.proc.send_signal(step)
        return run.finish()
    finally:
        if run.proc.poll() is None:
            os.killpg(run.proc.pid, signal.SIGKILL)
            run.proc.communicate()
        run.close()


def kestctl_pid(sim_pid):
    with open("/proc/%d/task/%d/children" % (sim_pid, sim_pid), encoding="ascii") as f:
        children = f.read().split()
    if not children:
        fail("kestctl is not running")
    return int(children[0])


def reader_blocks_interrupts(pid):
    """SIGINT and SIGTERM never go to kestctl's input reader, where they would cut its
    calls to the unit short: it has them blocked, at every look."""
    wanted = 1 << signal.SIGINT - 1 | 1 << signal.SIGTERM - 1
    seen = 0
    for _ in range(20):
        for task in os.listdir("/proc/%d/task" % pid):
            try:
                with open("/proc/%d/task/%s/comm" % (pid, task), encoding="ascii") as f:
                    if f.read().strip() != "KestEvent":
                        continue
                with open("/proc/%d/task/%s/status" % (pid, task), encoding="ascii") as f:
                    blocked = next(int(line.split()[1], 16) for line in f
                                   if line.startswith("SigBlk:"))
            except FileNotFoundError:
                continue
            seen += 1
            if blocked & wanted != wanted:
                fail("kestctl's input reader takes SIGINT or SIGTERM (blocked: %x)" % blocked)
        time.sleep(0.01)
    if not seen:
        fail("kestctl watch has no input reader")


def case_watch():
    state = unit_state(motion="sweep")
    run = live(["watch"], state, [
        ("CLUTCH ", reader_blocks_interrupts), ("CLUTCH ", signal.SIGUSR1),
        ("unplugged", signal.SIGUSR2),
        # Ten lines after the unit came back.
        (lambda out, err: "is back" in err and out.count("\n") >= 10, signal.SIGINT)])
    run.expect(0, "unplugged", "is back")
    lines = run.out.splitlines()
    if len(lines) < 10 or not all(line.startswith("CLUTCH ") for line in lines):
        fail("watch lines: %s" % lines[:5])
    if sum(1 for kind, _ in run.entries if kind == "open") != 2:
        fail("watch did not open the unit again after the re-plug")
    if run.writes():
        fail("watch wrote %s" % hexes(run.writes()))


def case_calibrate():
    # Off a terminal, a calibration whose save would reset the pedal's deadzones (BRAKE
    # keeps 5 % and 5 %) needs --yes, as the window asks before its save: nothing is sent.
    run = ctl(["calibrate", "brake"], cal_state()).expect(1, "confirm with --yes")
    if run.writes():
        fail("a calibration refused for want of --yes wrote %s" % hexes(run.writes()))
    state = cal_state(motion="sweep")
    read, write = os.pipe()
    run = Run(["calibrate", "throttle"], state, stdin=read)
    try:
        # Enter once the sweep has shown a good part of the pedal's travel.
        run.wait_output("a travel seen", lambda out, err: any(
            int(m) >= 30 for m in re.findall(r"travel seen \d+ to \d+ \((\d+) %\)", out)))
        os.write(write, b"\n")
        run.finish()
    finally:
        os.close(read)
        os.close(write)
        run.close()
    run.expect(0, "THROTTLE calibrated", "travel seen")
    kept = run.kept
    if kept["calibration"][:4] != state["calibration"][:4]:
        fail("the calibration of another pedal changed: %s" % kept["calibration"])
    if kept["calibration"][4:] == state["calibration"][4:]:
        fail("the THROTTLE calibration was not kept")
    if kept["deadzone"] != state["deadzone"][:4] + [0, 65535]:
        fail("the THROTTLE deadzones were not cleared: %s" % kept["deadzone"])
    # Ctrl-C cancels: the unit keeps what it had.
    read, write = os.pipe()
    try:
        run = live(["calibrate", "brake", "--yes"], state, [("press the pedal", signal.SIGINT)],
                   stdin=read)
    finally:
        os.close(read)
        os.close(write)
    run.expect(1, "cancelled")
    if run.kept["calibration"] != state["calibration"]:
        fail("a cancelled calibration changed the unit: %s" % run.kept["calibration"])


def case_language():
    english = ctl(["info"]).expect(0, "Firmware version: V1.2.0").out
    # The system's language, and --lang over it; English chosen gives the same bytes as C.
    german = ctl(["info"], env=GERMAN).expect(0, "Firmware-Version: V1.2.0",
                                              "Kupplungspedal:   ein", "*  5 BREMSE    Brake rally")
    if ctl(["--lang", "de", "info"]).out != german.out:
        fail("--lang de and a German system differ")
    if ctl(["--lang", "en", "info"], env=GERMAN).out != english:
        fail("--lang en on a German system is not the C locale's text")
    # JSON keys and values stay as they are; messages are translated, the model's too.
    if ctl(["--lang", "de", "--json", "info"]).json() != ctl(["--json", "info"]).json():
        fail("--json info changed with the language")
    run = ctl(["--json", "--lang", "de", "profile", "save", "brake", "DEFAULT",
               "--curve", "1,2,3,4,5"]).expect(1)
    if sorted(run.json()) != ["error", "exit", "ok"] or "Unter DEFAULT" not in run.json()["error"]:
        fail("a refusal in German: %s" % run.out)
    # A bad option before --lang is still named in the language asked for.
    ctl(["--bogus", "--lang", "de", "info"]).expect(1, "unbekannte Option „--bogus“")
    ctl(["--lang", "de", "--help"]).expect(0, "Befehle:", "profile apply NAME")


DOCTOR_CHECKS = ["usb", "hidraw", "holders", "input", "joystick", "event", "rules", "firmware"]
RULE_FIX = ("kestctl doctor --print-rules | sudo tee /etc/udev/rules.d/70-kest-pedals.rules",
            "sudo udevadm control --reload")
RULE_FILE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "packaging",
                         "linux", "70-kest-pedals.rules")
# The rule folders udev reads, for a user namespace of the test's own: the rule in
# /usr/lib's is the one the test puts there, the others are empty.
RULE_DIRS = ("mount --bind \"$RULES\" /usr/lib/udev/rules.d || exit 125; "
             "for d in /etc/udev/rules.d /run/udev/rules.d /lib/udev/rules.d; do "
             "if [ -d $d ] && ! [ $d -ef /usr/lib/udev/rules.d ]; then "
             "mount --bind \"$EMPTY\" $d || exit 125; fi; done; exec \"$@\"")


class Doctor:
    """kestctl doctor run several times under one simulator, in a mount namespace where
    the installed rule is the test's (where the system allows one)."""

    def __init__(self, sim_options, runs):
        with tempfile.TemporaryDirectory(prefix="kestctl-doctor-") as d:
            rules, empty = os.path.join(d, "rules"), os.path.join(d, "empty")
            os.mkdir(rules)
            os.mkdir(empty)
            with open(RULE_FILE, "rb") as src, open(os.path.join(rules, "70-kest-pedals.rules"),
                                                    "wb") as dst:
                dst.write(src.read())
            script = "".join('%s >"$OUT/%d.out" 2>"$OUT/%d.err"; echo $? >"$OUT/%d.rc"\n'
                             % (command, i, i, i) for i, command in enumerate(runs))
            command = [OPTIONS.sim] + sim_options + ["--", "sh", "-c", script]
            env = {**os.environ, **ENGLISH, "CTL": OPTIONS.ctl, "OUT": d, "RULES": rules,
                   "EMPTY": empty, "RULE": os.path.join(rules, "70-kest-pedals.rules")}
            self.namespace = NAMESPACE
            if self.namespace:
                command = ["unshare", "-rm", "sh", "-c", RULE_DIRS, "sh"] + command
            code = subprocess.run(command, env=env, timeout=60, cwd=d).returncode
            if code != 0:
                fail("the doctor's runs under %s ended with %d" % (" ".join(command), code))
            self.runs = []
            for i in range(len(runs)):
                read = lambda ext: open(os.path.join(d, "%d.%s" % (i, ext)), encoding="utf-8").read()
                self.runs.append((int(read("rc")), read("out"), read("err")))
                check_sanitizers(self.runs[-1][2], "doctor run %d" % i)

    def checks(self, i, code):
        """Run i's --json checks by id, after its exit status was checked (unless None)."""
        rc, out, err = self.runs[i]
        if code is not None and rc != code:
            fail("doctor run %d: exit %d, expected %d\n%s%s" % (i, rc, code, out, err))
        checks = [json.loads(line) for line in out.splitlines()]
        for c in checks:
            if sorted(c) != ["detail", "fix", "id", "ok"] or (c["ok"] is False) != bool(c["fix"]):
                fail("doctor: a check without its fix, or a fix without a failure: %s" % c)
        return {c["id"]: c for c in checks}, [c["id"] for c in checks]

    def expect(self, i, code, failing, *words):
        """Run i's exit status, the checks that fail (the rule's own when the test could not
        choose it) and the words its failures say."""
        by_id, ids = self.checks(i, code)
        failed = {k for k, c in by_id.items() if c["ok"] is False and k != "firmware"}
        if not self.namespace:
            failed.discard("rules")
        if failed != set(failing):
            fail("doctor run %d: failing %s, expected %s\n%s" % (i, failed, failing,
                                                                  self.runs[i][1]))
        said = " ".join(c["detail"] + " " + (c["fix"] or "") for c in by_id.values())
        for word in words:
            if word not in said:
                fail("doctor run %d does not say %r:\n%s" % (i, word, self.runs[i][1]))
        return by_id, ids


def case_doctor():
    global NAMESPACE
    NAMESPACE = subprocess.run(["unshare", "-rm", "true"], stderr=subprocess.DEVNULL).returncode == 0
    old_rule = "grep hidraw \"$RULE\" >\"$RULE.old\"; mv \"$RULE.old\" \"$RULE\"; "
    doctor = Doctor([], ['"$CTL" doctor', '"$CTL" --json doctor', '"$CTL" doctor --print-rules',
                         'sh -c \'exec 3</dev/hidraw0; "$CTL" --json doctor\'',
                         old_rule + '"$CTL" --json doctor',
                         'rm "$RULE"; "$CTL" --json doctor'])
    # A sound setup: every check passes. The firmware's is skipped offline (online it may
    # find newer firmware), the rule's is the test's own only in a namespace.
    by_id, ids = doctor.expect(1, None, [], "/dev/hidraw0", "/dev/input/event0, /dev/input/js0",
                               "The firmware is V1.0.0")
    code = 1 if any(c["ok"] is False for c in by_id.values()) else 0
    labels = ["SKIP" if c["ok"] is None else "PASS" if c["ok"] else "FAIL" for c in by_id.values()]
    rc, text, _ = doctor.runs[0]
    if ids != DOCTOR_CHECKS or doctor.runs[1][0] != code or rc != code or \
            [line.split()[0] for line in text.splitlines() if not line.startswith(" ")] != labels:
        fail("doctor on a sound setup: exit %d\n%s\n--json: %s" % (rc, text, doctor.runs[1][1]))
    with open(RULE_FILE, encoding="utf-8") as f:
        if doctor.runs[2][1] != f.read():
            fail("--print-rules is not the package's rule:\n%s" % doctor.runs[2][1])
    doctor.expect(3, 1, ["holders"], "/dev/hidraw0 is open in: sh (", "Close these programs")
    if doctor.namespace:
        doctor.expect(4, 1, ["rules"], "differs from this version's rule", *RULE_FIX)
        doctor.expect(5, 1, ["rules"], "70-kest-pedals.rules is not installed", *RULE_FIX)

    # Each of the system's faults under a simulator of its own: the failing check, its
    # fix, and the checks that cannot run without what failed.
    Doctor(["--deny-open"], ['"$CTL" --json doctor']).expect(
        0, 1, ["hidraw"], "cannot open the unit's hidraw node /dev/hidraw0", *RULE_FIX,
        "The firmware was not checked")
    no_joystick = Doctor(["--no-joystick"], ['"$CTL" --json doctor', '"$CTL" --lang de doctor'])
    no_joystick.expect(0, 1, ["joystick"], "/dev/input/event0 is not marked as a joystick",
                       *RULE_FIX)
    # Every word of the text output in the language asked for, the labels too.
    german = no_joystick.runs[1][1]
    if not re.search(r"^FEHLER +/dev/input/event0 ist nicht als Joystick", german, re.M) \
            or "Abhilfe: " not in german:
        fail("doctor in German:\n%s" % german)
    Doctor(["--deny-event"], ['"$CTL" --json doctor']).expect(
        0, 1, ["event"], "cannot read /dev/input/event0", "/dev/input/js0", *RULE_FIX)
    unplugged = Doctor(["--unplugged"], ['"$CTL" --json doctor', '"$CTL" doctor'])
    _, ids = unplugged.expect(0, 3, ["usb"], "No pedal unit on USB", NOT_FOUND)
    if ids != ["usb", "rules"] or unplugged.runs[1][0] != 3:
        fail("doctor without a unit: %s" % ids)
SHARED_ROUNDS = 20
# PROGRAM for the shared case: the window, and once it has attached ("go"), two loops of
# kestctl info side by side; then kestctl once more while another program holds the
# unit's lock, which it names in its trace.
SHARED_SCRIPT = r"""
"$KEST_SETTING" > window.log 2>&1 &
window=$!
while [ ! -e go ]; do sleep 0.02; done
loop() {
    i=0
    while [ $i -lt $ROUNDS ]; do
        "$KESTCTL" --json info > $1.$i.json 2> $1.$i.err
        echo $? > $1.$i.code
        i=$((i + 1))
    done
}
loop a & a=$!
loop b & b=$!
wait $a $b
kill -0 $window && touch window.alive
"$KESTCTL" --trace own.txt info > /dev/null 2> own.err
lock=$(sed -n 's/.* # lock shared with other programs: //p' own.txt | head -n 1)
if [ -n "$lock" ]; then
    flock "$lock" -c 'touch held; while [ ! -e done ]; do sleep 0.02; done' &
    holder=$!
    while [ ! -e held ]; do sleep 0.02; done
    "$KESTCTL" --trace held.txt --json info > held.json 2> held.err
    echo $? > held.code
    touch done
    wait $holder
fi
kill $window
wait $window
"""


def case_shared():
    """The window attached and two loops of kestctl info at once on one unit: every read
    answers its own request. A lock kept too long by another program fails the exchange."""
    if not OPTIONS.setting:
        fail("the shared case needs --setting")
    with tempfile.TemporaryDirectory(prefix="kestctl-shared-") as d:
        state_path = os.path.join(d, "state.json")
        trace_path = os.path.join(d, "trace.txt")
        with open(state_path, "w", encoding="utf-8") as f:
            json.dump(unit_state(), f)
        env = {**os.environ, **ENGLISH, "XDG_DATA_HOME": os.path.join(d, "data"),
               "XDG_RUNTIME_DIR": d,
               "QT_QPA_PLATFORM": "offscreen", "KEST_SETTING": OPTIONS.setting,
               "KESTCTL": OPTIONS.ctl, "ROUNDS": str(SHARED_ROUNDS)}
        proc = subprocess.Popen([OPTIONS.sim, "--state", state_path, "--trace", trace_path,
                                 "--", "/bin/sh", "-c", SHARED_SCRIPT],
                                cwd=d, env=env, stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                start_new_session=True)
        try:
            end = time.monotonic() + 20
            while True:
                entries = read_trace(trace_path)
                opens = [i for i, (kind, _) in enumerate(entries) if kind == "open"]
                if opens and check_attach(entries, opens[0]):
                    break
                if proc.poll() is not None or time.monotonic() > end:
                    fail("the window did not attach")
                time.sleep(0.02)
            open(os.path.join(d, "go"), "w").close()
            proc.wait(timeout=90)
        except subprocess.TimeoutExpired:
            fail("the loops did not end within 90 s")
        finally:
            if proc.poll() is None:
                os.killpg(proc.pid, signal.SIGKILL)
                proc.wait()

        def read(name):
            with open(os.path.join(d, name), encoding="utf-8") as f:
                return f.read()

        if not os.path.exists(os.path.join(d, "window.alive")):
            fail("the window ended while kestctl ran")
        for name in sorted(os.listdir(d)):
            if name == "window.log" or name.endswith(".err"):
                check_sanitizers(read(name), name)
        first = None
        for loop in "ab":
            for i in range(SHARED_ROUNDS):
                name = "%s.%d" % (loop, i)
                if read(name + ".code").strip() != "0":
                    fail("kestctl info %s failed: %s" % (name, read(name + ".err")))
                info = json.loads(read(name + ".json"))
                first = first or info
                if info != first:
                    fail("kestctl info %s read %s, an earlier one %s" % (name, info, first))
        if first["firmware"] != "V1.2.0" or first["active"]["brake"]["slot"] != 5 \
                or [p["slot"] for p in first["profiles"]] != [0, 1, 2, 5]:
            fail("info: %s" % first)
        # Held by another program beyond the bound: the read fails, and says why.
        if read("held.code").strip() != "2":
            fail("kestctl info with the lock held ended %s: %s" % (
                read("held.code").strip(), read("held.err")))
        for name in ("held.txt", "held.err"):  # the trace, and the warning on stderr
            if "another program kept the pedal unit" not in read(name):
                fail("%s does not say the lock was held:\n%s" % (name, read(name)))
        if json.loads(read("held.json"))["exit"] != 2:
            fail("held: %s" % read("held.json"))


CASES = {
    "backups": case_backups,
    "shared": case_shared,
    "info": case_info,
    "nounit": case_nounit,
    "parity": case_parity,
    "faults": case_faults,
    "firmware": case_firmware,
    "profiles": case_profiles,
    "watch": case_watch,
    "calibrate": case_calibrate,
    "language": case_language,
    "doctor": case_doctor,
}
OPTIONS = None
NAMESPACE = False


def run_case(name):
    """Runs one case; returns what it printed: its time, or why it failed."""
    started = time.monotonic()
    try:
        CASES[name]()
    except Failure as e:
        return False, "%s FAILED: %s" % (name, e)
    return True, "%s passed in %.1f s" % (name, time.monotonic() - started)


def configure(sim, ctl, setting=None):
    """The programs the cases run (e2e.py runs these cases beside its own)."""
    global OPTIONS
    OPTIONS = argparse.Namespace(sim=os.path.abspath(sim), ctl=os.path.abspath(ctl),
                                 setting=os.path.abspath(setting) if setting else None)


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--sim", required=True)
    parser.add_argument("--ctl", required=True)
    parser.add_argument("--setting", help="kest-setting, for the shared case")
    parser.add_argument("cases", nargs="+", choices=sorted(CASES), metavar="case")
    args = parser.parse_args()
    configure(args.sim, args.ctl, args.setting)
    OPTIONS.cases = args.cases
    started = time.monotonic()
    with concurrent.futures.ThreadPoolExecutor(max_workers=len(OPTIONS.cases)) as pool:
        results = list(pool.map(run_case, OPTIONS.cases))
    for _, text in results:
        print(text)
    if not all(passed for passed, _ in results):
        return 1
    print("passed in %.1f s" % (time.monotonic() - started))
    return 0


if __name__ == "__main__":
    sys.exit(main())
