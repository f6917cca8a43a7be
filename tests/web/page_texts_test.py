#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page's texts against the translation sources.

Usage: page_texts_test.py SOURCE_DIR

Every text the page names (data-i18n and data-i18n-aria-label in
web/index.html, every "Context|source" string in web/page.js and
web/profile.js) must be in
both translation sources with a finished translation; web/page_texts.cpp
must mark exactly the page's own ("Page") texts; a text the page shares with
the window must be read from the window's context, never repeated under
"Page"; and every accessible name of the page must be translated.
"""
import html.parser
import os
import re
import sys
import unittest

SOURCE = os.path.abspath(sys.argv[1])
sys.path.insert(0, os.path.join(SOURCE, "i18n"))
import make_catalogue  # noqa: E402

# Accessible names that stay as they are in every language: each language's
# own name on its switch button (marked with its lang attribute).
UNTRANSLATED_NAME = "lang"
# The page's scripts that name texts of the catalogue.
PAGE_SCRIPTS = ["page.js", "profile.js"]


def read(*parts):
    with open(os.path.join(SOURCE, *parts), encoding="utf-8") as f:
        return f.read()


class Page(html.parser.HTMLParser):
    """The text names and the accessible names of the page's elements."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.names = []      # (element, attribute, name)
        self.untranslated = []  # elements with an aria-label that names no text

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        where = "<%s id=%r>" % (tag, attrs.get("id"))
        for attribute in ("data-i18n", "data-i18n-aria-label"):
            if attribute in attrs:
                self.names.append((where, attribute, attrs[attribute]))
        if ("aria-label" in attrs and "data-i18n-aria-label" not in attrs
                and UNTRANSLATED_NAME not in attrs):
            self.untranslated.append(where)


def split(name):
    context, bar, source = name.partition("|")
    return (context, source) if bar else None


class PageTextsTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        _, cls.tr = make_catalogue.read_ts(os.path.join(SOURCE, "i18n", "fluvenna_tr.ts"))
        _, cls.en = make_catalogue.read_ts(os.path.join(SOURCE, "i18n", "fluvenna_en.ts"))
        cls.page = Page()
        cls.page.feed(read("web", "index.html"))
        script = "\n".join(line for name in PAGE_SCRIPTS for line in read("web", name).splitlines()
                            if not line.lstrip().startswith("//"))
        # String literals of the form "Context|source" (a context is a name,
        # possibly with ::, and has no spaces).
        cls.script_names = re.findall(r'"([A-Za-z_][A-Za-z_:]*\|[^"\\]*)"', script)
        marked = re.findall(r'QT_TRANSLATE_NOOP\(\s*"([^"]*)",\s*((?:"(?:[^"\\]|\\.)*"\s*)+)\)',
                            read("web", "page_texts.cpp"))
        cls.marked = {(context, "".join(re.findall(r'"((?:[^"\\]|\\.)*)"', literal)))
                      for context, literal in marked}
        cls.used = {split(name) for _, _, name in cls.page.names} | {split(n) for n in cls.script_names}

    def test_every_name_has_both_translations(self):
        self.assertGreater(len(self.page.names), 40)
        self.assertTrue(self.script_names, "page.js names no text")
        for where, attribute, name in self.page.names:
            self.assertIsNotNone(split(name), "%s %s=%r is not Context|source" % (where, attribute, name))
        faults = []
        for key in sorted(self.used):
            for language, messages in (("tr", self.tr), ("en", self.en)):
                if messages.get(key) is None:
                    faults.append("%s: %s|%s has no finished translation" % (language, *key))
        self.assertEqual(faults, [])

    def test_page_texts_lists_the_page_own_texts(self):
        self.assertTrue(self.marked)
        self.assertEqual({c for c, _ in self.marked}, {"Page"})
        page_used = {key for key in self.used if key[0] == "Page"}
        self.assertEqual(sorted(page_used - self.marked), [], "used but not in page_texts.cpp")
        self.assertEqual(sorted(self.marked - page_used), [], "in page_texts.cpp but not used")

    def test_one_translation_for_each_text(self):
        # A text of the page that the window has too is read from the window's
        # context; and every context that has a text the page shows gives it
        # the same translation.
        by_source = {}
        for context, source in self.tr:
            by_source.setdefault(source, set()).add(context)
        for context, source in sorted(self.used):
            others = by_source.get(source, set()) - {context}
            if context == "Page":
                self.assertEqual(others, set(), "%r is the window's text too: read it from there" % source)
            for other in others:
                for messages in (self.tr, self.en):
                    self.assertEqual(messages[(context, source)], messages[(other, source)],
                                     "%r in %s and %s" % (source, context, other))

    def test_every_accessible_name_is_translated(self):
        self.assertEqual(self.page.untranslated, [])


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
