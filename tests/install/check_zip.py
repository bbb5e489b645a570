#!/usr/bin/env python3
"""The Windows zip as a user meets it. Unpacked into an empty folder it holds the program, the
DLLs and plugins it loads, the manual and the licences, nothing else, in under 12 MB and with no
debug sections; tempidex.exe and tempidex.com carry the icon, a manifest and each its own
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
    # Wine's cmd now and then fails to start a program at all ("ShellExecuteEx failed:
    # Internal error"), whatever the program: that is tried again, twice at most.
    for attempt in range(3):
        done = subprocess.run(command, input=stdin, capture_output=True, cwd=cwd, timeout=60,
                              env=dict(os.environ, WINEPATH=""))
        if b"ShellExecuteEx failed" not in done.stdout + done.stderr:
            break
    return done.returncode, done.stdout.replace(b"\r\n", b"\n").decode("utf-8", "replace")


name = "Tempidex-%s-win64" % version
with tempfile.TemporaryDirectory() as work:
    subprocess.run(["cpack", "-G", "ZIP", "-B", work], cwd=build, check=True,
                   stdout=subprocess.DEVNULL)
    archive = os.path.join(work, name + ".zip")
    size = os.path.getsize(archive)
    check(size < 12 * 1024 * 1024, "the zip is %.1f MB" % (size / 1024 / 1024))
    shutil.rmtree(unpacked, ignore_errors=True)
    zipfile.ZipFile(archive).extractall(unpacked)
folder = os.path.join(unpacked, name)
exe, com = os.path.join(folder, "tempidex.exe"), os.path.join(folder, "tempidex.com")

files = sorted(os.path.relpath(os.path.join(root, f), folder)
               for root, _, names in os.walk(folder) for f in names)
check(files == sorted([
    "tempidex.exe", "tempidex.com", "Qt6Core.dll", "Qt6Gui.dll", "Qt6Widgets.dll",
    "platforms/qwindows.dll", "styles/qwindowsvistastyle.dll", "imageformats/qico.dll",
    "libstdc++-6.dll", "libgcc_s_seh-1.dll", "libwinpthread-1.dll",
    "LICENSE.txt", "LICENSE-Qt.txt", "LICENSE-Qt-third-party.txt", "LICENSE-MinGW.txt",
    "Manuale.txt", "Manual.txt"]), "files: %s" % files)
# Every program and library is stripped of its debug sections.
for binary in (f for f in files if f.endswith((".exe", ".com", ".dll"))):
    headers = output("x86_64-w64-mingw32-objdump", "-h", os.path.join(folder, binary))[1]
    check(".debug" not in headers, binary + " carries debug sections")
# The licences name the libraries inside Qt, and the manual opens as UTF-8 in Notepad.
notices = open(os.path.join(folder, "LICENSE-Qt-third-party.txt"), encoding="utf-8").read()
for library in ("PCRE2", "Freetype", "HarfBuzz", "LibPNG", "zlib"):
    check(library in notices, "no notice of " + library)
check("6.4.2+dfsg" in open(os.path.join(folder, "LICENSE-Qt.txt"), encoding="utf-8").read(),
      "LICENSE-Qt.txt names no source version")
manual = open(os.path.join(folder, "Manuale.txt"), "rb").read()
check(manual.startswith(b"\xef\xbb\xbf") and b"--convert" in manual.replace(b"\xe2\x80\x90", b"-"),
      "Manuale.txt")
# Its accents are read as UTF-8, not as Latin-1 (which writes "è" as "Ã¨", "°" as "Â°").
text = manual.decode("utf-8", "replace")
check("\u00c3" not in text and "\u00c2" not in text, "Manuale.txt: accents read as Latin-1")
for word in ("non è", "1° gennaio", "natività"):
    check(word in text, "Manuale.txt lacks %r" % word)
# Explorer starts the window program with no console; a prompt waits for the console one.
for program, subsystem in ((exe, "(Windows GUI)"), (com, "(Windows CUI)")):
    headers = output("x86_64-w64-mingw32-objdump", "-hp", program)[1]
    check(subsystem in headers and ".debug" not in headers, program + ": " + subsystem)

# Each program's version record, its numbers and the texts Explorer shows; the icon in its four
# sizes; and the manifest Windows reads first.
for program in (exe, com):
    record = subprocess.run(["wrestool", "-x", "--raw", "--type=16", program], capture_output=True,
                            check=True).stdout
    fixed = record.find(struct.pack("<I", 0xFEEF04BD))
    check(record[fixed + 8:fixed + 16] == struct.pack("<4H", *numbers[1::-1], *numbers[:1:-1]),
          "version record numbers")
    texts = record.decode("utf-16-le", "replace")
    for key, value in (("FileVersion", version), ("ProductName", product),
                       ("ProductVersion", "%d.%02d" % tuple(numbers[:2])),
                       ("OriginalFilename", os.path.basename(program))):
        check(value in texts.partition(key)[2][:40], "version record %s of %s" % (key, program))
    with tempfile.TemporaryDirectory() as work:
        subprocess.run(["wrestool", "-x", "--type=14", "-o", work + "/icon.ico", program],
                       check=True)
        listed = output("icotool", "-l", work + "/icon.ico")[1]
        for size, depth in ((32, 4), (16, 4), (48, 32), (256, 32)):
            check("--width=%d --height=%d --bit-depth=%d" % (size, size, depth) in listed,
                  "icon of %s: %s" % (program, listed))
    listed = output("wrestool", "-l", program)[1].splitlines()
    check(listed and all("--language=1040" in line for line in listed),
          "resources of %s not in Italian: %s" % (program, listed))
    manifest = subprocess.run(["wrestool", "-x", "--raw", "--type=24", program],
                              capture_output=True, check=True).stdout.decode("utf-8", "replace")
    for setting in ("PerMonitorV2", "<activeCodePage", ">UTF-8<", "8e0f7a12-bfb3-4fe8-b9a5"):
        check(setting in manifest, "manifest of %s: no %s" % (program, setting))

# The command line from the folder alone: "tempidex" at a prompt finds tempidex.com first;
# pipes reach both programs.
said = "%s %d.%02d (%s)\n" % (product, numbers[0], numbers[1], version)
check(output(wine_run, "cmd", "/c", "tempidex --version", cwd=folder) == (0, said), "at a prompt")
help_text = output(wine_run, "cmd", "/c", "tempidex /?", cwd=folder)
check(help_text[0] == 0 and help_text[1].startswith("Uso: tempidex") and "Manuale.txt" in help_text[1],
      "tempidex /? at a prompt")
# Windows' other switches answer too, and never open the window (which would hold the prompt).
for switch in ("/h", "/help", "-?", "/v", "/VERSION"):
    try:
        answer = output(wine_run, "cmd", "/c", "tempidex " + switch, cwd=folder)
    except subprocess.TimeoutExpired:
        answer = (None, "the window opened")
    check(answer == (0, said if "v" in switch.lower() else help_text[1]),
          "tempidex %s at a prompt: %s" % (switch, answer))
check(output(wine_run, com, "--convert", "-", stdin=b"a. d. XIX Kal. Ian.\nKal. Marzo\n") ==
      (1, "14 Dicembre\nERRORE - Data non correta\n"), "a batch through a pipe")
check(output(wine_run, exe, "--to-latin", "14/12") == (0, "a. d. XIX Kal. Ian.\n"), "the .exe")
# The arguments as typed, beyond ASCII too, and the complaints in Italian.
check(output(wine_run, com, "--convert", "--style=NATIVITÀ", "a. d. VIII Kal. Ian. MDXXV") ==
      (0, "25 Dicembre 1524\n"), "an argument beyond ASCII")
complaint = subprocess.run([wine_run, com, "--convert=x"], capture_output=True, timeout=60,
                           env=dict(os.environ, WINEPATH="")).stderr.decode("utf-8", "replace")
check("Valore non previsto dopo '--convert'" in complaint, "a value after --convert: " + complaint)

# A spreadsheet Excel saved in Windows-1252, in a folder with an accent, named at a prompt: it
# comes back in UTF-8 with a byte-order mark, its Windows line ends kept.
with tempfile.TemporaryDirectory() as work:
    os.mkdir(os.path.join(work, "città"))
    with open(os.path.join(work, "città", "registro.csv"), "wb") as sheet:
        sheet.write("Datazione;Luogo\r\nId. Iun. MDXXV;Forlì\r\n".encode("cp1252"))
    path = "Z:" + os.path.join(work, "città", "registro.csv").replace("/", "\\")
    # (unquoted: Wine hands cmd /c a command line whose quotes come escaped)
    converted = subprocess.run([wine_run, "cmd", "/c", "tempidex --convert --csv=Datazione " +
                                path], capture_output=True, cwd=folder, timeout=60,
                               env=dict(os.environ, WINEPATH="")).stdout
    check(converted == ("\ufeffDatazione;Luogo;Data;ISO;Giuliano;Spiegazione;Avvisi\r\n"
                        "Id. Iun. MDXXV;Forlì;13 Giugno 1525;1525-06-23;1525-06-13;;\r\n"
                        ).encode("utf-8"), "a Windows-1252 spreadsheet at a prompt: %r" % converted)

for failure in failures:
    print("zip: FAIL:", failure)
sys.exit(1 if failures else 0)
