#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""A pupil practising by ear, with the real screen reader.

Starts a virtual display, the accessibility bus, speech-dispatcher (its sound
going to ALSA's null device), Orca at its default settings with a debug log,
and Tallyfox with a fresh settings folder; then drives Tallyfox with the
keyboard alone (xdotool) and checks, after each key, what Orca spoke: every
sum as it is posed, every verdict at once, each message box, each largest
number box by its operation. The answers typed are worked out from the sum
Orca spoke, so nothing is known to the test beforehand.

    orca_practice.py PROGRAM LANGUAGE WORK_FOLDER
    orca_practice.py --locale-of LANGUAGE   (prints the locale a run uses)
    orca_practice.py --rounds [all]         (prints the languages a stage runs:
        English, then one language for each writing system of the translation
        files that espeak-ng has a voice for; with "all", every language)

Run inside a D-Bus session of its own (dbus-run-session). Exits non-zero on
the first thing not heard, or if anything cannot start.
"""
import glob
import locale
import os
import re
import shutil
import pty
import subprocess
import sys
import threading
import time
import tty
import unicodedata
import xml.etree.ElementTree as ElementTree

TRANSLATIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "translations")


def program_texts(language):
    """What the pupil must hear: the program's own texts, from the language's
    translation file (in English, the texts themselves)."""
    found = {}
    if language != "en":
        path = os.path.join(TRANSLATIONS, f"tallyfox_{language}.ts")
        for context in ElementTree.parse(path).getroot().iter("context"):
            for message in context.iter("message"):
                key = (context.findtext("name"), message.findtext("source"),
                       message.findtext("comment"))
                found[key] = message.findtext("translation")

    def tr(context, source, comment=None):
        return found.get((context, source, comment)) or source

    def filled(text, *values):
        """Qt's %1, %2 replaced by the values, each a text or a function of
        the literal text around it (to build a pattern)."""
        parts = re.split(r"%(\d)", text)
        return "".join(values[int(part) - 1] if i % 2 else part for i, part in enumerate(parts))

    words = [tr("Operation", word) for word in ("plus", "minus", "times", "divided by")]
    number = r"(\d+)"

    def question(operation):
        """What the answer box says of a sum, as a pattern: its two numbers
        in any digits, the operation's word between them as the template has it."""
        template = tr("PracticeSession",
                      "%1 %2 %3, answer and remainder" if operation == 3 else "%1 %2 %3")
        return "".join({"%1": number, "%2": re.escape(words[operation]), "%3": number}.get(
            part, re.escape(part)) for part in re.split(r"(%\d)", template))
    return {
        "operations": [tr("Operation", name) for name in
                       ("Addition", "Subtraction", "Multiplication", "Division")],
        "largest": filled(tr("MainWindow", "Largest number for %1"), "{}"),
        "words": words,
        "question": question,
        "sum": lambda operation, first, second: filled(
            tr("PracticeSession", "%1 %2 %3, answer and remainder" if operation == 3 else "%1 %2 %3"),
            str(first), words[operation], str(second)),
        "remainder": lambda first, second: filled(
            tr("PracticeSession", "remainder of %1 %2 %3"), str(first), words[3], str(second)),
        "wrong": filled(tr("PracticeSession", "Wrong, the answer is %1"), "{0}"),
        "wrong_division": filled(tr("PracticeSession", "Wrong, the answer is %1 remainder %2"),
                                 "{0}", "{1}"),
        "right": tr("PracticeSession", "Right"),
        "next": tr("MainWindow", "Next Question"),
        "check": tr("MainWindow", "Check Answer"),
        "no_answer": tr("AnswerCheck", "You must supply an answer"),
        "no_selection": [tr("OptionMessages", "No selections made"),
                         tr("OptionMessages", "You must select at least 1 option to perform")],
    }


def locale_of(language):
    """A locale of the C library for the language of a translation file: the
    language's own country (de_DE), else the one Python's aliases give
    (he_IL), else the first the C library supports (ar_AE); None for English
    or when the library knows none."""
    if language == "en":
        return None
    try:
        with open("/usr/share/i18n/SUPPORTED") as supported:
            known = [line.split()[0] for line in supported if ".UTF-8 UTF-8" in line]
    except OSError:
        return None
    base = language.split("_")[0]
    alias = locale.normalize(language).split(".")[0]
    for name in (f"{language}.UTF-8", f"{base}_{base.upper()}.UTF-8", f"{alias}.UTF-8"):
        if name in known:
            return name
    return next((name for name in known if name.startswith(base + "_")), None)


def writing_system(language):
    """The script most letters of the language's translations are written
    in, by its Unicode name: LATIN, CYRILLIC, ARABIC, CJK, HIRAGANA, ..."""
    counts = {}
    path = os.path.join(TRANSLATIONS, f"tallyfox_{language}.ts")
    for message in ElementTree.parse(path).getroot().iter("message"):
        for letter in message.findtext("translation") or "":
            if letter.isalpha():
                script = unicodedata.name(letter, "UNKNOWN").split()[0]
                counts[script] = counts.get(script, 0) + 1
    return max(counts, key=counts.get) if counts else "LATIN"


def has_voice(language):
    """Whether espeak-ng has a voice for the language (zh_TW: zh-tw, zh)."""
    for name in (language.replace("_", "-").lower(), language.split("_")[0]):
        voices = subprocess.run(["espeak-ng", f"--voices={name}"], capture_output=True,
                                text=True).stdout.splitlines()
        if len(voices) > 1:
            return True
    return False


def rounds(every):
    """English first, then the translation files' languages: every one, or
    the first of each writing system that espeak-ng speaks."""
    languages = sorted(os.path.basename(path)[len("tallyfox_"):-len(".ts")]
                       for path in glob.glob(os.path.join(TRANSLATIONS, "tallyfox_*.ts")))
    chosen, systems = ["en"], set()
    for language in languages:
        system = writing_system(language)
        if every or (system not in systems and has_voice(language)):
            chosen.append(language)
            systems.add(system)
    return chosen


def in_digits_of(number, heard):
    """The number written in the digits of the number @heard (a text): the
    program writes numbers in the pupil's digits, Bengali or Persian say."""
    zero = next((ord(c) - unicodedata.digit(c) for c in heard if c.isdigit()), ord("0"))
    return "".join(chr(zero + int(c)) if c.isdigit() else c for c in str(number))


SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'\s*\{")


class Failure(Exception):
    pass


class Session:
    """The desktop, the screen reader and the program, and what was spoken."""

    def __init__(self, program, language, work):
        self.language = language
        self.texts = program_texts(language)
        self.work = work
        self.processes = []
        self.log_path = os.path.join(work, "orca.log")
        self.log_offset = 0
        self.transcript = []
        home = os.path.join(work, "home")
        runtime = os.path.join(work, "run")
        for folder in (home, runtime):
            os.makedirs(folder, exist_ok=True)
        os.chmod(runtime, 0o700)
        env = dict(os.environ)
        for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_ACCESSIBILITY",
                     "QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "LANGUAGE", "LC_ALL"):
            env.pop(name, None)
        env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_DATA_HOME=os.path.join(home, ".local/share"),
                   XDG_CACHE_HOME=os.path.join(home, ".cache"), XDG_RUNTIME_DIR=runtime)
        # The desktop in the pupil's language where the machine has it
        # (Orca's own words follow it), else in English.
        name = locale_of(language)
        available = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout
        if not name or name.lower().replace("utf-8", "utf8") not in available.lower().split():
            name = "C.UTF-8"
        env.update(LANG=name, LC_ALL=name, LANGUAGE=language)
        self.env = env
        self._write_speech_settings()

    def _write_speech_settings(self):
        # The machine may have no sound card: speech goes to ALSA's null device.
        folder = os.path.join(self.env["XDG_CONFIG_HOME"], "speech-dispatcher")
        os.makedirs(folder, exist_ok=True)
        with open("/etc/speech-dispatcher/speechd.conf") as system:
            settings = system.read()
        with open(os.path.join(folder, "speechd.conf"), "w") as own:
            own.write(settings + '\nAudioOutputMethod "alsa"\nAudioALSADevice "null"\n'
                      'DefaultModule espeak-ng\n')

    def start(self, name, command, wait=0.0):
        log = open(os.path.join(self.work, name + ".out"), "w")
        process = subprocess.Popen(command, env=self.env, stdout=log, stderr=subprocess.STDOUT,
                                   stdin=subprocess.DEVNULL)
        self.processes.append((name, process))
        time.sleep(wait)
        if process.poll() is not None:
            raise Failure(f"{name} ended at once ({process.returncode}); see {log.name}")
        return process

    def start_desktop(self, program):
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                                 "1280x800x24", "-nolisten", "tcp"], pass_fds=(write_end,),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(("Xvfb", xvfb))
        os.close(write_end)
        with os.fdopen(read_end) as display:
            number = display.readline().strip()
        if not number:
            raise Failure("Xvfb did not start")
        self.env["DISPLAY"] = ":" + number
        launcher = next((p for p in ("/usr/libexec/at-spi-bus-launcher",
                                     "/usr/lib/at-spi2-core/at-spi-bus-launcher")
                         if os.path.exists(p)), None)
        if launcher is None:
            raise Failure("no at-spi-bus-launcher")
        self.start("at-spi-bus-launcher", [launcher, "--launch-immediately"], 1.0)
        self.start("openbox", ["openbox"], 0.5)
        self.start_orca()
        self.wait_for(lambda line: "SPEECH OUTPUT" in line, 30,
                      "Orca to start speaking")
        self.start("tallyfox", [program], 0)
        self.settle(minimum=2.0, quiet=2.0, longest=30)

    def start_orca(self):
        # Orca writes its debug log through a buffered file, which holds the
        # last utterances back; on a terminal it writes every line at once.
        # So the log goes to a pseudo-terminal, copied into the log file.
        main, secondary = pty.openpty()
        tty.setraw(secondary)
        # "orca --replace" kills every other Orca of the same user, and Orca
        # without it refuses to start beside one: in a process namespace of
        # its own it sees none, so that several runs can go on at once.
        command = ["orca", "--replace", "--debug-file=/dev/stdout"]
        isolated = ["unshare", "--pid", "--fork", "--mount-proc", "--kill-child"]
        if subprocess.run(isolated + ["true"], stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL).returncode == 0:
            command = isolated + command
        process = subprocess.Popen(command,
                                   env=self.env, stdin=subprocess.DEVNULL, stdout=secondary,
                                   stderr=secondary)
        os.close(secondary)
        self.processes.append(("orca", process))

        def copy():
            with open(self.log_path, "wb") as log:
                while True:
                    try:
                        data = os.read(main, 65536)
                    except OSError:
                        break
                    if not data:
                        break
                    log.write(data)
                    log.flush()

        threading.Thread(target=copy, daemon=True).start()

    def stop(self):
        for name, process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()

    def _new_lines(self):
        try:
            with open(self.log_path, encoding="utf-8", errors="replace") as log:
                log.seek(self.log_offset)
                text = log.read()
        except FileNotFoundError:
            return []
        cut = text.rfind("\n") + 1
        self.log_offset += len(text[:cut].encode("utf-8", errors="replace"))
        return text[:cut].splitlines()

    def wait_for(self, test, longest, what):
        end = time.monotonic() + longest
        while time.monotonic() < end:
            for line in self._new_lines():
                if test(line):
                    return
            time.sleep(0.2)
        raise Failure(f"timed out waiting for {what}")

    def settle(self, minimum=0.6, quiet=1.2, longest=12.0):
        """What Orca spoke from now until it has been quiet for a while."""
        spoken = []
        start = time.monotonic()
        last = start
        while True:
            now = time.monotonic()
            for line in self._new_lines():
                match = SPEECH.search(line)
                if match:
                    spoken.append(match.group(1).strip())
                    last = now
            if now - start >= minimum and now - last >= quiet:
                break
            if now - start >= longest:
                break
            time.sleep(0.1)
        return spoken

    def key(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "150", *keys], env=self.env, check=True)
        spoken = self.settle()
        self.transcript.append((" ".join(keys), spoken))
        return spoken

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "150", text], env=self.env, check=True)
        spoken = self.settle()
        self.transcript.append((f"type {text}", spoken))
        return spoken


