#!/usr/bin/env python3
"""Synthesises sounds described as text into WAVE files and an .rc fragment.

A sound file names its resource, then lists the parts that are mixed:

    wave 196 teleport            the resource id and a name
    level 0.7                    peak of the finished mix, 0 to 1 (default 0.8)
    length 0.65                  seconds; without it, the end of the last part
    tone at=0 len=0.65 freq=A3 to=A6 shape=triangle vol=1 attack=0.02 release=0.1
    noise at=0 len=0.2 vol=0.5 cutoff=600 to=100 decay=0.05
    melody at=0 beat=0.15 shape=square vol=0.6 : C5 E5 G5 C6:3 - G5:2

tone     a note: freq (Hz or a note name such as A4, F#3, Bb5), gliding to
         `to`; shape sine, triangle, square or saw; vibrato in semitones at
         `rate` Hz.
noise    a noise burst, low-passed at `cutoff` Hz (gliding to `to`).
melody   notes one after another, each `beat` seconds long; NAME:N lasts N
         beats, "-" is a rest. Every other setting applies to each note.
Envelope of every part: linear `attack` and `release` (seconds), and an
exponential `decay` (the time to fall to about a third; none by default).
Output: RIFF PCM, mono, 22050 Hz, 8-bit unsigned. Lines starting with "#"
are comments.
"""
import argparse
import math
import os
import random
import struct
import sys

RATE = 22050
NOTES = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
SHAPES = ("sine", "triangle", "square", "saw")


class SoundError(Exception):
    pass


def note_frequency(text):
    """A frequency in Hz, or a note name (A4 = 440 Hz) read as one."""
    try:
        return float(text)
    except ValueError:
        pass
    name, rest = text[:1].upper(), text[1:]
    if name not in NOTES or not rest:
        raise SoundError("bad frequency %r" % text)
    semitone = NOTES[name]
    if rest[0] in "#b":
        semitone += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    if not rest.lstrip("-").isdigit():
        raise SoundError("bad frequency %r" % text)
    semitone += 12 * (int(rest) - 4)
    return 440.0 * 2 ** (semitone / 12)


class Part:
    DEFAULTS = {"at": 0.0, "vol": 1.0, "attack": 0.005, "release": 0.02, "decay": 0.0,
                "shape": "sine", "vibrato": 0.0, "rate": 6.0, "cutoff": 0.0}

    def __init__(self, kind, settings):
        self.kind = kind
        values = dict(self.DEFAULTS)
        values.update(settings)
        self.shape = values.pop("shape")
        if self.shape not in SHAPES:
            raise SoundError("unknown shape %r" % self.shape)
        for key in ("freq", "to"):
            if key in values:
                values[key] = note_frequency(values[key])
        try:
            for key, value in values.items():
                setattr(self, key, float(value))
        except ValueError:
            raise SoundError("%s=%s is not a number" % (key, value))
        if not hasattr(self, "len") or self.len <= 0:
            raise SoundError("%s needs len= above 0" % kind)
        if kind == "tone" and not hasattr(self, "freq"):
            raise SoundError("tone needs freq=")

    @property
    def end(self):
        return self.at + self.len

    def envelope(self, t):
        level = 1.0
        if self.attack > 0 and t < self.attack:
            level = t / self.attack
        if self.release > 0 and self.len - t < self.release:
            level = min(level, max(0.0, (self.len - t) / self.release))
        if self.decay > 0:
            level *= math.exp(-t / self.decay)
        return level

    def glide(self, start, t):
        """Exponential from start to `to` over the part, so it sounds even."""
        end = getattr(self, "to", start)
        return start * (end / start) ** (t / self.len)

    def render(self, seed):
        count = int(round(self.len * RATE))
        return self.tone(count) if self.kind == "tone" else self.noise(count, seed)

    def tone(self, count):
        out = []
        phase = 0.0
        for i in range(count):
            t = i / RATE
            f = self.glide(self.freq, t)
            if self.vibrato:
                f *= 2 ** (self.vibrato / 12 * math.sin(2 * math.pi * self.rate * t))
            out.append(self.vol * self.envelope(t) * wave(self.shape, phase, f))
            phase += 2 * math.pi * f / RATE
        return out

    def noise(self, count, seed):
        noise = random.Random(seed)
        low1 = low2 = 0.0
        out = []
        for i in range(count):
            t = i / RATE
            x = noise.uniform(-1, 1)
            if self.cutoff > 0:
                # Two one-pole low-passes: a soft roll-off, cheap enough for Python.
                a = 1 - math.exp(-2 * math.pi * self.glide(self.cutoff, t) / RATE)
                low1 += a * (x - low1)
                low2 += a * (low1 - low2)
                x = low2
            out.append(self.vol * self.envelope(t) * x)
        return out


