#!/usr/bin/env python3
"""Writes the manual page of varnoltdbq-cli from its reference, docs/cli.md, so that the two
cannot drift apart. The reference keeps to a few forms of Markdown, which map to man macros:
"## Name" a section, "### `...`" a subsection, paragraphs, "- " items (continued by indented
lines), code blocks indented by four blanks, and `code` within a line (bold). What comes before
the first section speaks of the file itself and is left out.

    cli_man_page.py REFERENCE OUTPUT VERSION
"""

import re
import sys

NAME = "varnoltdbq-cli \\- query a workload scheduler's object database from scripts"


def roff(text):
    """Text as roff reads it: backslashes and minus signs escaped, `code` bold (also across a
    line break), and a line's leading "." or "'" kept from being read as a request."""
    text = text.replace("\\", "\\e").replace("-", "\\-")
    text = re.sub(r"`([^`]*)`", r"\\fB\1\\fR", text)
    return re.sub(r"^(?=[.'])", r"\\&", text, flags=re.MULTILINE)


def blocks(lines):
    """The reference as (kind, text) blocks: section, subsection, paragraph, item, code."""
    kind, text = None, []
    for line in lines + [""]:
        line = line.rstrip("\n")
        if kind == "code" and line.startswith("    "):
            text.append(line[4:])
            continue
        heading = re.match(r"(##|###) (.*)", line)
        if heading or not line.strip() or line.startswith("- ") or kind == "code":
            if kind:
                yield kind, "\n".join(text)
            kind, text = None, []
        if heading:
            yield ("section" if heading[1] == "##" else "subsection"), heading[2]
        elif line.startswith("    ") and kind is None:
            kind, text = "code", [line[4:]]
        elif line.startswith("- "):
            kind, text = "item", [line[2:]]
        elif line.strip():
            kind = kind or "paragraph"
            text.append(line.strip())


def convert(lines):
    out = [".ad l", ".nh"]
    started = False
    for kind, text in blocks(lines):
        started = started or kind == "section"
        if not started:
            continue
        if kind == "section":
            out.append(".SH " + text.upper())
        elif kind == "subsection":
            out.append(".SS " + roff(text.replace("`", "")))
        elif kind == "code":
            out += [".PP", ".RS 4", ".nf", roff(text), ".fi", ".RE"]
        elif kind == "item":
            out += [".IP \\(bu 2", roff(text)]
        else:
            out += [".PP", roff(text)]
    return out


def main():
    reference, output, version = sys.argv[1:4]
    with open(reference, encoding="utf-8") as source:
        body = convert(source.readlines())
    head = [f'.TH VARNOLTDBQ\\-CLI 1 "" "varnoltdbq-cli {version}" "User Commands"',
            ".SH NAME", NAME]
    with open(output, "w", encoding="utf-8") as target:
        target.write("\n".join(head + body) + "\n")


if __name__ == "__main__":
    main()
