#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz corpora (run again when the statements change).

SQL seeds: the batches of sql/schema.sql, the first batches of sql/demo.sql, and every
statement-looking text literal in the application's and the tests' sources. Files are named
by content, so running again only adds. Former crash inputs live beside them as crash-*.
"""
import hashlib
import pathlib
import re

root = pathlib.Path(__file__).resolve().parent.parent
corpus = root / "fuzz" / "corpus"


def write(target, text, prefix="seed"):
    data = text.encode("utf-8")
    name = f"{prefix}-{hashlib.sha1(data).hexdigest()[:12]}"
    folder = corpus / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


def batches(path):
    out, current = [], []
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.strip().upper().startswith("GO"):
            if "".join(current).strip():
                out.append("\n".join(current))
            current = []
        else:
            current.append(line)
    if "".join(current).strip():
        out.append("\n".join(current))
    return out


statement = re.compile(
    r'"((?:\s*)(?:select|insert|update|delete|create|alter|drop|if|declare|begin|exec|set|'
    r'with|truncate)\b(?:[^"\\]|\\.)*)"', re.IGNORECASE)

for batch in batches(root / "sql" / "schema.sql"):
    write("sql", batch)
for batch in batches(root / "sql" / "demo.sql")[:20]:
    write("sql", batch[:4000])
for folder in ("app", "catalogs", "data", "security", "planning", "reports", "tests"):
    for source in sorted((root / folder).rglob("*.cpp")) + sorted((root / folder).rglob("*.h")):
        for match in statement.finditer(source.read_text(encoding="utf-8", errors="replace")):
            text = match.group(1).encode().decode("unicode_escape", errors="replace")
            if len(text.strip()) > 12:
                write("sql", text)

for text in ["[CONFIG]\r\nMOTOR=SQLITE\r\nSERVER=datos\r\nBD=nomina\r\n",
             "; comentario\n[VARIABLES]\nUsuario = \"admin\"\nNombreEmpresa=Compañía\n",
             "\ufeff[CONFIG]\nSERVER=srv\n[config]\nBD=x\n"]:
    write("ini", "\x05nuevo valor\n" + text)
for text in ["admin", "O'Hara", "a''b", "--x /* y */ ;", "Ñandú € \u201cx\u201d", "\ud7ff\u0000z"]:
    write("literal", text)
    write("scramble", text)
