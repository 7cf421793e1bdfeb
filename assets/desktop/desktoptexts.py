#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The desktop entry's and the AppStream data's texts in every language.

The templates beside this script hold the English texts; their translations
live in the program's translation files, in the context "DesktopEntry", so a
language's translator finds them with the program's own texts and a new
translation file brings its language here too.

    desktoptexts.py sources TEMPLATE OUTPUT.cpp
        writes the template's texts as C++ marks for lupdate, each on the
        line of the template where the text starts, so that the translation
        files can point at the template's lines
    desktoptexts.py build TEMPLATE OUTPUT [NAME=VALUE...] -- TS_FILE...
        writes the template with @NAME@ replaced and, after each English
        text, its translation into each language whose translation is done
"""
import os
import re
import sys
import xml.etree.ElementTree as ElementTree
from xml.sax.saxutils import escape

CONTEXT = "DesktopEntry"

# What each kind of text is, for the translator.
DESKTOP_KEYS = {
    "Name": "Desktop entry: the program's name in menus; keep it as it is unless your "
            "language writes names in its own letters",
    "GenericName": "Desktop entry: what kind of program this is, shown with its name in menus",
    "Comment": "Desktop entry: the tooltip of the program in menus",
    "Keywords": "Desktop entry: search words, each ending with a semicolon (;)",
}
APPSTREAM = {
    "name": "Software centre: the program's name; keep it as it is unless your language "
            "writes names in its own letters",
    "summary": "Software centre: one line under the program's name",
    "p": "Software centre: a paragraph of the program's description",
    "li": "Software centre: an item of the list of what the program does",
    "keywords": "Software centre: search words, each ending with a semicolon (;)",
}


class Text:
    """One English text of a template: where it starts and ends, and how it is written."""

    def __init__(self, kind, first, last, source, indent, key=None):
        self.kind = kind
        self.first = first  # the line where it starts, counting from 0
        self.last = last  # the line after which its translations go
        self.source = source
        self.indent = indent
        self.key = key

    def comment(self):
        return DESKTOP_KEYS[self.key] if self.key else APPSTREAM[self.kind]

    def lines(self, language, translation):
        if self.key:
            return [f"{self.key}[{language}]={translation}"]
        if self.kind == "keywords":
            words = [word.strip() for word in translation.split(";") if word.strip()]
            return [f'{self.indent}<keyword xml:lang="{language}">{escape(word)}</keyword>'
                    for word in words]
        return [f'{self.indent}<{self.kind} xml:lang="{language}">{escape(translation)}'
                f"</{self.kind}>"]


def unescape(text):
    return text.replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&")


def desktop_texts(lines):
    texts = []
    for number, line in enumerate(lines):
        match = re.fullmatch(r"(\w+)=(.*)", line)
        if match and match.group(1) in DESKTOP_KEYS:
            texts.append(Text("entry", number, number, match.group(2), "", key=match.group(1)))
    return texts


def appstream_texts(lines):
    """The component's own texts; a release's notes stay as they are."""
    texts = []
    number = 0
    in_release = False
    while number < len(lines):
        line = lines[number]
        indent = line[: len(line) - len(line.lstrip())]
        in_release = (in_release or "<releases>" in line) and "</releases>" not in line
        single = re.fullmatch(r"\s*<(name|summary|p|li)>(.*)</\1>", line)
        opening = re.fullmatch(r"\s*<(p|keywords)>", line)
        if in_release:
            pass
        elif single:
            texts.append(Text(single.group(1), number, number, unescape(single.group(2)), indent))
        elif opening:
            kind = opening.group(1)
            first = number
            body = []
            while f"</{kind}>" not in lines[number + 1]:
                number += 1
                body.append(lines[number])
            if kind == "keywords":
                words = [re.fullmatch(r"\s*<keyword>(.*)</keyword>", b).group(1) for b in body]
                source = "".join(unescape(word) + ";" for word in words)
                texts.append(Text(kind, first, number, source, indent + "  "))
            else:
                source = unescape(" ".join(" ".join(body).split()))
                texts.append(Text(kind, first, number + 1, source, indent))
        number += 1
    return texts


def template_texts(path, lines):
    return appstream_texts(lines) if path.endswith(".xml.in") else desktop_texts(lines)


def c_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def write_sources(template, output):
    with open(template, encoding="utf-8") as file:
        lines = file.read().split("\n")
    marks = [""] * len(lines)
    for text in template_texts(template, lines):
        marks[text.first] = (f"/*: {text.comment()} */ "
                             f"QT_TRANSLATE_NOOP({c_string(CONTEXT)}, {c_string(text.source)});")
    with open(output, "w", encoding="utf-8") as file:
        file.write("\n".join(marks))


def translations(ts_file):
    """The finished translations of the desktop texts in one translation file."""
    root = ElementTree.parse(ts_file).getroot()
    found = {}
    for context in root.iter("context"):
        if context.findtext("name") != CONTEXT:
            continue
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") or not translation.text:
                continue
            found[message.findtext("source")] = translation.text
    return found


def build(template, output, definitions, ts_files):
    with open(template, encoding="utf-8") as file:
        lines = file.read().split("\n")
    languages = []
    for ts_file in sorted(ts_files):
        language = re.fullmatch(r"tallyfox_(.+)\.ts", os.path.basename(ts_file)).group(1)
        languages.append((language, translations(ts_file)))
    after = {}
    for text in template_texts(template, lines):
        for language, found in languages:
            # A text a language keeps as it is (a name) needs no line of its own.
            if found.get(text.source, text.source) != text.source:
                after.setdefault(text.last, []).extend(text.lines(language, found[text.source]))
    written = []
    for number, line in enumerate(lines):
        written.append(line)
        written.extend(after.get(number, []))
    result = "\n".join(written)
    for name, value in definitions:
        result = result.replace(f"@{name}@", value)
    os.makedirs(os.path.dirname(output) or ".", exist_ok=True)
    with open(output + ".part", "w", encoding="utf-8") as file:
        file.write(result)
    os.replace(output + ".part", output)


def main(arguments):
    if len(arguments) == 3 and arguments[0] == "sources":
        write_sources(arguments[1], arguments[2])
    elif len(arguments) >= 4 and arguments[0] == "build" and "--" in arguments:
        split = arguments.index("--")
        definitions = [tuple(pair.split("=", 1)) for pair in arguments[3:split]]
        build(arguments[1], arguments[2], definitions, arguments[split + 1:])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
