#!/usr/bin/env python3
"""The Windows installer as a user meets it, under Wine, in a copy of the build's Wine prefix:
a silent install puts the program in Program Files with a Start-menu entry that starts the
window and the folder on the PATH of a new prompt; a silent uninstall then leaves the prefix
as it found it, file for file and registry value for registry value. Then as a double click
meets it: its pages, driven from the keyboard, install and remove the program, and a refused
downgrade is said before the page that says it failed. Run in an X server.

    tests/install/check_msi.py BUILD_DIR MSI VERSION PRODUCT WINE_RUN
"""
import os, re, shutil, subprocess, sys, tempfile, time, uuid

build, msi, version, product, wine_run = sys.argv[1:]
msi_file = msi
msi = "Z:" + os.path.abspath(msi).replace("/", "\\")
numbers = [int(n) for n in version.split(".")]
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


subprocess.run(["cmake", "--build", build, "--target", "msi"], check=True,
               stdout=subprocess.DEVNULL)
subprocess.run([wine_run, "cmd", "/c", "exit"], check=True)  # the build's prefix, made once
# and written out whole before it is copied: Wine keeps the registry in memory while its
# server runs (and Wine's own services keep it running), so the server is stopped first.
for stop in ("-k", "-w"):
    subprocess.run(["wineserver", stop],
                   env=dict(os.environ, WINEPREFIX=os.path.join(build, "wineprefix")))
