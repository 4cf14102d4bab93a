#!/usr/bin/env python3
"""End-to-end checks of kestctl: the real binary and hidapi under kest-pedal-sim, its
output and exit status, and the unit's wire log and state file afterwards.

    kestctl_e2e.py --sim KEST_PEDAL_SIM --ctl KESTCTL CASE...

The cases given run side by side, each with simulators of its own: nearly all their time
is waiting, for the unit's seconds of writing after a firmware image or for a signal.

The parity case holds the window's bytes for each operation as the window tests assert
them (tst_inputspage, tst_unitmodel, tst_devicepage and e2e.py's close case): kestctl
must send exactly those.
Exit status: 0 passed, 1 failed.
"""

import argparse
import concurrent.futures
import json
import os
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e import MARK, SANITIZER_REPORTS, Failure, fail, read_trace, unit_state  # noqa: E402

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
        self.proc = subprocess.Popen(command, stdin=stdin, stdout=subprocess.PIPE,
                                     stderr=subprocess.PIPE, cwd=self.dir.name,
                                     env={**os.environ, **ENGLISH,
                                          "XDG_DATA_HOME": self.data_home, **(env or {})},
                                     start_new_session=True)

    def finish(self, timeout=30):
        try:
            out, err = self.proc.communicate(timeout=timeout)
        except subprocess.TimeoutExpired:
            os.killpg(self.proc.pid, signal.SIGKILL)
            self.proc.communicate()
            fail("kestctl %s did not end within %d s" % (" ".join(self.args), timeout))
        self.code = self.proc.returncode
        self.out = out.decode("utf-8", "replace")
        self.err = "\n".join(line for line in err.decode("utf-8", "replace").splitlines()
                             if not line.startswith("kest-pedal-sim: "))
        for word in SANITIZER_REPORTS:
            if word in self.err:
                fail("sanitizer report in kestctl %s:\n%s" % (" ".join(self.args), self.err))
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


