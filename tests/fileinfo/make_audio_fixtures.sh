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

# MP3: an APE tag with a 1 MB cover behind a constant-rate file with its Info
# frame and behind one without, an ID3v1 tag without genre or track, a VBRI
# header in place of a Xing header, and ID3v2.4 frames with
# unsynchronisation, data length indicators and numeric genres.
head -c 1000000 /dev/urandom > cover.bin
lame --quiet -V 2 tone.wav vbri.mp3
cp cbr.mp3 cbr_ape.mp3
cp notag_noxing.mp3 notag_ape.mp3
cp notag_noxing.mp3 v1_only.mp3
id3v2 -1 -t "Only V1" v1_only.mp3
/usr/bin/python3 - <<'PY'
import struct
from mutagen.apev2 import APEv2, APEValue, BINARY
for name in ("cbr_ape.mp3", "notag_ape.mp3"):
    t = APEv2()
    t["Title"] = "Ape Title"
    t["Artist"] = "Ape Artist"
    t["Cover Art (Front)"] = APEValue(b"cover.jpg\0" + open("cover.bin", "rb").read(), BINARY)
    t.save(name)
v = bytearray(open("vbri.mp3", "rb").read())
assert v[36:40] == b"Xing"
frames = struct.unpack(">I", v[44:48])[0]
vbri = b"VBRI" + struct.pack(">HHHII", 1, 0, 75, len(v), frames) + struct.pack(">HHHH", 0, 1, 2, 1)
v[36:36 + len(vbri)] = vbri
open("vbri.mp3", "wb").write(bytes(v))
def synchsafe(n): return bytes([(n >> 21) & 0x7F, (n >> 14) & 0x7F, (n >> 7) & 0x7F, n & 0x7F])
def unsync(b):
    out = bytearray()
    for i, x in enumerate(b):
        out.append(x)
        if x == 0xFF and (i + 1 == len(b) or b[i + 1] == 0 or b[i + 1] >= 0xE0):
            out.append(0)
    return bytes(out)
def frame(fid, raw):
    payload = synchsafe(len(raw)) + unsync(raw)
    return fid + synchsafe(len(payload)) + b"\x00\x03" + payload
tag = (frame(b"TIT2", b"\x01" + "Ünsync ÿ title".encode("utf-16")) + frame(b"TPE1", b"\x03" + "Ärtist".encode())
       + frame(b"TCON", b"\x0017"))
open("id3v24_unsync.mp3", "wb").write(b"ID3\x04\x00\x00" + synchsafe(len(tag)) + tag + open("notag_noxing.mp3", "rb").read())
from mutagen.id3 import ID3, TIT2, TCON
cp = open("notag_noxing.mp3", "rb").read()
open("id3v24_genre.mp3", "wb").write(cp)
t = ID3()
t.add(TIT2(encoding=3, text="Bracketed genre"))
t.add(TCON(encoding=3, text="(17)"))
t.save("id3v24_genre.mp3", v2_version=4)
PY

# FLAC whose total samples need the 36th bit (5 days at 44.1 kHz; made from
# a short file by setting the total, as no encoder writes such a file fast).
flac --silent -f tone.wav -o long36.flac
/usr/bin/python3 - <<'PY'
b = bytearray(open("long36.flac", "rb").read())
total = (1 << 32) + 441000
b[8 + 13] = (b[8 + 13] & 0xF0) | (total >> 32)
b[8 + 14:8 + 18] = (total & 0xFFFFFFFF).to_bytes(4, "big")
open("long36.flac", "wb").write(bytes(b))
PY

# Ogg: FLAC under .ogg, two multiplexed audio streams, a chain of two files,
# Theora with Vorbis.
cp a.oga oggflac.ogg
oggenc --quiet -t "Link One" tone.wav -o chain_a.ogg
oggenc --quiet -t "Link Two" mono22.wav -o chain_b.ogg
cat chain_a.ogg chain_b.ogg > chained.ogg
ffmpeg -v error -y -i tone.wav -i mono22.wav -map 0 -map 1 -c:a libvorbis -metadata title="Muxed" muxed.ogg
ffmpeg -v error -y -f lavfi -i testsrc=size=160x120:rate=15 -i tone.wav -t 3 -c:v libtheora -c:a libvorbis av.ogg

# WavPack at 176.4 kHz and with six channels.
sox -q -n -r 176400 -c 2 -b 24 hi.wav synth 1 sine 440
wavpack -q -y hi.wav -o hi.wv
wavpack -q -y six.wav -o six.wv

# M4A: 96 kHz and mono AAC, 5.1 AAC, ALAC at 192 kHz, the audiobook brand and
# a fragmented file.
ffmpeg -v error -y -i tone.wav -c:a aac -ar 96000 aac96.m4a
ffmpeg -v error -y -i mono22.wav -c:a aac mono.m4a
ffmpeg -v error -y -i six.wav -c:a aac six.m4a
ffmpeg -v error -y -i hi.wav -ar 192000 -c:a alac alac192.m4a
ffmpeg -v error -y -i tone.wav -c:a aac -f ipod -brand "M4B " book.m4b
ffmpeg -v error -y -i tone.wav -c:a aac -movflags frag_keyframe+empty_moov frag.m4a

