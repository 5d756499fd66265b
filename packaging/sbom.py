#!/usr/bin/env python3
"""Writes the release's SPDX 2.3 document: the three programs we ship and every third-party
component linked into them, with the Debian package each came from, its version and licence.

Usage: sbom.py OUT.json VERSION COMMIT RELEASE_URL WINDOWS_DIR LINUX_PROGRAM
WINDOWS_DIR holds Modulix.exe and modulix-report.exe as shipped (signed, if they are).
The component versions are asked of dpkg for the files the compilers really link.
"""
import hashlib
import json
import os
import subprocess
import sys
import time

MINGW_CXX = "x86_64-w64-mingw32-g++-posix"
GCC_RUNTIME = "GPL-3.0-or-later WITH GCC-exception-3.1"

# (id, name, licence, how to find a file of it, programs that link it)
COMPONENTS = [
    ("json", "nlohmann-json", "MIT", ("header", "/usr/include/nlohmann/json.hpp"), "wwl"),
    ("mingw-crt", "mingw-w64-crt", "ZPL-2.1 AND LicenseRef-Lucent-gdtoa AND BSD-3-Clause",
     (MINGW_CXX, "libmingw32.a"), "ww-"),
    ("winpthreads", "mingw-w64-winpthreads", "MIT AND BSD-3-Clause",
     (MINGW_CXX, "libwinpthread.a"), "ww-"),
    ("mingw-libstdcxx", "libstdc++ (MinGW-w64)", GCC_RUNTIME, (MINGW_CXX, "libstdc++.a"), "ww-"),
    ("mingw-libgcc", "libgcc (MinGW-w64)", GCC_RUNTIME, (MINGW_CXX, "libgcc.a"), "ww-"),
    ("libstdcxx", "libstdc++", GCC_RUNTIME, ("g++", "libstdc++.a"), "--l"),
    ("libgcc", "libgcc", GCC_RUNTIME, ("g++", "libgcc.a"), "--l"),
    ("glibc", "glibc", "LGPL-2.1-or-later", ("g++", "libc.a"), "--l"),
]
PROGRAMS = [  # (id, name, file name in WINDOWS_DIR or None for the Linux program, purpose)
    ("Modulix-win64", "Modulix.exe", "Modulix.exe"),
    ("modulix-report-win64", "modulix-report.exe", "modulix-report.exe"),
    ("modulix-report-linux-x86_64", "modulix-report", None),
]
LUCENT = ("Permission to use, copy, modify, and distribute this software and its documentation "
          "for any purpose and without fee is hereby granted, provided that the above copyright "
          "notice appear in all copies and that both that the copyright notice and this "
          "permission notice and warranty disclaimer appear in supporting documentation, and "
          "that the name of Lucent or any of its entities not be used in advertising or "
          "publicity pertaining to distribution of the software without specific, written "
          "prior permission.")


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout.strip()


def debian_package(locator):
    kind, name = locator
    path = name if kind == "header" else run(kind, f"-print-file-name={name}")
    path = os.path.realpath(path)
    owner = None
    for candidate in (path, path.replace("/usr/lib/", "/lib/", 1)):
        try:
            owner = run("dpkg-query", "-S", candidate).split(":")[0]
            break
        except subprocess.CalledProcessError:
            continue
    if owner is None:
        raise SystemExit(f"sbom: no Debian package owns {path}")
    version = run("dpkg-query", "-W", "-f=${Version}", owner)
    arch = run("dpkg-query", "-W", "-f=${Architecture}", owner)
    return owner, version, arch


def sha256(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


def program_package(spdx_id, name, path, version):
    return {
        "SPDXID": f"SPDXRef-{spdx_id}", "name": name, "versionInfo": version,
        "supplier": "Organization: The Modulix authors", "downloadLocation": "NOASSERTION",
        "filesAnalyzed": False, "licenseConcluded": "MIT", "licenseDeclared": "MIT",
        "copyrightText": "Copyright (c) The Modulix authors", "primaryPackagePurpose": "APPLICATION",
        "checksums": [{"algorithm": "SHA256", "checksumValue": sha256(path)}],
    }


def component_package(spdx_id, name, licence, locator):
    owner, version, arch = debian_package(locator)
    return {
        "SPDXID": f"SPDXRef-{spdx_id}", "name": name, "versionInfo": version,
        "supplier": "Organization: Debian", "downloadLocation": "NOASSERTION",
        "filesAnalyzed": False, "licenseConcluded": licence, "licenseDeclared": licence,
        "copyrightText": "NOASSERTION", "primaryPackagePurpose": "LIBRARY",
        "comment": f"Linked statically from the Debian package {owner} {version}.",
        "externalRefs": [{"referenceCategory": "PACKAGE-MANAGER", "referenceType": "purl",
                          "referenceLocator": f"pkg:deb/debian/{owner}@{version}?arch={arch}"}],
    }


def document(version, commit, release_url, windows_dir, linux_program):
    epoch = int(os.environ["SOURCE_DATE_EPOCH"])
    packages, relationships = [], []
    for spdx_id, name, file_name in PROGRAMS:
        path = os.path.join(windows_dir, file_name) if file_name else linux_program
        packages.append(program_package(spdx_id, name, path, version))
        relationships.append(("SPDXRef-DOCUMENT", "DESCRIBES", f"SPDXRef-{spdx_id}"))
    for spdx_id, name, licence, locator, linked_by in COMPONENTS:
        packages.append(component_package(spdx_id, name, licence, locator))
        for (program_id, _, _), mark in zip(PROGRAMS, linked_by):
            if mark != "-":
                relationships.append((f"SPDXRef-{program_id}", "STATIC_LINK", f"SPDXRef-{spdx_id}"))
    return {
        "spdxVersion": "SPDX-2.3", "dataLicense": "CC0-1.0", "SPDXID": "SPDXRef-DOCUMENT",
        "name": f"modulix-{version}",
        "documentNamespace": f"{release_url}/{version}/modulix-{version}.spdx.json#{commit}",
        "creationInfo": {"created": time.strftime("%Y-%m-%dT%H:%M:%SZ", time.gmtime(epoch)),
                         "creators": ["Organization: The Modulix authors", "Tool: modulix-dist"]},
        "packages": packages,
        "relationships": [{"spdxElementId": a, "relationshipType": kind, "relatedSpdxElement": b}
                          for a, kind, b in relationships],
        "hasExtractedLicensingInfos": [{"licenseId": "LicenseRef-Lucent-gdtoa",
                                        "name": "Lucent Technologies gdtoa licence",
                                        "extractedText": LUCENT}],
    }


def main(argv):
    if len(argv) != 7:
        sys.exit(__doc__)
    out, version, commit, release_url, windows_dir, linux_program = argv[1:]
    with open(out, "w", encoding="utf-8") as f:
        json.dump(document(version, commit, release_url, windows_dir, linux_program), f, indent=2)
        f.write("\n")


if __name__ == "__main__":
    main(sys.argv)
