#!/usr/bin/env python3
"""Makes the program's two default shot sounds (22050 Hz, 16-bit mono wave files).

Airgun.wav, for a legal shot: a short, dry pop. Blurp.wav, for a shot at or over the legal
limit: a low, falling double blurp that cannot be mistaken for it. Run from the project root;
the files are committed, so this runs only when the sounds are to change.
"""
import math
import random
import struct
import wave

RATE = 22050


def write(name, samples):
    with wave.open(f"data/sounds/{name}", "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", int(max(-1, min(1, s)) * 30000)) for s in samples))


def airgun():
    rng = random.Random(307)
    length = int(0.30 * RATE)
    samples, low = [], 0.0
    for i in range(length):
        t = i / RATE
        low += 0.35 * (rng.uniform(-1, 1) - low)  # a darker noise
        thump = math.sin(2 * math.pi * 95 * t) * math.exp(-t * 30)
        samples.append((0.8 * low * math.exp(-t * 45) + 0.6 * thump) * min(1, i / 40))
    return samples


def blurp():
    samples, phase = [], 0.0
    for part, (start, end) in enumerate([(420, 260), (380, 180)]):
        length = int(0.18 * RATE)
        for i in range(length):
            t = i / length
            phase += 2 * math.pi * (start + (end - start) * t) / RATE
            tone = math.tanh(3 * math.sin(phase))  # a soft square, buzzing
            samples.append(0.55 * tone * math.sin(math.pi * t) ** 0.5)
        if part == 0:
            samples.extend([0.0] * int(0.04 * RATE))
    return samples


write("Airgun.wav", airgun())
write("Blurp.wav", blurp())
