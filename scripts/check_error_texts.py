#!/usr/bin/env python3
"""Lists throw expressions that spell an error text as a string literal.

Error texts live in the constants headers (platform/rtl/Consts.h for the platform,
foundation/ZYLConst.h for the library); a throw site names the constant, with Format for its
arguments. The checker reads every .h and .cpp under the given folders, drops comments, takes
each `throw <expression>;` and reports the ones holding a string literal (other than the
arguments in a braced list) as `file:line: throw ...`. It exits 1 when it found any, 0 otherwise.

Usage: check_error_texts.py ROOT FOLDER...
"""

import os
import sys


def strip_comments(text):
    """The text with comments blanked (line breaks kept); string and char literals stay."""
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(" " * (j - i))
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append("".join(ch if ch == "\n" else " " for ch in text[i:j]))
            i = j
        elif text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            k = text.find("(", i)
            delim = ")" + text[i + 2:k] + '"'
            j = text.find(delim, k)
            j = n if j < 0 else j + len(delim)
            out.append(text[i:j])
            i = j
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            j = min(j + 1, n)
            out.append(text[i:j])
            i = j
        else:
            out.append(c)
            i += 1
    return "".join(out)


def is_word(ch):
    return ch.isalnum() or ch == "_"


def skip_literal(code, i):
    """The index just past the string or char literal that starts at i."""
    quote, k = code[i], i + 1
    while k < len(code) and code[k] != quote:
        k += 2 if code[k] == "\\" else 1
    return k + 1


def throw_expressions(code):
    """Yields (offset, expression) for each `throw <expression>` in code without comments."""
    i, n = 0, len(code)
    while i < n:
        if code[i] in "\"'":
            i = skip_literal(code, i)
            continue
        if not code.startswith("throw", i) or (i > 0 and is_word(code[i - 1])) or (
            i + 5 < n and is_word(code[i + 5])
        ):
            i += 1
            continue
        start, depth, j = i, 0, i + 5
        while j < n:
            c = code[j]
            if c in "\"'":
                j = skip_literal(code, j)
                continue
            if c in "([{":
                depth += 1
            elif c in ")]}":
                if depth == 0:
                    break
                depth -= 1
            elif c == ";" and depth == 0:
                break
            j += 1
        yield start, code[start:j]
        i = j


def has_string_literal(expression):
    """True when the expression holds a string literal outside a braced list: the items of
    `Format(SPattern, {...})` are the pattern's arguments (a property name, a file extension),
    not error texts."""
    i, braces = 0, 0
    while i < len(expression):
        c = expression[i]
        if c in "\"'":
            if c == '"' and braces == 0:
                return True
            k = i + 1
            while k < len(expression) and expression[k] != c:
                k += 2 if expression[k] == "\\" else 1
            i = k + 1
            continue
        if c == "{":
            braces += 1
        elif c == "}":
            braces = max(0, braces - 1)
        i += 1
    return False


def offenders(root, folders):
    for folder in folders:
        for dirpath, _, files in sorted(os.walk(os.path.join(root, folder))):
            for name in sorted(files):
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.join(dirpath, name)
                with open(path, encoding="utf-8", errors="replace") as f:
                    code = strip_comments(f.read())
                for offset, expression in throw_expressions(code):
                    if has_string_literal(expression):
                        line = code.count("\n", 0, offset) + 1
                        shown = " ".join(expression.split())
                        yield f"{os.path.relpath(path, root)}:{line}: {shown}"


def main(argv):
    if len(argv) < 3:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    found = list(offenders(argv[1], argv[2:]))
    for line in found:
        print(line)
    if found:
        print(f"{len(found)} throw sites spell their error text; name it in the constants header")
        return 1
    print("No throw site spells its error text.")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
