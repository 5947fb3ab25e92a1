#!/usr/bin/env python3
"""Brings the layout form's key labels into every module catalogue (keyboard_<code>.ts).

Qt's lupdate reads the form's translatable texts (the key labels). In the English catalogue each
label reads as it is drawn, so its translation is its source; in the others a new label arrives
unfinished for its translator. The module's other texts are refreshed on the way, by the same
script that CI runs with --check (docs/languages.md).
Run after regenerating the form: python3 translations/update_form_labels.py
"""
import os
import subprocess
import sys

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

if __name__ == "__main__":
    sys.exit(subprocess.run([sys.executable, os.path.join(TOP, "scripts", "update-catalogues"), "--update",
                             "--catalogue=keyboard"]).returncode)
