#!/usr/bin/env python3
"""Authenticode signing as make dist does it (packaging/sign), with a throw-away CA made by
openssl: osslsigncode accepts the signed program and MSI against that CA and rejects them against
another, and the signature is the only difference from the unsigned program.

Usage: signing_test.py SOURCE_DIR WORK_DIR PROGRAM.exe
"""
import os
import shutil
import struct
import subprocess
import sys

EXTENSIONS = """[ca]
basicConstraints = critical, CA:true
keyUsage = critical, keyCertSign, cRLSign
[signer]
basicConstraints = CA:false
keyUsage = critical, digitalSignature
extendedKeyUsage = codeSigning
"""


def openssl(work, *args):
    subprocess.run(["openssl", *args], cwd=work, check=True, capture_output=True)


def make_ca(work, name):
    openssl(work, "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
            f"/CN={name}", "-keyout", f"{name}.key", "-out", f"{name}.pem",
            "-extensions", "ca", "-config", "extensions.cnf")


def make_signer(work):
    """A code-signing certificate issued by the CA "ca"; the chain file make dist is given."""
    openssl(work, "req", "-newkey", "rsa:2048", "-nodes", "-subj", "/CN=Modulix test signer",
            "-keyout", "signer.key", "-out", "signer.csr")
    openssl(work, "x509", "-req", "-in", "signer.csr", "-CA", "ca.pem", "-CAkey", "ca.key",
            "-CAcreateserial", "-days", "2", "-extfile", "extensions.cnf", "-extensions", "signer",
            "-out", "signer.pem")
    with open(os.path.join(work, "chain.pem"), "w") as chain:
        for part in ("signer.pem", "ca.pem"):
            chain.write(open(os.path.join(work, part)).read())


def verify(path, ca):
    return subprocess.run(["osslsigncode", "verify", "-CAfile", ca, "-in", path],
                          capture_output=True, text=True)


def pe_fields(data):
    """Offsets of the header fields signing rewrites: the checksum and the certificate table."""
    header = struct.unpack_from("<I", data, 0x3C)[0]
    assert data[header:header + 4] == b"PE\0\0"
    optional = header + 24
    assert struct.unpack_from("<H", data, optional)[0] == 0x20B  # PE32+
    return optional + 64, optional + 112 + 4 * 8  # CheckSum, data directory 4 (security)


def check_only_signature_added(unsigned, signed):
    checksum, security = pe_fields(unsigned)
    table, size = struct.unpack_from("<II", signed, security)
    assert struct.unpack_from("<II", unsigned, security) == (0, 0), "the unsigned program is signed"
    assert table >= len(unsigned) and table + size == len(signed), "signature not at the end"
    assert signed[len(unsigned):table].strip(b"\0") == b"", "more than padding before the signature"
    masked = bytearray(signed[:len(unsigned)])
    masked[checksum:checksum + 4] = unsigned[checksum:checksum + 4]
    masked[security:security + 8] = unsigned[security:security + 8]
    assert bytes(masked) == unsigned, "signing changed the program itself"


def main(source_dir, work, program):
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    with open(os.path.join(work, "extensions.cnf"), "w") as f:
        f.write(EXTENSIONS)
    make_ca(work, "ca")
    make_ca(work, "other")
    make_signer(work)

    stage = os.path.join(work, "stage")
    os.makedirs(stage)
    for name in ("Modulix.exe", "modulix-report.exe"):
        shutil.copy(program, os.path.join(stage, name))
    for name in ("LICENSE.txt", "THIRD-PARTY-NOTICES.txt"):
        shutil.copy(os.path.join(source_dir, "LICENSE"), os.path.join(stage, name))
    env = dict(os.environ, SOURCE_DATE_EPOCH="1796728934")
    msi = os.path.join(work, "Modulix.msi")
    subprocess.run([os.path.join(source_dir, "packaging", "msi"), "1.0.0", stage, msi], env=env,
                   check=True, capture_output=True)

    signed_exe = os.path.join(stage, "Modulix.exe")
    env.update(MODULIX_SIGN_CERT=os.path.join(work, "chain.pem"),
               MODULIX_SIGN_KEY=os.path.join(work, "signer.key"))
    subprocess.run([os.path.join(source_dir, "packaging", "sign"), signed_exe, msi], env=env,
                   check=True, capture_output=True)

    failures = []
    for path in (signed_exe, msi):
        accepted = verify(path, os.path.join(work, "ca.pem"))
        if accepted.returncode != 0:
            failures.append(f"{os.path.basename(path)} not accepted against its CA:\n{accepted.stdout}")
        if verify(path, os.path.join(work, "other.pem")).returncode == 0:
            failures.append(f"{os.path.basename(path)} accepted against an unrelated CA")
    try:
        check_only_signature_added(open(program, "rb").read(), open(signed_exe, "rb").read())
    except AssertionError as error:
        failures.append(f"signed program: {error}")

    print("\n".join(failures) or "signing: program and MSI signed and verified")
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