# args, unit state, the window's writes for the operation, then what the unit keeps.
PARITY = [
    # tst_inputspage releasingAHandleWritesTheTable: BRAKE low handle to 5 %.
    (["deadzone", "brake", "5", "0"],
     unit_state(deadzone=[6554, 58982, 0, 65535, 0, 65535]),
     [r("02 05 01 01 ef 9a 19 66 e6 cd 0c ff ff 00 00 ff ff")],
     ("deadzone", [6554, 58982, 3277, 65535, 0, 65535])),
    # tst_inputspage clutchOffSendsNoClutchDeadzone: THROTTLE high handle to 2 %.
    (["deadzone", "throttle", "0", "2"],
     unit_state(deadzone=[6554, 58982, 0, 65535, 0, 65535], pedalMode=0),
     [r("02 05 01 01 ef 00 00 ff ff 00 00 ff ff 00 00 e0 fa")],
     ("deadzone", [0, 65535, 0, 65535, 0, 64224])),
    # tst_inputspage clutchSwitch, and its "already what the unit holds".
    (["clutch", "off"], unit_state(), [r("02 0c 07 00 00 00 00 ef")], ("pedalMode", 0)),
    (["clutch", "on"], unit_state(), [], ("pedalMode", 1)),
    # tst_unitmodel calibrationRoundTrip: the start, then a save without travel and the
    # cancel (the pedals stand still).
    (["calibrate", "brake"], cal_state(),
     [r("02 05 01 00 00 64 00 e8 fd 00 00 ff ff 2c 01 18 f6"),
      r("02 05 01 01 00 9a 19 66 e6 00 00 ff ff 00 00 ff ff"),
      r("02 05 01 00 00 64 00 e8 fd c8 00 00 fa 2c 01 18 f6"),
      r("02 05 01 01 00 9a 19 66 e6 cd 0c 32 f3 00 00 ff ff")],
     ("calibration", [100, 65000, 200, 64000, 300, 63000])),
    # A choice in the list (put into effect), then the store of the window's close
    # (e2e.py's close case).
    (["profile", "apply", "Brake firm"], unit_state(),
     [r("02 0c 0f 00 01 02 00 00"), r("02 0c 0f 00 01 02 ef ef")],
     ("activeProfile", MARK | 1 << 8 | 2 << 16)),
    # tst_devicepage: CLEAR FLASH.
    (["clear-flash", "--yes"], unit_state(), [r("02 0c 10")], ("pedalMode", 1)),
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
    # Replies that are not whole, or answer another read, count as none.
    for fault in ("short@3", "misdirect@1", "cross@2"):
        run = ctl(["info"], sim_options=["--fault", fault]).expect(2, "did not answer")
        if run.out:
            fail("info printed a result after a bad reply (%s): %s" % (fault, run.out))
    run = ctl(["calibrate", "brake"], cal_state(), ["--fault", "reply@1"])
    run.expect(2, "The calibration did not start")
    # The store after the choice lost: the unit keeps the choice it had. Sends: 21 reads
    # of the lists, the choice, the read before the store, the store.
    run = ctl(["--json", "profile", "apply", "Brake firm"], sim_options=["--fault", "send@23"])
    run.expect(2, "It keeps the choice it had.")
    if run.kept["activeProfile"] != unit_state()["activeProfile"] or run.json()["exit"] != 2:
        fail("a lost store changed the stored choice: %08x" % run.kept["activeProfile"])
    # An image cut off half-way never gets its end report. The backup's reads come first.
    with tempfile.NamedTemporaryFile(suffix=".bin") as image:
        image.write(bytes(range(256)) * 4)
        image.flush()
        clean = ctl(["firmware", "update", image.name]).expect(0)
        before = next(i for i, d in enumerate(clean.sets()) if d[1] & 0x80)
        run = ctl(["firmware", "update", image.name],
                  sim_options=["--fault", "send@%d" % (before + 10)])
        run.expect(2, "did not take the whole image")
        if any(d[1] == 0x10 for d in run.writes()):
            fail("an image cut off half-way was ended")


def case_firmware():
    with tempfile.NamedTemporaryFile(suffix=".bin") as image:
        data = bytes(range(256)) * 4 + b"tail"
        image.write(data)
        image.flush()
        # Ctrl-C and SIGTERM only say that the update goes on: it ends whole.
        run = live(["firmware", "update", image.name], unit_state(),
                   [(1.0, signal.SIGINT), (0.2, signal.SIGTERM)])
        run.expect(0, "Firmware updated successfully.", "The firmware update is still running.")
        chunks = [d for d in run.writes() if d[1] & 0x80]
        ends = [d for d in run.writes() if d[1] == 0x10]
        if len(chunks) != (len(data) + 15) // 16 or len(ends) != 1:
            fail("%d data reports and %d end reports for %d bytes" % (
                len(chunks), len(ends), len(data)))
        if run.out.splitlines()[-2:] != ["100 %", "Firmware updated successfully."]:
            fail("progress lines: %s" % run.out.splitlines()[-3:])
    run = ctl(["firmware", "update", "/nonexistent.bin"]).expect(1, "Not a valid firmware.")
    if run.opened():
        fail("a missing image opened the unit")
    run = ctl(["clear-flash"]).expect(1, "--yes")
    if run.opened():
        fail("clear-flash without --yes opened the unit off a terminal")


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
                        ["clear-flash", "--yes"], ["firmware", "update", image.name]]
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
    """kestctl run while `steps` act on the simulator: (seconds to wait, a signal, or a
    look at the running kestctl: a function of its process id)."""
    run = Run(args, state, stdin=stdin)
    try:
        for delay, step in steps:
            time.sleep(delay)
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
    run = live(["watch"], state, [(1.0, reader_blocks_interrupts), (0.3, signal.SIGUSR1),
                                  (0.7, signal.SIGUSR2), (1.5, signal.SIGINT)])
    run.expect(0, "unplugged", "is back")
    lines = run.out.splitlines()
    if len(lines) < 10 or not all(line.startswith("CLUTCH ") for line in lines):
        fail("watch lines: %s" % lines[:5])
    if sum(1 for kind, _ in run.entries if kind == "open") != 2:
        fail("watch did not open the unit again after the re-plug")
    if run.writes():
        fail("watch wrote %s" % hexes(run.writes()))


def case_calibrate():
    state = cal_state(motion="sweep")
    read, write = os.pipe()
    run = Run(["calibrate", "throttle"], state, stdin=read)
    try:
        time.sleep(2.5)  # the half-second watch, then a sweep of the pedals
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
        run = live(["calibrate", "brake"], state, [(1.5, signal.SIGINT)], stdin=read)
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


CASES = {
    "backups": case_backups,
    "info": case_info,
    "nounit": case_nounit,
    "parity": case_parity,
    "faults": case_faults,
    "firmware": case_firmware,
    "profiles": case_profiles,
    "watch": case_watch,
    "calibrate": case_calibrate,
    "language": case_language,
}
OPTIONS = None


def run_case(name):
    """Runs one case; returns what it printed: its time, or why it failed."""
    started = time.monotonic()
    try:
        CASES[name]()
    except Failure as e:
        return False, "%s FAILED: %s" % (name, e)
    return True, "%s passed in %.1f s" % (name, time.monotonic() - started)


def main():
    global OPTIONS
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--sim", required=True)
    parser.add_argument("--ctl", required=True)
    parser.add_argument("cases", nargs="+", choices=sorted(CASES), metavar="case")
    OPTIONS = parser.parse_args()
    OPTIONS.sim = os.path.abspath(OPTIONS.sim)
    OPTIONS.ctl = os.path.abspath(OPTIONS.ctl)
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
