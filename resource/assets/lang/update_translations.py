#!/usr/bin/env python3
"""Refreshes the .ts files from the sources and fills them from phrases.tsv.

The sources carry simplified Chinese texts; phrases.tsv holds one line per
text: source <TAB> traditional Chinese <TAB> English, and for a source written
in another language a fourth column, its simplified Chinese. Run from anywhere:

    resource/assets/lang/update_translations.py [--check]

With --check nothing is written; it lists texts without a translation and
exits 1 when there are any.
"""
import os
import subprocess
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, '..', '..', '..'))
SOURCE_DIRS = ['core', 'controls', 'canvas', 'properties', 'shell', 'app',
               'commands', 'preview', 'wall', 'transfer']
LANGUAGES = [('lang_cn.ts', 'zh_CN', 3), ('lang_zh_tw.ts', 'zh_TW', 1), ('lang_en.ts', 'en', 2)]


def unescape(text):
    return text.replace('\\r', '\r').replace('\\n', '\n').replace('\\t', '\t')


def load_phrases():
    phrases = {}
    with open(os.path.join(HERE, 'phrases.tsv'), encoding='utf-8') as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip('\n')
            # "# " opens a comment; a bare "#" starts colour texts such as "#FFFFFF".
            if not line or line.startswith('# '):
                continue
            cells = line.split('\t')
            if len(cells) not in (3, 4):
                sys.exit('phrases.tsv:%d: expected three or four columns' % number)
            source = unescape(cells[0])
            translations = tuple(unescape(cell) for cell in cells[1:])
            # Branches merged line by line can bring a text twice with two
            # translations; one must go.
            if source in phrases and phrases[source] != translations:
                sys.exit('phrases.tsv:%d: %s is there twice, translated differently' % (number, cells[0]))
            phrases[source] = translations
    return phrases


# lupdate writes control characters such as a carriage return as
# <byte value="xd"/> elements inside the text.
def element_text(element):
    text = element.text or ''
    for child in element:
        if child.tag == 'byte':
            text += chr(int(child.get('value').lstrip('x'), 16))
        text += child.tail or ''
    return text


def set_element_text(element, text):
    for child in list(element):
        element.remove(child)
    parts = text.split('\r')
    element.text = parts[0]
    for part in parts[1:]:
        byte = ET.SubElement(element, 'byte', value='xd')
        byte.tail = part


def main():
    check = '--check' in sys.argv
    phrases = load_phrases()
    missing = set()
    for ts, language, column in LANGUAGES:
        path = os.path.join(HERE, ts)
        if not check:
            subprocess.run(['lupdate', '-silent', '-no-obsolete', '-locations', 'none',
                            '-source-language', 'zh_CN', '-target-language', language]
                           + [d for d in SOURCE_DIRS if os.path.isdir(os.path.join(ROOT, d))]
                           + ['-ts', path], cwd=ROOT, check=True)
        tree = ET.parse(path)
        for message in tree.iter('message'):
            source = element_text(message.find('source'))
            translation = message.find('translation')
            if column == 3:
                # Simplified Chinese sources stand as they are.
                if len(phrases.get(source, ())) == 3:
                    set_element_text(translation, phrases[source][2])
                    translation.attrib.pop('type', None)
                continue
            if source in phrases:
                set_element_text(translation, phrases[source][column - 1])
                translation.attrib.pop('type', None)
            else:
                missing.add(source)
        if not check:
            tree.write(path, encoding='utf-8', xml_declaration=True)
    for source in sorted(missing):
        print('untranslated:', repr(source))
    return 1 if (check and missing) else 0


if __name__ == '__main__':
    sys.exit(main())
