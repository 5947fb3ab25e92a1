#!/usr/bin/env python3
"""Writes the advanced test's Qt Designer form from the page descriptions in keyboards.py."""

# The form holds some 1,300 key buttons at fixed positions; they are laid out here from rows of key
# tokens so that a key's code, name and place are written once. The output is plain Designer XML
# and is checked in: edit keyboards.py and run this script, and a unit test compares the two.
#
#   python3 src/advanced/layout/generate_form.py            (rewrites src/advanced/AdvancedTestWidget.ui)
#   python3 src/advanced/layout/generate_form.py -o FILE
#
# A new or changed key label also needs its catalogue entry: python3 translations/update_form_labels.py

import argparse
import os
import re
import sys
from xml.sax.saxutils import escape, quoteattr

sys.dont_write_bytecode = True  # keep the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import keyboards  # noqa: E402

DEFAULT_OUTPUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "AdvancedTestWidget.ui")

TOKEN = re.compile(r"^(?P<key>[a-z0-9_]+)(?:\*(?P<units>[0-9.]+)|:(?P<px>\d+))?(?:\^(?P<rows>\d+))?"
                   r"(?:#(?P<number>\w*))?(?:%(?P<l>\w+))?$")

ILLUSTRATION_TEXT = "Dark bordered keys are ignored by this test"
INSTRUCTION_TEXT = "Click Fail if any key is not marked after being pressed."

# What the dialog always shows of a page (the stacked widget's minimum size). The two lines under the
# keys reach to its right edge, less a margin, so that translations longer than the English have
# room. The instruction needs 16 px for a line of the dialog's 13 px text with its descenders, and
# gets up to 21 where the page has them.
SHOWN_PAGE = (908, 276)
TEXT_RIGHT_MARGIN = 8
LINE_HEIGHT = 16
INSTRUCTION_HEIGHT = 21


class LayoutError(Exception):
    pass


def page_tag(index):
    return "K%02d" % index


def key_name(page, token_match):
    key = token_match.group("key")
    if key not in keyboards.KEYS:
        raise LayoutError("page %d: unknown key token %r" % (page.index, key))
    w_fields, l_field, label = keyboards.KEYS[key]
    if token_match.group("l") is not None:
        l_field = token_match.group("l")
    number = token_match.group("number")
    if number is None:
        number = page.number
    fields = w_fields if l_field is None else "%s_L%s" % (w_fields, l_field)
    return "%s%s_%s_%s" % (keyboards.PREFIX, fields, number, page_tag(page.index)), label


def lay_out_rows(page):
    """Key rectangles from the page's rows: [(object name, label, x, y, w, h)]."""
    keys = []
    unit = page.pitch
    for row in page.rows:
        x = page.x0
        default_width = row.width or unit + 1
        for token in row.tokens:
            if token.startswith(">"):
                x = int(token[1:])
                continue
            if token.startswith("+"):
                x += int(token[1:])
                continue
            parts = token.split("/")
            if len(parts) > 2:
                raise LayoutError("page %d: only two keys stack in a column: %r" % (page.index, token))
            column_width = default_width
            for part_index, part in enumerate(parts):
                match = TOKEN.match(part)
                if not match:
                    raise LayoutError("page %d: cannot read key token %r" % (page.index, part))
                width = default_width
                if match.group("units"):
                    width = int(round(float(match.group("units")) * unit)) + 1
                elif match.group("px"):
                    width = int(match.group("px"))
                height = row.height
                if match.group("rows"):
                    height = int(match.group("rows")) * unit + 1
                y = row.y
                if len(parts) == 2:
                    # Two half-height keys sharing the row, overlapping by the shared pixel line.
                    top_height = (row.height + 1) // 2
                    height = top_height if part_index == 0 else row.height - top_height + 1
                    y = row.y if part_index == 0 else row.y + row.height - height
                name, label = key_name(page, match)
                keys.append((name, label, x, y, width, height))
                column_width = width
            x += column_width - 1
    return keys


def page_keys(page):
    if page.keys is not None:
        tag = page_tag(page.index)
        return [(keyboards.PREFIX + fields + "_" + tag, label, x, y, w, h)
                for fields, label, x, y, w, h in page.keys]
    return lay_out_rows(page)