def fail(session, what, spoken):
    raise Failure(f"{what}; Orca said: {spoken!r}")


def once(session, spoken, phrase, what):
    """The phrase is spoken exactly once, as a whole utterance or its start."""
    # Orca ends some utterances with a full stop of its own; a phrase may end
    # with the language's own full stop too.
    phrase = phrase.rstrip(".")
    hits = [s for s in spoken if s.rstrip(".").endswith(phrase) or s.startswith(phrase)]
    if len(hits) != 1:
        fail(session, f"{what}: expected '{phrase}' once", spoken)


def tab_to(session, name, limit=20):
    """Tabs until Orca names the control; returns what it said there."""
    for _ in range(limit):
        spoken = session.key("Tab")
        if any(s.startswith(name) for s in spoken):
            return spoken
    fail(session, f"Tab never reached '{name}'", [])


def hear_sum(session, spoken, operation):
    t = session.texts
    # The sum ends the utterance, after whatever Orca puts before it (the
    # field's name, or the role "notification" in Orca's language).
    pattern = re.compile(r"(?:^|\s)" + t["question"](operation) + r"\.?$")
    sums = [m for m in (pattern.search(s) for s in spoken) if m]
    if len(sums) != 1:
        fail(session, f"the new {t['operations'][operation]} sum not heard once", spoken)
    for verdict in (t["right"], t["wrong"].format("")):
        if any(verdict in s for s in spoken):
            fail(session, "a verdict heard with the new sum", spoken)
    session.digits = sums[0].group(1)  # numbers are told in these digits
    return int(sums[0].group(1)), int(sums[0].group(2))


