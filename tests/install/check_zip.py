#!/usr/bin/env python3
"""The Windows zip as a user meets it. Unpacked into an empty folder it holds the program, the
DLLs and plugins it loads, and the licences, nothing else; tempidex.exe carries its icon and
version record; and with nothing on Wine's path the command line runs from that folder, at a
command prompt as well as through pipes and files.

    tests/install/check_zip.py BUILD_DIR VERSION PRODUCT UNPACK_DIR WINE_RUN
"""
import os, shutil, struct, subprocess, sys, tempfile, zipfile

build, version, product, unpacked, wine_run = sys.argv[1:]
numbers = [int(n) for n in version.split(".")]
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def output(*command, stdin=b"", cwd=None):
    done = subprocess.run(command, input=stdin, capture_output=True, cwd=cwd, timeout=60,
                          env=dict(os.environ, WINEPATH=""))
    return done.returncode, done.stdout.replace(b"\r\n", b"\n").decode("utf-8", "replace")


name = "Tempidex-%s-win64" % version
with tempfile.TemporaryDirectory() as work:
    subprocess.run(["cpack", "-G", "ZIP", "-B", work], cwd=build, check=True,
                   stdout=subprocess.DEVNULL)
    shutil.rmtree(unpacked, ignore_errors=True)
    zipfile.ZipFile(os.path.join(work, name + ".zip")).extractall(unpacked)
folder = os.path.join(unpacked, name)
exe, com = os.path.join(folder, "tempidex.exe"), os.path.join(folder, "tempidex.com")

files = sorted(os.path.relpath(os.path.join(root, f), folder)
               for root, _, names in os.walk(folder) for f in names)
check(files == sorted([
    "tempidex.exe", "tempidex.com", "Qt6Core.dll", "Qt6Gui.dll", "Qt6Widgets.dll",
    "platforms/qwindows.dll", "styles/qwindowsvistastyle.dll", "imageformats/qico.dll",
    "libstdc++-6.dll", "libgcc_s_seh-1.dll", "libwinpthread-1.dll",
    "LICENSE.txt", "LICENSE-Qt.txt", "LICENSE-MinGW.txt"]), "files: %s" % files)
# Explorer starts the window program with no console; a prompt waits for the console one.
for program, subsystem in ((exe, "(Windows GUI)"), (com, "(Windows CUI)")):
    headers = output("x86_64-w64-mingw32-objdump", "-hp", program)[1]
    check(subsystem in headers and ".debug" not in headers, program + ": " + subsystem)

# The version record, its numbers and the texts Explorer shows; the 32 and 16 px icons.
record = subprocess.run(["wrestool", "-x", "--raw", "--type=16", exe], capture_output=True,
                        check=True).stdout
fixed = record.find(struct.pack("<I", 0xFEEF04BD))
check(record[fixed + 8:fixed + 16] == struct.pack("<4H", *numbers[1::-1], *numbers[:1:-1]),
      "version record numbers")
texts = record.decode("utf-16-le", "replace")
for key, value in (("FileVersion", version), ("ProductName", product),
                   ("ProductVersion", "%d.%02d" % tuple(numbers[:2]))):
    check(value in texts.partition(key)[2][:40], "version record " + key)
with tempfile.TemporaryDirectory() as work:
    subprocess.run(["wrestool", "-x", "--type=14", "-o", work + "/icon.ico", exe], check=True)
    listed = output("icotool", "-l", work + "/icon.ico")[1]
    for size in (32, 16):
        check("--width=%d --height=%d --bit-depth=4" % (size, size) in listed, "icon " + listed)

# The command line from the folder alone: "tempidex" at a prompt finds tempidex.com first;
# pipes reach both programs.
said = "%s %d.%02d (%s)\n" % (product, numbers[0], numbers[1], version)
check(output(wine_run, "cmd", "/c", "tempidex --version", cwd=folder) == (0, said), "at a prompt")
check(output(wine_run, com, "--convert", "-", stdin=b"a. d. XIX Kal. Ian.\nKal. Mar. foo\n") ==
      (1, "14 Dicembre\nERRORE - Data non correta\n"), "a batch through a pipe")
check(output(wine_run, exe, "--to-latin", "14/12") == (0, "a. d. XIX Kal. Ian.\n"), "the .exe")
# Qt's own texts come with the program, in Italian.
complaint = subprocess.run([wine_run, com, "--convert=x"], capture_output=True, timeout=60,
                           env=dict(os.environ, WINEPATH="")).stderr.decode("utf-8", "replace")
check("Valore non previsto dopo '--convert'" in complaint, "parser: " + complaint)

for failure in failures:
    print("zip: FAIL:", failure)
sys.exit(1 if failures else 0)
