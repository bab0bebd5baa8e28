# SPDX-FileCopyrightText: 2026 The Korvane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What a student hears, and when: the measuring side of tools/orca-transcript.

A private PulseAudio server with two null sinks, "sounds" for the program's own tones and clicks
and "speech" for the screen reader's voice, each recorded from its monitor with the steady clock
of every block, so that a sample's moment is known to a millisecond or two. The screen reader
speaks through speech-dispatcher's generic output module into a small script that notes the
text and the moment it was handed over, then has espeak-ng speak it into the "speech" sink, as
long as espeak-ng takes, cut off when the reader cancels it. What was heard is what the
recordings hold: an utterance is heard from the first sound after it was handed over to its
last sound before the next one began.

The "ears" turn the recordings into what a student perceives, as it happens: tones (which
crossing tone, by its pitch; a plate), drift clicks (falling or rising) and the hum of a drop
held still; and whole utterances with their words.
"""

import ctypes
import os
import subprocess
import threading
import time

import numpy as np

RATE = 48000
BLOCK = 240  # 5 ms: the recorders' block, and the ears' step

# The program's tones (sound/tones.cpp and sound/mixer.h): line n sounds a whole tone below
# line n - 1, from C6 for line 0.1; a plate two low tones; drift clicks at 300 Hz falling and
# 2400 Hz rising; the hum of a drop held still at 110 Hz.
LINE_PITCHES = {n: 1046.5 * 2 ** (-2 * (n - 1) / 12) for n in range(1, 10)}
PLATE_PITCH = 220.0
FALLING_CLICK = 300.0
RISING_CLICK = 2400.0
HUM_PITCH = 110.0


class _SampleSpec(ctypes.Structure):
    _fields_ = [("format", ctypes.c_int), ("rate", ctypes.c_uint32), ("channels", ctypes.c_uint8)]


class _BufferAttr(ctypes.Structure):
    _fields_ = [(name, ctypes.c_uint32)
                for name in ("maxlength", "tlength", "prebuf", "minreq", "fragsize")]


_simple = None


def _libpulse_simple():
    global _simple
    if _simple is None:
        lib = ctypes.CDLL("libpulse-simple.so.0")
        lib.pa_simple_new.restype = ctypes.c_void_p
        lib.pa_simple_new.argtypes = [
            ctypes.c_char_p, ctypes.c_char_p, ctypes.c_int, ctypes.c_char_p, ctypes.c_char_p,
            ctypes.POINTER(_SampleSpec), ctypes.c_void_p, ctypes.POINTER(_BufferAttr),
            ctypes.POINTER(ctypes.c_int)]
        lib.pa_simple_read.argtypes = [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_size_t,
                                       ctypes.POINTER(ctypes.c_int)]
        lib.pa_simple_get_latency.restype = ctypes.c_uint64
        lib.pa_simple_get_latency.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int)]
        lib.pa_simple_free.argtypes = [ctypes.c_void_p]
        _simple = lib
    return _simple


class SoundServer:
    """A PulseAudio server of our own in `home`, with the null sinks "sounds" and "speech"."""

    def __init__(self, home):
        self.dir = os.path.join(home, "pulse")
        os.makedirs(self.dir, mode=0o700, exist_ok=True)
        self.socket = os.path.join(self.dir, "native")
        script = os.path.join(self.dir, "default.pa")
        with open(script, "w") as out:
            out.write("load-module module-native-protocol-unix auth-anonymous=1 socket=%s\n"
                      "load-module module-null-sink sink_name=sounds rate=%d\n"
                      "load-module module-null-sink sink_name=speech rate=%d\n"
                      "set-default-sink speech\n" % (self.socket, RATE, RATE))
        env = dict(os.environ, HOME=self.dir, XDG_RUNTIME_DIR=self.dir)
        env.pop("PULSE_SERVER", None)
        self.process = subprocess.Popen(
            ["pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit", "-n",
             "-F", script, "--log-target=file:" + os.path.join(self.dir, "log")],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(100):
            if os.path.exists(self.socket):
                break
            time.sleep(0.05)
        else:
            raise RuntimeError("PulseAudio did not start")
        self.address = "unix:" + self.socket

    def close(self):
        self.process.terminate()
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            self.process.kill()


class Recorder(threading.Thread):
    """Records a source at 48 kHz, mono, noting the steady clock of each 5 ms block."""

    def __init__(self, server, source):
        super().__init__(daemon=True)
        lib = _libpulse_simple()
        os.environ["PULSE_SERVER"] = server.address
        sample_format = _SampleSpec(3, RATE, 1)  # PA_SAMPLE_S16LE
        attr = _BufferAttr(0xffffffff, 0xffffffff, 0xffffffff, 0xffffffff, BLOCK * 2)
        error = ctypes.c_int()
        self.handle = lib.pa_simple_new(None, b"orca-transcript", 2, source.encode(), b"ear",
                                        ctypes.byref(sample_format), None, ctypes.byref(attr),
                                        ctypes.byref(error))
        if not self.handle:
            raise RuntimeError("cannot record %s (error %d)" % (source, error.value))
        self.blocks = []
        self.ends = []  # steady clock [ns] of the moment after each block's last sample
        self.lock = threading.Lock()
        self.running = True

    def run(self):
        lib = _libpulse_simple()
        buffer = ctypes.create_string_buffer(BLOCK * 2)
        error = ctypes.c_int()
        while self.running:
            if lib.pa_simple_read(self.handle, buffer, BLOCK * 2, ctypes.byref(error)) < 0:
                break
            now = time.monotonic_ns()
            latency = lib.pa_simple_get_latency(self.handle, ctypes.byref(error))
            block = np.frombuffer(buffer.raw, dtype=np.int16).copy()
            with self.lock:
                self.blocks.append(block)
                self.ends.append(now - latency * 1000)

    def stop(self):
        self.running = False
        self.join(2)

    def count(self):
        with self.lock:
            return len(self.blocks) * BLOCK

    def samples(self, start=0, end=None):
        with self.lock:
            blocks = list(self.blocks)
        if not blocks:
            return np.zeros(0, dtype=np.int16)
        first = start // BLOCK
        whole = np.concatenate(blocks[first:]) if first < len(blocks) else np.zeros(0, np.int16)
        offset = start - first * BLOCK
        stop = None if end is None else end - first * BLOCK
        return whole[offset:stop]

    def moment(self, index):
        """The steady clock [ns] at which sample `index` sounded."""
        with self.lock:
            ends = self.ends[max(0, index // BLOCK - 40):index // BLOCK + 40]
            first = max(0, index // BLOCK - 40)
        if not ends:
            return 0.0
        # Each block's own stamp jitters by the reading thread's wake-up; the block's offset
        # from a clock that runs at the sample rate is steady, so the median of its neighbours'
        # offsets gives it.
        blocks = np.arange(first, first + len(ends))
        offsets = np.array(ends, dtype=np.float64) - (blocks + 1) * BLOCK * 1e9 / RATE
        return float(np.median(offsets)) + index * 1e9 / RATE

    def write_wav(self, path, start=0, end=None):
        import wave
        data = self.samples(start, end)
        with wave.open(path, "wb") as out:
            out.setnchannels(1)
            out.setsampwidth(2)
            out.setframerate(RATE)
            out.writeframes(data.tobytes())


def _magnitudes(window, pitches):
    """The amplitude of each pitch in the window, by a single-bin Fourier sum."""
    t = np.arange(len(window)) / RATE
    hann = np.hanning(len(window))
    x = window.astype(np.float64) * hann
    return {p: abs(np.dot(x, np.exp(-2j * np.pi * p * t))) * 2 / hann.sum() for p in pitches}


class ToneEar:
    """Hears the program's own sounds as a student does: each tone or click as it starts."""

    ONSET = 1500  # sample value that stands out of silence
    QUIET = 0.012  # seconds of near silence before a new sound

    def __init__(self, recorder):
        self.recorder = recorder
        self.cursor = 0
        self.quiet_since = 0
        self.pending = []  # onsets waiting for the samples that tell what they are
        self.heard = []  # (moment ns, kind, value): ("line", n), ("plate", 0), ("click", +1/-1)

    def listen(self):
        """Takes in what was recorded since the last call; returns what was newly heard."""
        available = self.recorder.count()
        if available > self.cursor:
            data = np.abs(self.recorder.samples(self.cursor, available).astype(np.int32))
            loud = np.nonzero(data > self.ONSET)[0]
            previous = self.quiet_since
            for i in loud:
                index = self.cursor + int(i)
                if index - previous > self.QUIET * RATE:
                    self.pending.append(index)
                previous = index
            self.quiet_since = previous
            self.cursor = available
        new = []
        while self.pending and self.pending[0] + int(0.045 * RATE) <= available:
            onset = self.pending.pop(0)
            kind = self._classify(onset)
            if kind:
                event = (self.recorder.moment(onset),) + kind
                self.heard.append(event)
                new.append(event)
        return new

    def _classify(self, onset):
        window = self.recorder.samples(onset, onset + int(0.040 * RATE))
        short = window[:int(0.008 * RATE)]
        clicks = _magnitudes(short, [FALLING_CLICK, RISING_CLICK, 1000.0])
        tones = _magnitudes(window, list(LINE_PITCHES.values()) + [PLATE_PITCH])
        best = max(tones, key=tones.get)
        # A tone lasts: over 40 ms it outweighs a click's 8 ms at its own pitch.
        sustained = np.abs(window[int(0.020 * RATE):].astype(np.int32)).max() > self.ONSET
        if sustained and tones[best] > 0.3 * self.ONSET:
            if best == PLATE_PITCH:
                return ("plate", 0)
            return ("line", min(LINE_PITCHES, key=lambda n: abs(LINE_PITCHES[n] - best)))
        if clicks[RISING_CLICK] > clicks[FALLING_CLICK]:
            return ("click", -1)
        return ("click", +1)

    def hum(self, seconds=0.3):
        """Whether the last `seconds` hold the steady hum of a drop the field holds still."""
        end = self.recorder.count()
        window = self.recorder.samples(max(0, end - int(seconds * RATE)), end)
        if len(window) < RATE * seconds * 0.9:
            return False
        level = _magnitudes(window, [HUM_PITCH])[HUM_PITCH]
        return level > 800


