#!/usr/bin/env python3
"""Writes the game's two sounds as small PCM WAVE files.

ok.wav is a short bright two-note chime, error.wav a short low buzz; both
16-bit mono at 22050 Hz.  The output is the same on every run, so the
committed files can be checked against it.

Usage: python3 make_sounds.py [output directory]   (default: this script's directory)
"""

import math
import pathlib
import struct
import sys
import wave

RATE = 22050
PEAK = 32767
# A click-free start and end.
RAMP_SECONDS = 0.004


def envelope(t, length, decay):
    """Exponential decay with short ramps at both ends."""
    ramp = min(1.0, t / RAMP_SECONDS, (length - t) / RAMP_SECONDS)
    return ramp * math.exp(-t * decay)


def chime_note(frequency, length, volume):
    samples = []
    for n in range(int(length * RATE)):
        t = n / RATE
        # A bell's bright, slightly inharmonic overtone over the note.
        tone = math.sin(2 * math.pi * frequency * t) + 0.35 * math.sin(2 * math.pi * frequency * 2.76 * t)
        samples.append(volume * envelope(t, length, 14.0) * tone / 1.35)
    return samples


def chime():
    return chime_note(1046.5, 0.09, 0.7) + chime_note(1568.0, 0.2, 0.7)


def buzz():
    length, frequency = 0.3, 110.0
    samples = []
    for n in range(int(length * RATE)):
        t = n / RATE
        # Odd harmonics only, limited well below the Nyquist frequency: a soft square wave.
        tone = sum(math.sin(2 * math.pi * frequency * k * t) / k for k in range(1, 30, 2))
        samples.append(0.8 * envelope(t, length, 3.0) * tone)
    return samples


def write(path, samples):
    frames = b"".join(struct.pack("<h", max(-PEAK, min(PEAK, round(s * PEAK)))) for s in samples)
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def main():
    directory = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent)
    write(directory / "ok.wav", chime())
    write(directory / "error.wav", buzz())


if __name__ == "__main__":
    main()
