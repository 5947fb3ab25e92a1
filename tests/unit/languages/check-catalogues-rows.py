#!/usr/bin/env python3
"""scripts/check-catalogues on a German catalogue broken one way in each row: every broken row must
fail with its finding, every sound row must pass.

usage: check-catalogues-rows.py <scripts/check-catalogues>
"""
import os
import subprocess
import sys
import tempfile

# (context, source, English, German, translator comment): a placeholder, closing marks, and the
# three kinds of text allowed to stay English.
SOUND = [
    ("KEYBOARD", "YES", "Yes", "Ja", ""),
    ("KEYBOARD", "LATEST_PRESSED_KEY:", "Latest pressed key:", "Zuletzt gedrückte Taste:", ""),
    ("main", "cannot use folder %1: %2", "cannot use folder %1: %2", "Ordner %1 nicht nutzbar: %2", ""),
    ("main", "Is it as expected?", "Is it as expected?", "Ist es wie erwartet?", ""),
    ("main", "No tests yet.", "No tests yet.", "Noch keine Tests.", ""),
    ("main", "Esc", "Esc", "Esc", "same as English"),
    ("main", "%1 %2", "%1 %2", "%1 %2", ""),
    ("main", "A", "A", "A", ""),
]


def catalogue(language, change=lambda source, text: text, unfinished=None, english=False):
    messages = {}
    for context, source, text, german, comment in SOUND:
        text = text if english else change(source, german)
        if text is not None:
            messages.setdefault(context, []).append(
                "<message><source>%s</source>%s<translation%s>%s</translation></message>"
                % (source, "<translatorcomment>%s</translatorcomment>" % comment if comment else "",
                   ' type="unfinished"' if source == unfinished else "", text))
    return '<?xml version="1.0" encoding="utf-8"?>\n<TS version="2.1" language="%s">%s</TS>\n' % (
        language, "".join("<context><name>%s</name>%s</context>" % (name, "".join(entries))
                          for name, entries in messages.items()))


FULL_WIDTH = {":": "：", "?": "？", ".": "。"}
# Row, language, the broken host catalogue (None: no file), the finding expected (None: passes).
ROWS = [
    ("sound", "de_DE", catalogue("de_DE"), None),
    ("full-width closing marks in Japanese", "ja_JP",
     catalogue("ja_JP", lambda s, t: t[:-1] + FULL_WIDTH[t[-1]] if t[-1] in FULL_WIDTH else t), None),
    ("an entry missing", "de_DE", catalogue("de_DE", lambda s, t: None if s == "YES" else t), 'lacks [KEYBOARD] "YES"'),
    ("an entry unfinished", "de_DE", catalogue("de_DE", unfinished="YES"), '"YES" is unfinished'),
    ("an entry empty", "de_DE", catalogue("de_DE", lambda s, t: "" if s == "YES" else t), '"YES" is empty'),
    ("a placeholder lost", "de_DE", catalogue("de_DE", lambda s, t: t.replace(": %2", ".")),
     "has the placeholders %1 where the English has %1 %2"),
    ("a closing colon lost", "de_DE", catalogue("de_DE", lambda s, t: t.rstrip(":")),
     '"LATEST_PRESSED_KEY:" does not end with ":"'),
    ("a full-width full stop in German", "de_DE", catalogue("de_DE", lambda s, t: t.replace("Tests.", "Tests。")),
     'does not end with "."'),
    ("an unmarked English text", "de_DE", catalogue("de_DE", lambda s, t: "Is it as expected?" if s[:2] == "Is" else t),
     '"Is it as expected?" is the English text'),
    ("the message key shown", "de_DE", catalogue("de_DE", lambda s, t: s if s == "YES" else t),
     '"YES" shows the message key'),
    ("a language without its catalogue", "fr_FR", None, "halvik-diagnostics_fr_FR.ts: missing"),
]


def main():
    failures = 0
    for name, language, broken, finding in ROWS:
        with tempfile.TemporaryDirectory() as folder:
            files = {"keyboard_en_US.ts": catalogue("en_US", english=True), "keyboard_%s.ts" % language:
                     catalogue(language), "halvik-diagnostics_en_US.ts": catalogue("en_US", english=True)}
            if broken is not None:
                files["halvik-diagnostics_%s.ts" % language] = broken
            for file_name, text in files.items():
                with open(os.path.join(folder, file_name), "w", encoding="utf-8") as f:
                    f.write(text)
            run = subprocess.run([sys.executable, sys.argv[1], "--folder=" + folder, "--languages=" + language],
                                 stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        if run.returncode != (0 if finding is None else 1) or (finding is not None and finding not in run.stdout):
            print("%s: expected %s, exit %d\n%s" % (name, "a pass" if finding is None else "'%s'" % finding,
                                                     run.returncode, run.stdout))
            failures += 1
    print("%d of %d rows as expected" % (len(ROWS) - failures, len(ROWS)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
