#!/usr/bin/env python3
"""End-to-end checks: a program runs under kest-pedal-sim, and what it did is read back
from the unit's wire log (trace file) and state file.

    e2e.py --sim KEST_PEDAL_SIM [--probe KEST_SIM_PROBE] [--program KEST_SETTING]
           [--ctl KESTCTL] CASE...

The cases given run side by side, each under a simulator of its own: nearly all their
time is waiting for the program. Besides the cases below, every case of kestctl_e2e.py
(with --ctl; its shared case runs --program beside kestctl).

Cases:
  probe   kest-sim-probe: the simulator checked through the real hidapi
  attach  kest-setting attaches, reading the unit in the order of the attach, and then
          takes the input reports
  replug  kest-setting started without a unit attaches as it is plugged in (udev's
          "add"), not with its next look 3 s on; pulled out, it lets go of the dead
          handle and goes to waiting once; plugged in again at once, it attaches to the
          unit's new node on the "add", again without waiting for a look
  storm   kest-setting attached while the unit is pulled out and plugged in many times
          in a row: it ends up with one opening of the last node and no attempts left
  access  kest-setting finding a unit that it may not open stays waiting and says why
  close   kest-setting closed with its own close button stores the active profiles; it
          runs on a private Xvfb display and xdotool clicks the button (skipped when
          either is missing)

Every wait is bounded; the simulator and the program are killed whatever happens.
Exit status: 0 passed, 1 failed, 77 skipped.
"""

import argparse
import concurrent.futures
import json
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
# The bounds on waits, never the waits themselves, stretch under the sanitizers: there the
# programs run several times slower, with every case at once on the machine's cores.
BOUND_SCALE = 3.0 if any(v in os.environ for v in ("ASAN_OPTIONS", "TSAN_OPTIONS")) else 1.0
ATTACH_TIMEOUT = 20.0  # program start (slow under the sanitizers) and the attach
RETRY_TIMEOUT = 3.0 + 7.0  # the program looks for the unit every 3000 ms, then attaches
READER_DONE = "joystick event thread done."  # the program's line when its reader ends
SIM = "kest-pedal-sim: "  # the simulator's lines
# The program names what started each attach attempt, one line each (debug category).
ATTACH_LOG = "kest.attach: "
LOST = ("the reader lost the unit", "unit pulled out of ")
PLUG_LOG = "kest.plug: "  # and each udev event about the unit as it reads it
# What a sanitizer prints when it finds something (a ThreadSanitizer build goes on after
# its reports, and its program may still end as expected).
SANITIZER_REPORTS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:",
                     "WARNING: ThreadSanitizer")

# Slots 0-2 hold one profile per pedal; 5 holds a second BRAKE profile.
PROFILE_SLOTS = [
    {"slot": 0, "name": "Clutch soft", "record": [0, 1, 0, 20, 45, 70, 100]},
    {"slot": 1, "name": "Brake firm", "record": [1, 2, 0, 30, 55, 80, 100]},
    {"slot": 2, "name": "Throttle", "record": [2, 3, 0, 25, 50, 75, 100]},
    {"slot": 5, "name": "Brake rally", "record": [5, 2, 0, 10, 30, 60, 100]},
]
USED_SLOTS = {s["slot"] for s in PROFILE_SLOTS}
MARK = 0xEF000000


class Failure(Exception):
    pass


def fail(message):
    raise Failure(message)


def check_sanitizers(text, what):
    """Fails when a sanitizer reported something in `text`, the output of `what`."""
    for word in SANITIZER_REPORTS:
        if word in text:
            fail("sanitizer report in %s:\n%s" % (what, text[-6000:]))


def unit_state(**overrides):
    state = {
        "version": "V1.2.0",
        "pedalMode": 1,
        "activeProfile": MARK | 5 << 8 | 2 << 16,  # stored: slots 0, 5, 2
        "deadzone": [0, 65535, 1311, 64224, 0, 62258],
        "slots": PROFILE_SLOTS,
        "pedals": [1000, 20000, 40000],
        "motion": "still",
        "rate": 250,
    }
    state.update(overrides)
    return state


