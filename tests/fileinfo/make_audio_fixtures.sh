#!/usr/bin/env bash
# Makes the audio fixtures of the tool checks in the folder given, with the
# Debian encoders: every format and variant the readers tell apart.
set -euo pipefail
out="$1"
cd "$out"
sox -q -n -r 44100 -c 2 -b 16 tone.wav synth 3 sine 440 sine 660
sox -q -n -r 22050 -c 1 -b 16 mono22.wav synth 2.5 sine 440
sox -q -n -r 16000 -c 1 -b 16 mono16.wav synth 2 sine 440
sox -q -n -r 48000 -c 6 -b 24 six.wav synth 2 sine 440
sox -q -n -r 44100 -c 2 -e floating-point -b 32 float.wav synth 1.5 sine 440

# MP3: constant rate with its Info frame, none at all, VBR with a Xing header,
# MPEG-2 and MPEG-2.5 layer III, layer II, joint stereo and mono.
lame --quiet -b 128 --tt "CBR Title" --ta "CBR Artist" --tl "Album" --ty 2001 --tn 3/12 --tg Rock tone.wav cbr.mp3
lame --quiet -b 128 -t tone.wav notag_noxing.mp3
lame --quiet -V 2 --tt "VBR Title" --ta "VBR Artist" tone.wav vbr.mp3
lame --quiet -b 64 -m m mono22.wav mpeg2.mp3
lame --quiet -b 32 --resample 11.025 -m m mono22.wav mpeg25.mp3
lame --quiet -b 128 -m j tone.wav joint.mp3
ffmpeg -v error -y -i tone.wav -c:a mp2 -b:a 192k layer2.mp2
# ID3 variants: version 2.3 with UTF-16 texts, 2.4 with UTF-8, 2.2, and an
# ID3v1.1 tag alone.
cp notag_noxing.mp3 id3v23.mp3
cp notag_noxing.mp3 id3v24.mp3
cp notag_noxing.mp3 id3v1.mp3
/usr/bin/python3 - <<'PY'
from mutagen.id3 import ID3, TIT2, TPE1, TALB, COMM, TRCK, TCON, TPOS
t = ID3()
t.add(TIT2(encoding=1, text="Tïtle 2.3"))
t.add(TPE1(encoding=1, text="Ärtist"))
t.add(TALB(encoding=0, text="Albüm"))
t.add(COMM(encoding=1, lang="eng", desc="", text="a comment"))
t.add(TRCK(encoding=0, text="5/9"))
t.add(TPOS(encoding=0, text="1/2"))
t.add(TCON(encoding=0, text="(17)"))
t.save("id3v23.mp3", v2_version=3)
t = ID3()
t.add(TIT2(encoding=3, text="Title 2.4 ✓"))
t.add(TPE1(encoding=3, text="Artist 2.4"))
t.save("id3v24.mp3", v2_version=4)
PY
id3v2 -1 -t "V1 Title" -a "V1 Artist" -T 7 -g 13 id3v1.mp3

# FLAC: with and without padding, with a picture, and in Ogg.
flac --silent -f --tag=ARTIST="Flac Artist" --tag=TITLE="Flac Title" --tag=TRACKNUMBER=4 tone.wav -o a.flac
flac --silent -f --padding=0 --tag=TITLE=nopad tone.wav -o nopad.flac
/usr/bin/python3 -c "
import zlib, struct
def chunk(t, d): return struct.pack('>I', len(d)) + t + d + struct.pack('>I', zlib.crc32(t + d))
png = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', 1, 1, 8, 2, 0, 0, 0)) + chunk(b'IDAT', zlib.compress(b'\0\0\0\0')) + chunk(b'IEND', b'')
open('cover.png', 'wb').write(png)"
flac --silent -f --picture=cover.png --tag=TITLE=pic tone.wav -o picture.flac
flac --silent -f --ogg --tag=TITLE=oggflac tone.wav -o a.oga

# Ogg Vorbis, Opus and Speex.
oggenc --quiet -t "Vorbis Title" -a "Vorbis Artist" -N 2 tone.wav -o a.ogg
opusenc --quiet --title "Opus Title" --artist "Opus Artist" tone.wav a.opus
speexenc --title "Speex Title" --author "Speex Artist" mono16.wav a.spx 2>/dev/null

# WavPack, WAV with INFO texts, float and extensible, M4A.
wavpack -q -y -w "Artist=WV Artist" -w "Title=WV Title" tone.wav -o a.wv
ffmpeg -v error -y -i tone.wav -metadata title="Info Title" -metadata artist="Info Artist" info.wav
ffmpeg -v error -y -i tone.wav -c:a wmav2 -b:a 128k -metadata title="WMA Title" -metadata artist="WMA Artist" a.wma
ffmpeg -v error -y -i tone.wav -c:a libvorbis -metadata title="MKA Title" -metadata artist="MKA Artist" a.mka
sox -q -n -r 8000 -c 1 -b 16 mono8.wav synth 3 sine 440
ffmpeg -v error -y -i mono8.wav -c:a real_144 -metadata title="RA Title" a.ra
ffmpeg -v error -y -i tone.wav -c:a aac -b:a 128k -metadata title="M4A Title" -metadata artist="M4A Artist" -metadata track=2 a.m4a