def where_am_i(session, sum_text, what):
    """Orca's Where Am I (keypad Enter) tells the sum, once."""
    spoken = session.key("KP_Enter")
    once(session, spoken, sum_text, f"Where Am I in {what}")


def answer_of(operation, first, second):
    if operation == 0:
        return [first + second]
    if operation == 1:
        return [first - second]
    if operation == 2:
        return [first * second]
    return [first // second, first % second]


def round_of(session, operation, check_messages):
    """One question answered wrong, then one answered right."""
    t = session.texts
    for right in (False, True):
        if right:
            spoken = session.key("space")  # the focus stays on the button
        else:
            tab_to(session, t["next"])
            spoken = session.key("space")
        first, second = hear_sum(session, spoken, operation)
        if check_messages and not right:
            # The empty answer is refused with a message box.
            tab_to(session, t["check"])
            spoken = session.key("space")
            once(session, spoken, t["no_answer"], "the empty-answer message")
            spoken = session.key("Return")
            if any(t["no_answer"] in s for s in spoken):
                fail(session, "the message heard again after it closed", spoken)
        # The sum stays at hand: Where Am I tells it in the answer box (and
        # the remainder box) before and after typing.
        told = lambda n: in_digits_of(n, session.digits)  # noqa: E731
        where_am_i(session, t["sum"](operation, told(first), told(second)), "the answer box")
        expected = answer_of(operation, first, second)
        typed = list(expected) if right else [expected[0] + 1] + expected[1:]
        session.type(str(typed[0]))
        if operation == 3:
            session.key("Tab")
            where_am_i(session, t["remainder"](told(first), told(second)), "the remainder box")
            session.type(str(typed[1]))
        spoken = tab_to(session, t["check"])
        # No verdict is told before this sum is answered.
        for verdict in (t["right"], t["wrong"].format("")):
            if any(verdict in s for s in spoken):
                fail(session, "a verdict heard on Check Answer before answering", spoken)
        spoken = session.key("space")
        if right:
            verdict = t["right"]
        elif operation == 3:
            verdict = t["wrong_division"].format(*map(told, expected))
        else:
            verdict = t["wrong"].format(told(expected[0]))
        once(session, spoken, verdict, "the verdict")


def switch_to(session, old, new):
    """Unticks one operation and ticks another, from the keyboard."""
    t = session.texts
    tab_to(session, t["operations"][old])
    session.key("space")
    spoken = tab_to(session, t["operations"][new])
    session.key("space")
    spoken = session.key("Tab")
    once(session, spoken, t["largest"].format(t["operations"][new]),
         "the largest-number box by its operation")


def practise(session):
    t = session.texts
    round_of(session, 0, check_messages=True)
    if session.language != "en":
        return
    for operation in (1, 2, 3):
        switch_to(session, operation - 1, operation)
        round_of(session, operation, check_messages=False)
    # Nothing ticked: the message box says so.
    tab_to(session, t["operations"][3])
    session.key("space")
    tab_to(session, t["next"])
    spoken = session.key("space")
    for phrase in t["no_selection"]:
        if not any(phrase in s for s in spoken):
            fail(session, f"the no-selection message: '{phrase}' not heard", spoken)
    session.key("Return")


def main():
    if sys.argv[1] == "--locale-of":
        print(locale_of(sys.argv[2]) or "")
        return 0
    if sys.argv[1] == "--rounds":
        print(" ".join(rounds(sys.argv[2:] == ["all"])))
        return 0
    program, language, work = sys.argv[1:4]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    session = Session(os.path.abspath(program), language, work)
    status = 0
    try:
        session.start_desktop(program)
        practise(session)
    except (Failure, subprocess.CalledProcessError) as error:
        print(f"screen reader ({language}): FAILED: {error}")
        status = 1
    finally:
        session.stop()
        with open(os.path.join(work, "transcript.txt"), "w") as out:
            for keys, spoken in session.transcript:
                out.write(f"{keys:>12} -> {' | '.join(spoken)}\n")
        print(f"---- what Orca said ({language}), key by key")
        for keys, spoken in session.transcript:
            print(f"{keys:>12} -> {' | '.join(spoken)}")
    if status == 0:
        print(f"screen reader ({language}): every sum, verdict and message heard")
    return status


if __name__ == "__main__":
    sys.exit(main())