def read_trace(path):
    """The wire log as (kind, bytes) pairs; a half-written last line is left out."""
    entries = []
    try:
        with open(path, encoding="ascii") as f:
            text = f.read()
    except FileNotFoundError:
        return entries
    for line in text.split("\n")[:-1]:
        fields = line.split()
        if len(fields) >= 2 and fields[1] != "#":  # "#": a remark of the program's own
            entries.append((fields[1], bytes(int(h, 16) for h in fields[2:])))
    return entries


def expected_attach_reads():
    """(code, index) of every read request of an attach, in order."""
    reads = [(0x09, 0x00), (0x0C, 0x07)]
    for slot in range(16):
        reads.append((0x03, slot))
        if slot in USED_SLOTS:
            reads.append((0x04, slot))
    return reads + [(0x0C, 0x0F), (0x05, 0x01)]


def check_attach(entries, start):
    """Checks the attach that begins with the "open" at entries[start]. Returns the index
    after its last reply, or None while it is not complete yet."""
    expected = expected_attach_reads()
    reads = []
    i = start + 1
    while i < len(entries) and len(reads) < len(expected):
        kind, data = entries[i]
        if kind == "open":
            fail("the program opened the unit again in the middle of the attach")
        if kind == "set" and data[1] == 0x0B:
            reads.append((data[2], data[3]))
            if reads[-1] != expected[len(reads) - 1]:
                fail("attach read %d asks for %s, expected %s; reads so far: %s" % (
                    len(reads), fmt(reads[-1]), fmt(expected[len(reads) - 1]),
                    " ".join(fmt(r) for r in reads)))
            # The reply comes right after its request (input reports aside).
            j = i + 1
            while j < len(entries) and entries[j][0] == "in":
                j += 1
            if j == len(entries):
                return None
            if entries[j][0] != "get" or entries[j][1][1] != data[2]:
                fail("read request %s is not followed by its reply" % fmt(reads[-1]))
            i = j
        elif kind == "set":
            # The only write of an attach: the active profiles put into effect while the
            # profile lists fill (apply form: no mark, no commit byte).
            if not (data[1] == 0x0C and data[2] == 0x0F and data[6] == 0 and data[7] == 0):
                fail("the attach wrote %s" % data.hex(" "))
        i += 1
    return i if len(reads) == len(expected) else None


def fmt(read):
    return "%02x/%02x" % read


