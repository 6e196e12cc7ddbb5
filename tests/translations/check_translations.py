#!/usr/bin/env python3
"""The program's translations against its sources.

lupdate runs over the translated folders (translations/folders.txt) into temporary copies of
the given .ts files; every message that is then not fully translated is named, one line each:
a text missing from the .ts file, a translation unfinished or empty, a plural without all its
forms, placeholders (%1 ... %99, %n, each counted) or mnemonics (&, where && is a plain
ampersand) other than the source's. A call that lupdate passed over without a word (it does
so where it cannot follow an argument) is named too: every literal text handed to tr(),
translate() or the NOOP macros in those folders must be a message.

    check_translations.py LUPDATE SOURCE_ROOT TS_FILE...
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?(n|[1-9][0-9]?)")
# The plural forms each language needs.
NUMERUS_FORMS = {"de": 2, "fr": 2}


def key(context, message):
    return (context, message.findtext("source", ""), message.findtext("comment", ""))


def messages(path):
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            yield name, message


def placeholders(text):
    return sorted(PLACEHOLDER.findall(text))


def mnemonics(text):
    return text.replace("&&", "").count("&")


def problems(message, forms_needed, known):
    source = message.findtext("source", "")
    translation = message.find("translation")
    kind = translation.get("type") if translation is not None else None
    if not known:
        return ["not in the .ts file: run scripts/update-translations.sh and translate it"]
    if kind == "unfinished":
        return ["unfinished"]
    if message.get("numerus") == "yes":
        forms = [form.text or "" for form in translation.iter("numerusform")]
        if len(forms) < forms_needed or not all(forms):
            return [f"{sum(1 for f in forms if f)} of its {forms_needed} plural forms"]
    else:
        forms = [translation.text or ""]
        if not forms[0]:
            return ["empty translation"]
    found = []
    for form in forms:
        if placeholders(form) != placeholders(source):
            found.append(f"placeholders {placeholders(form)} in {form!r}, "
                         f"the source has {placeholders(source)}")
        if mnemonics(form) != mnemonics(source):
            found.append(f"{mnemonics(form)} mnemonic(s) in {form!r}, "
                         f"the source has {mnemonics(source)}")
    return found


LITERAL = r'"((?:[^"\\]|\\.)*)"'
CALLS = [re.compile(head + LITERAL + r'((?:\s*"(?:[^"\\]|\\.)*")*)', re.S) for head in (
    r'\btr\(\s*',
    r'\btranslate\(\s*"[^"]*"\s*,\s*',
    r'\bQT_(?:TR|TRANSLATE)(?:_N)?_NOOP\(\s*(?:"[^"]*"\s*,\s*)?')]
ESCAPES = {"n": "\n", "r": "", "t": "\t"}


def plain(text):
    """A text as C++ spells it or as the .ts file holds it, without CRs (which the .ts file
    keeps apart) and with \\uXXXX spelled out."""
    text = re.sub(r"\\u([0-9A-Fa-f]{4})", lambda m: chr(int(m.group(1), 16)), text)
    return text.replace("\r", "")


def unseen_calls(root, folders, sources):
    known = {plain(s) for s in sources}
    found = []
    for folder in folders:
        for base, _, names in os.walk(os.path.join(root, folder)):
            for name in sorted(n for n in names if n.endswith((".cpp", ".h"))):
                path = os.path.join(base, name)
                with open(path, encoding="utf-8") as source:
                    code = source.read()
                for call in CALLS:
                    for match in call.finditer(code):
                        text = match.group(1) + "".join(re.findall(LITERAL, match.group(2)))
                        text = plain(re.sub(r"\\([^u])",
                                            lambda m: ESCAPES.get(m.group(1), m.group(1)), text))
                        if text not in known:
                            found.append(f"{os.path.relpath(path, root)}: {text!r}: "
                                         "lupdate passed this call over")
    return found


def check(lupdate, root, committed, folders, scratch):
    language = ET.parse(committed).getroot().get("language", "").split("_")[0]
    known = {key(c, m) for c, m in messages(committed)}
    copy = os.path.join(scratch, os.path.basename(committed))
    shutil.copyfile(committed, copy)
    subprocess.run([lupdate, "-silent", "-I", ".", "-locations", "none", "-no-obsolete",
                    "-target-language", language, *folders, "-ts", copy],
                   cwd=root, check=True, stdout=subprocess.DEVNULL)
    failures = []
    # A CR is kept apart in the .ts file (<byte value="xd"/>): the text is in pieces.
    sources = ["".join(m.find("source").itertext()) for _, m in messages(copy)]
    for unseen in unseen_calls(root, folders, sources):
        failures.append(f"{os.path.basename(committed)}: {unseen}")
    for context, message in messages(copy):
        for what in problems(message, NUMERUS_FORMS.get(language, 2),
                             key(context, message) in known):
            failures.append(f"{os.path.basename(committed)}: {context}: "
                            f"{message.findtext('source', '')!r}: {what}")
    return failures


def main():
    lupdate, root, *files = sys.argv[1:]
    with open(os.path.join(root, "translations", "folders.txt"), encoding="utf-8") as listing:
        folders = [line.strip() for line in listing if line.strip()]
    failures = []
    with tempfile.TemporaryDirectory() as scratch:
        for committed in files:
            failures += check(lupdate, root, committed, folders, scratch)
    for failure in failures:
        print(failure)
    if failures:
        print(f"{len(failures)} message(s) not translated as they should be")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
