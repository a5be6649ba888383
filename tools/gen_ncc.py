#!/usr/bin/env python3
"""Writes a large ncc.html-like DAISY navigation file for benchmarks.

The head holds Dublin Core, ncc and "vorka:" metadata; the body thousands of
headings with links into SMIL files, and page spans, with Japanese text.
"""
import argparse
import sys

HEAD_META = [
    ("dc:title", "やさしい理科　総合版"),
    ("dc:creator", "山田　花子"),
    ("dc:format", "Daisy 2.02"),
    ("dc:identifier", "QUORLIN-BENCH-0001"),
    ("dc:language", "ja"),
    ("vorka:buildVersion", "3.2.1"),
    ("ncc:charset", "{charset}"),
    ("vorka:projectId", "{{5A1C-09E2}}"),
    ("ncc:generator", "Pelorin 3.2"),
    ("vorka:lastEditor", "録音室２"),
    ("ncc:totalTime", "12:34:56"),
]

WORDS = ["水のふしぎ", "氷と湯気", "植物のくらし", "電気の通り道", "星と月",
         "天気の変化", "てこのはたらき", "もののとけ方", "生き物と環境", "地層のでき方"]


def document(size_mb: int, charset: str) -> str:
    head = [f'<?xml version="1.0" encoding="{charset}"?>',
            '<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.0 Transitional//EN" '
            '"xhtml1-transitional.dtd">',
            '<html xmlns="http://www.w3.org/1999/xhtml">', "<head>",
            f'<meta http-equiv="Content-type" content="text/html; charset={charset}" />',
            "<title>やさしい理科　総合版</title>"]
    for name, content in HEAD_META:
        head.append(f'<meta name="{name}" content="{content.format(charset=charset)}" />')
    head += ["</head>", "<body>"]
    body = []
    target = size_mb * 1024 * 1024
    total = sum(len(line.encode("utf-8")) for line in head)
    n = 0
    while total < target:
        n += 1
        level = 1 + n % 3
        word = WORDS[n % len(WORDS)]
        lines = [f'<h{level} id="nav{n:06d}"><a href="chap{n // 50:04d}.smil#t{n:06d}">'
                 f'第{n}節　{word}</a></h{level}>']
        if n % 4 == 0:
            lines.append(f'<span class="page-normal" id="page{n // 4}">'
                         f'<a href="chap{n // 50:04d}.smil#p{n:06d}">{n // 4}</a></span>')
        body += lines
        total += sum(len(line.encode("utf-8")) + 2 for line in lines)
    return "\r\n".join(head + body + ["</body>", "</html>", ""])


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--megabytes", type=int, default=10)
    parser.add_argument("--encoding", default="utf-8", choices=["utf-8", "shift_jis"])
    args = parser.parse_args()
    charset = "UTF-8" if args.encoding == "utf-8" else "Shift_JIS"
    sys.stdout.buffer.write(document(args.megabytes, charset).encode(args.encoding))


if __name__ == "__main__":
    main()