work = tempfile.mkdtemp()
prefix = os.path.join(work, "prefix")
shutil.copytree(os.path.join(build, "wineprefix"), prefix, symlinks=True)
env = {k: v for k, v in os.environ.items() if k != "WINEPATH"}  # the prefix's own PATH only
# Wine's menu builder would turn the Start-menu entry into .desktop and .menu files in the home
# folder and keep registry keys of its own: the test depends on nothing outside its prefix.
env.update(WINEPREFIX=prefix, WINEDEBUG="-all",
           WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")


def wine(*arguments, timeout=120):
    done = subprocess.run(["wine", *arguments], env=env, capture_output=True, timeout=timeout,
                          cwd=work)
    return done.returncode, done.stdout.replace(b"\r\n", b"\n").decode("utf-8", "replace")


def new_session():
    """As after logging in again: programs read the environment the registry holds."""
    subprocess.run(["wineserver", "-k"], env=env)
    subprocess.run(["wineserver", "-w"], env=env)


def snapshot():
    """Every file of drive C:, and every registry key and value, time stamps aside (the keys'
    and the display driver's, renewed by each X session), once Wine
    has started in this environment and settled what it keeps of it (fonts, code pages)."""
    new_session()
    wine("cmd", "/c", "exit")
    subprocess.run(["wineserver", "-w"], env=env)
    drive = os.path.join(prefix, "drive_c")
    files = {os.path.relpath(os.path.join(root, name), drive)
             for root, dirs, names in os.walk(drive) for name in dirs + names}
    registry = set()
    for hive in ("system.reg", "user.reg", "userdef.reg"):
        key = None
        for line in open(os.path.join(prefix, hive), encoding="utf-8", errors="replace"):
            line = line.rstrip("\n")
            if line.startswith("["):
                key = re.sub(r"\] \d+$", "]", line)
                registry.add((hive, key, None))
            elif key and line and not line.startswith(("#time=", '"DriverDateData"=')):
                registry.add((hive, key, line))
    return files, registry


# Windows Installer's own bookkeeping, which every Windows has from its first package on: the
# folder and keys may stay, empty, after the last package is gone.
INSTALLER_OWN = re.compile(r"^(windows\\Installer|windows/Installer)$|\\\\Installer\\\\"
                           r"(Features|Products|UpgradeCodes|UserData\\\\S-1-5-18\\\\"
                           r"(Components|Products))\]$")

# Keys every Windows has, which Wine makes, empty, the first time a program reads them: the
# per-user and the system font lists FreeType's font database reads, and the display's
# text-rendering settings. Starting the installed program may leave them; nothing of ours is
# in them.
WINDOWS_OWN = re.compile(r"\\\\Windows NT\\\\CurrentVersion\\\\Fonts\]$|"
                         r"\\\\Avalon\.Graphics(\\\\DISPLAY\d+)?\]$")

# The installer's version has the three fields Windows Installer compares, its language is
# Italian.
properties = subprocess.run(["msiinfo", "export", msi_file, "Property"], capture_output=True,
                            text=True, check=True).stdout
check("\nProductVersion\t%s\n" % ".".join(version.split(".")[:3]) in properties,
      "ProductVersion is not the version's three fields")
summary = subprocess.run(["msiinfo", "suminfo", msi_file], capture_output=True, text=True,
                         check=True).stdout
check("Template: x64;1040\n" in summary, "the package's language: " + summary)

# The display adapters' and monitors' device classes, which Wine's display driver registers,
# values and all, the first time a window opens in a prefix: here when the Start-menu entry
# starts the program, if no test had opened one in the build's prefix before it was copied.
DISPLAY_CLASSES = re.compile(r"\\\\Control\\\\Class\\\\\{(4D36E968|4D36E96E)-E325-11CE-BFC1-"
                             r"08002BE10318\}")

before_files, before_registry = snapshot()
status, _ = wine("msiexec", "/i", msi, "/qn")
check(status == 0, "silent install: status %d" % status)
installed = os.path.join(prefix, "drive_c", "Program Files", product)
for name in ("tempidex.exe", "tempidex.com", "Qt6Core.dll", "platforms/qwindows.dll", "Manuale.txt"):
    check(os.path.isfile(os.path.join(installed, name)), "not installed: " + name)

# The console program is hidden, so Explorer shows one "tempidex" (Wine keeps a file's DOS
# attributes in an extended attribute: 0x2 is hidden).
try:
    attributes = os.getxattr(os.path.join(installed, "tempidex.com"), "user.DOSATTRIB")
    check(int(attributes.split(b"\0")[0].split(b",")[0], 16) & 2, "tempidex.com is not hidden")
except OSError as error:
    check(False, "tempidex.com has no DOS attributes: %s" % error)

# The Start-menu entry points at the window program, and starts it.
links = [os.path.join(root, name) for root, _, names in os.walk(os.path.join(prefix, "drive_c"))
         for name in names if name == product + ".lnk" and "Start Menu" in root]
check(len(links) == 1, "Start-menu entries: %s" % links)
if links:
    target = "C:\\Program Files\\%s\\tempidex.exe" % product
    raw = open(links[0], "rb").read()
    check(target.encode("utf-16-le") in raw or target.encode("latin-1") in raw,
          "the shortcut does not lead to " + target)
    starter = subprocess.Popen(["wine", "start", "/unix", links[0]], env=env, cwd=work,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    # Looked for until exactly one is there: while Wine starts a program, windows come and go,
    # and a search that meets one going away finds nothing.
    windows = []
    deadline = time.monotonic() + 60
    while len(windows) != 1 and time.monotonic() < deadline:
        time.sleep(0.5)
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                                "^ %s$" % product], capture_output=True, timeout=30, text=True)
        windows = found.stdout.split()
    check(len(windows) == 1, "the shortcut opened %d main windows, not one" % len(windows))
    # Closed as Windows closes a program, by a message to its window. Destroying the window
    # under it (xdotool windowclose) now and then made Wine's debugger start, whose settings
    # and console were then found left in the registry.
    if windows:
        check(wine("taskkill", "/im", "tempidex.exe")[0] == 0, "the program would not close")
    starter.wait(timeout=60)

# A new prompt finds the console program on the PATH, wherever it is started.
new_session()
said = "%s %d.%02d (%s)\n" % (product, numbers[0], numbers[1], version)
check(wine("cmd", "/c", "cd \\ && tempidex --version") == (0, said), "tempidex on the PATH")

status, _ = wine("msiexec", "/x", msi, "/qn")
check(status == 0, "silent uninstall: status %d" % status)
after_files, after_registry = snapshot()
for name in sorted(after_files ^ before_files):
    if not (name in after_files and INSTALLER_OWN.search(name)):
        failures.append("left behind or removed: file " + name)
for hive, key, value in sorted(after_registry ^ before_registry, key=str):
    if (hive, key, value) in after_registry and DISPLAY_CLASSES.search(key):
        continue
    if not ((hive, key, value) in after_registry and value is None and
            (INSTALLER_OWN.search(key) or WINDOWS_OWN.search(key))):
        failures.append("left behind or removed: %s %s %s" % (hive, key, value or ""))