def check_page(page, keys):
    names = [key[0] for key in keys]
    duplicates = sorted({name for name in names if names.count(name) > 1})
    if duplicates:
        raise LayoutError("page %d: repeated object names %s" % (page.index, ", ".join(duplicates)))
    _, _, width, height = page.container
    for name, _, x, y, w, h in keys:
        if x < 0 or y < 0 or x + w > width or y + h > height:
            raise LayoutError("page %d: %s lies outside its container" % (page.index, name))


class Writer:
    """Designer's own XML shape: one-space indentation, properties before children."""

    def __init__(self):
        self.lines = []
        self.depth = 0

    def line(self, text):
        self.lines.append(" " * self.depth + text)

    def open(self, text):
        self.line(text)
        self.depth += 1

    def close(self, text):
        self.depth -= 1
        self.line(text)

    def rect_property(self, name, x, y, w, h):
        self.open('<property name="%s">' % name)
        self.open("<rect>")
        self.line("<x>%d</x>" % x)
        self.line("<y>%d</y>" % y)
        self.line("<width>%d</width>" % w)
        self.line("<height>%d</height>" % h)
        self.close("</rect>")
        self.close("</property>")

    def size_property(self, name, w, h):
        self.open('<property name="%s">' % name)
        self.open("<size>")
        self.line("<width>%d</width>" % w)
        self.line("<height>%d</height>" % h)
        self.close("</size>")
        self.close("</property>")

    def string_property(self, name, text, translatable=True):
        attributes = "" if translatable else ' notr="true"'
        if text == "" and translatable:
            self.line('<property name="%s">' % name)
            self.lines[-1] += "<string/></property>"
            return
        self.line('<property name="%s">' % name)
        self.lines[-1] += "<string%s>%s</string></property>" % (attributes, escape(text))

    def simple_property(self, name, kind, value):
        self.line('<property name="%s">' % name)
        self.lines[-1] += "<%s>%s</%s></property>" % (kind, value, kind)

    def margins_zero(self):
        for side in ("leftMargin", "topMargin", "rightMargin", "bottomMargin"):
            self.simple_property(side, "number", 0)

    def font_property(self, point_size):
        self.open('<property name="font">')
        self.open("<font>")
        self.line("<pointsize>%d</pointsize>" % point_size)
        self.close("</font>")
        self.close("</property>")

    def spacer(self, name, orientation, width, height, size_type="QSizePolicy::Expanding"):
        self.open("<item>")
        self.open("<spacer name=%s>" % quoteattr(name))
        self.simple_property("orientation", "enum", orientation)
        self.simple_property("sizeType", "enum", size_type)
        self.size_property("sizeHint", width, height)
        self.close("</spacer>")
        self.close("</item>")

    def open_widget(self, cls, name):
        self.open("<widget class=%s name=%s>" % (quoteattr(cls), quoteattr(name)))

    def text(self):
        return "\n".join(self.lines) + "\n"


def write_key(writer, name, label, x, y, w, h):
    writer.open_widget("QPushButton", name)
    writer.rect_property("geometry", x, y, w, h)
    writer.simple_property("focusPolicy", "enum", "Qt::NoFocus")
    writer.string_property("text", label)
    writer.close("</widget>")


