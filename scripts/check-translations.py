#!/usr/bin/env python3
"""The program's texts and Qt's translation system, checked by make lint (scripts/lint.sh).

1. i18n/zandrel_de.ts agrees with the sources: lupdate reads them into a temporary copy, which
   must have no unfinished entry (a sentence new in the sources, or one left unfinished) and no
   vanished one (a sentence the sources no longer have); a sentence with a count must have its
   singular and its plural.
2. No German sentence in the program's code outside tr(), translate() or QT_TRANSLATE_NOOP():
   a string literal with an umlaut or ß, or with a space and a common German word. The few that
   are no sentence of the program (a file format's keywords, built-in names, log lines) are
   allowed below, each with its reason.

    scripts/check-translations.py [--exclude GLOB]... [--finish]

--exclude (also LINT_TR_EXCLUDE, globs separated by spaces) leaves files out of check 2, e.g. a
file whose texts are still being moved: LINT_TR_EXCLUDE='app/Old*.cpp' make lint.
--finish fills in what check 1 would report unfinished for a sentence without a count (its
German is its source) after `cmake --build build --target update_translations`; a sentence
with a count still needs its singular written by hand.
"""

import argparse
import fnmatch
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

TS = "i18n/zandrel_de.ts"
# The program's folders: what lupdate reads (as i18n/CMakeLists.txt) and check 2 looks at.
FOLDERS = ("app", "entries", "entryfile", "gather", "i18n", "invitation", "mail", "mailprogram",
           "memberlist", "messages", "report", "textfile")
LUPDATE_OPTIONS = ["-I", ".", "-locations", "none", "-source-language", "de", "-target-language", "de"]

# Literals that are no sentence of the program: (file, start of the literal, why).
ALLOWED = [
    ("entries/Clubs.cpp", "", "the built-in lists: names of clubs and events, not sentences"),
    ("memberlist/MemberList.cpp", "männlich", "a value of a member list's gender column"),
    ("invitation/Reader.cpp", "^[A-Za-zÄÖÜäöü]+$", "a pattern for the event file's IBAN holder"),
    ("invitation/Template.cpp", "# Ausschreibung für Zandrel",
     "the event file's template: a file in its format, whose words are its keywords"),
    ("mailprogram/MailProgramUnix.cpp", "/Anhänge", "a folder on disk, not a sentence"),
    ("mail/CSmtpClient.cpp", "Der Mailserver hat nicht",
     "the mail clients use no Qt; their texts are Windows-1252 bytes for the hidden test mail"),
    ("entries/Collation.cpp", "Kein ICU-Collator", "a log line for the developer"),
]

TRANSLATING = {"tr", "translate", "QT_TR_NOOP", "QT_TRANSLATE_NOOP", "QT_TR_N_NOOP",
               "QT_TRANSLATE_N_NOOP", "QT_TRANSLATE_NOOP3"}
GERMAN_WORDS = {
    "aber", "alle", "als", "auch", "auf", "aus", "bei", "bis", "bitte", "dem", "den", "der",
    "des", "diese", "dieser", "dieses", "durch", "ein", "eine", "einem", "einen", "einer",
    "erst", "es", "fehlt", "für", "gibt", "hat", "ist", "jeder", "kann", "kein", "keine",
    "keinen", "lässt", "mehr", "mit", "nach", "nicht", "noch", "nur", "oder", "schon", "sich",
    "sie", "sind", "über", "und", "vom", "von", "wird", "wurde", "zum", "zur", "Datei", "Fehler",
    "Meldung", "Meldedatei", "Teilnehmer", "Verein", "Veranstaltung", "Zeile",
}
UMLAUT = re.compile("[äöüÄÖÜß]")
WORD = re.compile(r"[A-Za-zäöüÄÖÜß]+")


def tracked_sources():
    out = subprocess.run(["git", "ls-files", "-z", "--"] +
                         [f"{d}/*.cpp" for d in FOLDERS] + [f"{d}/*.h" for d in FOLDERS],
                         check=True, capture_output=True, text=True).stdout
    return sorted(f for f in out.split("\0") if f and os.path.isfile(f))


# ---- 1. the .ts and the sources ------------------------------------------------------------

def lupdate_binary():
    for candidate in (os.environ.get("LUPDATE"), "/usr/lib/qt6/bin/lupdate", "lupdate"):
        if candidate and shutil.which(candidate):
            return candidate
    sys.exit("lupdate fehlt (Debian: qt6-l10n-tools)")