# A double click: the welcome, whose Installa waits until the licence is accepted, then the
# last page; opened again, the offer to remove the program, then the last page again. Each
# page a user meets is left as a picture in BUILD_DIR/screenshots.
shots = os.path.join(build, "screenshots")
os.makedirs(shots, exist_ok=True)


def window_named(title, seconds=60):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                                "^%s$" % re.escape(title)], capture_output=True, text=True)
        if found.stdout.split():
            time.sleep(0.5)  # drawn
            return found.stdout.split()[0]
        time.sleep(0.3)
    return None


def typed(window, *keys):
    """Keys typed on the keyboard while window has the focus: Wine takes no other."""
    try:  # --sync may wait forever for a window that takes the focus its own way
        subprocess.run(["xdotool", "windowactivate", "--sync", window], stderr=subprocess.DEVNULL,
                       timeout=10)
    except subprocess.TimeoutExpired:
        pass
    for key in keys:
        time.sleep(0.3)
        subprocess.run(["xdotool", "key", key])


def picture(name):
    subprocess.run(["import", "-window", "root", os.path.join(shots, name)])


def double_click(package):
    return subprocess.Popen(["wine", "msiexec", "/i", package], env=env, cwd=work,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


finished = product + " - Completato"
program = os.path.join(installed, "tempidex.exe")
running = double_click(msi)
welcome = window_named("Installazione di " + product)
check(welcome, "double click: no welcome")
if welcome:
    picture("installer-welcome.png")
    typed(welcome, "Return")  # Installa, the default, is off until the licence is accepted
    check(window_named(finished, 3) is None and window_named("Installazione di " + product, 1),
          "Installa went on before the licence was accepted")
    typed(welcome, "space", "Return")  # the box that accepts it has the focus first
    last = window_named(finished)
    check(last and os.path.isfile(program), "double click: not installed, or no last page")
    if last:
        picture("installer-finished.png")
        typed(last, "Return")
check(running.wait(timeout=60) == 0, "double click: status %s" % running.returncode)
running = double_click(msi)
removal = window_named("Rimozione di " + product)
check(removal, "opened again: no offer to remove")
if removal:
    typed(removal, "Return")  # Rimuovi
    last = window_named(finished)
    check(last and not os.path.exists(program), "opened again: not removed, or no last page")
    if last:
        typed(last, "Return")
check(running.wait(timeout=60) == 0, "opened again: status %s" % running.returncode)

# A refused downgrade is said to the user before the last page, which says it failed.
# The newer version is this package with a higher version and codes of its own.
newer = os.path.join(work, "newer.msi")
shutil.copy(msi_file, newer)
for query in ("UPDATE `Property` SET `Value` = '%d.%d.%d' WHERE `Property` = 'ProductVersion'"
              % (numbers[0], numbers[1], numbers[2] + 1),
              "UPDATE `Property` SET `Value` = '{%s}' WHERE `Property` = 'ProductCode'"
              % str(uuid.uuid4()).upper()):
    subprocess.run(["msibuild", newer, "-q", query], check=True)
subprocess.run(["msibuild", newer, "-s", product, "Tempidex", "x64;1040",
                "{%s}" % str(uuid.uuid4()).upper()], check=True)
newer = "Z:" + newer.replace("/", "\\")
check(wine("msiexec", "/i", newer, "/qn")[0] == 0, "newer version: not installed")
running = double_click(msi)
failed = message = None
deadline = time.monotonic() + 60
while message is None and time.monotonic() < deadline:  # the first window it opens
    time.sleep(0.5)
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "."],
                           capture_output=True, text=True).stdout.split()
    message = found[0] if found else None
if message:
    time.sleep(0.5)
    check(subprocess.run(["xdotool", "getwindowname", message], capture_output=True,
                         text=True).stdout.strip() != product + " - Errore",
          "downgrade: the last page came without the refusal")
    picture("installer-downgrade.png")
    typed(message, "Return")  # the message's OK
    failed = window_named(product + " - Errore", 20)
check(failed, "downgrade: the refusal was not shown, or no last page saying it failed")
if failed:
    typed(failed, "Return")
check(running.wait(timeout=60) != 0, "downgrade: status 0")

subprocess.run(["wineserver", "-k"], env=env)
shutil.rmtree(work, ignore_errors=True)
for failure in failures:
    print("msi: FAIL:", failure)
sys.exit(1 if failures else 0)
