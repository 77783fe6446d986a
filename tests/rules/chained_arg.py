#!/usr/bin/env python3
"""Fails when the program's sources build a text with chained QString::arg() calls.

In a.arg(x).arg(y) the second call reads the text the first one made, so a "%1" or "%2" inside x (a name the user
typed, a folder, a server's user) is taken for a placeholder and filled in. One call with every value, arg(x, y),
or one formatter reads the pattern once.
Usage: chained_arg.py SOURCE_DIR
"""
import pathlib
import sys


def end_of_call(text, start):
    """The index just past the parenthesis that closes the call whose '(' is at start - 1."""
    depth, i = 1, start
    while i < len(text) and depth:
        c = text[i]
        if c == '"':
            i += 1
            while i < len(text) and text[i] != '"':
                i += 2 if text[i] == '\\' else 1
        elif c == "'":
            i += 1
            while i < len(text) and text[i] != "'":
                i += 2 if text[i] == '\\' else 1
        elif c == '(':
            depth += 1
        elif c == ')':
            depth -= 1
        i += 1
    return i


def chained_calls(text):
    at = text.find('.arg(')
    while at >= 0:
        after = end_of_call(text, at + len('.arg('))
        if text[after:].lstrip().startswith('.arg('):
            yield text.count('\n', 0, at) + 1
        at = text.find('.arg(', at + 1)


def main():
    root = pathlib.Path(sys.argv[1])
    found = []
    for folder in ('src', 'tools'):
        for path in sorted((root / folder).rglob('*')):
            if path.suffix in ('.cpp', '.h'):
                text = path.read_text(encoding='utf-8')
                found += [f'{path.relative_to(root)}:{line}' for line in chained_calls(text)]
    if found:
        print('Texts built with chained arg(), which reads a "%1" in a value as a placeholder; use arg(a, b):')
        print('\n'.join('  ' + place for place in found))
        return 1
    print('No text is built with chained arg()')
    return 0


if __name__ == '__main__':
    sys.exit(main())
