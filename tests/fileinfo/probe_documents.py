"""Prints what pdfinfo says of each PDF given and what exiftool says of every
document given, one "name key=value" line per value, for the tool checks to
compare. Lists (the keywords of an OpenDocument file) are joined by ", "."""
import json
import os
import subprocess
import sys


def out(name, key, value):
    if isinstance(value, list):
        value = ", ".join(str(v) for v in value)
    if value is not None and value != "":
        print(f"{name} {key}={value}")


def run(args):
    return subprocess.run(args, capture_output=True, text=True, errors="replace")


for path in sys.argv[1:]:
    if not path.endswith(".pdf"):
        continue
    name = os.path.basename(path)
    r = run(["pdfinfo", "-isodates", path])
    out(name, "pdfinfo_ok", "1" if r.returncode == 0 else "0")
    for line in r.stdout.splitlines():
        key, _, value = line.partition(":")
        if key in ("Pages", "Title", "Author", "Subject", "Keywords", "CreationDate", "ModDate", "Producer", "Creator"):
            out(name, "pdfinfo_" + key, value.strip())
tags = ["Title", "Author", "Creator", "Initial-creator", "Keywords", "Keyword", "CreateDate", "ModifyDate"]
r = run(["exiftool", "-j", "-a", "-q", "-q"] + ["-" + t for t in tags] + sys.argv[1:])
for entry in json.loads(r.stdout or "[]"):
    name = os.path.basename(entry.get("SourceFile", ""))
    for t in tags:
        if t != "Keyword":
            out(name, "exiftool_" + t, entry.get(t))
# A tag that occurs several times (each keyword of an OpenDocument file) is
# one JSON key; the plain listing names every occurrence.
for path in sys.argv[1:]:
    keywords = run(["exiftool", "-a", "-s3", "-q", "-q", "-Keyword", path]).stdout.splitlines()
    out(os.path.basename(path), "exiftool_Keyword", [k for k in keywords if k])
