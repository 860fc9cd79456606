#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the wave fixtures of the wave reader's tests. Needs sox and python3 (see
# scripts/install-tool-deps.sh); the tests themselves only read the committed files.
#   tone_*      a 440 Hz sine at half scale (stereo: 440 Hz left, 880 Hz right), no dither, in
#               each stored format the feedback sounds use
#   adpcm_*     the same tones in Microsoft ADPCM, and sox's own decode of each (*_sox.wav)
#   chunky_*    tone_u8_mono_11025.wav with foreign chunks around its fmt and data chunks
#   feedback_*  two feedback sounds as the program once shipped them, rendered phrases in 8-bit
#               PCM and in Microsoft ADPCM (kept as they are, not made here), and sox's own
#               decode of each (*_sox.wav)
set -euo pipefail
cd "$(dirname "$0")"

tone() { # out rate channels encoding bits seconds
    local out=$1 rate=$2 channels=$3 encoding=$4 bits=$5 seconds=$6
    local synth=(sine 440)
    [ "$channels" = 2 ] && synth=(sine 440 sine 880)
    sox -D -n -r "$rate" -c "$channels" -e "$encoding" -b "$bits" "$out" \
        synth "$seconds" "${synth[@]}" gain -6.0206
}

# 0.25 s at 11025 Hz is 2756.25 frames: sox writes 2756, an even-sized data chunk; the odd
# variant below drops one frame.
tone tone_u8_mono_11025.wav 11025 1 unsigned 8 0.25
tone tone_s16_mono_22050.wav 22050 1 signed 16 0.2
tone tone_s16_stereo_44100.wav 44100 2 signed 16 0.1
tone tone_u8_mono_8287.wav 8287 1 unsigned 8 0.3
tone adpcm_stereo_22050.wav 22050 2 ms-adpcm 4 0.3
tone adpcm_mono_11025.wav 11025 1 ms-adpcm 4 0.25
sox adpcm_stereo_22050.wav -e signed -b 16 adpcm_stereo_22050_sox.wav
sox adpcm_mono_11025.wav -e signed -b 16 adpcm_mono_11025_sox.wav
sox feedback_u8_mono_11025.wav -e signed -b 16 feedback_u8_mono_11025_sox.wav
sox feedback_adpcm_stereo_22050.wav -e signed -b 16 feedback_adpcm_stereo_22050_sox.wav

python3 - <<'EOF'
import struct

def chunks(path):
    data = open(path, 'rb').read()
    assert data[:4] == b'RIFF' and data[8:12] == b'WAVE'
    out, at = {}, 12
    while at + 8 <= len(data):
        cid, size = data[at:at + 4], struct.unpack('<I', data[at + 4:at + 8])[0]
        out[cid] = data[at + 8:at + 8 + size]
        at += 8 + size + (size & 1)
    return out

def chunk(cid, body):
    return cid + struct.pack('<I', len(body)) + body + (b'\0' if len(body) & 1 else b'')

def riff(*parts):
    body = b'WAVE' + b''.join(parts)
    return b'RIFF' + struct.pack('<I', len(body)) + body

plain = chunks('tone_u8_mono_11025.wav')
info = chunk(b'LIST', b'INFO' + chunk(b'ISFT', b'pulsadrome fixture\0'))
disp = chunk(b'DISP', b'\x01\0\0\0T')                      # 5 bytes, padded
fact = chunk(b'fact', struct.pack('<I', len(plain[b'data'])))
# Foreign chunks before fmt, between fmt and data, and after data.
open('chunky_u8_mono_11025.wav', 'wb').write(
    riff(info, chunk(b'fmt ', plain[b'fmt ']), disp, fact, chunk(b'data', plain[b'data']), info))
# An odd-sized data chunk: its pad byte must be skipped to find the chunk after it.
odd = plain[b'data'][:-1]
assert len(odd) & 1
open('chunky_odd_u8_mono_11025.wav', 'wb').write(
    riff(chunk(b'fmt ', plain[b'fmt ']), chunk(b'data', odd), disp, info))
EOF
ls -l ./*.wav