def wave(shape, phase, f):
    """One sample of a shape peaking near 1, built from harmonics below 9 kHz
    only, so that high notes do not alias into a whine."""
    if shape == "sine":
        return math.sin(phase)
    odd_only = shape != "saw"
    total = 0.0
    for k in range(1, 32, 2 if odd_only else 1):
        if k * f >= 9000:
            break
        if shape == "saw":
            total += math.sin(k * phase) / k * (2 / math.pi)
        elif shape == "square":
            total += math.sin(k * phase) / k * (4 / math.pi)
        else:
            total += (-1) ** (k // 2) * math.sin(k * phase) / (k * k) * (8 / math.pi ** 2)
    return total


class Sound:
    def __init__(self, resource, name):
        self.resource = resource
        self.name = name
        self.level = 0.8
        self.length = None
        self.parts = []

    def samples(self):
        """The mix as 8-bit unsigned samples, scaled so its peak is `level`."""
        length = self.length if self.length is not None else max(p.end for p in self.parts)
        mix = [0.0] * int(round(length * RATE))
        for number, part in enumerate(self.parts):
            start = int(round(part.at * RATE))
            for i, x in enumerate(part.render(self.resource * 1000 + number)):
                if start + i < len(mix):
                    mix[start + i] += x
        peak = max((abs(x) for x in mix), default=0.0)
        scale = self.level / peak if peak > 0 else 0.0
        return bytes(min(255, max(0, 128 + round(127 * x * scale))) for x in mix)


def parse(text, where="sound"):
    sound = None
    for number, line in enumerate(text.splitlines(), 1):
        words = line.split()
        if not words or words[0].startswith("#"):
            continue
        try:
            keyword = words[0]
            if keyword == "wave":
                if sound or len(words) != 3 or not words[1].isdigit():
                    raise SoundError("expected one line: wave ID name")
                sound = Sound(int(words[1]), words[2])
                continue
            if sound is None:
                raise SoundError("the file must start with: wave ID name")
            if keyword in ("level", "length") and len(words) == 2:
                setattr(sound, keyword, float(words[1]))
            elif keyword in ("tone", "noise"):
                sound.parts.append(Part(keyword, settings(words[1:])))
            elif keyword == "melody":
                sound.parts.extend(melody(words[1:]))
            else:
                raise SoundError("unknown line %r" % keyword)
        except (SoundError, ValueError) as e:
            raise SoundError("%s:%d: %s" % (where, number, e))
    if sound is None or not sound.parts:
        raise SoundError("%s: no wave line, or nothing to play" % where)
    if not 0 < sound.level <= 1:
        raise SoundError("%s: level must be above 0 and at most 1" % where)
    return sound


def settings(words):
    result = {}
    for word in words:
        key, equals, value = word.partition("=")
        if not equals or key not in Part.DEFAULTS and key not in ("len", "freq", "to", "beat"):
            raise SoundError("unknown setting %r" % word)
        result[key] = value
    return result


def melody(words):
    if ":" not in words:
        raise SoundError("melody needs ' : ' before its notes")
    split = words.index(":")
    common = settings(words[:split])
    beat = float(common.pop("beat", 0.2))
    at = float(common.pop("at", 0))
    parts = []
    for note in words[split + 1:]:
        name, _, beats = note.partition(":")
        length = beat * float(beats or 1)
        if name != "-":
            parts.append(Part("tone", dict(common, at=at, len=length, freq=name)))
        at += length
    return parts


def wav_bytes(samples):
    pad = b"\x80" if len(samples) % 2 else b""  # RIFF chunks keep an even size
    fmt = struct.pack("<HHIIHH", 1, 1, RATE, RATE, 1, 8)
    body = (b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
            + b"data" + struct.pack("<I", len(samples)) + samples + pad)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def file_name(sound):
    return "%d-%s.wav" % (sound.resource, sound.name)


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True, help="folder for the .wav files")
    parser.add_argument("--rc", required=True, help="name of the .rc fragment, in that folder")
    parser.add_argument("sounds", nargs="+")
    args = parser.parse_args(argv)
    sounds = []
    try:
        for path in args.sounds:
            with open(path, encoding="utf-8") as f:
                sounds.append(parse(f.read(), path))
    except (SoundError, OSError) as e:
        sys.exit("wavesynth: %s" % e)
    ids = [s.resource for s in sounds]
    if len(set(ids)) != len(ids):
        sys.exit("wavesynth: two sounds share an id")
    os.makedirs(args.out, exist_ok=True)
    lines = []
    for sound in sounds:
        with open(os.path.join(args.out, file_name(sound)), "wb") as f:
            f.write(wav_bytes(sound.samples()))
        lines.append('%d WAVE "%s"\n' % (sound.resource, file_name(sound)))
    # Written every time, so that what includes it is rebuilt with the new sounds.
    with open(os.path.join(args.out, args.rc), "w", newline="\n") as f:
        f.write("/* Generated by tools/wavesynth.py from resources/sounds. */\n")
        f.writelines(lines)


if __name__ == "__main__":
    main()
