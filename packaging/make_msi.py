#!/usr/bin/env python3
"""Builds the Windows installer, an MSI, from the folder the zip holds, with Debian's wixl.

It installs for every user into Program Files\\PRODUCT (with a welcome and a last page when
double-clicked: msi_dialogs.py), puts a Start-menu entry for the window,
adds the folder to the system PATH so that "tempidex" works at a new prompt, and registers
with "Apps & features" (version, publisher, icon); uninstalling removes all of it. wixl does
not know WiX's Environment element, so the PATH entry is written into the package's tables
afterwards with msibuild. tempidex.com, the console program, is installed hidden: Explorer
shows one "tempidex", while a prompt still finds the .com first.

    packaging/make_msi.py FOLDER VERSION PRODUCT PUBLISHER HOST ICON OUTPUT

VERSION has the three fields Windows Installer compares (1.0.0 for the program's 1.0.0.0); the
product code is named after the program's four.
"""
import os, shutil, subprocess, sys, tempfile, uuid
import msi_dialogs
from xml.sax.saxutils import quoteattr

folder, version, product, publisher, host, icon, output = sys.argv[1:]
# The same for every version, so that a new one replaces an old one (MajorUpgrade).
UPGRADE_CODE = "8b7f3e52-6a41-4c1e-9d0f-2f5a7c3e9b10"
# Components keep their GUIDs from version to version: each is named after its file.
NAMESPACE = uuid.UUID("0f4b5d1e-2c3a-4e8f-9a6b-7c1d2e3f4a5b")


def ident(kind, path):
    return kind + "_" + uuid.uuid5(NAMESPACE, path).hex[:24]


def directory(relative, depth):
    """The WiX of one folder and everything in it; the components' ids."""
    lines, components = [], []
    here = os.path.join(folder, relative)
    for name in sorted(os.listdir(here)):
        path = os.path.join(relative, name) if relative else name
        if os.path.isdir(os.path.join(here, name)):
            inner, inner_components = directory(path, depth + 1)
            lines.append('<Directory Id=%s Name=%s>' % (quoteattr(ident("Dir", path)),
                                                        quoteattr(name)))
            lines += inner
            lines.append('</Directory>')
            components += inner_components
            continue
        component = ident("Cmp", path)
        components.append(component)
        lines.append('<Component Id=%s Guid=%s Win64="yes">' % (
            quoteattr(component), quoteattr(str(uuid.uuid5(NAMESPACE, path)))))
        lines.append('<File Id=%s Source=%s KeyPath="yes"/>' % (
            quoteattr(ident("File", path)), quoteattr(os.path.join("..", path))))
        if path == "tempidex.exe":
            lines.append('<Shortcut Id="StartMenu" Directory="ProgramMenuFolder" Name=%s '
                         'Target="[INSTALLDIR]tempidex.exe" WorkingDirectory="INSTALLDIR" '
                         'Advertise="no"/>' % quoteattr(product))
        lines.append('</Component>')
    return lines, components


files, components = directory("", 0)
wxs = """<?xml version="1.0" encoding="utf-8"?>
<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">
  <Product Id=%(code)s Name=%(product)s Language="1040" Codepage="1252" Version=%(version)s
           Manufacturer=%(publisher)s UpgradeCode=%(upgrade)s>
    <Package InstallerVersion="500" Compressed="yes" InstallScope="perMachine"
             SummaryCodepage="1252"
             Description=%(product)s Manufacturer=%(publisher)s/>
    <Media Id="1" Cabinet="tempidex.cab" EmbedCab="yes"/>
    <MajorUpgrade DowngradeErrorMessage="Una versione più recente è già installata."/>
    <Icon Id="tempidex.ico" SourceFile=%(icon)s/>
    <Property Id="ARPPRODUCTICON" Value="tempidex.ico"/>
    <Property Id="ARPURLINFOABOUT" Value=%(site)s/>
    <Property Id="ARPNOMODIFY" Value="1"/>
    <Directory Id="TARGETDIR" Name="SourceDir">
      <Directory Id="ProgramFiles64Folder">
        <Directory Id="INSTALLDIR" Name=%(product)s>
%(files)s
        </Directory>
      </Directory>
      <Directory Id="ProgramMenuFolder"/>
    </Directory>
    <Feature Id="Tempidex" Level="1">
%(refs)s
    </Feature>
  </Product>
</Wix>
""" % dict(code=quoteattr(str(uuid.uuid5(NAMESPACE, "product %s.0" % version))),
           product=quoteattr(product), version=quoteattr(version), publisher=quoteattr(publisher),
           upgrade=quoteattr(UPGRADE_CODE), icon=quoteattr("tempidex.ico"),
           site=quoteattr("http://%s/" % host), files="\n".join(files),
           refs="\n".join('<ComponentRef Id=%s/>' % quoteattr(c) for c in components))

# wixl takes the files' paths relative to the source it reads: it is written inside FOLDER.
with tempfile.TemporaryDirectory(dir=folder) as work:
    source = os.path.join(work, "tempidex.wxs")
    with open(source, "w", encoding="utf-8") as f:
        f.write(wxs)
    shutil.copy(icon, os.path.join(work, "tempidex.ico"))
    built = subprocess.run(["wixl", "-a", "x64", "-o", os.path.abspath(output), source], cwd=work,
                           capture_output=True, text=True)
    if built.returncode != 0:
        sys.exit("wixl: " + built.stderr)
    # The dialogs a double click shows (msi_dialogs.py), with the program's licence to accept.
    with open(os.path.join(folder, "LICENSE.txt"), encoding="utf-8") as f:
        licence = f.read() + ("\nQt, and the MinGW libraries that come with it, have licences "
                              "of their own: LICENSE-Qt.txt, LICENSE-Qt-third-party.txt and "
                              "LICENSE-MinGW.txt, in the program's folder.\n")
    # The package's language is Italian, as the product's (wixl writes 1033 whatever it is told).
    subprocess.run(["msibuild", output, "-s", product, publisher, "x64;1040"], check=True)
    tables, queries = msi_dialogs.write(work, licence)
    for table in tables:
        subprocess.run(["msibuild", output, "-i", table], check=True)
    for query in queries:
        subprocess.run(["msibuild", output, "-q", query], check=True)

component = ident("Cmp", "tempidex.com")
com_file = ident("File", "tempidex.com")
exe_component = ident("Cmp", "tempidex.exe")
for query in (
        # The folder on the system PATH while installed (=: set, -: removed on uninstall, *: the
        # machine's variable). Put first, it is taken out again to the character: Wine's
        # Installer leaves a stray ";" behind an entry appended at the end.
        "CREATE TABLE `Environment` (`Environment` CHAR(72) NOT NULL, `Name` CHAR(255) NOT NULL "
        "LOCALIZABLE, `Value` CHAR(255) LOCALIZABLE, `Component_` CHAR(72) NOT NULL "
        "PRIMARY KEY `Environment`)",
        "INSERT INTO `Environment` (`Environment`, `Name`, `Value`, `Component_`) "
        "VALUES ('Path', '=-*PATH', '[INSTALLDIR];[~]', '%s')" % exe_component,
        "INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) "
        "VALUES ('RemoveEnvironmentStrings', 3300)",
        "INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) "
        "VALUES ('WriteEnvironmentStrings', 5200)",
        # Vital (512) and hidden (2).
        "UPDATE `File` SET `Attributes` = 514 WHERE `File` = '%s'" % com_file):
    subprocess.run(["msibuild", output, "-q", query], check=True)
