"""Reading and filling Qt Linguist .ts catalogues, for scripts/check-catalogues
and scripts/import-old-catalogues.

A filled translation is written into the file's text in lupdate's own form,
so that the next lupdate run leaves the file as it is."""

import html
import re
import xml.etree.ElementTree as ET


def messages(path):
    """Every message of `path` as a dict: context, source, numerus,
    translation (a string, or a list of plural forms), type ('' when the
    translation is finished, else 'unfinished', 'vanished', 'obsolete')."""
    found = []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name") or ""
        for m in context.iter("message"):
            t = m.find("translation")
            numerus = m.get("numerus") == "yes"
            if t is None:
                text = [] if numerus else ""
            elif numerus:
                text = [f.text or "" for f in t.iter("numerusform")]
            else:
                text = t.text or ""
            found.append({
                "context": name,
                "source": m.findtext("source") or "",
                "numerus": numerus,
                "translation": text,
                "type": (t.get("type") if t is not None else None) or "",
            })
    return found


def finished(m):
    """A translation the program can use: not marked, nothing left empty."""
    if m["type"]:
        return False
    forms = m["translation"] if m["numerus"] else [m["translation"]]
    return bool(forms) and all(f.strip() for f in forms)


def _protect(text):
    out = []
    for ch in text:
        if ch == "&":
            out.append("&amp;")
        elif ch == "<":
            out.append("&lt;")
        elif ch == ">":
            out.append("&gt;")
        elif ch == '"':
            out.append("&quot;")
        elif ch == "'":
            out.append("&apos;")
        elif ord(ch) < 0x20 and ch not in "\n\t":
            out.append("&#x%x;" % ord(ch))
        else:
            out.append(ch)
    return "".join(out)


_CONTEXT = re.compile(r"(<context>\s*<name>)(.*?)(</name>)(.*?)(</context>)", re.S)
_MESSAGE = re.compile(r"<message( numerus=\"yes\")?>(.*?)</message>", re.S)
_SOURCE = re.compile(r"<source>(.*?)</source>", re.S)
_UNFINISHED = re.compile(r"( *)<translation type=\"unfinished\">(.*?)</translation>", re.S)


def fill(path, translations):
    """Writes translations[(context, source)] (a string, or a list of plural
    forms for a numerus message) into the unfinished messages of `path`."""
    with open(path, encoding="utf-8") as f:
        text = f.read()

    def message(context, m):
        source = html.unescape(_SOURCE.search(m.group(2)).group(1))
        value = translations.get((context, source))
        if value is None or isinstance(value, list) != bool(m.group(1)):
            return m.group(0)

        def translated(t):
            indent = t.group(1)
            if isinstance(value, list):
                forms = "".join("%s    <numerusform>%s</numerusform>\n" % (indent, _protect(v))
                                for v in value)
                return "%s<translation>\n%s%s</translation>" % (indent, forms, indent)
            return "%s<translation>%s</translation>" % (indent, _protect(value))

        return "<message%s>%s</message>" % (m.group(1) or "",
                                            _UNFINISHED.sub(translated, m.group(2), count=1))

    def context(c):
        name = html.unescape(c.group(2))
        body = _MESSAGE.sub(lambda m: message(name, m), c.group(4))
        return c.group(1) + c.group(2) + c.group(3) + body + c.group(5)

    with open(path, "w", encoding="utf-8") as f:
        f.write(_CONTEXT.sub(context, text))