class Session:
    """kest-pedal-sim running PROGRAM, with its files in a temporary directory."""

    def __init__(self, sim, program, state, options=(), env=None):
        self.dir = tempfile.TemporaryDirectory(prefix="kest-e2e-")
        self.state = os.path.join(self.dir.name, "state.json")
        self.trace = os.path.join(self.dir.name, "trace.txt")
        # Appended to by the simulator and the program; read through a file of its own,
        # since moving this one's offset would make their next line overwrite older ones.
        self.log_path = os.path.join(self.dir.name, "output.txt")
        self.log = open(self.log_path, "ab")
        with open(self.state, "w", encoding="utf-8") as f:
            json.dump(state, f)
        command = [sim, "--state", self.state, "--trace", self.trace] + list(options)
        # XDG_RUNTIME_DIR: the unit's lock file (shared with other programs) goes here.
        env = dict(os.environ, **(env or {"QT_QPA_PLATFORM": "offscreen"}),
                   QT_LOGGING_RULES="kest.attach.debug=true;kest.plug.debug=true;"
                                    "kest.diagnostics.debug=true",
                   XDG_RUNTIME_DIR=self.dir.name)
        self.started = time.monotonic()
        self.proc = subprocess.Popen(command + ["--", program] + list(program_args(program, self)),
                                     stdin=subprocess.DEVNULL, stdout=self.log,
                                     stderr=subprocess.STDOUT, env=env, start_new_session=True)

    def entries(self):
        return read_trace(self.trace)

    def elapsed(self):
        return time.monotonic() - self.started

    def running(self):
        return self.proc.poll() is None

    def wait_for(self, what, timeout, done, step=0.01):
        end = time.monotonic() + timeout * BOUND_SCALE
        while True:
            result = done()
            if result:
                return result
            if not self.running():
                fail("the program ended (status %s) while waiting for %s" % (
                    self.proc.returncode, what))
            if time.monotonic() > end:
                fail("no %s within %.1f s" % (what, timeout * BOUND_SCALE))
            time.sleep(step)

    def wait_attach(self, after, timeout):
        """Waits for an "open" at or after entry `after` and the attach that follows it.
        Returns the index after the attach."""
        def attached():
            entries = self.entries()
            opens = [i for i in range(after, len(entries)) if entries[i][0] == "open"]
            return opens and check_attach(entries, opens[0])
        return self.wait_for("attach", timeout, attached)

    def wait_inputs(self, after, count, timeout):
        """Waits until the program has taken `count` input reports after entry `after`."""
        return self.wait_for("input reports", timeout, lambda: sum(
            1 for kind, _ in self.entries()[after:] if kind == "in") >= count)

    def signal(self, sig):
        self.proc.send_signal(sig)

    def program_pid(self):
        path = "/proc/%d/task/%d/children" % (self.proc.pid, self.proc.pid)
        with open(path, encoding="ascii") as f:
            children = f.read().split()
        if not children:
            fail("the program is not running")
        return int(children[0])

    def stop(self):
        """Ends the program (SIGTERM, passed on by the simulator), then everything.
        Returns the simulator's exit status, None when it had to be killed."""
        status = None
        if self.running():
            self.signal(signal.SIGTERM)
            try:
                status = self.proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                pass
        else:
            status = self.proc.returncode
        try:
            os.killpg(self.proc.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        self.proc.wait()
        return status

    def finish(self, ended_by_sigterm):
        """Stops everything; fails when it did not end cleanly or a sanitizer spoke."""
        status = self.stop()
        if status is None:
            fail("kest-pedal-sim and the program did not end within 5 s of SIGTERM")
        if ended_by_sigterm and status != 128 + signal.SIGTERM:
            fail("the program did not end by the SIGTERM (status %d)" % status)
        check_sanitizers(self.output(), "the program's output")

    def output(self):
        with open(self.log_path, "rb") as f:
            return f.read().decode("utf-8", "replace")

    def attempts(self):
        """What started each of the program's attach attempts so far, in order."""
        return [line.split(ATTACH_LOG, 1)[1].strip() for line in self.output().splitlines()
                if ATTACH_LOG in line]

    def close(self):
        self.stop()
        self.log.close()
        self.dir.cleanup()


def program_args(program, session):
    if os.path.basename(program).startswith("kest-sim-probe"):
        return [session.state, session.trace]
    return []


def case_probe(s, _):
    code = s.proc.wait(timeout=30)
    if code != 0:
        fail("kest-sim-probe failed (status %d)" % code)


def case_attach(s, _):
    end = s.wait_attach(0, ATTACH_TIMEOUT)
    print("attached after %.1f s" % s.elapsed())
    s.wait_inputs(end, 40, 5)  # and goes on taking them
    if not s.running():
        fail("the program ended after the attach")
    entries = s.entries()
    if sum(1 for kind, _ in entries if kind == "open") != 1:
        fail("the unit was opened more than once")
    with open(s.state, encoding="utf-8") as f:
        if json.load(f) != json.loads(json.dumps(unit_state())):
            fail("the attach changed what the unit keeps")


def check_attempts(attempts, plugged_node):
    """The attempts since a plug-in: the last one, which attached, was started by the
    plug-in's "add" (or a quick retry after it), and no look of the 3 s chain came first."""
    if not attempts:
        fail("the program made no attach attempt after the plug-in")
    if "retry" in attempts:
        fail("the program waited for its next look instead of the plug-in: %s" % attempts)
    plugged = "unit plugged in on " + plugged_node
    if plugged not in attempts:
        fail("the program did not attach on the plug-in of %s: %s" % (plugged_node, attempts))
    after = attempts[attempts.index(plugged) + 1:]
    if any(a != "quick retry after a plug-in" for a in after):
        fail("unexpected attempts after the plug-in: %s" % attempts)


def case_replug(s, _):
    # The program's first look finds nothing; the unit is plugged in after it.
    s.wait_for("the first look for the unit", ATTACH_TIMEOUT, lambda: "start" in s.attempts())
    if any(kind == "open" for kind, _ in s.entries()):
        fail("the program opened a unit that is not plugged in")
    looked = len(s.attempts())
    s.signal(signal.SIGUSR2)
    end = s.wait_attach(0, RETRY_TIMEOUT)
    check_attempts(s.attempts()[looked:], "/dev/hidraw0")
    print("attached %.1f s after start" % s.elapsed())
    s.wait_inputs(end, 10, 5)

    # Pulled out, as by a loose cable: the program's handle of the old node is dead. It
    # lets go (it says so when its reader ends) and waits, once, whether udev's "remove"
    # or the failing read tells it first.
    stopped = s.output().count(READER_DONE)
    attached = len(s.attempts())
    s.signal(signal.SIGUSR1)
    s.wait_for("the unplug", 5, lambda: SIM + "unit unplugged" in s.output(), step=0.001)
    s.wait_for("the program letting go", 5,
               lambda: s.output().count(READER_DONE) > stopped and s.attempts()[attached:])
    # Plugged in again at once: the unit comes back on a new node.
    entries = s.entries()
    lost = len(s.attempts())
    s.signal(signal.SIGUSR2)
    replugged = time.monotonic()
    s.wait_for("the re-plug on a new node", 5,
               lambda: SIM + "unit plugged in on /dev/hidraw1" in s.output())
    s.wait_attach(len(entries), RETRY_TIMEOUT)
    print("attached again %.2f s after the re-plug" % (time.monotonic() - replugged))
    attempts = s.attempts()
    if len(attempts[attached:lost]) != 1 or not attempts[attached].startswith(LOST):
        fail("the unplug did not lead to the waiting state once: %s" % attempts[attached:])
    check_attempts(attempts[lost:], "/dev/hidraw1")
    s.wait_inputs(len(entries), 10, 5)


def case_storm(s, _):
    s.wait_attach(0, ATTACH_TIMEOUT)
    # Pulled out and plugged in again ten times in a row, each time as soon as the
    # program has heard of the last change, whatever it is doing about it: it meets
    # events of nodes that are gone by the time it acts on them, and is pulled out
    # of attaches half-way. (Not faster: umockdev's events wait in a socket that holds
    # ten, and the simulator ends when it is full.)
    pulls = 10
    for n in range(pulls):
        s.signal(signal.SIGUSR1)
        s.wait_for("the program hearing of unplug %d" % (n + 1), 5,
                   lambda: s.output().count(PLUG_LOG + "remove") > n, step=0.001)
        s.signal(signal.SIGUSR2)
        s.wait_for("the program hearing of plug %d" % (n + 1), 5,
                   lambda: s.output().count(PLUG_LOG + "add") > n, step=0.001)
    last = "/dev/hidraw%d" % pulls
    s.wait_for("the last plug on %s" % last, 5,
               lambda: SIM + "unit plugged in on " + last in s.output())
    plugged = max(i for i, (kind, _) in enumerate(s.entries()) if kind == "plug")
    end = s.wait_attach(plugged, RETRY_TIMEOUT)
    s.wait_inputs(end, 10, 5)
    # A second chain of attempts would look again within 3 s and open the unit anew;
    # the one chain has stopped with the attach.
    settled = len(s.attempts())
    time.sleep(3.5)
    if s.attempts()[settled:]:
        fail("attempts after the storm settled: %s" % s.attempts()[settled:])
    opens = sum(1 for kind, _ in s.entries()[plugged:] if kind == "open")
    if opens != 1:
        fail("the last node was opened %d times" % opens)
    print("%d attempts for %d re-plugs" % (len(s.attempts()) - 1, pulls))


def case_access(s, _):
    # The program's debug line says why the unit cannot be opened, at every try.
    s.wait_for("hint about the missing access", ATTACH_TIMEOUT,
               lambda: "no access" in s.output().lower())
    s.wait_for("one more try, still without access", RETRY_TIMEOUT,
               lambda: s.output().lower().count("no access") >= 2)
    if any(kind == "open" for kind, _ in s.entries()):
        fail("the program opened a unit it has no access to")


# The close button's centre in window coordinates (the form's pbClose: 860,10 24x24).
CLOSE_BUTTON = (872, 22)


class Display:
    """A private Xvfb server, so that the close button can be clicked like a user does."""

    def __init__(self):
        self.proc = None
        self.name = None

    @staticmethod
    def missing():
        return [tool for tool in ("Xvfb", "xdotool") if shutil.which(tool) is None]

    def start(self):
        read_end, write_end = os.pipe()
        try:
            self.proc = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-screen", "0",
                 "1280x800x24"], pass_fds=(write_end,), stdin=subprocess.DEVNULL,
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
            os.close(write_end)
            write_end = None
            number = b""
            end = time.monotonic() + 10
            while not number.endswith(b"\n"):
                left = end - time.monotonic()
                if left <= 0 or not select.select([read_end], [], [], left)[0]:
                    fail("Xvfb did not start within 10 s")
                chunk = os.read(read_end, 16)
                if not chunk:
                    fail("Xvfb ended at start")
                number += chunk
            self.name = ":" + number.decode("ascii").strip()
        finally:
            os.close(read_end)
            if write_end is not None:
                os.close(write_end)
        return self.name

    def xdotool(self, *args, timeout=5):
        env = dict(os.environ, DISPLAY=self.name)
        try:
            return subprocess.run(["xdotool"] + list(args), env=env, capture_output=True,
                                  text=True, timeout=timeout)
        except subprocess.TimeoutExpired:
            fail("xdotool %s did not finish within %d s" % (args[0], timeout))

    def stop(self):
        if self.proc and self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()