class Voice:
    """speech-dispatcher set up in `home` to speak through espeak-ng into the "speech" sink
    and to note every utterance it is handed."""

    SCRIPT = """#!/bin/sh
# $1 the espeak-ng voice, $2 words a minute, $3 pitch; the text on standard input.
text=$(cat)
printf '%%s\\t%%s\\n' "$(date +%%s%%N)" "$text" >> "%(log)s"
espeak-ng -v "$1" -s "$2" -p "$3" --stdout -- "$text" |
    paplay --device=speech --latency-msec=20 /dev/stdin 2>/dev/null
# speech-dispatcher 0.12 takes a failed command for a broken synthesiser and ends the module, and
# every later utterance with it: what was heard is for the recording to say.
exit 0
"""

    # The generic module's settings: Orca's default rate (speech-dispatcher's 0) is espeak-ng's
    # normal 170 words a minute, as speech-dispatcher's own espeak-ng module has it. Orca 48
    # asks for the language of the C locale, "c", which is English.
    MODULE = """Debug 0
GenericExecuteSynth "printf %%s \\'$DATA\\' | %(script)s $LANGUAGE $RATE $PITCH"
GenericCmdDependency "espeak-ng"
GenericPunctNone ""
GenericPunctSome ""
GenericPunctMost ""
GenericPunctAll ""
GenericRateAdd 170
GenericRateMultiply 1.4
GenericRateForceInteger 1
GenericPitchAdd 50
GenericPitchMultiply 0.5
GenericPitchForceInteger 1
GenericLanguage "en" "en" "utf-8"
GenericLanguage "c" "en" "utf-8"
GenericLanguage "en-us" "en-us" "utf-8"
GenericLanguage "en-gb" "en-gb" "utf-8"
GenericLanguage "de" "de" "utf-8"
GenericLanguage "es" "es" "utf-8"
GenericLanguage "fr" "fr" "utf-8"
GenericLanguage "pt" "pt-br" "utf-8"
GenericLanguage "pt-br" "pt-br" "utf-8"
AddVoice "en" "MALE1" "en"
AddVoice "de" "MALE1" "de"
AddVoice "es" "MALE1" "es"
AddVoice "fr" "MALE1" "fr"
AddVoice "pt" "MALE1" "pt-br"
DefaultVoice "en"
"""

    CONF = """AddModule "heard" "sd_generic" "heard.conf"
DefaultModule heard
DefaultLanguage "%(language)s"
AudioOutputMethod "pulse"
LogLevel 3
LogDir "%(dir)s"
Include "clients/*.conf"
"""

    def __init__(self, home, language):
        config = os.path.join(home, "config", "speech-dispatcher")
        os.makedirs(os.path.join(config, "modules"), exist_ok=True)
        self.log = os.path.join(home, "utterances")
        open(self.log, "w").close()
        script = os.path.join(home, "utter")
        with open(script, "w") as out:
            out.write(self.SCRIPT % {"log": self.log})
        os.chmod(script, 0o755)
        with open(os.path.join(config, "modules", "heard.conf"), "w") as out:
            out.write(self.MODULE % {"script": script})
        with open(os.path.join(config, "speechd.conf"), "w") as out:
            out.write(self.CONF % {"language": language, "dir": home})
        # The realtime clock of the script's notes, taken to the steady clock.
        self.offset = time.time_ns() - time.monotonic_ns()

    def handed_over(self):
        """Every utterance handed over so far: (steady clock ns, text)."""
        said = []
        with open(self.log, encoding="utf-8", errors="replace") as log:
            for line in log:
                stamp, _, text = line.rstrip("\n").partition("\t")
                if stamp.isdigit():
                    said.append((int(stamp) - self.offset, text))
        return said


