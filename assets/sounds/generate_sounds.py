#!/usr/bin/env python3
"""Writes Tidecopy's own sound effects s0.wav..s3.wav into a folder.

  s0  a short click (a pane's drive icon)
  s1  two rising notes (a backup starts)
  s2  a bright three-note chord, broken (a backup finished)
  s3  two falling notes (a backup was cancelled)

16-bit mono PCM at 22,050 Hz; each note is a sine with a few soft harmonics and a
smooth attack and decay, so nothing clicks. The output is the same on every run.
"""
import math
import os
import struct
import sys
import wave

RATE = 22050
VOLUME = 0.35


def note(frequency, seconds, decay=6.0):
    count = int(RATE * seconds)
    attack = max(1, int(RATE * 0.008))
    samples = []
    for i in range(count):
        t = i / RATE
        envelope = min(1.0, i / attack) * math.exp(-decay * t)
        value = (math.sin(2 * math.pi * frequency * t)
                 + 0.3 * math.sin(4 * math.pi * frequency * t)
                 + 0.1 * math.sin(6 * math.pi * frequency * t))
        samples.append(value * envelope / 1.4)
    return samples


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def mix(*tracks):
    length = max(len(track) for track in tracks)
    return [sum(track[i] for track in tracks if i < len(track)) / len(tracks) for i in range(length)]


SOUNDS = {
    "s0.wav": lambda: note(1760, 0.04, decay=60.0),
    "s1.wav": lambda: note(523.25, 0.14) + note(783.99, 0.22),
    "s2.wav": lambda: mix(note(523.25, 0.6, 4.0),
                          silence(0.09) + note(659.25, 0.5, 4.0),
                          silence(0.18) + note(783.99, 0.45, 4.0)),
    "s3.wav": lambda: note(659.25, 0.14) + note(392.0, 0.3),
}


def write(path, samples):
    frames = b"".join(struct.pack("<h", int(max(-1.0, min(1.0, s * VOLUME)) * 32767)) for s in samples)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: generate_sounds.py OUTPUT_FOLDER")
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for name, make in SOUNDS.items():
        write(os.path.join(folder, name), make())


if __name__ == "__main__":
    main()
