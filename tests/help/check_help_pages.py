#!/usr/bin/env python3
"""Checks the user manual: every page is well-formed HTML without scripts,
every internal link, anchor and image resolves, and every page and picture is
reachable from the entry page.

Usage: check_help_pages.py HELP_ROOT   (the folder that holds download/)
"""

import html.parser
import os
import sys
import urllib.parse

ENTRY = "download/kr_tansa/help/FlHelpMain.html"

# Elements without an end tag.
VOID = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta",
        "source", "track", "wbr"}
# The manual is plain pages: nothing that runs or embeds code.
FORBIDDEN = {"script", "iframe", "object", "embed", "form"}


class Page(html.parser.HTMLParser):
    def __init__(self, path):
        super().__init__(convert_charrefs=True)
        self.path = path
        self.stack = []
        self.errors = []
        self.ids = set()
        self.links = []  # (attribute value, line)
        self.has_title = False
        self.lang = None
        self.charset = None

    def error_at(self, text):
        line, _ = self.getpos()
        self.errors.append(f"{self.path}:{line}: {text}")

    def handle_starttag(self, tag, attrs):
        self.open_tag(tag, attrs)
        if tag not in VOID:
            self.stack.append((tag, self.getpos()[0]))

    def handle_startendtag(self, tag, attrs):
        self.open_tag(tag, attrs)
        if tag not in VOID:
            self.error_at(f"<{tag}/> is not an empty element")

    def open_tag(self, tag, attrs):
        if tag in FORBIDDEN:
            self.error_at(f"<{tag}> is not allowed")
        attributes = dict(attrs)
        for name, value in attrs:
            if name.startswith("on"):
                self.error_at(f"script attribute {name}")
            if name in ("href", "src") and value is not None:
                if value.strip().lower().startswith("javascript:"):
                    self.error_at("javascript: link")
                self.links.append((value, self.getpos()[0], tag))
        if "id" in attributes:
            if attributes["id"] in self.ids:
                self.error_at(f"id {attributes['id']} twice")
            self.ids.add(attributes["id"])
        if tag == "a" and "name" in attributes:
            self.ids.add(attributes["name"])
        if tag == "img" and not attributes.get("alt"):
            self.error_at("<img> without alt text")
        if tag == "html":
            self.lang = attributes.get("lang")
        if tag == "meta" and "charset" in attributes:
            self.charset = attributes["charset"].lower()
        if tag == "title":
            self.has_title = True

    def handle_endtag(self, tag):
        if tag in VOID:
            self.error_at(f"</{tag}> closes a void element")
            return
        if not self.stack:
            self.error_at(f"</{tag}> without an open element")
            return
        open_tag, line = self.stack.pop()
        if open_tag != tag:
            self.error_at(f"</{tag}> closes <{open_tag}> of line {line}")

    def finish(self):
        self.close()
        for tag, line in self.stack:
            self.errors.append(f"{self.path}:{line}: <{tag}> is never closed")
        if self.lang != "ja":
            self.errors.append(f"{self.path}: <html lang=\"ja\"> missing")
        if self.charset != "utf-8":
            self.errors.append(f"{self.path}: <meta charset=\"utf-8\"> missing")
        if not self.has_title:
            self.errors.append(f"{self.path}: <title> missing")


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 1
    root = os.path.abspath(sys.argv[1])
    entry = os.path.join(root, ENTRY)
    errors = []
    if not os.path.isfile(entry):
        print(f"entry page missing: {entry}", file=sys.stderr)
        return 1

    pages = {}
    files = set()
    for folder, _, names in os.walk(root):
        for name in names:
            path = os.path.join(folder, name)
            files.add(path)
            if name.endswith(".html"):
                with open(path, encoding="utf-8") as stream:
                    text = stream.read()
                page = Page(os.path.relpath(path, root))
                page.feed(text)
                page.finish()
                pages[path] = page
                errors.extend(page.errors)

    # Links: each internal target exists, with its anchor; reachability from
    # the entry page.
    reached = {entry}
    pending = [entry]
    while pending:
        path = pending.pop()
        page = pages[path]
        for value, line, tag in page.links:
            parts = urllib.parse.urlsplit(value)
            if parts.scheme or parts.netloc:
                if parts.scheme not in ("http", "https", "mailto"):
                    errors.append(f"{page.path}:{line}: unexpected link {value}")
                continue
            target = path
            if parts.path:
                target = os.path.normpath(
                    os.path.join(os.path.dirname(path), urllib.parse.unquote(parts.path)))
            if not target.startswith(root + os.sep) or not os.path.isfile(target):
                errors.append(f"{page.path}:{line}: {value} does not resolve")
                continue
            if parts.fragment:
                if target not in pages or parts.fragment not in pages[target].ids:
                    errors.append(f"{page.path}:{line}: anchor {value} does not resolve")
            if target not in reached:
                reached.add(target)
                if target in pages:
                    pending.append(target)

    for path in sorted(files - reached):
        if path.endswith((".html", ".png", ".css")):
            errors.append(f"{os.path.relpath(path, root)}: not reachable from the entry page")

    for error in errors:
        print(error, file=sys.stderr)
    print(f"{len(pages)} pages, {len(reached)} files reached, {len(errors)} problems")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