class SpeechEar:
    """Hears the reader's utterances: each from its first sound to its last, with its words."""

    LOUD = 400
    PAUSE = 0.25  # seconds of silence within one utterance, between words

    def __init__(self, recorder, voice):
        self.recorder = recorder
        self.voice = voice
        self.cursor = 0
        self.loud = []  # the moments of the 5 ms blocks that hold sound

    def _take_in(self):
        count = self.recorder.count() // BLOCK * BLOCK
        if count <= self.cursor:
            return
        data = np.abs(self.recorder.samples(self.cursor, count).astype(np.int32))
        blocks = data.reshape(-1, BLOCK).max(axis=1)
        for b in np.nonzero(blocks > self.LOUD)[0]:
            self.loud.append(self.recorder.moment(self.cursor + int(b) * BLOCK))
        self.cursor = count

    def utterances(self):
        """[(text, handed over ns, heard from ns or None, heard until ns or None)]: an
        utterance with no sound was cut off before it was heard."""
        said = self.voice.handed_over()
        self._take_in()
        moments = np.array(self.loud)
        result = []
        for i, (at, text) in enumerate(said):
            until = said[i + 1][0] if i + 1 < len(said) else float("inf")
            inside = moments[(moments >= at) & (moments < until)] if len(moments) else moments
            if len(inside) == 0:
                result.append((text, at, None, None))
                continue
            # The utterance ends at the first long pause: what follows it belongs to no one.
            end = inside[0]
            for moment in inside[1:]:
                if moment - end > self.PAUSE * 1e9:
                    break
                end = moment
            result.append((text, at, float(inside[0]), float(end) + BLOCK * 1e9 / RATE))
        return result
