#!/usr/bin/env python3
"""Refreshes the "AdvancedTestWidget" context of the English catalogue from the layout form.

Qt's lupdate reads the form's translatable texts (the key labels); each English label reads as it
is drawn, so its translation is its source. The other contexts of the catalogue are left alone.
Run after regenerating the form: python3 translations/update_form_labels.py
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FORM = os.path.join(TOP, "src", "advanced", "AdvancedTestWidget.ui")
CATALOGUE = os.path.join(TOP, "translations", "keyboard_en_US.ts")
CONTEXT = "AdvancedTestWidget"


def find_lupdate():
    for candidate in ("lupdate", "/usr/lib/qt6/bin/lupdate"):
        path = shutil.which(candidate) or (candidate if os.access(candidate, os.X_OK) else None)
        if path:
            return path
    sys.exit("lupdate not found: install the Qt 6 Linguist tools (scripts/setup does)")


def main():
    with tempfile.TemporaryDirectory() as folder:
        scratch = os.path.join(folder, "form.ts")
        subprocess.run([find_lupdate(), "-silent", "-locations", "none", FORM, "-ts", scratch,
                        "-target-language", "en_US"], check=True)
        with open(scratch, encoding="utf-8") as f:
            found = re.search(r"<context>\s*<name>%s</name>.*?</context>\n" % CONTEXT, f.read(), re.S)
    if not found:
        sys.exit("lupdate found no texts in %s" % FORM)
    context = re.sub(r'<source>(.*?)</source>(\s*)<translation type="unfinished"></translation>',
                     r"<source>\1</source>\2<translation>\1</translation>", found.group(0), flags=re.S)
    with open(CATALOGUE, encoding="utf-8") as f:
        catalogue = f.read()
    old = re.compile(r"<context>\s*<name>%s</name>.*?</context>\n" % CONTEXT, re.S)
    catalogue = old.sub(lambda _: context, catalogue) if old.search(catalogue) else \
        catalogue.replace("</TS>", context + "</TS>")
    with open(CATALOGUE, "w", encoding="utf-8") as f:
        f.write(catalogue)
    print("%s: %d key labels" % (os.path.relpath(CATALOGUE, TOP), context.count("<message>")))


if __name__ == "__main__":
    main()
