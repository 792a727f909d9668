"""Prints what ffprobe and mediainfo say of each video file given, and what
pdfinfo says of each PDF, one "name key=value" line per value, for the tool
checks to compare."""
import json
import os
import subprocess
import sys


def out(name, key, value):
    if value is not None and value != "":
        print(f"{name} {key}={value}")


def run(args):
    return subprocess.run(args, capture_output=True, text=True, errors="replace").stdout


videos = [p for p in sys.argv[1:] if not p.endswith(".pdf")]
for path in videos:
    name = os.path.basename(path)
    probe = json.loads(run(["ffprobe", "-v", "error", "-show_format", "-show_streams", "-of", "json", path]) or "{}")
    stream = next((s for s in probe.get("streams", []) if s.get("codec_type") == "video"), {})
    out(name, "ffprobe_width", stream.get("width"))
    out(name, "ffprobe_height", stream.get("height"))
    rate = stream.get("r_frame_rate", "0/0").split("/")
    if len(rate) == 2 and rate[1] not in ("0", ""):
        out(name, "ffprobe_fps", float(rate[0]) / float(rate[1]))
    out(name, "ffprobe_duration", probe.get("format", {}).get("duration"))
# mediainfo reads all files in one run.
if videos:
    info = json.loads(run(["mediainfo", "--Output=JSON"] + videos) or "[]")
    for media in info if isinstance(info, list) else [info]:
        media = media.get("media", {})
        name = os.path.basename(media.get("@ref", ""))
        for track in media.get("track", []):
            if track.get("@type") == "General":
                out(name, "mediainfo_duration", track.get("Duration"))
            if track.get("@type") == "Video":
                out(name, "mediainfo_width", track.get("Width"))
                out(name, "mediainfo_height", track.get("Height"))
                out(name, "mediainfo_fps", track.get("FrameRate"))
                break
for path in sys.argv[1:]:
    if not path.endswith(".pdf"):
        continue
    name = os.path.basename(path)
    for line in run(["pdfinfo", "-isodates", path]).splitlines():
        key, _, value = line.partition(":")
        if key in ("Pages", "Title", "Author", "CreationDate", "ModDate", "Producer", "Creator"):
            out(name, "pdfinfo_" + key, value.strip())