def write_page(writer, page):
    keys = page_keys(page)
    check_page(page, keys)
    tag = page_tag(page.index)
    writer.open_widget("QWidget", page.page_name)
    writer.open_widget("QWidget", page.container_name)
    writer.rect_property("geometry", *page.container)
    for key in keys:
        write_key(writer, *key)
    # The dark-bordered example key sits under the rows at their left edge, its text beside it and
    # the strict-mode instruction one line lower.
    left = min(key[2] for key in keys)
    top = max(key[3] + key[5] for key in keys) - 1
    writer.open_widget("QPushButton", "keyboard_advanced_test_ilustration_" + tag)
    writer.rect_property("geometry", left, top, 16, 16)
    writer.simple_property("focusPolicy", "enum", "Qt::NoFocus")
    writer.string_property("text", "")
    writer.close("</widget>")
    container_x, container_y, container_width, container_height = page.container
    right = min(container_width, SHOWN_PAGE[0] - container_x) - TEXT_RIGHT_MARGIN
    bottom = min(container_height, SHOWN_PAGE[1] - container_y)
    if bottom - (top + 20) < LINE_HEIGHT:
        raise LayoutError("page %d: no room for the instruction under the keys" % page.index)
    writer.open_widget("QLabel", "keyboard_advanced_test_ilustration_description_" + tag)
    writer.rect_property("geometry", left + 20, top, right - left - 20, LINE_HEIGHT)
    writer.font_property(8)
    writer.string_property("text", ILLUSTRATION_TEXT)
    writer.close("</widget>")
    writer.open_widget("QLabel", "keyboard_advanced_test_instruction_" + tag)
    writer.rect_property("geometry", left, top + 20, right - left, min(INSTRUCTION_HEIGHT, bottom - top - 20))
    writer.string_property("text", INSTRUCTION_TEXT)
    # One line from the top wherever the page gives it more than a line's height.
    writer.simple_property("alignment", "set", "Qt::AlignLeading|Qt::AlignLeft|Qt::AlignTop")
    writer.close("</widget>")
    writer.close("</widget>")
    writer.close("</widget>")


def write_header(writer):
    writer.open("<item>")
    writer.open_widget("QWidget", "keyboard_advanced_test_widget_header")
    writer.open('<layout class="QHBoxLayout" name="horizontalLayout">')
    writer.open("<item>")
    writer.open_widget("QLabel", "keyboard_advanced_test_header_icon")
    writer.size_property("minimumSize", 24, 24)
    writer.size_property("maximumSize", 24, 24)
    writer.string_property("text", "")
    writer.close("</widget>")
    writer.close("</item>")
    writer.open("<item>")
    writer.open_widget("QLabel", "keyboard_advanced_test_header_label")
    writer.string_property("text", "")
    writer.close("</widget>")
    writer.close("</item>")
    writer.open("<item>")
    writer.open_widget("QPushButton", "keyboard_advanced_test_header_close")
    # The style sheet draws the close icon; a text would show beside it.
    writer.size_property("minimumSize", 28, 28)
    writer.size_property("maximumSize", 28, 28)
    writer.simple_property("focusPolicy", "enum", "Qt::NoFocus")
    writer.string_property("text", "")
    writer.simple_property("flat", "bool", "true")
    writer.close("</widget>")
    writer.close("</item>")
    writer.close("</layout>")
    writer.close("</widget>")
    writer.close("</item>")


def write_middle(writer, pages):
    writer.open("<item>")
    writer.open_widget("QWidget", "keyboard_advanced_test_widget_middle")
    writer.open('<layout class="QVBoxLayout" name="verticalLayout">')
    writer.margins_zero()
    writer.open("<item>")
    writer.open_widget("QWidget", "keyboard_advanced_test_instruction_widget")
    writer.open('<layout class="QHBoxLayout" name="keyboard_advanced_test_Instruction">')
    writer.spacer("horizontalSpacer", "Qt::Horizontal", 40, 20)
    writer.open("<item>")
    writer.open_widget("QLabel", "keyboard_advanced_test_label_select_layout")
    writer.string_property("text", "LAYOUT_TKN")
    writer.close("</widget>")
    writer.close("</item>")
    writer.open("<item>")
    writer.open_widget("QComboBox", "keyboard_advanced_test_drop_down")
    writer.size_property("minimumSize", 130, 0)
    writer.simple_property("focusPolicy", "enum", "Qt::NoFocus")
    writer.close("</widget>")
    writer.close("</item>")
    writer.open("<item>")
    writer.open_widget("QLabel", "keyboard_advanced_test_label_instruction")
    writer.size_property("maximumSize", 320, 16777215)
    writer.string_property("text", "")
    writer.simple_property("wordWrap", "bool", "true")
    writer.close("</widget>")
    writer.close("</item>")
    writer.close("</layout>")
    writer.close("</widget>")
    writer.close("</item>")
    # Hidden until the keyboard cannot be held; then it says why keys may not show.
    writer.open("<item>")
    writer.open_widget("QLabel", "keyboard_advanced_test_label_capture_note")
    writer.simple_property("alignment", "set", "Qt::AlignCenter")
    writer.simple_property("wordWrap", "bool", "true")
    writer.close("</widget>")
    writer.close("</item>")
    writer.open("<item>")
    writer.open_widget("QStackedWidget", "keyboard_advanced_test_stacked_widget")
    writer.size_property("minimumSize", 908, 276)
    writer.simple_property("currentIndex", "number", 5)
    for page in pages:
        write_page(writer, page)
    writer.close("</widget>")
    writer.close("</item>")
    writer.open("<item>")
    writer.open_widget("QLabel", "keyboard_advanced_test_label_test_explanation")
    writer.string_property("text", "")
    writer.close("</widget>")
    writer.close("</item>")
    writer.close("</layout>")
    writer.close("</widget>")
    writer.close("</item>")


