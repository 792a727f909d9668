"""Prints what ffprobe, mediainfo and mutagen say of each audio file given,
one "name key=value" line per value, for the tool checks to compare."""
import json
import os
import subprocess
import sys

import mutagen


def out(name, key, value):
    if value is not None and value != "":
        print(f"{name} {key}={value}")


for path in sys.argv[1:]:
    name = os.path.basename(path)
    probe = json.loads(subprocess.run(
        ["ffprobe", "-v", "error", "-show_format", "-show_streams", "-of", "json", path],
        capture_output=True, text=True, check=True).stdout)
    stream = next((s for s in probe.get("streams", []) if s.get("codec_type") == "audio"), {})
    out(name, "ffprobe_duration", probe.get("format", {}).get("duration"))
    out(name, "ffprobe_sample_rate", stream.get("sample_rate"))
    out(name, "ffprobe_channels", stream.get("channels"))
    out(name, "ffprobe_bit_rate", stream.get("bit_rate") or probe.get("format", {}).get("bit_rate"))
    out(name, "ffprobe_codec", stream.get("codec_name"))
    tags = {k.lower(): v for k, v in probe.get("format", {}).get("tags", {}).items()}
    for key in ("title", "artist", "album", "genre", "track", "disc"):
        out(name, "ffprobe_" + key, tags.get(key))
    # The first audio stream's own tags (Matroska's tags aimed at a track).
    stream_tags = {k.lower(): v for k, v in stream.get("tags", {}).items()}
    for key in ("title", "artist"):
        out(name, "ffprobe_stream_" + key, stream_tags.get(key))
    info = json.loads(subprocess.run(["mediainfo", "--Output=JSON", path], capture_output=True, text=True,
                                     check=True).stdout)
    for track in info.get("media", {}).get("track", []):
        if track.get("@type") == "General":
            out(name, "mediainfo_title", track.get("Title"))
            out(name, "mediainfo_album", track.get("Album"))
            out(name, "mediainfo_artist", track.get("Performer"))
        if track.get("@type") == "Audio":
            out(name, "mediainfo_duration", track.get("Duration"))
            out(name, "mediainfo_sample_rate", track.get("SamplingRate"))
            out(name, "mediainfo_channels", track.get("Channels"))
            break
    try:
        f = mutagen.File(path, easy=True)
    except Exception:  # mutagen fails on some valid files (WavPack at rates of its own)
        f = None
    if f is not None:
        out(name, "mutagen_length", getattr(f.info, "length", None))
        out(name, "mutagen_sample_rate", getattr(f.info, "sample_rate", None))
        out(name, "mutagen_channels", getattr(f.info, "channels", None))
        for key in ("title", "artist", "album", "genre", "tracknumber"):
            values = f.get(key) if f.tags is not None else None
            if values:
                out(name, "mutagen_" + key, str(values[0]).replace("\n", " "))
