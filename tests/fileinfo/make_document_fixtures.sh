#!/usr/bin/env bash
# Makes the document fixtures of the tool checks in the folder given as the
# first argument: LibreOffice's texts and workbooks with their metadata,
# hand-written HTML, and PDFs written by hand and rewritten by qpdf (object
# streams, the four kinds of encryption, a password), some of them damaged.
set -euo pipefail
cd "$1"

cat > text.fodt <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:meta="urn:oasis:names:tc:opendocument:xmlns:meta:1.0" xmlns:dc="http://purl.org/dc/elements/1.1/" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.text">
<office:meta><meta:initial-creator>Ann Example</meta:initial-creator><dc:creator>Bob Editor</dc:creator><dc:title>Plans &amp; Notes</dc:title><dc:subject>Testing</dc:subject><meta:keyword>alpha</meta:keyword><meta:keyword>beta gamma</meta:keyword><meta:creation-date>2024-05-17T09:30:00</meta:creation-date><dc:date>2024-06-01T12:00:00</dc:date></office:meta>
<office:body><office:text><text:p>Hello there</text:p></office:text></office:body></office:document>
XML
cat > sheet.fods <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:meta="urn:oasis:names:tc:opendocument:xmlns:meta:1.0" xmlns:dc="http://purl.org/dc/elements/1.1/" xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
<office:meta><meta:initial-creator>Ann Example</meta:initial-creator><dc:creator>Bob Editor</dc:creator><dc:title>Budget &lt;2024&gt;</dc:title><meta:keyword>money</meta:keyword></office:meta>
<office:body><office:spreadsheet><table:table table:name="S"><table:table-row><table:table-cell><text:p>1</text:p></table:table-cell></table:table-row></table:table></office:spreadsheet></office:body></office:document>
XML
# A title outside the code page: LibreOffice's RTF wraps it in {\upr ...}.
cat > intl.fodt <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:meta="urn:oasis:names:tc:opendocument:xmlns:meta:1.0" xmlns:dc="http://purl.org/dc/elements/1.1/" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.text">
<office:meta><meta:initial-creator>Jörg Müller</meta:initial-creator><dc:creator>Jörg Müller</dc:creator><dc:title>Ärger → Привет</dc:title><dc:subject>Prüfung</dc:subject><dc:description>Beschreibung</dc:description><meta:keyword>Eins</meta:keyword><meta:creation-date>2024-05-17T09:30:00</meta:creation-date><dc:date>2024-06-01T12:00:00</dc:date></office:meta>
<office:body><office:text><text:p>Grüße</text:p></office:text></office:body></office:document>
XML
# One LibreOffice run per target format, with a profile of its own so that
# another LibreOffice running meanwhile does not hold its lock.
profile="file://$PWD/lo_profile"
lo() {
  timeout 300 soffice -env:UserInstallation="$profile" --headless --convert-to "$1" --outdir lo "${@:2}" \
    >/dev/null 2>&1 || true
}
lo odt text.fodt
lo docx text.fodt
lo rtf text.fodt intl.fodt
lo pdf text.fodt
lo ods sheet.fods
lo xlsx sheet.fods
for f in lo/*; do mv "$f" "l_${f##*/}"; done
rmdir lo
rm -rf text.fodt intl.fodt sheet.fods lo_profile

# HTML as people write it: upper-case names, attributes on lines of their
# own, a comment inside the title, references; and a page cut off.
printf '<!DOCTYPE html>\n<HTML LANG="fr">\n<HEAD>\n<!-- <title>Old</title> -->\n<TITLE>Caf&eacute;\n   <!-- draft --> R&eacute;sum&eacute; &amp; plan</TITLE>\n<META\n\tNAME="Author"\n\tCONTENT="Ren&eacute; &amp; Co">\n<META NAME="keywords" CONTENT="a, b">\n</HEAD>\n<BODY><P>one</P>two</BODY></HTML>\n' > h_upper.html
printf '<html><head><meta name="author" content="Ann"><title>Quarterly report' > h_cut.html
# Pages in windows-1252 (“Q” €), declared either way, with unquoted values.
printf '<html><head><meta charset="windows-1252"><title>\223Q\224 \200</title><meta name=author content=Bob></head></html>\n' \
  > h_cp1252.html
printf '<html><head><meta http-equiv="Content-Type" content="text/html; charset=windows-1252"><title>\223Q\224 \200</title><meta name=author content=Bob></head></html>\n' \
  > h_equiv.html

python3 - <<'PY'
def pdf(path, info, pages=2, startxref=None, table=True, trailer=True):
    objs = ["<< /Type /Catalog /Pages 2 0 R >>",
            "<< /Type /Pages /Kids [%s] /Count %d >>" % (" ".join("%d 0 R" % (3 + i) for i in range(pages)), pages)]
    objs += ["<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] >>"] * pages
    objs.append(info)
    out = b"%PDF-1.4\n%\xe2\xe3\xcf\xd3\n"
    offsets = []
    for n, body in enumerate(objs, 1):
        offsets.append(len(out))
        out += ("%d 0 obj\n%s\nendobj\n" % (n, body)).encode("latin-1")
    xref = len(out)
    if table:
        out += ("xref\n0 %d\n0000000000 65535 f \n" % (len(objs) + 1)).encode()
        for o in offsets:
            out += ("%010d 00000 n \n" % o).encode()
    if trailer:
        out += ("trailer\n<< /Size %d /Root 1 0 R /Info %d 0 R >>\n" % (len(objs) + 1, len(objs))).encode()
    out += ("startxref\n%d\n%%%%EOF\n" % (xref if startxref is None else startxref)).encode()
    open(path, "wb").write(out)

words = ("<< /Title (Mainstream Upstream Report) /Subject (ends at endobj, starts a stream) "
         "/Author (Ann \\(endobj\\) Example) /Keywords <656E646F626A> /Creator (Writer) /Producer (Fixture) "
         "/CreationDate (D:20240517093000+02'00') >>")
pdf("p_words.pdf", words)
pdf("p_badxref.pdf", words, startxref=99999)
pdf("p_notable.pdf", words, table=False)
pdf("p_baddate.pdf", "<< /Title (Dates) /CreationDate (D:20240230246161Z) /ModDate (D:20240229235959Z) >>")
PY
qpdf --object-streams=generate --min-version=1.5 p_words.pdf p_objstm.pdf
qpdf --allow-weak-crypto --object-streams=generate --encrypt "" owner 40 -- p_words.pdf p_rc4_40.pdf
qpdf --allow-weak-crypto --object-streams=generate --encrypt "" owner 128 --use-aes=n -- p_words.pdf p_rc4_128.pdf
qpdf --object-streams=generate --encrypt "" owner 128 --use-aes=y -- p_words.pdf p_aes_128.pdf
qpdf --object-streams=generate --encrypt "" owner 256 -- p_words.pdf p_aes_256.pdf
qpdf --object-streams=generate --encrypt "secret" owner 256 -- p_words.pdf p_locked.pdf
# A cross-reference stream whose startxref points nowhere.
python3 - <<'PY'
data = open("p_objstm.pdf", "rb").read()
at = data.rindex(b"startxref")
open("p_objstm_badxref.pdf", "wb").write(data[:at] + b"startxref\n12\n%%EOF\n")
PY