# WAVE written to a pipe (data size 0xFFFFFFFF), Matroska with the segment's
# title and with tags that name no target level, WMA with its track number.
ffmpeg -v error -i tone.wav -f wav - > piped.wav
cat > tags.xml <<'XML'
<?xml version="1.0"?>
<Tags><Tag><Targets></Targets><Simple><Name>TITLE</Name><String>Collection</String></Simple></Tag></Tags>
XML
mkvmerge -q -o tagged.mka --title "Segment Title" --global-tags tags.xml a.mka
ffmpeg -v error -y -i tone.wav -c:a wmav2 -metadata title="Tracked" -metadata track=5 track.wma

# Several tracks: Matroska with Vorbis at 48 kHz then FLAC at 22.05 kHz, each
# with an artist in a tag aimed at it (ffmpeg keeps a stream's title in the
# track's name) and ffmpeg's track number in a tag without Targets;
# an M4A with two sound tracks; H.265 with two sound tracks and subtitles.
sox -q -n -r 48000 -c 2 -b 16 st48.wav synth 3 sine 440 sine 550
ffmpeg -v error -y -i st48.wav -i mono22.wav -map 0 -map 1 -c:a:0 libvorbis -c:a:1 flac -metadata track=3 \
  -metadata:s:a:0 artist="First Artist" -metadata:s:a:1 artist="Second Artist" -metadata:s:a:1 genre=Second \
  multi.mka
ffmpeg -v error -y -i st48.wav -i mono22.wav -map 0 -map 1 -c:a aac multi.m4a
printf '1\n00:00:00,000 --> 00:00:01,000\nHello\n' > sub.srt
ffmpeg -v error -y -f lavfi -i testsrc=size=320x240:rate=25 -i st48.wav -i mono22.wav -i sub.srt \
  -map 0 -map 1 -map 2 -map 3 -t 3 -c:v libx265 -preset ultrafast -x265-params log-level=error \
  -c:a:0 libvorbis -c:a:1 flac -c:s srt multi.mkv

# Ogg FLAC of noise in blocks of 11025 samples: its last page starts more
# than 40,960 bytes before the end of the file.
sox -q -n -r 44100 -c 2 -b 16 noise.wav synth 10 whitenoise vol 0.5
flac --silent -f --ogg --lax -b 11025 noise.wav -o bigpages.oga

# FLAC whose comment block names more comments than it holds (5 s at 8 kHz).
sox -q -n -r 8000 -c 1 -b 16 mono8_5.wav synth 5 sine 440
flac --silent -f --tag=TITLE=Damaged --tag=ARTIST=Someone mono8_5.wav -o damaged.flac
# ID3v2 frames compressed with zlib: version 2.3 (flag c, the inflated size
# before the data) and 2.4 (flag k with the data length indicator).
/usr/bin/python3 - <<'PY'
import struct, zlib
b = bytearray(open("damaged.flac", "rb").read())
at = 4
while True:
    kind, length = b[at] & 0x7F, int.from_bytes(b[at + 1:at + 4], "big")
    if kind == 4:
        vendor = struct.unpack("<I", b[at + 4:at + 8])[0]
        b[at + 8 + vendor:at + 12 + vendor] = struct.pack("<I", 1000)
        break
    at += 4 + length
open("damaged.flac", "wb").write(bytes(b))
def synchsafe(n): return bytes([(n >> 21) & 0x7F, (n >> 14) & 0x7F, (n >> 7) & 0x7F, n & 0x7F])
audio = open("notag_noxing.mp3", "rb").read()
def text(s): return b"\x01" + s.encode("utf-16")
t23 = b""
for fid, s in ((b"TIT2", "Zipped title 2.3"), (b"TPE1", "Zipped artist")):
    raw = text(s)
    data = struct.pack(">I", len(raw)) + zlib.compress(raw)
    t23 += fid + struct.pack(">I", len(data)) + b"\x00\x80" + data
open("id3v23_zlib.mp3", "wb").write(b"ID3\x03\x00\x00" + synchsafe(len(t23)) + t23 + audio)
t24 = b""
for fid, s in ((b"TIT2", "Zipped title 2.4"), (b"TPE1", "Zipped artist")):
    raw = b"\x03" + s.encode()
    data = synchsafe(len(raw)) + zlib.compress(raw)
    t24 += fid + synchsafe(len(data)) + b"\x00\x09" + data
open("id3v24_zlib.mp3", "wb").write(b"ID3\x04\x00\x00" + synchsafe(len(t24)) + t24 + audio)
PY