def write_bottom(writer):
    writer.open("<item>")
    writer.open_widget("QWidget", "keyboard_advanced_test_widget_bottom")
    writer.open('<layout class="QHBoxLayout" name="keyboard_advanced_test_horizontalLayout">')
    writer.open("<item>")
    writer.open_widget("QPushButton", "keyboard_advanced_test_button_refresh")
    writer.simple_property("focusPolicy", "enum", "Qt::NoFocus")
    writer.string_property("text", "REFRESH_TKN")
    writer.close("</widget>")
    writer.close("</item>")
    writer.spacer("horizontalSpacer_2", "Qt::Horizontal", 40, 20)
    writer.open("<item>")
    writer.open_widget("QLabel", "keyboard_advanced_test_label_user_request")
    writer.string_property("text", "")
    writer.close("</widget>")
    writer.close("</item>")
    writer.spacer("horizontalSpacer_3", "Qt::Horizontal", 40, 20)
    writer.open("<item>")
    writer.open_widget("QLabel", "keyboard_advanced_test_label_feedback")
    writer.string_property("text", "TEST_FEEDBACK_TKN")
    writer.close("</widget>")
    writer.close("</item>")
    for name, text, default in (("keyboard_advanced_test_button_yes", "Yes", True),
                                ("keyboard_advanced_test_button_no", "No", False)):
        writer.open("<item>")
        writer.open_widget("QPushButton", name)
        writer.simple_property("focusPolicy", "enum", "Qt::NoFocus")
        writer.string_property("text", text)
        if default:
            # Enter must never answer for the user.
            writer.simple_property("default", "bool", "false")
        writer.close("</widget>")
        writer.close("</item>")
    writer.close("</layout>")
    writer.close("</widget>")
    writer.close("</item>")


def generate(pages):
    writer = Writer()
    writer.line('<?xml version="1.0" encoding="UTF-8"?>')
    writer.open('<ui version="4.0">')
    writer.line("<class>AdvancedTestWidget</class>")
    writer.open_widget("QDialog", "AdvancedTestWidget")
    writer.rect_property("geometry", 0, 0, 908, 409)
    writer.size_property("minimumSize", 908, 402)
    writer.open('<layout class="QVBoxLayout" name="keyboard_advanced_test_verticalLayout_2">')
    writer.margins_zero()
    # Without a compositor the translucent dialog shows black wherever nothing is drawn, and the
    # layout's default spacing would be bands of it between header, body and footer.
    writer.simple_property("spacing", "number", 0)
    write_header(writer)
    write_middle(writer, pages)
    write_bottom(writer)
    writer.close("</layout>")
    writer.close("</widget>")
    writer.line("<resources/>")
    writer.line("<connections/>")
    writer.close("</ui>")
    return writer.text()


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("-o", "--output", default=DEFAULT_OUTPUT, help="form file to write")
    arguments = parser.parse_args()
    try:
        text = generate(keyboards.PAGES)
    except LayoutError as error:
        print("generate_form.py: %s" % error, file=sys.stderr)
        return 1
    with open(arguments.output, "w", encoding="utf-8", newline="\n") as output:
        output.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
