#!/usr/bin/env bash
# Makes the video and document fixtures of the tool checks in the folder given
# as the first argument, with the Debian tools only.
set -euo pipefail
cd "$1"
ff() { ffmpeg -v error -y "$@"; }
src=(-f lavfi -i testsrc=size=320x240:rate=25)
snd=(-f lavfi -i sine=frequency=440:sample_rate=44100)
ff "${src[@]}" "${snd[@]}" -t 4 -c:v mpeg4 -c:a mp2 v_avi.avi
ff -f lavfi -i testsrc=size=176x144:rate=30 -t 3 -c:v flv1 v_flv.flv
ff "${src[@]}" -t 3 -c:v mpeg1video -f mpeg v_mpeg1.mpg
ff -f lavfi -i testsrc=size=720x576:rate=25 "${snd[@]}" -t 3 -c:v mpeg2video -c:a mp2 -f vob v_mpeg2.mpg
ff -f lavfi -i testsrc=size=640x360:rate=24 -t 3 -c:v libvpx -b:v 200k v_webm.webm
ff -f lavfi -i testsrc=size=1280x720:rate=30 "${snd[@]}" -t 5 -c:v mpeg4 -c:a aac v_mkv.mkv
# Several tracks, written by mkvmerge; and one without a duration.
mkvmerge -q -o v_mkv_tracks.mkv v_mkv.mkv v_webm.webm >/dev/null
ff "${src[@]}" -t 2 -c:v mpeg4 -f matroska -live 1 pipe:1 > v_mkv_noduration.mkv
ff "${src[@]}" "${snd[@]}" -t 4 -c:v wmv2 -c:a wmav2 v_wmv.wmv
ff "${snd[@]}" -t 4 -c:a wmav2 v_wma.wmv
ff -f lavfi -i testsrc=size=480x270:rate=25 -t 4 -c:v mpeg4 v_mp4.mp4
ff "${src[@]}" -t 4 -c:v mpeg4 v_mov.mov
ff -f lavfi -i testsrc=size=320x240:rate=15 -t 4 -c:v libtheora v_ogv.ogv
# Theora beside a shorter Vorbis stream, and an MP4 in Adobe's brand.
ff -f lavfi -i testsrc=size=320x240:rate=15 -f lavfi -i sine=frequency=440:sample_rate=44100:duration=2 -t 4 \
  -c:v libtheora -c:a libvorbis v_av.ogv
ff -f lavfi -i testsrc=size=320x240:rate=25 -t 3 -c:v libx264 -preset ultrafast -f f4v v_f4v.f4v
# Matroska whose first track is audio, and H.265 with two sound tracks and
# subtitles. MP4 whose frame rate is the video track's own: with chapters,
# cut by an edit list, and Adobe's brand with a sound track beside.
ff "${src[@]}" "${snd[@]}" -map 1:a -map 0:v -t 3 -c:v mpeg4 -c:a libvorbis v_audiofirst.mkv
printf '1\n00:00:00,000 --> 00:00:01,000\nHello\n' > sub.srt
ff "${src[@]}" "${snd[@]}" -f lavfi -i sine=frequency=330:sample_rate=22050 -i sub.srt -map 0 -map 1 -map 2 -map 3 \
  -t 3 -c:v libx265 -preset ultrafast -x265-params log-level=error -c:a:0 libvorbis -c:a:1 flac -c:s srt v_hevc.mkv
printf ';FFMETADATA1\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=2000\ntitle=One\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=2000\nEND=4000\ntitle=Two\n' \
  > chapters.txt
ff "${src[@]}" -i chapters.txt -map 0 -map_chapters 1 -t 4 -c:v libx264 -preset ultrafast v_chapters.mp4
ff "${src[@]}" "${snd[@]}" -t 4 -c:v libx264 -preset medium -c:a aac v_av.mp4
ff -ss 0.5 -i v_av.mp4 -c copy v_cut.mp4
ff "${src[@]}" "${snd[@]}" -t 3 -c:v libx264 -preset ultrafast -c:a aac -f f4v v_f4v_av.f4v

# Documents: pandoc writes DOCX, ODT, EPUB, HTML and RTF with its metadata.
cat > doc.md <<'MD'
---
title: "Plans & Notes"
author: "Ann Example"
subject: "Testing"
description: "A fixture"
lang: de-DE
---

# Heading

Some words in a paragraph. Another sentence here.

Second paragraph with more words.
MD
for fmt in docx odt epub html rtf; do
  pandoc -s doc.md -o "d_pandoc.$fmt" 2>/dev/null
done
# LibreOffice writes the counts, generator and editing cycles. It runs with a
# profile of its own: a LibreOffice started elsewhere with the default profile
# (another test, the user's) would otherwise take the calls over or block them.
mkdir -p lo_profile
profile="file://$PWD/lo_profile"
lo() { HOME="$PWD/lo_profile" soffice -env:UserInstallation="$profile" --headless --convert-to "$1" --outdir lo "$2" \
  >/dev/null 2>&1 || true; }
lo docx d_pandoc.odt
lo odt d_pandoc.docx
lo rtf d_pandoc.odt
lo doc d_pandoc.odt
lo pdf d_pandoc.odt
rm -rf lo_profile
for f in lo/*; do mv "$f" "d_lo.${f##*.}"; done
rmdir lo

# PDFs: a classic table made by hand, then qpdf's variants of it.
python3 - <<'PY'
def pdf(path, title, author, pages, extra_info=""):
    objs = []
    kids = " ".join(f"{3 + i} 0 R" for i in range(pages))
    objs.append("<< /Type /Catalog /Pages 2 0 R >>")
    objs.append(f"<< /Type /Pages /Kids [{kids}] /Count {pages} >>")
    for i in range(pages):
        objs.append("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] >>")
    objs.append(f"<< /Title {title} /Author {author} /CreationDate (D:20240517093000+02'00') "
                f"/ModDate (D:20240601120000Z) /Creator (Maker \\(1\\)) /Producer (Fixture) {extra_info}>>")
    out = b"%PDF-1.4\n%\xe2\xe3\xcf\xd3\n"
    offsets = []
    for n, body in enumerate(objs, 1):
        offsets.append(len(out))
        out += f"{n} 0 obj\n{body}\nendobj\n".encode("latin-1")
    xref = len(out)
    out += f"xref\n0 {len(objs) + 1}\n0000000000 65535 f \n".encode()
    for o in offsets:
        out += f"{o:010d} 00000 n \n".encode()
    out += (f"trailer\n<< /Size {len(objs) + 1} /Root 1 0 R /Info {len(objs)} 0 R >>\n"
            f"startxref\n{xref}\n%%EOF\n").encode()
    open(path, "wb").write(out)
pdf("p_classic.pdf", "(Plan \\(draft\\) caf\\351)", "(Ann)", 3)
pdf("p_utf16.pdf", "<FEFF 004B 00F6 006C 006E 0020 20AC>", "(B\\224rge)", 12)
PY
qpdf --object-streams=generate --min-version=1.5 p_utf16.pdf p_objstm.pdf
qpdf --linearize p_classic.pdf p_linear.pdf
qpdf --encrypt "" owner 256 -- p_classic.pdf p_encrypted.pdf