def find_window(display, s, timeout):
    """The program's visible top-level window, once it is mapped."""
    def found():
        result = display.xdotool("search", "--onlyvisible", "--pid", str(s.program_pid()))
        windows = result.stdout.split()
        return windows[0] if windows else None
    return s.wait_for("program window", timeout, found)


def case_close(s, display):
    s.wait_attach(0, ATTACH_TIMEOUT)
    marked = MARK | 1 << 8 | 2 << 16  # each list shows its first profile: 0, 1, 2
    window = find_window(display, s, 10)
    x, y = CLOSE_BUTTON
    result = display.xdotool("mousemove", "--window", window, str(x), str(y), "click", "1")
    if result.returncode != 0:
        fail("xdotool could not click the close button: %s" % result.stderr.strip())
    try:
        code = s.proc.wait(timeout=10)
    except subprocess.TimeoutExpired:
        fail("the program did not close within 10 s of the click on its close button")
    if code != 0:
        fail("the program ended with status %d" % code)
    writes = [d for kind, d in s.entries() if kind == "set" and d[1] == 0x0C and d[2] == 0x0F]
    store = bytes([0x02, 0x0C, 0x0F, 0x00, 0x01, 0x02, 0xEF, 0xEF]) + bytes(12)
    if not writes or writes[-1] != store:
        fail("the last active-profile write is %s, expected %s" % (
            writes[-1].hex(" ") if writes else "none", store.hex(" ")))
    with open(s.state, encoding="utf-8") as f:
        kept = json.load(f)["activeProfile"]
    if kept != marked:
        fail("the unit keeps the active profiles %08x, expected %08x" % (kept, marked))