def messages_of(ts_path):
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def ts_findings(sources):
    findings = []
    with tempfile.TemporaryDirectory() as tmp:
        copy = os.path.join(tmp, os.path.basename(TS))
        shutil.copyfile(TS, copy)
        subprocess.run([lupdate_binary(), "-silent", *LUPDATE_OPTIONS, *sources, "-ts", copy],
                       check=True)
        for context, message in messages_of(copy):
            source = message.findtext("source")
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            where = f"{TS}: {context}: {source!r}"
            if kind in ("vanished", "obsolete"):
                findings.append(f"{where}: steht nicht mehr in den Quellen")
            elif kind == "unfinished":
                findings.append(f"{where}: nicht fertig übersetzt")
            elif message.get("numerus") == "yes":
                forms = [f.text or "" for f in translation.iter("numerusform")]
                if len(forms) != 2 or not all(forms):
                    findings.append(f"{where}: braucht Einzahl und Mehrzahl")
    return findings


def finish():
    tree = ET.parse(TS)
    finished = 0
    for message in tree.getroot().iter("message"):
        translation = message.find("translation")
        if message.get("numerus") == "yes" or translation.get("type") != "unfinished":
            continue
        translation.text = message.findtext("source")
        del translation.attrib["type"]
        finished += 1
    # Written the way lupdate writes it, so that its next run changes nothing.
    text = ET.tostring(tree.getroot(), encoding="unicode")
    with open(TS, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + text + "\n")
    subprocess.run([lupdate_binary(), "-silent", *LUPDATE_OPTIONS, "-no-obsolete",
                    *tracked_sources(), "-ts", TS], check=True)
    print(f"{TS}: {finished} Einträge übernommen")


# ---- 2. German outside the translation ------------------------------------------------------

TOKEN = re.compile(r'''
    (?P<comment>//[^\n]*|/\*.*?\*/)
  | (?P<preprocessor>^[ \t]*\#[^\n]*)
  | (?P<raw>(?:u8|u|U|L)?R"(?P<delim>[^(\s]*)\((?P<rawtext>.*?)\)(?P=delim)")
  | (?P<string>(?:u8|u|U|L)?"(?P<text>(?:[^"\\\n]|\\.)*)")
  | (?P<char>(?:u8|u|U|L)?'(?:[^'\\\n]|\\.)*')
  | (?P<ident>[A-Za-z_]\w*)
  | (?P<open>\()
  | (?P<close>\))
  | (?P<other>\S)
''', re.S | re.M | re.X)


def literals(source):
    """Each string literal (adjacent ones joined, as the compiler joins them) with its line and
    whether a translation call holds it directly."""
    calls = []  # the name before each open parenthesis
    last_ident = None
    pending = None  # [line, text, inside] of the literal being joined
    for m in TOKEN.finditer(source):
        kind = m.lastgroup
        if kind in ("comment", "preprocessor"):
            continue
        if kind in ("raw", "string"):
            text = m.group("rawtext") if kind == "raw" else m.group("text")
            if pending:
                pending[1] += text
            else:
                inside = bool(calls) and calls[-1] in TRANSLATING
                pending = [source.count("\n", 0, m.start()) + 1, text, inside]
            last_ident = None
            continue
        if pending:
            yield tuple(pending)
            pending = None
        if kind == "ident":
            last_ident = m.group("ident")
            continue
        if kind == "open":
            calls.append(last_ident)
        elif kind == "close" and calls:
            calls.pop()
        last_ident = None
    if pending:
        yield tuple(pending)


def german(text):
    if UMLAUT.search(text):
        return True
    return " " in text and any(w in GERMAN_WORDS for w in WORD.findall(text))


def allowed(path, text):
    return any(path == f and text.startswith(start) for f, start, _ in ALLOWED)


def german_findings(sources, excluded):
    findings = []
    for path in sources:
        if any(fnmatch.fnmatch(path, glob) for glob in excluded):
            continue
        with open(path, encoding="utf-8") as f:
            source = f.read()
        for line, text, inside in literals(source):
            if not inside and german(text) and not allowed(path, text):
                findings.append(f"{path}:{line}: Deutsch ohne tr()/translate(): \"{text}\"")
    return findings


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--exclude", action="append", default=[], metavar="GLOB")
    parser.add_argument("--finish", action="store_true")
    args = parser.parse_args()
    os.chdir(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    if args.finish:
        finish()
        return 0
    excluded = args.exclude + os.environ.get("LINT_TR_EXCLUDE", "").split()
    sources = tracked_sources()
    findings = ts_findings(sources) + german_findings(sources, excluded)
    for finding in findings:
        print(finding)
    if excluded:
        print(f"(Deutsch-Prüfung ohne {' '.join(excluded)})")
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main())
