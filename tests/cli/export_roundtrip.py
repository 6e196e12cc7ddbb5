#!/usr/bin/env python3
"""Reads an export of quillbox-cli back with Python's own mail and CSV readers.

Usage: export_roundtrip.py QUILLBOX_CLI
Builds a folder database of awkward messages, exports it to mbox and CSV, and checks that
every message comes back with the same address, date, folder and body (the detail pane's
text: header, CR LF, text), under both of the mail parser's policies.
"""
import csv, datetime, email, email.header, email.policy, email.utils, json, mailbox, os, subprocess, sys
import tempfile

cli = sys.argv[1]
work = tempfile.mkdtemp(prefix="quillbox-export-")

def record(**fields):
    whole = {"strName": "", "nReserved": 0, "strParentName": "", "nKind": 0, "nFolderId": 0,
             "nParentId": 0, "nCount": 0, "nMessageId": 0, "strText": "", "strDate": "",
             "strOrigin": "", "strTitle": "", "strHeader": "", "strAddress": ""}
    whole.update(fields)
    return whole

def folder(name, number, parent, parent_name):
    return record(strName=name, strParentName=parent_name, nFolderId=number, nParentId=parent)

def message(number, f, address, header, text, date):
    return record(strName=f["strName"], strParentName=f["strParentName"], nKind=1,
                  nFolderId=f["nFolderId"], nParentId=f["nParentId"], nMessageId=number,
                  strAddress=address, strHeader=header, strText=text, strDate=date)

top = folder("Folders", 20, -2, "LocalFolder")
work_folder = folder("Wörk", 21, 20, "Folders(0)")
texts = [
    ("5551234", "From 5551234", "Hello\r\nFrom the desk\r\n>From quoted\n>>From twice\rlone CR", "2024-03-09 07:05"),
    ("Müller, \"J\" <m@x>", "", "", "2000-02-29 23:59"),
    ("0049 30 1234", "Tab\there", "ÿ\x00\x01 =3D = " + "long " * 60 + "\r\n\r\n", "1999-12-31 00:00"),
    ("", "h", "=?utf-8?q?x?= F" + "x" * 200 + "\nFrom ", "0000-00-00 00:00"),
    ("5", "ÀÞ×", "x" * 74 + "é" + "y" * 90 + " \r\n", "2024-13-01 00:00"),
]
records = [top, work_folder]
for i, (address, header, text, date) in enumerate(texts):
    records.append(message(100 + i, work_folder if i % 2 else top, address, header, text, date))
with open(os.path.join(work, "awkward.json"), "w", encoding="utf-8") as f:
    json.dump({"header": 20, "records": records}, f)

def run(*args):
    subprocess.run([cli, "folderdb", *args], check=True, stdout=subprocess.DEVNULL)

db = os.path.join(work, "awkward.psf")
run("build", os.path.join(work, "awkward.json"), db)
run("export", db, os.path.join(work, "out.mbox"), "--format", "mbox")
run("export", db, os.path.join(work, "out.csv"), "--format", "csv", "--raw")
run("export", db, os.path.join(work, "guarded.csv"), "--format", "csv")

def path_of(m):
    return "LocalFolder/Folders" + ("/Wörk" if m["nFolderId"] == 21 else "")

def expected_date(text):
    try:
        return datetime.datetime.strptime(text, "%Y-%m-%d %H:%M")
    except ValueError:
        return None

def decoded(value):
    # The default policy hands out headers decoded already; the old one as they stand.
    if isinstance(value, str) and not hasattr(value, "defects"):
        return str(email.header.make_header(email.header.decode_header(value)))
    return str(value)

def address(header):
    # The default policy reads From as an address list: the address is its one mailbox.
    if not hasattr(header, "addresses"):
        return decoded(header)
    found = header.addresses
    if not found:
        return str(header)
    a = found[0]
    return a.display_name or (a.username + ("@" + a.domain if a.domain else ""))

messages = [r for r in records if r["nKind"] == 1]
failures = []
def check(what, got, want):
    if got != want:
        failures.append(f"{what}: {got!r} != {want!r}")

for policy in (email.policy.compat32, email.policy.default):
    box = mailbox.mbox(os.path.join(work, "out.mbox"),
                       factory=lambda f: email.message_from_binary_file(f, policy=policy))
    read = list(box)
    check("message count", len(read), len(messages))
    for i, (got, m) in enumerate(zip(read, messages)):
        where = f"{policy.__class__.__name__} message {i}"
        check(where + " body", got.get_payload(decode=True),
              (m["strHeader"] + "\r\n" + m["strText"]).encode("latin-1"))
        check(where + " address", address(got["From"]), m["strAddress"])
        check(where + " folder", decoded(got["X-Quillbox-Folder"]), path_of(m))
        subject = m["strText"].replace("\r", "\n").split("\n")[0][:78]
        check(where + " subject", decoded(got["Subject"]), subject)
        want = expected_date(m["strDate"])
        date = got["Date"]
        check(where + " date", date and email.utils.parsedate_to_datetime(str(date)), want)
        check(where + " charset", got.get_content_charset(), "iso-8859-1")

with open(os.path.join(work, "out.csv"), newline="", encoding="utf-8") as f:
    rows = list(csv.reader(f))
check("csv header", rows[0], ["Folder", "Date", "Address", "Header", "Text"])
check("csv rows", rows[1:], [[path_of(m), m["strDate"], m["strAddress"], m["strHeader"], m["strText"]]
                             for m in messages])

# Without --raw, a field that a spreadsheet would run as a formula is read with a ' before it.
def guarded(field):
    return "'" + field if field[:1] in ("=", "+", "-", "@", "\t", "\r") else field
with open(os.path.join(work, "guarded.csv"), newline="", encoding="utf-8") as f:
    check("guarded csv", list(csv.reader(f)), [rows[0]] + [[guarded(v) for v in r] for r in rows[1:]])

for failure in failures:
    print(failure)
if not failures:
    import shutil
    shutil.rmtree(work)
sys.exit(1 if failures else 0)