CASES = {
    "probe": (case_probe, (), lambda: unit_state(version="V9.8.7", pedalMode=0, activeProfile=0,
                                             pedals=[0x0D0A, 0x1311, 0x7F03], slots=[])),
    "attach": (case_attach, (), unit_state),
    "replug": (case_replug, ("--unplugged",), unit_state),
    "storm": (case_storm, (), unit_state),
    "access": (case_access, ("--deny-open",), unit_state),
    # Nothing stored yet: the word 0 names no BRAKE or THROTTLE profile, so the program
    # puts its own choice into effect, and closing must store it. (A word without the mark
    # that names a profile of each pedal is another program's choice for now, which a close
    # leaves unstored.)
    "close": (case_close, (), lambda: unit_state(activeProfile=0)),
}


def run_case(name, args):
    """Runs one case. Returns its exit status and what it has to say."""
    display = Display()
    env = None
    if name == "close":
        missing = Display.missing()
        if missing:
            return SKIP, ("SKIP: the close test clicks the close button on a private X display "
                          "and needs %s (Debian packages xvfb, xdotool)" % " and ".join(missing))
        try:
            env = {"QT_QPA_PLATFORM": "xcb", "DISPLAY": display.start()}
        except Failure as e:
            display.stop()
            return 1, "%s FAILED: %s" % (name, e)

    run, options, state = CASES[name]
    program = args.probe if name == "probe" else args.program
    if not program:
        return 1, "%s: no program to run (--probe, --program)" % name
    s = Session(args.sim, program, state(), options, env)
    try:
        run(s, display)
        s.finish(ended_by_sigterm=name not in ("probe", "close"))
        return 0, "%s passed in %.1f s" % (name, s.elapsed())
    except Failure as e:
        s.stop()
        entries = s.entries()
        text = ["%s FAILED: %s" % (name, e), "--- output of kest-pedal-sim and the program ---",
                s.output()[-6000:],
                "--- wire log: %d entries, %d input reports; the others: ---" % (
                    len(entries), sum(1 for kind, _ in entries if kind == "in"))]
        text += ["%s %s" % (kind, data.hex(" "))
                 for kind, data in [e for e in entries if e[0] != "in"][:120]]
        return 1, "\n".join(text)
    finally:
        s.close()
        display.stop()


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--sim", required=True)
    parser.add_argument("--probe", help="kest-sim-probe, for the probe case")
    parser.add_argument("--program", help="kest-setting, for the other cases")
    parser.add_argument("--ctl", help="kestctl, for the cases of kestctl_e2e.py")
    # kestctl_e2e.py builds on this file: one module, whether it was started or imported.
    sys.modules.setdefault("e2e", sys.modules[__name__])
    sys.dont_write_bytecode = True  # nothing written into the source tree
    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    import kestctl_e2e  # pylint: disable=import-outside-toplevel
    parser.add_argument("cases", nargs="+", choices=sorted(set(CASES) | set(kestctl_e2e.CASES)),
                        metavar="case")
    args = parser.parse_args()
    if args.ctl:
        kestctl_e2e.configure(args.sim, args.ctl, args.program)

    def run(name):
        if name in CASES:
            return run_case(name, args)
        if not args.ctl:
            return 1, "%s: no kestctl to run (--ctl)" % name
        passed, text = kestctl_e2e.run_case(name)
        return (0 if passed else 1), text

    with concurrent.futures.ThreadPoolExecutor(max_workers=len(args.cases)) as pool:
        results = list(pool.map(run, args.cases))
    for _, text in results:
        print(text)
    statuses = {status for status, _ in results}
    if 1 in statuses:
        return 1
    # Skipped only when every case was.
    return SKIP if statuses == {SKIP} else 0


if __name__ == "__main__":
    sys.exit(main())
