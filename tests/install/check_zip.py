#!/usr/bin/env python3
"""The Windows zip as a user meets it. Unpacked into an empty folder it holds the program, the
DLLs and plugins it loads, and the licences, nothing else; tempidex.exe carries its icon and
version record; and with nothing on Wine's path the command line runs from that folder, at a
command prompt as well as through pipes and files.

    tests/install/check_zip.py BUILD_DIR VERSION PRODUCT UNPACK_DIR WINE_RUN
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zipfile

build, version, product, unpacked, wine_run = sys.argv[1:]
display_version = "%s.%02d" % tuple(int(part) for part in version.split(".")[:2])
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def run(*command, stdin=b"", cwd=None, env_extra=None):
    env = dict(os.environ, WINEPATH="", **(env_extra or {}))
    done = subprocess.run([wine_run, *command], input=stdin, capture_output=True, cwd=cwd,
                          env=env, timeout=60)
    return done.returncode, done.stdout.decode("utf-8", "replace").replace("\r\n", "\n")


with tempfile.TemporaryDirectory() as work:
    subprocess.run(["cpack", "-G", "ZIP", "-B", work], cwd=build, check=True,
                   stdout=subprocess.DEVNULL)
    name = "Tempidex-%s-win64" % version
    shutil.rmtree(unpacked, ignore_errors=True)
    with zipfile.ZipFile(os.path.join(work, name + ".zip")) as archive:
        archive.extractall(unpacked)
folder = os.path.join(unpacked, name)

files = sorted(os.path.relpath(os.path.join(root, f), folder)
               for root, _, names in os.walk(folder) for f in names)
check(files == sorted([
    "tempidex.exe", "tempidex.com", "Qt6Core.dll", "Qt6Gui.dll", "Qt6Widgets.dll",
    "platforms/qwindows.dll", "styles/qwindowsvistastyle.dll", "imageformats/qico.dll",
    "libstdc++-6.dll", "libgcc_s_seh-1.dll", "libwinpthread-1.dll",
    "LICENSE.txt", "LICENSE-Qt.txt", "LICENSE-MinGW.txt"]), "files: %s" % files)
exe = os.path.join(folder, "tempidex.exe")
check(".debug" not in subprocess.run(["x86_64-w64-mingw32-objdump", "-h", exe],
                                     capture_output=True, text=True).stdout, "exe not stripped")
# Explorer starts the window program with no console; a prompt waits for the console one.
for program, subsystem in (("tempidex.exe", "Windows GUI"), ("tempidex.com", "Windows CUI")):
    headers = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", os.path.join(folder, program)],
                             capture_output=True, text=True).stdout
    check("(%s)" % subsystem in headers, "%s is not a %s program" % (program, subsystem))

# The version record: its numbers, and the texts Explorer shows.
record = subprocess.run(["wrestool", "-x", "--raw", "--type=16", exe], capture_output=True,
                        check=True).stdout
fixed = record.find(struct.pack("<I", 0xFEEF04BD))
numbers = [int(n) for n in version.split(".")]
packed = struct.pack("<4H", numbers[1], numbers[0], numbers[3], numbers[2])
check(fixed > 0 and record[fixed + 8:fixed + 16] == packed, "version record numbers")
texts = record.decode("utf-16-le", "replace")
for key, value in (("FileVersion", version), ("ProductVersion", display_version),
                   ("ProductName", product), ("OriginalFilename", "tempidex.exe")):
    check(key in texts and value in texts.split(key, 1)[1][:64], "version record " + key)

# The icon: a 32 and a 16 pixel image of 16 colours each.
with tempfile.TemporaryDirectory() as work:
    icon = os.path.join(work, "icon.ico")
    subprocess.run(["wrestool", "-x", "--type=14", "-o", icon, exe], check=True)
    listed = subprocess.run(["icotool", "-l", icon], capture_output=True, text=True).stdout
    for size in (32, 16):
        check("--width=%d --height=%d --bit-depth=4" % (size, size) in listed,
              "no %d px 16-colour icon in %s" % (size, listed))

# The command line from the folder alone: the console companion, at a prompt ("tempidex"
# finds tempidex.com first), through a pipe, and the window program through a file.
expected_version = "%s %s (%s)\n" % (product, display_version, version)
check(run(os.path.join(folder, "tempidex.com"), "--version") == (0, expected_version),
      "tempidex.com --version")
check(run("cmd", "/c", "tempidex --version", cwd=folder) == (0, expected_version),
      "tempidex --version at a prompt")
check(run(os.path.join(folder, "tempidex.com"), "--convert", "-",
          stdin=b"a. d. XIX Kal. Ian.\na. d. XX Kal. Ian.\n") ==
      (1, "14 Dicembre\nERRORE - Data non corretta\n"), "a batch through a pipe")
with tempfile.TemporaryDirectory() as work:
    out = os.path.join(work, "out.txt")
    with open(out, "wb") as file:
        subprocess.run([wine_run, os.path.join(folder, "tempidex.exe"), "--to-latin", "14/12"],
                       stdout=file, env=dict(os.environ, WINEPATH=""), timeout=60)
    with open(out, "rb") as file:
        check(file.read().replace(b"\r\n", b"\n") == b"a. d. XIX Kal. Ian.\n",
              "tempidex.exe --to-latin into a file")

for failure in failures:
    print("zip: FAIL:", failure)
sys.exit(1 if failures else 0)
