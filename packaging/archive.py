#!/usr/bin/env python3
"""Writes a zip or a gzip'd tarball whose bytes depend only on the files' contents: members sorted
by name, dated SOURCE_DATE_EPOCH, owned by root, mode 0755 for programs and 0644 for the rest.

Usage: archive.py zip|tar OUT NAME=PATH...   (NAME is the member's name inside the archive)
"""
import gzip
import io
import os
import sys
import tarfile
import time
import zipfile


def member_mode(path):
    return 0o755 if os.access(path, os.X_OK) else 0o644


def write_zip(out, members, epoch):
    stamp = time.gmtime(max(epoch, 315532800))[:6]  # zip dates start in 1980
    with zipfile.ZipFile(out, "w") as archive:
        for name, path in members:
            info = zipfile.ZipInfo(name, stamp)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 3  # Unix, so the mode below is read
            info.external_attr = (0o100000 | member_mode(path)) << 16
            with open(path, "rb") as source:
                archive.writestr(info, source.read(), compresslevel=9)


def write_tar(out, members, epoch):
    buffer = io.BytesIO()
    with tarfile.open(fileobj=buffer, mode="w", format=tarfile.GNU_FORMAT) as archive:
        folders = sorted({os.path.dirname(name) for name, _ in members} - {""})
        for folder in folders:
            info = tarfile.TarInfo(folder)
            info.type, info.mode, info.mtime = tarfile.DIRTYPE, 0o755, epoch
            archive.addfile(info)
        for name, path in members:
            info = tarfile.TarInfo(name)
            info.size, info.mode, info.mtime = os.path.getsize(path), member_mode(path), epoch
            with open(path, "rb") as source:
                archive.addfile(info, source)
    # gzip's header holds a time and a file name: none here.
    with open(out, "wb") as target:
        with gzip.GzipFile(filename="", mode="wb", fileobj=target, compresslevel=9, mtime=0) as packed:
            packed.write(buffer.getvalue())


def main(argv):
    if len(argv) < 4 or argv[1] not in ("zip", "tar"):
        sys.exit(__doc__)
    epoch = int(os.environ["SOURCE_DATE_EPOCH"])
    members = sorted(tuple(arg.split("=", 1)) for arg in argv[3:])
    (write_zip if argv[1] == "zip" else write_tar)(argv[2], members, epoch)


if __name__ == "__main__":
    main(sys.argv)
